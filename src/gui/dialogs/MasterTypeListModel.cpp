#include "MasterTypeListModel.h"

#include "base/Language.h"

namespace {

// The catalogue's yes and no in the language of the program; any other text
// as it stands.
QString displayText(const QString &lcd)
{
    const QString word = lcd.trimmed().toLower();
    if (word == QLatin1String("yes") || word == QLatin1String("ja"))
        return loadTranslatedString(5376);
    if (word == QLatin1String("no") || word == QLatin1String("nein"))
        return loadTranslatedString(5377);
    return lcd;
}

}

void MasterTypeListModel::setRows(const QVector<MasterTypeRow> &rows)
{
    beginResetModel();
    m_filter.setRows(rows);
    m_shown = m_filter.matching(m_typed);
    endResetModel();
}

void MasterTypeListModel::setFilterText(const QString &typed)
{
    m_typed = typed;
    refilter();
}

void MasterTypeListModel::sort(int column, Qt::SortOrder order)
{
    // The rows move: the selected type stays selected (a reset would drop
    // the selection without a word, and OK would then take nothing).
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QVector<int> ids;
    for (const QModelIndex &index : before)
        ids << idAt(index.row());
    m_filter.sortBy(column, order == Qt::DescendingOrder);
    m_shown = m_filter.matching(m_typed);
    QModelIndexList after;
    for (int i = 0; i < before.size(); ++i) {
        int row = int(m_shown.size()) - 1;
        while (row >= 0 && idAt(row) != ids.at(i))
            --row;
        after << (row < 0 ? QModelIndex() : index(row, before.at(i).column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

void MasterTypeListModel::refilter()
{
    beginResetModel();
    m_shown = m_filter.matching(m_typed);
    endResetModel();
}

int MasterTypeListModel::idAt(int row) const
{
    return row >= 0 && row < m_shown.size() ? m_filter.rows().at(m_shown.at(row)).Id : -1;
}

int MasterTypeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int MasterTypeListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MasterTypeFilter::Columns;
}

QVariant MasterTypeListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    const MasterTypeRow &row = m_filter.rows().at(m_shown.at(index.row()));
    switch (index.column()) {
    case MasterTypeFilter::Description:
        // A description cut by a narrow column can still be read whole.
        return row.Description;
    case MasterTypeFilter::Display:
        return role == Qt::DisplayRole ? QVariant(displayText(row.Lcd)) : QVariant();
    default:
        return role == Qt::DisplayRole ? QVariant(row.OrderNumber) : QVariant();
    }
}

QVariant MasterTypeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    static const int titles[] = {1001, 1002, 6363};
    return section >= 0 && section < MasterTypeFilter::Columns ? loadTranslatedString(titles[section]) : QString();
}
