#pragma once
// The sections of a form side by side in as many columns as the width holds,
// one below the other when it holds only one: a form fills a wide window and
// still scrolls only downwards in a small one. Sections keep their order,
// read down each column and then across; each column is as wide as its
// widest section needs, and the room left over is shared evenly.
#include <QHash>
#include <QSet>
#include <QLayout>
#include <QList>

class QGridLayout;
class QWidget;

class FormColumns : public QLayout
{
public:
    FormColumns();
    ~FormColumns() override;

    // divider, a line at the section's top, is drawn only where the section
    // follows another in its column. It keeps its room and stays shown or
    // hidden as the form decides: only its painting is left out, so that the
    // columns do not change with it.
    void addSection(QLayout *section, QWidget *divider = nullptr);
    bool eventFilter(QObject *watched, QEvent *event) override;

    void addItem(QLayoutItem *item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem *itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    struct Plan
    {
        QList<QList<QLayoutItem *>> runs; // the sections of each column
        QList<int> widths;                // each column's width
        int height = 0;                   // of the tallest column
    };
    Plan plan(int width) const;
    int minimumWidthOf(const QList<QLayoutItem *> &column) const;
    int heightOf(const QList<QLayoutItem *> &column, int width) const;

    // Columns stand well apart; sections one below the other follow as
    // closely as the rows of a section, their headings and lines part them.
    static constexpr int HorizontalSpacing = 24;
    static constexpr int VerticalSpacing = 8;

    QList<QLayoutItem *> m_items;
    QHash<const QLayoutItem *, QWidget *> m_dividers;
    QSet<const QObject *> m_undrawn; // dividers at the top of a column
};

namespace form_columns {

// The widest of the first columns of grids is given to all of them, so that
// labels and fields of sections stacked in one column line up. Called once
// the labels hold their texts.
void alignLabels(const QList<QGridLayout *> &grids);

// A field with its unit close beside it (unit may be null), and the room
// left over after them.
QLayout *fieldWithUnit(QWidget *field, QWidget *unit);

// Caps the width of the form's line edits and drop-down lists alike, at the
// widest list's entries within 10 to 18 em (a list never narrower than its
// entries): fields grow with the window up to a width their values need, not
// across a wide screen, and end in one line.
void capFieldWidths(QWidget *form);

}
