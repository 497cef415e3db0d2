#pragma once
// A field whose value cannot be taken shows it on itself while the user
// types: a red frame, and the reason in a note under or beside it. The note
// takes room only while it says something.
#include <QString>

class QLabel;
class QWidget;

namespace field_mark {

// Frames field and puts reason into note; an empty reason clears both.
void mark(QWidget *field, QLabel *note, const QString &reason);
// Puts a note without framing the field (what the program did with a value).
void say(QLabel *note, const QString &text);

}
