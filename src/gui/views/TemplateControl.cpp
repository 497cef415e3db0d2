#include "TemplateControl.h"

#include "resources/UntaggedTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// A list entry that is a word reads in the language in use.
static QString listEntry(const char *entry)
{
    return untagged_texts::translated(QString::fromUtf8(entry));
}

QWidget *createTemplateControl(const dialog_templates::ControlTemplate &t, QWidget *parent)
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
            box->addItem(listEntry(item));
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
    if (t.id != dialog_templates::UnnamedControl)
        w->setObjectName(QString::number(t.id));
    if (t.hidden)
        w->setVisible(false);
    return w;
}
