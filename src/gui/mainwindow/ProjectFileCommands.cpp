#include "ProjectFileCommands.h"

#include "base/Language.h"
#include "base/UserMessages.h"
#include "model/ProjectDocument.h"

#include <QFileDialog>
#include <QFileInfo>

ProjectFileCommands::ProjectFileCommands(ProjectDocument *document, QWidget *window)
    : QObject(window)
    , m_document(document)
    , m_window(window)
{
    m_recent.load();
}

QString ProjectFileCommands::projectFilter()
{
    // Field 4 of the document template string is the filter name.
    const QStringList fields = loadTranslatedString(128).split(QLatin1Char('\n'));
    const QString projects = fields.size() > 3 ? fields.at(3) : QStringLiteral("*.rix");
    return projects + QStringLiteral(";;") + loadTranslatedString(61442);
}

QString ProjectFileCommands::askFileName(bool forOpen)
{
    QFileDialog dialog(m_window);
    dialog.setObjectName(forOpen ? QStringLiteral("fileOpenDialog") : QStringLiteral("fileSaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(projectFilter());
    if (forOpen) {
        dialog.setWindowTitle(loadTranslatedString(61440));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setWindowTitle(loadTranslatedString(61441));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("rix"));
        const QString current = m_document->filePath();
        if (current.isEmpty())
            dialog.selectFile(m_document->title() + QStringLiteral(".rix"));
        else
            dialog.selectFile(current);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

bool ProjectFileCommands::saveModified()
{
    // Entries typed into the form count as changes. An entry the form
    // refuses (it has said why) can still be discarded with the project;
    // only saving needs it corrected.
    const bool committed = m_document->commitEditor();
    if (committed && !m_document->isModified())
        return true;
    const QString question = loadTranslatedString(5300).arg(m_document->title());
    switch (user_messages::show(question, user_messages::Icon::Exclamation, user_messages::Buttons::YesNoCancel)) {
    case user_messages::Answer::Yes:
        return committed && fileSave();
    case user_messages::Answer::No:
        return true;
    default:
        return false;
    }
}

bool ProjectFileCommands::fileNew()
{
    if (!saveModified())
        return false;
    return m_document->newProject();
}

bool ProjectFileCommands::fileOpen()
{
    if (!saveModified())
        return false;
    const QString path = askFileName(true);
    if (path.isEmpty())
        return false;
    // The question was answered already; do not ask again.
    if (!m_document->open(path))
        return false;
    if (!m_document->filePath().isEmpty()) {
        m_recent.add(path);
        emit recentFilesChanged();
    }
    return true;
}

bool ProjectFileCommands::openProject(const QString &path)
{
    if (!saveModified())
        return false;
    if (!m_document->open(path)) {
        m_recent.remove(path);
        emit recentFilesChanged();
        return false;
    }
    // A file of a version this program cannot read leaves an untitled
    // project; it does not belong on the recent list.
    if (!m_document->filePath().isEmpty())
        m_recent.add(path);
    else
        m_recent.remove(path);
    emit recentFilesChanged();
    return true;
}

bool ProjectFileCommands::doSave(const QString &path)
{
    if (!m_document->save(path))
        return false;
    m_recent.add(path);
    emit recentFilesChanged();
    return true;
}

bool ProjectFileCommands::fileSave()
{
    const QString path = m_document->filePath();
    if (path.isEmpty() || !QFileInfo(path).isWritable())
        return fileSaveAs();
    return doSave(path);
}

bool ProjectFileCommands::fileSaveAs()
{
    // The form's entries are checked before the file name is asked for, so a
    // refusal does not come after the user has picked a file.
    if (!m_document->commitForSaving())
        return false;
    const QString path = askFileName(false);
    if (path.isEmpty())
        return false;
    return doSave(path);
}
