// An Access catalogue that the Access library cannot read: the program stays
// alive while the reader runs, shows that it is busy, and the user gets one
// clear line once the time limit has stopped the reader.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "catalogue/AccessReader.h"
#include "common/DamagedAccess.h"
#include "common/TestRegistry.h"
#include "mainwindow/CommandIds.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

using namespace testing_support;

class AccessCatalogueTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { access_reader::setTimeLimit(access_reader::DefaultTimeLimitMs); }

    void loopingCatalogueLeavesTheWindowAlive()
    {
        SKALERON_NEED_ACCESS_FIXTURES();
        FrameFixture f;
        QVERIFY(f.start());
        const QString db = f.home().filePath("loop.mdb");
        writeDamagedCopy(LoopingCatalogue, db);
        settings_store::writeString("Directories", "DBase", db);
        access_reader::setTimeLimit(2000);

        QString busyText;
        whenModal<QProgressDialog>([&busyText](QProgressDialog *busy) {
            if (busy->objectName() == QLatin1String("accessReadProgress") && busy->isVisible())
                busyText = busy->labelText();
        });
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(50);
        QElapsedTimer clock;
        clock.start();
        f.trigger(command_ids::ChooseMasterType);
        const qint64 elapsed = clock.elapsed();

        QVERIFY2(elapsed >= 2000, qPrintable(QString::number(elapsed)));
        // The window's event loop ran all along, not only after the read.
        QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
        QVERIFY2(busyText.contains(QDir::toNativeSeparators(db)), qPrintable(busyText));
        QCOMPARE(f.messages().texts(), QStringList{loadTranslatedString(5212).arg(QDir::toNativeSeparators(db))});
        QCOMPARE(f.treeTexts().size(), 1); // no master type was taken
    }
};

SKALERON_TEST(AccessCatalogueTest)
#include "AccessCatalogueTest.moc"
