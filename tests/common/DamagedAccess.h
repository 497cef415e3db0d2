#pragma once
// Damaged copies of the real Access files, made at run time: a file cut short
// or with one byte changed, as a bad disk or a bad transfer leaves them.
#include <QString>

namespace testing_support {

struct AccessDamage
{
    const char *fixture; // file in the Access fixtures folder
    qint64 cutAt;        // keep this many bytes (-1: all)
    qint64 flipAt;       // change the byte here (-1: none)
    unsigned char flipMask;
};

// One bit in a catalogue page of northwind-2000.mdb: the Access library then
// reads the table list for ever, printing "Unknown record type" lines.
constexpr AccessDamage LoopingCatalogue{"northwind-2000.mdb", -1, 0x151cd, 0x01};
// One byte in the table list's definition: the library crashes.
constexpr AccessDamage CrashingCatalogue{"northwind-2000.mdb", -1, 0x2037, 0xff};
constexpr AccessDamage CutInsidePage{"northwind-2000.mdb", 1000000, -1, 0};
constexpr AccessDamage CutAtPageEnd{"northwind-2000.mdb", 100 * 4096, -1, 0};
constexpr AccessDamage Access97Cut{"types-97.mdb", 50000, -1, 0};

// Writes the damaged copy to path (the fixtures must exist).
void writeDamagedCopy(const AccessDamage &damage, const QString &path);

}
