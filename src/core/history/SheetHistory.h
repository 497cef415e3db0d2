#pragma once
// A printed or exported configuration sheet as a service history entry
// ("sheet"): the record it shows, as the gauge's record after a transfer, and
// the job written on it, so that the history says which serial number got
// which configuration.
#include "forms/SheetJob.h"
#include "history/ServiceHistory.h"
#include "model/ConfigRecord.h"

namespace sheet_history {

// The message holds the job as a JSON object with the keys "customer",
// "vessel", "serial", "technician" and "notes".
service_history::Entry entryFor(const ConfigRecord &record, const QString &projectFile, const SheetJob &job);

// Appends the entry; false with the reason for the user.
bool record(const ConfigRecord &record, const QString &projectFile, const SheetJob &job, QString *reason);

}
