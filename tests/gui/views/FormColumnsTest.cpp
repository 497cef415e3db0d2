// The sections of a form in columns: as many as the width holds, in order,
// cut where the tallest column is shortest; one column scrolls only downwards.
#include "common/TestRegistry.h"
#include "views/FormColumns.h"

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
    layout->addWidget(block, 0, Qt::AlignLeft | Qt::AlignTop);
    return layout;
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
        // Sections 200 wide: 100, 100 and 150 high; columns 24 apart, 8 between sections.
        QTest::newRow("one column") << 300 << QList<int>{0, 0, 0} << 100 + 8 + 100 + 8 + 150;
        QTest::newRow("two columns, the tall one alone") << 424 << QList<int>{0, 0, 1} << 208;
        QTest::newRow("three columns") << 700 << QList<int>{0, 1, 2} << 150;
    }
    void sectionsFillTheWidth()
    {
        QFETCH(int, width);
        QFETCH(QList<int>, columnOf);
        QFETCH(int, height);
        QWidget form;
        auto *columns = new FormColumns;
        auto *outer = new QVBoxLayout(&form);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addLayout(columns);
        const QList<QVBoxLayout *> sections = {section(&form, 200, 100), section(&form, 200, 100),
                                               section(&form, 200, 150)};
        for (QVBoxLayout *s : sections)
            columns->addSection(s);
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
    }
};

SKALERON_TEST(FormColumnsTest)
#include "FormColumnsTest.moc"
