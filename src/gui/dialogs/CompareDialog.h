#pragma once
// The table of the fields in which another configuration (a project file or
// the gauge) differs from the open project: the form's label, the stored
// name, the project's value and the other one, as the form shows them. For
// the gauge it offers to take the gauge's values or to write the project.
#include "forms/RecordComparison.h"

#include <QDialog>
#include <QVector>

class QTableWidget;

class CompareDialog : public QDialog
{
    Q_OBJECT
public:
    // What the user chose besides closing (the exec() result).
    enum Choice { Closed = QDialog::Rejected, TakeGaugeValues = 2, WriteProject = 3 };

    // heading: the line above the table; otherHeader: the last column's
    // header. withGaugeActions adds the two buttons of the gauge comparison.
    CompareDialog(const QVector<record_comparison::FieldDifference> &differences, const QString &heading,
                  const QString &otherHeader, bool withGaugeActions, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }

private:
    QTableWidget *m_table = nullptr;
};
