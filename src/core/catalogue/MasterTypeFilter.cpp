#include "MasterTypeFilter.h"

#include <algorithm>
#include <numeric>

void MasterTypeFilter::setRows(const QVector<MasterTypeRow> &rows)
{
    m_rows = rows;
    m_searchText.clear();
    for (QVector<QString> &keys : m_sortKeys)
        keys.clear();
    m_order.resize(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        const MasterTypeRow &r = rows.at(i);
        m_searchText.append((r.OrderNumber + QLatin1Char(' ') + r.Description).toCaseFolded());
        m_sortKeys[Description].append(r.Description.toCaseFolded());
        m_sortKeys[Display].append(r.Lcd.toCaseFolded());
        m_sortKeys[OrderNumber].append(r.OrderNumber.toCaseFolded());
        m_order[i] = i;
    }
}

void MasterTypeFilter::sortBy(int column, bool descending)
{
    if (column < 0) { // the catalogue's own order
        std::iota(m_order.begin(), m_order.end(), 0);
        return;
    }
    const QVector<QString> &keys = m_sortKeys[column < Columns ? column : Description];
    // Stable, so that equal entries keep the catalogue's order.
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        return descending ? keys.at(b) < keys.at(a) : keys.at(a) < keys.at(b);
    });
}

QVector<int> MasterTypeFilter::matching(const QString &typed) const
{
    const QStringList words = typed.toCaseFolded().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return m_order;
    QVector<int> shown;
    for (int row : m_order) {
        const QString &text = m_searchText.at(row);
        if (std::all_of(words.begin(), words.end(), [&text](const QString &w) { return text.contains(w); }))
            shown.append(row);
    }
    return shown;
}
