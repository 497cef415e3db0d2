#include "CMasterOverview.h"

#include "MasterOverviewRules.h"
#include "app/DialogTemplates.h"
#include "app/Language.h"
#include "app/TranslateWindow.h"
#include "app/UserMessages.h"
#include "frame/FrameServices.h"
#include "model/CRixDoc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

using namespace master_overview;

namespace {

constexpr int FormTemplate = 120;
constexpr int HeaderBandBelowPicture = 170; // pixels of white below the picture's top
constexpr int PictureHeight = 160;

QWidget *createControl(const dialog_templates::ControlTemplate &t, QWidget *parent)
{
    using K = dialog_templates::ControlKind;
    const QString text = QString::fromUtf8(t.text);
    QWidget *w = nullptr;
    switch (t.kind) {
    case K::Edit:
        w = new QLineEdit(parent);
        break;
    case K::Button:
        w = new QPushButton(text, parent);
        break;
    case K::CheckBox:
        w = new QCheckBox(text, parent);
        break;
    case K::RadioButton:
        w = new QRadioButton(text, parent);
        break;
    case K::GroupBox:
        w = new QGroupBox(text, parent);
        break;
    case K::DropDownList: {
        auto *box = new QComboBox(parent);
        for (const char *item : t.items)
            box->addItem(QString::fromUtf8(item));
        w = box;
        break;
    }
    case K::Line:
    case K::Frame:
    case K::ListView: {
        auto *frame = new QFrame(parent);
        frame->setFrameShape(t.kind == K::Line ? QFrame::HLine : QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Sunken);
        w = frame;
        break;
    }
    case K::Picture:
    case K::Label:
        w = new QLabel(text, parent);
        break;
    }
    w->setObjectName(QString::number(t.id));
    if (t.hidden)
        w->setVisible(false);
    return w;
}

void setText(QWidget *w, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *line = qobject_cast<QLineEdit *>(w))
        line->setText(text);
}

QString textOf(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *line = qobject_cast<QLineEdit *>(w))
        return line->text();
    return QString();
}

// A list shows the record's index; an index the list does not have shows no
// entry rather than a wrong one.
void showIndex(QComboBox *box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

// The list's index, or the record's value when the list shows no entry.
int takeIndex(const QComboBox *box, int current)
{
    return box->currentIndex() >= 0 ? box->currentIndex() : current;
}

}

CMasterOverview::CMasterOverview(CRixDoc *document, QWidget *parent)
    : CFormView(document, parent)
{
    setObjectName(QStringLiteral("CMasterOverview"));
    createControls();
    arrangeControls();

    connect(list(ids::SourceList), qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CMasterOverview::onSourceSelected);
    connect(qobject_cast<QPushButton *>(Control(ids::PresetButton)), &QPushButton::clicked, this,
            &CMasterOverview::onPresetCounter);
    edit(ids::ThresholdEdit)->installEventFilter(this);
}

void CMasterOverview::createControls()
{
    const dialog_templates::DialogTemplate *form = dialog_templates::find(FormTemplate);
    Q_ASSERT(form);
    // The counter group is made first so that it lies behind the controls it frames.
    for (const auto &t : form->controls) {
        if (t.id == ids::CounterGroup)
            m_controls.insert(t.id, createControl(t, this));
    }
    for (const auto &t : form->controls) {
        if (t.id != ids::CounterGroup && t.id != dialog_templates::UnnamedControl)
            m_controls.insert(t.id, createControl(t, this));
    }
    auto *picture = qobject_cast<QLabel *>(Control(ids::Picture));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFixedHeight(PictureHeight);
    auto *title = qobject_cast<QLabel *>(Control(ids::Title));
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

// Every control stays a direct child of the form (tagged texts are translated
// on direct children only); the layouts merely place them.
void CMasterOverview::arrangeControls()
{
    using namespace ids;
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 12);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    auto place = [this, grid](int id, int row, int column, int rowSpan = 1, int columnSpan = 1) {
        grid->addWidget(Control(id), row, column, rowSpan, columnSpan);
    };

    auto *header = new QHBoxLayout;
    header->setSpacing(24);
    header->addWidget(Control(Picture), 0, Qt::AlignTop);
    header->addWidget(Control(Title), 1);
    grid->addLayout(header, 0, 0, 1, 8, Qt::AlignTop);
    grid->setRowMinimumHeight(0, HeaderBandBelowPicture + 4);

    // Left: the signal, the warning, the second input, illumination and units.
    const int left[][3] = {
        {SourceLabel, SourceList, 0},         {PulseLabel, PulseEdit, PulseUnit},
        {ThresholdLabel, ThresholdEdit, ThresholdUnit}, {WarnModeLabel, WarnModeList, 0},
        {Source2Label, Source2List, 0},       {Pulse2Label, Pulse2Edit, Pulse2Unit},
    };
    int row = 1;
    for (const auto &r : left) {
        place(r[0], row, 0);
        place(r[1], row, 1);
        if (r[2])
            place(r[2], row, 2);
        ++row;
    }
    place(Buzzer, row++, 0, 1, 3);
    place(GeneralLine, row++, 0, 1, 3);
    place(GeneralLabel, row++, 0, 1, 3);
    place(IlluminationLabel, row, 0);
    place(IlluminationList, row++, 1);
    place(UnitsLine, row++, 0, 1, 3);
    place(UnitsLabel, row++, 0, 1, 3);
    const int units[][2] = {{DistanceLabel, DistanceList}, {TemperatureLabel, TemperatureList},
                            {TimeLabel, TimeList},         {DepthLabel, DepthList}};
    for (const auto &r : units) {
        place(r[0], row, 0);
        place(r[1], row++, 1);
    }
    const int lastRow = row;

    // Right: the LCD items, then the counter preset.
    row = 1;
    place(DisplayLabel, row++, 4, 1, 3);
    place(DisplayChoiceLabel, row++, 4, 1, 3);
    for (const DisplayItem &item : DisplayItems())
        place(item.controlId, row++, 4, 1, 3);
    ++row;
    place(CounterGroup, row, 4, 4, 3);
    auto *counter = new QGridLayout;
    counter->setContentsMargins(10, 14, 10, 10);
    counter->addWidget(Control(DistanceCounterLabel), 0, 0, 1, 3);
    counter->addWidget(Control(HourCounterLabel), 0, 0, 1, 3);
    counter->addWidget(Control(CounterEdit), 1, 0);
    counter->addWidget(Control(CounterUnit), 1, 1);
    counter->addWidget(Control(PresetButton), 2, 0);
    grid->addLayout(counter, row, 4, 4, 3);

    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(qMax(lastRow, row + 4), 1);
}

QComboBox *CMasterOverview::list(int controlId) const
{
    return qobject_cast<QComboBox *>(Control(controlId));
}

QLineEdit *CMasterOverview::edit(int controlId) const
{
    return qobject_cast<QLineEdit *>(Control(controlId));
}

void CMasterOverview::OnInitialUpdate()
{
    CRixDoc *document = GetDocument();
    if (!document)
        return;
    m_filling = true;
    UpdateControls();
    loadControls();
    TranslateWindow(this);
    createTitleFont();

    QComboBox *warnMode = list(ids::WarnModeList);
    warnMode->clear();
    warnMode->addItem(LoadTranslatedString(1123));
    warnMode->addItem(LoadTranslatedString(1122));

    m_work = document->GetConfig();
    fillSourceList();
    if (m_work.IsSpeedometer() || m_work.IsSumlog())
        edit(ids::CounterEdit)->setText(QStringLiteral("0"));
    else if (m_work.IsTachometer())
        edit(ids::CounterEdit)->setText(QStringLiteral("0.0"));
    loadControls();
    m_filling = false;
}

void CMasterOverview::createTitleFont()
{
    if (m_titleFont)
        return;
    QWidget *title = Control(ids::Title);
    QFont font = title->font();
    if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() * 2);
    else
        font.setPointSizeF(font.pointSizeF() * 2);
    font.setFamily(QStringLiteral("Arial"));
    m_titleFont = font;
    title->setFont(font);
}

void CMasterOverview::fillSourceList()
{
    QComboBox *source = list(ids::SourceList);
    source->clear();
    if (m_work.IsSpeedometer() || m_work.IsSumlog()) {
        source->addItem(QStringLiteral("Speedo (Frequency)"), 1);
        source->addItem(QStringLiteral("Speedo (NMEA)"), 16);
        setText(Control(ids::PulseLabel), LoadTranslatedString(1125));
        setText(Control(ids::PulseUnit), m_work.IsSumlog() ? QStringLiteral("Imp./nm") : LoadTranslatedString(1126));
        setText(Control(ids::ThresholdUnit), QStringLiteral("km/h"));
    } else {
        source->addItem(QStringLiteral("Tacho (Frequency)"), 2);
        setText(Control(ids::PulseLabel), LoadTranslatedString(1127));
        setText(Control(ids::PulseUnit), LoadTranslatedString(1128));
        setText(Control(ids::ThresholdUnit), QStringLiteral("U/min"));
    }
}

void CMasterOverview::UpdateControls(std::optional<int> selectedSource)
{
    CRixDoc *document = GetDocument();
    if (!document)
        return;
    CConfigData &record = document->GetConfig();
    m_work = record;
    const ControlStates states = ComputeControlStates(m_work, selectedSource.value_or(record.DataSource));
    ClearUnshowableDisplayBits(record);
    ClearUnshowableDisplayBits(m_work);

    for (auto it = states.shown.cbegin(); it != states.shown.cend(); ++it)
        Control(it.key())->setVisible(it.value());
    for (auto it = states.enabled.cbegin(); it != states.enabled.cend(); ++it)
        Control(it.key())->setEnabled(it.value());
    if (states.tickBuzzer)
        qobject_cast<QCheckBox *>(Control(ids::Buzzer))->setChecked(true);
    setText(Control(ids::CounterUnit), states.counterUnit);
}

bool CMasterOverview::UpdateData(bool saveAndValidate)
{
    if (!GetDocument())
        return false;
    if (saveAndValidate)
        return saveControls();
    m_filling = true;
    UpdateControls();
    loadControls();
    m_filling = false;
    return true;
}

void CMasterOverview::loadControls()
{
    const bool wasFilling = m_filling;
    m_filling = true;
    m_work = GetDocument()->GetConfig();

    auto *picture = qobject_cast<QLabel *>(Control(ids::Picture));
    if (m_work.PictureBitmap.isNull())
        picture->clear();
    else
        picture->setPixmap(QPixmap::fromImage(m_work.PictureBitmap.height() > PictureHeight
                                                  ? m_work.PictureBitmap.scaledToHeight(PictureHeight,
                                                                                        Qt::SmoothTransformation)
                                                  : m_work.PictureBitmap));
    setText(Control(ids::Title), m_work.Description);
    showIndex(list(ids::SourceList), m_work.DataSource);
    edit(ids::PulseEdit)->setText(FormatPulseFactor(m_work));
    edit(ids::ThresholdEdit)->setText(FormatThreshold(m_work.WarnThreshold));
    showIndex(list(ids::WarnModeList), m_work.WarnMode);
    qobject_cast<QCheckBox *>(Control(ids::Buzzer))->setChecked(m_work.BuzzerActive != 0);
    showIndex(list(ids::Source2List), m_work.DataSource2);
    for (const DisplayItem &item : DisplayItems())
        qobject_cast<QCheckBox *>(Control(item.controlId))->setChecked(m_work.TestDisplayBit(item.bit));
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
    const ControlStates states = ComputeControlStates(m_work, m_work.DataSource);
    for (int id : {ids::PulseLabel, ids::PulseEdit, ids::PulseUnit})
        Control(id)->setEnabled(states.enabled.value(id));
    if (states.tickBuzzer)
        qobject_cast<QCheckBox *>(Control(ids::Buzzer))->setChecked(true);
    m_filling = wasFilling;
}

bool CMasterOverview::saveControls()
{
    CRixDoc *document = GetDocument();
    // Fields the form does not show keep the record's values.
    CConfigData candidate = document->GetConfig();

    candidate.DataSource = takeIndex(list(ids::SourceList), candidate.DataSource);

    // Pulse factor. With an NMEA source the field is disabled and unused: a
    // value that cannot be taken there leaves the record's value alone.
    const QString pulseLabel = textOf(Control(ids::PulseLabel));
    const QString pulseText = edit(ids::PulseEdit)->text();
    const TypedNumber pulse = ParseTypedNumber(pulseText);
    const Range pulseCapacity = PulseFactorCapacity(candidate);
    const bool pulseFits = pulse.status == TypedNumber::Ok && pulse.value >= pulseCapacity.low
        && pulse.value <= pulseCapacity.high;
    if (candidate.DataSource != 1) {
        if (pulse.status != TypedNumber::Ok) {
            refuse(ids::PulseEdit, NumberRefusal(pulse, pulseLabel, pulseText));
            return false;
        }
        SetPulseFactorValue(candidate, pulse.value);
    } else if (pulseFits) {
        SetPulseFactorValue(candidate, pulse.value);
    }

    clampThresholdText();
    const QString thresholdLabel = textOf(Control(ids::ThresholdLabel));
    const QString thresholdText = edit(ids::ThresholdEdit)->text();
    const TypedNumber threshold = ParseTypedNumber(thresholdText);
    if (threshold.status != TypedNumber::Ok) {
        refuse(ids::ThresholdEdit, NumberRefusal(threshold, thresholdLabel, thresholdText));
        return false;
    }
    if (const std::optional<Range> capacity = ThresholdCapacity(candidate);
        capacity && !(threshold.value >= capacity->low && threshold.value <= capacity->high)) {
        refuse(ids::ThresholdEdit, CapacityRefusal(thresholdLabel, thresholdText, *capacity));
        return false;
    }
    candidate.WarnThreshold = threshold.value;

    candidate.WarnMode = takeIndex(list(ids::WarnModeList), candidate.WarnMode);
    candidate.BuzzerActive = qobject_cast<QCheckBox *>(Control(ids::Buzzer))->isChecked() ? 1 : 0;
    candidate.DataSource2 = takeIndex(list(ids::Source2List), candidate.DataSource2);
    for (const DisplayItem &item : DisplayItems())
        candidate.SetDisplayBit(item.bit, qobject_cast<QCheckBox *>(Control(item.controlId))->isChecked());
    if (list(ids::IlluminationList)->currentIndex() >= 0)
        candidate.Illumination = list(ids::IlluminationList)->currentIndex() * 10;
    candidate.DistanceUnit = takeIndex(list(ids::DistanceList), candidate.DistanceUnit);
    candidate.TemperatureUnit = takeIndex(list(ids::TemperatureList), candidate.TemperatureUnit);
    candidate.TimeFormat = takeIndex(list(ids::TimeList), candidate.TimeFormat);
    candidate.DepthUnit = takeIndex(list(ids::DepthList), candidate.DepthUnit);

    if (candidate.DataSource != 1) {
        const QString limits = CheckPulseFactorLimits(candidate, pulse.value, pulseLabel);
        if (!limits.isEmpty()) {
            refuse(ids::PulseEdit, limits);
            return false;
        }
        if (!pulseFits) {
            refuse(ids::PulseEdit, CapacityRefusal(pulseLabel, pulseText, pulseCapacity));
            return false;
        }
    }

    m_work = candidate;
    if (!SameUserSettings(candidate, document->GetConfig())) {
        document->GetConfig() = candidate;
        document->SetModifiedFlag(true);
    }
    return true;
}

void CMasterOverview::refuse(int fieldId, const QString &message)
{
    user_messages::Message m;
    m.text = message;
    m.icon = user_messages::Icon::Exclamation;
    m.owner = this;
    user_messages::show(m);
    QLineEdit *field = edit(fieldId);
    field->selectAll();
    field->setFocus(Qt::OtherFocusReason);
}

void CMasterOverview::clampThresholdText()
{
    QLineEdit *field = edit(ids::ThresholdEdit);
    const TypedNumber typed = ParseTypedNumber(field->text());
    // Text that is no number is left for the save to name.
    if (!m_work.CalculateThreshold || typed.status != TypedNumber::Ok)
        return;
    field->setText(FormatThreshold(ClampThreshold(m_work, typed.value)));
}

bool CMasterOverview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && watched == Control(ids::ThresholdEdit))
        clampThresholdText();
    return CFormView::eventFilter(watched, event);
}

void CMasterOverview::onSourceSelected(int index)
{
    if (m_filling || index < 0)
        return;
    m_work.DataSource = index;
    UpdateControls(index);
}

void CMasterOverview::onPresetCounter()
{
    const CounterPresetCheck check = CheckCounterPreset(m_work, edit(ids::CounterEdit)->text());
    if (!check.refusal.isEmpty()) {
        user_messages::Message m;
        m.text = check.refusal;
        m.icon = user_messages::Icon::Exclamation;
        m.owner = this;
        user_messages::show(m);
        return;
    }
    if (check.preset && TheFrame())
        TheFrame()->PresetCounter(check.preset->startAddress, check.preset->cellCount, check.preset->value);
}

void CMasterOverview::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::white);
    const int bottom = Control(ids::Picture)->geometry().top() + HeaderBandBelowPicture;
    painter.drawRect(QRect(0, 0, width() - 1, bottom));
    CFormView::paintEvent(event);
}
