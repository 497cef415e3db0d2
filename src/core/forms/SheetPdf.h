#pragma once
// A configuration sheet as a PDF file, without any window: its text stays
// text (selectable, searchable), and the file carries the sheet's title, the
// technician as its author and "Skaleron <version>" as its creator.
#include <QPageSize>
#include <QString>

struct ConfigurationSheet;

namespace sheet_pdf {

// Letter where the system measures in US units, A4 everywhere else.
QPageSize defaultPageSize();

// Writes the file whole or not at all. False with the reason (the system's)
// when it cannot be written.
bool write(const ConfigurationSheet &sheet, const QString &path, const QPageSize &pageSize, QString *reason);

}
