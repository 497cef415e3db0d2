#include "base/Language.h"
#include "base/SettingsStore.h"
#include "common/MessageRecorder.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace testing_support;

namespace {

// A pack folder holding copies of the chosen built packs.
struct PackFolder
{
    QTemporaryDir dir;
    explicit PackFolder(const QStringList &packs)
    {
        for (const QString &p : packs)
            QFile::copy(binDir() + "/" + p + ".qm", dir.filePath(p + ".qm"));
        Language::instance().setPackFolder(dir.path());
    }
    ~PackFolder() { Language::instance().setPackFolder(QString()); }
    void addBroken(const QString &name)
    {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write("this is not a language pack");
    }
};

}

class LanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void tagNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("ID_1 OK") << "ID_1 OK" << 1;
        QTest::newRow("four characters") << "ID_1" << 0;
        QTest::newRow("multi-line") << "ID_10000 Artikelnummer:\nBeschreibung:" << 10000;
        QTest::newRow("letters") << "ID_abc Text" << 0;
        QTest::newRow("zero") << "ID_0 Text" << 0;
        QTest::newRow("lower case") << "id_12 Text" << 0;
        QTest::newRow("plain unit") << "km/h" << 0;
        QTest::newRow("Imp./km") << "Imp./km" << 0;
    }
    void tagNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(Language::tagNumber(text), number);
    }

    void startupLanguageChoice_data()
    {
        QTest::addColumn<QString>("stored");     // empty: nothing stored
        QTest::addColumn<QStringList>("packs");  // packs in the folder
        QTest::addColumn<bool>("runs");
        QTest::addColumn<QString>("message");    // expected message, empty: none
        QTest::addColumn<QString>("text5000");   // start of string 5000 afterwards
        const QStringList all{"vorn_eng32", "vorn_ger32", "vorn_fre32"};
        QTest::newRow("default English") << QString() << all << true << QString() << "The project file";
        QTest::newRow("stored German") << "vorn_ger32.dll" << all << true << QString() << "Die Projektdatei";
        QTest::newRow("stored French in capitals") << "VORN_FRE32.DLL" << all << true << QString() << "Le fichier";
        QTest::newRow("missing, English fallback")
            << "vorn_jap32.dll" << all << true
            << "Unable to load the language resourcesvorn_jap32.dll.\nApplication uses default language."
            << "The project file";
        QTest::newRow("unknown name") << "klingon" << all << true
            << "Unable to load the language resourcesklingon.\nApplication uses default language."
            << "The project file";
        QTest::newRow("outside the folder") << "../vorn_eng32.dll" << QStringList{"vorn_eng32"} << true << QString()
                                            << "The project file";
        QTest::newRow("nothing at all") << "vorn_ger32.dll" << QStringList{} << false
            << "Unable to load the Language Resourcesvorn_ger32.dll.\nApplication will terminate." << QString();
    }
    void startupLanguageChoice()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, packs);
        QFETCH(bool, runs);
        QFETCH(QString, message);
        QFETCH(QString, text5000);
        ScopedTestHome home;
        PackFolder folder(packs);
        MessageRecorder recorder;
        if (!stored.isEmpty())
            settings_store::writeString("Parameters", "Language", stored);

        QCOMPARE(Language::instance().loadStartupLanguage(), runs);
        QCOMPARE(recorder.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (runs)
            QVERIFY2(loadTranslatedString(5000).startsWith(text5000), qPrintable(loadTranslatedString(5000)));

        // The stored name is kept as it was, whatever was loaded.
        Language::instance().storeLanguageAtExit();
        QCOMPARE(settings_store::readString("Parameters", "Language", ""),
                 stored.isEmpty() ? QString("vorn_eng32.dll") : stored);
    }

    void brokenPackFallsBackToBuiltInGerman()
    {
        ScopedTestHome home;
        PackFolder folder({"vorn_eng32"});
        folder.addBroken("vorn_ger32.qm");
        MessageRecorder recorder;
        settings_store::writeString("Parameters", "Language", "vorn_ger32.dll");
        QVERIFY(Language::instance().loadStartupLanguage());
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.messages().first().caption, QString("Error"));
        QVERIFY(!Language::instance().packLoaded());
        QVERIFY(loadTranslatedString(5000).startsWith("Die Projektdatei"));
    }

    void missingStringGivesX()
    {
        ScopedTestHome home;
        PackFolder folder({"vorn_eng32"});
        QVERIFY(Language::instance().loadStartupLanguage());
        QString out = "before";
        QCOMPARE(Language::instance().loadTranslatedString(99999, out), 0);
        QCOMPARE(out, QString("x"));
    }

    void untranslatedTagIsShownAndKept()
    {
        ScopedTestHome home;
        PackFolder folder({"vorn_eng32"});
        QVERIFY(Language::instance().loadStartupLanguage());
        MessageRecorder recorder;
        QString out;
        QVERIFY(!Language::instance().translateText(nullptr, "ID_9999 Fehlt", out));
        QCOMPARE(out, QString("ID_9999 Fehlt"));
        QCOMPARE(recorder.texts(), QStringList{"ID_9999 Fehlt"});

        recorder.clear();
        out = "untouched";
        QVERIFY(!Language::instance().translateText(nullptr, "ID_abc", out));
        QVERIFY(!Language::instance().translateText(nullptr, "km/h", out));
        QCOMPARE(out, QString("untouched"));
        QCOMPARE(recorder.count(), 0);
    }

    void switchLanguage()
    {
        ScopedTestHome home;
        PackFolder folder({"vorn_eng32", "vorn_ger32"});
        folder.addBroken("vorn_fre32.qm");
        QVERIFY(Language::instance().loadStartupLanguage());
        MessageRecorder recorder;
        QSignalSpy switched(&Language::instance(), &Language::languageSwitched);

        QVERIFY(!Language::instance().switchLanguage("vorn_ita32.dll"));
        QCOMPARE(recorder.texts(), QStringList{"Unable to load the language resourcesvorn_ita32.dll."});
        QCOMPARE(Language::instance().currentLanguage(), QString("vorn_eng32.dll"));

        recorder.clear();
        QVERIFY(!Language::instance().switchLanguage("vorn_fre32.dll"));
        QCOMPARE(recorder.count(), 1);
        QVERIFY(loadTranslatedString(5000).startsWith("The project file")); // previous pack still in use
        QCOMPARE(Language::instance().currentLanguage(), QString("vorn_eng32.dll"));
        QCOMPARE(switched.count(), 0);

        QVERIFY(Language::instance().switchLanguage("vorn_ger32.dll"));
        QVERIFY(loadTranslatedString(5000).startsWith("Die Projektdatei"));
        QCOMPARE(Language::instance().currentLanguage(), QString("vorn_ger32.dll"));
        QCOMPARE(switched.count(), 1);
        // The same language again reloads and succeeds.
        QVERIFY(Language::instance().switchLanguage("vorn_ger32.dll"));
        QCOMPARE(switched.count(), 2);
        {
            // The file rewritten in place (an update or a rebuild) while in use.
            QFile pack(folder.dir.filePath("vorn_ger32.qm"));
            QVERIFY(pack.open(QIODevice::ReadWrite));
            QVERIFY(pack.write(QByteArray(int(pack.size()), 'x')) > 0);
        }
        QVERIFY(loadTranslatedString(5000).startsWith("Die Projektdatei"));
    }
};

SKALERON_TEST(LanguageTest)
#include "LanguageTest.moc"
