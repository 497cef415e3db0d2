#include "FormColumns.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <bitset>

FormColumns::FormColumns(int minimumColumnWidth)
    : m_minimumColumnWidth(minimumColumnWidth)
{
    setSpacing(HorizontalSpacing);
    setContentsMargins(0, 0, 0, 0);
}

FormColumns::~FormColumns()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FormColumns::addSection(QLayout *section)
{
    addChildLayout(section);
    addItem(section);
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

int FormColumns::sectionWidth() const
{
    int widest = m_minimumColumnWidth;
    for (const QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            widest = std::max(widest, item->minimumSize().width());
    }
    return widest;
}

int FormColumns::columnsFor(int width) const
{
    const int visible = int(std::count_if(m_items.cbegin(), m_items.cend(), [](QLayoutItem *i) { return !i->isEmpty(); }));
    const int section = std::max(sectionWidth(), 1);
    int columns = std::max(1, (width + spacing()) / (section + spacing()));
    return std::max(1, std::min(columns, visible));
}

int FormColumns::columnWidth(int width, int columns) const
{
    return std::max(0, (width - (columns - 1) * spacing()) / columns);
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

// Cuts the sections, in order, into runs so that the tallest column is as
// short as it can be (there are only a few sections: every cut is tried).
QList<QList<QLayoutItem *>> FormColumns::partition(int columns, int width) const
{
    QList<QLayoutItem *> visible;
    for (QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            visible.append(item);
    }
    QList<QList<QLayoutItem *>> best;
    int bestHeight = -1;
    // Each bit of cuts set: a new column begins before that section.
    const int n = int(visible.size());
    for (unsigned cuts = 0; cuts < (1u << std::max(0, n - 1)); ++cuts) {
        if (std::bitset<32>(cuts).count() != size_t(columns - 1))
            continue;
        QList<QList<QLayoutItem *>> runs{{}};
        for (int i = 0; i < n; ++i) {
            if (i > 0 && (cuts & (1u << (i - 1))))
                runs.append(QList<QLayoutItem *>());
            runs.last().append(visible[i]);
        }
        int tallest = 0;
        for (const auto &run : runs)
            tallest = std::max(tallest, heightOf(run, width));
        if (bestHeight < 0 || tallest < bestHeight) {
            bestHeight = tallest;
            best = runs;
        }
    }
    return best;
}

int FormColumns::arrange(const QRect &rect, bool apply) const
{
    const int columns = columnsFor(rect.width());
    const int width = columnWidth(rect.width(), columns);
    int tallest = 0;
    int x = rect.x();
    for (const QList<QLayoutItem *> &column : partition(columns, width)) {
        int y = rect.y();
        for (QLayoutItem *item : column) {
            const int h = item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
            if (apply)
                item->setGeometry(QRect(x, y, width, h));
            y += h + VerticalSpacing;
        }
        tallest = std::max(tallest, y - VerticalSpacing - rect.y());
        x += width + spacing();
    }
    return tallest;
}

int FormColumns::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FormColumns::minimumSize() const
{
    const int width = sectionWidth();
    return QSize(width, heightForWidth(width));
}

QSize FormColumns::sizeHint() const
{
    int width = 0;
    for (const QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            width = std::max(width, item->sizeHint().width());
    }
    width = std::max(width, sectionWidth());
    return QSize(width, heightForWidth(width));
}

void FormColumns::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
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
