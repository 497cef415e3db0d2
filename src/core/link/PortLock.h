#pragma once
// The lock file the serial port layer keeps for an open device ("LCK..name"
// in the system's lock folder). A program killed while it held a port
// leaves it behind; the port layer would then wait for it to age.
#include <QString>

namespace port_lock {

// Removes the device's lock file when the process it names is gone; true
// when it did.
bool removeStale(const QString &device);

// The translated "it is in use by process N (program)" for a lock file whose
// process is alive; empty when there is none.
QString holder(const QString &device);

}
