#pragma once
// Whether the project tree shows the service items (the master's settings,
// the gauge inputs and their calibration) and the diagnostics command is
// offered: "Settings"/"ServiceItems" in the settings, off unless the user
// turns it on, so the everyday tree stays as small as it is.
#include <QString>

namespace service_items {

bool shown();
void setShown(bool shown);

// A gauge input's name in the tree and on its calibration ("Gauge 3: Fuel
// level"): input 0 Aux, 1 temperature, 2 fuel level.
QString gaugeInputName(int input);

}
