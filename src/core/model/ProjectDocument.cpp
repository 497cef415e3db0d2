#include "ProjectDocument.h"

#include "MasterTypeLookup.h"
#include "ProjectChange.h"
#include "ProjectFile.h"
#include "RecordCheck.h"
#include "base/Language.h"
#include "base/UserMessages.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A project file's bytes; empty when there is none to read (a project file
// is 76 bytes: anything much larger is not one).
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(4096);
}

}

ProjectDocument::ProjectDocument(QObject *parent)
    : QObject(parent)
{
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, &ProjectDocument::updateModified);
}

void ProjectDocument::updateModified()
{
    const bool modified = isModified();
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void ProjectDocument::setModified(bool modified)
{
    m_unsavedCopy = modified;
    if (modified) {
        m_undoStack.resetClean();
    } else {
        m_editPending = false;
        m_undoStack.setClean();
        m_savedState = state();
    }
    updateModified();
}

void ProjectDocument::setEditPending(bool pending)
{
    m_editPending = pending;
    updateModified();
}

void ProjectDocument::commitChange(const StepName &name, const QString &mergeKey)
{
    const State now = state();
    if (now.sameForUser(m_committed)) {
        // Nothing of the user's: what changed (a firmware version read) is
        // part of the state the next step starts from.
        m_committed = now;
        return;
    }
    const State before = m_committed;
    m_committed = now;
    m_undoStack.push(new ProjectChange(this, before, now, name, mergeKey));
    updateModified();
    emit edited();
}

void ProjectDocument::retranslateSteps()
{
    // Every step on the stack is one of ours; the stack only hands them out
    // as const.
    for (int i = 0; i < m_undoStack.count(); ++i)
        const_cast<ProjectChange *>(static_cast<const ProjectChange *>(m_undoStack.command(i)))->retranslate();
}

void ProjectDocument::restore(const State &state)
{
    const bool masterTypeChanged =
        state.config.MasterId != m_config.MasterId || state.masterTypeMissing != m_masterTypeMissing;
    int changedInput = -1;
    if (state.config.sameUserSettings(m_config)) {
        for (int input = 0; input < InputCount && changedInput < 0; ++input) {
            if (!(state.calibrations[input] == m_calibrations[input]))
                changedInput = input;
        }
    }
    m_config = state.config;
    m_calibrations = state.calibrations;
    m_masterTypeMissing = state.masterTypeMissing;
    m_committed = state;
    // The editor shows the restored state; what it held goes.
    m_editPending = false;
    emit stateRestored(masterTypeChanged, changedInput);
    updateModified();
    emit edited();
}

QString ProjectDocument::title() const
{
    if (m_pathName.isEmpty())
        return loadTranslatedString(61443);
    return QFileInfo(m_pathName).fileName();
}

void ProjectDocument::setPath(const QString &path)
{
    if (m_pathName == path)
        return;
    m_pathName = path;
    emit pathChanged(path);
}

InputCalibration *ProjectDocument::calibration(int input)
{
    return input >= 0 && input < InputCount ? &m_calibrations[size_t(input)] : nullptr;
}

const InputCalibration *ProjectDocument::calibration(int input) const
{
    return input >= 0 && input < InputCount ? &m_calibrations[size_t(input)] : nullptr;
}

QVector<int> ProjectDocument::unkeptCalibrations() const
{
    QVector<int> unkept;
    for (int input = 0; input < InputCount; ++input) {
        if (!(m_calibrations[size_t(input)] == m_keptCalibrations[size_t(input)]))
            unkept << input;
    }
    return unkept;
}

void ProjectDocument::calibrationKept(int input)
{
    if (input >= 0 && input < InputCount)
        m_keptCalibrations[size_t(input)] = m_calibrations[size_t(input)];
}

void ProjectDocument::reloaded()
{
    m_calibrations = {};
    m_keptCalibrations = {};
    m_committed = state();
    m_savedState = m_committed;
    m_undoStack.clear();
    m_editPending = false;
    updateModified();
    emit recordReloaded();
}

bool ProjectDocument::newProject()
{
    emit newDocumentStarted();
    m_config.reset();
    // The reset keeps the master type's strings; a new project has none, as a
    // file without master type opens.
    applyStoredMasterType();
    setPath(QString());
    m_fileBytes.clear();
    setModified(false);
    reloaded();
    return true;
}

void ProjectDocument::recordFitted(const std::function<void(ConfigRecord &)> &fit)
{
    m_committed.config = m_config;
    if (fit)
        fit(m_savedState.config);
    updateModified();
}

void ProjectDocument::applyStoredMasterType()
{
    MasterTypeLookup &lookup = m_lookup ? *m_lookup : defaultMasterTypeLookup();
    MasterTypeInfo info;
    if (m_config.MasterId != -1)
        info = lookup.fetchById(m_config.MasterId);
    m_config.applyMasterType(info);
    m_masterTypeMissing = m_config.MasterId != -1 && !info.Found;
}

void ProjectDocument::lookUpMasterTypeAgain()
{
    const bool wasMissing = m_masterTypeMissing;
    applyStoredMasterType();
    // What the catalogue says of the type is no change of the user's.
    recordFitted();
    m_committed.masterTypeMissing = m_masterTypeMissing;
    if (m_masterTypeMissing && !wasMissing)
        tellMasterTypeMissing();
}

void ProjectDocument::tellMasterTypeMissing() const
{
    user_messages::show(loadTranslatedString(5007).arg(m_config.MasterId), user_messages::Icon::Exclamation);
}

void ProjectDocument::chooseMasterType(int masterId, const MasterTypeInfo &info)
{
    m_config.reset();
    m_config.MasterId = masterId;
    m_config.applyMasterType(info);
    m_config.DataSource = 0;
    m_masterTypeMissing = !info.Found;
}

bool ProjectDocument::readInto(const QString &path, ConfigRecord &record) const
{
    record.reset();
    const project_file::ReadResult result = project_file::readFile(path, record);
    if (result.status == project_file::ReadStatus::Ok)
        return true;
    user_messages::showAboutFile(project_file::failureMessage(QFileInfo(path).fileName(), result), path,
                                 user_messages::Icon::Error);
    return false;
}

bool ProjectDocument::isReadable(const QString &path) const
{
    ConfigRecord scratch = m_config;
    return readInto(path, scratch);
}

bool ProjectDocument::open(const QString &path)
{
    ConfigRecord loaded = m_config;
    // Nothing of the open project changes until the file has been read.
    if (!readInto(path, loaded))
        return false;

    m_config = loaded;
    applyStoredMasterType();
    setPath(QFileInfo(path).absoluteFilePath());
    m_fileBytes = fileBytes(path);
    setModified(false);
    reloaded();
    if (m_masterTypeMissing)
        tellMasterTypeMissing();
    // Values a damaged file holds are said at once, not first at saving or
    // writing (a list showing none of its entries, a field showing "nan").
    const QStringList damaged = record_check::valuesNoGaugeTakes(m_config, record_check::familyOfMasterType(m_config));
    if (!damaged.isEmpty())
        user_messages::showAboutFile(
            loadTranslatedString(5018).arg(QFileInfo(path).fileName(), damaged.join(QStringLiteral(", "))), path,
            user_messages::Icon::Exclamation);
    return true;
}

bool ProjectDocument::onRecoverDocument(const QString &copy, const QString &originalPath,
                                        const QByteArray &originalBytes,
                                        const std::array<InputCalibration, InputCount> &calibrations)
{
    if (!open(copy))
        return false;
    setPath(originalPath.isEmpty() ? QString() : QFileInfo(originalPath).absoluteFilePath());
    m_fileBytes = originalBytes;
    // In no table file: closing asks about them as before the crash.
    m_calibrations = calibrations;
    m_committed = state();
    setModified(true);
    emit recordReloaded();
    return true;
}

bool ProjectDocument::commitForSaving() const
{
    if (m_commitHook && !m_commitHook(CommitPurpose::Save))
        return false;
    const QVector<record_check::Refusal> refusals = record_check::checkRecord(m_config);
    if (refusals.isEmpty())
        return true;
    user_messages::show(record_check::refusalText(refusals.first()), user_messages::Icon::Exclamation);
    return false;
}

bool ProjectDocument::mayReplace(const QString &path) const
{
    if (m_fileBytes.isEmpty() || QFileInfo(path).absoluteFilePath() != m_pathName)
        return true;
    const QByteArray now = fileBytes(path);
    if (now.isEmpty() || now == m_fileBytes)
        return true;
    user_messages::Message question;
    question.text = loadTranslatedString(5019).arg(QFileInfo(path).fileName());
    question.icon = user_messages::Icon::Question;
    question.buttons = user_messages::Buttons::YesNo;
    question.noByDefault = true; // Yes drops the other program's change
    return user_messages::show(question) == user_messages::Answer::Yes;
}

bool ProjectDocument::save(const QString &path)
{
    if (!commitForSaving() || !mayReplace(path))
        return false;
    QString error;
    if (!project_file::writeFile(path, m_config, &error)) {
        user_messages::showAboutFile(loadTranslatedString(5002).arg(QFileInfo(path).fileName(), error), path,
                                     user_messages::Icon::Error);
        return false;
    }
    setPath(QFileInfo(path).absoluteFilePath());
    m_fileBytes = project_file::serialize(m_config);
    setModified(false);
    return true;
}
