#include "BlockBackup.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSaveFile>
#include <QStandardPaths>

namespace block_backup {

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
    // Gauges written side by side back up in the same millisecond: choosing
    // the name and making the file is one step, so none replaces another's.
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = QDir(folder).filePath(QStringLiteral("block-%1.bin").arg(stamp));
    for (int n = 2; QFile::exists(path); ++n)
        path = QDir(folder).filePath(QStringLiteral("block-%1-%2.bin").arg(stamp).arg(n));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char *>(block.data()), qint64(block.size())) != qint64(block.size())
        || !file.commit()) {
        if (error)
            *error = file.errorString();
        return QString();
    }
    return path;
}

bool load(const QString &path, Block &block, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.read(gauge_protocol::BlockSize + 1);
    if (bytes.size() != gauge_protocol::BlockSize) {
        if (error)
            *error = QStringLiteral("a block backup holds exactly %1 bytes; this file holds %2")
                         .arg(gauge_protocol::BlockSize)
                         .arg(bytes.size() > gauge_protocol::BlockSize ? QStringLiteral("more")
                                                                       : QString::number(bytes.size()));
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), block.begin());
    return true;
}

}
