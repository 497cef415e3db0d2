#pragma once
// The print commands: the project's configuration sheet printed, previewed
// or exported as a PDF file. The form's entries go into the record first, so
// the sheet shows what the user sees.
#include <QObject>
#include <memory>

class ProjectDocument;
class QPrinter;
class QWidget;

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
    // Writes the sheet to a PDF file; false (the user told why) when it
    // cannot be written.
    bool exportPdfTo(const QString &path);
    // Prints on the default printer without asking (the command line's
    // print request); false when there is none.
    bool printDirect();

private:
    QPrinter &printer();
    bool printerAvailable() const;

    ProjectDocument *m_document;
    QWidget *m_window;
    std::unique_ptr<QPrinter> m_printer; // keeps the page setup for the run
};
