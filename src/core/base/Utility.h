#pragma once
#include <QString>

// The value rounded half up (toward positive infinity) to the given number of
// decimal places; a negative count is taken as its absolute value.
double roundTo(double value, int places);

// The system's text for the calling thread's last error code (errno on POSIX,
// GetLastError on Windows).
int lastSystemError();
QString systemErrorText(int code);

// Shows the system's text for the last error in a message captioned "Error"
// with one OK button.
void showLastError();
void showSystemError(int code);
