#pragma once
// The pictures of the tool bar's buttons (New, Open, Save, Cut, Copy, Paste,
// About), drawn for the program so that they look the same on every desktop.
#include <QIcon>

QIcon toolBarIcon(int commandId);
