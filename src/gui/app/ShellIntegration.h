#pragma once
// Registration of the program with the user's desktop: a desktop entry that
// opens ".rix" files with the program, the MIME type "Skaleron Document" for
// them and the two icons, written into the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share) and removed again. The system-wide
// copies are installed with the program; this is the per-user counterpart
// for the register and unregister switches.
//
// Neither operation ends the program on trouble: what went wrong is in the
// notes, in the user's language.
#include <QString>
#include <QStringList>

namespace shell_integration {

constexpr const char *MimeTypeName = "application/x-skaleron-project";

struct Outcome
{
    bool ok = true;    // false when a file could not be written or removed
    QStringList notes; // what was done and what went wrong
};

// Writes the entry (running programPath), the MIME type and the icons, then
// refreshes the desktop's caches where their tools are installed.
Outcome registerForUser(const QString &programPath);
// Removes what registerForUser wrote; files already gone are no fault.
Outcome unregisterForUser();

QString userDataFolder();
QString desktopEntryPath();
QString mimePackagePath();
QStringList iconPaths();

// The desktop entry with its Exec line running programPath on the file.
QString desktopEntryText(const QString &programPath);
QString mimeTypeXml();

}
