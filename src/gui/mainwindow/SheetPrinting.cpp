#include "SheetPrinting.h"

#include "base/Language.h"
#include "base/UserMessages.h"
#include "dialogs/SheetJobDialog.h"
#include "forms/ConfigurationSheet.h"
#include "forms/SheetPainter.h"
#include "forms/SheetPdf.h"
#include "history/SheetHistory.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"
#include "model/RecordCheck.h"
#include "views/ServiceItems.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

SheetPrinting::SheetPrinting(ProjectDocument *document, QWidget *window)
    : QObject(window)
    , m_document(document)
    , m_window(window)
{
    m_job.technician = sheet_job::storedTechnician();
}

SheetPrinting::~SheetPrinting() = default;

QPrinter &SheetPrinting::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The printer outlives projects; the job is named after the one printed now.
    m_printer->setDocName(m_document->title());
    return *m_printer;
}

bool SheetPrinting::printerAvailable() const
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        user_messages::show(loadTranslatedString(5381), user_messages::Icon::Exclamation);
        return false;
    }
    return true;
}

bool SheetPrinting::askJob()
{
    SheetJobDialog dialog(m_job, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_job = dialog.job();
    sheet_job::storeTechnician(m_job.technician);
    return true;
}

ConfigurationSheet SheetPrinting::sheet() const
{
    return ConfigurationSheet::forDocument(*m_document, QDateTime::currentDateTime(), m_job, service_items::shown());
}

bool SheetPrinting::sheetCanBeMade() const
{
    if (!m_document->commitEditor())
        return false;
    // A value no gauge takes (a damaged file) would show on the customer's
    // sheet as some list entry it is not.
    const ConfigRecord &c = m_document->config();
    const QStringList damaged = record_check::valuesNoGaugeTakes(c, record_check::familyOfMasterType(c));
    if (damaged.isEmpty())
        return true;
    user_messages::show(loadTranslatedString(5018).arg(m_document->title(), damaged.join(QStringLiteral(", "))),
                        user_messages::Icon::Exclamation);
    return false;
}

void SheetPrinting::recordSheet()
{
    QString reason;
    if (sheet_history::record(m_document->config(), m_document->filePath(), m_job, &reason) || m_historyProblemTold)
        return;
    // Said once a run, as for the transfers: the sheet itself is done.
    m_historyProblemTold = true;
    user_messages::show(reason, user_messages::Icon::Exclamation);
}

void SheetPrinting::print()
{
    if (!sheetCanBeMade() || !printerAvailable() || !askJob())
        return;
    QPrintDialog dialog(&printer(), m_window);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() == QDialog::Accepted && sheet_painter::paint(sheet(), printer()))
        recordSheet();
}

bool SheetPrinting::printDirect()
{
    if (!printerAvailable())
        return false;
    QPrinter &target = printer();
    target.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    if (sheet_painter::paint(sheet(), target))
        recordSheet();
    return true;
}

void SheetPrinting::printPreview()
{
    if (!sheetCanBeMade() || !askJob())
        return;
    QPrintPreviewDialog preview(&printer(), m_window);
    preview.setObjectName(QStringLiteral("printPreviewDialog"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { sheet_painter::paint(sheet(), *printer); });
    preview.exec();
}

void SheetPrinting::printSetup()
{
    QPageSetupDialog dialog(&printer(), m_window);
    dialog.setObjectName(QStringLiteral("pageSetupDialog"));
    dialog.exec();
}

void SheetPrinting::exportPdf()
{
    if (!sheetCanBeMade() || !askJob())
        return;
    QFileDialog dialog(m_window, loadTranslatedString(5383));
    dialog.setObjectName(QStringLiteral("pdfExportDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(loadTranslatedString(5382));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString project = m_document->filePath();
    dialog.selectFile(project.isEmpty() ? m_document->title() + QStringLiteral(".pdf")
                                        : QFileInfo(project).completeBaseName() + QStringLiteral(".pdf"));
    if (!project.isEmpty())
        dialog.setDirectory(QFileInfo(project).absolutePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportPdfTo(dialog.selectedFiles().first());
}

bool SheetPrinting::exportPdfTo(const QString &path)
{
    // A project named by mistake (the file dialog's replace question says
    // nothing of what is lost) stays a project.
    if (project_file::holdsProject(path)) {
        user_messages::show(loadTranslatedString(5991).arg(QDir::toNativeSeparators(path)),
                            user_messages::Icon::Exclamation);
        return false;
    }
    QString reason;
    if (!sheet_pdf::write(sheet(), path, printer().pageLayout().pageSize(), &reason)) {
        user_messages::show(loadTranslatedString(5380).arg(QDir::toNativeSeparators(path)) + QLatin1Char('\n')
                                + reason,
                            user_messages::Icon::Error);
        return false;
    }
    recordSheet();
    emit exported(path);
    return true;
}
