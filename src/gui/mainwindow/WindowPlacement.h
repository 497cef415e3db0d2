#pragma once
// The main window's remembered size and position, section "Settings":
// "status", "left", "top", "right", "bottom" (the normal-state rectangle,
// right and bottom exclusive) and "ColumnWidth_0" (width of the tree pane).
class QWidget;

namespace window_placement {

// Nothing stored: the tree is as wide as its items.
constexpr int DefaultTreeWidth = 0;

// On close: the rectangle only when the window is in its normal state (a
// maximised or minimised window keeps the one stored before); the tree width
// always.
void storeOnClose(const QWidget *window, int treeWidth);
// On the first activation: applies the stored placement when one is stored
// (bottom != top and right != left); false when there is none.
bool restoreStored(QWidget *window);
int storedTreeWidth();
// The normal-state size of a window started without a stored placement: most
// of the screen it is on, centred there.
void applyFirstSize(QWidget *window);

}
