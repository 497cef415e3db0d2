#include "ProjectFile.h"

#include "ProjectFileLock.h"

#include "base/Language.h"
#include "base/RegularFile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace project_file {

// A file never needs more than this to be judged; larger files are not read whole.
constexpr qint64 ReadLimit = 4096;
// A first value beyond this is no version number any writer of projects used.
constexpr int HighestPlausibleVersion = 999;

int fileSize(int version)
{
    if (!isSupportedVersion(version))
        return 0;
    return 64 + 4 * (version - OldestVersion);
}

bool isSupportedVersion(int version)
{
    return version >= OldestVersion && version <= CurrentVersion;
}

static void prepare(QDataStream &archive)
{
    archive.setByteOrder(QDataStream::LittleEndian);
    archive.setFloatingPointPrecision(QDataStream::DoublePrecision);
}

void store(QDataStream &archive, const ConfigRecord &record)
{
    prepare(archive);
    archive << qint32(record.DataSource) << record.KValue << record.WarnThreshold << qint32(record.WarnMode)
            << qint32(record.DataSource2) << record.MValue << quint32(record.DisplayMask) << record.Illumination
            << qint32(record.DistanceUnit) << qint32(record.TemperatureUnit) << qint32(record.TimeFormat)
            << qint32(record.DepthUnit) << qint32(record.MasterId) << qint32(record.BuzzerActive);
}

int load(QDataStream &archive, int version, ConfigRecord &record)
{
    if (!isSupportedVersion(version))
        return 0;
    prepare(archive);
    qint32 dataSource, warnMode, dataSource2, distanceUnit, temperatureUnit, timeFormat;
    quint32 displayMask;
    double kValue, warnThreshold, mValue, illumination;
    archive >> dataSource >> kValue >> warnThreshold >> warnMode >> dataSource2 >> mValue >> displayMask
        >> illumination >> distanceUnit >> temperatureUnit >> timeFormat;
    qint32 depthUnit = record.DepthUnit, masterId = record.MasterId, buzzerActive = record.BuzzerActive;
    if (version >= 101)
        archive >> depthUnit;
    if (version >= 102)
        archive >> masterId;
    if (version >= 103)
        archive >> buzzerActive;
    if (archive.status() != QDataStream::Ok)
        return 0;

    record.DataSource = dataSource;
    record.KValue = kValue;
    record.WarnThreshold = warnThreshold;
    record.WarnMode = warnMode;
    record.DataSource2 = dataSource2;
    record.MValue = mValue;
    record.DisplayMask = displayMask;
    record.Illumination = illumination;
    record.DistanceUnit = distanceUnit;
    record.TemperatureUnit = temperatureUnit;
    record.TimeFormat = timeFormat;
    record.DepthUnit = depthUnit;
    record.MasterId = masterId;
    record.BuzzerActive = buzzerActive;
    return 1;
}

QByteArray serialize(const ConfigRecord &record)
{
    QByteArray bytes;
    QDataStream archive(&bytes, QIODevice::WriteOnly);
    prepare(archive);
    archive << qint32(CurrentVersion);
    store(archive, record);
    return bytes;
}

bool holdsProject(const QString &path)
{
    ConfigRecord record;
    return readFile(path, record).status == ReadStatus::Ok;
}

ReadResult readFile(const QString &path, ConfigRecord &record)
{
    ReadResult result;
    result.error = regular_file::refusal(path);
    if (!result.error.isEmpty()) {
        result.status = ReadStatus::NotRegularFile;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.read(ReadLimit);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.size = file.size() > 0 ? file.size() : bytes.size();
    if (bytes.size() < 4) {
        result.status = ReadStatus::Truncated;
        return result;
    }
    QDataStream archive(bytes);
    prepare(archive);
    qint32 version = 0;
    archive >> version;
    result.version = version;
    if (!isSupportedVersion(version)) {
        result.status = version > 0 && version <= HighestPlausibleVersion ? ReadStatus::UnsupportedVersion
                                                                          : ReadStatus::NotProjectFile;
        return result;
    }
    if (result.size < fileSize(version)) {
        result.status = ReadStatus::Truncated;
        return result;
    }
    if (result.size > fileSize(version)) {
        result.status = ReadStatus::Oversized;
        return result;
    }
    ConfigRecord loaded = record;
    if (!load(archive, version, loaded)) {
        result.status = ReadStatus::Truncated;
        return result;
    }
    record = loaded;
    result.status = ReadStatus::Ok;
    return result;
}

QString describeFailure(const QString &path, const ReadResult &result)
{
    const QString name = QDir::toNativeSeparators(path);
    switch (result.status) {
    case ReadStatus::Ok:
        return QString();
    case ReadStatus::CannotOpen:
        return loadTranslatedString(5000).arg(name, result.error);
    case ReadStatus::NotRegularFile:
        return result.error;
    case ReadStatus::Truncated:
        if (result.version == 0)
            return loadTranslatedString(5006).arg(name).arg(result.size);
        return loadTranslatedString(5001).arg(name).arg(result.size).arg(result.version);
    case ReadStatus::Oversized:
        return loadTranslatedString(5005).arg(name).arg(result.size).arg(result.version).arg(fileSize(result.version));
    case ReadStatus::UnsupportedVersion:
        return loadTranslatedString(1024);
    case ReadStatus::NotProjectFile:
        return loadTranslatedString(5062).arg(name);
    }
    return QString();
}

// A save cut short by a killed program leaves its temporary file
// "<name>.XXXXXX" beside the project. Called under the project's lock, so
// that no save of ours is still writing one.
static void removeLeftovers(const QString &path)
{
    const QFileInfo project(path);
    const QString prefix = project.fileName() + QLatin1Char('.');
    QDir folder = project.absoluteDir();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            continue;
        const QStringView tail = QStringView(name).mid(prefix.size());
        if (std::all_of(tail.begin(), tail.end(), [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; }))
            folder.remove(name);
    }
}

QString failureMessage(const QString &name, const ReadResult &result)
{
    if (result.status != ReadStatus::UnsupportedVersion)
        return describeFailure(name, result);
    return loadTranslatedString(5061)
        .arg(loadTranslatedString(1024), name)
        .arg(result.version)
        .arg(OldestVersion)
        .arg(CurrentVersion);
}

bool writeFile(const QString &path, const ConfigRecord &record, QString *error)
{
    ProjectFileLock lock(path);
    return lock.acquire(error) && writeLockedFile(path, record, error);
}

bool writeLockedFile(const QString &path, const ConfigRecord &record, QString *error)
{
    removeLeftovers(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!regular_file::commitWhole(file, serialize(record))) {
        *error = file.errorString();
        return false;
    }
    return true;
}

}
