#include "SheetJob.h"

#include "base/SettingsStore.h"

namespace sheet_job {

QString storedTechnician()
{
    return settings_store::readString(QStringLiteral("Settings"), QStringLiteral("Technician"), QString());
}

void storeTechnician(const QString &technician)
{
    settings_store::writeString(QStringLiteral("Settings"), QStringLiteral("Technician"), technician);
}

}
