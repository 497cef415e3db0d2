#include "BlockBackup.h"

#include "base/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSet>
#include <QStandardPaths>

namespace block_backup {

namespace {

const QByteArray Magic = QByteArrayLiteral("skaleron block backup 1");
// A header never needs more; a larger file is no backup.
constexpr int HeaderLimit = 512;

QByteArray checksum(const QByteArray &block)
{
    return QCryptographicHash::hash(block, QCryptographicHash::Sha256).toHex();
}

QByteArray header(const Block &block, const QDateTime &time)
{
    const QByteArray bytes(reinterpret_cast<const char *>(block.data()), int(block.size()));
    return Magic + "\nfamily=block\nfirmware=" + QByteArray::number(block[4]) + '.' + QByteArray::number(block[5])
           + "\ntime=" + time.toUTC().toString(Qt::ISODate).toLatin1() + "\nsha256=" + checksum(bytes) + "\n\n";
}

bool refuse(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

// The header's fields checked against the block that follows it.
bool readHeader(const QByteArray &text, const QByteArray &bytes, Identity &identity, QString *error)
{
    QMap<QByteArray, QByteArray> fields;
    for (const QByteArray &line : text.split('\n').mid(1)) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            fields.insert(line.left(eq), line.mid(eq + 1));
    }
    if (fields.value("sha256") != checksum(bytes))
        return refuse(error, QStringLiteral("the block does not match its checksum: the file is damaged"));
    identity.family = QString::fromLatin1(fields.value("family"));
    if (identity.family != QLatin1String("block"))
        return refuse(error, QStringLiteral("the backup is of the gauge family \"%1\", not of the block family")
                                 .arg(identity.family));
    const QList<QByteArray> firmware = fields.value("firmware").split('.');
    if (firmware.size() != 2 || firmware[0].toInt() != uint8_t(bytes[4]) || firmware[1].toInt() != uint8_t(bytes[5]))
        return refuse(error, QStringLiteral("the firmware the header names is not the block's: the file is damaged"));
    identity.firmware = {uint8_t(bytes[4]), uint8_t(bytes[5])};
    identity.time = QDateTime::fromString(QString::fromLatin1(fields.value("time")), Qt::ISODate).toUTC();
    identity.identified = true;
    return true;
}

}

QString defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Veltrona/skaleron/backups");
}

QString save(const Block &block, const QString &folder, QString *error)
{
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("the folder cannot be created");
        return QString();
    }
    // Gauges written side by side back up in the same millisecond: a name is
    // taken under the lock and held until its file is there, so none replaces
    // another's; the write itself (with its flush to disk) runs side by side.
    static QMutex mutex;
    static QSet<QString> taken;
    const QDateTime now = QDateTime::currentDateTime();
    const QString stamp = now.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = QDir(folder).filePath(QStringLiteral("block-%1.bin").arg(stamp));
    {
        QMutexLocker lock(&mutex);
        for (int n = 2; taken.contains(path) || QFile::exists(path); ++n)
            path = QDir(folder).filePath(QStringLiteral("block-%1-%2.bin").arg(stamp).arg(n));
        taken.insert(path);
    }
    const auto release = qScopeGuard([&path] {
        QMutexLocker lock(&mutex);
        taken.remove(path);
    });
    const QByteArray bytes = header(block, now)
                             + QByteArray(reinterpret_cast<const char *>(block.data()), int(block.size()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !regular_file::commitWhole(file, bytes)) {
        if (error)
            *error = file.errorString();
        return QString();
    }
    return path;
}

bool load(const QString &path, Block &block, QString *error, Identity *identity)
{
    const QString notRegular = regular_file::refusal(path);
    if (!notRegular.isEmpty())
        return refuse(error, notRegular);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(error, file.errorString());
    const QByteArray content = file.read(HeaderLimit + gauge_protocol::BlockSize + 1);
    Identity found;
    QByteArray bytes = content;
    if (content.startsWith(Magic + '\n')) {
        const int end = content.indexOf("\n\n");
        if (end < 0 || end > HeaderLimit)
            return refuse(error, QStringLiteral("the backup's header has no end: the file is damaged"));
        bytes = content.mid(end + 2);
        if (bytes.size() == gauge_protocol::BlockSize && !readHeader(content.left(end), bytes, found, error))
            return false;
    }
    if (bytes.size() != gauge_protocol::BlockSize)
        return refuse(error, QStringLiteral("a block backup holds exactly %1 bytes; this file holds %2")
                                 .arg(gauge_protocol::BlockSize)
                                 .arg(bytes.size() > gauge_protocol::BlockSize ? QStringLiteral("more")
                                                                               : QString::number(bytes.size())));
    std::copy(bytes.begin(), bytes.end(), block.begin());
    if (identity)
        *identity = found;
    return true;
}

}
