#include "SensorGroups.h"

#include "base/Language.h"

namespace sensor_groups {

static const char *const groupTexts[Count] = {"Vorrat Hebelgeber", "Vorrat Tauchrohrgeber", "Temperaturgeber",
                                              "Druckgeber", "Benutzerdefiniert"};

QString groupText(int index)
{
    return index >= 0 && index < Count ? QString::fromLatin1(groupTexts[index]) : QString();
}

QString filter(int index)
{
    if (index < 0 || index >= Count)
        return QString();
    return QStringLiteral("([Gruppe] = '%1')").arg(QLatin1String(groupTexts[index]));
}

QString label(int index)
{
    switch (index) {
    case 0: return loadTranslatedString(1050);
    case 1: return loadTranslatedString(1051);
    case 2: return loadTranslatedString(1052);
    case 3: return loadTranslatedString(1053);
    case 4: return loadTranslatedString(1063);
    default: return QString();
    }
}

int indexOf(const QString &textOrNumber)
{
    const QString t = textOrNumber.trimmed();
    bool isNumber = false;
    const int n = t.toInt(&isNumber);
    if (isNumber)
        return n >= 0 && n < Count ? n : -1;
    for (int i = 0; i < Count; ++i) {
        if (t.compare(groupText(i), Qt::CaseInsensitive) == 0 || t.compare(label(i), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

}
