#pragma once
// A field whose value cannot be taken shows it on itself while the user
// types: a red frame, and the reason in a note under or beside it. The note
// takes room only while it says something. A field without a note of its own
// (a table cell) carries the reason as its tip and in the status bar.
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace field_mark {

// Frames field and puts reason into note (or the tip and status bar when
// note is null); an empty reason clears both.
void mark(QWidget *field, QLabel *note, const QString &reason);
// Puts a note without framing the field (what the program did with a value).
void say(QLabel *note, const QString &text);
// A value the form will not take on leaving or saving: marked as above, said
// in the status bar, the field focused with its text selected. No pop-up: the
// user has nothing to decide, only the field to correct.
void refuse(QLineEdit *field, QLabel *note, const QString &reason);

}
