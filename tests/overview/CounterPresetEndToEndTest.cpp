// The counter preset from the master's form through the real program: main
// window, progress window and link, to the simulated gauge's memory.
#include "OverviewFixture.h"

#include "app/CRixApp.h"
#include "app/CSplashWnd.h"
#include "app/Language.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "frame/CMainFrame.h"
#include "frame/GaugeTransferCommands.h"
#include "link/GaugeProtocol.h"
#include "link/SimGauge.h"
#include "views/CLeftView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class CounterPresetEndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void hourCounterReachesTheGaugeMemory()
    {
        testing_support::ScopedTestHome home;
        testing_support::SimGauge gauge{SimFamily::Register};
        CLanguage::instance().setPackFolder(testing_support::binDir());
        testing_support::MessageRecorder messages;
        CRixApp app;
        int exitCode = 0;
        QVERIFY(app.InitInstance({}, &exitCode));
        // The start-up picture would take the first click of the test.
        CSplashWnd::HideSplashScreen();
        CMainFrame &frame = *app.MainFrame();
        LinkOptions options;
        options.timeouts = testing_support::fastTimeouts();
        options.pauseMs = 0; // the gauge's pause between writes is no part of this test
        frame.GaugeCommands().SetLinkOptions(options);

        // A project with the tachometer with LCD of the sample catalogue; the
        // tree then selects the master item, which shows the master's form.
        CRixDoc &document = *app.Document();
        document.GetConfig().MasterId = overview_testing::tachometerWithLcd().catalogueId;
        document.ApplyStoredMasterType();
        frame.LeftView()->FillTree();
        auto *form = qobject_cast<CMasterOverview *>(frame.RightView());
        QVERIFY2(form, "the master item does not show the master's form");

        const QByteArray before = gauge.state().memory;
        auto *value = qobject_cast<QLineEdit *>(form->Control(9934));
        value->setText(QStringLiteral("1234,5"));
        QTest::mouseClick(qobject_cast<QPushButton *>(form->Control(9936)), Qt::LeftButton);

        QCOMPARE(messages.texts(), QStringList{LoadTranslatedString(1132)});
        // The hour counter's 16 cells at 66 hold 12345 tenths; nothing else changed.
        QByteArray expected = before;
        expected.replace(66, 32, gauge_protocol::CounterImage(12345, 16));
        QCOMPARE(gauge.state().memory.toHex(), expected.toHex());

        document.SetModifiedFlag(false);
        frame.close();
        app.ExitInstance(0);
        CLanguage::instance().setPackFolder(QString());
    }
};

SKALERON_TEST(CounterPresetEndToEndTest)
#include "CounterPresetEndToEndTest.moc"
