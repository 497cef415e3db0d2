#include "ListWidth.h"

#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QTreeView>
#include <algorithm>

namespace list_width {

namespace {

// The list's width with every column whole and room for a scroll bar.
int wantedListWidth(QTreeView *list)
{
    const QAbstractItemView *view = list; // where the column hint is public
    int columns = 0;
    for (int c = 0; c < list->header()->count(); ++c)
        columns += std::max({view->sizeHintForColumn(c), list->header()->sectionSizeHint(c),
                             list->header()->sectionSize(c)});
    return columns + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
}

void widenTo(QWidget *window, int wanted)
{
    const int most = mostWidth(window);
    if (wanted > window->width())
        window->resize(std::min(wanted, std::max(most, window->width())), window->height());
}

}

int mostWidth(const QWidget *window)
{
    return window->screen()->availableGeometry().width() * 4 / 5;
}

void widenWindowFor(QWidget *window, QTreeView *list)
{
    const QMargins margins = window->layout() ? window->layout()->contentsMargins() : QMargins();
    widenTo(window, wantedListWidth(list) + margins.left() + margins.right());
}

void widenShownWindowFor(QTreeView *list)
{
    QWidget *window = list->window();
    if (window->layout())
        window->layout()->activate(); // the list's width as it is shown
    widenTo(window, window->width() + wantedListWidth(list) - list->width());
}

}
