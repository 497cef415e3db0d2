#include "CalibrationTable.h"

#include "base/Language.h"
#include "base/RegularFile.h"
#include "model/TypedNumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <QVector>
#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace calibration_table {

namespace {

constexpr int Columns = 4;
// Far more than any table of eight rows: a larger file is not one.
constexpr qint64 MaximumFileSize = 64 * 1024;

QString quoted(const QString &cell)
{
    if (!cell.contains(QLatin1Char(',')) && !cell.contains(QLatin1Char(';')) && !cell.contains(QLatin1Char('"')))
        return cell;
    QString text = cell;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Splits a line at the separator outside double quotes; quotes are removed.
QStringList splitLine(const QString &line, QChar separator)
{
    QStringList cells;
    QString cell;
    bool inQuotes = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('"')) {
            if (inQuotes && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                cell += c;
                ++i;
            } else {
                inQuotes = !inQuotes;
            }
        } else if (c == separator && !inQuotes) {
            cells << cell.trimmed();
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells << cell.trimmed();
    // A separator at the end of a line adds no value.
    while (cells.size() > 1 && cells.last().isEmpty())
        cells.removeLast();
    return cells;
}

// The text between "[" and "]", or nothing.
QString unitOf(const QString &heading)
{
    const int open = heading.indexOf(QLatin1Char('['));
    const int close = heading.lastIndexOf(QLatin1Char(']'));
    return open >= 0 && close > open ? heading.mid(open + 1, close - open - 1).trimmed() : QString();
}

// Where each column of ours stands in a header that names all four (its
// own order); in our order otherwise, as a file without our names is read.
std::array<int, Columns> columnsOf(const QStringList &headings)
{
    static const char *const names[Columns] = {"Resistance", "Quantity", "Display value", "Pointer angle"};
    std::array<int, Columns> at{};
    for (int column = 0; column < Columns; ++column) {
        at[size_t(column)] = -1;
        for (int i = 0; i < headings.size(); ++i) {
            if (headings[i].startsWith(QLatin1String(names[column]), Qt::CaseInsensitive))
                at[size_t(column)] = i;
        }
    }
    const bool named = std::none_of(at.begin(), at.end(), [](int i) { return i < 0; })
                       && std::set<int>(at.begin(), at.end()).size() == Columns;
    return named ? at : std::array<int, Columns>{0, 1, 2, 3};
}

QString number(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

}

QString header(const QString &quantityUnit)
{
    const QString quantity = quantityUnit.isEmpty() ? QStringLiteral("Quantity")
                                                    : QStringLiteral("Quantity [%1]").arg(quantityUnit);
    return QStringList{QStringLiteral("Resistance [Ohm]"), quoted(quantity), QStringLiteral("Display value"),
                       QStringLiteral("Pointer angle [°]")}
        .join(QLatin1Char(','));
}

QByteArray toCsv(const InputCalibration &c)
{
    QString text = header(c.quantityUnit) + QLatin1Char('\n');
    const int rows = qBound(0, c.supportPointCount, InputCalibration::Rows);
    for (int i = 0; i < rows; ++i) {
        text += QStringList{number(c.resistance[size_t(i)]), number(c.quantity[size_t(i)]),
                            number(c.displayValue[size_t(i)]), number(c.pointerAngle[size_t(i)])}
                    .join(QLatin1Char(','))
            + QLatin1Char('\n');
    }
    return text.toUtf8();
}

bool fromCsv(const QByteArray &bytes, InputCalibration &calibration, QString *reason)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QChar separator = QLatin1Char(',');
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty()) {
            if (line.contains(QLatin1Char(';')))
                separator = QLatin1Char(';');
            break;
        }
    }

    // A table without a header names no unit: the input's (a sensor's,
    // another table's) is not this table's.
    QString unit;
    QVector<std::array<double, Columns>> rows;
    std::array<int, Columns> at{0, 1, 2, 3};
    bool first = true;
    for (int n = 0; n < lines.size(); ++n) {
        if (lines[n].trimmed().isEmpty())
            continue;
        const QStringList cells = splitLine(lines[n], separator);
        // A first line that does not start with a number names the columns.
        if (first && parseTypedNumber(cells.first()).status != TypedNumber::Ok) {
            first = false;
            // A table with its columns in another order is read by their names.
            at = columnsOf(cells);
            unit = unitOf(cells.value(at[1]));
            continue;
        }
        first = false;
        if (cells.size() != Columns) {
            *reason = loadTranslatedString(5641).arg(n + 1).arg(cells.size());
            return false;
        }
        std::array<double, Columns> row{};
        for (int column = 0; column < Columns; ++column) {
            const int cell = at[size_t(column)];
            const TypedNumber value = parseTypedNumber(cells[cell]);
            if (value.status != TypedNumber::Ok || !std::isfinite(value.value)) {
                *reason = loadTranslatedString(5642).arg(n + 1).arg(cell + 1).arg(cells[cell]);
                return false;
            }
            row[size_t(column)] = value.value;
        }
        rows.append(row);
    }
    if (rows.size() != InputCalibration::FewPoints && rows.size() != InputCalibration::AllPoints) {
        *reason = loadTranslatedString(5643).arg(rows.size());
        return false;
    }

    InputCalibration loaded = calibration;
    loaded.resistance = loaded.quantity = loaded.displayValue = loaded.pointerAngle = {};
    for (int i = 0; i < rows.size(); ++i) {
        loaded.resistance[size_t(i)] = rows[i][0];
        loaded.quantity[size_t(i)] = rows[i][1];
        loaded.displayValue[size_t(i)] = rows[i][2];
        loaded.pointerAngle[size_t(i)] = rows[i][3];
    }
    loaded.supportPointCount = int(rows.size());
    loaded.quantityUnit = unit;
    loaded.sensor.reset();
    calibration = loaded;
    return true;
}

bool save(const QString &path, const InputCalibration &calibration, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !regular_file::commitWhole(file, toCsv(calibration))) {
        *error = loadTranslatedString(5644).arg(QFileInfo(path).fileName(), file.errorString());
        return false;
    }
    return true;
}

bool load(const QString &path, InputCalibration &calibration, QString *error)
{
    QFile file(path);
    // A named pipe would hold the window until something writes to it.
    QString reason = regular_file::refusal(path);
    if (reason.isEmpty()) {
        if (!file.open(QIODevice::ReadOnly))
            reason = file.errorString();
        else if (file.size() > MaximumFileSize)
            reason = loadTranslatedString(5645);
        else if (fromCsv(file.readAll(), calibration, &reason))
            return true;
    }
    *error = loadTranslatedString(5640).arg(QFileInfo(path).fileName(), reason);
    return false;
}

}
