#pragma once
// Faults a simulated gauge can be told to make, per command:
//   COMMAND[@BANK/ADDRESS]=KIND[:MS][*TIMES][+SKIP]
// KIND: silence, refuse (status 0xF1), short (last byte missing), header
// (wrong command code echoed), garbage (junk bytes before the reply),
// delay:MS (reply after MS milliseconds), vanish (the device disappears),
// keep[:BYTE] (the write is acknowledged but the gauge keeps its old value:
// a register write leaves the register, a download leaves block byte BYTE,
// or the whole block without BYTE).
// *TIMES applies the fault to that many matching frames only; +SKIP lets the
// first SKIP matching frames pass. COMMAND is a command name as in
// simCommandName ("read-register", "start-download", "0x33", ...) or "any".
#include <QString>
#include <QVector>

enum class SimFaultKind { Silence, Refuse, Short, Header, Garbage, Delay, Vanish, Keep };

struct SimFault
{
    QString command;
    int bank = -1; // register filter, -1 = any
    int address = -1;
    SimFaultKind kind = SimFaultKind::Silence;
    int delayMs = 0;
    int keepByte = -1; // keep: the block byte kept, -1 = all
    int times = -1; // -1 = always
    int skip = 0;
};

bool parseSimFault(const QString &text, SimFault &fault, QString *error);

// The fault that applies to this frame, or none; counts the frame against
// the faults' skip and times.
const SimFault *matchSimFault(QVector<SimFault> &faults, const QString &command, int bank, int address);
