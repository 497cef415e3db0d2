#pragma once
// The stored line settings as the communication settings command edits them
// (section "Communication"), and the port number a port name carries.
#include "LineSettings.h"

#include <QString>

struct StoredLineSelectors : LineSelectors
{
    QString device; // the chosen device path; empty: the port number decides

    static StoredLineSelectors load();
    // Writes the five selectors, then the device path.
    // False when the settings could not be written.
    bool store() const;
    // "COM%d" of the port number: the name the options list is given.
    QString portName() const;
};

// The decimal number after the "COM" of a port name, leading blanks skipped
// ("COM3" and "COM 3" give 3). A name that carries no number there (shorter
// than four characters, a device path, a network port) gives previous.
int portNumberFromName(const QString &name, int previous);
