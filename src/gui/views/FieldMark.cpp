#include "FieldMark.h"

#include "mainwindow/FrameServices.h"

#include <QLabel>
#include <QLineEdit>

namespace field_mark {

static void tellStatusBar(const QString &text)
{
    if (FrameServices *frame = mainWindowServices())
        frame->showStatusNote(text);
}

void mark(QWidget *field, QLabel *note, const QString &reason)
{
    // The frame goes by the widget's class name so that a list or a line
    // edit is framed alike.
    field->setStyleSheet(reason.isEmpty() ? QString()
                                          : QStringLiteral("%1 { border: 2px solid #c00000; }")
                                                .arg(QString::fromLatin1(field->metaObject()->className())));
    if (note) {
        say(note, reason);
        return;
    }
    if (field->toolTip() == reason)
        return;
    field->setToolTip(reason);
    if (!reason.isEmpty())
        tellStatusBar(reason);
}

void say(QLabel *note, const QString &text)
{
    note->setText(text);
    note->setVisible(!text.isEmpty());
}

void refuse(QLineEdit *field, QLabel *note, const QString &reason)
{
    mark(field, note, reason);
    tellStatusBar(reason);
    field->selectAll();
    field->setFocus(Qt::OtherFocusReason);
}

}
