#include "TemplateControls.h"

#include "NumericEdit.h"
#include "TemplateControl.h"

#include <QTreeWidget>

namespace template_controls {

namespace {

// The shared template controls, with numeric edits where numbers go and a
// report-style list for a list view.
QWidget *createControl(const dialog_templates::ControlTemplate &t, QWidget *parent, bool numeric)
{
    using K = dialog_templates::ControlKind;
    QWidget *w = nullptr;
    if (t.kind == K::Edit && numeric) {
        w = new NumericEdit(parent);
    } else if (t.kind == K::ListView) {
        auto *list = new QTreeWidget(parent);
        list->setRootIsDecorated(false);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setAllColumnsShowFocus(true);
        w = list;
    } else {
        return createTemplateControl(t, parent);
    }
    if (t.id != dialog_templates::UnnamedControl)
        w->setObjectName(QString::number(t.id));
    if (t.hidden)
        w->setVisible(false);
    return w;
}

}

Controls create(int templateId, QWidget *window, const QSet<int> &numericEdits)
{
    Controls controls;
    const dialog_templates::DialogTemplate *t = dialog_templates::find(templateId);
    Q_ASSERT(t);
    for (const auto &control : t->controls) {
        QWidget *w = createControl(control, window, numericEdits.contains(control.id));
        if (control.id == dialog_templates::UnnamedControl)
            controls.unnamed << w;
        else
            controls.named.insert(control.id, w);
    }
    return controls;
}

}
