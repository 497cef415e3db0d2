#include "StoredLineSelectors.h"

#include "base/SettingsStore.h"

static const QString Section = QStringLiteral("Communication");

StoredLineSelectors StoredLineSelectors::Load()
{
    return {LineSelectors::Load(), settings_store::readString(Section, QStringLiteral("Device"), QString())};
}

void StoredLineSelectors::Store() const
{
    LineSelectors::Store();
    settings_store::writeString(Section, QStringLiteral("Device"), device);
}

QString StoredLineSelectors::PortName() const
{
    return QStringLiteral("COM%1").arg(port);
}

int PortNumberFromName(const QString &name, int previous)
{
    int i = 3;
    while (i < name.size() && name.at(i) == QLatin1Char(' '))
        ++i;
    int digits = 0;
    qint64 number = 0;
    while (i < name.size() && name.at(i).isDigit() && digits < 9) {
        number = number * 10 + name.at(i).digitValue();
        ++i;
        ++digits;
    }
    return digits == 0 ? previous : int(number);
}
