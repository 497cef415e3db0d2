// "Find gauge" in the communication settings: the ports are tried in the
// background while the dialog stays usable, and the port a simulated gauge
// answers on is chosen.
#include "common/PackFolder.h"
#include "common/SimGauge.h"
#include "common/TestRegistry.h"

#include "dialogs/FindGaugePanel.h"
#include "dialogs/OptionsDialog.h"

#include <QComboBox>
#include <QMap>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace testing_support;

namespace {

const QString MissingPort = QStringLiteral("/dev/ttyNoSuchGauge0");

}

class FindGaugeTest : public QObject
{
    Q_OBJECT
private slots:
    void findGaugeChoosesThePortItAnswersOn_data()
    {
        QTest::addColumn<int>("family"); // -1: no gauge anywhere
        QTest::newRow("block family") << int(SimFamily::Block);
        QTest::newRow("register family") << int(SimFamily::Register);
        QTest::newRow("no gauge") << -1;
    }
    void findGaugeChoosesThePortItAnswersOn()
    {
        QFETCH(int, family);
        ScopedTestHome home;
        PackFolder packs;
        // The simulated gauge is the session's port, which the system does
        // not list.
        std::unique_ptr<SimGauge> gauge;
        if (family >= 0)
            gauge = std::make_unique<SimGauge>(SimFamily(family));
        OptionsDialog dialog;
        dialog.setSystemPorts({{QStringLiteral("ttyNoSuchGauge0"), MissingPort}});
        dialog.show();
        const QString before = dialog.portList()->currentText();

        FindGaugePanel *find = dialog.findGauge();
        find->button()->click();
        // The click returns at once: the probe runs in the background.
        QVERIFY(find->isSearching());
        QTRY_VERIFY_WITH_TIMEOUT(!find->isSearching(), 8000);

        const QString found = gauge ? gauge->server->devicePath() : QString();
        QCOMPARE(dialog.portList()->currentText(), gauge ? found : before);
        // One row per port tried, each with its result.
        QMap<QString, QString> rows;
        QTreeWidget *results = find->results();
        for (int row = 0; row < results->topLevelItemCount(); ++row)
            rows.insert(results->topLevelItem(row)->text(0), results->topLevelItem(row)->text(1));
        QCOMPARE(rows.size(), gauge ? 2 : 1);
        QCOMPARE(rows.value(MissingPort), loadTranslatedString(5755));
        if (!gauge)
            return;
        const QString familyText =
            loadTranslatedString(family == int(SimFamily::Block) ? 5750 : 5752).section(QStringLiteral(" ("), 0, 0);
        QVERIFY2(rows.value(found).startsWith(familyText), qPrintable(rows.value(found)));
        // OK takes the found port as the link's device.
        dialog.accept();
        QCOMPARE(dialog.devicePath(), found);
    }
};

SKALERON_TEST(FindGaugeTest)
#include "FindGaugeTest.moc"
