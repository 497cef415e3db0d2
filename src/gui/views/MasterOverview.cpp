#include "MasterOverview.h"

#include "ChangeName.h"
#include "FieldMark.h"
#include "FormColumns.h"
#include "MasterOverviewControls.h"
#include "forms/MasterOverviewRules.h"
#include "forms/RecordComparison.h"
#include "base/Language.h"
#include "app/TranslateWindow.h"
#include "base/UserMessages.h"
#include "mainwindow/FrameServices.h"
#include "model/ProjectDocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>

using namespace master_overview;

namespace {

void setText(QWidget *w, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *line = qobject_cast<QLineEdit *>(w))
        line->setText(text);
}

// A list shows the record's index; an index the list does not have shows no
// entry rather than a wrong one.
void showIndex(QComboBox *box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

}

MasterOverview::MasterOverview(ProjectDocument *document, QWidget *parent)
    : FormView(document, parent)
{
    setObjectName(QStringLiteral("MasterOverview"));
    m_controls = createControls(this);
    m_labelGrids = arrangeControls(this, m_controls);

    connect(list(ids::SourceList), qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MasterOverview::onSourceSelected);
    connect(qobject_cast<QPushButton *>(control(ids::PresetButton)), &QPushButton::clicked, this,
            &MasterOverview::onPresetCounter);
    edit(ids::ThresholdEdit)->installEventFilter(this);
    edit(ids::PulseEdit)->installEventFilter(this);
    edit(ids::CounterEdit)->installEventFilter(this);
    // A refused counter value stays marked until it is typed over.
    connect(edit(ids::CounterEdit), &QLineEdit::textEdited, this,
            [this] { field_mark::mark(edit(ids::CounterEdit), note(ids::CounterEdit), QString()); });

    // The title shows a change as it is typed; the record takes it, checked,
    // when the field is left (one undo step), or the form is.
    for (int id : {ids::PulseEdit, ids::ThresholdEdit}) {
        connect(edit(id), &QLineEdit::textEdited, this, [this, id] {
            onUserChange();
            if (id == ids::ThresholdEdit)
                markThreshold();
        });
        connect(edit(id), &QLineEdit::editingFinished, this, [this, id] {
            if (!m_filling && this->document())
                saveControls(Exchange::Quiet, visitKey(edit(id)), id);
        });
    }
    // A choice goes into the record at once.
    for (QComboBox *box : findChildren<QComboBox *>())
        connect(box, qOverload<int>(&QComboBox::activated), this, &MasterOverview::onChoiceMade);
    for (QCheckBox *box : findChildren<QCheckBox *>())
        connect(box, &QCheckBox::clicked, this, &MasterOverview::onChoiceMade);
}

MasterOverview::~MasterOverview()
{
    // The focused field hands in its value when it goes: not into a form
    // that is half gone.
    for (QLineEdit *field : findChildren<QLineEdit *>())
        disconnect(field, nullptr, this, nullptr);
}

QLabel *MasterOverview::note(int fieldId) const
{
    return findChild<QLabel *>(QStringLiteral("note%1").arg(fieldId));
}

void MasterOverview::onUserChange()
{
    if (m_filling || !document())
        return;
    document()->setEditPending(differsFromRecord());
    markPulseFactor();
}

void MasterOverview::onChoiceMade()
{
    if (m_filling || !document())
        return;
    ConfigRecord &record = document()->config();
    const ConfigRecord chosen = takeChoices(record);
    if (!chosen.sameUserSettings(record)) {
        const ProjectDocument::StepName name = [before = record, after = chosen] {
            return changeNameOf(before, after);
        };
        record = chosen;
        m_work = record;
        document()->commitChange(name);
    }
    onUserChange();
}

bool MasterOverview::differsFromRecord() const
{
    const ConfigRecord &record = document()->config();
    if (!takeChoices(record).sameUserSettings(record))
        return true;
    // A typed number that means the record's value ("5000.0") is no change.
    ConfigRecord typed = record;
    const QString pulse = edit(ids::PulseEdit)->text();
    if (!control(ids::PulseEdit)->isHidden() && pulse != formatPulseFactor(record)) {
        const TypedNumber number = parseTypedNumber(pulse);
        if (number.status != TypedNumber::Ok)
            return true;
        setPulseFactorValue(typed, number.value);
    }
    const QString threshold = edit(ids::ThresholdEdit)->text();
    if (!control(ids::ThresholdEdit)->isHidden() && threshold != formatThreshold(record.WarnThreshold)) {
        const TypedNumber number = parseTypedNumber(threshold);
        if (number.status != TypedNumber::Ok)
            return true;
        typed.WarnThreshold = number.value;
    }
    return !typed.sameUserSettings(record);
}

QString MasterOverview::changeNameOf(const ConfigRecord &before, const ConfigRecord &after)
{
    const QVector<record_comparison::FieldDifference> differences = record_comparison::compareRecords(before, after);
    return differences.isEmpty() ? changeName(1121) : differences.first().label;
}

QComboBox *MasterOverview::list(int controlId) const
{
    return qobject_cast<QComboBox *>(control(controlId));
}

QLineEdit *MasterOverview::edit(int controlId) const
{
    return qobject_cast<QLineEdit *>(control(controlId));
}

void MasterOverview::initialize()
{
    ProjectDocument *document = this->document();
    if (!document)
        return;
    m_filling = true;
    updateControls();
    loadControls();
    translateWindow(this);
    createTitleFont();
    form_columns::alignLabels(m_labelGrids);

    QComboBox *warnMode = list(ids::WarnModeList);
    warnMode->clear();
    warnMode->addItem(loadTranslatedString(1123));
    warnMode->addItem(loadTranslatedString(1122));

    // Neither the project file nor the gauge has a place for the second
    // input's pulse factor: the field shows that nothing typed would be kept.
    edit(ids::Pulse2Edit)->setReadOnly(true);
    edit(ids::Pulse2Edit)->setToolTip(loadTranslatedString(5510));

    m_work = document->config();
    fillSourceList();
    if (m_work.isSpeedometer() || m_work.isSumlog())
        edit(ids::CounterEdit)->setText(QStringLiteral("0"));
    else if (m_work.isTachometer())
        edit(ids::CounterEdit)->setText(QStringLiteral("0.0"));
    loadControls();
    form_columns::capFieldWidths(this);
    m_filling = false;
}

void MasterOverview::createTitleFont()
{
    if (m_titleFont)
        return;
    QWidget *title = control(ids::Title);
    QFont font = title->font();
    if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() * 2);
    else
        font.setPointSizeF(font.pointSizeF() * 2);
    font.setFamily(QStringLiteral("Arial"));
    m_titleFont = font;
    title->setFont(font);
}

void MasterOverview::fillSourceList()
{
    QComboBox *source = list(ids::SourceList);
    source->clear();
    for (const SignalSource &s : signalSources(m_work))
        source->addItem(s.name, s.code);
    setText(control(ids::PulseLabel), pulseFactorLabel(m_work));
    setText(control(ids::PulseUnit), pulseFactorUnit(m_work));
    setText(control(ids::ThresholdUnit), master_overview::thresholdUnitText(m_work));
}

void MasterOverview::updateControls(std::optional<int> selectedSource)
{
    ProjectDocument *document = this->document();
    if (!document)
        return;
    ConfigRecord &record = document->config();
    m_work = record;
    const ControlStates states = computeControlStates(m_work, selectedSource.value_or(record.DataSource));
    // An LCD master keeps its buzzer output on: the record is made to fit,
    // like the LCD items, and that is no change of the user's.
    const auto fit = [tickBuzzer = states.tickBuzzer](ConfigRecord &c) {
        clearUnshowableDisplayBits(c);
        if (tickBuzzer)
            c.BuzzerActive = 1;
    };
    fit(record);
    fit(m_work);
    document->recordFitted(fit);

    for (auto it = states.shown.cbegin(); it != states.shown.cend(); ++it)
        control(it.key())->setVisible(it.value());
    for (auto it = states.enabled.cbegin(); it != states.enabled.cend(); ++it)
        control(it.key())->setEnabled(it.value());
    const QString notKept = states.displayNotKept ? loadTranslatedString(5990) : QString();
    for (int id : displaySettingControls())
        control(id)->setToolTip(notKept);
    if (states.tickBuzzer)
        qobject_cast<QCheckBox *>(control(ids::Buzzer))->setChecked(true);
    setText(control(ids::CounterUnit), states.counterUnit);
}

bool MasterOverview::canLeave()
{
    return document() && saveControls(Exchange::Leave);
}

void MasterOverview::commitQuietly()
{
    if (!document())
        return;
    // A field still being typed in: later commits of this visit join this one.
    QWidget *focus = QApplication::focusWidget();
    saveControls(Exchange::Quiet, focus && isAncestorOf(focus) ? visitKey(focus) : QString());
}

void MasterOverview::loadFromRecord()
{
    if (!document())
        return;
    m_filling = true;
    updateControls();
    loadControls();
    m_filling = false;
}

bool MasterOverview::saveToRecord()
{
    return document() && saveControls(Exchange::Save);
}

void MasterOverview::loadControls()
{
    const bool wasFilling = m_filling;
    m_filling = true;
    m_work = document()->config();

    auto *picture = qobject_cast<QLabel *>(control(ids::Picture));
    if (m_work.PictureBitmap.isNull())
        picture->clear();
    else
        picture->setPixmap(QPixmap::fromImage(m_work.PictureBitmap.height() > PictureHeight
                                                  ? m_work.PictureBitmap.scaledToHeight(PictureHeight,
                                                                                        Qt::SmoothTransformation)
                                                  : m_work.PictureBitmap));
    setText(control(ids::Title), m_work.Description);
    showIndex(list(ids::SourceList), m_work.DataSource);
    edit(ids::PulseEdit)->setText(formatPulseFactor(m_work));
    edit(ids::ThresholdEdit)->setText(formatThreshold(m_work.WarnThreshold));
    showIndex(list(ids::WarnModeList), m_work.WarnMode);
    qobject_cast<QCheckBox *>(control(ids::Buzzer))->setChecked(m_work.BuzzerActive != 0);
    showIndex(list(ids::Source2List), m_work.DataSource2);
    for (const DisplayItem &item : displayItems())
        qobject_cast<QCheckBox *>(control(item.controlId))->setChecked(m_work.testDisplayBit(item.bit));
    const double illumination = m_work.Illumination / 10.0;
    showIndex(list(ids::IlluminationList), std::isfinite(illumination) && std::fabs(illumination) < 1000
                                               ? static_cast<int>(illumination)
                                               : -1);
    showIndex(list(ids::DistanceList), m_work.DistanceUnit);
    showIndex(list(ids::TemperatureList), m_work.TemperatureUnit);
    showIndex(list(ids::TimeList), m_work.TimeFormat);
    showIndex(list(ids::DepthList), m_work.DepthUnit);

    // Loading overwrote the states that follow from the values: the pulse
    // factor's with the loaded source, and the buzzer of an LCD master, which
    // must stay ticked so that the next save turns its output on.
    const ControlStates states = computeControlStates(m_work, m_work.DataSource);
    for (int id : {ids::PulseLabel, ids::PulseEdit, ids::PulseUnit})
        control(id)->setEnabled(states.enabled.value(id));
    if (states.tickBuzzer)
        qobject_cast<QCheckBox *>(control(ids::Buzzer))->setChecked(true);
    markThreshold();
    markPulseFactor();
    m_filling = wasFilling;
    document()->setEditPending(differsFromRecord());
}

bool MasterOverview::saveControls(Exchange purpose, const QString &mergeKey, int onlyField)
{
    ProjectDocument *document = this->document();
    // Fields the form does not show keep the record's values.
    ConfigRecord candidate = onlyField ? document->config() : takeChoices(document->config());
    QVector<TypedField> typed;
    if ((!onlyField || onlyField == ids::PulseEdit) && !takePulseFactor(candidate, purpose, typed))
        return false;
    if ((!onlyField || onlyField == ids::ThresholdEdit) && !takeThreshold(candidate, purpose, typed))
        return false;
    if (!checkCandidate(candidate, purpose, typed))
        return false;

    m_work = candidate;
    if (!candidate.sameUserSettings(document->config())) {
        const ProjectDocument::StepName name = [before = document->config(), after = candidate] {
            return changeNameOf(before, after);
        };
        document->config() = candidate;
        document->commitChange(name, mergeKey);
    }
    document->setEditPending(differsFromRecord());
    return true;
}

ConfigRecord MasterOverview::takeChoices(ConfigRecord candidate) const
{
    candidate.DataSource = takeIndex(list(ids::SourceList), candidate.DataSource);
    candidate.WarnMode = takeIndex(list(ids::WarnModeList), candidate.WarnMode);
    candidate.BuzzerActive = qobject_cast<QCheckBox *>(control(ids::Buzzer))->isChecked() ? 1 : 0;
    candidate.DataSource2 = takeIndex(list(ids::Source2List), candidate.DataSource2);
    for (const DisplayItem &item : displayItems())
        candidate.setDisplayBit(item.bit, qobject_cast<QCheckBox *>(control(item.controlId))->isChecked());
    // The list shows a value between its steps as the step below: only a
    // step picked anew replaces it.
    const int illumination = list(ids::IlluminationList)->currentIndex();
    if (illumination >= 0 && illumination != static_cast<int>(candidate.Illumination / 10.0))
        candidate.Illumination = illumination * 10;
    candidate.DistanceUnit = takeIndex(list(ids::DistanceList), candidate.DistanceUnit);
    candidate.TemperatureUnit = takeIndex(list(ids::TemperatureList), candidate.TemperatureUnit);
    candidate.TimeFormat = takeIndex(list(ids::TimeList), candidate.TimeFormat);
    candidate.DepthUnit = takeIndex(list(ids::DepthList), candidate.DepthUnit);
    return candidate;
}

bool MasterOverview::takePulseFactor(ConfigRecord &candidate, Exchange purpose, QVector<TypedField> &typed)
{
    // A type without pulse factor hides the field: nothing to take.
    if (control(ids::PulseEdit)->isHidden())
        return true;
    // Saved or written straight from the field, a value just typed is kept
    // as leaving the field keeps it, with its note.
    if (purpose != Exchange::Quiet)
        showKeptPulseFactor();
    const QString text = edit(ids::PulseEdit)->text();
    // Leaving keeps what was typed; an untouched value (a master type just
    // chosen, its pulse factor still 0) is left for saving and writing to
    // refuse, so that the rest of the project can still be looked at.
    if (purpose != Exchange::Save && text == formatPulseFactor(candidate))
        return true;
    const TypedNumber number = parseTypedNumber(text);

    // An NMEA source disables the field: a value that cannot be taken there
    // leaves the record's value alone.
    if (candidate.DataSource == 1) {
        const record_check::Range capacity = record_check::pulseFactorCapacity(candidate);
        if (number.status == TypedNumber::Ok && number.value >= capacity.low && number.value <= capacity.high)
            setPulseFactorValue(candidate, number.value);
        return true;
    }
    const QString refusal = numberRefusal(number, textOf(control(ids::PulseLabel)), text);
    if (!refusal.isEmpty()) {
        if (purpose != Exchange::Quiet)
            refuse(ids::PulseEdit, refusal);
        return false;
    }
    setPulseFactorValue(candidate, number.value);
    typed.push_back({record_check::pulseFactorFieldName(candidate), ids::PulseEdit, ids::PulseLabel, text});
    return true;
}

bool MasterOverview::takeThreshold(ConfigRecord &candidate, Exchange purpose, QVector<TypedField> &typed)
{
    // A synchroniser has no warning threshold.
    if (control(ids::ThresholdEdit)->isHidden())
        return true;
    if (purpose != Exchange::Save && edit(ids::ThresholdEdit)->text() == formatThreshold(candidate.WarnThreshold))
        return true;
    // The field is not changed under the user's typing.
    if (purpose != Exchange::Quiet)
        clampThresholdText(purpose == Exchange::Save);
    const QString text = edit(ids::ThresholdEdit)->text();
    TypedNumber number = parseTypedNumber(text);
    if (purpose == Exchange::Quiet && number.status == TypedNumber::Ok)
        number.value = record_check::clampThreshold(m_work, number.value);
    const QString refusal = numberRefusal(number, textOf(control(ids::ThresholdLabel)), text);
    if (!refusal.isEmpty()) {
        if (purpose != Exchange::Quiet)
            refuse(ids::ThresholdEdit, refusal);
        return false;
    }
    candidate.WarnThreshold = number.value;
    typed.push_back({QStringLiteral("WarnThreshold"), ids::ThresholdEdit, ids::ThresholdLabel, text});
    return true;
}

bool MasterOverview::checkCandidate(const ConfigRecord &candidate, Exchange purpose, const QVector<TypedField> &typed)
{
    for (const record_check::Refusal &refusal : record_check::checkRecord(candidate)) {
        const auto field = std::find_if(typed.cbegin(), typed.cend(),
                                        [&](const TypedField &f) { return f.name == refusal.field; });
        if (field != typed.cend()) {
            if (purpose != Exchange::Quiet)
                refuse(field->editId,
                       fieldRefusalText(candidate, refusal, textOf(control(field->labelId)), field->text));
            return false;
        }
        // Leaving lets a value pass that was not typed here; saving and
        // writing never do.
        if (purpose == Exchange::Save) {
            warn(record_check::refusalText(refusal));
            return false;
        }
    }
    return true;
}

void MasterOverview::warn(const QString &message)
{
    user_messages::Message m;
    m.text = message;
    m.icon = user_messages::Icon::Exclamation;
    m.owner = this;
    user_messages::show(m);
}

void MasterOverview::refuse(int fieldId, const QString &message)
{
    field_mark::refuse(edit(fieldId), note(fieldId), message);
}

bool MasterOverview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && watched == control(ids::ThresholdEdit))
        clampThresholdText(false);
    if (event->type() == QEvent::FocusOut && watched == control(ids::PulseEdit))
        showKeptPulseFactor();
    if (event->type() == QEvent::FocusOut && watched == control(ids::CounterEdit))
        showKeptCounter();
    return FormView::eventFilter(watched, event);
}

void MasterOverview::onSourceSelected(int index)
{
    // The record takes the new source at the next save; the controls follow it now.
    if (m_filling || index < 0)
        return;
    updateControls(index);
}

void MasterOverview::onPresetCounter()
{
    showKeptCounter();
    const CounterPresetCheck check = checkCounterPreset(m_work, edit(ids::CounterEdit)->text());
    if (!check.refusal.isEmpty()) {
        field_mark::refuse(edit(ids::CounterEdit), note(ids::CounterEdit), check.refusal);
        return;
    }
    if (check.preset && mainWindowServices())
        mainWindowServices()->presetCounter(check.preset->plan.startAddress, check.preset->plan.cells,
                                            check.preset->plan.value);
}

void MasterOverview::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::white);
    // A title that wraps to more lines than the picture is high stays on white.
    const int bottom = qMax(control(ids::Picture)->geometry().top() + HeaderBandBelowPicture,
                            control(ids::Title)->geometry().bottom() + 10);
    painter.drawRect(QRect(0, 0, width() - 1, bottom));
    FormView::paintEvent(event);
}
