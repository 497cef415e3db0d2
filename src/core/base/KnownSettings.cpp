#include "KnownSettings.h"

#include "Language.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace known_settings {

namespace {

enum class Kind { Text, Number, LanguagePack, Catalogue };

struct Setting
{
    const char *section;
    const char *entry; // a regular expression over the whole entry name
    Kind kind;
    int least;
    int most;
    const char *meaning; // of the numbers, when they are a choice
    bool bounded;        // a number outside least..most is taken as the nearer bound
};

constexpr int Any = 0;
constexpr int Unbounded = -1;

const Setting settings[] = {
    {"Communication", "Port", Kind::Number, Any, Unbounded, nullptr, false},
    {"Communication", "Baudrate", Kind::Number, 0, 2, "4800, 9600 or 19200 baud", false},
    {"Communication", "Databits", Kind::Number, 0, 1, "7 or 8 data bits", false},
    {"Communication", "Parity", Kind::Number, 0, 2, "even, odd or no parity", false},
    {"Communication", "Stopbits", Kind::Number, 0, 2, "1, 1.5 or 2 stop bits", false},
    {"Communication", "Device", Kind::Text, Any, Any, nullptr, false},
    {"Communication", "NetworkPorts", Kind::Text, Any, Any, nullptr, false},
    {"Communication", "VerifyAfterWrite", Kind::Number, Any, Unbounded, nullptr, false},
    {"Directories", "DBase", Kind::Catalogue, Any, Any, nullptr, false},
    {"Directories", "DBaseUser", Kind::Text, Any, Any, nullptr, false},
    {"Directories", "History", Kind::Text, Any, Any, nullptr, false},
    {"Directories", "ServerTimeout", Kind::Number, 1, 3600, "seconds", true},
    {"Parameters", "Language", Kind::LanguagePack, Any, Any, nullptr, false},
    {"Settings", "status|left|top|right|bottom|ColumnWidth_0|ServiceItems", Kind::Number, Any, Unbounded, nullptr,
     false},
    {"Settings", "Technician", Kind::Text, Any, Any, nullptr, false},
    {"Recent File List", "File[1-4]", Kind::Text, Any, Any, nullptr, false},
};

const Setting *find(const QString &section, const QString &entry)
{
    for (const Setting &s : settings) {
        const QRegularExpression names(QStringLiteral("^(%1)$").arg(QLatin1String(s.entry)),
                                       QRegularExpression::CaseInsensitiveOption);
        if (section.compare(QLatin1String(s.section), Qt::CaseInsensitive) == 0 && names.match(entry).hasMatch())
            return &s;
    }
    return nullptr;
}

}

QString problemWith(const QString &section, const QString &entry, const QString &value)
{
    const QString key = section + QLatin1Char('/') + entry;
    const Setting *s = find(section, entry);
    if (!s)
        return QStringLiteral("no part of the program reads %1").arg(key);
    if (s->kind == Kind::Text)
        return QString();
    if (s->kind == Kind::Catalogue) {
        // A server address ("postgresql://...") is only tried when used.
        if (value.isEmpty() || value.contains(QLatin1String("://")) || QFileInfo::exists(value))
            return QString();
        return QStringLiteral("the catalogue \"%1\" does not exist; no master type can be chosen until it does")
            .arg(QDir::toNativeSeparators(value));
    }
    if (s->kind == Kind::LanguagePack) {
        if (!Language::instance().packPath(value.trimmed()).isEmpty())
            return QString();
        QStringList packs = QDir(Language::instance().packFolder()).entryList({QStringLiteral("*.qm")}, QDir::Files);
        for (QString &pack : packs)
            pack = QFileInfo(pack).completeBaseName();
        return QStringLiteral("no language pack is named \"%1\" (installed: %2); the program speaks English")
            .arg(value, packs.join(QStringLiteral(", ")));
    }
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (!ok)
        return QStringLiteral("%1 is read as a whole number; with \"%2\" the program keeps its default")
            .arg(key, value);
    if (s->most == Unbounded || (number >= s->least && number <= s->most))
        return QString();
    const QString range = QStringLiteral("%1 takes a whole number from %2 to %3 (%4)")
                              .arg(key)
                              .arg(s->least)
                              .arg(s->most)
                              .arg(QLatin1String(s->meaning));
    if (s->bounded)
        return QStringLiteral("%1; %2 is taken as %3")
            .arg(range)
            .arg(number)
            .arg(number < s->least ? s->least : s->most);
    return QStringLiteral("%1; with %2 the program keeps its default").arg(range).arg(number);
}

}
