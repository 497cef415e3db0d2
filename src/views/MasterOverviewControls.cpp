#include "MasterOverviewControls.h"

#include "MasterOverviewRules.h"
#include "app/DialogTemplates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace master_overview {

namespace {

constexpr int FormTemplate = 120;

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

}

QHash<int, QWidget *> CreateControls(QWidget *form)
{
    QHash<int, QWidget *> controls;
    const dialog_templates::DialogTemplate *t = dialog_templates::find(FormTemplate);
    Q_ASSERT(t);
    // The counter group is made first so that it lies behind the controls it frames.
    for (const auto &control : t->controls) {
        if (control.id == ids::CounterGroup)
            controls.insert(control.id, createControl(control, form));
    }
    for (const auto &control : t->controls) {
        if (control.id != ids::CounterGroup && control.id != dialog_templates::UnnamedControl)
            controls.insert(control.id, createControl(control, form));
    }
    auto *picture = qobject_cast<QLabel *>(controls.value(ids::Picture));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFixedHeight(PictureHeight);
    auto *title = qobject_cast<QLabel *>(controls.value(ids::Title));
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return controls;
}

void ArrangeControls(QWidget *form, const QHash<int, QWidget *> &controls)
{
    using namespace ids;
    auto *grid = new QGridLayout(form);
    grid->setContentsMargins(12, 10, 12, 12);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    auto control = [&controls](int id) { return controls.value(id); };
    auto place = [&control, grid](int id, int row, int column, int rowSpan = 1, int columnSpan = 1) {
        grid->addWidget(control(id), row, column, rowSpan, columnSpan);
    };

    auto *header = new QHBoxLayout;
    header->setSpacing(24);
    header->addWidget(control(Picture), 0, Qt::AlignTop);
    header->addWidget(control(Title), 1);
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
    counter->addWidget(control(DistanceCounterLabel), 0, 0, 1, 3);
    counter->addWidget(control(HourCounterLabel), 0, 0, 1, 3);
    counter->addWidget(control(CounterEdit), 1, 0);
    counter->addWidget(control(CounterUnit), 1, 1);
    counter->addWidget(control(PresetButton), 2, 0);
    grid->addLayout(counter, row, 4, 4, 3);

    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(qMax(lastRow, row + 4), 1);
}


}
