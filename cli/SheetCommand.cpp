// skaleron-cli sheet: a project's configuration sheet as a PDF file, the same
// sheet the desktop program prints, for a production line that hands one out
// with every gauge it writes. Each sheet is a service history entry.
#include "CliCommand.h"
#include "CommandLine.h"
#include "MasterTypeSource.h"

#include "base/Language.h"
#include "forms/ConfigurationSheet.h"
#include "forms/SheetPdf.h"
#include "history/SheetHistory.h"
#include "model/ProjectFile.h"
#include "model/RecordCheck.h"

#include <QFileInfo>
#include <cstdio>

using namespace cli;

namespace {

const CommandHelp sheetHelp{
    "sheet",
    "sheet FILE.rix -o FILE.pdf [--language eng|ger|fre] [--customer TEXT] [--serial TEXT] [--technician TEXT] "
    "[--catalogue DB]",
    "Makes the project's configuration sheet as a PDF file, the sheet the desktop program prints.",
    {{"o", "FILE", "The PDF file to write."},
     {"language", "CODE", "The sheet's language: eng, ger or fre (the reasons stay in English)."},
     {"customer", "TEXT", "The customer printed on the sheet."},
     {"serial", "TEXT", "The gauge's serial number."},
     {"technician", "TEXT", "The technician; without it the one the settings keep."},
     {"catalogue", "DB", "The master type catalogue to take the project's master type from."}},
    "sheet boat.rix -o boat.pdf --customer \"Werft Nord\" --serial SN-0815"};

int sheetCommand(const QStringList &argList)
{
    CommandLine args(sheetHelp);
    int status = ExitOk;
    if (!args.parse(argList, status))
        return status;
    if (args.positional().size() != 1)
        return args.usageError(QStringLiteral("sheet takes one project file"));
    if (args.value(QStringLiteral("-o")).isEmpty())
        return args.usageError(QStringLiteral("-o FILE.pdf names the sheet to write"));
    const QString code = args.value(QStringLiteral("--language"));
    if (args.has(QStringLiteral("--language")) && !QStringList{"eng", "ger", "fre"}.contains(code))
        return fail(ExitBadUsage, QStringLiteral("\"%1\" is not a language (eng, ger or fre)").arg(code));

    const QString catalogueProblem = catalogueOptionProblem(args.value(QStringLiteral("--catalogue")));
    if (!catalogueProblem.isEmpty())
        return fail(ExitBadUsage, catalogueProblem);
    const QString project = QFileInfo(args.positional().first()).absoluteFilePath();
    ConfigRecord record;
    const project_file::ReadResult read = project_file::readFile(project, record);
    if (read.status != project_file::ReadStatus::Ok)
        return fail(ExitBadUsage, project_file::describeFailure(project, read));
    // A project named after -o by mistake (this one or another) is no place
    // for a PDF: it would be gone.
    const QString pdf = args.value(QStringLiteral("-o"));
    if (QFileInfo(pdf) == QFileInfo(project) || project_file::holdsProject(pdf))
        return fail(ExitBadUsage, QStringLiteral("%1 is a project file; the sheet does not replace it").arg(pdf));
    // Without its master type the sheet would show no dial, no properties
    // and other settings than the form: a wrong sheet for the customer.
    if (record.MasterId == -1)
        return fail(ExitFailed, QStringLiteral("%1 has no master type yet; no sheet written")
                                    .arg(QFileInfo(project).fileName()));
    const MasterTypeInfo master = lookUpMasterType(record.MasterId, args.value(QStringLiteral("--catalogue")));
    if (!master.Found)
        return fail(ExitFailed, QStringLiteral("master type %1 of %2 is not in the catalogue; no sheet written")
                                    .arg(record.MasterId)
                                    .arg(QFileInfo(project).fileName()));
    record.applyMasterType(master);
    // A value no gauge takes would show as some list entry it is not.
    const QStringList damaged = record_check::valuesNoGaugeTakes(record, record_check::familyOfMasterType(record));
    if (!damaged.isEmpty())
        return fail(ExitBadUsage, QStringLiteral("%1 holds values no gauge can take (%2); no sheet written")
                                      .arg(QFileInfo(project).fileName(), damaged.join(QStringLiteral(", "))));

    // The sheet is in the language asked for; reasons stay in English.
    if (args.has(QStringLiteral("--language"))
        && !Language::instance().loadPackQuietly(QStringLiteral("vorn_") + code + QStringLiteral("32.dll")))
        return fail(ExitFailed, QStringLiteral("the language pack \"%1\" could not be loaded").arg(code));
    SheetJob job;
    job.customer = args.value(QStringLiteral("--customer"));
    job.serialNumber = args.value(QStringLiteral("--serial"));
    job.technician = args.has(QStringLiteral("--technician")) ? args.value(QStringLiteral("--technician"))
                                                               : sheet_job::storedTechnician();
    const ConfigurationSheet sheet = ConfigurationSheet::forRecord(record, project, QDateTime::currentDateTime(), job);
    Language::instance().loadPackQuietly(QString::fromLatin1(DefaultLanguageLibrary));

    QString reason;
    if (!sheet_pdf::write(sheet, pdf, sheet_pdf::defaultPageSize(), &reason))
        return fail(ExitFailed, QStringLiteral("%1: %2").arg(pdf, reason));
    // A history that cannot be written does not take back the sheet made.
    if (!sheet_history::record(record, project, job, &reason))
        std::fprintf(stderr, "skaleron-cli: warning: %s\n", reason.replace('\n', ' ').toLocal8Bit().constData());
    return ExitOk;
}

}

SKALERON_CLI_COMMAND(sheet, "sheet", usageOf({&sheetHelp}), sheetCommand)
