#pragma once
// The words of a service history entry as the user reads them: the stored
// operation, outcome and family are fixed English keys (the command-line tool
// and other programs read them); here they become the current language's
// words. A key this program does not know is shown as it was stored.
#include <QString>

namespace history_wording {

QString operation(const QString &stored);
QString outcome(const QString &stored);
QString family(const QString &stored);

}
