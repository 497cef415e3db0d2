// skaleron-cli config list|get|set|unset: the desktop program's settings, in
// its own file and with the store's rules for the letter case of names.
#include "CliCommand.h"
#include "JsonText.h"
#include "CommandLine.h"

#include "base/KnownSettings.h"
#include "base/RegularFile.h"
#include "base/SettingsStore.h"
#include "catalogue/CatalogueAddress.h"
#include "link/NetworkAddress.h"

#include <QRegularExpression>
#include <cstdio>

using namespace cli;

namespace {

struct Key
{
    QString section;
    QString entry;
    QString name() const { return section + QLatin1Char('/') + entry; }
};

// "Section/Entry"; a section may hold spaces ("Recent File List/File1").
bool parseKey(const QString &text, Key &key, int &status)
{
    const int slash = text.indexOf(QLatin1Char('/'));
    key = {text.left(slash), text.mid(slash + 1)};
    if (slash <= 0 || key.entry.isEmpty() || key.entry.contains(QLatin1Char('/'))) {
        status = fail(ExitBadUsage, QStringLiteral("\"%1\" is no setting: give SECTION/ENTRY, e.g. Directories/DBase")
                                        .arg(text));
        return false;
    }
    return true;
}

QJsonObject jsonOf(const Key &key, const QString &value)
{
    return {{QStringLiteral("Key"), key.name()}, {QStringLiteral("Value"), value}};
}

const Option jsonOption{"json", nullptr, "Print JSON: {\"Key\", \"Value\"}, a list of them for list."};

const CommandHelp listHelp{"config list", "config list [--json]",
                           "Prints every stored setting of the desktop program as SECTION/ENTRY=VALUE.",
                           {jsonOption}, "config list --json"};
const CommandHelp getHelp{"config get", "config get KEY [--json]",
                          "Prints the value of one setting, KEY being SECTION/ENTRY in any letter case; "
                          "exit 1 when it is not set.",
                          {jsonOption}, "config get Directories/DBase"};
const CommandHelp setHelp{"config set", "config set KEY VALUE",
                          "Stores VALUE, taken as it is, under KEY (SECTION/ENTRY); warns when the program reads no "
                          "such setting or cannot use the value.",
                          {}, "config set Directories/DBase postgresql://%2Frun%2Fpostgresql/workshop"};
const CommandHelp unsetHelp{"config unset", "config unset KEY",
                            "Removes the setting KEY (SECTION/ENTRY); the program then uses its default.", {},
                            "config unset Directories/History"};

// A network port the link cannot take would be stored and fail only at the
// next transfer or probe; every such entry of a list is named.
QString portProblem(const Key &key, const QString &value)
{
    if (key.section.compare(QLatin1String("Communication"), Qt::CaseInsensitive) != 0)
        return QString();
    const bool networkPorts = key.entry.compare(QLatin1String("NetworkPorts"), Qt::CaseInsensitive) == 0;
    QStringList names;
    if (key.entry.compare(QLatin1String("Device"), Qt::CaseInsensitive) == 0)
        names << value;
    else if (networkPorts)
        names = value.split(QLatin1Char(','));
    QStringList problems;
    for (const QString &name : names) {
        const QString entry = name.trimmed();
        const QString problem = networkAddressProblem(entry, networkPorts && !entry.isEmpty());
        if (!problem.isEmpty())
            problems << QStringLiteral("%1 is %2").arg(entry, problem);
    }
    return problems.join(QStringLiteral("; "));
}

// A server address for a database the program could not connect to; the
// files' own problems are told where they are used (missing folders are made).
QString serverProblem(const Key &key, const QString &value)
{
    static const QRegularExpression databases(QStringLiteral("^(DBase|DBaseUser|History)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (key.section.compare(QLatin1String("Directories"), Qt::CaseInsensitive) != 0
        || !databases.match(key.entry).hasMatch() || !catalogue_address::isServer(value.trimmed()))
        return QString();
    catalogue_address::Server server;
    QString reason;
    return catalogue_address::parseServer(value.trimmed(), &server, &reason) ? QString() : reason;
}

int notStored(const Key &key)
{
    // The store says no more than that it failed.
    const bool full = regular_file::diskFullAt(settings_store::location());
    return fail(ExitFailed, QStringLiteral("%1 not changed: the settings file %2 cannot be written%3")
                                .arg(key.name(), settings_store::location(),
                                     full ? QStringLiteral(" (the disk is full)") : QString()));
}

// The arguments of a subcommand that takes `count` plain arguments, the
// first of them a key.
bool parse(CommandLine &args, const QStringList &argList, int count, Key &key, int &status)
{
    if (!args.parse(argList, status))
        return false;
    if (args.positional().size() != count) {
        status = args.usageError(QStringLiteral("%1 arguments given, %2 wanted").arg(args.positional().size()).arg(count));
        return false;
    }
    return count == 0 || parseKey(args.positional().first(), key, status);
}

int configList(const QStringList &argList)
{
    CommandLine args(listHelp);
    Key key;
    int status = ExitOk;
    if (!parse(args, argList, 0, key, status))
        return status;
    QJsonArray list;
    for (const QString &name : settings_store::entries()) {
        parseKey(name, key, status);
        const QString value = settings_store::readString(key.section, key.entry, QString());
        if (args.has(QStringLiteral("--json")))
            list.append(jsonOf(key, value));
        else
            std::printf("%s=%s\n", name.toUtf8().constData(), value.toUtf8().constData());
    }
    if (args.has(QStringLiteral("--json")))
        json_text::print(list);
    return ExitOk;
}

int configGet(const QStringList &argList)
{
    CommandLine args(getHelp);
    Key key;
    int status = ExitOk;
    if (!parse(args, argList, 1, key, status))
        return status;
    if (!settings_store::contains(key.section, key.entry))
        return fail(ExitFailed, QStringLiteral("%1 is not set").arg(key.name()));
    const QString value = settings_store::readString(key.section, key.entry, QString());
    if (args.has(QStringLiteral("--json")))
        json_text::print(jsonOf(key, value));
    else
        std::printf("%s\n", value.toUtf8().constData());
    return ExitOk;
}

int configSet(const QStringList &argList)
{
    CommandLine args(setHelp);
    Key key;
    int status = ExitOk;
    if (!parse(args, argList, 2, key, status))
        return status;
    const QString value = args.positional().at(1);
    if (!settings_store::writeString(key.section, key.entry, value))
        return notStored(key);
    // Stored as given all the same: the file is the user's.
    QString problem = known_settings::problemWith(key.section, key.entry, value);
    if (problem.isEmpty())
        problem = portProblem(key, value);
    if (problem.isEmpty())
        problem = serverProblem(key, value);
    if (!problem.isEmpty())
        std::fprintf(stderr, "skaleron-cli: warning: %s; stored all the same\n", problem.toUtf8().constData());
    return ExitOk;
}

int configUnset(const QStringList &argList)
{
    CommandLine args(unsetHelp);
    Key key;
    int status = ExitOk;
    if (!parse(args, argList, 1, key, status))
        return status;
    if (!settings_store::remove(key.section, key.entry))
        return notStored(key);
    return ExitOk;
}

int config(const QStringList &args)
{
    return runSubcommand("config", args,
                         {{"list", configList}, {"get", configGet}, {"set", configSet}, {"unset", configUnset}});
}

}

SKALERON_CLI_COMMAND(config, "config", usageOf({&listHelp, &getHelp, &setHelp, &unsetHelp}), config)
