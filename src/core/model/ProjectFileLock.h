#pragma once
// Whoever changes a project file holds its lock, "<file>.lock" beside it,
// from reading the file to writing it back: the command-line tool for a
// read-modify-write, the desktop program while it saves. Two writers at
// once would otherwise lose one's change.
#include <QLockFile>
#include <QString>

class ProjectFileLock
{
public:
    // How long a writer waits for another one to finish.
    static constexpr int WaitMs = 3000;

    explicit ProjectFileLock(const QString &projectPath);
    ProjectFileLock(const ProjectFileLock &) = delete;
    ProjectFileLock &operator=(const ProjectFileLock &) = delete;

    // Waits up to WaitMs; false with the translated reason, naming the
    // program that holds the lock. A lock whose program is gone is taken over.
    bool acquire(QString *error);

private:
    QString m_projectPath;
    QLockFile m_lock;
};
