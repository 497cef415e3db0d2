#pragma once
// The master's settings form: a white band with the master type's picture and
// name, and below it the signal source, pulse factor, warning threshold,
// second input, illumination, units and LCD items, with what the master type
// shows and allows, and a group that presets the gauge's distance or hour
// counter at once.
//
// Every control of form template 120 carries its template identifier as its
// object name ("1085"), so translations and tests find it.
#include "FormView.h"
#include "model/ConfigRecord.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QVector>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

class MasterOverview : public FormView
{
    Q_OBJECT
public:
    explicit MasterOverview(ProjectDocument *document, QWidget *parent = nullptr);
    ~MasterOverview() override;

    void initialize() override;
    // Shows the document's record.
    void loadFromRecord() override;
    // Moves the controls into the record after checking them; a refused value
    // is named in a message, its field gets the focus, the form keeps what the
    // user typed and the record stays as it was. A save that changes the
    // record marks the document modified.
    bool saveToRecord() override;
    bool canLeave() override;
    void commitQuietly() override;
    // Shows, hides, enables and disables the controls for the master type.
    // It also makes the record fit the type: LCD items the type cannot show
    // are cleared. selectedSource: a signal source just picked in the list,
    // which counts instead of the record's.
    void updateControls(std::optional<int> selectedSource = std::nullopt);

    // The control with that template identifier, or nullptr.
    QWidget *control(int controlId) const { return m_controls.value(controlId); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createTitleFont();
    void fillSourceList();
    void loadControls();
    // Leaving the form takes what was typed but lets an untouched value pass
    // unchecked; saving (for a file or a gauge) checks everything. Quiet takes
    // what leaving takes but neither tells the user of a refusal nor touches
    // the fields.
    enum class Exchange { Save, Leave, Quiet };
    // A value taken from an edit field: the record field it went to, the
    // field's edit and label, and the text as typed.
    struct TypedField
    {
        QString name;
        int editId;
        int labelId;
        QString text;
    };
    // A change that reaches the record is one undo step; mergeKey: see
    // ProjectDocument::commitChange. onlyField: the one edit field whose
    // visit ends, taken alone.
    bool saveControls(Exchange purpose, const QString &mergeKey = QString(), int onlyField = 0);
    // The record with the lists' and boxes' choices: they need no check.
    ConfigRecord takeChoices(ConfigRecord candidate) const;
    bool takePulseFactor(ConfigRecord &candidate, Exchange purpose, QVector<TypedField> &typed);
    bool takeThreshold(ConfigRecord &candidate, Exchange purpose, QVector<TypedField> &typed);
    // The record check on what the form would write: a refused typed value
    // is named at its field; any other refusal stops only saving.
    bool checkCandidate(const ConfigRecord &candidate, Exchange purpose, const QVector<TypedField> &typed);
    // Keeps a typed threshold on the scale, as the whole number the gauge
    // holds, and says so beside the field; untyped: also a value the user
    // has not edited (for saving).
    void clampThresholdText(bool untyped);
    // A typed pulse factor with more decimals than the gauge keeps is shown
    // as kept (one decimal), with a note beside the field.
    void showKeptPulseFactor();
    // The same for a counter value: whole units, or tenths of hours.
    void showKeptCounter();
    // Typing: the title shows whether the form now differs from the record.
    void onUserChange();
    // A list entry or box chosen: into the record, one undo step.
    void onChoiceMade();
    // The controls show values the record does not hold.
    bool differsFromRecord() const;
    // The label of the first field that differs, as the undo step's name.
    static QString changeNameOf(const ConfigRecord &before, const ConfigRecord &after);
    // Frames the pulse factor and names the values it needs under it while
    // it lies outside the master type's limits or what the gauge can take;
    // true when it does.
    bool markPulseFactor();
    // The same for the threshold of a master that does not keep it on its scale.
    bool markThreshold();
    // "needs a value from ... to ..." when the record check refuses the
    // field's value in probe; empty when it takes it.
    static QString neededRange(const ConfigRecord &probe, const QString &fieldName);
    QLabel *note(int fieldId) const;
    // A warning that belongs to this form.
    void warn(const QString &message);
    // Shows the refusal on the field itself and gives it the focus.
    void refuse(int fieldId, const QString &message);
    void onSourceSelected(int index);
    void onPresetCounter();

    QComboBox *list(int controlId) const;
    QLineEdit *edit(int controlId) const;

    QHash<int, QWidget *> m_controls;
    QList<QGridLayout *> m_labelGrids;
    // The scratch copy the controls are exchanged with.
    ConfigRecord m_work;
    std::optional<QFont> m_titleFont;
    // Set while the form fills its own controls, so that list changes made
    // there are not taken for the user's choice.
    bool m_filling = false;
};
