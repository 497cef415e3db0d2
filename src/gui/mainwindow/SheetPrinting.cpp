#include "SheetPrinting.h"

#include "base/Language.h"
#include "base/UserMessages.h"
#include "model/ProjectDocument.h"
#include "forms/ConfigurationSheet.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

SheetPrinting::SheetPrinting(ProjectDocument *document, QWidget *window)
    : QObject(window)
    , m_document(document)
    , m_window(window)
{
}

SheetPrinting::~SheetPrinting() = default;

QPrinter &SheetPrinting::Printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The printer outlives projects; the job is named after the one printed now.
    m_printer->setDocName(m_document->GetTitle());
    return *m_printer;
}

bool SheetPrinting::PrinterAvailable() const
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        user_messages::show(LoadTranslatedString(5381), user_messages::Icon::Exclamation);
        return false;
    }
    return true;
}

static bool renderSheet(const ProjectDocument &document, QPagedPaintDevice &device)
{
    return ConfigurationSheet::Of(document, QDateTime::currentDateTime()).Render(device);
}

void SheetPrinting::Print()
{
    if (!m_document->CommitEditor() || !PrinterAvailable())
        return;
    QPrintDialog dialog(&Printer(), m_window);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() == QDialog::Accepted)
        renderSheet(*m_document, Printer());
}

bool SheetPrinting::PrintDirect()
{
    if (!PrinterAvailable())
        return false;
    QPrinter &printer = Printer();
    printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    renderSheet(*m_document, printer);
    return true;
}

void SheetPrinting::PrintPreview()
{
    if (!m_document->CommitEditor())
        return;
    QPrintPreviewDialog preview(&Printer(), m_window);
    preview.setObjectName(QStringLiteral("printPreviewDialog"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { renderSheet(*m_document, *printer); });
    preview.exec();
}

void SheetPrinting::PrintSetup()
{
    QPageSetupDialog dialog(&Printer(), m_window);
    dialog.setObjectName(QStringLiteral("pageSetupDialog"));
    dialog.exec();
}

void SheetPrinting::ExportPdf()
{
    if (!m_document->CommitEditor())
        return;
    QFileDialog dialog(m_window, LoadTranslatedString(5383));
    dialog.setObjectName(QStringLiteral("pdfExportDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(LoadTranslatedString(5382));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString project = m_document->GetPathName();
    dialog.selectFile(project.isEmpty() ? m_document->GetTitle() + QStringLiteral(".pdf")
                                        : QFileInfo(project).completeBaseName() + QStringLiteral(".pdf"));
    if (!project.isEmpty())
        dialog.setDirectory(QFileInfo(project).absolutePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    ExportPdfTo(dialog.selectedFiles().first());
}

bool SheetPrinting::ExportPdfTo(const QString &path)
{
    bool written = false;
    {
        QPdfWriter writer(path);
        writer.setPageSize(Printer().pageLayout().pageSize());
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(LoadTranslatedString(5370));
        writer.setCreator(QStringLiteral("Skaleron"));
        written = renderSheet(*m_document, writer);
    }
    if (!written || QFileInfo(path).size() == 0) {
        user_messages::show(LoadTranslatedString(5380).arg(QDir::toNativeSeparators(path)),
                            user_messages::Icon::Error);
        return false;
    }
    return true;
}
