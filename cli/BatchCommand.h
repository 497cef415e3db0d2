#pragma once
// A gauge command on several ports at once (a service bench): everything
// that can be refused is checked before anything is sent; then one progress
// line per port on stderr, one result line per port on stdout, the report
// file if asked for, and for a read one project file per port.
#include "link/GaugeBatch.h"

#include <QString>
#include <QStringList>

namespace cli {

struct BatchRequest
{
    BatchOperation operation;
    QStringList ports; // devices
    ConfigRecord record;
    LinkOptions options;
    QString reportPath; // empty: no report
    QString outputFolder = QString(); // a read's projects, one per port
    QString projectFile = QString();  // the project written or verified
};

// Exit status 0 only when every port succeeded, 1 when one failed, 2 for
// bad input found before anything was sent.
int runBatchCommand(const BatchRequest &request);

}
