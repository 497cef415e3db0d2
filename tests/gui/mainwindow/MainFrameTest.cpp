// The main window itself: placement, language switch, command line, forms
// that refuse to go.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "dialogs/OptionsDialog.h"
#include "base/Language.h"
#include "base/SettingsStore.h"
#include "common/TestRegistry.h"
#include "dialogs/HelpWindow.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/CommandIds.h"
#include "link/LineSettings.h"
#include "model/ProjectDocument.h"
#include "views/FormView.h"
#include "views/ProjectTreeView.h"
#include "views/PaneSplitter.h"

#include <QAction>
#include <QComboBox>
#include <QTextBrowser>
#include <QUrl>
#include <QLineEdit>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QTest>

using namespace testing_support;
using namespace command_ids;

namespace {

// A form whose entry is invalid: it refuses to be left.
class RefusingForm : public FormView
{
public:
    using FormView::FormView;
    bool saveToRecord() override
    {
        ++asked;
        return !refuse;
    }
    bool refuse = true;
    int asked = 0;
};

QStringList menuTitles(MainWindow &frame)
{
    QStringList titles;
    for (QAction *a : frame.menuBar()->actions())
        titles << a->text();
    return titles;
}

void showAndActivate(MainWindow &frame)
{
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
}

}

class MainFrameTest : public QObject
{
    Q_OBJECT
private slots:
    void placementRoundTrip()
    {
        FrameFixture f;
        QVERIFY(f.start());
        showAndActivate(f.frame());
        // Nothing stored: the window starts maximised.
        QVERIFY(f.frame().isMaximized());
        f.frame().showNormal();
        f.frame().setGeometry(60, 70, 640, 480);
        QList<int> widths = f.frame().splitter()->sizes();
        widths[1] += widths[0] - 150;
        widths[0] = 150;
        f.frame().splitter()->setSizes(widths);
        f.stop();
        QCOMPARE(settings_store::readInt("Settings", "status", -1), 1);
        QCOMPARE(settings_store::readInt("Settings", "left", -1), 60);
        QCOMPARE(settings_store::readInt("Settings", "top", -1), 70);
        QCOMPARE(settings_store::readInt("Settings", "right", -1), 700);
        QCOMPARE(settings_store::readInt("Settings", "bottom", -1), 550);
        QCOMPARE(settings_store::readInt("Settings", "ColumnWidth_0", -1), 150);

        QVERIFY(f.start());
        showAndActivate(f.frame());
        QCOMPARE(f.frame().splitter()->sizes().first(), 150);
        QVERIFY(!f.frame().isMaximized());
        QCOMPARE(f.frame().geometry(), QRect(60, 70, 640, 480));

        // A maximised close keeps the normal placement stored before.
        f.frame().showMaximized();
        f.stop();
        QCOMPARE(settings_store::readInt("Settings", "left", -1), 60);
        QCOMPARE(settings_store::readInt("Settings", "bottom", -1), 550);
    }

    void noPlacementWhenTopEqualsBottom()
    {
        FrameFixture f;
        settings_store::writeInt("Settings", "status", 1);
        settings_store::writeInt("Settings", "left", 10);
        settings_store::writeInt("Settings", "right", 300);
        settings_store::writeInt("Settings", "top", 40);
        settings_store::writeInt("Settings", "bottom", 40);
        QVERIFY(f.start());
        showAndActivate(f.frame());
        QVERIFY(f.frame().isMaximized());
    }

    // Sizes stored too small (by hand, or from another language's texts)
    // never make the tree or the window smaller than they can be.
    void storedSizesNeverBelowMinimum()
    {
        FrameFixture f;
        settings_store::writeInt("Settings", "status", 1);
        settings_store::writeInt("Settings", "left", 40);
        settings_store::writeInt("Settings", "top", 40);
        settings_store::writeInt("Settings", "right", 60);
        settings_store::writeInt("Settings", "bottom", 50);
        settings_store::writeInt("Settings", "ColumnWidth_0", 10);
        QVERIFY(f.start());
        showAndActivate(f.frame());
        const int treeMinimum = f.tree().minimumWidth();
        QVERIFY(treeMinimum > 10);
        QCOMPARE(f.frame().splitter()->sizes().first(), treeMinimum);
        QTRY_VERIFY(f.frame().width() >= f.frame().minimumWidth());
        QVERIFY(f.frame().height() >= f.frame().minimumHeight());
        f.stop();
        QCOMPARE(settings_store::readInt("Settings", "ColumnWidth_0", -1), treeMinimum);
        QVERIFY(settings_store::readInt("Settings", "right", -1) - settings_store::readInt("Settings", "left", -1)
                >= 640);
    }

    // A port the system does not list is typed into the port field; the
    // link opens it from then on, and the status bar says so.
    void typedDeviceIsStoredAndShown_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("device");
        QTest::newRow("full path") << "/dev/serial/by-id/usb-gauge-if00" << "/dev/serial/by-id/usb-gauge-if00";
        QTest::newRow("device name") << "ttyACM3" << "/dev/ttyACM3";
        QTest::newRow("none") << "" << ""; // said, not "Gauge port:" and nothing
    }
    void typedDeviceIsStoredAndShown()
    {
        QFETCH(QString, typed);
        QFETCH(QString, device);
        FrameFixture f;
        QVERIFY(f.start());
        whenModal<OptionsDialog>([typed](OptionsDialog *options) {
            options->portList()->lineEdit()->selectAll();
            QTest::keyClicks(options->portList()->lineEdit(), typed);
            QTest::keyClick(options->languageList(), Qt::Key_Return);
        });
        f.trigger(CommunicationSettings);
        QCOMPARE(settings_store::readString("Communication", "Device", ""), device);
        QCOMPARE(configuredPortDevice(loadLineSettings().port), device);
        auto *port = f.frame().findChild<QLabel *>(QStringLiteral("portNotice"));
        QVERIFY(port && port->isVisibleTo(&f.frame()));
        QCOMPARE(port->text(), device.isEmpty() ? loadTranslatedString(5989) : loadTranslatedString(5364).arg(device));
    }

    void languageSwitchRebuildsMenuTreeAndTitle()
    {
        FrameFixture f;
        QVERIFY(f.start());
        f.document().config().MasterId = 7;
        f.tree().fillTree();
        QCOMPARE(menuTitles(f.frame()).first(), QStringLiteral("&File"));
        QCOMPARE(f.treeTexts(), (QStringList{"Project", "Master"}));

        QVERIFY(Language::instance().switchLanguage(QStringLiteral("vorn_ger32.dll")));
        QCOMPARE(menuTitles(f.frame()).first(), QStringLiteral("&Datei"));
        QCOMPARE(f.frame().action(ReadGauge)->text(), loadTranslatedString(5322));
        QCOMPARE(f.treeTexts(), (QStringList{loadTranslatedString(1010), loadTranslatedString(1121)}));
        QVERIFY(f.treeTexts().first() != QStringLiteral("Project"));
        QVERIFY(f.frame().windowTitle().startsWith(loadTranslatedString(61443)));
        QVERIFY(Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll")));
        QCOMPARE(menuTitles(f.frame()).first(), QStringLiteral("&File"));
    }

    void formThatRefusesStays()
    {
        FrameFixture f;
        QVERIFY(f.start());
        f.document().config().MasterId = 7;
        f.tree().fillTree();
        RefusingForm *form = nullptr;
        QVERIFY(f.frame().splitter()->replaceView(
            [&form](ProjectDocument *doc) { return form = new RefusingForm(doc); }, &f.document()));
        QTreeWidgetItem *master = f.tree().currentItem();
        QCOMPARE(ProjectTreeView::itemCode(master), 100);

        f.tree().setCurrentItem(f.tree().topLevelItem(0));
        QCOMPARE(f.frame().rightView(), form);
        QCOMPARE(f.tree().currentItem(), master);
        QCOMPARE(f.document().selectedTreeItem(), 100);

        // A new project asks first; saving cannot help while the entry is
        // invalid, so "save" and "cancel" keep the project.
        for (auto answer : {user_messages::Answer::Yes, user_messages::Answer::Cancel}) {
            f.messages().clear();
            f.messages().setAnswer(answer);
            f.trigger(FileNew);
            QCOMPARE(f.messages().count(), 1);
            QCOMPARE(f.document().config().MasterId, 7);
            QCOMPARE(f.frame().rightView(), form);
        }

        form->refuse = false;
        f.tree().setCurrentItem(f.tree().topLevelItem(0));
        QCOMPARE(f.rightViewClass(), QStringLiteral("ProjectFormView"));
        QCOMPARE(f.document().selectedTreeItem(), 107);
    }

    void invalidEntryIsNeverSaved()
    {
        FrameFixture f;
        QVERIFY(f.start());
        QVERIFY(f.frame().splitter()->replaceView([](ProjectDocument *doc) { return new RefusingForm(doc); },
                                                  &f.document()));
        const QString path = f.home().filePath(QStringLiteral("never.rix"));
        QVERIFY(!f.document().save(path));
        QVERIFY(!QFile::exists(path));
        f.trigger(FileSaveAs); // refused before a file name is asked for
        QVERIFY(!QApplication::activeModalWidget());
    }

    void contextMenuFromTheKeyboard()
    {
        FrameFixture f;
        QVERIFY(f.start());
        showAndActivate(f.frame());
        QStringList texts;
        QPoint where;
        // The menu runs its own loop; this timer looks at it from inside.
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (QAction *a : menu->actions())
                    texts << a->text();
                where = menu->pos();
                menu->close();
                poll.stop();
            }
        });
        poll.start(10);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(-1, -1), QPoint(-1, -1));
        QApplication::sendEvent(&f.frame(), &event);
        QCOMPARE(texts.size(), 6);
        QCOMPARE(texts.first(), f.frame().action(ReadGauge)->text());
        QCOMPARE(where, f.frame().mapToGlobal(f.frame().centralWidget()->geometry().topLeft() + QPoint(5, 5)));
    }

    void f6MovesBetweenThePanes()
    {
        FrameFixture f;
        QVERIFY(f.start());
        showAndActivate(f.frame());
        f.tree().setFocus();
        QVERIFY(f.tree().hasFocus());
        QTest::keyClick(&f.frame(), Qt::Key_F6);
        QVERIFY(!f.tree().hasFocus());
        QVERIFY(f.frame().rightView()->isAncestorOf(QApplication::focusWidget())
                || QApplication::focusWidget() == f.frame().rightView());
        QTest::keyClick(&f.frame(), Qt::Key_F6, Qt::ShiftModifier);
        QVERIFY(f.tree().hasFocus());
    }

    // F1 shows the manual made from the README in the program's own help
    // window, not in whatever the desktop opens HTML with.
    void f1OpensTheUserManual()
    {
        FrameFixture f;
        QVERIFY(f.start());
        showAndActivate(f.frame());
        QTest::keyClick(&f.frame(), Qt::Key_F1);
        HelpWindow *help = f.frame().findChild<HelpWindow *>();
        QVERIFY(help && help->isVisible());
        auto *page = help->findChild<QTextBrowser *>();
        QVERIFY(page && page->toPlainText().contains(QStringLiteral("Connecting a gauge")));
        QTest::keyClick(&f.frame(), Qt::Key_F1); // again: the same window
        QCOMPARE(f.frame().findChildren<HelpWindow *>().size(), 1);
        QCOMPARE(f.messages().count(), 0);
    }

    void treeLabelsCannotBeEdited()
    {
        FrameFixture f;
        QVERIFY(f.start());
        QCOMPARE(f.tree().editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!(f.tree().topLevelItem(0)->flags() & Qt::ItemIsEditable));
    }

    void projectFormWithoutMasterTypeShowsSixEmptyLines()
    {
        FrameFixture f;
        QVERIFY(f.start());
        QCOMPARE(f.rightViewClass(), QStringLiteral("ProjectFormView"));
        auto *info = f.frame().rightView()->findChild<QLabel *>(QStringLiteral("information"));
        QCOMPARE(info->text(), QString(6, QLatin1Char('\n')));
        QVERIFY(f.frame().rightView()->findChild<QLabel *>(QStringLiteral("picture"))->pixmap().isNull());
        QCOMPARE(f.frame().rightView()->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void invalidEntryCanBeDiscarded()
    {
        FrameFixture f;
        QVERIFY(f.start());
        f.document().config().MasterId = 7;
        f.tree().fillTree();
        QVERIFY(f.frame().splitter()->replaceView([](ProjectDocument *doc) { return new RefusingForm(doc); },
                                                  &f.document()));
        f.messages().setAnswer(user_messages::Answer::No);
        f.trigger(FileNew);
        QCOMPARE(f.document().config().MasterId, -1);
        QCOMPARE(f.rightViewClass(), QStringLiteral("ProjectFormView"));
    }

    void selectingAnItemMakesANewForm()
    {
        FrameFixture f;
        QVERIFY(f.start());
        f.document().config().MasterId = 7;
        f.tree().fillTree();
        QPointer<FormView> first = f.frame().rightView();
        f.tree().setCurrentItem(f.tree().topLevelItem(0));
        QVERIFY(f.frame().rightView() != first.data());
        QTRY_VERIFY(first.isNull());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("embedded");
        QTest::addColumn<bool>("demo");
        using C = CommandLineInfo::ShellCommand;
        QTest::newRow("nothing") << QStringList{} << int(C::FileNew) << QString() << false << false;
        QTest::newRow("file") << QStringList{"/home/a/b.rix"} << int(C::FileOpen) << "/home/a/b.rix" << false << false;
        QTest::newRow("slash embedding") << QStringList{"/Embedding"} << int(C::FileNew) << QString() << true << false;
        QTest::newRow("dash automation") << QStringList{"-AUTOMATION"} << int(C::FileNew) << QString() << true << false;
        QTest::newRow("print") << QStringList{"/p", "x.rix"} << int(C::FilePrint) << "x.rix" << false << false;
        QTest::newRow("register") << QStringList{"/regserver"} << int(C::AppRegister) << QString() << false << false;
        QTest::newRow("register as help writes it") << QStringList{"--register"} << int(C::AppRegister) << QString()
                                                    << false << false;
        QTest::newRow("unregister") << QStringList{"-Unregister"} << int(C::AppUnregister) << QString() << false
                                    << false;
        QTest::newRow("demo") << QStringList{"--demo"} << int(C::FileNew) << QString() << false << true;
        QTest::newRow("first file wins") << QStringList{"a.rix", "b.rix"} << int(C::FileOpen) << "a.rix" << false
                                         << false;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, command);
        QFETCH(QString, file);
        QFETCH(bool, embedded);
        QFETCH(bool, demo);
        const CommandLineInfo info = CommandLineInfo::parse(arguments);
        QCOMPARE(int(info.command), command);
        QCOMPARE(info.fileName, file);
        QCOMPARE(info.runEmbedded || info.runAutomated, embedded);
        QCOMPARE(info.demo, demo);
    }

    void embeddingStartsNoWindow()
    {
        FrameFixture f;
        QVERIFY(!f.start({QStringLiteral("-Embedding")}));
        QCOMPARE(f.exitCode(), 0);
        QVERIFY(!f.app().mainFrame());
        QCOMPARE(f.messages().count(), 0);
    }
};

SKALERON_TEST(MainFrameTest)
#include "MainFrameTest.moc"
