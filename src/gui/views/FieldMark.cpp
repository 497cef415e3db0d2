#include "FieldMark.h"

#include <QLabel>
#include <QVariant>

namespace field_mark {

namespace {
const char *const MarkedProperty = "fieldMarked";
}

void mark(QWidget *field, QLabel *note, const QString &reason)
{
    if (!field)
        return;
    const bool marked = !reason.isEmpty();
    // The frame goes by the widget's class name so that a list or a line
    // edit is framed alike.
    field->setStyleSheet(marked ? QStringLiteral("%1 { border: 2px solid #c00000; }")
                                      .arg(QString::fromLatin1(field->metaObject()->className()))
                                : QString());
    field->setProperty(MarkedProperty, marked);
    if (note)
        say(note, reason);
    else
        field->setToolTip(reason);
}

bool isMarked(const QWidget *field)
{
    return field && field->property(MarkedProperty).toBool();
}

void say(QLabel *note, const QString &text)
{
    if (!note)
        return;
    note->setText(text);
    note->setVisible(!text.isEmpty());
}

}
