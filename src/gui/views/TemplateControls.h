#pragma once
// The controls of a form or dialog template as widgets: each a direct child of
// the window (tagged texts are translated on direct children only), named by
// its template identifier ("3009"), with its template text, list entries and
// starting visibility. Numeric edit fields are NumericEdit controls.
#include <QHash>
#include <QList>
#include <QSet>

class QWidget;

namespace template_controls {

struct Controls
{
    QHash<int, QWidget *> named;
    QList<QWidget *> unnamed; // statics without an identifier, in template order
};

// numericEdits: the edit fields that take numbers.
Controls create(int templateId, QWidget *window, const QSet<int> &numericEdits);

}
