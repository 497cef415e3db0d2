#include "ProjectFileCommands.h"

#include "base/Language.h"
#include "base/UserMessages.h"
#include "dialogs/CompareDialog.h"
#include "views/ServiceItems.h"
#include "model/MasterTypeLookup.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"

#include <QApplication>
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

QString ProjectFileCommands::askFileName(bool forOpen, const QString &title)
{
    QFileDialog dialog(m_window);
    dialog.setObjectName(forOpen ? QStringLiteral("fileOpenDialog") : QStringLiteral("fileSaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(projectFilter());
    if (forOpen) {
        dialog.setWindowTitle(title.isEmpty() ? loadTranslatedString(61440) : title);
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
        else if (QFileInfo(current).absoluteDir().exists())
            dialog.selectFile(current);
        else // its folder is gone: the name alone, in a folder that is there
            dialog.selectFile(QFileInfo(current).fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

bool ProjectFileCommands::saveModified()
{
    if (!askToSaveModified())
        return false;
    // The field being edited hands in its text now, to the project it was
    // typed into: left until the focus moves, it would land in the next one.
    if (QWidget *focus = QApplication::focusWidget())
        focus->clearFocus();
    return true;
}

bool ProjectFileCommands::askToSaveModified()
{
    // Entries typed into the form count as changes. An entry the form
    // refuses (it has said why) can still be discarded with the project;
    // only saving needs it corrected.
    const bool committed = m_document->commitEditor();
    if (!calibrationsMayGo())
        return false;
    if (committed && !m_document->isModified())
        return true;
    const QString question = loadTranslatedString(5300).arg(m_document->title());
    switch (user_messages::show(question, user_messages::Icon::Question, user_messages::Buttons::YesNoCancel)) {
    case user_messages::Answer::Yes:
        return committed && fileSave();
    case user_messages::Answer::No:
        return true;
    default:
        return false;
    }
}

// A project file has no place for calibration values: saving the project
// does not keep them, a table file does.
bool ProjectFileCommands::calibrationsMayGo()
{
    QStringList inputs;
    for (const int input : m_document->unkeptCalibrations())
        inputs << service_items::gaugeInputName(input);
    if (inputs.isEmpty())
        return true;
    return user_messages::show(loadTranslatedString(5654).arg(inputs.join(QStringLiteral(", "))),
                               user_messages::Icon::Question, user_messages::Buttons::YesNo)
        == user_messages::Answer::Yes;
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
    m_recent.add(path);
    emit recentFilesChanged();
    return true;
}

bool ProjectFileCommands::openProject(const QString &path)
{
    // A file that is no project is told before the open project's changes
    // are asked about, for nothing.
    const bool readable = m_document->isReadable(path);
    if (readable && !saveModified())
        return false;
    const bool opened = readable && m_document->open(path);
    if (opened)
        m_recent.add(path);
    else
        m_recent.remove(path);
    emit recentFilesChanged();
    return opened;
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
    if (path.isEmpty())
        return fileSaveAs();
    // A file removed meanwhile is made again where it was; a place it cannot
    // go is named before another is asked for. The file is replaced whole
    // (and locked meanwhile) from its folder: both must be writable.
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (folder.isDir() && folder.isWritable() && (!file.exists() || file.isWritable()))
        return doSave(path);
    const QString reason = loadTranslatedString(folder.isDir() ? 5017 : 5016);
    user_messages::showAboutFile(loadTranslatedString(5015).arg(file.fileName(), reason), path,
                                 user_messages::Icon::Exclamation);
    return fileSaveAs();
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

// A menu text as a window title: without its mnemonic and trailing dots.
static QString titleOfMenuText(int textId)
{
    QString text = loadTranslatedString(textId).remove(QLatin1Char('&'));
    while (text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x2026)))
        text.chop(1);
    return text.trimmed();
}

void ProjectFileCommands::compareWithFile()
{
    // What the form shows is what the user compares.
    if (!m_document->commitEditor())
        return;
    const QString path = askFileName(true, titleOfMenuText(5784));
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    ConfigRecord other;
    other.reset();
    const project_file::ReadResult read = project_file::readFile(path, other);
    if (read.status != project_file::ReadStatus::Ok) {
        user_messages::showAboutFile(project_file::failureMessage(name, read), path, user_messages::Icon::Error);
        return;
    }
    if (other.MasterId != -1)
        other.applyMasterType(defaultMasterTypeLookup().fetchById(other.MasterId));

    // The project's own file shows what has not been saved yet.
    const QFileInfo chosen(path);
    const bool ownFile = !m_document->filePath().isEmpty()
                         && chosen.canonicalFilePath() == QFileInfo(m_document->filePath()).canonicalFilePath();
    const QVector<record_comparison::FieldDifference> differences =
        record_comparison::compareRecords(m_document->config(), other);
    if (differences.isEmpty()) {
        const QString text = ownFile ? loadTranslatedString(5871).arg(name)
                                     : loadTranslatedString(5798).arg(m_document->title(), name);
        user_messages::showAboutFile(text, path, user_messages::Icon::Information);
        return;
    }
    const QString heading = ownFile ? loadTranslatedString(5870).arg(name)
                                    : loadTranslatedString(5795).arg(m_document->title(), name);
    CompareDialog dialog(differences, heading, chosen.fileName(), false, m_window);
    dialog.exec();
}
