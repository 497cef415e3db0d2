#include "SettingsStore.h"

#include "Language.h"
#include "UserMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QSettings>
#include <QUrl>

#include <algorithm>

namespace settings_store {

static QMutex g_mutex;
static QString g_applicationName;

QString applicationName()
{
    QMutexLocker lock(&g_mutex);
    if (!g_applicationName.isEmpty())
        return g_applicationName;
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void setApplicationName(const QString &name)
{
    QMutexLocker lock(&g_mutex);
    g_applicationName = name;
}

static std::unique_ptr<QSettings> openStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Veltrona"), applicationName());
}

// The position of each entry's last line in the settings file, keyed by
// "section/entry" as spelled there. Among spellings of one name the later
// one wins, as a block appended to the file is meant to. The registry ignores
// letter case itself: there the map is empty and one spelling exists.
static QHash<QString, int> fileOrder(const QString &fileName)
{
    QHash<QString, int> order;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return order;
    const auto unescaped = [](const QByteArray &raw) {
        return QUrl::fromPercentEncoding(raw.trimmed().replace('\\', '/'));
    };
    QString section;
    int position = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            section = unescaped(line.mid(1, line.size() - 2));
        } else if (const int equals = line.indexOf('='); equals > 0 && !line.startsWith(';')) {
            order.insert(section + QLatin1Char('/') + unescaped(line.left(equals)), ++position);
        }
    }
    return order;
}

static QStringList spellingsOf(QSettings &store, const QString &section)
{
    QStringList found;
    for (const QString &group : store.childGroups()) {
        if (group.compare(section, Qt::CaseInsensitive) == 0)
            found << group;
    }
    return found;
}

// Every stored spelling of the entry, as "section/entry", the one that wins
// last.
static QStringList keysOf(QSettings &store, const QString &section, const QString &entry)
{
    QStringList keys;
    for (const QString &group : spellingsOf(store, section)) {
        store.beginGroup(group);
        for (const QString &key : store.childKeys()) {
            if (entry.isEmpty() || key.compare(entry, Qt::CaseInsensitive) == 0)
                keys << group + QLatin1Char('/') + key;
        }
        store.endGroup();
    }
    if (keys.size() < 2)
        return keys;
    const QHash<QString, int> order = fileOrder(store.fileName());
    std::stable_sort(keys.begin(), keys.end(),
                     [&order](const QString &a, const QString &b) { return order.value(a) < order.value(b); });
    return keys;
}

static QVariant storedValue(const QString &section, const QString &entry)
{
    auto store = openStore();
    const QStringList keys = keysOf(*store, section, entry);
    return keys.isEmpty() ? QVariant() : store->value(keys.last());
}

QString readString(const QString &section, const QString &entry, const QString &defaultValue)
{
    const QVariant v = storedValue(section, entry);
    return v.isValid() ? v.toString() : defaultValue;
}

QStringList readStringList(const QString &section, const QString &entry)
{
    // The settings file reads "a, b" as a list but "\"a, b\"" (as a value with
    // commas is written back) as one text: both are the same list here.
    QStringList values;
    for (const QString &stored : storedValue(section, entry).toStringList()) {
        for (const QString &value : stored.split(QLatin1Char(','))) {
            if (!value.trimmed().isEmpty())
                values << value.trimmed();
        }
    }
    return values;
}

int readInt(const QString &section, const QString &entry, int defaultValue)
{
    const QVariant v = storedValue(section, entry);
    if (!v.isValid())
        return defaultValue;
    bool ok = false;
    const int value = v.toString().trimmed().toInt(&ok);
    if (ok)
        return value;

    static QSet<QString> reported;
    const QString name = section + QLatin1Char('/') + entry;
    bool first = false;
    {
        QMutexLocker lock(&g_mutex);
        if (!reported.contains(name.toLower())) {
            reported.insert(name.toLower());
            first = true;
        }
    }
    if (first) {
        user_messages::show(QStringLiteral("The setting \"%1\" holds \"%2\", which is not a whole number. "
                                           "The default value %3 is used.")
                                .arg(name, v.toString())
                                .arg(defaultValue),
                            user_messages::Icon::Exclamation);
    }
    return defaultValue;
}

// QSettings writes the whole file back sorted by name, which would change
// which spelling wins: before a write, every section stored under several
// spellings, or with an entry under several, becomes one section holding the
// values read, under the caller's spelling when it is among them.
static void mergeSpellings(QSettings &store, const QString &preferred)
{
    QMap<QString, QStringList> sections; // lower-case name -> spellings
    for (const QString &group : store.childGroups())
        sections[group.toLower()] << group;
    for (const QStringList &groups : std::as_const(sections)) {
        const QStringList all = keysOf(store, groups.first(), QString());
        QMap<QString, QPair<QString, QVariant>> merged; // lower-case entry -> spelling, value
        for (const QString &key : all) {
            const QString name = key.section(QLatin1Char('/'), 1);
            merged.insert(name.toLower(), {name, store.value(key)});
        }
        if (groups.size() < 2 && merged.size() == all.size())
            continue;
        const QString target = groups.contains(preferred) ? preferred : groups.first();
        for (const QString &group : groups)
            store.remove(group);
        for (const auto &e : std::as_const(merged))
            store.setValue(target + QLatin1Char('/') + e.first, e.second);
    }
}

// A setting the file does not take would be gone at the next start (and
// what reads it with it): the desktop program says so.
static bool g_tellFailures = false;
static bool g_told = false; // since the store last took a write
static int g_toldByCaller = 0;
static int g_callersFailures = 0;

void setTellFailures(bool on)
{
    g_tellFailures = on;
    g_told = false;
}

FailuresToldByCaller::FailuresToldByCaller()
    : m_failuresBefore(g_callersFailures)
{
    ++g_toldByCaller;
}

FailuresToldByCaller::~FailuresToldByCaller()
{
    --g_toldByCaller;
}

int FailuresToldByCaller::failures() const
{
    return g_callersFailures - m_failuresBefore;
}

void tellNotStored()
{
    g_told = true;
    user_messages::show(loadTranslatedString(5020).arg(location()), user_messages::Icon::Exclamation);
}

// Written out now: a file that cannot be written is told at once, not found
// out at the next start.
static bool stored(QSettings &store)
{
    store.sync();
    return store.status() == QSettings::NoError;
}

// After the store is closed: the observer may ask the user, and the
// settings may be read meanwhile.
static bool observed(bool ok)
{
    if (ok)
        g_told = false;
    else if (g_toldByCaller > 0)
        ++g_callersFailures;
    else if (g_tellFailures && !g_told)
        tellNotStored();
    return ok;
}

// Stores under the spellings already stored, so that the program never
// adds a second spelling of a section or an entry.
static bool write(const QString &section, const QString &entry, const QVariant &value)
{
    auto store = openStore();
    mergeSpellings(*store, section);
    const QStringList groups = spellingsOf(*store, section);
    const QStringList keys = keysOf(*store, section, entry);
    store->setValue(keys.isEmpty() ? groups.value(0, section) + QLatin1Char('/') + entry : keys.first(), value);
    return stored(*store);
}

bool writeString(const QString &section, const QString &entry, const QString &value)
{
    return observed(write(section, entry, value));
}

bool writeInt(const QString &section, const QString &entry, int value)
{
    return observed(write(section, entry, value));
}

bool contains(const QString &section, const QString &entry)
{
    auto store = openStore();
    return !keysOf(*store, section, entry).isEmpty();
}

static bool removeEntry(const QString &section, const QString &entry)
{
    auto store = openStore();
    const QStringList keys = keysOf(*store, section, entry);
    if (keys.isEmpty())
        return true;
    // Every spelling goes, or an older one would be read again.
    mergeSpellings(*store, section);
    for (const QString &key : keysOf(*store, section, entry))
        store->remove(key);
    return stored(*store);
}

bool remove(const QString &section, const QString &entry)
{
    return observed(removeEntry(section, entry));
}

QStringList entries()
{
    auto store = openStore();
    QStringList names;
    QSet<QString> seen;
    for (const QString &section : store->childGroups()) {
        store->beginGroup(section);
        for (const QString &entry : store->childKeys()) {
            const QString name = section + QLatin1Char('/') + entry;
            if (!seen.contains(name.toLower())) {
                seen.insert(name.toLower());
                names << name;
            }
        }
        store->endGroup();
    }
    return names;
}

QString location()
{
    return openStore()->fileName();
}

}

QString applicationFolder()
{
    static const QString folder = QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/');
    return folder;
}

bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}
