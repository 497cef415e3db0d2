#pragma once
// The print commands: the project's configuration sheet printed, previewed
// or exported as a PDF file. The form's entries go into the record first, so
// the sheet shows what the user sees; the job written on the sheet is asked
// for first. Every sheet printed or exported is a service history entry.
#include "forms/SheetJob.h"

#include <QObject>
#include <memory>

class ProjectDocument;
class QPrinter;
class QWidget;
struct ConfigurationSheet;

class SheetPrinting : public QObject
{
    Q_OBJECT
public:
    SheetPrinting(ProjectDocument *document, QWidget *window);
    ~SheetPrinting() override;

    void print();
    void printPreview();
    void printSetup();
    void exportPdf();
    // Writes the sheet with the last job to a PDF file; false (the user told
    // why) when it cannot be written.
    bool exportPdfTo(const QString &path);
    // Prints on the default printer without asking (the command line's
    // print request); false when there is none.
    bool printDirect();

signals:
    // A sheet was written to this PDF file (nothing else shows it was).
    void exported(const QString &path);

private:
    QPrinter &printer();
    bool printerAvailable() const;
    // The job dialog with the last values; false when it was cancelled.
    bool askJob();
    ConfigurationSheet sheet() const;
    // The editor's values are in the record and all of them can be shown.
    bool sheetCanBeMade() const;
    void recordSheet();

    ProjectDocument *m_document;
    QWidget *m_window;
    std::unique_ptr<QPrinter> m_printer; // keeps the page setup for the run
    SheetJob m_job;                      // offered again while the program runs
    bool m_historyProblemTold = false;
};
