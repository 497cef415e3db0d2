// "Find gauge" in the communication settings: the ports are tried in the
// background while the dialog stays usable, and the port a simulated gauge
// answers on is chosen.
#include "base/SettingsStore.h"
#include "common/PackFolder.h"
#include "common/Ser2netFixture.h"
#include "common/SimGauge.h"
#include "common/TestRegistry.h"

#include "dialogs/FindGaugePanel.h"
#include "dialogs/OptionsDialog.h"
#include "link/GaugeSequences.h"

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
        QTest::addColumn<bool>("network"); // behind ser2net, on a network port from the settings
        QTest::newRow("block family") << int(SimFamily::Block) << false;
        QTest::newRow("register family") << int(SimFamily::Register) << false;
        QTest::newRow("no gauge") << -1 << false;
        QTest::newRow("register family behind ser2net") << int(SimFamily::Register) << true;
    }
    void findGaugeChoosesThePortItAnswersOn()
    {
        QFETCH(int, family);
        QFETCH(bool, network);
        if (network)
            REQUIRE_SER2NET();
        ScopedTestHome home;
        PackFolder packs;
        // The simulated gauge is the session's port, which the system does
        // not list, or it hears only its own line speed behind ser2net.
        std::unique_ptr<SimGauge> gauge;
        std::unique_ptr<PtyGaugeServer> networkGauge;
        QString found;
        if (network) {
            GaugeSimConfig config = simConfig(SimFamily(family), {});
            config.requiredBaud = RegisterFamilyBaud;
            networkGauge = std::make_unique<PtyGaugeServer>(config);
            QVERIFY(networkGauge->start() && networkGauge->makeLink(ser2netDir() + QStringLiteral("/gauge3")));
            found = ser2netAddress(QStringLiteral("gauge3"));
            settings_store::writeString(QStringLiteral("Communication"), QStringLiteral("NetworkPorts"), found);
        } else if (family >= 0) {
            gauge = std::make_unique<SimGauge>(SimFamily(family));
            found = gauge->server->devicePath();
        }
        OptionsDialog dialog;
        dialog.setSystemPorts({{QStringLiteral("ttyNoSuchGauge0"), MissingPort}});
        dialog.show();
        const QString before = dialog.portList()->currentText();

        FindGaugePanel *find = dialog.findGauge();
        find->button()->click();
        // The click returns at once: the probe runs in the background.
        QVERIFY(find->isSearching());
        QTRY_VERIFY_WITH_TIMEOUT(!find->isSearching(), 8000);

        QCOMPARE(dialog.portList()->currentText(), !found.isEmpty() ? found : before);
        // One row per port tried, each with its result.
        QMap<QString, QString> rows;
        QTreeWidget *results = find->results();
        for (int row = 0; row < results->topLevelItemCount(); ++row)
            rows.insert(results->topLevelItem(row)->text(0), results->topLevelItem(row)->text(1));
        QCOMPARE(rows.size(), !found.isEmpty() ? 2 : 1);
        // Each result shows whole: the window widened for it.
        const QAbstractItemView *view = results;
        QVERIFY2(results->columnWidth(1) >= view->sizeHintForColumn(1),
                 qPrintable(QString("%1 < %2").arg(results->columnWidth(1)).arg(view->sizeHintForColumn(1))));
        QCOMPARE(rows.value(MissingPort), loadTranslatedString(5755));
        if (found.isEmpty())
            return;
        const QString familyText =
            loadTranslatedString(family == int(SimFamily::Block) ? 5750 : 5752).section(QStringLiteral(" ("), 0, 0);
        QVERIFY2(rows.value(found).startsWith(familyText), qPrintable(rows.value(found)));
        // OK takes the found port as the link's device.
        dialog.accept();
        QCOMPARE(dialog.devicePath(), found);
    }

    // A gauge of each family answers: the one the project can be read from
    // and written to is chosen, whichever answered first.
    void theProjectsFamilyIsChosen_data()
    {
        QTest::addColumn<int>("project");
        QTest::newRow("register project") << int(LinkFamily::Register);
        QTest::newRow("block project") << int(LinkFamily::Block);
    }
    void theProjectsFamilyIsChosen()
    {
        QFETCH(int, project);
        ScopedTestHome home;
        PackFolder packs;
        SimGauge block(SimFamily::Block);
        SimGauge registers(SimFamily::Register);
        const QString blockPort = block.server->devicePath();
        const QString registerPort = registers.server->devicePath();
        OptionsDialog dialog;
        dialog.setSystemPorts({{"ptsBlock", blockPort}, {"ptsRegister", registerPort}});
        dialog.findGauge()->setProjectFamily(LinkFamily(project));
        dialog.show();
        dialog.findGauge()->button()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.findGauge()->isSearching(), 8000);
        QCOMPARE(dialog.portList()->currentText(),
                 LinkFamily(project) == LinkFamily::Register ? registerPort : blockPort);
    }
};

SKALERON_TEST(FindGaugeTest)
#include "FindGaugeTest.moc"
