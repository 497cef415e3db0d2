// History messages are kept by string id and arguments and read in the
// reader's language; messages stored as plain text stay as they are.
#include "link/CounterPresetInput.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "history/HistoryWording.h"
#include "history/TransferHistory.h"
#include "link/SequenceRun.h"

#include <QTest>

using namespace testing_support;

namespace {

// The packs in use while the test runs, from a copy of the built ones.
struct Packs
{
    QTemporaryDir dir;
    Packs()
    {
        for (const QString p : {"vorn_eng32", "vorn_fre32"})
            QFile::copy(binDir() + "/" + p + ".qm", dir.filePath(p + ".qm"));
        Language::instance().setPackFolder(dir.path());
    }
    ~Packs()
    {
        use("vorn_eng32.dll");
        Language::instance().setPackFolder(QString());
    }
    static void use(const char *pack)
    {
        MessageRecorder quiet;
        QVERIFY(Language::instance().switchLanguage(QString::fromLatin1(pack)));
    }
};

const char *const BackupFailedEnglish = "The settings the gauge holds could not be backed up in the folder \"/b %2\" (disk "
                                        "full), so nothing was written to the gauge. Distance counter: 12";
const char *const BackupFailedFrench = "Les réglages de l'instrument n'ont pas pu être sauvegardés dans le dossier \"/b %2\" "
                                       "(disk full) ; rien n'a donc été écrit dans l'instrument. Compteur de distance : 12";

}

class HistoryMessageTest : public QObject
{
    Q_OBJECT
private slots:
    // Written while one language is in use, read in another.
    void messageIsReadInTheReadersLanguage_data()
    {
        QTest::addColumn<QByteArray>("writer");
        QTest::addColumn<QByteArray>("reader");
        QTest::addColumn<QString>("shown");
        QTest::newRow("French, read in English") << QByteArray("vorn_fre32.dll") << QByteArray("vorn_eng32.dll")
                                                 << QString::fromUtf8(BackupFailedEnglish);
        QTest::newRow("English, read in French") << QByteArray("vorn_eng32.dll") << QByteArray("vorn_fre32.dll")
                                                 << QString::fromUtf8(BackupFailedFrench);
    }

    void messageIsReadInTheReadersLanguage()
    {
        QFETCH(QByteArray, writer);
        QFETCH(QByteArray, reader);
        QFETCH(QString, shown);
        ScopedTestHome home;
        Packs packs;
        Packs::use(writer.constData());
        TransferOutcome download;
        // An argument that looks like a placeholder is data like any other.
        download.setText(Phrase::of(5100, {"/b %2", "disk full"}));
        transfer_history::Transfer t;
        t.operation = "write";
        t.port = "/dev/ttyUSB0";
        t.outcome = sequence_run::outcome(false, download.textPhrase, user_messages::Icon::Error);
        t.sent = presetValuePhrase({0, 32, 12});
        const service_history::Entry entry = transfer_history::entryFor(t);
        Packs::use(reader.constData());
        QCOMPARE(history_wording::message(entry.message), shown);
    }

    // Two stored byte values read as the gauge's version; anything else as
    // it was stored.
    void firmwareAsWrittenOnTheGauge_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("block gauge") << "66.1" << "B01";
        QTest::newRow("not read") << "" << "";
        QTest::newRow("not two bytes") << "66.300" << "66.300";
    }
    void firmwareAsWrittenOnTheGauge()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(history_wording::firmware(stored), shown);
    }

    // The record keeps the firmware read last in the session, maybe from
    // another gauge: an entry claims only what this transfer found.
    void firmwareOnlyAsFound_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<bool>("blockRead");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QString>("after");
        QTest::newRow("block read") << int(LinkFamily::Block) << true << "65.2" << "\"FirmwareVersion\":[65,2]";
        QTest::newRow("block not reached") << int(LinkFamily::Block) << false << "" << "\"FirmwareVersion\":[0,0]";
        QTest::newRow("register") << int(LinkFamily::Register) << false << "" << "\"FirmwareVersion\":[0,0]";
    }
    void firmwareOnlyAsFound()
    {
        QFETCH(int, family);
        QFETCH(bool, blockRead);
        QFETCH(QString, firmware);
        QFETCH(QString, after);
        transfer_history::Transfer t;
        t.operation = "read";
        t.family = LinkFamily(family);
        t.outcome = sequence_run::outcome(blockRead, Phrase::of(blockRead ? 1232 : 1233), user_messages::Icon::None);
        if (blockRead)
            t.outcome.firmwareVersion = std::array<uint8_t, 2>{65, 2};
        t.before.FirmwareVersion = t.after.FirmwareVersion = {66, 1}; // another gauge's
        const service_history::Entry entry = transfer_history::entryFor(t);
        QCOMPARE(entry.firmware, firmware);
        QVERIFY2(entry.after.contains(after), qPrintable(entry.after));
        QVERIFY2(entry.before.contains("\"FirmwareVersion\":[0,0]"), qPrintable(entry.before));
    }

    // Anything that does not read whole as phrases or a sheet's job is
    // shown as it was stored.
    void otherMessages_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        const QString asStored = QStringLiteral("as stored");
        QTest::newRow("older version's text") << "Die Konfiguration wurde erfolgreich gelesen." << asStored;
        QTest::newRow("sheet job") << R"({"customer":"Harbour Marine","notes":"","serial":"A-7"})"
                                   << "Customer: Harbour Marine; Gauge serial number: A-7";
        // Nothing typed into the sheet's job: nothing to say.
        QTest::newRow("sheet job without a field")
            << R"({"customer":"","notes":"","serial":"","technician":"","vessel":""})" << "";
        QTest::newRow("an object that is no job") << R"({"colour":"red"})" << asStored;
        QTest::newRow("not a phrase") << R"([{"id":"1232","args":[]}])" << asStored;
        QTest::newRow("cut short") << R"([{"id":1232,"args":[)" << asStored;
        QTest::newRow("empty") << "" << asStored;
    }

    void otherMessages()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        ScopedTestHome home;
        Packs packs;
        Packs::use("vorn_eng32.dll");
        QCOMPARE(history_wording::message(stored), shown == QLatin1String("as stored") ? stored : shown);
    }
};

SKALERON_TEST(HistoryMessageTest)
#include "HistoryMessageTest.moc"
