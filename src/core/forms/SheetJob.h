#pragma once
// What a technician writes on a configuration sheet besides the gauge's
// settings: who it is for, which gauge, who did the work. Printed on the
// sheet and kept with it in the service history; never in the project file.
#include <QString>

struct SheetJob
{
    QString customer;
    QString vessel; // vessel or vehicle
    QString serialNumber;
    QString technician;
    QString notes;
};

namespace sheet_job {

// The technician the settings remember ("Settings"/"Technician").
QString storedTechnician();
void storeTechnician(const QString &technician);

}
