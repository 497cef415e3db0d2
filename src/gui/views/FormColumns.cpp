#include "FormColumns.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <bitset>

FormColumns::FormColumns()
{
    setSpacing(HorizontalSpacing);
    setContentsMargins(0, 0, 0, 0);
}

FormColumns::~FormColumns()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FormColumns::addSection(QLayout *section, QWidget *divider)
{
    addChildLayout(section);
    addItem(section);
    if (divider) {
        divider->installEventFilter(this);
        m_dividers.insert(section, divider);
    }
}

bool FormColumns::eventFilter(QObject *watched, QEvent *event)
{
    return event->type() == QEvent::Paint && m_undrawn.contains(watched);
}

void FormColumns::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

QLayoutItem *FormColumns::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

int FormColumns::minimumWidthOf(const QList<QLayoutItem *> &column) const
{
    int widest = 0;
    for (const QLayoutItem *item : column)
        widest = std::max(widest, item->minimumSize().width());
    return widest;
}

int FormColumns::heightOf(const QList<QLayoutItem *> &column, int width) const
{
    int height = 0;
    for (QLayoutItem *item : column) {
        if (height > 0)
            height += VerticalSpacing;
        height += item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
    }
    return height;
}

// The most columns the width holds; among the ways to cut the sections, in
// order, into that many runs, the one whose tallest column is shortest
// (there are only a few sections: every cut is tried). Each column is as
// wide as its widest section needs, and the room left over is shared evenly.
FormColumns::Plan FormColumns::plan(int width) const
{
    QList<QLayoutItem *> visible;
    for (QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            visible.append(item);
    }
    const int n = int(visible.size());
    for (int columns = std::max(n, 1); columns >= 1; --columns) {
        Plan best;
        best.height = -1;
        for (unsigned cuts = 0; cuts < (1u << std::max(0, n - 1)); ++cuts) {
            if (std::bitset<32>(cuts).count() != size_t(columns - 1))
                continue;
            Plan candidate;
            candidate.runs.append(QList<QLayoutItem *>());
            for (int i = 0; i < n; ++i) {
                if (i > 0 && (cuts & (1u << (i - 1))))
                    candidate.runs.append(QList<QLayoutItem *>());
                candidate.runs.last().append(visible[i]);
            }
            int needed = (columns - 1) * spacing();
            for (const auto &run : candidate.runs) {
                candidate.widths.append(minimumWidthOf(run));
                needed += candidate.widths.last();
            }
            if (columns > 1 && needed > width)
                continue;
            const int extra = std::max(0, width - needed);
            candidate.height = 0;
            for (int c = 0; c < columns; ++c) {
                candidate.widths[c] += extra / columns;
                candidate.height = std::max(candidate.height, heightOf(candidate.runs[c], candidate.widths[c]));
            }
            if (best.height < 0 || candidate.height < best.height)
                best = candidate;
        }
        if (best.height >= 0)
            return best;
    }
    return Plan{{}, {}, 0};
}

int FormColumns::heightForWidth(int width) const
{
    return plan(width).height;
}

// The height is the tallest section's: the sections stand side by side where
// the width holds them, and a scroll area asks for the height at its width.
QSize FormColumns::minimumSize() const
{
    QSize minimum;
    for (const QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            minimum = minimum.expandedTo(item->minimumSize());
    }
    return minimum;
}

QSize FormColumns::sizeHint() const
{
    int width = 0;
    for (const QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            width = std::max(width, item->sizeHint().width());
    }
    width = std::max(width, minimumSize().width());
    return QSize(width, heightForWidth(width));
}

void FormColumns::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const Plan p = plan(rect.width());
    int x = rect.x();
    for (int c = 0; c < p.runs.size(); ++c) {
        int y = rect.y();
        for (QLayoutItem *item : p.runs[c]) {
            const int w = p.widths[c];
            const int h = item->hasHeightForWidth() ? item->heightForWidth(w) : item->sizeHint().height();
            item->setGeometry(QRect(x, y, w, h));
            if (QWidget *divider = m_dividers.value(item)) {
                const bool drawn = item != p.runs[c].first();
                if (drawn == m_undrawn.contains(divider)) {
                    if (drawn)
                        m_undrawn.remove(divider);
                    else
                        m_undrawn.insert(divider);
                    divider->update();
                }
            }
            y += h + VerticalSpacing;
        }
        x += p.widths[c] + spacing();
    }
}

namespace form_columns {

void alignLabels(const QList<QGridLayout *> &grids)
{
    int widest = 0;
    for (QGridLayout *grid : grids) {
        grid->setColumnMinimumWidth(0, 0);
        for (int row = 0; row < grid->rowCount(); ++row) {
            QLayoutItem *item = grid->itemAtPosition(row, 0);
            int r = 0, c = 0, rowSpan = 0, columnSpan = 0;
            if (!item || item->isEmpty())
                continue;
            grid->getItemPosition(grid->indexOf(item), &r, &c, &rowSpan, &columnSpan);
            if (columnSpan == 1)
                widest = std::max(widest, item->sizeHint().width());
        }
    }
    for (QGridLayout *grid : grids)
        grid->setColumnMinimumWidth(0, widest);
}

QLayout *fieldWithUnit(QWidget *field, QWidget *unit)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(field, 1);
    if (unit)
        row->addWidget(unit);
    row->addStretch(0);
    return row;
}

void capFieldWidths(QWidget *form)
{
    const int em = form->fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const QList<QComboBox *> lists = form->findChildren<QComboBox *>(QString(), Qt::FindDirectChildrenOnly);
    int widest = 0;
    for (QComboBox *list : lists) {
        // The entries are those of the language now, not of the first look.
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        widest = std::max(widest, list->sizeHint().width());
    }
    const int cap = std::clamp(widest, 10 * em, 18 * em);
    for (QLineEdit *edit : form->findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly))
        edit->setMaximumWidth(cap);
    for (QComboBox *list : lists)
        list->setMaximumWidth(std::max(cap, list->sizeHint().width()));
}

}
