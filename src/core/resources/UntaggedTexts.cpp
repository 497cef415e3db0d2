#include "UntaggedTexts.h"

#include "base/Language.h"

#include <QHash>

namespace untagged_texts {

int stringId(const QString &text)
{
    static const QHash<QString, int> ids = {
        {QStringLiteral("Licht Warnung aktivieren"), 5802},
        {QStringLiteral("U/min."), 5803},
        {QStringLiteral("Eingänge"), 5804},
        {QStringLiteral("Buzzer Ausgang aktiv"), 5805},
        {QStringLiteral("Kl. 30 Ref:"), 5806},
        {QStringLiteral("Analog 1 (Fuel):"), 5807},
        {QStringLiteral("Analog 2 (Coolant):"), 5808},
        {QStringLiteral("Analog 3 (Aux):"), 5809},
        {QStringLiteral("Off"), 6420},
        {QStringLiteral("Speedo/Tacho"), 6421},
        {QStringLiteral("Speedo (Freq. 1)"), 6422},
        {QStringLiteral("Tacho (Freq. 1)"), 6423},
        {QStringLiteral("Speedo (Freq. 2)"), 6424},
    };
    return ids.value(text, 0);
}

QString translated(const QString &text)
{
    const int id = stringId(text);
    const QString inLanguage = id ? loadTranslatedString(id) : QString();
    return inLanguage.isEmpty() ? text : inLanguage;
}

}
