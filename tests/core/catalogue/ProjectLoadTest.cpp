#include "common/CatalogueFiles.h"
#include "catalogue/CatalogueLocation.h"
#include "catalogue/CatalogueMasterTypeLookup.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "base/Language.h"
#include "common/TestRegistry.h"
#include "model/ProjectDocument.h"
#include "model/MasterTypeLookup.h"
#include "model/ProjectFile.h"

#include <QFile>
#include <QTest>

using namespace catalogue_files;

// Loading a project applies the stored master type from the catalogue.
class ProjectLoadTest : public QObject
{
    Q_OBJECT

    static void writeProject(const QString &path, int masterId)
    {
        ConfigRecord record;
        record.MasterId = masterId;
        record.KValue = 1234.5;
        QString error;
        QVERIFY2(project_file::writeFile(path, record, &error), qPrintable(error));
    }

private slots:
    void cleanup() { setDefaultMasterTypeLookup(nullptr); }

    void appliesTheMasterType()
    {
        testing_support::ScopedTestHome home;
        useCatalogue(testing_support::binDir() + "/" + catalogue_location::sampleCatalogueFileName());
        installCatalogueMasterTypeLookup();
        writeProject(home.filePath("p.rix"), 8);
        ProjectDocument doc;
        QVERIFY(doc.open(home.filePath("p.rix")));
        const ConfigRecord &c = doc.config();
        QCOMPARE(c.MasterId, 8);
        QCOMPARE(c.Description, QString("Tachometer with LCD 0-4000 rpm"));
        QVERIFY(c.isTachometerWithLcd());
        QCOMPARE(c.FreqInputs, 2);
        QCOMPARE(c.PictureBitmap.size(), QSize(120, 120));
        QCOMPARE(c.KValue, 1234.5);
    }

    void missingMasterOrCatalogueLoadsEmpty_data()
    {
        QTest::addColumn<bool>("catalogueExists");
        QTest::addColumn<int>("masterId");
        QTest::addColumn<int>("messages");
        // A master type that cannot be found is named (after the reason the
        // catalogue gave, if it failed).
        QTest::newRow("id not in the catalogue") << true << 99 << 1;
        QTest::newRow("no master chosen") << true << -1 << 0;
        QTest::newRow("catalogue missing") << false << 8 << 2;
    }
    void missingMasterOrCatalogueLoadsEmpty()
    {
        QFETCH(bool, catalogueExists);
        QFETCH(int, masterId);
        QFETCH(int, messages);
        testing_support::ScopedTestHome home;
        testing_support::MessageRecorder recorder;
        useCatalogue(catalogueExists ? testing_support::binDir() + "/" + catalogue_location::sampleCatalogueFileName()
                                     : home.filePath("gone.sqlite"));
        installCatalogueMasterTypeLookup();
        writeProject(home.filePath("p.rix"), masterId);
        ProjectDocument doc;
        QVERIFY(doc.open(home.filePath("p.rix")));
        const ConfigRecord &c = doc.config();
        QCOMPARE(c.MasterId, masterId);
        QCOMPARE(c.KValue, 1234.5);
        QCOMPARE(c.Description, QString());
        QVERIFY(c.PictureBitmap.isNull());
        QCOMPARE(c.GaugeKind, 2);
        QCOMPARE(recorder.count(), messages);
        QCOMPARE(doc.masterTypeMissing(), masterId != -1);
        if (doc.masterTypeMissing())
            QCOMPARE(recorder.texts().last(), loadTranslatedString(5007).arg(masterId));
    }
};

SKALERON_TEST(ProjectLoadTest)
#include "ProjectLoadTest.moc"
