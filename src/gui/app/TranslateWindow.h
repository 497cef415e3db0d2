#pragma once
// Replaces the tagged texts ("ID_n ...") of a window and of its direct child
// widgets by their translations from the current language pack.
class QWidget;

void translateWindow(QWidget *window);
// On a system with double-byte character support, gives the window's direct
// children the default GUI font; does nothing elsewhere.
void applyDbcsFont(QWidget *window);
