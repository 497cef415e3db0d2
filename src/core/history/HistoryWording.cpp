#include "HistoryWording.h"

#include "base/Language.h"
#include "model/FirmwareText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <array>

namespace history_wording {

namespace {

struct Word
{
    const char *stored;
    int stringId;
};

QString wordOf(const QString &stored, std::initializer_list<Word> words)
{
    for (const Word &w : words) {
        if (stored == QLatin1String(w.stored))
            return loadTranslatedString(w.stringId);
    }
    return stored;
}

// A printed sheet's job fields, stored as a JSON object with fixed keys (the
// command-line tool's readers take them so), as "Customer: …; Technician: …".
QString sheetJob(const QString &stored)
{
    const QJsonDocument json = QJsonDocument::fromJson(stored.toUtf8());
    if (!json.isObject())
        return stored;
    static const Word fields[] = {
        {"customer", 6200}, {"vessel", 6201}, {"serial", 6202}, {"technician", 6203}, {"notes", 6204}};
    const QJsonObject job = json.object();
    QStringList parts;
    bool isJob = false;
    for (const Word &field : fields) {
        isJob = isJob || job.contains(QLatin1String(field.stored));
        const QString value = job.value(QLatin1String(field.stored)).toString().simplified();
        if (!value.isEmpty())
            parts << loadTranslatedString(field.stringId) + QStringLiteral(": ") + value;
    }
    // A job with every field left empty has nothing to say.
    return parts.isEmpty() && !isJob ? stored : parts.join(QStringLiteral("; "));
}

}

QString operation(const QString &stored)
{
    // The desktop program's Compare is stored as "verify", the name of the
    // command-line tool's command that does the same.
    return wordOf(stored, {{"read", 6351}, {"write", 6352}, {"verify", 6353}, {"restore", 6354},
                           {"preset", 6355}, {"sheet", 6356}});
}

QString outcome(const QString &stored)
{
    return wordOf(stored, {{"done", 6357}, {"failed", 6358}, {"cancelled", 6359}, {"refused", 6360}});
}

QString family(const QString &stored)
{
    return wordOf(stored, {{"block", 6361}, {"register", 6362}});
}

QString firmware(const QString &stored)
{
    const QStringList bytes = stored.split(QLatin1Char('.'));
    if (bytes.size() != 2)
        return stored;
    std::array<uint8_t, 2> version{};
    for (int i = 0; i < 2; ++i) {
        bool ok = false;
        const uint value = bytes.at(i).toUInt(&ok);
        if (!ok || value > 255)
            return stored;
        version[size_t(i)] = uint8_t(value);
    }
    return firmwareText(version);
}

QString storedMessage(const QVector<Phrase> &phrases)
{
    QJsonArray array;
    for (const Phrase &p : phrases) {
        if (!p.isEmpty())
            array.append(p.toJson());
    }
    return array.isEmpty() ? QString() : QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

QString message(const QString &stored)
{
    if (stored.startsWith(QLatin1Char('{')))
        return sheetJob(stored);
    // Plain text never starts with a JSON array of phrases; anything that
    // does not read as one whole is plain text.
    if (!stored.startsWith(QLatin1String("[{")))
        return stored;
    const QJsonDocument json = QJsonDocument::fromJson(stored.toUtf8());
    if (!json.isArray())
        return stored;
    QStringList parts;
    for (const QJsonValue &value : json.array()) {
        Phrase phrase;
        if (!value.isObject() || !Phrase::fromJson(value.toObject(), &phrase))
            return stored;
        parts << phrase.text();
    }
    return parts.join(QLatin1Char(' ')).simplified();
}

}
