#include "SettingsStore.h"

#include "UserMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QSettings>

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

static QString matchingName(const QStringList &names, const QString &wanted)
{
    for (const QString &name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return wanted;
}

// Positions the store in the section as it is already spelled in the store
// and returns the entry's stored spelling.
static QString enter(QSettings &store, const QString &section, const QString &entry)
{
    store.beginGroup(matchingName(store.childGroups(), section));
    return matchingName(store.childKeys(), entry);
}

QString readString(const QString &section, const QString &entry, const QString &defaultValue)
{
    auto store = openStore();
    const QString key = enter(*store, section, entry);
    const QVariant v = store->value(key);
    return v.isValid() ? v.toString() : defaultValue;
}

QStringList readStringList(const QString &section, const QString &entry)
{
    auto store = openStore();
    const QString key = enter(*store, section, entry);
    QStringList values;
    for (const QString &value : store->value(key).toStringList()) {
        if (!value.trimmed().isEmpty())
            values << value.trimmed();
    }
    return values;
}

int readInt(const QString &section, const QString &entry, int defaultValue)
{
    auto store = openStore();
    const QString key = enter(*store, section, entry);
    const QVariant v = store->value(key);
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

void writeString(const QString &section, const QString &entry, const QString &value)
{
    auto store = openStore();
    store->setValue(enter(*store, section, entry), value);
}

void writeInt(const QString &section, const QString &entry, int value)
{
    auto store = openStore();
    store->setValue(enter(*store, section, entry), value);
}

bool contains(const QString &section, const QString &entry)
{
    auto store = openStore();
    return store->contains(enter(*store, section, entry));
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
