#pragma once
// A calibration table as a CSV file: a header naming the four columns with
// their units, then one line per support point in use (resistance, quantity,
// display value, pointer angle). Written with "," between the values and "."
// as the decimal point; read also with ";" between the values and decimal
// commas, as spreadsheets write it in many languages.
#include "model/InputCalibration.h"

#include <QByteArray>
#include <QString>

namespace calibration_table {

// "Resistance [Ohm],Quantity [unit],Display value,Pointer angle [°]"
QString header(const QString &quantityUnit);
QByteArray toCsv(const InputCalibration &calibration);

// Takes the table's rows (2 or 8), its support point count and the
// quantity unit of its header (none without one) into calibration; the sensor goes, as the
// table need not be its curve. On failure calibration is untouched and
// reason says which line and why.
bool fromCsv(const QByteArray &text, InputCalibration &calibration, QString *reason);

// Whole files; the messages name the file.
bool save(const QString &path, const InputCalibration &calibration, QString *error);
bool load(const QString &path, InputCalibration &calibration, QString *error);

}
