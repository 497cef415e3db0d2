#include "common/PackFolder.h"

#include "dialogs/AboutDialog.h"
#include "app/SplashWindow.h"
#include "common/TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace testing_support;

class AboutSplashTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        SplashWindow::hideSplashScreen();
        SplashWindow::enableSplashScreen(false);
    }

    void versionLine_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("patch");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("line");
        QTest::newRow("0.8.0, 32 bit") << 0 << 8 << 0 << "Apr  3 2012" << 32
                                       << "Version 0.80 - Apr  3 2012 - 32 Bit R";
        QTest::newRow("1.0.0, 64 bit") << 1 << 0 << 0 << "Dec 17 2026" << 64
                                       << "Version 1.00 - Dec 17 2026 - 64 Bit R";
        QTest::newRow("third number without point") << 2 << 3 << 4 << "Jan  1 2027" << 64
                                                    << "Version 2.34 - Jan  1 2027 - 64 Bit R";
    }
    void versionLine()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, patch);
        QFETCH(QString, date);
        QFETCH(int, bits);
        QFETCH(QString, line);
        QCOMPARE(AboutDialog::versionLine(major, minor, patch, date, bits), line);
    }

    void buildDateInTheLanguagesWay_data()
    {
        QTest::addColumn<QString>("pack");
        QTest::addColumn<QString>("compiler");
        QTest::addColumn<QString>("shown");
        QTest::newRow("English") << "vorn_eng32.dll" << "Dec  7 2026" << "07/12/2026";
        QTest::newRow("German") << "vorn_ger32.dll" << "Dec  7 2026" << "07.12.26";
        QTest::newRow("French") << "vorn_fre32.dll" << "Mar 14 2027" << "14/03/2027";
        QTest::newRow("not a date") << "vorn_ger32.dll" << "??? ?? ????" << "??? ?? ????";
    }
    void buildDateInTheLanguagesWay()
    {
        QFETCH(QString, pack);
        QFETCH(QString, compiler);
        QFETCH(QString, shown);
        ScopedTestHome home;
        PackFolder packs;
        MessageRecorder quiet;
        QVERIFY(Language::instance().switchLanguage(pack));
        QCOMPARE(AboutDialog::buildDateText(compiler), shown);
    }

    void aboutBoxShowsThisProgramsVersion()
    {
        ScopedTestHome home;
        PackFolder packs;
        MessageRecorder messages;
        AboutDialog dialog;
        const QString line = dialog.versionLabel()->text();
        const QRegularExpression form(QStringLiteral("^Version 1\\.00 - \\d\\d/\\d\\d/\\d{4} - (\\d+) Bit R$"));
        const auto match = form.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QCOMPARE(match.captured(1).toInt(), int(sizeof(void *) * 8));
        QCOMPARE(line, AboutDialog::programVersionLine());
        QCOMPARE(dialog.windowTitle(), QString("About Skaleron"));
        QCOMPARE(messages.count(), 0);
        auto *ok = dialog.findChild<QPushButton *>("control1");
        QVERIFY(ok);
        QCOMPARE(ok->text(), QString("OK"));
        dialog.show();
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void disabledSplashDoesNotShow()
    {
        SplashWindow::enableSplashScreen(false);
        SplashWindow::showSplashScreen(nullptr, 5000);
        QVERIFY(!SplashWindow::current());
    }

    void splashClosesByItself()
    {
        SplashWindow::enableSplashScreen(true);
        SplashWindow::showSplashScreen(nullptr, 50);
        QPointer<SplashWindow> splash = SplashWindow::current();
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QCOMPARE(splash->size(), QSize(480, 300));
        QTRY_VERIFY_WITH_TIMEOUT(!SplashWindow::current(), 3000);
        QTRY_VERIFY(!splash); // the window is gone, not only hidden
    }

    void onlyOneSplashAtATimeAndANewOneLater()
    {
        SplashWindow::enableSplashScreen(true);
        SplashWindow::showSplashScreen(nullptr, 60000);
        SplashWindow *first = SplashWindow::current();
        SplashWindow::showSplashScreen(nullptr, 60000);
        QCOMPARE(SplashWindow::current(), first);
        SplashWindow::hideSplashScreen();
        QVERIFY(!SplashWindow::current());
        SplashWindow::showSplashScreen(nullptr, 60000);
        QVERIFY(SplashWindow::current());
    }

    void keyClosesTheSplashAndIsUsedUp()
    {
        QMainWindow window;
        auto *edit = new QLineEdit(&window);
        window.setCentralWidget(edit);
        auto *nextPane = new QAction(&window);
        nextPane->setShortcut(QKeySequence(Qt::Key_F6));
        window.addAction(nextPane);
        QSignalSpy triggered(nextPane, &QAction::triggered);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QTest::keyClick(window.windowHandle(), Qt::Key_F6); // the shortcut works
        QCOMPARE(triggered.count(), 1);
        triggered.clear();

        SplashWindow::enableSplashScreen(true);
        SplashWindow::showSplashScreen(&window, 60000);
        QVERIFY(SplashWindow::current());
        QTest::keyClick(edit, Qt::Key_A);
        QVERIFY(!SplashWindow::current());
        QCOMPARE(edit->text(), QString());
        QVERIFY(QTest::qWaitForWindowActive(&window)); // handed back by the splash
        QTest::keyClick(edit, Qt::Key_B); // the next key is the program's again
        QCOMPARE(edit->text(), QString("b"));

        // Through the window system's path, where shortcuts are looked up
        // before the key reaches any widget, with the main window active
        // under the splash as on a desktop.
        SplashWindow::showSplashScreen(&window, 60000);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.windowHandle(), Qt::Key_F6);
        QVERIFY(!SplashWindow::current());
        QCOMPARE(triggered.count(), 0);
        QCOMPARE(edit->text(), QString("b"));
        QTest::keyClick(window.windowHandle(), Qt::Key_F6);
        QCOMPARE(triggered.count(), 1);
        SplashWindow::showSplashScreen(&window, 60000);
        QTest::keyClick(window.windowHandle(), Qt::Key_C);
        QVERIFY(!SplashWindow::current());
        QCOMPARE(edit->text(), QString("b"));
    }

    void clickClosesTheSplashAndIsUsedUp()
    {
        QPushButton button("Press");
        QSignalSpy clicked(&button, &QPushButton::clicked);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        SplashWindow::enableSplashScreen(true);
        SplashWindow::showSplashScreen(&button, 60000);
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(!SplashWindow::current());
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }
};

SKALERON_TEST(AboutSplashTest)
#include "AboutSplashTest.moc"
