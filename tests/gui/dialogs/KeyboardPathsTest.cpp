// The dialogs from the keyboard: Tab leaves a table instead of walking its
// cells (comparison, history), runs across each x/y pair of a sensor definition, and every button
// has a letter of its own, in each language.
#include "base/Language.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "dialogs/CompareDialog.h"
#include "dialogs/HistoryDialog.h"
#include "dialogs/SensorDefinitionDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>

using namespace testing_support;

class KeyboardPathsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Language::instance().setPackFolder(binDir()); }
    void cleanupTestCase()
    {
        Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll"));
        Language::instance().setPackFolder(QString());
    }

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
        QVERIFY(Language::instance().switchLanguage(pack));
        const QVector<record_comparison::FieldDifference> differences{{"KValue", "Pulse factor", "1000", "2000"},
                                                                      {"WarnMode", "Warning", "0", "1"}};
        service_history::Entry entry;
        entry.time = QDateTime::currentDateTimeUtc();
        entry.operation = QStringLiteral("write");
        CompareDialog compare(differences, QStringLiteral("heading"), QStringLiteral("Gauge"), true);
        HistoryDialog history({entry, entry});
        for (QDialog *dialog : {static_cast<QDialog *>(&compare), static_cast<QDialog *>(&history)}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QTableWidget *table = dialog->findChild<QTableWidget *>();
            table->setFocus();
            QTest::keyClick(table, Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != table);

            QSet<QChar> letters;
            QList<QWidget *> named;
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                named << button;
            for (QLabel *label : dialog->findChildren<QLabel *>()) {
                if (label->buddy())
                    named << label;
            }
            for (QWidget *w : named) {
                const QString text = qobject_cast<QPushButton *>(w) ? qobject_cast<QPushButton *>(w)->text()
                                                                    : qobject_cast<QLabel *>(w)->text();
                const QKeySequence mnemonic = QKeySequence::mnemonic(text);
                QVERIFY2(!mnemonic.isEmpty(), qPrintable(text));
                letters.insert(mnemonic.toString().back().toLower());
            }
            QCOMPARE(letters.size(), named.size());
            dialog->hide();
        }
    }

    void sensorDefinitionTabsAcrossPairs()
    {
        SensorDefinitionDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QList<int> order{3009, 3017, 3010, 3018, 3011};
        dialog.findChild<QLineEdit *>(QStringLiteral("3009"))->setFocus();
        for (int id : order) {
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::number(id));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
};

SKALERON_TEST(KeyboardPathsTest)
#include "KeyboardPathsTest.moc"
