#include "PortLock.h"

#include "base/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace port_lock {

namespace {

// Where the serial port layer puts the lock: the first writable of these
// folders, named after the device's path below /dev, '/' made '_'.
QString lockFilePath(const QString &device)
{
    QString name = device;
    if (name.startsWith(QLatin1String("/dev/")))
        name = name.mid(5);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const QString &folder : {QStringLiteral("/var/lock"), QStringLiteral("/etc/locks"),
                                  QStringLiteral("/var/spool/locks"), QStringLiteral("/var/spool/uucp"),
                                  QDir::tempPath()}) {
        const QFileInfo info(folder);
        if (info.isDir() && info.isWritable())
            return folder + QStringLiteral("/LCK..") + name;
    }
    return QString();
}

struct Holder
{
    qint64 pid = 0;
    QString program;
};

bool readHolder(const QString &path, Holder &holder)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    QLockFile lock(path);
    QString host;
    return lock.getLockInfo(&holder.pid, &host, &holder.program) && holder.pid > 0;
}

// A killed program its parent has not waited for yet is gone as well,
// though its process number still answers.
bool isZombie(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readLine();
    const int end = line.lastIndexOf(')'); // after the program's name, which may hold anything
    return end > 0 && line.mid(end + 1).trimmed().startsWith('Z');
}

bool isRunning(qint64 pid)
{
#ifdef Q_OS_UNIX
    return (::kill(pid_t(pid), 0) == 0 || errno != ESRCH) && !isZombie(pid);
#else
    // Only Unix-like systems keep lock files for serial ports.
    Q_UNUSED(pid);
    return true;
#endif
}

}

bool removeStale(const QString &device)
{
    const QString path = lockFilePath(device);
    Holder h;
    if (!readHolder(path, h) || isRunning(h.pid))
        return false;
    return QFile::remove(path);
}

QString holder(const QString &device)
{
    Holder h;
    if (!readHolder(lockFilePath(device), h) || !isRunning(h.pid))
        return QString();
    return loadTranslatedString(5111).arg(h.pid).arg(h.program);
}

}
