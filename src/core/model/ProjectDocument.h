#pragma once
// The single project document: one master gauge configuration, the selected
// tree item, the steps that undo and redo move through and the file it
// belongs to.
#include "ConfigRecord.h"
#include "InputCalibration.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <QVector>
#include <functional>

class MasterTypeLookup;
class ProjectChange;

class ProjectDocument : public QObject
{
    Q_OBJECT
public:
    explicit ProjectDocument(QObject *parent = nullptr);

    ConfigRecord &config() { return m_config; }
    const ConfigRecord &config() const { return m_config; }

    // Code of the item selected in the project tree; the input index derived
    // from it is code / 100 - 2.
    int selectedTreeItem() const { return m_selectedTreeItem; }
    void setSelectedTreeItem(int code) { m_selectedTreeItem = code; }
    int inputIndex() const { return m_selectedTreeItem / 100 - 2; }

    // The gauge inputs' calibrations (input 0 Aux, 1 temperature, 2 fuel
    // level), kept while the project is open: a new or opened project starts
    // with empty ones. Not part of the project file. nullptr for another index.
    static constexpr int InputCount = 3;
    InputCalibration *calibration(int input);
    const InputCalibration *calibration(int input) const;
    // Inputs whose values are in no file: changed since the project began
    // or since the input's table was last saved or loaded.
    QVector<int> unkeptCalibrations() const;
    // The input's values as they are now are in a table file.
    void calibrationKept(int input);

    // Unsaved: the project differs from the state saved, opened or started
    // (a value changed and typed back is no change), or the editor shows a
    // change it has not handed in, or it is a recovered copy.
    bool isModified() const
    {
        return m_editPending || m_unsavedCopy
            || (!m_undoStack.isClean()
                && !(m_config.sameUserSettings(m_savedState.config) && m_calibrations == m_savedState.calibrations));
    }
    // false: the present state counts as saved. true: unsaved with no step
    // to undo (a recovered copy).
    void setModified(bool modified = true);

    // Every change of the user's to the record or a calibration, one step each.
    QUndoStack *undoStack() { return &m_undoStack; }
    // The name of an undo step (the changed field's label or the command's
    // name), made in the language of the moment it is shown in.
    using StepName = std::function<QString()>;
    // The record or a calibration holds a change of the user's: one undo step
    // named name. A commit with the same non-empty mergeKey as the step before
    // joins that step (typing in one field during one visit). A state that
    // differs from the last commit only in what the user does not set makes
    // no step.
    void commitChange(const StepName &name, const QString &mergeKey = QString());
    // The steps' names in the language now chosen.
    void retranslateSteps();
    // The editor shows a change that has not reached the record yet.
    void setEditPending(bool pending);
    // The record was made to fit its master type (LCD items it cannot show
    // cleared) by fit: no change of the user's, and undo keeps it so; what
    // was saved counts as fitted alike, so the fit alone shows no change.
    void recordFitted(const std::function<void(ConfigRecord &)> &fit = {});

    // Full path of the project file; empty for a project not saved yet.
    QString filePath() const { return m_pathName; }
    // File name, or the untitled document name of the current language.
    QString title() const;

    // A new, empty project.
    bool newProject();
    // Opens a project file. A file that cannot be read (missing, truncated,
    // not a project, a version this program does not read: message 1024 with
    // the version found) is reported naming the file and leaves the open
    // project untouched: record, path and modified flag (returns false).
    bool open(const QString &path);
    // Whether open() would read the file; one it would not is reported as
    // open() reports it.
    bool isReadable(const QString &path) const;
    // Takes a recovery copy as the project with unsaved changes of the file
    // originalPath (empty: a project never saved), which held originalBytes
    // when it was last opened or saved (empty: not known), with the inputs'
    // calibrations as unsaved values. False when the copy cannot be read
    // (the user has been told).
    bool onRecoverDocument(const QString &copy, const QString &originalPath, const QByteArray &originalBytes,
                           const std::array<InputCalibration, InputCount> &calibrations);
    // What the project's file held when it was last opened or saved here;
    // empty when that is not known. Save asks before replacing other bytes.
    QByteArray fileBytesSeen() const { return m_fileBytes; }
    // Saves as version 103 after commitForSaving; when that fails nothing is
    // written. The write is atomic.
    bool save(const QString &path);

    // Leaving the editor may let a value it shows untouched pass unchecked;
    // saving a file or writing to a gauge checks every value.
    enum class CommitPurpose { Leave, Save };
    // The editor in the right pane moves its controls into the record, with
    // validation; false when a value is refused (the editor told the user).
    void setCommitHook(std::function<bool(CommitPurpose)> hook) { m_commitHook = std::move(hook); }
    bool commitEditor() const { return !m_commitHook || m_commitHook(CommitPurpose::Leave); }
    // The editor's values with every check, then the record check: false
    // (the user has been told which value and why) when the record must not
    // be saved or sent.
    bool commitForSaving() const;
    // The same as leaving, without a word to the user: a refused value is
    // left out (for recovery copies).
    void setQuietCommitHook(std::function<void()> hook) { m_quietCommitHook = std::move(hook); }
    void commitEditorQuietly() const
    {
        if (m_quietCommitHook)
            m_quietCommitHook();
    }

    // Lookup used by loading; the process-wide default unless set.
    void setMasterTypeLookup(MasterTypeLookup *lookup) { m_lookup = lookup; }
    // Applies the master type with the record's MasterId from the lookup.
    void applyStoredMasterType();
    // The catalogue was changed: the record's master type is looked up again
    // (found now, gone, or described otherwise). The user's values stay and
    // no undo step is made; a type missing now is told as on opening.
    void lookUpMasterTypeAgain();
    // Starts the record afresh for a master type the user chose.
    void chooseMasterType(int masterId, const MasterTypeInfo &info);
    // The record names a master type the catalogue did not have when it was
    // looked up: the project cannot be exchanged with a gauge.
    bool masterTypeMissing() const { return m_masterTypeMissing; }
    // A master type of the catalogue is chosen: the project can be read from
    // and written to a gauge of its family.
    bool masterTypeChosen() const { return m_config.MasterId != -1 && !m_masterTypeMissing; }

signals:
    // A new project was started: the tree selects its first item.
    void newDocumentStarted();
    // The record was replaced (new or loaded): the editor shows its values.
    void recordReloaded();
    void modifiedChanged(bool modified);
    // The user changed a value (commitChange), or undo or redo did.
    void edited();
    // Undo or redo put another state back; the views show it. With another
    // master type the project tree changes too. changedInput: the gauge input
    // whose calibration the step changed, -1 when it changed the record.
    void stateRestored(bool masterTypeChanged, int changedInput);
    void pathChanged(const QString &path);

private:
    friend class ProjectChange;
    bool readInto(const QString &path, ConfigRecord &record) const;
    // What undo and redo move between.
    struct State
    {
        ConfigRecord config;
        std::array<InputCalibration, InputCount> calibrations;
        bool masterTypeMissing = false;

        bool sameForUser(const State &other) const
        {
            return config.sameUserSettings(other.config) && calibrations == other.calibrations;
        }
    };
    State state() const { return {m_config, m_calibrations, m_masterTypeMissing}; }
    void restore(const State &state);
    void setPath(const QString &path);
    // A record that replaces the old one: the old calibrations and the undo
    // steps go with it.
    void reloaded();
    void updateModified();
    void tellMasterTypeMissing() const;
    // False when the file at path was changed by another program since it
    // was read or written here, and the user keeps that change.
    bool mayReplace(const QString &path) const;

    ConfigRecord m_config;
    std::array<InputCalibration, InputCount> m_calibrations;
    std::array<InputCalibration, InputCount> m_keptCalibrations; // as last in a table file
    int m_selectedTreeItem = 0;
    QUndoStack m_undoStack;
    // The state as of the last step (or the start): the next step's "before".
    State m_committed;
    bool m_editPending = false;
    // The state saved, opened or started: the title's * compares with it.
    State m_savedState;
    bool m_unsavedCopy = false; // setModified(true): unsaved without a step
    bool m_modified = false; // as last announced
    QString m_pathName;
    // The file as this project last read or wrote it (empty: not known), to
    // tell a change another program made meanwhile.
    QByteArray m_fileBytes;
    std::function<bool(CommitPurpose)> m_commitHook;
    std::function<void()> m_quietCommitHook;
    MasterTypeLookup *m_lookup = nullptr;
    bool m_masterTypeMissing = false;
};
