// The help window shows the manual with its contents beside it and finds
// words in it, without any program outside this one.
#include "common/PackFolder.h"
#include "common/TestRegistry.h"
#include "dialogs/HelpWindow.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

using namespace testing_support;

namespace {

const char *const Manual = "<html><body><h1>Skaleron</h1><p>What it does.</p>"
                           "<h2>Installing</h2><p>Unpack it.</p>"
                           "<h2>Reading a gauge</h2><p>Connect the gauge.</p>"
                           "<h3>Ports</h3><p>Any serial port.</p></body></html>";

QStringList headings(const QTreeWidgetItem *item)
{
    QStringList texts{item->text(0)};
    for (int i = 0; i < item->childCount(); ++i)
        texts << headings(item->child(i));
    return texts;
}

}

class HelpWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_home.reset(new ScopedTestHome);
        QFile page(m_home->filePath("index.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write(Manual);
    }
    void cleanup() { m_home.reset(); }

    void contentsLeadToTheirHeading()
    {
        HelpWindow window;
        QVERIFY(window.load(m_home->filePath("index.html")));
        auto *contents = window.findChild<QTreeWidget *>("helpContents");
        QCOMPARE(contents->topLevelItemCount(), 1);
        QCOMPARE(headings(contents->topLevelItem(0)), (QStringList{"Skaleron", "Installing", "Reading a gauge", "Ports"}));
        QTreeWidgetItem *ports = contents->topLevelItem(0)->child(1)->child(0);
        emit contents->itemActivated(ports, 0);
        QCOMPARE(window.findChild<QTextBrowser *>("helpPage")->textCursor().block().text(), QString("Ports"));
    }

    void searchFindsTheNextPlace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<bool>>("found");
        QTest::addColumn<QString>("blockOfLast");
        // The third search for "gauge" starts over at the top.
        QTest::newRow("twice, then again from the top") << "gauge" << QList<bool>{true, true, true} << "Reading a gauge";
        QTest::newRow("any case") << "SERIAL" << QList<bool>{true} << "Any serial port.";
        QTest::newRow("nowhere") << "tachograph" << QList<bool>{false} << "";
        QTest::newRow("nothing typed") << "" << QList<bool>{false} << "";
    }

    void searchFindsTheNextPlace()
    {
        QFETCH(QString, text);
        QFETCH(QList<bool>, found);
        QFETCH(QString, blockOfLast);
        HelpWindow window;
        QVERIFY(window.load(m_home->filePath("index.html")));
        auto *search = window.findChild<QLineEdit *>("helpSearch");
        search->setText(text);
        QList<bool> results;
        for (int i = 0; i < found.size(); ++i)
            results << window.findNext(search->text());
        QCOMPARE(results, found);
        const QTextCursor cursor = window.findChild<QTextBrowser *>("helpPage")->textCursor();
        QCOMPARE(cursor.hasSelection() ? cursor.block().text() : QString(), blockOfLast);
    }

    void builtManualHasItsSections()
    {
        HelpWindow window;
        QVERIFY(window.load(binDir() + "/manual/index.html"));
        const QStringList all = headings(window.findChild<QTreeWidget *>("helpContents")->invisibleRootItem());
        QVERIFY2(all.contains("Help") && all.contains("Command-line tool"), qPrintable(all.join(", ")));
        QVERIFY(window.findNext("skaleron-cli"));
    }

    void missingManualIsNotShown()
    {
        HelpWindow window;
        QVERIFY(!window.load(m_home->filePath("none.html")));
    }

private:
    std::unique_ptr<ScopedTestHome> m_home;
};

SKALERON_TEST(HelpWindowTest)
#include "HelpWindowTest.moc"
