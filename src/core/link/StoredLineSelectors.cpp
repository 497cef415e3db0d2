#include "StoredLineSelectors.h"

#include "base/SettingsStore.h"

static const QString Section = QStringLiteral("Communication");

StoredLineSelectors StoredLineSelectors::load()
{
    return {LineSelectors::load(), settings_store::readString(Section, QStringLiteral("Device"), QString())};
}

bool StoredLineSelectors::store() const
{
    return LineSelectors::store() && settings_store::writeString(Section, QStringLiteral("Device"), device);
}

QString StoredLineSelectors::portName() const
{
    return QStringLiteral("COM%1").arg(port);
}

int portNumberFromName(const QString &name, int previous)
{
    // Only a COM name carries a port number ("rfc2217://host:2217" does not).
    if (!name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
        return previous;
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
