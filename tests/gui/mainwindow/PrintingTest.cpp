// The configuration sheet: its contents, the PDF export and the print
// preview through the main window's commands.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "base/Language.h"
#include "common/TestRegistry.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/CommandIds.h"
#include "mainwindow/SheetPrinting.h"
#include "model/ProjectDocument.h"
#include "forms/ConfigurationSheet.h"

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
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
        QTest::newRow("speedometer threshold") << 3 << 0 << 50005 << "=42" << "km/h";
        QTest::newRow("speedometer warning mode") << 3 << 0 << 50006 << "1122" << "";
        QTest::newRow("speedometer second source") << 3 << 0 << 50017 << "Speedo (Freq. 1)" << "";
        QTest::newRow("speedometer illumination") << 3 << 0 << 50008 << "70 %" << "";
        QTest::newRow("speedometer temperature") << 3 << 0 << 50011 << "°F" << "";
        QTest::newRow("speedometer time") << 3 << 0 << 50012 << "12 h" << "";
        QTest::newRow("speedometer depth") << 3 << 0 << 50013 << "ft" << "";
        QTest::newRow("no distance unit") << 3 << 0 << 50010 << "" << "";
        QTest::newRow("no tachometer pulse factor") << 3 << 0 << 1127 << "" << "";
        QTest::newRow("tachometer with LCD: m value") << 8 << 0 << 1127 << "=12.5" << "1128";
        QTest::newRow("early tachometer: whole pulses") << 5 << int('A') << 1127 << "=6500" << "1128";
        QTest::newRow("later tachometer: tenths") << 5 << int('B') << 1127 << "=6500.0" << "1128";
        QTest::newRow("no LCD: no units") << 5 << int('B') << 50011 << "" << "";
        QTest::newRow("no LCD: no illumination") << 5 << int('B') << 50008 << "" << "";
        QTest::newRow("synchroniser: no threshold") << 12 << 0 << 50005 << "" << "";
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

    void displayItemsAreNamed()
    {
        FrameFixture f;
        QVERIFY(f.start());
        prepare(f, 10); // a sumlog shows both
        const ConfigurationSheet sheet = ConfigurationSheet::forDocument(f.document(), QDateTime::currentDateTime());
        QCOMPARE(sheet.settingRows.last().value,
                 loadTranslatedString(50044) + QStringLiteral(", ") + loadTranslatedString(50049));
    }

    void exportPdfThroughTheMenu()
    {
        FrameFixture f;
        QVERIFY(f.start());
        prepare(f);
        const QString path = f.home().filePath(QStringLiteral("sheet.pdf"));
        answerFileDialog(path);
        f.trigger(ExportPdf);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(pdf.size() > 2000); // the picture and the text are in it
        QCOMPARE(f.messages().count(), 0);
    }

    void unwritablePdfIsReported()
    {
        FrameFixture f;
        QVERIFY(f.start());
        QVERIFY(!f.frame().printing().exportPdfTo(f.home().filePath(QStringLiteral("missing/dir/sheet.pdf"))));
        QCOMPARE(f.messages().count(), 1);
        QCOMPARE(f.messages().messages().first().icon, user_messages::Icon::Error);
    }

    void printPreviewShowsThePage()
    {
        FrameFixture f;
        QVERIFY(f.start());
        prepare(f);
        int pages = 0;
        whenModal<QPrintPreviewDialog>([&pages](QPrintPreviewDialog *dialog) {
            if (auto *view = dialog->findChild<QPrintPreviewWidget *>())
                pages = view->pageCount();
            dialog->reject();
        });
        f.trigger(FilePrintPreview);
        QCOMPARE(pages, 1);
    }

    void printJobIsNamedAfterTheCurrentProject()
    {
        FrameFixture f;
        QVERIFY(f.start());
        auto previewedName = [&f] {
            QString name;
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
