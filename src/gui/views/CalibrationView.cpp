#include "CalibrationView.h"

#include "CalibrationGraph.h"
#include "ChangeName.h"
#include "FieldMark.h"
#include "ServiceItems.h"
#include "app/TranslateWindow.h"
#include "base/Language.h"
#include "base/UserMessages.h"
#include "dialogs/SensorSelectionDialog.h"
#include "forms/CalibrationTable.h"
#include "forms/NumberField.h"
#include "model/ProjectDocument.h"
#include "model/SensorGroups.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using namespace calibration_form;

namespace {

constexpr int Rows = InputCalibration::Rows;
// Support points are shown with one decimal, the signal check window with three.
constexpr int PointPlaces = 1;
constexpr int CheckPlaces = 3;

struct Column
{
    int firstId;
    int labelId; // "... row %1:"
    std::array<double, Rows> InputCalibration::*values;
};
const Column columns[] = {
    {ids::FirstResistance, 5620, &InputCalibration::resistance},
    {ids::FirstQuantity, 5621, &InputCalibration::quantity},
    {ids::FirstDisplay, 5622, &InputCalibration::displayValue},
    {ids::FirstAngle, 5623, &InputCalibration::pointerAngle},
};

// The chosen sensor by its group and name, then its order number (when it
// has one) and its ranges.
QString sensorLine(const SensorCurve &sensor)
{
    if (!sensor.Defined)
        return QString();
    QStringList parts{sensor_groups::label(sensor.TypeIndex) + QStringLiteral(": ") + sensor.Name};
    if (!sensor.Bestellnummer.isEmpty())
        parts << loadTranslatedString(1000) + QLatin1Char(' ') + sensor.Bestellnummer;
    parts << loadTranslatedString(1048) + QLatin1Char(' ')
                 + SensorCurve::formatRanges(sensor.BeginX, sensor.EndX, sensor.DimensionX, sensor.YMin, sensor.YMax,
                                             sensor.DimensionY);
    return parts.join(QStringLiteral(", "));
}

// Calls visit(id, places, label, value) for every number field and the value
// it stands for in values, until a visit returns false.
template <typename Visit>
bool visitNumberFields(InputCalibration &values, Visit visit)
{
    for (const Column &c : columns) {
        for (int row = 0; row < Rows; ++row) {
            if (!visit(c.firstId + row, PointPlaces, loadTranslatedString(c.labelId).arg(row + 1),
                       (values.*c.values)[size_t(row)]))
                return false;
        }
    }
    return visit(ids::MinEdit, CheckPlaces, loadTranslatedString(5624), values.signalCheckMin)
        && visit(ids::MaxEdit, CheckPlaces, loadTranslatedString(5625), values.signalCheckMax);
}

void setText(QWidget *w, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
}

}

CalibrationView::CalibrationView(ProjectDocument *document, QWidget *parent)
    : FormView(document, parent)
    , m_values(&m_own)
{
    setObjectName(QStringLiteral("CalibrationView"));
    m_form = createForm(this);

    // Each value taken is one undo step; a field's during one visit.
    auto takeAndDraw = [this](QWidget *from, bool typed) {
        if (m_filling)
            return;
        takeValues(true);
        commit(from, typed);
        updateControls();
        updateGraph();
    };
    InputCalibration scratch;
    visitNumberFields(scratch, [&](int id, int, const QString &, double &) {
        QLineEdit *field = edit(id);
        connect(field, &QLineEdit::editingFinished, this, [=] { takeAndDraw(field, true); });
        connect(field, &QLineEdit::textEdited, this, [=] { field_mark::mark(field, nullptr, refusalOf(id)); });
        return true;
    });
    for (int id : {ids::SourceList, ids::SupportList}) {
        QComboBox *box = list(id);
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this, [=] { takeAndDraw(box, false); });
    }
    QWidget *check = control(ids::SignalCheck);
    connect(qobject_cast<QCheckBox *>(check), &QCheckBox::clicked, this, [=] { takeAndDraw(check, false); });
    connect(qobject_cast<QPushButton *>(control(ids::SensorButton)), &QPushButton::clicked, this,
            &CalibrationView::chooseSensor);
    connect(m_form.saveTable, &QPushButton::clicked, this, &CalibrationView::saveTable);
    connect(m_form.loadTable, &QPushButton::clicked, this, &CalibrationView::loadTable);
}

CalibrationView::~CalibrationView()
{
    // The focused field hands in its value when it goes: not into a form
    // that is half gone.
    for (QLineEdit *field : findChildren<QLineEdit *>())
        disconnect(field, nullptr, this, nullptr);
}

QLineEdit *CalibrationView::edit(int controlId) const
{
    return qobject_cast<QLineEdit *>(control(controlId));
}

QComboBox *CalibrationView::list(int controlId) const
{
    return qobject_cast<QComboBox *>(control(controlId));
}

void CalibrationView::initialize()
{
    m_filling = true;
    translateWindow(this);
    ProjectDocument *document = this->document();
    InputCalibration *values = document ? document->calibration(document->inputIndex()) : nullptr;
    m_gauge = values ? document->inputIndex() : -1;
    m_values = values ? values : &m_own;
    // The signal check marks the resistances a sensor must stay within, and
    // the count chooses between a straight line and eight points; the
    // pointer position and the delay have nothing behind them and stay hidden.
    for (int id : {ids::SignalCheck, ids::MinLabel, ids::MinEdit, ids::MaxLabel, ids::MaxEdit, ids::CheckUnit,
                   ids::SupportList})
        control(id)->setVisible(true);
    m_form.supportLabel->setVisible(true);
    showValues();
    updateControls();
    m_filling = false;
    updateGraph();
}

QString CalibrationView::refusalOf(int fieldId) const
{
    QString refusal;
    InputCalibration scratch;
    visitNumberFields(scratch, [&](int id, int places, const QString &label, double &value) {
        if (id == fieldId)
            refusal = number_field::take(edit(id)->text(), places, label, value);
        return id != fieldId;
    });
    return refusal;
}

void CalibrationView::loadFromRecord()
{
    m_filling = true;
    showValues();
    // Values put back (undo, a table loaded) are numbers: no mark stays.
    InputCalibration scratch;
    visitNumberFields(scratch, [this](int id, int, const QString &, double &) {
        field_mark::mark(edit(id), nullptr, QString());
        return true;
    });
    updateControls();
    m_filling = false;
    updateGraph();
}

bool CalibrationView::saveToRecord()
{
    return takeFromFocus(false);
}

void CalibrationView::commitQuietly()
{
    takeFromFocus(true);
}

bool CalibrationView::takeFromFocus(bool quiet)
{
    if (!takeValues(quiet))
        return false;
    // A field still being typed in: its visit goes on.
    QWidget *focus = QApplication::focusWidget();
    if (focus && isAncestorOf(focus))
        commit(focus, qobject_cast<QLineEdit *>(focus) != nullptr);
    else
        commit(nullptr, false);
    return true;
}

std::function<QString()> CalibrationView::nameOf(const QWidget *from) const
{
    const int id = from ? from->objectName().toInt() : 0;
    for (const Column &c : columns) {
        if (id >= c.firstId && id < c.firstId + Rows)
            return [labelId = c.labelId, row = id - c.firstId + 1] {
                return changeName(loadTranslatedString(labelId).arg(row));
            };
    }
    // The lists by their labels' texts, the others by their own; a label's
    // tag ("ID_400 ...") is its text's id in the language pack.
    int textId = 1015;
    if (id == ids::MinEdit || id == ids::MaxEdit)
        textId = id == ids::MinEdit ? 5624 : 5625;
    else if (id == ids::SourceList)
        textId = TranslationOffset + 400;
    else if (id == ids::SupportList)
        textId = TranslationOffset + 401;
    else if (id == ids::SensorButton)
        textId = TranslationOffset + 403;
    else if (id == ids::SignalCheck)
        textId = TranslationOffset + 408;
    else if (from && from == m_form.loadTable)
        textId = 5647;
    return [textId] { return changeName(textId); };
}

void CalibrationView::commit(const QWidget *from, bool typed)
{
    if (m_gauge >= 0 && document())
        document()->commitChange(nameOf(from), typed && from ? visitKey(from) : QString());
}

void CalibrationView::showValues()
{
    showInputColumns();
    for (int c = 2; c < 4; ++c) {
        for (int row = 0; row < Rows; ++row)
            edit(columns[c].firstId + row)->setText(
                number_field::format((m_values->*columns[c].values)[size_t(row)], PointPlaces));
    }
    edit(ids::MinEdit)->setText(number_field::format(m_values->signalCheckMin, CheckPlaces));
    edit(ids::MaxEdit)->setText(number_field::format(m_values->signalCheckMax, CheckPlaces));
    const int source = m_values->signalSource;
    list(ids::SourceList)->setCurrentIndex(source >= 0 && source < list(ids::SourceList)->count() ? source : -1);
    qobject_cast<QCheckBox *>(control(ids::SignalCheck))->setChecked(m_values->signalCheck);
    list(ids::SupportList)->setCurrentIndex(m_values->supportPointCount == InputCalibration::FewPoints ? 0 : 1);
    showTexts();
}

void CalibrationView::showInputColumns()
{
    for (int c = 0; c < 2; ++c) {
        for (int row = 0; row < Rows; ++row)
            edit(columns[c].firstId + row)->setText(
                number_field::format((m_values->*columns[c].values)[size_t(row)], PointPlaces));
    }
}

void CalibrationView::showTexts()
{
    const QString unit = m_values->quantityUnit;
    setText(control(ids::XUnit), QStringLiteral("Ohm"));
    setText(control(ids::YUnit), unit);
    setText(control(ids::ResistanceHeader), QStringLiteral("Ohm:"));
    setText(control(ids::QuantityHeader), unit.isEmpty() ? QString() : unit + QLatin1Char(':'));
    setText(control(ids::DisplayHeader), QString());
    setText(control(ids::SensorText), sensorLine(m_values->sensor));
    m_form.title->setText(m_gauge >= 0 ? service_items::gaugeInputName(m_gauge) : QString());
}

bool CalibrationView::takeValues(bool quiet)
{
    InputCalibration taken = *m_values;
    const bool numbers = visitNumberFields(taken, [&](int id, int places, const QString &label, double &value) {
        const QString refusal = number_field::take(edit(id)->text(), places, label, value);
        if (refusal.isEmpty() || quiet)
            return true;
        field_mark::refuse(edit(id), nullptr, refusal);
        return false;
    });
    if (!numbers)
        return false;
    if (list(ids::SourceList)->currentIndex() >= 0)
        taken.signalSource = list(ids::SourceList)->currentIndex();
    taken.signalCheck = qobject_cast<QCheckBox *>(control(ids::SignalCheck))->isChecked();
    taken.supportPointCount = list(ids::SupportList)->currentIndex() == 0 ? InputCalibration::FewPoints
                                                                          : InputCalibration::AllPoints;
    *m_values = taken;
    return true;
}

void CalibrationView::updateControls()
{
    const bool locked = calibration::inputsLocked(m_gauge, m_values->signalSource);
    for (const Column &c : columns) {
        for (int row = 0; row < Rows; ++row) {
            QWidget *field = control(c.firstId + row);
            field->setVisible(row < m_values->supportPointCount);
            if (c.firstId == ids::FirstResistance || c.firstId == ids::FirstQuantity)
                field->setEnabled(!locked);
        }
    }
    // Only the Aux gauge has a choice of signal; its inputs are free with its
    // analog input chosen.
    control(ids::SourceLabel)->setVisible(m_gauge == calibration::AuxGauge);
    control(ids::SourceList)->setVisible(m_gauge == calibration::AuxGauge);
    control(ids::SensorButton)->setEnabled(!locked);
    for (int id : {ids::MinEdit, ids::MaxEdit})
        control(id)->setEnabled(m_values->signalCheck);
}

void CalibrationView::updateGraph()
{
    CalibrationGraph::Picture picture;
    for (int row = 0; row < m_values->supportPointCount && row < Rows; ++row)
        picture.supportPoints.append({m_values->quantity[size_t(row)], m_values->resistance[size_t(row)]});
    picture.bounds = calibration::axisBounds(picture.supportPoints);
    const SensorCurve &sensor = m_values->sensor;
    if (sensor.Defined) {
        for (int i = 0; i < sensor.PointCount; ++i)
            picture.sensorPoints.append({sensor.X[size_t(i)], sensor.Y[size_t(i)]});
    }
    picture.locked = calibration::inputsLocked(m_gauge, m_values->signalSource);
    picture.signalCheck = m_values->signalCheck;
    picture.signalCheckMin = m_values->signalCheckMin;
    picture.signalCheckMax = m_values->signalCheckMax;
    m_form.graph->setPicture(picture);
}

void CalibrationView::chooseSensor()
{
    if (calibration::inputsLocked(m_gauge, m_values->signalSource))
        return;
    SensorSelectionDialog dialog(this);
    dialog.setType(sensor_groups::UserDefined);
    if (dialog.exec() != QDialog::Accepted || !dialog.taken())
        return;
    const SensorSelection &chosen = dialog.selection();
    SensorCurve sensor;
    sensor.DimensionX = chosen.UnitX;
    sensor.DimensionY = chosen.UnitY;
    sensor.Gruppe = chosen.Group;
    sensor.Bestellnummer = chosen.OrderNumber;
    sensor.Name = chosen.Name;
    sensor.TypeIndex = dialog.type();
    sensor.BeginX = chosen.BeginX;
    sensor.EndX = chosen.EndX;
    sensor.YMin = chosen.YMin;
    sensor.YMax = chosen.YMax;
    sensor.Defined = 1;
    sensor.setPointsFromText(chosen.XValues, chosen.YValues);
    const QVector<calibration::SupportPoint> points = calibration::supportPoints(sensor, m_values->supportPointCount);
    if (points.isEmpty()) {
        warn(loadTranslatedString(5630).arg(sensor.PointCount));
        return;
    }
    // What the display columns hold stays; the input columns take the curve.
    takeValues(true);
    m_values->sensor = sensor;
    m_values->quantityUnit = sensor.DimensionX;
    for (int row = 0; row < points.size(); ++row) {
        m_values->quantity[size_t(row)] = points[row].quantity;
        m_values->resistance[size_t(row)] = points[row].resistance;
    }
    commit(control(ids::SensorButton), false);
    m_filling = true;
    showInputColumns();
    showTexts();
    m_filling = false;
    updateGraph();
}

void CalibrationView::saveTable()
{
    if (!takeFromFocus(false))
        return;
    QFileDialog dialog(this, loadTranslatedString(5650));
    dialog.setObjectName(QStringLiteral("tableSaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(loadTranslatedString(5648));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (document() && !document()->filePath().isEmpty())
        dialog.setDirectory(QFileInfo(document()->filePath()).absolutePath());
    dialog.selectFile(loadTranslatedString(5649).arg(m_gauge + 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    QString error;
    if (!calibration_table::save(path, *m_values, &error))
        user_messages::showAboutFile(error, path, user_messages::Icon::Error);
    else if (document())
        document()->calibrationKept(m_gauge);
}

void CalibrationView::loadTable()
{
    QFileDialog dialog(this, loadTranslatedString(5651));
    dialog.setObjectName(QStringLiteral("tableOpenDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(loadTranslatedString(5648));
    if (document() && !document()->filePath().isEmpty())
        dialog.setDirectory(QFileInfo(document()->filePath()).absolutePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    InputCalibration loaded = *m_values;
    QString error;
    if (!calibration_table::load(path, loaded, &error)) {
        user_messages::showAboutFile(error, path, user_messages::Icon::Error);
        return;
    }
    *m_values = loaded;
    commit(m_form.loadTable, false);
    if (document())
        document()->calibrationKept(m_gauge);
    loadFromRecord();
}

void CalibrationView::warn(const QString &message)
{
    user_messages::Message m;
    m.text = message;
    m.icon = user_messages::Icon::Exclamation;
    m.owner = this;
    user_messages::show(m);
}

void CalibrationView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(0, 0, width() - 1, control(ids::Picture)->geometry().top() + HeaderBandBelowPicture));
    FormView::paintEvent(event);
}
