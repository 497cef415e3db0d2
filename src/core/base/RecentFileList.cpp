#include "RecentFileList.h"

#include "SettingsStore.h"

#include <QFileInfo>

static const QString Section = QStringLiteral("Recent File List");

static QString entryName(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

// Two names of the same file count as one entry.
static bool sameFile(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

static int indexOf(const QStringList &list, const QString &path)
{
    for (int i = 0; i < list.size(); ++i) {
        if (sameFile(list.at(i), path))
            return i;
    }
    return -1;
}

void RecentFileList::load()
{
    m_entries.clear();
    for (int i = 0; i < Size; ++i) {
        const QString path = settings_store::readString(Section, entryName(i), QString());
        if (!path.isEmpty() && indexOf(m_entries, path) < 0)
            m_entries << path;
    }
}

void RecentFileList::add(const QString &path)
{
    // Taken first: path may be one of the entries that are moved below.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const int existing = indexOf(m_entries, absolute);
    if (existing >= 0)
        m_entries.removeAt(existing);
    m_entries.prepend(absolute);
    while (m_entries.size() > Size)
        m_entries.removeLast();
    store();
}

void RecentFileList::remove(const QString &path)
{
    const int existing = indexOf(m_entries, path);
    if (existing < 0)
        return;
    m_entries.removeAt(existing);
    store();
}

void RecentFileList::store() const
{
    for (int i = 0; i < Size; ++i)
        settings_store::writeString(Section, entryName(i), i < m_entries.size() ? m_entries.at(i) : QString());
}
