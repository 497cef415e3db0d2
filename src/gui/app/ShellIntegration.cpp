#include "ShellIntegration.h"

#include "base/Language.h"
#include "resources/ProgramPictures.h"
#include "base/RegularFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace shell_integration {

namespace {

QString resourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// One argument of an Exec line: quoted when it holds anything but plain
// characters, with the escapes the desktop entry format asks for.
QString execArgument(const QString &argument)
{
    QString text = argument;
    text.replace(QLatin1Char('%'), QLatin1String("%%"));
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_/.+,:=@%-]+$"));
    if (plain.match(text).hasMatch())
        return text;
    QString quoted;
    for (QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // The whole value is a desktop entry string, where a backslash is doubled.
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool writeFile(const QString &path, const QByteArray &data, Outcome &outcome)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && regular_file::commitWhole(file, data))
        return true;
    outcome.ok = false;
    outcome.notes << loadTranslatedString(5412).arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

bool writeImage(const QString &path, const QImage &image, Outcome &outcome)
{
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    return writeFile(path, png, outcome);
}

void removeFile(const QString &path, Outcome &outcome)
{
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        outcome.ok = false;
        outcome.notes << loadTranslatedString(5413).arg(QDir::toNativeSeparators(path));
    }
}

// Refreshes a desktop cache when its tool is installed; a tool that is not
// there is no fault, the desktop then reads the files on its own.
void runTool(const QString &tool, const QString &folder, Outcome &outcome)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty() || !QFileInfo(folder).isDir())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, {folder});
    const bool finished = process.waitForFinished(20000);
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        if (!finished)
            process.kill();
        const QString reason = process.error() == QProcess::UnknownError
                                   ? QString::fromLocal8Bit(process.readAll()).trimmed()
                                   : process.errorString();
        outcome.notes << loadTranslatedString(5414).arg(tool, reason);
    }
}

void refreshCaches(Outcome &outcome)
{
    runTool(QStringLiteral("update-mime-database"), userDataFolder() + QStringLiteral("/mime"), outcome);
    runTool(QStringLiteral("update-desktop-database"), userDataFolder() + QStringLiteral("/applications"), outcome);
}

}

QString userDataFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg);
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.local/share"));
}

QString desktopEntryPath()
{
    return userDataFolder() + QStringLiteral("/applications/skaleron.desktop");
}

QString mimePackagePath()
{
    return userDataFolder() + QStringLiteral("/mime/packages/skaleron.xml");
}

QStringList iconPaths()
{
    const QString base = userDataFolder() + QStringLiteral("/icons/hicolor/256x256/");
    return {base + QStringLiteral("apps/skaleron.png"),
            base + QStringLiteral("mimetypes/application-x-skaleron-project.png")};
}

QString desktopEntryText(const QString &programPath)
{
    QString text = resourceText(QStringLiteral(":/desktop/skaleron.desktop"));
    static const QRegularExpression exec(QStringLiteral("^Exec=.*$"), QRegularExpression::MultilineOption);
    text.replace(exec, QStringLiteral("Exec=") + execArgument(programPath) + QStringLiteral(" %f"));
    return text;
}

QString mimeTypeXml()
{
    return resourceText(QStringLiteral(":/desktop/skaleron-mime.xml"));
}

Outcome registerForUser(const QString &programPath)
{
    Outcome outcome;
    const QString program = QFileInfo(programPath).absoluteFilePath();
    writeFile(desktopEntryPath(), desktopEntryText(program).toUtf8(), outcome);
    writeFile(mimePackagePath(), mimeTypeXml().toUtf8(), outcome);
    const QStringList icons = iconPaths();
    writeImage(icons.at(0), programIconImage(program_pictures::ApplicationIcon, 256), outcome);
    writeImage(icons.at(1), programIconImage(program_pictures::DocumentIcon, 256), outcome);
    if (outcome.ok) {
        outcome.notes.prepend(loadTranslatedString(5410).arg(QDir::toNativeSeparators(desktopEntryPath()),
                                                             QDir::toNativeSeparators(mimePackagePath())));
    }
    refreshCaches(outcome);
    return outcome;
}

Outcome unregisterForUser()
{
    Outcome outcome;
    removeFile(desktopEntryPath(), outcome);
    removeFile(mimePackagePath(), outcome);
    for (const QString &icon : iconPaths())
        removeFile(icon, outcome);
    if (outcome.ok)
        outcome.notes.prepend(loadTranslatedString(5411));
    refreshCaches(outcome);
    return outcome;
}

}
