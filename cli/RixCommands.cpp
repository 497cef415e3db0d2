// skaleron-cli rix new|show|set: project files without the desktop program.
#include "CliCommand.h"
#include "CommandLine.h"
#include "JsonText.h"
#include "StoredFields.h"

#include "model/ProjectFile.h"
#include "model/ProjectFileLock.h"
#include "model/RecordCheck.h"

#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

// Reads a project file strictly: anything but a readable file of a supported
// version is bad input.
bool readProject(const QString &path, ConfigRecord &record, int &version, int &status)
{
    const project_file::ReadResult result = project_file::readFile(path, record);
    if (result.status != project_file::ReadStatus::Ok) {
        QString reason = project_file::describeFailure(path, result);
        if (result.status == project_file::ReadStatus::UnsupportedVersion)
            reason = QStringLiteral("%1: %2 (version %3)").arg(path, reason).arg(result.version);
        status = cli::fail(cli::ExitBadUsage, reason);
        return false;
    }
    version = result.version;
    return true;
}

int writeProject(const QString &path, const ConfigRecord &record, bool locked = false)
{
    QString error;
    if (!(locked ? project_file::writeLockedFile(path, record, &error) : project_file::writeFile(path, record, &error)))
        return cli::fail(cli::ExitFailed, QStringLiteral("cannot write %1: %2").arg(path, error));
    return cli::ExitOk;
}

const cli::CommandHelp newHelp{"rix new", "rix new FILE", "Creates an empty project; an existing file is left alone.",
                               {}, "rix new boat.rix"};
const cli::CommandHelp showHelp{"rix show", "rix show FILE", "Prints a project's stored values as JSON.", {},
                                "rix show boat.rix"};
const cli::CommandHelp setHelp{"rix set", "rix set FILE NAME=VALUE...",
                               "Changes stored values of a project; a value no gauge could take changes nothing.", {},
                               "rix set boat.rix MasterId=1 KValue=3600"};

// The arguments of a rix command: the file first, then at least `more`
// further ones, at most `most`; false with the status set otherwise.
bool parse(cli::CommandLine &args, const QStringList &argList, int more, int most, int &status)
{
    if (!args.parse(argList, status))
        return false;
    const int given = args.positional().size() - 1;
    if (given >= more && given <= most)
        return true;
    if (given < 0)
        status = args.usageError(QStringLiteral("no project file given"));
    else if (given < more)
        status = args.usageError(QStringLiteral("nothing to set: give NAME=VALUE"));
    else
        status = args.usageError(QStringLiteral("unexpected argument \"%1\"").arg(args.positional().last()));
    return false;
}

int rixNew(const QStringList &argList)
{
    cli::CommandLine args(newHelp);
    int status = cli::ExitOk;
    if (!parse(args, argList, 0, 0, status))
        return status;
    const QString path = args.positional().first();
    if (QFileInfo::exists(path))
        return cli::fail(cli::ExitFailed, QStringLiteral("%1 exists already; it was not overwritten").arg(path));
    return writeProject(path, ConfigRecord());
}

int rixShow(const QStringList &argList)
{
    cli::CommandLine args(showHelp);
    int status = cli::ExitOk;
    if (!parse(args, argList, 0, 0, status))
        return status;
    ConfigRecord record;
    int version = 0;
    if (!readProject(args.positional().first(), record, version, status))
        return status;
    QJsonObject json{{QStringLiteral("Version"), version}};
    cli::addStoredFields(json, record);
    json_text::print(json);
    return cli::ExitOk;
}

int rixSet(const QStringList &argList)
{
    cli::CommandLine args(setHelp);
    int status = cli::ExitOk;
    if (!parse(args, argList, 1, INT_MAX, status))
        return status;
    const QString path = args.positional().first();
    // From the read to the write: another writer meanwhile would lose its
    // change or ours.
    ProjectFileLock lock(path);
    QString lockError;
    const bool locked = lock.acquire(&lockError);
    ConfigRecord record;
    int version = 0;
    if (!readProject(path, record, version, status))
        return status;
    if (!locked)
        return cli::fail(cli::ExitFailed, lockError);
    for (const QString &assignment : args.positional().mid(1)) {
        const int eq = assignment.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? assignment : assignment.left(eq);
        const auto &fields = cli::storedFields();
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&](const cli::StoredField &f) { return name == QLatin1String(f.name); });
        if (field == fields.end())
            return cli::fail(cli::ExitBadUsage, QStringLiteral("unknown field \"%1\"").arg(name));
        if (eq < 0 || !field->set(record, assignment.mid(eq + 1))) {
            QString refusal = QStringLiteral("\"%1\" is not a valid value for %2").arg(assignment.mid(eq + 1), name);
            if (field->takes)
                refusal += QStringLiteral("; it takes %1").arg(QLatin1String(field->takes));
            return cli::fail(cli::ExitBadUsage, refusal);
        }
    }
    // What needs no catalogue: the master type's limits and the gauge's
    // family are checked when the project is written to a gauge.
    const QVector<record_check::Refusal> refusals = record_check::checkRecord(record, std::nullopt);
    if (!refusals.isEmpty())
        return cli::fail(cli::ExitBadUsage, record_check::refusalText(refusals.first()));
    return writeProject(path, record, true);
}

int rix(const QStringList &args)
{
    return cli::runSubcommand("rix", args, {{"new", rixNew}, {"show", rixShow}, {"set", rixSet}});
}

}

SKALERON_CLI_COMMAND(rix, "rix", cli::usageOf({&newHelp, &showHelp, &setHelp}), rix)
