// The main window's options flow, About box, and the hand-over of a project
// from a second start of the program.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/OptionsDialog.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "app/ShellIntegration.h"
#include "app/SingleInstance.h"
#include "common/TestRegistry.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/CommandIds.h"
#include "link/StoredLineSelectors.h"
#include "model/ProjectDocument.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <future>

using namespace testing_support;
using namespace command_ids;

class ShellCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void portNumberFromName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("port");
        QTest::newRow("COM3") << "COM3" << 3;
        QTest::newRow("blank after COM") << "COM 10" << 10;
        QTest::newRow("several blanks") << "COM   7" << 7;
        QTest::newRow("too short") << "COM" << 42;
        QTest::newRow("device path") << "/dev/ttyUSB0" << 42;
        QTest::newRow("network port") << "rfc2217://gauge-box:2217" << 42;
        QTest::newRow("lower case") << "com4" << 4;
        QTest::newRow("digits then text") << "COM12x" << 12;
        QTest::newRow("absurdly long number") << "COM99999999999999" << 999999999;
    }
    void portNumberFromName()
    {
        QFETCH(QString, name);
        QFETCH(int, port);
        QCOMPARE(::portNumberFromName(name, 42), port);
    }

    void optionsOkStoresPortAndPath()
    {
        FrameFixture f;
        settings_store::writeInt("Communication", "Baudrate", 3);
        QVERIFY(f.start());
        const QString database = f.home().filePath(QStringLiteral("typed.sqlite"));
        QFile(database).open(QIODevice::WriteOnly); // there, so OK asks nothing
        QString chosenEntry;
        QString chosenDevice;
        whenModal<OptionsDialog>([&](OptionsDialog *dialog) {
            QComboBox *ports = dialog->portList();
            ports->setCurrentIndex(ports->count() - 1);
            chosenEntry = ports->currentText();
            dialog->databaseEdit()->setText(database);
            dialog->accept();
            chosenDevice = dialog->devicePath();
        });
        f.trigger(CommunicationSettings);
        QVERIFY(!chosenEntry.isEmpty());
        QCOMPARE(settings_store::readString("Directories", "DBase", QString()), database);
        QCOMPARE(settings_store::readInt("Communication", "Port", -1), ::portNumberFromName(chosenEntry, 0));
        QCOMPARE(settings_store::readString("Communication", "Device", QStringLiteral("unset")), chosenDevice);
        // The other line settings are written back unchanged.
        QCOMPARE(settings_store::readInt("Communication", "Baudrate", -1), 3);
        QCOMPARE(settings_store::readInt("Communication", "Parity", -1), 2);
    }

    void optionsCancelStoresNothing()
    {
        FrameFixture f;
        QVERIFY(f.start());
        whenModal<OptionsDialog>([&](OptionsDialog *dialog) {
            dialog->portList()->setCurrentIndex(0);
            dialog->databaseEdit()->setText(QStringLiteral("/elsewhere.sqlite"));
            dialog->reject();
        });
        f.trigger(CommunicationSettings);
        for (const char *entry : {"Port", "Baudrate", "Databits", "Parity", "Stopbits", "Device"})
            QVERIFY2(!settings_store::contains("Communication", entry), entry);
        QVERIFY(!settings_store::contains("Directories", "DBase"));
    }

    void optionsLanguageSwitchRebuildsTheTree()
    {
        FrameFixture f;
        QVERIFY(f.start());
        whenModal<OptionsDialog>([&](OptionsDialog *dialog) {
            QComboBox *languages = dialog->languageList();
            languages->setCurrentIndex(languages->findText(QStringLiteral("German")));
            dialog->accept();
        });
        f.trigger(CommunicationSettings);
        QCOMPARE(f.treeTexts(), QStringList{loadTranslatedString(1010)});
        QVERIFY(f.treeTexts().first() != QStringLiteral("Project"));
        // The language chosen is stored at exit.
        f.stop();
        QCOMPARE(settings_store::readString("Parameters", "Language", QString()), QStringLiteral("vorn_ger32.dll"));
        QVERIFY(Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll")));
    }

    void aboutBoxShows()
    {
        FrameFixture f;
        QVERIFY(f.start());
        QString version;
        whenModal<AboutDialog>([&](AboutDialog *dialog) {
            version = dialog->versionLabel()->text();
            dialog->accept();
        });
        f.trigger(AppAbout);
        QVERIFY(version.startsWith(QStringLiteral("Version ")));
    }

    void registerAndUnregisterSwitches()
    {
        QTemporaryDir data;
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", oldData); });
        {
            FrameFixture f;
            QVERIFY(!f.start({QStringLiteral("/RegServer")}));
            QCOMPARE(f.exitCode(), 0);
            QVERIFY(!f.app().mainFrame());
            QVERIFY(QFile::exists(shell_integration::desktopEntryPath()));
        }
        {
            FrameFixture f;
            QVERIFY(!f.start({QStringLiteral("-Unregister")}));
            QCOMPARE(f.exitCode(), 0);
            QVERIFY(!QFile::exists(shell_integration::desktopEntryPath()));
        }
    }

    void secondStartHandsTheFileOver()
    {
        FrameFixture f;
        QVERIFY(f.start());
        const QString path = f.home().filePath(QStringLiteral("handed.rix"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QDataStream out(&file);
            out.setByteOrder(QDataStream::LittleEndian);
            out.setFloatingPointPrecision(QDataStream::DoublePrecision);
            out << qint32(103) << qint32(0) << 777.0 << 0.0 << qint32(0) << qint32(0) << 0.0 << quint32(0xFFFF)
                << 0.0 << qint32(0) << qint32(0) << qint32(0) << qint32(0) << qint32(-1) << qint32(0);
        }
        // The second start runs elsewhere; here the running program answers.
        auto handed = std::async(std::launch::async, [path] { return SingleInstance().handOver(path, 5000); });
        QTRY_COMPARE(f.document().config().KValue, 777.0);
        QVERIFY(handed.get());
        QCOMPARE(f.document().filePath(), path);
    }
};

SKALERON_TEST(ShellCommandsTest)
#include "ShellCommandsTest.moc"
