#include "StoredLineSelectors.h"

#include "app/SettingsStore.h"

static const QString Section = QStringLiteral("Communication");

StoredLineSelectors StoredLineSelectors::Load()
{
    StoredLineSelectors s;
    s.baudrate = settings_store::readInt(Section, QStringLiteral("Baudrate"), 0);
    s.databits = settings_store::readInt(Section, QStringLiteral("Databits"), 1);
    s.parity = settings_store::readInt(Section, QStringLiteral("Parity"), 2);
    s.port = settings_store::readInt(Section, QStringLiteral("Port"), 0);
    s.stopbits = settings_store::readInt(Section, QStringLiteral("Stopbits"), 0);
    s.device = settings_store::readString(Section, QStringLiteral("Device"), QString());
    return s;
}

void StoredLineSelectors::Store() const
{
    settings_store::writeInt(Section, QStringLiteral("Baudrate"), baudrate);
    settings_store::writeInt(Section, QStringLiteral("Databits"), databits);
    settings_store::writeInt(Section, QStringLiteral("Parity"), parity);
    settings_store::writeInt(Section, QStringLiteral("Port"), port);
    settings_store::writeInt(Section, QStringLiteral("Stopbits"), stopbits);
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
