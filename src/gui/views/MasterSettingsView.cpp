#include "MasterSettingsView.h"

#include "FieldMark.h"
#include "FormColumns.h"
#include "app/TranslateWindow.h"
#include "base/Language.h"
#include "forms/MasterOverviewRules.h"
#include "mainwindow/FrameServices.h"
#include "model/TypedNumber.h"
#include "resources/DialogTemplates.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

using namespace master_settings;

namespace {

QString textOf(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *box = qobject_cast<const QGroupBox *>(w))
        return box->title();
    return QString();
}

}

MasterSettingsView::MasterSettingsView(ProjectDocument *document, QWidget *parent)
    : MasterSettingsView(document, *dialog_templates::find(FormTemplate), parent)
{
}

MasterSettingsView::MasterSettingsView(ProjectDocument *document,
                                       const dialog_templates::DialogTemplate &formTemplate, QWidget *parent)
    : FormView(document, parent)
{
    setObjectName(QStringLiteral("MasterSettingsView"));
    m_controls = createControls(this, formTemplate);
    // Says what the page is not, so that no one takes a value typed here for
    // one the project keeps.
    auto *note = new QLabel(this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    arrangeControls(this, m_controls, note);

    for (int id : {ids::HoursDisplay, ids::DistanceDisplay}) {
        if (auto *button = qobject_cast<QAbstractButton *>(control(id)))
            connect(button, &QAbstractButton::clicked, this, &MasterSettingsView::onDisplayChosen);
    }
    for (const NumberField &field : numberFields()) {
        if (auto *edit = qobject_cast<QLineEdit *>(control(field.editId)))
            connect(edit, &QLineEdit::textEdited, this, [this, edit, field] {
                field_mark::mark(edit, nullptr, refusalOf(field));
            });
    }
    // The counter is preset from the master's form; here the button only
    // checks the fields, and says so.
    if (auto *button = qobject_cast<QAbstractButton *>(control(ids::SetButton)))
        connect(button, &QAbstractButton::clicked, this, [this] {
            if (saveToRecord() && mainWindowServices())
                mainWindowServices()->showStatusNote(loadTranslatedString(5977));
        });
}

void MasterSettingsView::initialize()
{
    translateWindow(this);
    if (auto *note = findChild<QLabel *>(QStringLiteral("note"), Qt::FindDirectChildrenOnly))
        note->setText(loadTranslatedString(5801));
    hideDampingControls();
    form_columns::capFieldWidths(this);
}

void MasterSettingsView::hideDampingControls()
{
    for (int id : dampingControls()) {
        if (QWidget *w = control(id))
            w->hide();
    }
}

void MasterSettingsView::onDisplayChosen()
{
    saveToRecord();
    hideDampingControls();
}

QString MasterSettingsView::refusalOf(const NumberField &field) const
{
    const auto *edit = qobject_cast<const QLineEdit *>(control(field.editId));
    // An empty field is fine: there is no value it would have to give.
    const TypedNumber typed = edit ? parseTypedNumber(edit->text()) : TypedNumber();
    if (typed.status != TypedNumber::NotANumber)
        return QString();
    return master_overview::numberRefusal(typed, textOf(m_controls.labelOf(field)), edit->text());
}

bool MasterSettingsView::saveToRecord()
{
    for (const NumberField &field : numberFields()) {
        const QString refusal = refusalOf(field);
        if (refusal.isEmpty())
            continue;
        field_mark::refuse(qobject_cast<QLineEdit *>(control(field.editId)), nullptr, refusal);
        return false;
    }
    return true;
}

void MasterSettingsView::paintEvent(QPaintEvent *event)
{
    // White from the top down to 170 pixels below the picture's top; the
    // picture, a child, is drawn over it. A form without a picture has no band.
    if (QWidget *picture = control(ids::Picture)) {
        QPainter painter(this);
        painter.setPen(Qt::white);
        painter.setBrush(Qt::white);
        painter.drawRect(QRect(0, 0, width() - 1, picture->geometry().top() + HeaderBandBelowPicture));
    }
    FormView::paintEvent(event);
}
