#pragma once
// The words of a service history entry as the user reads them: the stored
// operation, outcome and family are fixed English keys (the command-line tool
// and other programs read them); here they become the current language's
// words. A key this program does not know is shown as it was stored.
//
// Messages are stored as their phrases (string ids and arguments) and
// written in the reader's language, a sheet's job fields under their
// labels; a message stored as plain text (by an older version) is shown as it
// stands.
#include "base/Phrase.h"

#include <QString>
#include <QVector>

namespace history_wording {

QString operation(const QString &stored);
QString outcome(const QString &stored);
QString family(const QString &stored);
// The firmware stored as its two byte values ("66.1") as the gauge's version
// is written elsewhere ("B01"); anything else as stored.
QString firmware(const QString &stored);

// The phrases as stored in the message column (empty ones left out).
QString storedMessage(const QVector<Phrase> &phrases);
// A stored message in the current language.
QString message(const QString &stored);

}
