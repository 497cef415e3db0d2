#pragma once
// Two configurations compared field by field as the master overview shows
// them: each difference names the stored field and the form's label, with
// both values formatted as the form shows them. Only fields the master type
// uses count (the form shows them and lets them be changed), so a
// tachometer's unused LCD items are no difference. Widget-free: the
// command-line tool and the desktop program's compare tables share it.
#include "model/ConfigRecord.h"

#include <QString>
#include <QVector>

namespace record_comparison {

struct FieldDifference
{
    QString field; // stored name: "KValue", "DisplayMask", ...
    QString label; // the form's label, translated, without its colon
    QString a;
    QString b;
};

// The fields in which b differs from a, in the form's order (the master
// type first). Each record brings its own master type's properties; a field
// counts when the master type of either record uses it. A record whose
// master type is not known (none found in the catalogue) uses every stored
// field. Values are compared as stored; where the form shows two different
// values alike (a threshold of 99.6 and of 100.2 both read "100"), both are
// given in full.
QVector<FieldDifference> compareRecords(const ConfigRecord &a, const ConfigRecord &b);

// The form's label of a stored field for the record's master type (the first
// LCD item's for DisplayMask); the field's name when the form has none.
QString fieldLabel(const ConfigRecord &config, const QString &field);

}
