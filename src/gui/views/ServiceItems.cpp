#include "ServiceItems.h"

#include "base/Language.h"
#include "base/SettingsStore.h"

namespace service_items {

bool shown()
{
    return settings_store::readInt(QStringLiteral("Settings"), QStringLiteral("ServiceItems"), 0) != 0;
}

void setShown(bool shown)
{
    settings_store::writeInt(QStringLiteral("Settings"), QStringLiteral("ServiceItems"), shown ? 1 : 0);
}

QString gaugeInputName(int input)
{
    return loadTranslatedString(5600).arg(input + 1) + loadTranslatedString(5601 + input);
}

}
