#pragma once
// The printed configuration sheet of a project: the master type (picture and
// properties) and every setting with its label, value and unit, with the
// project file's name and the date of printing.
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>

class ProjectDocument;
class QPagedPaintDevice;
class QPainter;

struct SheetRow
{
    QString label;
    QString value;
    QString unit;
};

struct ConfigurationSheet
{
    QString title;
    QString fileLine;  // label and file name (or "not saved yet")
    QString dateLine;  // label and date of printing
    QString masterHeading;
    QImage picture;
    QList<SheetRow> masterRows;
    QString settingsHeading;
    QList<SheetRow> settingRows;

    // The sheet of the document's record, in the current language.
    static ConfigurationSheet forDocument(const ProjectDocument &document, const QDateTime &printed);

    // Draws the sheet on the pages of the device (one page; a second one
    // when the rows do not fit). False when the device cannot be painted on
    // (a file that cannot be created).
    bool render(QPagedPaintDevice &device) const;

private:
    void renderPage(QPainter &painter, const QRectF &page, int &row, bool firstPage, bool &more) const;
};
