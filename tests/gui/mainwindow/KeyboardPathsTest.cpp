// The dialogs with tables, reached by the Gauge menu's letters in each
// language: Tab leaves the table instead of walking its cells, and every
// button and labelled field has a letter of its own.
#include "UserPaths.h"
#include "base/Language.h"
#include "common/SimGauge.h"
#include "common/TestRegistry.h"
#include "dialogs/CompareDialog.h"
#include "dialogs/HistoryDialog.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/GaugeTransferCommands.h"
#include "model/ProjectDocument.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>

using namespace testing_support;
using namespace command_ids;

namespace {

constexpr int TachometerBlockFamily = 5;
constexpr int GaugeMenu = 3;

void checkKeyboardPaths(QDialog *dialog)
{
    const auto closer = qScopeGuard([dialog] { dialog->reject(); });
    QTableWidget *table = dialog->findChild<QTableWidget *>();
    QVERIFY(table);
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    table->setFocus();
    QCOMPARE(QApplication::focusWidget(), table);
    QTest::keyClick(table, Qt::Key_Tab);
    QVERIFY2(QApplication::focusWidget() != table, qPrintable(dialog->windowTitle()));

    QSet<QChar> letters;
    QStringList texts;
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        texts << button->text();
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->buddy())
            texts << label->text();
    }
    for (const QString &text : texts) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(text);
        QVERIFY2(!mnemonic.isEmpty(), qPrintable(text));
        letters.insert(mnemonic.toString().back().toLower());
    }
    QVERIFY2(letters.size() == texts.size(), qPrintable(texts.join(" | ")));
}

}

class KeyboardPathsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll")); }

    void tablesLetTabOutAndButtonsHaveLetters_data()
    {
        QTest::addColumn<QString>("pack");
        QTest::newRow("English") << "vorn_eng32.dll";
        QTest::newRow("German") << "vorn_ger32.dll";
        QTest::newRow("French") << "vorn_fre32.dll";
    }
    void tablesLetTabOutAndButtonsHaveLetters()
    {
        QFETCH(QString, pack);
        SimGauge gauge{SimFamily::Block};
        FrameFixture f;
        QVERIFY(f.start());
        LinkOptions options;
        options.timeouts = fastTimeouts();
        options.backupFolder = f.home().filePath(QStringLiteral("backups"));
        f.frame().gaugeCommands().setLinkOptions(options);
        openProjectOf(f, TachometerBlockFamily);
        f.document().config().KValue = 2345; // differs from the gauge's
        QVERIFY(Language::instance().switchLanguage(pack));

        int shown = 0;
        whenModal<CompareDialog>([&shown](CompareDialog *dialog) {
            ++shown;
            checkKeyboardPaths(dialog);
        });
        pickFromMenu(f, GaugeMenu, CompareGauge);
        whenModal<HistoryDialog>([&shown](HistoryDialog *dialog) {
            ++shown;
            checkKeyboardPaths(dialog);
        });
        pickFromMenu(f, GaugeMenu, ServiceHistory);
        QCOMPARE(shown, 2);
    }
};

SKALERON_TEST(KeyboardPathsTest)
#include "KeyboardPathsTest.moc"
