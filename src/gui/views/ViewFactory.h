#pragma once
// Which form the right-hand pane shows for a project tree item code.
#include "PaneSplitter.h"

namespace tree_codes {
constexpr int Project = 107;
constexpr int Master = 100;
}

// Code modulo 100: 0 is the master's form; every other code the project form.
PaneSplitter::ViewFactory viewFactoryForCode(int itemCode);
