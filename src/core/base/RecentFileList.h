#pragma once
// The four most recently used project files, newest first, kept in the
// settings section "Recent File List" as "File1" to "File4".
#include <QStringList>

class RecentFileList
{
public:
    static constexpr int Size = 4;

    // Reads the stored entries; empty and repeated entries are skipped.
    void load();
    // Puts a file at the top (moving it up when it is listed already) and
    // stores the list at once, so a crash loses nothing.
    void add(const QString &path);
    // Drops a file that could not be opened and stores the list.
    void remove(const QString &path);
    const QStringList &entries() const { return m_entries; }

private:
    void store() const;
    QStringList m_entries;
};
