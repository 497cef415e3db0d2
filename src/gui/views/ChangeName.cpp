#include "ChangeName.h"

#include "base/Language.h"

QString changeName(QString text)
{
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x2026)) || text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

QString changeName(int textId)
{
    return changeName(loadTranslatedString(textId));
}
