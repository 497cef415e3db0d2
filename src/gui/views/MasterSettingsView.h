#pragma once
// The master's basic settings page of the service items: a picture band,
// the choice between an operating-hours and a distance display, the counter
// preset field, the tachometer/speedometer choice, the speed and engine-speed
// groups with their pulse factors, the minimum speed, the engine-speed
// threshold and the light warning.
//
// Nothing on it is bound to the project: leaving it, its buttons and saving
// the project only check that every number typed is a number, and a field
// that is not keeps the form in place. The input damping lists have no
// entries and stay hidden.
#include "FormView.h"
#include "MasterSettingsControls.h"

namespace dialog_templates {
struct DialogTemplate;
}

class MasterSettingsView : public FormView
{
    Q_OBJECT
public:
    explicit MasterSettingsView(ProjectDocument *document, QWidget *parent = nullptr);
    // Built from another form template (one that lacks controls of the usual).
    MasterSettingsView(ProjectDocument *document, const dialog_templates::DialogTemplate &formTemplate,
                       QWidget *parent = nullptr);

    void initialize() override;
    // Checks the numeric fields; the project is never changed. False, after
    // naming the field and giving it the focus, when one is no number.
    bool saveToRecord() override;

    // The control with that template identifier, or nullptr.
    QWidget *control(int controlId) const { return m_controls.control(controlId); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void hideDampingControls();
    // Why field's text cannot be taken; empty when it can.
    QString refusalOf(const master_settings::NumberField &field) const;
    void onDisplayChosen();

    master_settings::Controls m_controls;
};
