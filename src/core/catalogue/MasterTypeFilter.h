#pragma once
// Narrowing the master type list as the user types: a row stays when its
// order number and description hold every typed word, in any order and
// without regard to case; and the list's order by any of its columns.
// Kept apart from the window so that 100 000 types can be measured.
#include "MasterTypeSelection.h"

#include <QString>
#include <QVector>

class MasterTypeFilter
{
public:
    enum Column { Description, Display, OrderNumber, Columns };

    void setRows(const QVector<MasterTypeRow> &rows);
    const QVector<MasterTypeRow> &rows() const { return m_rows; }

    // Row indexes in the order of the column (descending when asked); a
    // column below 0 is the catalogue's order.
    void sortBy(int column, bool descending);
    // The rows, in the current order, that hold every word of typed.
    QVector<int> matching(const QString &typed) const;

private:
    QVector<MasterTypeRow> m_rows;
    // Case-folded once, so that neither typing nor sorting folds again.
    QVector<QString> m_searchText; // order number and description
    QVector<QString> m_sortKeys[Columns];
    QVector<int> m_order;
};
