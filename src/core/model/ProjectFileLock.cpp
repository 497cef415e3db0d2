#include "ProjectFileLock.h"

#include "base/Language.h"
#include "base/RegularFile.h"

#include <QDir>

ProjectFileLock::ProjectFileLock(const QString &projectPath)
    : m_projectPath(projectPath)
    , m_lock(projectPath + QStringLiteral(".lock"))
{
    // Only a holder that is gone makes a lock stale, never its age: a read
    // from a slow gauge may hold it for a while.
    m_lock.setStaleLockTime(0);
}

bool ProjectFileLock::acquire(QString *error)
{
    if (m_lock.tryLock(WaitMs))
        return true;
    const QString name = QDir::toNativeSeparators(m_projectPath);
    qint64 pid = 0;
    QString host, program;
    if (m_lock.error() == QLockFile::LockFailedError && m_lock.getLockInfo(&pid, &host, &program))
        *error = loadTranslatedString(5013).arg(name).arg(pid).arg(program, host);
    else
        *error = loadTranslatedString(5014).arg(name, QDir::toNativeSeparators(m_lock.fileName()));
    // The lock file says no more than that it failed.
    if (m_lock.error() == QLockFile::PermissionError)
        *error += QLatin1Char(' ') + loadTranslatedString(5022);
    else if (regular_file::diskFullAt(m_projectPath))
        *error += QLatin1Char(' ') + loadTranslatedString(5021);
    return false;
}
