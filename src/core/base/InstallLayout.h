#pragma once
// Where the program's own files are. Installed (by the package, by
// "cmake --install", or unpacked anywhere with dpkg -x) the programs are in
// bin/, the language packs, the sample catalogue and the manual in
// ../share/skaleron and the Access reader in ../libexec/skaleron, each
// relative to the running program; in the build tree everything lies beside
// the program. Every lookup of these files goes through here.
#include <QString>

namespace install_layout {

// The folder of the language packs, the sample catalogue and the manual
// ("manual/index.html"), ending in a separator.
QString dataFolder();
// Full path of a helper program that the programs start (the Access reader).
QString helperProgram(const QString &name);

// The same for a program in programFolder: the installed folder when it
// exists there, otherwise the program's own folder.
QString dataFolderFor(const QString &programFolder);
QString helperProgramFor(const QString &programFolder, const QString &name);

}
