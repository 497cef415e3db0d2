#include "BatchReport.h"

#include "base/Language.h"
#include "base/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace batch_report {

namespace {

QString familyText(LinkFamily family)
{
    return family == LinkFamily::Block ? QStringLiteral("block") : QStringLiteral("register");
}

QString secondsText(double seconds) { return QString::number(seconds, 'f', 3); }

// A JSON string literal, escaped by Qt.
QString jsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}

std::optional<Format> formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("json"))
        return Format::Json;
    if (suffix == QLatin1String("csv"))
        return Format::Csv;
    return std::nullopt;
}

QString checkWritable(const QString &path)
{
    if (!formatOf(path))
        return loadTranslatedString(5770).arg(path);
    const QFileInfo info(path);
    if (info.isDir())
        return loadTranslatedString(5771).arg(path, loadTranslatedString(5772));
    QFile file(path);
    const bool existed = info.exists();
    // Append never cuts an existing file; a new one is made and removed again.
    if (!file.open(existed ? QIODevice::WriteOnly | QIODevice::Append : QIODevice::WriteOnly | QIODevice::NewOnly))
        return loadTranslatedString(5771).arg(path, file.errorString());
    file.close();
    if (!existed)
        file.remove();
    return QString();
}

QByteArray json(const QVector<BatchPortResult> &results)
{
    QStringList entries;
    for (const BatchPortResult &r : results) {
        const QString backup = r.outcome.backupFile.isEmpty() ? QStringLiteral("null") : jsonString(r.outcome.backupFile);
        entries << QStringLiteral("{\"Port\":%1,\"Family\":%2,\"Success\":%3,\"Message\":%4,\"Seconds\":%5,\"Backup\":%6}")
                       .arg(jsonString(r.port), jsonString(familyText(r.family)),
                            r.outcome.success ? QStringLiteral("true") : QStringLiteral("false"),
                            jsonString(r.message), secondsText(r.seconds), backup);
    }
    return (QLatin1Char('[') + entries.join(QLatin1Char(',')) + QLatin1String("]\n")).toUtf8();
}

QByteArray csv(const QVector<BatchPortResult> &results)
{
    QString text = QStringLiteral("Port,Family,Success,Message,Seconds,Backup\n");
    for (const BatchPortResult &r : results) {
        text += QStringList{csvField(r.port), familyText(r.family),
                            r.outcome.success ? QStringLiteral("true") : QStringLiteral("false"), csvField(r.message),
                            secondsText(r.seconds), csvField(r.outcome.backupFile)}
                    .join(QLatin1Char(','))
                + QLatin1Char('\n');
    }
    return text.toUtf8();
}

bool write(const QString &path, const QVector<BatchPortResult> &results, QString *error)
{
    const std::optional<Format> format = formatOf(path);
    if (!format) {
        *error = loadTranslatedString(5770).arg(path);
        return false;
    }
    QSaveFile file(path);
    // A report may go into a folder where only the file itself is writable.
    file.setDirectWriteFallback(true);
    const QByteArray bytes = *format == Format::Json ? json(results) : csv(results);
    if (!file.open(QIODevice::WriteOnly) || !regular_file::commitWhole(file, bytes)) {
        *error = file.errorString();
        return false;
    }
    return true;
}

}
