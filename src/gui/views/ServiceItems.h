#pragma once
// Whether the project tree shows the service items (the master's settings,
// the gauge inputs and their calibration) and the diagnostics command is
// offered: "Settings"/"ServiceItems" in the settings, off unless the user
// turns it on, so the everyday tree stays as small as it is.
namespace service_items {

bool shown();
void setShown(bool shown);

}
