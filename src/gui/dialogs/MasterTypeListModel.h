#pragma once
// The master types of the selection window as a list model: the rows the
// typed filter leaves, in the order of the column the user sorted by.
#include "catalogue/MasterTypeFilter.h"

#include <QAbstractTableModel>

class MasterTypeListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(const QVector<MasterTypeRow> &rows);
    void setFilterText(const QString &typed);
    // The master type key of a shown row.
    int idAt(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void refilter();

    MasterTypeFilter m_filter;
    QString m_typed;
    QVector<int> m_shown;
};
