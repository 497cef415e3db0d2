#include "ListWidth.h"

#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QTreeView>
#include <algorithm>

namespace list_width {

void widenWindowFor(QWidget *window, QTreeView *list)
{
    const QAbstractItemView *view = list; // where the column hint is public
    int columns = 0;
    for (int c = 0; c < list->header()->count(); ++c)
        columns += std::max({view->sizeHintForColumn(c), list->header()->sectionSizeHint(c),
                             list->header()->sectionSize(c)});
    const QMargins margins = window->layout() ? window->layout()->contentsMargins() : QMargins();
    const int wanted = columns + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width()
                       + margins.left() + margins.right();
    const int most = window->screen()->availableGeometry().width() * 4 / 5;
    if (wanted > window->width())
        window->resize(std::min(wanted, std::max(most, window->width())), window->height());
}

}
