// The diagnostics sheet on its own, refreshing every few milliseconds: what
// its fields show, when it refreshes, and the firmware on its info page.
#include "common/TestRegistry.h"
#include "dialogs/DiagnosticsPages.h"
#include "dialogs/DiagnosticsSheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

constexpr int ShortInterval = 5; // ms

}

class DiagnosticsSheetTest : public QObject
{
    Q_OBJECT
private slots:
    void phyRoundedAdcAsItIs_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("phyShown");
        QTest::addColumn<double>("phyKept");
        QTest::addColumn<QString>("adcShown");
        QTest::newRow("12.349") << 12.349 << "12.3" << 12.3 << "12.349";
        QTest::newRow("half rounds up") << 2.25 << "2.3" << 2.3 << "2.25";
        QTest::newRow("negative half rounds up") << -2.25 << "-2.2" << -2.2 << "-2.25";
    }
    void phyRoundedAdcAsItIs()
    {
        QFETCH(double, value);
        QFETCH(QString, phyShown);
        QFETCH(double, phyKept);
        QFETCH(QString, adcShown);
        DiagnosticsSheet sheet({0, 0}, nullptr, ShortInterval);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        DiagnosticsInputsPage *page = sheet.inputsPage();
        page->setPhy(2, value);
        page->setAdc(2, value);
        QSignalSpy refreshed(&sheet, &DiagnosticsSheet::inputsRefreshed);
        QVERIFY(refreshed.wait(2000));
        QCOMPARE(page->phyField(2)->text(), phyShown);
        QCOMPARE(page->phy(2), phyKept);
        QCOMPARE(page->adcField(2)->text(), adcShown);
        QCOMPARE(page->adc(2), value);
    }

    void refreshesOnlyWhileInputsInFront_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("ticks");
        QTest::addColumn<bool>("refreshes");
        QTest::newRow("inputs page stays in front") << "stay" << true << true;
        QTest::newRow("info page brought to front") << "info" << true << false;
        QTest::newRow("sheet closed") << "close" << false << false;
    }
    void refreshesOnlyWhileInputsInFront()
    {
        QFETCH(QString, then);
        QFETCH(bool, ticks);
        QFETCH(bool, refreshes);
        DiagnosticsSheet sheet({0, 0}, nullptr, ShortInterval);
        QSignalSpy refreshed(&sheet, &DiagnosticsSheet::inputsRefreshed);
        QSignalSpy ticked(sheet.findChild<QTimer *>(QStringLiteral("refreshTimer")), &QTimer::timeout);
        sheet.show();
        QVERIFY(refreshed.wait(2000));
        if (then == QLatin1String("info"))
            sheet.pages()->setCurrentIndex(1);
        else if (then == QLatin1String("close"))
            sheet.reject();
        refreshed.clear();
        ticked.clear();
        QTest::qWait(20 * ShortInterval);
        QCOMPARE(ticked.count() > 0, ticks);
        QCOMPARE(refreshed.count() > 0, refreshes);
    }

    void infoPageShowsTheFirmwareRead_data()
    {
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("low");
        QTest::addColumn<QString>("version");
        QTest::newRow("nothing read") << 0 << 0 << "";
        QTest::newRow("letter and digit") << int('B') << int('1') << "B1";
        QTest::newRow("byte that is no character") << int('B') << 2 << "B02";
    }
    void infoPageShowsTheFirmwareRead()
    {
        QFETCH(int, high);
        QFETCH(int, low);
        QFETCH(QString, version);
        DiagnosticsSheet sheet({uint8_t(high), uint8_t(low)}, nullptr, ShortInterval);
        QCOMPARE(sheet.infoPage()->findChild<QLabel *>(QStringLiteral("1061"))->text(), version);
        QCOMPARE(sheet.infoPage()->findChild<QLabel *>(QStringLiteral("1062"))->text(), QString());
    }
};

SKALERON_TEST(DiagnosticsSheetTest)
#include "DiagnosticsSheetTest.moc"
