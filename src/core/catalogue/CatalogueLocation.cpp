#include "CatalogueLocation.h"

#include "base/SettingsStore.h"

namespace catalogue_location {

QString SampleCatalogueFileName()
{
    return QStringLiteral("skaleron-catalogue.sqlite");
}

QString DefaultDatabasePath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\KLR_DataBase_VIZ_97.mdb");
#else
    return ApplicationFolder() + SampleCatalogueFileName();
#endif
}

QString ReadAndStoreDatabasePath(const QString &section, const QString &entry)
{
    const QString path = settings_store::readString(section, entry, DefaultDatabasePath());
    settings_store::writeString(section, entry, path);
    return path;
}

}
