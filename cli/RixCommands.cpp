// skaleron-cli rix new|show|set: project files without the desktop program.
#include "CliCommand.h"
#include "JsonText.h"
#include "StoredFields.h"

#include "model/ProjectFile.h"
#include "model/ProjectFileLock.h"
#include "model/RecordCheck.h"

#include <QFileInfo>
#include <algorithm>
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

int rixNew(const QStringList &args)
{
    if (args.size() != 1)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("usage: rix new FILE"));
    if (QFileInfo::exists(args.first()))
        return cli::fail(cli::ExitFailed, QStringLiteral("%1 exists already; it was not overwritten").arg(args.first()));
    return writeProject(args.first(), ConfigRecord());
}

int rixShow(const QStringList &args)
{
    if (args.size() != 1)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("usage: rix show FILE"));
    ConfigRecord record;
    int version = 0;
    int status = cli::ExitOk;
    if (!readProject(args.first(), record, version, status))
        return status;
    json_text::Object json;
    json.add(QStringLiteral("version"), QString::number(version));
    cli::addStoredFields(json, record);
    std::printf("%s\n", json.text().toUtf8().constData());
    return cli::ExitOk;
}

int rixSet(const QStringList &args)
{
    if (args.size() < 2)
        return cli::fail(cli::ExitBadUsage, QStringLiteral("usage: rix set FILE NAME=VALUE..."));
    // From the read to the write: another writer meanwhile would lose its
    // change or ours.
    ProjectFileLock lock(args.first());
    QString lockError;
    const bool locked = lock.acquire(&lockError);
    ConfigRecord record;
    int version = 0;
    int status = cli::ExitOk;
    if (!readProject(args.first(), record, version, status))
        return status;
    if (!locked)
        return cli::fail(cli::ExitFailed, lockError);
    for (const QString &assignment : args.mid(1)) {
        const int eq = assignment.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? assignment : assignment.left(eq);
        const auto &fields = cli::storedFields();
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&](const cli::StoredField &f) { return name == QLatin1String(f.name); });
        if (field == fields.end())
            return cli::fail(cli::ExitBadUsage, QStringLiteral("unknown field \"%1\"").arg(name));
        if (eq < 0 || !field->set(record, assignment.mid(eq + 1)))
            return cli::fail(cli::ExitBadUsage,
                             QStringLiteral("\"%1\" is not a valid value for %2").arg(assignment.mid(eq + 1), name));
    }
    // What needs no catalogue: the master type's limits and the gauge's
    // family are checked when the project is written to a gauge.
    const QVector<record_check::Refusal> refusals = record_check::checkRecord(record, std::nullopt);
    if (!refusals.isEmpty())
        return cli::fail(cli::ExitBadUsage, record_check::refusalText(refusals.first()));
    return writeProject(args.first(), record, true);
}

int rix(const QStringList &args)
{
    return cli::runSubcommand(args, {{"new", rixNew}, {"show", rixShow}, {"set", rixSet}},
                              QStringLiteral("usage: rix new|show|set FILE ..."));
}

}

SKALERON_CLI_COMMAND(rix, "rix", "rix new FILE\nrix show FILE\nrix set FILE NAME=VALUE...", rix)
