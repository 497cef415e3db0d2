// The configuration sheet: its contents, the PDF export and the print
// preview through the main window's commands.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "base/Language.h"
#include "common/TestRegistry.h"
#include "dialogs/SheetJobDialog.h"
#include "forms/ConfigurationSheet.h"
#include "forms/RecordComparison.h"
#include "history/ServiceHistory.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SheetPrinting.h"
#include "model/ProjectDocument.h"
#include "model/ProjectFile.h"
#include "views/ServiceItems.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

using namespace testing_support;
using namespace command_ids;

namespace {

// A project of a master type of the sample catalogue with distinctive settings.
void prepare(FrameFixture &f, int masterId = 3, uint8_t firmware = 0)
{
    ConfigRecord &c = f.document().config();
    c.MasterId = masterId;
    f.document().applyStoredMasterType();
    c.FirmwareVersion = {firmware, 0};
    c.KValue = 6500;
    c.MValue = 12.5;
    c.WarnThreshold = 42;
    c.WarnMode = 1;
    c.BuzzerActive = 1;
    c.Illumination = 70;
    c.DistanceUnit = 2;
    c.TemperatureUnit = 1;
    c.TimeFormat = 1;
    c.DepthUnit = 1;
    c.DisplayMask = display_bits::Clock | display_bits::Depth;
}

// Fills in the job dialog as the technician would and confirms it.
void answerJobDialog(const SheetJob &job)
{
    whenModal<SheetJobDialog>([job](SheetJobDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("customerEdit"))->setText(job.customer);
        dialog->findChild<QLineEdit *>(QStringLiteral("vesselEdit"))->setText(job.vessel);
        dialog->findChild<QLineEdit *>(QStringLiteral("serialEdit"))->setText(job.serialNumber);
        dialog->findChild<QLineEdit *>(QStringLiteral("technicianEdit"))->setText(job.technician);
        dialog->findChild<QPlainTextEdit *>(QStringLiteral("notesEdit"))->setPlainText(job.notes);
        dialog->accept();
    });
}

// The output of a poppler tool for a PDF file, one simplified line each.
QStringList popplerLines(const QString &tool, const QString &pdf)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(tool), tool == QLatin1String("pdftotext")
                                                       ? QStringList{"-layout", "-enc", "UTF-8", pdf, "-"}
                                                       : QStringList{"-enc", "UTF-8", pdf});
    p.waitForFinished(30000);
    QStringList lines;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        lines << line.simplified();
    return lines;
}

const SheetRow *rowLabelled(const QList<SheetRow> &rows, const QString &label)
{
    for (const SheetRow &r : rows) {
        if (r.label == label)
            return &r;
    }
    return nullptr;
}

}

class PrintingTest : public QObject
{
    Q_OBJECT
private slots:
    // The sheet shows what the master's form shows for the master type, as
    // the form shows it; a row the form hides is not on the sheet.
    void sheetShowsWhatTheFormShows_data()
    {
        QTest::addColumn<int>("masterId");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("labelId");
        QTest::addColumn<QString>("value"); // a number: the pack's text of that id; empty: no such row
        QTest::addColumn<QString>("unit");
        QTest::newRow("speedometer pulse factor") << 3 << 0 << 1125 << "=6500" << "1126";
        QTest::newRow("speedometer threshold: the form shows no unit") << 3 << 0 << 50005 << "=42" << "";
        QTest::newRow("speedometer warning mode") << 3 << 0 << 50006 << "1122" << "";
        QTest::newRow("speedometer second source") << 3 << 0 << 50017 << "Speedo (Freq. 1)" << "";
        QTest::newRow("speedometer illumination") << 3 << 0 << 50008 << "70 %" << "";
        QTest::newRow("speedometer: temperature unit disabled") << 3 << 0 << 50011 << "" << "";
        QTest::newRow("speedometer time") << 3 << 0 << 50012 << "12 h" << "";
        QTest::newRow("speedometer: depth unit disabled") << 3 << 0 << 50013 << "" << "";
        QTest::newRow("no distance unit") << 3 << 0 << 50010 << "" << "";
        QTest::newRow("no tachometer pulse factor") << 3 << 0 << 1127 << "" << "";
        QTest::newRow("tachometer with LCD: m value") << 8 << 0 << 1127 << "=12.5" << "1128";
        QTest::newRow("early tachometer: whole pulses") << 5 << int('A') << 1127 << "=6500" << "1128";
        QTest::newRow("later tachometer: tenths") << 5 << int('B') << 1127 << "=6500.0" << "1128";
        QTest::newRow("no LCD: no units") << 5 << int('B') << 50011 << "" << "";
        QTest::newRow("no LCD: no illumination") << 5 << int('B') << 50008 << "" << "";
        // Its gauge (block family) holds none of the display settings.
        QTest::newRow("tachometer with hour counter: no display items") << 6 << int('B') << 50041 << "" << "";
        QTest::newRow("tachometer with hour counter: no illumination") << 6 << int('B') << 50008 << "" << "";
        QTest::newRow("tachometer with LCD: display items") << 8 << 0 << 50041 << "=Clock" << "";
        QTest::newRow("synchroniser: no threshold") << 12 << 0 << 50005 << "" << "";
        QTest::newRow("no master type: no threshold") << -1 << 0 << 50005 << "" << "";
    }
    void sheetShowsWhatTheFormShows()
    {
        QFETCH(int, masterId);
        QFETCH(int, firmware);
        QFETCH(int, labelId);
        QFETCH(QString, value);
        QFETCH(QString, unit);
        FrameFixture f;
        QVERIFY(f.start());
        prepare(f, masterId, uint8_t(firmware));
        const ConfigurationSheet sheet = ConfigurationSheet::forDocument(f.document(), QDateTime::currentDateTime());
        const SheetRow *row = rowLabelled(sheet.settingRows, loadTranslatedString(labelId));
        if (value.isEmpty()) {
            QVERIFY(!row);
            return;
        }
        QVERIFY(row);
        bool isId = false;
        const int id = value.toInt(&isId);
        QCOMPARE(row->value, isId ? loadTranslatedString(id) : value.remove(QLatin1Char('=')));
        const int unitId = unit.toInt(&isId);
        QCOMPARE(row->unit, isId ? loadTranslatedString(unitId) : unit);
        QCOMPARE(sheet.masterRows.first().value, f.document().config().OrderNumber);
    }

    void printedDateInTheChosenLanguage()
    {
        FrameFixture f;
        QVERIFY(f.start());
        QVERIFY(Language::instance().switchLanguage(QStringLiteral("vorn_ger32.dll")));
        const QDateTime printed(QDate(2024, 3, 14), QTime(9, 30));
        const ConfigurationSheet sheet = ConfigurationSheet::forDocument(f.document(), printed);
        QVERIFY2(sheet.dateLine.contains(QStringLiteral("März")), qPrintable(sheet.dateLine));
        QVERIFY(Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll")));
    }

    // The form's untagged texts (its lists' English entries, a German label)
    // read on the sheet and in a comparison as the form shows them.
    void untaggedTextsInTheLanguageInUse()
    {
        FrameFixture f;
        QVERIFY(f.start());
        prepare(f, 3);
        QVERIFY(Language::instance().switchLanguage(QStringLiteral("vorn_ger32.dll")));
        const ConfigurationSheet sheet = ConfigurationSheet::forDocument(f.document(), QDateTime::currentDateTime());
        const SheetRow *source2 = rowLabelled(sheet.settingRows, loadTranslatedString(50017));
        QVERIFY(Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll")));
        QVERIFY(source2);
        QCOMPARE(source2->value, QStringLiteral("Geschwindigkeit (Freq. 1)"));
        ConfigRecord noMasterType;
        ConfigRecord buzzerOn = noMasterType;
        buzzerOn.BuzzerActive = 1;
        const QVector<record_comparison::FieldDifference> differences =
            record_comparison::compareRecords(noMasterType, buzzerOn);
        QCOMPARE(differences.size(), 1);
        QCOMPARE(differences.first().label, QStringLiteral("Buzzer output active"));
    }

    void displayItemsAreNamed()
    {
        FrameFixture f;
        QVERIFY(f.start());
        prepare(f, 10); // a sumlog shows both
        const ConfigurationSheet sheet = ConfigurationSheet::forDocument(f.document(), QDateTime::currentDateTime());
        QCOMPARE(sheet.settingRows.last().value,
                 loadTranslatedString(50044) + QStringLiteral(", ") + loadTranslatedString(50049));
    }

    // Sheets of three kinds of master type exported through the menu: the
    // PDF's text holds the job, the project's file name without its folder,
    // each row the form shows with the unit it shows, no row it hides, and
    // the page count; the technician is the author and is remembered, and the
    // history keeps the sheet with its serial number.
    void exportedSheet_data()
    {
        QTest::addColumn<int>("masterId");
        QTest::addColumn<QStringList>("rows"); // "label id|value as the form shows it"
        QTest::addColumn<QList<int>>("hidden");
        QTest::addColumn<bool>("serviceItems"); // the temperature input's calibration then is on the sheet
        QTest::newRow("speedometer in knots with LCD")
            << 4 << QStringList{"1125|6500 Imp./km", "50005|42", "50012|12 h"} << QList<int>{50011, 50013, 1127}
            << false;
        QTest::newRow("tachometer with LCD")
            << 8 << QStringList{"1127|12.5 Imp./rev.", "50005|42", "50012|12 h"} << QList<int>{50003, 50011, 1125}
            << false;
        QTest::newRow("sumlog with service items")
            << 10 << QStringList{"1125|6500 Imp./nm", "50005|42", "50011|°F", "50013|ft"} << QList<int>{50010, 1127}
            << true;
    }
    void exportedSheet()
    {
        QFETCH(int, masterId);
        QFETCH(QStringList, rows);
        QFETCH(QList<int>, hidden);
        QFETCH(bool, serviceItems);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is missing: scripts/setup installs poppler-utils");
        FrameFixture f;
        QVERIFY(f.start());
        prepare(f, masterId);
        QVERIFY(f.document().save(f.home().filePath(QStringLiteral("harbour-boat.rix"))));
        service_items::setShown(serviceItems);
        InputCalibration &temperature = *f.document().calibration(1);
        for (int i = 0; i < InputCalibration::Rows; ++i) {
            temperature.resistance[size_t(i)] = 300 - 35 * i;
            temperature.quantity[size_t(i)] = 20 * i;
        }
        temperature.quantityUnit = QStringLiteral("°C");
        const SheetJob job{"Harbour Marine", "Aurora II", QStringLiteral("SN-4711-%1").arg(masterId), "Jo Berger",
                           "Dial replaced"};
        answerJobDialog(job);
        const QString pdf = f.home().filePath(QStringLiteral("sheet.pdf"));
        answerFileDialog(pdf);
        f.trigger(ExportPdf);
        QCOMPARE(f.messages().count(), 0);
        QCOMPARE(f.frame().statusBar()->currentMessage(), loadTranslatedString(5986).arg(pdf));

        const QStringList text = popplerLines(QStringLiteral("pdftotext"), pdf);
        const QString all = text.join('\n');
        QVERIFY2(all.contains(loadTranslatedString(5371).arg("harbour-boat.rix")), qPrintable(all));
        QVERIFY(!all.contains(f.home().path()));
        auto lineOf = [&text](int labelId) {
            for (const QString &line : text) {
                if (line.startsWith(loadTranslatedString(labelId) + ' '))
                    return line;
            }
            return QString();
        };
        for (const QString &row : rows) {
            const int id = row.section('|', 0, 0).toInt();
            QCOMPARE(lineOf(id), loadTranslatedString(id) + ' ' + row.section('|', 1));
        }
        for (int id : hidden)
            QVERIFY2(lineOf(id).isEmpty(), qPrintable(lineOf(id)));
        const QString input = loadTranslatedString(5600).arg(2) + loadTranslatedString(5602);
        const QString calibration = loadTranslatedString(6209).arg(input);
        QCOMPARE(text.contains(calibration), serviceItems);
        // The second support point: resistance, quantity, display value, pointer angle.
        QCOMPARE(!text.filter(QRegularExpression(QStringLiteral("^265 20 0 0( |$)"))).isEmpty(), serviceItems);
        const QStringList jobValues{job.customer, job.vessel, job.serialNumber, job.technician, job.notes};
        for (int k = 0; k < jobValues.size(); ++k)
            QCOMPARE(lineOf(6200 + k), loadTranslatedString(6200 + k) + ' ' + jobValues.at(k));
        const QString footer = QStringLiteral("Skaleron " SKALERON_VERSION " ") + loadTranslatedString(6206).arg(1).arg(1);
        QVERIFY2(text.contains(footer), qPrintable(all));

        QVERIFY(popplerLines(QStringLiteral("pdfinfo"), pdf).contains(QStringLiteral("Author: Jo Berger")));
        QCOMPARE(sheet_job::storedTechnician(), job.technician);
        QVector<service_history::Entry> entries;
        QString reason;
        QVERIFY2(service_history::read({}, &entries, &reason), qPrintable(reason));
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first().operation, QStringLiteral("sheet"));
        QCOMPARE(entries.first().masterTypeId, masterId);
        QCOMPARE(QJsonDocument::fromJson(entries.first().message.toUtf8()).object()["serial"].toString(),
                 job.serialNumber);
    }

    void pdfThatCannotGoThereIsReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("icon");
        QTest::newRow("a missing folder") << "missing/dir/sheet.pdf" << int(user_messages::Icon::Error);
        QTest::newRow("a project file") << "boat.rix" << int(user_messages::Icon::Exclamation);
        QTest::newRow("a link to a project file") << "boat.pdf" << int(user_messages::Icon::Exclamation);
    }
    void pdfThatCannotGoThereIsReported()
    {
        QFETCH(QString, name);
        QFETCH(int, icon);
        FrameFixture f;
        const QString project = f.home().filePath(QStringLiteral("boat.rix"));
        ConfigRecord record;
        record.KValue = 42;
        QVERIFY(project_file::writeFile(project, record, nullptr));
        const auto bytes = [&project] {
            QFile file(project);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = bytes();
        QVERIFY(QFile::link(project, f.home().filePath(QStringLiteral("boat.pdf"))));
        QVERIFY(f.start());
        QVERIFY(!f.frame().printing().exportPdfTo(f.home().filePath(name)));
        QCOMPARE(f.messages().count(), 1);
        QCOMPARE(int(f.messages().messages().first().icon), icon);
        QCOMPARE(bytes(), before);
    }

    void printPreviewShowsThePage()
    {
        FrameFixture f;
        QVERIFY(f.start());
        prepare(f);
        answerJobDialog(SheetJob());
        int pages = 0;
        whenModal<QPrintPreviewDialog>([&pages](QPrintPreviewDialog *dialog) {
            if (auto *view = dialog->findChild<QPrintPreviewWidget *>())
                pages = view->pageCount();
            dialog->reject();
        });
        f.trigger(FilePrintPreview);
        QCOMPARE(pages, 1);
    }

    // A value no gauge takes would show on the customer's sheet as some list
    // entry it is not: no preview, no job asked for, the user told which.
    void damagedValueMakesNoSheet()
    {
        FrameFixture f;
        QVERIFY(f.start());
        prepare(f);
        f.document().config().DataSource = 77;
        f.trigger(FilePrintPreview);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(f.messages().texts(),
                 QStringList{loadTranslatedString(5018).arg(f.document().title(), QStringLiteral("DataSource 77"))});
    }

    void printJobIsNamedAfterTheCurrentProject()
    {
        FrameFixture f;
        QVERIFY(f.start());
        auto previewedName = [&f] {
            QString name;
            answerJobDialog(SheetJob());
            whenModal<QPrintPreviewDialog>([&name](QPrintPreviewDialog *dialog) {
                name = dialog->printer()->docName();
                dialog->reject();
            });
            f.trigger(FilePrintPreview);
            return name;
        };
        QCOMPARE(previewedName(), f.document().title());
        // The printer is kept for the page setup; its job takes the name of
        // the project printed now.
        QVERIFY(f.document().save(f.home().filePath(QStringLiteral("renamed.rix"))));
        QCOMPARE(previewedName(), QStringLiteral("renamed.rix"));
    }

    void printWithoutPrinterSaysSo()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer");
        FrameFixture f;
        QVERIFY(f.start());
        f.trigger(FilePrint);
        QCOMPARE(f.messages().texts(), QStringList{loadTranslatedString(5381)});
    }
};

SKALERON_TEST(PrintingTest)
#include "PrintingTest.moc"
