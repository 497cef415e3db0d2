#include "MasterOverviewControls.h"

#include "FormColumns.h"
#include "TemplateControl.h"
#include "forms/MasterOverviewRules.h"
#include "resources/DialogTemplates.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

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

QList<QGridLayout *> arrangeControls(QWidget *form, const QHash<int, QWidget *> &controls)
{
    using namespace ids;
    auto control = [&controls](int id) { return controls.value(id); };
    auto *outer = new QVBoxLayout(form);
    outer->setContentsMargins(12, 10, 12, 12);
    outer->setSpacing(6);

    auto *header = new QHBoxLayout;
    header->setSpacing(24);
    header->addWidget(control(Picture), 0, Qt::AlignTop);
    header->addWidget(control(Title), 1);
    outer->addLayout(header);
    outer->addSpacing(HeaderBandBelowPicture - PictureHeight + 4);

    // Three sections (the signal, the general settings and units, the LCD
    // items with the counter preset) share the width in as many columns as
    // it holds. In each, labels, fields and units are columns of a grid of
    // its own, so that a row one section hides takes no room from another;
    // a row whose controls are all hidden takes no room at all.
    auto *columns = new FormColumns;
    outer->addLayout(columns);
    outer->addStretch(1);
    auto section = [columns](QWidget *divider = nullptr) {
        auto *grid = new QGridLayout;
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(6);
        grid->setColumnStretch(1, 1);
        columns->addSection(grid, divider);
        return grid;
    };
    QGridLayout *grid = nullptr;
    int row = 0;
    auto labelled = [&](int label, int field, int unit) {
        grid->addWidget(control(label), row, 0);
        grid->addLayout(form_columns::fieldWithUnit(control(field), unit ? control(unit) : nullptr), row, 1);
        ++row;
    };
    auto wide = [&](int id) { grid->addWidget(control(id), row++, 0, 1, 2); };
    // A note under a field says what the program did with its value or
    // what it still needs; it takes room only while it says something.
    auto note = [&](int field, int column = 1) {
        auto *label = new QLabel(form);
        label->setObjectName(QStringLiteral("note%1").arg(field));
        label->setForegroundRole(QPalette::Link);
        label->setWordWrap(true);
        label->hide();
        grid->addWidget(label, row++, column);
    };

    grid = section();
    row = 0;
    labelled(SourceLabel, SourceList, 0);
    labelled(PulseLabel, PulseEdit, PulseUnit);
    note(PulseEdit);
    labelled(ThresholdLabel, ThresholdEdit, ThresholdUnit);
    note(ThresholdEdit);
    labelled(WarnModeLabel, WarnModeList, 0);
    wide(Buzzer);
    labelled(Source2Label, Source2List, 0);
    labelled(Pulse2Label, Pulse2Edit, Pulse2Unit);
    QGridLayout *signal = grid;

    grid = section(control(GeneralLine));
    row = 0;
    wide(GeneralLine);
    wide(GeneralLabel);
    labelled(IlluminationLabel, IlluminationList, 0);
    wide(UnitsLine);
    wide(UnitsLabel);
    labelled(DistanceLabel, DistanceList, 0);
    labelled(TemperatureLabel, TemperatureList, 0);
    labelled(TimeLabel, TimeList, 0);
    labelled(DepthLabel, DepthList, 0);
    QGridLayout *general = grid;

    // The LCD items, then the counter preset: its controls lie on the group
    // box (they stay children of the form, whose texts are translated), in
    // the same cell.
    grid = section();
    row = 0;
    wide(DisplayLabel);
    wide(DisplayChoiceLabel);
    for (const DisplayItem &item : displayItems())
        wide(item.controlId);
    grid->setRowMinimumHeight(row++, 4);
    grid->addWidget(control(CounterGroup), row, 0, 1, 2);
    auto *counter = new QGridLayout;
    grid->addLayout(counter, row, 0, 1, 2);
    counter->setContentsMargins(10, 14, 10, 10);
    counter->setHorizontalSpacing(8);
    counter->setVerticalSpacing(6);
    counter->addWidget(control(DistanceCounterLabel), 0, 0);
    counter->addWidget(control(HourCounterLabel), 1, 0);
    counter->addLayout(form_columns::fieldWithUnit(control(CounterEdit), control(CounterUnit)), 2, 0);
    counter->addWidget(control(PresetButton), 3, 0, Qt::AlignLeft);
    // Under the button: a note shown as the field is left must not move the
    // button from under the click that left it.
    grid = counter;
    row = 4;
    note(CounterEdit, 0);

    for (int heading : {GeneralLabel, UnitsLabel, DisplayLabel}) {
        QFont bold = control(heading)->font();
        bold.setBold(true);
        control(heading)->setFont(bold);
    }
    return {signal, general};
}

QString textOf(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *line = qobject_cast<QLineEdit *>(w))
        return line->text();
    return QString();
}

int takeIndex(const QComboBox *box, int current)
{
    return box->currentIndex() >= 0 ? box->currentIndex() : current;
}

}
