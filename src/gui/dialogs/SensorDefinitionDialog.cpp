#include "SensorDefinitionDialog.h"

#include "app/TranslateWindow.h"
#include "base/Language.h"
#include "base/UserMessages.h"
#include "catalogue/SensorEditing.h"
#include "forms/NumberField.h"
#include "resources/DialogTemplates.h"
#include "views/TemplateControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int TemplateId = 288;
constexpr int NameEdit = 1056;
constexpr int XHeader = 1165;
constexpr int YHeader = 1167;
constexpr int XUnitEdit = 3025;
constexpr int YUnitEdit = 3026;
constexpr int FirstXEdit = 3009;
constexpr int FirstYEdit = 3017;
constexpr int XPlaces = 3;
constexpr int YPlaces = 2;

}

SensorDefinitionDialog::SensorDefinitionDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SensorDefinitionDialog"));
    if (const dialog_templates::DialogTemplate *t = dialog_templates::find(TemplateId))
        setWindowTitle(QString::fromUtf8(t->caption));
    QSet<int> numeric;
    for (int i = 0; i < SensorDefinition::Points; ++i)
        numeric << FirstXEdit + i << FirstYEdit + i;
    const template_controls::Controls controls = template_controls::create(TemplateId, this, numeric);
    m_controls = controls.named;
    // Unnamed statics in template order: name, unit and values captions, the line.
    QWidget *nameLabel = controls.unnamed.value(0);
    QWidget *unitLabel = controls.unnamed.value(1);
    QWidget *line = controls.unnamed.value(2);
    QWidget *valuesLabel = controls.unnamed.value(3);

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(nameLabel, 0, 0, 1, 3);
    grid->addWidget(control(NameEdit), 1, 0, 1, 3);
    grid->addWidget(control(XHeader), 2, 1, Qt::AlignHCenter);
    grid->addWidget(control(YHeader), 2, 2, Qt::AlignHCenter);
    grid->addWidget(unitLabel, 3, 0);
    grid->addWidget(control(XUnitEdit), 3, 1);
    grid->addWidget(control(YUnitEdit), 3, 2);
    grid->addWidget(line, 4, 0, 1, 3);
    grid->addWidget(valuesLabel, 5, 0, Qt::AlignTop);
    // Room for a value such as -12345.678 in every field.
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("-12345.678")) + 16;
    for (int i = 0; i < SensorDefinition::Points; ++i) {
        for (int column : {FirstXEdit, FirstYEdit}) {
            QWidget *field = control(column + i);
            field->setMinimumWidth(fieldWidth);
            grid->addWidget(field, 5 + i, column == FirstXEdit ? 1 : 2);
        }
    }
    for (int id : {XUnitEdit, YUnitEdit})
        control(id)->setMinimumWidth(fieldWidth);
    // Tab runs from the name across the units and each x/y pair, then down
    // to the next pair and on to the buttons.
    QList<QWidget *> order{control(NameEdit), control(XUnitEdit), control(YUnitEdit)};
    for (int i = 0; i < SensorDefinition::Points; ++i)
        order << control(FirstXEdit + i) << control(FirstYEdit + i);
    order << control(1) << control(2);
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    auto *ok = qobject_cast<QPushButton *>(control(1));
    auto *cancel = qobject_cast<QPushButton *>(control(2));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SensorDefinitionDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SensorDefinitionDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    grid->addLayout(buttons, 5 + SensorDefinition::Points, 0, 1, 3);

    translateWindow(this);
    setDefinition(m_definition);
}

QLineEdit *SensorDefinitionDialog::edit(int controlId) const
{
    return qobject_cast<QLineEdit *>(control(controlId));
}

void SensorDefinitionDialog::setDefinition(const SensorDefinition &definition)
{
    m_definition = definition;
    edit(NameEdit)->setText(definition.Name);
    edit(XUnitEdit)->setText(definition.XUnit);
    edit(YUnitEdit)->setText(definition.YUnit);
    for (int i = 0; i < SensorDefinition::Points; ++i) {
        const bool used = i < definition.Count;
        edit(FirstXEdit + i)->setText(used ? number_field::format(definition.XColumn[size_t(i)], XPlaces) : QString());
        edit(FirstYEdit + i)->setText(used ? number_field::format(definition.YColumn[size_t(i)], YPlaces) : QString());
    }
}

void SensorDefinitionDialog::refuse(int controlId, const QString &message)
{
    user_messages::Message m;
    m.text = message;
    m.icon = user_messages::Icon::Exclamation;
    m.owner = this;
    user_messages::show(m);
    if (QLineEdit *field = edit(controlId)) {
        field->selectAll();
        field->setFocus(Qt::OtherFocusReason);
    }
}

void SensorDefinitionDialog::accept()
{
    SensorDefinition candidate = m_definition;
    candidate.Name = edit(NameEdit)->text();
    candidate.XUnit = edit(XUnitEdit)->text();
    candidate.YUnit = edit(YUnitEdit)->text();
    // Rows left empty are no pairs: the rows given close up.
    candidate.XColumn = {};
    candidate.YColumn = {};
    candidate.Count = 0;
    for (int i = 0; i < SensorDefinition::Points; ++i) {
        const QString xText = edit(FirstXEdit + i)->text();
        const QString yText = edit(FirstYEdit + i)->text();
        if (xText.trimmed().isEmpty() && yText.trimmed().isEmpty())
            continue;
        // A field left as shown keeps the value behind it, unrounded.
        const bool shown = i < m_definition.Count;
        double x = shown ? m_definition.XColumn[size_t(i)] : 0.0;
        double y = shown ? m_definition.YColumn[size_t(i)] : 0.0;
        QString refusal = number_field::take(xText, XPlaces, loadTranslatedString(5627).arg(i + 1), x);
        if (!refusal.isEmpty())
            return refuse(FirstXEdit + i, refusal);
        refusal = number_field::take(yText, YPlaces, loadTranslatedString(5628).arg(i + 1), y);
        if (!refusal.isEmpty())
            return refuse(FirstYEdit + i, refusal);
        candidate.XColumn[size_t(candidate.Count)] = x;
        candidate.YColumn[size_t(candidate.Count)] = y;
        ++candidate.Count;
    }
    const QString refusal = sensor_editing::refusal(candidate);
    if (!refusal.isEmpty())
        return refuse(FirstYEdit, refusal);
    sensor_editing::sortByY(candidate);
    m_definition = candidate;
    QDialog::accept();
}
