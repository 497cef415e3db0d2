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
    m_recent.Load();
}

QString ProjectFileCommands::ProjectFilter()
{
    // Field 4 of the document template string is the filter name.
    const QStringList fields = LoadTranslatedString(128).split(QLatin1Char('\n'));
    const QString projects = fields.size() > 3 ? fields.at(3) : QStringLiteral("*.rix");
    return projects + QStringLiteral(";;") + LoadTranslatedString(61442);
}

QString ProjectFileCommands::AskFileName(bool forOpen)
{
    QFileDialog dialog(m_window);
    dialog.setObjectName(forOpen ? QStringLiteral("fileOpenDialog") : QStringLiteral("fileSaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(ProjectFilter());
    if (forOpen) {
        dialog.setWindowTitle(LoadTranslatedString(61440));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setWindowTitle(LoadTranslatedString(61441));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("rix"));
        const QString current = m_document->GetPathName();
        if (current.isEmpty())
            dialog.selectFile(m_document->GetTitle() + QStringLiteral(".rix"));
        else
            dialog.selectFile(current);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

bool ProjectFileCommands::SaveModified()
{
    // Entries typed into the form count as changes. An entry the form
    // refuses (it has said why) can still be discarded with the project;
    // only saving needs it corrected.
    const bool committed = m_document->CommitEditor();
    if (committed && !m_document->IsModified())
        return true;
    const QString question = LoadTranslatedString(5300).arg(m_document->GetTitle());
    switch (user_messages::show(question, user_messages::Icon::Exclamation, user_messages::Buttons::YesNoCancel)) {
    case user_messages::Answer::Yes:
        return committed && FileSave();
    case user_messages::Answer::No:
        return true;
    default:
        return false;
    }
}

bool ProjectFileCommands::FileNew()
{
    if (!SaveModified())
        return false;
    return m_document->OnNewDocument();
}

bool ProjectFileCommands::FileOpen()
{
    if (!SaveModified())
        return false;
    const QString path = AskFileName(true);
    if (path.isEmpty())
        return false;
    // The question was answered already; do not ask again.
    if (!m_document->OnOpenDocument(path))
        return false;
    if (!m_document->GetPathName().isEmpty()) {
        m_recent.Add(path);
        emit recentFilesChanged();
    }
    return true;
}

bool ProjectFileCommands::OpenDocumentFile(const QString &path)
{
    if (!SaveModified())
        return false;
    if (!m_document->OnOpenDocument(path)) {
        m_recent.Remove(path);
        emit recentFilesChanged();
        return false;
    }
    // A file of a version this program cannot read leaves an untitled
    // project; it does not belong on the recent list.
    if (!m_document->GetPathName().isEmpty())
        m_recent.Add(path);
    else
        m_recent.Remove(path);
    emit recentFilesChanged();
    return true;
}

bool ProjectFileCommands::DoSave(const QString &path)
{
    if (!m_document->OnSaveDocument(path))
        return false;
    m_recent.Add(path);
    emit recentFilesChanged();
    return true;
}

bool ProjectFileCommands::FileSave()
{
    const QString path = m_document->GetPathName();
    if (path.isEmpty() || !QFileInfo(path).isWritable())
        return FileSaveAs();
    return DoSave(path);
}

bool ProjectFileCommands::FileSaveAs()
{
    // The form's entries are checked before the file name is asked for, so a
    // refusal does not come after the user has picked a file.
    if (!m_document->CommitForSaving())
        return false;
    const QString path = AskFileName(false);
    if (path.isEmpty())
        return false;
    return DoSave(path);
}
