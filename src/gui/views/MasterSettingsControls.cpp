#include "MasterSettingsControls.h"

#include "FormColumns.h"
#include "NumericEdit.h"
#include "TemplateControl.h"
#include "resources/DialogTemplates.h"
#include "resources/ProgramPictures.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace master_settings {

namespace {

// A grid that takes controls the template may lack.
class Grid
{
public:
    explicit Grid(QGridLayout *grid) : m_grid(grid) {}
    void add(QWidget *w, int row, int column, int columnSpan = 1)
    {
        if (w)
            m_grid->addWidget(w, row, column, 1, columnSpan);
    }
    // A label, its field and the field's unit close beside it on one row.
    void addRow(int row, QWidget *label, QWidget *field, QWidget *unit = nullptr)
    {
        add(label, row, 0);
        if (field)
            m_grid->addLayout(form_columns::fieldWithUnit(field, unit), row, 1);
        else
            add(unit, row, 1);
    }

    // A field and its unit without a label, across the grid.
    void addField(int row, QWidget *field, QWidget *unit)
    {
        if (field)
            m_grid->addLayout(form_columns::fieldWithUnit(field, unit), row, 0, 1, 2);
    }

private:
    QGridLayout *m_grid;
};

// A group box in a cell of grid, with the controls of inner laid out on it:
// they stay children of the form, whose direct children are translated.
QGridLayout *framedCell(QGridLayout *grid, QWidget *groupBox, int row, int column)
{
    auto *inner = new QGridLayout;
    inner->setHorizontalSpacing(8);
    inner->setVerticalSpacing(6);
    const int title = groupBox ? groupBox->fontMetrics().height() : 0;
    inner->setContentsMargins(10, title + 6, 10, 10);
    inner->setColumnStretch(1, 1);
    if (groupBox)
        grid->addWidget(groupBox, row, column);
    grid->addLayout(inner, row, column);
    return inner;
}

// Radio buttons of one choice: every control is a child of the form, so
// each pair needs a group of its own to exclude only its partner.
void groupRadioButtons(QWidget *form, QWidget *first, QWidget *second)
{
    auto *group = new QButtonGroup(form);
    for (QWidget *w : {first, second}) {
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            group->addButton(button);
    }
}

}

const QList<int> &dampingControls()
{
    using namespace ids;
    static const QList<int> controls = {SpeedDampingLabel, EngineDampingLabel, SpeedUpLabel,  SpeedDownLabel,
                                        EngineUpLabel,     EngineDownLabel,    SpeedUpList,   SpeedDownList,
                                        EngineUpList,      EngineDownList};
    return controls;
}

const QList<NumberField> &numberFields()
{
    using namespace ids;
    static const QList<NumberField> fields = {
        {CounterEdit, 0, "ID_1250 "},  {KValueEdit, 0, "ID_1244 "}, {MinSpeedEdit, 0, "ID_1246 "},
        {MValueEdit, 0, "ID_1245 "}, {ThresholdEdit, ThresholdLabel, nullptr},
    };
    return fields;
}

QWidget *Controls::unnamedControl(const char *start) const
{
    for (const auto &[text, widget] : unnamed) {
        if (text.startsWith(QString::fromUtf8(start)))
            return widget;
    }
    return nullptr;
}

QWidget *Controls::labelOf(const NumberField &field) const
{
    return field.labelId ? control(field.labelId) : unnamedControl(field.labelTemplate);
}

Controls createControls(QWidget *form, const dialog_templates::DialogTemplate &formTemplate)
{
    Controls controls;
    for (const dialog_templates::ControlTemplate &t : formTemplate.controls) {
        QWidget *w = nullptr;
        if (t.kind == dialog_templates::ControlKind::Edit) {
            w = new NumericEdit(form);
            w->setObjectName(QString::number(t.id));
        } else {
            w = createTemplateControl(t, form);
        }
        if (t.id == dialog_templates::UnnamedControl)
            controls.unnamed.append({QString::fromUtf8(t.text), w});
        else
            controls.named.insert(t.id, w);
    }
    // The picture's cell is as high as the white band, so that the groups
    // begin below it.
    if (auto *picture = qobject_cast<QLabel *>(controls.control(ids::Picture))) {
        picture->setPixmap(QPixmap::fromImage(programPicture(program_pictures::MasterSettingsPicture)));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setFixedHeight(HeaderBandBelowPicture);
    }
    groupRadioButtons(form, controls.control(ids::HoursDisplay), controls.control(ids::DistanceDisplay));
    groupRadioButtons(form, controls.control(ids::Tachometer), controls.control(ids::Speedometer));
    return controls;
}

void arrangeControls(QWidget *form, const Controls &c, QWidget *note)
{
    using namespace ids;
    auto *outer = new QVBoxLayout(form);
    outer->setContentsMargins(12, 10, 12, 12);
    outer->setSpacing(6);

    // The band: the picture, and beside it the basic settings heading with
    // the display choice.
    auto *header = new QHBoxLayout;
    header->setSpacing(24);
    if (QWidget *picture = c.control(Picture))
        header->addWidget(picture, 0, Qt::AlignTop);
    auto *basics = new QVBoxLayout;
    basics->setSpacing(6);
    for (QWidget *w : {c.unnamedControl("ID_1200 "), c.control(HoursDisplay), c.control(DistanceDisplay)}) {
        if (w)
            basics->addWidget(w);
    }
    basics->addStretch(1);
    header->addLayout(basics, 1);
    outer->addLayout(header);

    // The counter preset with the instrument choice, the speed and the
    // engine-speed groups share the width in as many columns as it holds.
    auto *columns = new FormColumns;
    outer->addLayout(columns);
    auto section = [columns] {
        auto *grid = new QGridLayout;
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setVerticalSpacing(10);
        columns->addSection(grid);
        return grid;
    };

    QGridLayout *first = section();
    Grid counter(framedCell(first, c.unnamedControl("ID_1250 "), 0, 0));
    counter.addField(0, c.control(CounterEdit), c.control(CounterUnit));
    counter.add(c.control(SetButton), 1, 0);
    auto *instrument = new QVBoxLayout;
    for (QWidget *w : {c.control(Tachometer), c.control(Speedometer)}) {
        if (w)
            instrument->addWidget(w);
    }
    first->addLayout(instrument, 1, 0);

    Grid speed(framedCell(section(), c.unnamedControl("ID_1242 "), 0, 0));
    speed.addRow(0, c.unnamedControl("ID_1244 "), c.control(KValueEdit), c.unnamedControl("ID_1248 "));
    speed.addRow(1, c.unnamedControl("ID_1246 "), c.control(MinSpeedEdit), c.unnamedControl("km/h"));
    speed.add(c.control(SpeedDampingLabel), 2, 0, 3);
    speed.addRow(3, c.control(SpeedUpLabel), c.control(SpeedUpList));
    speed.addRow(4, c.control(SpeedDownLabel), c.control(SpeedDownList));

    Grid engine(framedCell(section(), c.unnamedControl("ID_1243 "), 0, 0));
    engine.addRow(0, c.unnamedControl("ID_1245 "), c.control(MValueEdit), c.unnamedControl("ID_1249 "));
    engine.add(c.control(EngineDampingLabel), 1, 0, 3);
    engine.addRow(2, c.control(EngineUpLabel), c.control(EngineUpList));
    engine.addRow(3, c.control(EngineDownLabel), c.control(EngineDownList));
    engine.addRow(4, c.control(ThresholdLabel), c.control(ThresholdEdit), c.control(ThresholdUnit));

    for (QWidget *w : {c.control(LightWarning), note}) {
        if (w)
            outer->addWidget(w);
    }
    outer->addStretch(1);
}


}
