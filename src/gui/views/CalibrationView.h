#pragma once
// The calibration of one gauge input: up to eight support points (input
// resistance to input quantity), the display table (display value to pointer
// angle), the graph of both and the sensor whose curve was resampled to the
// support points. The values belong to the open project (its calibration of
// this input), so they are there again whenever the input is shown; a table
// can be saved to and loaded from a CSV file.
//
// Every control of form template 114 carries its template identifier as its
// object name ("3009").
#include "CalibrationControls.h"
#include "FormView.h"
#include "model/InputCalibration.h"

#include <functional>

class QComboBox;
class QLineEdit;

class CalibrationView : public FormView
{
    Q_OBJECT
public:
    explicit CalibrationView(ProjectDocument *document, QWidget *parent = nullptr);
    ~CalibrationView() override;

    void initialize() override;
    void loadFromRecord() override;
    // Takes every field into the input's calibration; a value that is no
    // number is named in a message, its field gets the focus and the form
    // stays.
    bool saveToRecord() override;
    bool canLeave() override { return saveToRecord(); }
    void commitQuietly() override;

    // 0 Aux, 1 temperature, 2 fuel level; -1 when the form shows no input.
    int gaugeIndex() const { return m_gauge; }
    QWidget *control(int controlId) const { return m_form.controls.value(controlId); }

    // Picks a sensor and resamples its curve to the support points.
    void chooseSensor();
    void saveTable();
    void loadTable();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Shows the calibration's values in every field.
    void showValues();
    void showInputColumns();
    void showTexts();
    // Quiet takes the fields that hold numbers and leaves the others.
    bool takeValues(bool quiet);
    // Why the number field's text cannot be taken; empty when it can.
    QString refusalOf(int fieldId) const;
    // The same, and what was taken becomes an undo step.
    bool takeFromFocus(bool quiet);
    void updateControls();
    void updateGraph();
    // The name of a change made with that control, for its undo step.
    std::function<QString()> nameOf(const QWidget *from) const;
    // What was taken into the calibration becomes one undo step; a typed
    // value joins the step of its field's visit.
    void commit(const QWidget *from, bool typed);
    QLineEdit *edit(int controlId) const;
    QComboBox *list(int controlId) const;
    void warn(const QString &message);

    calibration_form::Form m_form;
    int m_gauge = -1;
    // The project's calibration of the input; a form for no input keeps its own.
    InputCalibration *m_values = nullptr;
    InputCalibration m_own;
    bool m_filling = false;
};
