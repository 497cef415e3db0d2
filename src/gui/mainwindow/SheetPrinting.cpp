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

static bool renderSheet(const ProjectDocument &document, QPagedPaintDevice &device)
{
    return ConfigurationSheet::forDocument(document, QDateTime::currentDateTime()).render(device);
}

void SheetPrinting::print()
{
    if (!m_document->commitEditor() || !printerAvailable())
        return;
    QPrintDialog dialog(&printer(), m_window);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() == QDialog::Accepted)
        renderSheet(*m_document, printer());
}

bool SheetPrinting::printDirect()
{
    if (!printerAvailable())
        return false;
    QPrinter &target = printer();
    target.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    renderSheet(*m_document, target);
    return true;
}

void SheetPrinting::printPreview()
{
    if (!m_document->commitEditor())
        return;
    QPrintPreviewDialog preview(&printer(), m_window);
    preview.setObjectName(QStringLiteral("printPreviewDialog"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { renderSheet(*m_document, *printer); });
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
    if (!m_document->commitEditor())
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
    bool written = false;
    {
        QPdfWriter writer(path);
        writer.setPageSize(printer().pageLayout().pageSize());
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(loadTranslatedString(5370));
        writer.setCreator(QStringLiteral("Skaleron"));
        written = renderSheet(*m_document, writer);
    }
    if (!written || QFileInfo(path).size() == 0) {
        user_messages::show(loadTranslatedString(5380).arg(QDir::toNativeSeparators(path)),
                            user_messages::Icon::Error);
        return false;
    }
    return true;
}
