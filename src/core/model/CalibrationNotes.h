#pragma once
// The gauge inputs' calibrations in a recovery copy's notes: the project file
// has no place for them, and a crash must not lose them any more than the
// record. Read back, each value is taken as written; what a damaged notes
// file holds beyond the form's ranges reads as the form's defaults.
#include "InputCalibration.h"

#include <array>

class QSettings;

namespace calibration_notes {

using Calibrations = std::array<InputCalibration, 3>;

void write(QSettings &notes, const Calibrations &calibrations);
Calibrations read(const QSettings &notes);

}
