#include "TransferStepText.h"

#include "base/Language.h"

QString DescribeTransferStep(const QString &transaction)
{
    // The name, then what follows it (a register or an address).
    const QString name = transaction.section(QLatin1Char(' '), 0, 0);
    const QString where = transaction.section(QLatin1Char(' '), 1);
    QString text;
    if (name == QLatin1String("Login"))
        text = LoadTranslatedString(5390);
    else if (name == QLatin1String("Ping"))
        text = LoadTranslatedString(5391);
    else if (name == QLatin1String("ReadRegister"))
        text = LoadTranslatedString(5392);
    else if (name == QLatin1String("WriteRegister"))
        text = LoadTranslatedString(5393);
    else if (name == QLatin1String("UploadFromGauge"))
        text = LoadTranslatedString(5394);
    else if (name == QLatin1String("StartDownload"))
        text = LoadTranslatedString(5395);
    else if (name == QLatin1String("DownloadToGauge"))
        text = LoadTranslatedString(5396);
    else if (name == QLatin1String("SaveToNovolMemory"))
        text = LoadTranslatedString(5397);
    else if (name == QLatin1String("ServiceLogin"))
        text = LoadTranslatedString(5398);
    else if (name == QLatin1String("WriteMemory"))
        text = LoadTranslatedString(5399);
    else
        return transaction;
    return text.contains(QLatin1String("%1")) ? text.arg(where) : text;
}
