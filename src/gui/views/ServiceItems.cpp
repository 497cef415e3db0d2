#include "ServiceItems.h"

#include "base/SettingsStore.h"

#include <QString>

namespace service_items {

bool shown()
{
    return settings_store::readInt(QStringLiteral("Settings"), QStringLiteral("ServiceItems"), 0) != 0;
}

void setShown(bool shown)
{
    settings_store::writeInt(QStringLiteral("Settings"), QStringLiteral("ServiceItems"), shown ? 1 : 0);
}

}
