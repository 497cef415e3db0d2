#include "FieldMark.h"

#include <QLabel>

namespace field_mark {

void mark(QWidget *field, QLabel *note, const QString &reason)
{
    // The frame goes by the widget's class name so that a list or a line
    // edit is framed alike.
    field->setStyleSheet(reason.isEmpty() ? QString()
                                          : QStringLiteral("%1 { border: 2px solid #c00000; }")
                                                .arg(QString::fromLatin1(field->metaObject()->className())));
    say(note, reason);
}

void say(QLabel *note, const QString &text)
{
    note->setText(text);
    note->setVisible(!text.isEmpty());
}

}
