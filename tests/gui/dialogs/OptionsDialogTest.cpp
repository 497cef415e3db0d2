#include "common/MessageRecorder.h"
#include "common/PackFolder.h"

#include "dialogs/OptionsDialog.h"
#include "base/SettingsStore.h"
#include "catalogue/CatalogueLocation.h"
#include "common/TestRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace testing_support;

namespace {

QPushButton *button(OptionsDialog &dialog, int id)
{
    return dialog.findChild<QPushButton *>(QStringLiteral("control%1").arg(id));
}

QStringList entries(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

const QList<SystemSerialPort> TwoPorts = {{"ttyUSB0", "/dev/ttyUSB0"}, {"ttyS1", "/dev/ttyS1"}};

}

class OptionsDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void languagesAreSortedWithTheirTableIndex()
    {
        ScopedTestHome home;
        PackFolder packs;
        OptionsDialog dialog;
        dialog.show();
        QCOMPARE(entries(dialog.languageList()), QStringList({"English", "French", "German"}));
        QCOMPARE(dialog.languageList()->itemData(0).toInt(), 1);
        QCOMPARE(dialog.languageList()->itemData(1).toInt(), 2);
        QCOMPARE(dialog.languageList()->itemData(2).toInt(), 0);
    }

    void currentLanguageIsSelectedWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("selected");
        // Each named in the language then in use.
        QTest::newRow("French in capitals") << "VORN_FRE32.DLL" << "Français";
        QTest::newRow("German") << "vorn_ger32.dll" << "Deutsch";
        QTest::newRow("English mixed case") << "Vorn_Eng32.Dll" << "English";
        QTest::newRow("Italian is no option") << "vorn_ita32.dll" << "";
    }
    void currentLanguageIsSelectedWithoutRegardToCase()
    {
        QFETCH(QString, library);
        QFETCH(QString, selected);
        ScopedTestHome home;
        PackFolder packs;
        packs.addCopy("vorn_eng32", "vorn_ita32.qm");
        MessageRecorder messages;
        QVERIFY(Language::instance().switchLanguage(library));
        OptionsDialog dialog;
        dialog.show();
        QCOMPARE(dialog.languageList()->currentText(), selected);
        QCOMPARE(dialog.languageList()->currentIndex() < 0, selected.isEmpty());
    }

    void titleAndHeadingsAreTranslated()
    {
        ScopedTestHome home;
        PackFolder packs;
        MessageRecorder messages;
        OptionsDialog dialog;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Settings"));
        QCOMPARE(button(dialog, 1)->text(), QString("OK"));
        QCOMPARE(messages.count(), 0); // every tag has its translation
        QVERIFY(!dialog.browseButton()->icon().isNull());
    }

    void portEntries_data()
    {
        QTest::addColumn<QList<SystemSerialPort>>("ports");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("none: the four fall-backs")
            << QList<SystemSerialPort>() << QStringList({"COM1", "COM2", "COM3", "COM4"});
#ifdef Q_OS_WIN
        QTest::newRow("serial kinds in system order")
            << QList<SystemSerialPort>({{"COM3", "\\\\.\\COM3"}, {"LPT1", "\\\\.\\LPT1"}, {"com7", "\\\\.\\com7"}})
            << QStringList({"COM3", "com7"});
#else
        QTest::newRow("device paths in system order")
            << TwoPorts << QStringList({"/dev/ttyUSB0", "/dev/ttyS1"});
        QTest::newRow("name when no path is known")
            << QList<SystemSerialPort>({{"ttyACM0", ""}}) << QStringList({"ttyACM0"});
#endif
    }
    void portEntries()
    {
        QFETCH(QList<SystemSerialPort>, ports);
        QFETCH(QStringList, listed);
        QCOMPARE(OptionsDialog::portEntries(ports), listed);
    }

    void serialPortNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("serial");
        QTest::newRow("COM3") << "COM3" << true;
        QTest::newRow("lower case com") << "com12" << true;
        QTest::newRow("device serial") << "\\Device\\Serial0" << true;
        QTest::newRow("virtual COM port") << "\\device\\vcp0" << true;
        QTest::newRow("Serial") << "Serial2" << true;
        QTest::newRow("parallel port") << "LPT1" << false;
        QTest::newRow("modem") << "\\Device\\Modem0" << false;
        QTest::newRow("empty") << "" << false;
    }
    void serialPortNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, serial);
        QCOMPARE(OptionsDialog::isSerialPortName(name), serial);
    }

    void callersPortSelectsTheFirstEntryBeginningWithIt_data()
    {
        QTest::addColumn<QList<SystemSerialPort>>("ports");
        QTest::addColumn<QString>("storedDevice");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("device");
        const QList<SystemSerialPort> none;
        QTest::newRow("fall-back, other case") << none << "" << "com3" << "COM3" << "";
        QTest::newRow("prefix picks the first") << none << "" << "COM" << "COM1" << "";
#ifdef Q_OS_WIN
        QTest::newRow("no such port") << none << "" << "COM9" << "" << "";
#else
        QTest::newRow("device path prefix") << TwoPorts << "" << "/DEV/TTYS" << "/dev/ttyS1" << "/dev/ttyS1";
        QTest::newRow("unlisted device stays") << TwoPorts << "" << "/dev/pts/7" << "/dev/pts/7" << "/dev/pts/7";
        QTest::newRow("network port stays") << TwoPorts << "" << "rfc2217://127.0.0.1:2001" << "rfc2217://127.0.0.1:2001"
                                            << "rfc2217://127.0.0.1:2001";
        QTest::newRow("number: the stored network port")
            << TwoPorts << "tcp://127.0.0.1:4001" << "COM1" << "tcp://127.0.0.1:4001" << "tcp://127.0.0.1:4001";
        QTest::newRow("number: the stored device")
            << TwoPorts << "/dev/ttyUSB0" << "COM3" << "/dev/ttyUSB0" << "/dev/ttyUSB0";
        QTest::newRow("number: its own device") << TwoPorts << "" << "COM2" << "/dev/ttyS1" << "/dev/ttyS1";
        QTest::newRow("number: unlisted device stays") << none << "" << "COM9" << "/dev/ttyS8" << "/dev/ttyS8";
        QTest::newRow("port 0: no device") << QList<SystemSerialPort>{{"ttyS0", "/dev/ttyS0"}} << "" << "COM0" << "" << "";
        QTest::newRow("no such port") << TwoPorts << "" << "ttyACM" << "" << "";
#endif
    }
    void callersPortSelectsTheFirstEntryBeginningWithIt()
    {
        QFETCH(QList<SystemSerialPort>, ports);
        QFETCH(QString, storedDevice);
        QFETCH(QString, given);
        QFETCH(QString, selected);
        QFETCH(QString, device);
        ScopedTestHome home;
        PackFolder packs;
        if (!storedDevice.isEmpty())
            settings_store::writeString("Communication", "Device", storedDevice);
        OptionsDialog dialog;
        dialog.setSystemPorts(ports);
        dialog.setComPortName(given);
        dialog.show();
        QCOMPARE(dialog.portList()->currentText(), selected);
        button(dialog, 1)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.comPortName(), selected);
        QCOMPARE(dialog.devicePath(), device);
        QCOMPARE(settings_store::readString("Communication", "Device", ""), storedDevice); // the caller's job
    }

    // A network port typed without its number is refused on OK, the field
    // left to be corrected (a well-formed one is taken: "network port stays").
    // What is typed is what is taken: a listed address that begins alike is
    // not put in its place.
    void typedNetworkPortIsTakenAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("without its port number") << "rfc2217://quaybox" << true;
        // Else opened as a device of that name, "/dev/127.0.0.1:2001".
        QTest::newRow("without its scheme") << "127.0.0.1:2001" << true;
        QTest::newRow("another scheme") << "rfc2271://quaybox:2001" << true;
        QTest::newRow("the start of a listed one") << "rfc2217://quaybox:2001" << false;
    }
    void typedNetworkPortIsTakenAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        ScopedTestHome home;
        PackFolder packs;
        testing_support::MessageRecorder told{user_messages::Answer::Ok};
        OptionsDialog dialog;
        dialog.setSystemPorts(TwoPorts);
        dialog.setComPortName("rfc2217://quaybox:20011");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.portList()->lineEdit()->setFocus();
        dialog.portList()->lineEdit()->clear();
        QTest::keyClicks(dialog.portList()->lineEdit(), typed);
        button(dialog, 1)->click();
        QCOMPARE(told.texts(), refused ? QStringList{typed + " is not a network port: write it as "
                                                     "rfc2217://HOST:PORT or tcp://HOST:PORT, PORT being the number of "
                                                     "the port on the server."}
                                       : QStringList());
        QCOMPARE(dialog.isVisible(), refused);
        if (refused)
            QCOMPARE(dialog.focusWidget(), dialog.portList());
        else
            QCOMPARE(dialog.devicePath(), typed);
    }

    void cancelStoresNothing()
    {
        ScopedTestHome home;
        PackFolder packs;
        OptionsDialog dialog;
        dialog.setSystemPorts({});
        dialog.setComPortName("COM2");
        dialog.show();
        QSignalSpy switched(&Language::instance(), &Language::languageSwitched);
        dialog.databaseEdit()->setText("/data/other.mdb");
        dialog.languageList()->setCurrentIndex(dialog.languageList()->findText("German"));
        dialog.portList()->setCurrentIndex(3);
        button(dialog, 2)->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!settings_store::contains("Directories", "DBase"));
        QCOMPARE(switched.count(), 0);
        QCOMPARE(Language::instance().currentLanguage(), QString("vorn_eng32.dll"));
        QCOMPARE(dialog.comPortName(), QString("COM2"));
    }

    // A typed catalogue that is not there is asked about: Yes stores it with
    // the rest, No keeps the window open with nothing stored.
    // A file that is there but is no catalogue is asked about alike.
    void okStoresTheTypedPathAndSwitchesTheLanguage_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("typed"); // "TEXT": a text file
        QTest::addColumn<QString>("problem");
        QTest::newRow("yes") << int(user_messages::Answer::Yes) << "/data/old.mdbx"
                             << "The catalogue \"/data/old.mdbx\" does not exist.";
        QTest::newRow("no") << int(user_messages::Answer::No) << "/data/old.mdbx"
                            << "The catalogue \"/data/old.mdbx\" does not exist.";
        QTest::newRow("no, a text file") << int(user_messages::Answer::No) << "TEXT"
                                         << "The file \"TEXT\" is not a catalogue: it is neither a SQLite nor an "
                                            "Access database.";
    }
    void okStoresTheTypedPathAndSwitchesTheLanguage()
    {
        QFETCH(int, answer);
        QFETCH(QString, typed);
        QFETCH(QString, problem);
        const bool yes = answer == int(user_messages::Answer::Yes);
        ScopedTestHome home;
        PackFolder packs;
        if (typed == "TEXT") {
            QFile notes(home.filePath("notes.txt"));
            QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("not a catalogue\n") > 0);
            problem.replace("TEXT", notes.fileName());
            typed = notes.fileName();
        }
        testing_support::MessageRecorder asked{user_messages::Answer(answer)};
        settings_store::writeString("Directories", "DBase", "/data/old.mdb");
        OptionsDialog dialog;
        dialog.setSystemPorts({});
        dialog.show();
        QCOMPARE(dialog.databaseEdit()->text(), QString("/data/old.mdb"));
        dialog.databaseEdit()->clear();
        QTest::keyClicks(dialog.databaseEdit(), typed);
        dialog.languageList()->setCurrentIndex(dialog.languageList()->findText("German"));
        dialog.portList()->setCurrentIndex(2);
        button(dialog, 1)->click();
        QCOMPARE(asked.texts(), QStringList{problem + " Store this path anyway?"});
        QCOMPARE(settings_store::readString("DIRECTORIES", "DBase", ""), yes ? typed : QString("/data/old.mdb"));
        QCOMPARE(Language::instance().currentLanguage(), QString(yes ? "vorn_ger32.dll" : "vorn_eng32.dll"));
        QCOMPARE(settings_store::readString("Parameters", "Language", ""), QString(yes ? "vorn_ger32.dll" : ""));
        QCOMPARE(dialog.isVisible(), !yes);
        if (yes)
            QCOMPARE(dialog.comPortName(), QString("COM3"));
        else
            QCOMPARE(dialog.focusWidget(), dialog.databaseEdit());
    }

    void okUntouchedStoresTheDefaultAndReloadsTheLanguage()
    {
        ScopedTestHome home;
        PackFolder packs;
        OptionsDialog dialog;
        dialog.show();
        // the catalogue's default, so that OK leaves the catalogue in use
        const QString defaultPath = catalogue_location::defaultDatabasePath();
        QCOMPARE(dialog.databaseEdit()->text(), defaultPath);
        QSignalSpy switched(&Language::instance(), &Language::languageSwitched);
        button(dialog, 1)->click();
        QCOMPARE(settings_store::readString("Directories", "DBase", ""), defaultPath);
        QCOMPARE(switched.count(), 1);
        QCOMPARE(Language::instance().currentLanguage(), QString("vorn_eng32.dll"));
    }

    // The user sensors' and the history's place: shown as stored (the
    // default greyed when none is), stored on OK, removed when emptied.
    void userSensorAndHistoryPaths_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("user sensors to a server") << "DIRECTORIES" << "DBASEUSER" << "/data/u.sqlite"
                                                  << "postgresql://%2Frun%2Fpostgresql/workshop"
                                                  << "postgresql://%2Frun%2Fpostgresql/workshop";
        QTest::newRow("history set") << "Directories" << "History" << "" << "/data/h.sqlite" << "/data/h.sqlite";
        QTest::newRow("history emptied") << "Directories" << "History" << "/data/h.sqlite" << "" << "";
    }
    void userSensorAndHistoryPaths()
    {
        QFETCH(QString, section);
        QFETCH(QString, entry);
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        ScopedTestHome home;
        PackFolder packs;
        if (!stored.isEmpty())
            settings_store::writeString(section, entry, stored);
        OptionsDialog dialog;
        dialog.setSystemPorts({});
        dialog.show();
        QLineEdit *edit = entry == "History" ? dialog.historyEdit() : dialog.userSensorEdit();
        QCOMPARE(edit->text(), stored);
        QVERIFY(!edit->placeholderText().isEmpty());
        edit->setText(typed);
        button(dialog, 1)->click();
        QCOMPARE(settings_store::readString(section, entry, ""), after);
        QCOMPARE(settings_store::contains(section, entry), !after.isEmpty());
    }

    void missingLanguagePackStillStoresThePathAndCloses()
    {
        ScopedTestHome home;
        PackFolder packs({"vorn_eng32"});
        MessageRecorder messages;
        OptionsDialog dialog;
        dialog.show();
        const QString catalogue = home.filePath("new.mdb");
        QFile(catalogue).open(QIODevice::WriteOnly);
        dialog.databaseEdit()->setText(catalogue);
        dialog.languageList()->setCurrentIndex(dialog.languageList()->findText("French"));
        button(dialog, 1)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings_store::readString("Directories", "DBase", ""), catalogue);
        QCOMPARE(messages.texts(), QStringList({"Unable to load the language resourcesvorn_fre32.dll."}));
        QCOMPARE(Language::instance().currentLanguage(), QString("vorn_eng32.dll"));
    }

    void browseTakesANewFileName()
    {
        ScopedTestHome home;
        PackFolder packs;
        OptionsDialog dialog;
        dialog.show();
        const QString chosen = home.filePath("catalogue/new.sqlite");
        QDir().mkpath(home.filePath("catalogue"));
        QStringList filters;
        QTimer::singleShot(0, [&] {
            auto *fileDialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(fileDialog);
            filters = fileDialog->nameFilters();
            fileDialog->selectFile(chosen); // need not exist
            QMetaObject::invokeMethod(fileDialog, "accept");
        });
        dialog.browseButton()->click();
        QCOMPARE(dialog.databaseEdit()->text(), chosen);
        QCOMPARE(filters, QStringList({"Database (*.mdb)", "SQLite database (*.sqlite *.db)"}));
        button(dialog, 2)->click();
        QVERIFY(!settings_store::contains("Directories", "DBase"));
    }

    void helpKeyIsSwallowed()
    {
        ScopedTestHome home;
        PackFolder packs;
        MessageRecorder messages;
        OptionsDialog dialog;
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_F1);
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.count(), 0);
        button(dialog, 2)->click();
    }
};

SKALERON_TEST(OptionsDialogTest)
#include "OptionsDialogTest.moc"
