// The sections of a form in columns: as many as the width holds, in order,
// cut where the tallest column is shortest; one column scrolls only downwards.
#include "common/TestRegistry.h"
#include "views/FormColumns.h"

#include <QFrame>
#include <QImage>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// A section of a fixed size, as a layout holding one widget.
QVBoxLayout *section(QWidget *form, int width, int height)
{
    auto *block = new QWidget(form);
    block->setFixedSize(width, height);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(block, 0, Qt::AlignLeft | Qt::AlignTop);
    return layout;
}

// True when every pixel is the same: nothing was drawn on the background.
bool isPlain(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
        }
    }
    return true;
}

}

class FormColumnsTest : public QObject
{
    Q_OBJECT
private slots:
    void sectionsFillTheWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("columnOf");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("dividerDrawn"); // the second section's: only below another
        // Sections 200 wide: 100, 100 (under a divider 12 high) and 150 high;
        // columns 24 apart, 8 between sections.
        QTest::newRow("one column") << 300 << QList<int>{0, 0, 0} << 100 + 8 + 112 + 8 + 150 << true;
        QTest::newRow("two columns, the tall one alone") << 424 << QList<int>{0, 0, 1} << 220 << true;
        QTest::newRow("three columns") << 700 << QList<int>{0, 1, 2} << 150 << false;
    }
    void sectionsFillTheWidth()
    {
        QFETCH(int, width);
        QFETCH(QList<int>, columnOf);
        QFETCH(int, height);
        QFETCH(bool, dividerDrawn);
        QWidget form;
        auto *columns = new FormColumns;
        auto *outer = new QVBoxLayout(&form);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addLayout(columns);
        const QList<QVBoxLayout *> sections = {section(&form, 200, 100), section(&form, 200, 100),
                                               section(&form, 200, 150)};
        auto *divider = new QFrame(&form);
        divider->setFrameShape(QFrame::HLine);
        divider->setFrameShadow(QFrame::Sunken);
        divider->setFixedHeight(12);
        sections[1]->insertWidget(0, divider);
        for (QVBoxLayout *s : sections)
            columns->addSection(s, s == sections[1] ? divider : nullptr);
        QCOMPARE(columns->heightForWidth(width), height);
        QVERIFY(form.minimumSizeHint().width() <= 200);
        form.resize(width, height);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QList<int> lefts;
        for (QVBoxLayout *s : sections)
            lefts << s->itemAt(0)->widget()->x();
        for (int i = 0; i < sections.size(); ++i) {
            QCOMPARE(lefts[i] == lefts[0], columnOf[i] == columnOf[0]);
            QVERIFY(lefts[i] + 200 <= width);
        }
        QVERIFY(divider->isVisible()); // only its painting is left out
        QCOMPARE(!isPlain(divider->grab().toImage()), dividerDrawn);
    }
};

SKALERON_TEST(FormColumnsTest)
#include "FormColumnsTest.moc"
