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

QString databasePath()
{
    return settings_store::readString(QStringLiteral("Directories"), QStringLiteral("DBase"), defaultDatabasePath());
}

QString defaultUserSensorDatabasePath()
{
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/Veltrona/skaleron/user-sensors.sqlite"));
}

QString userSensorDatabasePath()
{
    const QString path = settings_store::readString(QStringLiteral("DIRECTORIES"), QStringLiteral("DBASEUSER"),
                                                    defaultUserSensorDatabasePath());
    return path == defaultDatabasePath() ? defaultUserSensorDatabasePath() : path;
}

}
