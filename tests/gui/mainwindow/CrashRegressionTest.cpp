// Ordinary actions that once took the program down: a language switch from
// a menu opened with the keyboard, and a file handed over by a second start
// while the save question is open.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "dialogs/OptionsDialog.h"
#include "base/Language.h"
#include "app/MessageBoxSink.h"
#include "app/SingleInstance.h"
#include "common/TestRegistry.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/CommandIds.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <future>

using namespace testing_support;
using namespace command_ids;

namespace {

QString writeProject(const ScopedTestHome &home, const QString &name, double kValue)
{
    ConfigRecord record;
    record.KValue = kValue;
    const QString path = home.filePath(name);
    QString error;
    if (!project_file::writeFile(path, record, &error))
        qWarning("%s", qPrintable(error));
    return path;
}

// A second start of the program handing a file over, from its own thread:
// it connects, sends the request, waits for the answer and goes away.
std::future<bool> secondStart(const QString &path)
{
    return std::async(std::launch::async, [path] { return SingleInstance().handOver(path, 5000); });
}

}

class CrashRegressionTest : public QObject
{
    Q_OBJECT
private slots:
    void languageSwitchFromKeyboardMenu_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("firstMenu");
        QTest::newRow("German") << 0 << QStringLiteral("&Datei");
        QTest::newRow("French") << 2 << QStringLiteral("&Fichier");
        QTest::newRow("English again") << 1 << QStringLiteral("&File");
    }
    // Alt+G, Up to the last entry, Return: the options run inside the menu's
    // key handling, and their OK switches the language under it.
    void languageSwitchFromKeyboardMenu()
    {
        QFETCH(int, language);
        QFETCH(QString, firstMenu);
        FrameFixture f;
        QVERIFY(f.start());
        showAndActivate(f.frame());
        bool optionsShown = false;
        whenModal<OptionsDialog>([&](OptionsDialog *options) {
            optionsShown = true;
            QComboBox *list = options->languageList();
            list->setCurrentIndex(list->findData(language));
            QTest::keyClick(options, Qt::Key_Return);
        });

        QTest::keyClick(&f.frame(), Qt::Key_G, Qt::AltModifier);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_Up);
        QCOMPARE(menu->activeAction(), f.frame().action(CommunicationSettings));
        const QPointer<QMenu> handling = menu;
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(optionsShown);
        // The menu whose key handling ran the switch is still there.
        QVERIFY(handling);
        QCOMPARE(f.frame().menuBar()->actions().first()->text(), firstMenu);
        showAndActivate(f.frame());
        // The menus still work from the keyboard, with the new language's letters.
        QAction *gauge = f.frame().menuBar()->actions().at(3);
        QTest::keySequence(&f.frame(), QKeySequence::mnemonic(gauge->text()));
        QVERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }

    void handOverDuringSaveQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("no") << int(QMessageBox::No) << true;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
    }
    // The second start has gone away (its socket is closed) before the user
    // answers; a second request for the same file comes in meanwhile.
    void handOverDuringSaveQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, opened);
        FrameFixture f;
        QVERIFY(f.start());
        showAndActivate(f.frame());
        const QString current = writeProject(f.home(), QStringLiteral("current.rix"), 11);
        const QString other = writeProject(f.home(), QStringLiteral("other.rix"), 22);
        QVERIFY(f.frame().openProject(current));
        f.document().config().KValue = 12;
        f.document().setModified(true);
        MessageBoxSink realMessageBoxes;
        QSignalSpy reloads(&f.document(), &ProjectDocument::recordReloaded);

        std::future<bool> first = secondStart(other);
        std::future<bool> again;
        QMessageBox *question = nullptr;
        int questions = 0;
        // Any further question is counted and cancelled.
        QTimer others;
        connect(&others, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && question && box != question) {
                ++questions;
                box->button(QMessageBox::Cancel)->click();
            }
        });
        others.start(20);
        whenModal<QMessageBox>([&](QMessageBox *box) {
            question = box;
            ++questions;
            again = secondStart(other);
            while (again.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready
                   || first.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
                QCoreApplication::processEvents();
            // Let the server see both clients go.
            QTest::qWait(50);
            box->button(QMessageBox::StandardButton(answer))->click();
        });

        QTRY_VERIFY(again.valid());
        QTRY_COMPARE(first.wait_for(std::chrono::milliseconds(0)), std::future_status::ready);
        QVERIFY(first.get());
        QVERIFY(again.get());
        QTest::qWait(200);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(questions, 1);
        QCOMPARE(f.document().filePath(), opened ? other : current);
        QCOMPARE(f.document().config().KValue, opened ? 22.0 : 12.0);
        QCOMPARE(f.document().isModified(), !opened);
        QCOMPARE(reloads.count(), opened ? 1 : 0);
    }
};

SKALERON_TEST(CrashRegressionTest)
#include "CrashRegressionTest.moc"
