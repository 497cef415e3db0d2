#include "SheetHistory.h"

#include "history/TransferHistory.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace sheet_history {

service_history::Entry entryFor(const ConfigRecord &record, const QString &projectFile, const SheetJob &job)
{
    transfer_history::Transfer sheet;
    sheet.operation = QStringLiteral("sheet");
    sheet.family = record.family();
    sheet.projectFile = projectFile;
    sheet.after = record;
    sheet.outcome.success = true;
    service_history::Entry e = transfer_history::entryFor(sheet);
    // Nothing went over a port, and there was no record before.
    e.port.clear();
    e.before.clear();
    const QJsonObject fields{{"customer", job.customer},
                             {"vessel", job.vessel},
                             {"serial", job.serialNumber},
                             {"technician", job.technician},
                             {"notes", job.notes}};
    e.message = QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact));
    return e;
}

bool record(const ConfigRecord &record, const QString &projectFile, const SheetJob &job, QString *reason)
{
    return service_history::append(entryFor(record, projectFile, job), reason);
}

}
