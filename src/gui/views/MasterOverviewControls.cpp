#include "MasterOverviewControls.h"

#include "forms/MasterOverviewRules.h"
#include "resources/DialogTemplates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
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
        // Wide enough for the longest entry, in whatever language it is and
        // whenever the entries change (the list's own minimum is not kept
        // up to date with its entries, so it is never to go below its
        // preferred width).
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        box->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
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

QHash<int, QWidget *> createControls(QWidget *form)
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

void arrangeControls(QWidget *form, const QHash<int, QWidget *> &controls)
{
    using namespace ids;
    auto control = [&controls](int id) { return controls.value(id); };
    // The left and the right column are grids of their own, so that a row
    // one column hides takes no room from the other; a row whose controls
    // are all hidden takes no room at all.
    auto *outer = new QVBoxLayout(form);
    outer->setContentsMargins(12, 10, 12, 12);
    outer->setSpacing(6);

    auto *header = new QHBoxLayout;
    header->setSpacing(24);
    header->addWidget(control(Picture), 0, Qt::AlignTop);
    header->addWidget(control(Title), 1);
    outer->addLayout(header);
    outer->addSpacing(HeaderBandBelowPicture - PictureHeight + 4);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(24);
    outer->addLayout(columns);
    outer->addStretch(1);

    auto *left = new QGridLayout;
    left->setHorizontalSpacing(8);
    left->setVerticalSpacing(6);
    int row = 0;
    auto labelled = [&](int label, int field, int unit) {
        left->addWidget(control(label), row, 0);
        left->addWidget(control(field), row, 1);
        if (unit)
            left->addWidget(control(unit), row, 2);
        ++row;
    };
    auto wide = [&](int id) { left->addWidget(control(id), row++, 0, 1, 3); };
    labelled(SourceLabel, SourceList, 0);
    labelled(PulseLabel, PulseEdit, PulseUnit);
    labelled(ThresholdLabel, ThresholdEdit, ThresholdUnit);
    labelled(WarnModeLabel, WarnModeList, 0);
    labelled(Source2Label, Source2List, 0);
    labelled(Pulse2Label, Pulse2Edit, Pulse2Unit);
    wide(Buzzer);
    wide(GeneralLine);
    wide(GeneralLabel);
    labelled(IlluminationLabel, IlluminationList, 0);
    wide(UnitsLine);
    wide(UnitsLabel);
    labelled(DistanceLabel, DistanceList, 0);
    labelled(TemperatureLabel, TemperatureList, 0);
    labelled(TimeLabel, TimeList, 0);
    labelled(DepthLabel, DepthList, 0);
    columns->addLayout(left);

    // Right: the LCD items, then the counter preset: its controls lie on
    // the group box (they stay children of the form, whose texts are
    // translated), in the same cell of the column.
    auto *right = new QGridLayout;
    right->setVerticalSpacing(6);
    row = 0;
    right->addWidget(control(DisplayLabel), row++, 0);
    right->addWidget(control(DisplayChoiceLabel), row++, 0);
    for (const DisplayItem &item : displayItems())
        right->addWidget(control(item.controlId), row++, 0);
    right->addWidget(control(CounterGroup), row, 0);
    auto *counter = new QGridLayout;
    counter->setContentsMargins(10, 14, 10, 10);
    counter->addWidget(control(DistanceCounterLabel), 0, 0, 1, 2);
    counter->addWidget(control(HourCounterLabel), 1, 0, 1, 2);
    counter->addWidget(control(CounterEdit), 2, 0);
    counter->addWidget(control(CounterUnit), 2, 1);
    counter->addWidget(control(PresetButton), 3, 0);
    right->addLayout(counter, row, 0);
    columns->addLayout(right);
    columns->addStretch(1);
}


}
