// The History window speaks the user's language: master types by name,
// operation, outcome and family translated, cut cells readable whole.
#include "common/CatalogueFiles.h"
#include "common/PackFolder.h"
#include "common/TestRegistry.h"
#include "dialogs/HistoryDialog.h"

#include <QDir>
#include <QHelpEvent>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

using namespace testing_support;

namespace {

enum Column { MasterType = 6, Family = 4, Project = 7, Operation = 8, Outcome = 9, Message = 10 };

service_history::Entry entry(int masterType, const QString &operation, const QString &outcome,
                             const QString &family, const QString &message = QString())
{
    service_history::Entry e;
    e.time = QDateTime(QDate(2026, 12, 7), QTime(18, 14), Qt::UTC);
    e.masterTypeId = masterType;
    e.operation = operation;
    e.outcome = outcome;
    e.family = family;
    e.message = message;
    return e;
}

QStringList cells(QTableWidget *table, int row)
{
    return {table->item(row, MasterType)->text(), table->item(row, Operation)->text(),
            table->item(row, Outcome)->text(), table->item(row, Family)->text()};
}

// The tooltip a resting mouse gets over the middle of a cell.
QString tooltipOver(QTableWidget *table, int row, int column)
{
    const QPoint at = table->visualItemRect(table->item(row, column)).center();
    QHelpEvent event(QEvent::ToolTip, at, table->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(table->viewport(), &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

}

class HistoryDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void cellsAreNamedInTheLanguage_data()
    {
        QTest::addColumn<QString>("pack");
        QTest::addColumn<QStringList>("known");
        QTest::addColumn<QStringList>("unknown");
        QTest::newRow("English") << "vorn_eng32.dll"
                                 << QStringList{"Speedometer 85 mm", "compare", "refused", "register"}
                                 << QStringList{"77", "calibrate", "odd", "other"};
        QTest::newRow("German") << "vorn_ger32.dll"
                                << QStringList{"Speedometer 85 mm", "vergleichen", "abgelehnt", "Register"}
                                << QStringList{"77", "calibrate", "odd", "other"};
        QTest::newRow("French") << "vorn_fre32.dll"
                                << QStringList{"Speedometer 85 mm", "comparaison", "refusé", "registre"}
                                << QStringList{"77", "calibrate", "odd", "other"};
    }

    void cellsAreNamedInTheLanguage()
    {
        QFETCH(QString, pack);
        QFETCH(QStringList, known);
        QFETCH(QStringList, unknown);
        ScopedTestHome home;
        PackFolder packs;
        MessageRecorder quiet;
        QVERIFY(Language::instance().switchLanguage(pack));
        const QString catalogue = home.filePath("master.sqlite");
        catalogue_files::createMasterTable(catalogue);
        catalogue_files::insertRows(catalogue, "RixData", {catalogue_files::masterRow(4, "Speedometer 85 mm")});
        catalogue_files::useCatalogue(catalogue);

        // Keys this program does not know (an older or newer writer) stay as stored.
        // A restore names no master type (-1): its cell stays empty.
        HistoryDialog dialog({entry(4, "verify", "refused", "register"), entry(77, "calibrate", "odd", "other"),
                              entry(-1, "restore", "done", "block")});
        auto *table = dialog.findChild<QTableWidget *>("historyTable");
        QCOMPARE(cells(table, 0), known);
        QCOMPARE(cells(table, 1), unknown);
        QCOMPARE(table->item(2, MasterType)->text(), QString());
        QVERIFY(quiet.texts().isEmpty());
    }

    void onlyCutCellsHaveATooltip()
    {
        ScopedTestHome home;
        PackFolder packs;
        const QString whole = QString("The gauge did not answer. ").repeated(12).trimmed();
        HistoryDialog dialog({entry(4, "read", "failed", "block", whole)});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *table = dialog.findChild<QTableWidget *>("historyTable");
        QCOMPARE(tooltipOver(table, 0, Operation), QString());
        QCOMPARE(tooltipOver(table, 0, Message), whole);
    }

    // A project under the home folder is shown from "~", its tooltip whole.
    void projectsUnderHomeAreShortened()
    {
        ScopedTestHome home;
        PackFolder packs;
        const QString underHome = QDir::homePath() + "/Projects/Harbour launch.rix";
        if (QDir::homePath() == "/")
            QSKIP("the home folder is the root folder here");
        service_history::Entry mine = entry(4, "read", "done", "block");
        mine.projectFile = underHome;
        service_history::Entry elsewhere = mine;
        elsewhere.projectFile = "/srv/boats/Harbour launch.rix";
        HistoryDialog dialog({mine, elsewhere});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *table = dialog.findChild<QTableWidget *>("historyTable");
        QCOMPARE(table->item(1, Project)->text(), QDir::toNativeSeparators("/srv/boats/Harbour launch.rix"));
        QCOMPARE(tooltipOver(table, 1, Project), QString());
        QCOMPARE(table->item(0, Project)->text(), QDir::toNativeSeparators("~/Projects/Harbour launch.rix"));
        QCOMPARE(tooltipOver(table, 0, Project), QDir::toNativeSeparators(underHome));
    }
};

SKALERON_TEST(HistoryDialogTest)
#include "HistoryDialogTest.moc"
