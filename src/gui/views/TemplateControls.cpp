#include "TemplateControls.h"

#include "NumericEdit.h"
#include "resources/DialogTemplates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace template_controls {

namespace {

QWidget *createControl(const dialog_templates::ControlTemplate &t, QWidget *parent, bool numeric)
{
    using K = dialog_templates::ControlKind;
    const QString text = QString::fromUtf8(t.text);
    QWidget *w = nullptr;
    switch (t.kind) {
    case K::Edit:
        w = numeric ? new NumericEdit(parent) : new QLineEdit(parent);
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
    case K::Picture:
    case K::Label:
        w = new QLabel(text, parent);
        break;
    case K::DropDownList: {
        auto *box = new QComboBox(parent);
        // Wide enough for the longest entry in whatever language.
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        box->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        for (const char *item : t.items)
            box->addItem(QString::fromUtf8(item));
        w = box;
        break;
    }
    case K::ListView: {
        auto *list = new QTreeWidget(parent);
        list->setRootIsDecorated(false);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setAllColumnsShowFocus(true);
        w = list;
        break;
    }
    case K::Line:
    case K::Frame: {
        auto *frame = new QFrame(parent);
        frame->setFrameShape(t.kind == K::Line ? QFrame::HLine : QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Sunken);
        w = frame;
        break;
    }
    }
    if (t.id != dialog_templates::UnnamedControl)
        w->setObjectName(QString::number(t.id));
    if (t.hidden)
        w->setVisible(false);
    return w;
}

}

Controls create(int templateId, QWidget *window, const QSet<int> &numericEdits)
{
    Controls controls;
    const dialog_templates::DialogTemplate *t = dialog_templates::find(templateId);
    Q_ASSERT(t);
    for (const auto &control : t->controls) {
        QWidget *w = createControl(control, window, numericEdits.contains(control.id));
        if (control.id == dialog_templates::UnnamedControl)
            controls.unnamed << w;
        else
            controls.named.insert(control.id, w);
    }
    return controls;
}

}
