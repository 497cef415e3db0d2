#pragma once
// Choosing windows whose list's entries are what tell the choices apart:
// the window is made wide enough to show every column whole.
class QTreeView;
class QWidget;

namespace list_width {

// Widens window (never narrows it) so that each of list's columns is as
// wide as its heading, its entries in view and its present width, within
// four fifths of the screen. The list spans the window's layout.
void widenWindowFor(QWidget *window, QTreeView *list);

// The same for a list already laid out anywhere in its shown window: the
// window grows by what the list lacks.
void widenShownWindowFor(QTreeView *list);

// The widest a window with a list takes: four fifths of its screen.
int mostWidth(const QWidget *window);

}
