#pragma once
// A field that narrows a list: the arrow and page keys typed in it move the
// list's selection, so that a choice can be found and taken from the
// keyboard (type, Down, Enter) without the Enter taking the first row.
class QAbstractItemView;
class QLineEdit;

namespace find_field_keys {

void moveListFrom(QLineEdit *field, QAbstractItemView *list);

}
