#pragma once
// Serial line settings: the selectors kept in the settings store section
// "Communication", their mapping onto real line settings, and the name of the
// port device to open.
#include <QString>

// Parity and stop bit values as the serial configuration record knows them.
namespace line_parity {
constexpr int None = 0;
constexpr int Odd = 1;
constexpr int Even = 2;
}
namespace line_stop_bits {
constexpr int One = 0;
constexpr int OneAndHalf = 1;
constexpr int Two = 2;
}

// The five stored selectors, as they are kept in the settings store.
struct LineSelectors
{
    int port = 0;
    int dataBits = 1;
    int parity = 2;
    int baudRate = 0;
    int stopBits = 0;

    // Reads Port, Databits, Parity, Baudrate and Stopbits fresh from the
    // settings store; a missing entry keeps its default above.
    static LineSelectors load();
    // Writes Baudrate, Databits, Parity, Port and Stopbits, in this order.
    // False when the settings could not be written.
    bool store() const;
};

// Real line settings. A selector outside its table leaves the value as it is,
// so an unknown stored selector falls back to the table's default.
struct LineSettings
{
    int port = 0;
    int baud = 4800;
    int dataBits = 8;
    int parity = line_parity::None;
    int stopBits = line_stop_bits::One;
};

// Maps the selectors onto the outputs; an output whose selector is not in its
// table is left untouched.
void mapLineSelectors(const LineSelectors &stored, int &port, int &baud, int &dataBits, int &parity,
                      int &stopBits);

// Reads the selectors fresh from the settings store (Port, Databits, Parity,
// Baudrate, Stopbits) and maps them. Does nothing when an output is missing.
void loadLineSettings(int *port, int *baud, int *dataBits, int *parity, int *stopBits);
LineSettings loadLineSettings();

// The device that port number n names on this platform: "COMn" on Windows,
// /dev/ttyS(n-1) elsewhere (COM1 is /dev/ttyS0). Port 0 (the default) and
// below name no device: empty.
QString portDeviceName(int port);
// A port given by the user: "COMn" (blanks allowed after COM) names port n
// (empty for COM0), a network address stays as it is, anything else is a
// device path; outside Windows a bare name ("ttyUSB0", "pts/5") is one below
// /dev.
QString portDeviceFromArgument(const QString &argument);

// The device a transfer opens: the session's override when set, else the
// stored device path "Communication"/"Device" when set, else the device of
// the stored port number (empty for port 0: there is no port to open).
QString configuredPortDevice(int port);

// A device that replaces the configured port for the rest of this process
// (demo gauge, command-line --port) without touching the stored settings. An
// empty text removes the override.
void setSessionPortDevice(const QString &device);
QString sessionPortDevice();

// Gauge → Verify after writing, kept as Communication/VerifyAfterWrite: every
// write (the desktop's and the command line's) reads the gauge back.
bool verifyAfterWrite();
// False when the settings could not be written (the choice is not kept).
bool setVerifyAfterWrite(bool on);
