#pragma once
// The report of a batch of gauges, one entry per port: port, family, result,
// message, duration and the backup file of the block it replaced. JSON (a
// list of {"Port", "Family", "Success", "Message", "Seconds", "Backup"}) or
// CSV with the same columns, chosen by the file's extension.
#include "GaugeBatch.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace batch_report {

enum class Format { Json, Csv };

// ".json" or ".csv", in any letter case; none for any other name.
std::optional<Format> formatOf(const QString &path);

// Why no report can be written at path (empty: it can). Checked before
// anything is sent to a gauge; leaves no file behind that was not there.
QString checkWritable(const QString &path);

QByteArray json(const QVector<BatchPortResult> &results);
QByteArray csv(const QVector<BatchPortResult> &results);

// Writes the report in the format of its extension, atomically.
bool write(const QString &path, const QVector<BatchPortResult> &results, QString *error);

}
