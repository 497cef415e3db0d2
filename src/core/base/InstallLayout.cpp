#include "InstallLayout.h"

#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>

// The installed folders relative to the programs' folder, set by the build
// from the install directories so that the two cannot disagree.
#ifndef SKALERON_DATA_FROM_BIN
#error "SKALERON_DATA_FROM_BIN (e.g. ../share/skaleron) must be set by the build"
#endif
#ifndef SKALERON_HELPERS_FROM_BIN
#error "SKALERON_HELPERS_FROM_BIN (e.g. ../libexec/skaleron) must be set by the build"
#endif

namespace install_layout {

static QString inFolder(const QString &programFolder, const char *relative)
{
    return QDir::cleanPath(QDir(programFolder).absoluteFilePath(QString::fromUtf8(relative)));
}

QString dataFolderFor(const QString &programFolder)
{
    const QString installed = inFolder(programFolder, SKALERON_DATA_FROM_BIN);
    const QString folder = QFileInfo(installed).isDir() ? installed : QDir::cleanPath(programFolder);
    return folder + QLatin1Char('/');
}

QString helperProgramFor(const QString &programFolder, const QString &name)
{
    const QString installed = QDir(inFolder(programFolder, SKALERON_HELPERS_FROM_BIN)).filePath(name);
    if (QFileInfo(installed).isFile())
        return installed;
    return QDir(QDir::cleanPath(programFolder)).filePath(name);
}

QString dataFolder()
{
    // The layout does not change while the program runs.
    static const QString folder = dataFolderFor(applicationFolder());
    return folder;
}

QString helperProgram(const QString &name)
{
    return helperProgramFor(applicationFolder(), name);
}

}
