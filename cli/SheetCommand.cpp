// skaleron-cli sheet: a project's configuration sheet as a PDF file, the same
// sheet the desktop program prints, for a production line that hands one out
// with every gauge it writes. Each sheet is a service history entry.
#include "CliCommand.h"
#include "MasterTypeSource.h"

#include "base/Language.h"
#include "forms/ConfigurationSheet.h"
#include "forms/SheetPdf.h"
#include "history/SheetHistory.h"
#include "model/ProjectFile.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

using namespace cli;

namespace {

const char *const Usage =
    "sheet FILE.rix -o FILE.pdf [--language eng|ger|fre] [--customer TEXT] [--serial TEXT] [--technician TEXT] "
    "[--catalogue DB]";

int sheetCommand(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption output(QStringLiteral("o"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption language(QStringLiteral("language"), QString(), QStringLiteral("CODE"));
    const QCommandLineOption customer(QStringLiteral("customer"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption serial(QStringLiteral("serial"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption technician(QStringLiteral("technician"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption catalogue(QStringLiteral("catalogue"), QString(), QStringLiteral("DB"));
    parser.addOptions({output, language, customer, serial, technician, catalogue});
    const QString usage = QStringLiteral("usage: %1").arg(QLatin1String(Usage));
    if (!parser.parse(QStringList{QStringLiteral("sheet")} + args))
        return fail(ExitBadUsage, parser.errorText());
    if (parser.positionalArguments().size() != 1 || parser.value(output).isEmpty())
        return fail(ExitBadUsage, usage);
    const QString code = parser.value(language);
    if (parser.isSet(language) && !QStringList{"eng", "ger", "fre"}.contains(code))
        return fail(ExitBadUsage, QStringLiteral("\"%1\" is not a language (eng, ger or fre)").arg(code));

    const QString project = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    ConfigRecord record;
    const project_file::ReadResult read = project_file::readFile(project, record);
    if (read.status != project_file::ReadStatus::Ok)
        return fail(ExitBadUsage, project_file::describeFailure(project, read));
    if (record.MasterId != -1)
        record.applyMasterType(lookUpMasterType(record.MasterId, parser.value(catalogue)));

    // The sheet is in the language asked for; reasons stay in English.
    if (parser.isSet(language)
        && !Language::instance().loadPackQuietly(QStringLiteral("vorn_") + code + QStringLiteral("32.dll")))
        return fail(ExitFailed, QStringLiteral("the language pack \"%1\" could not be loaded").arg(code));
    SheetJob job;
    job.customer = parser.value(customer);
    job.serialNumber = parser.value(serial);
    job.technician = parser.isSet(technician) ? parser.value(technician) : sheet_job::storedTechnician();
    const ConfigurationSheet sheet = ConfigurationSheet::forRecord(record, project, QDateTime::currentDateTime(), job);
    Language::instance().loadPackQuietly(QString::fromLatin1(DefaultLanguageLibrary));

    const QString pdf = parser.value(output);
    QString reason;
    if (!sheet_pdf::write(sheet, pdf, sheet_pdf::defaultPageSize(), &reason))
        return fail(ExitFailed, QStringLiteral("%1: %2").arg(pdf, reason));
    // A history that cannot be written does not take back the sheet made.
    if (!sheet_history::record(record, project, job, &reason))
        std::fprintf(stderr, "skaleron-cli: warning: %s\n", reason.replace('\n', ' ').toLocal8Bit().constData());
    return ExitOk;
}

}

SKALERON_CLI_COMMAND(sheet, "sheet", Usage, sheetCommand)
