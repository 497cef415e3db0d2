#include "MasterOverviewControls.h"

#include "TemplateControl.h"
#include "forms/MasterOverviewRules.h"
#include "resources/DialogTemplates.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>

namespace master_overview {

namespace {

constexpr int FormTemplate = 120;

}

QHash<int, QWidget *> createControls(QWidget *form)
{
    QHash<int, QWidget *> controls;
    const dialog_templates::DialogTemplate *t = dialog_templates::find(FormTemplate);
    Q_ASSERT(t);
    // The counter group is made first so that it lies behind the controls it frames.
    for (const auto &control : t->controls) {
        if (control.id == ids::CounterGroup)
            controls.insert(control.id, createTemplateControl(control, form));
    }
    for (const auto &control : t->controls) {
        if (control.id != ids::CounterGroup && control.id != dialog_templates::UnnamedControl)
            controls.insert(control.id, createTemplateControl(control, form));
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
    // A note beside a field says what the program did with its value or
    // what it still needs.
    auto note = [&](int field) {
        auto *label = new QLabel(form);
        label->setObjectName(QStringLiteral("note%1").arg(field));
        label->setForegroundRole(QPalette::Link);
        left->addWidget(label, row - 1, 3);
    };
    labelled(PulseLabel, PulseEdit, PulseUnit);
    note(PulseEdit);
    labelled(ThresholdLabel, ThresholdEdit, ThresholdUnit);
    note(ThresholdEdit);
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
