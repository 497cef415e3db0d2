#pragma once
// Which form the right-hand pane shows for a project tree item code.
#include "PaneSplitter.h"

namespace tree_codes {
constexpr int Project = 107;
constexpr int Master = 100;
// Service items: the master's settings, and per gauge input n (1 to 3) the
// gauge (n + 1) * 100 + 12 with its calibration (n + 1) * 100 + 1 below it.
constexpr int MasterSettings = 102;
constexpr int GaugeOffset = 12;
constexpr int CalibrationOffset = 1;
}

// The form for an item code, chosen by the code modulo 100: 0 the master's
// form, 1 and 12 (a gauge input and its calibration) the input's
// calibration, 2 the master's settings; 4 to 6 and 13 to 20 except 17 keep
// the form that is shown (an empty factory); any other code the project form.
PaneSplitter::ViewFactory viewFactoryForCode(int itemCode);
