#pragma once
// What the gauge commands share: the link options from the environment and
// the arguments (port, family, master type), the project read, and the
// outcome turned into output and an exit status.
#include "CommandLine.h"

#include "link/GaugeSequences.h"

#include <QString>
#include <QStringList>

namespace cli {

// The options of the gauge commands: the port, which may be given more than
// once where several gauges can be served, and the trace; the family and
// the catalogue of the commands that send or check a project.
Option portOption(bool repeatable);
const Option &traceOption();
const Option &familyOption();
const Option &catalogueOption();

// The link's time-outs, unless SKALERON_LINK_TIMEOUTS ("interval,per byte,
// constant" in milliseconds) shortens them.
LinkOptions baseOptions();

// The devices of the --port arguments ("COMn", a device path or a network
// address), in order; false with the exit status set when one names no port
// (a malformed network address too, unless the caller reports it per port).
// The trace goes to the file --trace names, if given.
bool portDevices(const CommandLine &args, QStringList &devices, int &status, bool refuseMalformedAddress = true);

// The project file read strictly; false with the status set (bad input).
bool readProject(const QString &path, ConfigRecord &cfg, int &status);

// The family from --family, else from the project's master type, which is
// also applied to the record (the conversions need its properties).
bool resolveMaster(const CommandLine &args, ConfigRecord &cfg, LinkOptions &options, int &status);

// A detail that sends the user to the desktop's menu for a port, with how
// to name one here.
QString withPortHint(const QString &detail);

// A failure's text on stderr and, on a second line, why (notice, detail),
// exit status 1 (2 for a record refused by its check: bad input); a
// success's notice on stderr and its text on stdout, exit status 0.
int report(const TransferOutcome &outcome, bool textOnStdout = true);

}
