#include "CatalogueLocation.h"

#include "base/InstallLayout.h"
#include "base/SettingsStore.h"

#include <QDir>
#include <QStandardPaths>

namespace catalogue_location {

QString sampleCatalogueFileName()
{
    return QStringLiteral("skaleron-catalogue.sqlite");
}

QString defaultDatabasePath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\KLR_DataBase_VIZ_97.mdb");
#else
    return install_layout::dataFolder() + sampleCatalogueFileName();
#endif
}

QString readAndStoreDatabasePath(const QString &section, const QString &entry)
{
    const QString path = settings_store::readString(section, entry, defaultDatabasePath());
    settings_store::writeString(section, entry, path);
    return path;
}

QString defaultUserSensorDatabasePath()
{
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/Veltrona/skaleron/user-sensors.sqlite"));
}

QString readAndStoreUserSensorDatabasePath()
{
    const QString section = QStringLiteral("DIRECTORIES");
    const QString entry = QStringLiteral("DBASEUSER");
    QString path = settings_store::readString(section, entry, defaultUserSensorDatabasePath());
    if (path == defaultDatabasePath())
        path = defaultUserSensorDatabasePath();
    settings_store::writeString(section, entry, path);
    return path;
}

}
