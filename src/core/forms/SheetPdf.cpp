#include "SheetPdf.h"

#include "ConfigurationSheet.h"
#include "SheetPainter.h"
#include "base/RegularFile.h"

#include <QBuffer>
#include <QLocale>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

namespace sheet_pdf {

namespace {

// A PDF text string of any characters: UTF-16 with its byte order mark, in hex.
QByteArray textString(const QString &text)
{
    QByteArray bytes("\xFE\xFF", 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xFF));
    }
    return '<' + bytes.toHex().toUpper() + '>';
}

// Adds an author to the document information of a PDF as PDF writers do
// when they change a file: an appended update, the original bytes untouched.
// False (pdf unchanged) when the file's trailer cannot be read.
bool addAuthor(QByteArray &pdf, const QString &author)
{
    // The last trailer names the document information; the last startxref
    // says where the cross-reference table the update refers back to starts.
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    if (startxref < 0 || trailerAt < 0 || trailerAt > startxref)
        return false;
    const QString tail = QString::fromLatin1(pdf.mid(trailerAt, pdf.size() - trailerAt));
    static const QRegularExpression infoRef(QStringLiteral("/Info\\s+(\\d+)\\s+(\\d+)\\s+R"));
    static const QRegularExpression rootRef(QStringLiteral("/Root\\s+\\d+\\s+\\d+\\s+R"));
    static const QRegularExpression size(QStringLiteral("/Size\\s+\\d+"));
    static const QRegularExpression previous(QStringLiteral("startxref\\s+(\\d+)"));
    const QRegularExpressionMatch info = infoRef.match(tail);
    const QRegularExpressionMatch root = rootRef.match(tail);
    const QRegularExpressionMatch sizeEntry = size.match(tail);
    const QRegularExpressionMatch xref = previous.match(tail);
    if (!info.hasMatch() || !root.hasMatch() || !sizeEntry.hasMatch() || !xref.hasMatch())
        return false;

    // The information dictionary as it stands, to be given again with the author.
    const QByteArray object = info.captured(1).toLatin1() + ' ' + info.captured(2).toLatin1() + " obj";
    const qsizetype objectAt = pdf.lastIndexOf('\n' + object, trailerAt);
    const qsizetype open = objectAt < 0 ? -1 : pdf.indexOf("<<", objectAt);
    const qsizetype end = open < 0 ? -1 : pdf.indexOf("endobj", open);
    const qsizetype close = end < 0 ? -1 : pdf.lastIndexOf(">>", end);
    if (close <= open)
        return false;
    const QByteArray entries = pdf.mid(open + 2, close - open - 2);

    QByteArray update = "\n";
    const qsizetype objectOffset = pdf.size() + update.size();
    update += object + "\n<<" + entries + "\n/Author " + textString(author) + "\n>>\nendobj\n";
    const qsizetype xrefOffset = pdf.size() + update.size();
    update += "xref\n" + info.captured(1).toLatin1() + " 1\n"
        + QByteArray::number(objectOffset).rightJustified(10, '0') + ' '
        + info.captured(2).toLatin1().rightJustified(5, '0') + " n \n";
    update += "trailer\n<<\n" + sizeEntry.captured(0).toLatin1() + '\n' + root.captured(0).toLatin1() + '\n'
        + info.captured(0).toLatin1() + "\n/Prev " + xref.captured(1).toLatin1() + "\n>>\nstartxref\n"
        + QByteArray::number(xrefOffset) + "\n%%EOF\n";
    pdf += update;
    return true;
}

}

QPageSize defaultPageSize()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                         : QPageSize::A4);
}

bool write(const ConfigurationSheet &sheet, const QString &path, const QPageSize &pageSize, QString *reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(pageSize);
        writer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(sheet.title);
        writer.setCreator(sheet.program);
        if (!sheet_painter::paint(sheet, writer)) {
            *reason = buffer.errorString();
            return false;
        }
    }
    QByteArray pdf = buffer.data();
    // Without its author the sheet is still the sheet.
    if (!sheet.technician.isEmpty())
        addAuthor(pdf, sheet.technician);
    if (!regular_file::commitWhole(file, pdf)) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

}
