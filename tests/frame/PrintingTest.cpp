// The configuration sheet: its contents, the PDF export and the print
// preview through the main window's commands.
#include "DialogDriver.h"
#include "FrameFixture.h"
#include "app/Language.h"
#include "common/TestRegistry.h"
#include "frame/CMainFrame.h"
#include "frame/CommandIds.h"
#include "frame/SheetPrinting.h"
#include "model/CRixDoc.h"
#include "views/ConfigurationSheet.h"

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTest>

using namespace testing_support;
using namespace command_ids;

namespace {

// A sumlog-free speedometer project with distinctive settings.
void prepare(FrameFixture &f)
{
    CConfigData &c = f.document().GetConfig();
    c.MasterId = 3;
    f.document().ApplyStoredMasterType();
    c.KValue = 6500;
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
    void sheetHoldsEverySettingWithLabelAndUnit_data()
    {
        QTest::addColumn<int>("labelId");
        QTest::addColumn<QString>("value"); // a number: the pack's text of that id
        QTest::addColumn<QString>("unit");
        QTest::newRow("pulse factor") << 1125 << "=6500" << "";
        QTest::newRow("threshold") << 50005 << "=42" << "km/h";
        QTest::newRow("warning mode") << 50006 << "1122" << "";
        QTest::newRow("buzzer") << 5375 << "5376" << "";
        QTest::newRow("illumination") << 50008 << "=70" << "%";
        QTest::newRow("distance") << 50010 << "nm" << "";
        QTest::newRow("temperature") << 50011 << "°F" << "";
        QTest::newRow("time") << 50012 << "12 h" << "";
        QTest::newRow("depth") << 50013 << "ft" << "";
    }
    void sheetHoldsEverySettingWithLabelAndUnit()
    {
        QFETCH(int, labelId);
        QFETCH(QString, value);
        QFETCH(QString, unit);
        FrameFixture f;
        QVERIFY(f.start());
        prepare(f);
        const ConfigurationSheet sheet = ConfigurationSheet::Of(f.document(), QDateTime::currentDateTime());
        QCOMPARE(sheet.settingRows.size(), 13);
        const SheetRow *row = rowLabelled(sheet.settingRows, LoadTranslatedString(labelId));
        QVERIFY(row);
        bool isId = false;
        const int id = value.toInt(&isId);
        QCOMPARE(row->value, isId ? LoadTranslatedString(id) : value.remove(QLatin1Char('=')));
        if (!unit.isEmpty())
            QCOMPARE(row->unit, unit);
        QCOMPARE(sheet.masterRows.first().value, f.document().GetConfig().OrderNumber);
        QVERIFY(!sheet.picture.isNull());
        QVERIFY(sheet.fileLine.contains(LoadTranslatedString(5378)));
    }

    void displayItemsAreNamed()
    {
        FrameFixture f;
        QVERIFY(f.start());
        prepare(f);
        const ConfigurationSheet sheet = ConfigurationSheet::Of(f.document(), QDateTime::currentDateTime());
        QCOMPARE(sheet.settingRows.last().value,
                 LoadTranslatedString(50044) + QStringLiteral(", ") + LoadTranslatedString(50049));
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
        QVERIFY(!f.frame().Printing().ExportPdfTo(f.home().filePath(QStringLiteral("missing/dir/sheet.pdf"))));
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
        QCOMPARE(previewedName(), f.document().GetTitle());
        // The printer is kept for the page setup; its job takes the name of
        // the project printed now.
        QVERIFY(f.document().OnSaveDocument(f.home().filePath(QStringLiteral("renamed.rix"))));
        QCOMPARE(previewedName(), QStringLiteral("renamed.rix"));
    }

    void printWithoutPrinterSaysSo()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer");
        FrameFixture f;
        QVERIFY(f.start());
        f.trigger(FilePrint);
        QCOMPARE(f.messages().texts(), QStringList{LoadTranslatedString(5381)});
    }
};

SKALERON_TEST(PrintingTest)
#include "PrintingTest.moc"
