#include "SensorSelectionDialog.h"

#include "ListWidth.h"
#include "SensorDefinitionDialog.h"
#include "app/TranslateWindow.h"
#include "base/Language.h"
#include "base/UserMessages.h"
#include "model/SensorGroups.h"
#include "resources/DialogTemplates.h"
#include "views/TemplateControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>

namespace {

constexpr int TemplateId = 192;
constexpr int TypeList = 1068;
constexpr int NewButton = 1004;
constexpr int ChangeButton = 1005;
constexpr int DeleteButton = 4;
constexpr int SensorList = 1066;
// 312 x 142 dialog units of the template at the usual 8-point font.
constexpr QSize TemplateSize(468, 231);
// Column headings (language strings) and widths in pixels.
constexpr int Headings[] = {1000, 1007, 1049, 1048};
constexpr int Widths[] = {120, 150, 100, 200};

}

SensorSelectionDialog::SensorSelectionDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SensorSelectionDialog"));
    if (const dialog_templates::DialogTemplate *t = dialog_templates::find(TemplateId))
        setWindowTitle(QString::fromUtf8(t->caption));
    setSizeGripEnabled(true);
    const template_controls::Controls controls = template_controls::create(TemplateId, this, {});
    m_controls = controls.named;
    m_list = qobject_cast<QTreeWidget *>(control(SensorList));
    m_types = qobject_cast<QComboBox *>(control(TypeList));

    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(6);
    layout->addWidget(controls.unnamed.value(0), 0, 0); // "Type:"
    layout->addWidget(m_types, 1, 0);
    layout->addWidget(control(NewButton), 1, 1);
    layout->addWidget(control(ChangeButton), 1, 2);
    layout->addWidget(control(DeleteButton), 1, 3);
    layout->setColumnStretch(4, 1);
    layout->addWidget(m_list, 2, 0, 1, 5);
    layout->setRowStretch(2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(control(1));
    buttons->addWidget(control(2));
    buttons->addStretch(1);
    layout->addLayout(buttons, 3, 0, 1, 5);

    auto button = [this](int id) { return qobject_cast<QPushButton *>(control(id)); };
    button(1)->setDefault(true);
    connect(button(1), &QPushButton::clicked, this, &SensorSelectionDialog::accept);
    connect(button(2), &QPushButton::clicked, this, &SensorSelectionDialog::reject);
    connect(button(NewButton), &QPushButton::clicked, this, &SensorSelectionDialog::onNew);
    connect(button(ChangeButton), &QPushButton::clicked, this, &SensorSelectionDialog::onChange);
    connect(button(DeleteButton), &QPushButton::clicked, this, &SensorSelectionDialog::onDelete);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &SensorSelectionDialog::accept);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &SensorSelectionDialog::enableButtons);
    resize(TemplateSize);
}

SensorSelectionDialog::~SensorSelectionDialog()
{
    m_selection.close();
}

void SensorSelectionDialog::showEvent(QShowEvent *event)
{
    if (!m_prepared)
        prepare();
    QDialog::showEvent(event);
}

void SensorSelectionDialog::prepare()
{
    m_prepared = true;
    translateWindow(this);
    for (int type = 0; type < sensor_groups::Count; ++type)
        m_types->addItem(sensor_groups::label(type));
    QStringList headings;
    for (int id : Headings)
        headings << loadTranslatedString(id);
    m_list->setHeaderLabels(headings);
    m_list->header()->setStretchLastSection(false);
    for (int column = 0; column < headings.size(); ++column)
        m_list->header()->resizeSection(column, Widths[column]);

    m_types->setCurrentIndex(m_selection.Type >= 0 && m_selection.Type < sensor_groups::Count ? m_selection.Type : -1);
    fillList(-1);
    list_width::widenWindowFor(this, m_list);
    // The size first shown, widened for the list, is the smallest.
    m_minimumSize = size().expandedTo(minimumSizeHint());
    setMinimumSize(m_minimumSize);
    enableButtons();
    connect(m_types, qOverload<int>(&QComboBox::currentIndexChanged), this, &SensorSelectionDialog::onTypeChanged);
}

void SensorSelectionDialog::fillList(int selectKey)
{
    m_list->clear();
    m_rows = m_selection.fillList();
    for (int i = 0; i < m_rows.size(); ++i) {
        const SensorListRow &row = m_rows[i];
        auto *item = new QTreeWidgetItem(m_list, {row.OrderNumber, row.TypeLabel, row.Name, row.Ranges});
        item->setData(0, Qt::UserRole, i);
        if (row.RowKey == selectKey)
            m_list->setCurrentItem(item);
    }
    // The template's widths at least; a name or range is not cut.
    const QAbstractItemView *view = m_list; // where the column hint is public
    for (int column = 0; column < m_list->columnCount(); ++column)
        m_list->header()->resizeSection(column, std::max(Widths[column], view->sizeHintForColumn(column)));
    enableButtons(); // clearing the list says nothing of the selection
}

void SensorSelectionDialog::enableButtons()
{
    // OK, Change and Delete need a sensor to act on; without one they would
    // close the window or do nothing, without a word.
    const bool userDefined = SensorSelection::canChange(m_selection.Type);
    const bool chosen = selectedRow() != nullptr;
    control(1)->setEnabled(chosen);
    control(ChangeButton)->setEnabled(userDefined && chosen);
    control(DeleteButton)->setEnabled(userDefined && chosen);
    control(NewButton)->setEnabled(true);
}

const SensorListRow *SensorSelectionDialog::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    const int index = selected.first()->data(0, Qt::UserRole).toInt();
    return index >= 0 && index < m_rows.size() ? &m_rows[index] : nullptr;
}

void SensorSelectionDialog::onTypeChanged(int index)
{
    m_selection.Type = index;
    fillList(-1);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    enableButtons();
}

void SensorSelectionDialog::onNew()
{
    if (!m_selection.ensureOpen())
        return;
    SensorDefinitionDialog definition(this);
    definition.setDefinition(m_selection.newDefinition());
    // A sensor the database refuses stays in the window, to be stored again
    // or given up with Cancel.
    while (definition.exec() == QDialog::Accepted) {
        if (m_selection.addSensor(definition.definition())) {
            // A new sensor is a user-defined one: the list of a standard
            // group would not show it, as if it had not been stored.
            if (m_selection.Type >= 0 && m_selection.Type < sensor_groups::UserDefined) {
                const QSignalBlocker quiet(m_types);
                m_types->setCurrentIndex(sensor_groups::UserDefined);
                m_selection.Type = sensor_groups::UserDefined;
            }
            fillList(m_selection.lastAddedRowKey());
            enableButtons();
            return;
        }
    }
}

void SensorSelectionDialog::onChange()
{
    const SensorListRow *selected = selectedRow();
    if (!selected)
        return;
    const SensorListRow row = *selected;
    SensorDefinition values;
    if (!m_selection.prepareChange(row, values)) {
        tellIfGone(row);
        return;
    }
    SensorDefinitionDialog definition(this);
    definition.setDefinition(values);
    while (definition.exec() == QDialog::Accepted) {
        // Changed on another bench meanwhile: the list shows what is stored
        // now, to be changed again from there.
        if (m_selection.changeSensor(row, definition.definition()) || m_selection.changedElsewhere()) {
            fillList(row.RowKey);
            return;
        }
    }
    // The window showed the sensor as stored now, maybe changed by another
    // program since the list was filled: the list shows it so too.
    fillList(row.RowKey);
}

void SensorSelectionDialog::onDelete()
{
    const SensorListRow *selected = selectedRow();
    if (!selected)
        return;
    const SensorListRow row = *selected;
    // One click would otherwise lose a sensor for good.
    user_messages::Message question;
    question.text = loadTranslatedString(5632).arg(row.Name.isEmpty() ? row.OrderNumber : row.Name, row.Ranges);
    question.icon = user_messages::Icon::Question;
    question.buttons = user_messages::Buttons::YesNo;
    question.owner = this;
    if (user_messages::show(question) != user_messages::Answer::Yes)
        return;
    if (m_selection.deleteSensor(row))
        fillList(-1);
    else
        tellIfGone(row);
}

void SensorSelectionDialog::accept()
{
    const SensorListRow *row = selectedRow();
    if (!row)
        return;
    if (!m_selection.take(*row) && tellIfGone(*row))
        return;
    QDialog::accept();
}

bool SensorSelectionDialog::tellIfGone(const SensorListRow &row)
{
    if (!m_selection.rowGone())
        return false;
    // Deleted by another program (the command-line tool, another bench)
    // while the list was open: said, and the list shows what is stored.
    user_messages::Message gone;
    gone.text = loadTranslatedString(5911).arg(row.Name.isEmpty() ? row.OrderNumber : row.Name);
    gone.icon = user_messages::Icon::Exclamation;
    gone.owner = this;
    user_messages::show(gone);
    fillList(-1);
    return true;
}
