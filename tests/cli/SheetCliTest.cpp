// skaleron-cli sheet: the configuration sheet as a PDF without a window.
#include "SimProcess.h"

#include "common/TestRegistry.h"
#include "model/ProjectFile.h"

#include <QStandardPaths>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace testing_support;

class SheetCliTest : public QObject
{
    Q_OBJECT
private slots:
    // Done: the sheet in the language asked for, with the job, and a history
    // entry; a file that is not a project, or a project named as the output,
    // is bad input; a PDF that cannot be written, or whose master type is not
    // found, has failed. Only a sheet made leaves a file; no project goes.
    void exitStatus_data()
    {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("status");
        QTest::newRow("sheet made") << "boat.rix" << "sheet.pdf" << 0;
        QTest::newRow("not a project") << "notes.txt" << "sheet.pdf" << 2;
        QTest::newRow("no such project") << "missing.rix" << "sheet.pdf" << 2;
        QTest::newRow("unwritable PDF") << "boat.rix" << "no/such/folder/sheet.pdf" << 1;
        QTest::newRow("master type not in the catalogue") << "stranger.rix" << "sheet.pdf" << 1;
        QTest::newRow("no master type yet") << "new.rix" << "sheet.pdf" << 1;
        QTest::newRow("over its own project") << "boat.rix" << "boat.rix" << 2;
        QTest::newRow("over another project") << "boat.rix" << "new.rix" << 2;
        QTest::newRow("a value no gauge takes") << "damaged.rix" << "sheet.pdf" << 2;
    }
    void exitStatus()
    {
        QFETCH(QString, project);
        QFETCH(QString, output);
        QFETCH(int, status);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is missing: scripts/setup installs poppler-utils");
        ScopedTestHome home;
        ConfigRecord record;
        record.MasterId = 10;
        record.KValue = 5000;
        QString error;
        QVERIFY2(project_file::writeFile(home.filePath("boat.rix"), record, &error), qPrintable(error));
        record.MasterId = 999;
        QVERIFY2(project_file::writeFile(home.filePath("stranger.rix"), record, &error), qPrintable(error));
        record.MasterId = -1;
        QVERIFY2(project_file::writeFile(home.filePath("new.rix"), record, &error), qPrintable(error));
        record.MasterId = 10;
        record.DataSource = 77;
        QVERIFY2(project_file::writeFile(home.filePath("damaged.rix"), record, &error), qPrintable(error));
        QFile text(home.filePath("notes.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a gauge project\n") > 0);
        text.close();

        const CliResult r = runCli({"sheet", home.filePath(project), "-o", home.filePath(output), "--language", "ger",
                                    "--customer", "Werft Nord", "--serial", "SN-0815", "--technician", "Ada Kranz",
                                    "--catalogue", binDir() + "/skaleron-catalogue.sqlite"});
        QCOMPARE(r.exitCode, status);
        ConfigRecord kept;
        if (output.endsWith(".rix"))
            QCOMPARE(project_file::readFile(home.filePath(output), kept).status, project_file::ReadStatus::Ok);
        else
            QCOMPARE(QFile::exists(home.filePath(output)), status == 0);
        if (status != 0) {
            QVERIFY2(r.err.startsWith("skaleron-cli: ") && r.err.count('\n') == 1, qPrintable(r.err));
            return;
        }
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", "-enc", "UTF-8", home.filePath(output), "-"});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString sheet = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        for (const char *expected : {"Projektdatei: boat.rix", "Kunde Werft Nord", "SN-0815", "Ada Kranz",
                                     "k-Wert:", "Seite 1 von 1"})
            QVERIFY2(sheet.contains(QString::fromUtf8(expected)), qPrintable(sheet));
        const CliResult history = runCli({"history", "--json"});
        const QJsonArray entries = QJsonDocument::fromJson(history.out.toUtf8()).array();
        // The job as the object it is kept as, each field whole.
        QVERIFY2(!entries.isEmpty() && entries.last()["Operation"].toString() == "sheet"
                     && entries.last()["Message"]["serial"].toString() == "SN-0815"
                     && entries.last()["Message"]["customer"].toString() == "Werft Nord",
                 qPrintable(history.out));
    }
};

SKALERON_TEST(SheetCliTest)
#include "SheetCliTest.moc"
