#include "TransferStepText.h"

#include "base/Language.h"

QString describeTransferStep(const QString &transaction)
{
    // The name, then what follows it (a register or an address).
    const QString name = transaction.section(QLatin1Char(' '), 0, 0);
    const QString where = transaction.section(QLatin1Char(' '), 1);
    QString text;
    if (name == QLatin1String("Login"))
        text = loadTranslatedString(5390);
    else if (name == QLatin1String("Ping"))
        text = loadTranslatedString(5391);
    else if (name == QLatin1String("ReadRegister"))
        text = loadTranslatedString(5392);
    else if (name == QLatin1String("WriteRegister"))
        text = loadTranslatedString(5393);
    else if (name == QLatin1String("UploadFromGauge"))
        text = loadTranslatedString(5394);
    else if (name == QLatin1String("StartDownload"))
        text = loadTranslatedString(5395);
    else if (name == QLatin1String("DownloadToGauge"))
        text = loadTranslatedString(5396);
    else if (name == QLatin1String("SaveToNovolMemory"))
        text = loadTranslatedString(5397);
    else if (name == QLatin1String("ServiceLogin"))
        text = loadTranslatedString(5398);
    else if (name == QLatin1String("WriteMemory"))
        text = loadTranslatedString(5399);
    else
        return transaction;
    return text.contains(QLatin1String("%1")) ? text.arg(where) : text;
}
