#include "common/PackFolder.h"

#include "app/TranslateWindow.h"
#include "common/TestRegistry.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace testing_support;

class TranslateWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void taggedTextsOfTheWindowAndItsChildrenAreTranslated()
    {
        ScopedTestHome home;
        PackFolder packs;
        MessageRecorder messages;
        QDialog dialog;
        dialog.setWindowTitle("ID_1500 Einstellungen");
        auto *heading = new QLabel("ID_1501 Sprachauswahl:", &dialog);
        auto *unit = new QLabel("km/h", &dialog);
        auto *shortTag = new QLabel("ID_1", &dialog);
        auto *letters = new QLabel("ID_abc Text", &dialog);
        auto *ok = new QPushButton("ID_1 OK", &dialog);
        auto *group = new QGroupBox("ID_1502 Datenbank:", &dialog);
        auto *grandchild = new QLabel("ID_1503 CommPort:", group);
        auto *nestedBox = new QCheckBox("ID_2 Abbrechen", group);
        dialog.show();

        translateWindow(&dialog);

        QCOMPARE(dialog.windowTitle(), QString("Settings"));
        QCOMPARE(heading->text(), QString("Language:"));
        QCOMPARE(ok->text(), QString("OK"));
        QCOMPARE(group->title(), QString("Database:"));
        QCOMPARE(unit->text(), QString("km/h"));
        QCOMPARE(shortTag->text(), QString("ID_1"));
        QCOMPARE(letters->text(), QString("ID_abc Text"));
        QCOMPARE(grandchild->text(), QString("ID_1503 CommPort:"));
        QCOMPARE(nestedBox->text(), QString("ID_2 Abbrechen"));
        QCOMPARE(messages.count(), 0);
    }

    void textsFollowTheCurrentLanguage()
    {
        ScopedTestHome home;
        PackFolder packs;
        MessageRecorder messages;
        QVERIFY(Language::instance().switchLanguage("vorn_ger32.dll"));
        QDialog dialog;
        auto *cancel = new QPushButton("ID_2 Cancel", &dialog);
        translateWindow(&dialog);
        QCOMPARE(cancel->text(), QString("Abbrechen"));
    }

    void untaggedGermanTextsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("pack");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("check box in English") << "vorn_eng32.dll" << "Licht Warnung aktivieren" << "Enable light warning";
        QTest::newRow("unit in French") << "vorn_fre32.dll" << "U/min." << "tr/min";
        QTest::newRow("German stays") << "vorn_ger32.dll" << "Buzzer Ausgang aktiv" << "Buzzer Ausgang aktiv";
        QTest::newRow("other untagged text kept") << "vorn_eng32.dll" << "Imp./km" << "Imp./km";
    }
    void untaggedGermanTextsFollowTheLanguage()
    {
        QFETCH(QString, pack);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        ScopedTestHome home;
        PackFolder packs;
        MessageRecorder messages;
        QVERIFY(Language::instance().switchLanguage(pack));
        QDialog dialog;
        dialog.setWindowTitle("Eingänge");
        auto *label = new QCheckBox(text, &dialog);
        translateWindow(&dialog);
        QCOMPARE(label->text(), shown);
        QCOMPARE(dialog.windowTitle() == "Eingänge", pack == "vorn_ger32.dll");
        QCOMPARE(messages.count(), 0);
    }

    void missingTagIsShownAndKept()
    {
        ScopedTestHome home;
        PackFolder packs;
        MessageRecorder messages;
        QDialog dialog;
        auto *label = new QLabel("ID_99999 Unbekannt", &dialog);
        translateWindow(&dialog);
        QCOMPARE(label->text(), QString("ID_99999 Unbekannt"));
        QCOMPARE(messages.texts(), QStringList({"ID_99999 Unbekannt"}));
        QCOMPARE(messages.messages().first().owner, &dialog);
    }
};

SKALERON_TEST(TranslateWindowTest)
#include "TranslateWindowTest.moc"
