// The progress window names each step as a user reads it, in the chosen
// language; a step without a text of its own keeps its name.
#include "base/Language.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "link/TransferStepText.h"

#include <QTest>

class TransferStepTextTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Language::instance().setPackFolder(testing_support::binDir()); }
    void cleanupTestCase()
    {
        Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll"));
        Language::instance().setPackFolder(QString());
    }

    void readableNames_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("transaction");
        QTest::addColumn<QString>("shown");
        QTest::newRow("register read") << "vorn_eng32.dll" << "ReadRegister 3/26" << "Reading register 3/26";
        QTest::newRow("register write") << "vorn_eng32.dll" << "WriteRegister 4/23" << "Writing register 4/23";
        QTest::newRow("block upload") << "vorn_eng32.dll" << "UploadFromGauge" << "Reading the parameter block";
        QTest::newRow("counter memory") << "vorn_eng32.dll" << "WriteMemory 66" << "Writing counter memory at 66";
        QTest::newRow("German register read") << "vorn_ger32.dll" << "ReadRegister 3/26" << "Register 3/26 lesen";
        QTest::newRow("unknown step") << "vorn_eng32.dll" << "Cmd33" << "Cmd33";
    }
    void readableNames()
    {
        QFETCH(QString, library);
        QFETCH(QString, transaction);
        QFETCH(QString, shown);
        testing_support::MessageRecorder quiet;
        QVERIFY(Language::instance().switchLanguage(library));
        QCOMPARE(describeTransferStep(transaction), shown);
    }
};

SKALERON_TEST(TransferStepTextTest)
#include "TransferStepTextTest.moc"
