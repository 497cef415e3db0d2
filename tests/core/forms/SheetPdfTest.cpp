// The configuration sheet as a PDF file, as the desktop program and the
// command-line tool write it: the dial at print resolution, the page size
// and the pages counted in every footer, read back with poppler's tools.
#include "forms/ConfigurationSheet.h"
#include "forms/SheetPdf.h"

#include "base/Language.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "model/ConfigRecord.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using testing_support::ScopedTestHome;

namespace {

QString popplerOutput(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(tool), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A dial picture of the given side, stored at the given resolution.
QImage dial(int side, int dotsPerInch)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawEllipse(image.rect().adjusted(2, 2, -2, -2));
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    return image;
}

ConfigurationSheet sheetWith(const QImage &picture)
{
    ConfigRecord record;
    record.OrderNumber = QStringLiteral("SK-SL85-12L");
    record.PictureBitmap = picture;
    return ConfigurationSheet::forRecord(record, QStringLiteral("/tmp/boat.rix"), QDateTime::currentDateTime(),
                                         SheetJob{"Harbour Marine", "Aurora", "SN-1", "Jo Berger", QString()});
}

}

class SheetPdfTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
            QSKIP("poppler's tools are missing: scripts/setup installs poppler-utils");
    }

    // The dial goes on paper at 40 mm, or at its own size when smaller; its
    // pixels are resampled smoothly to the 300 dpi of the PDF, but never
    // more than doubled.
    void dialAtPrintResolution_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("dotsPerInch");
        QTest::addColumn<int>("pixels"); // as the PDF holds the picture
        QTest::addColumn<int>("ppi");    // on paper
        QTest::newRow("small: own size, pixels doubled") << 100 << 96 << 200 << 192;
        QTest::newRow("large: 40 mm at print resolution") << 1200 << 96 << 472 << 300;
        QTest::newRow("fine: own size, as it is") << 400 << 300 << 400 << 300;
    }
    void dialAtPrintResolution()
    {
        QFETCH(int, side);
        QFETCH(int, dotsPerInch);
        QFETCH(int, pixels);
        QFETCH(int, ppi);
        ScopedTestHome home;
        const QString pdf = home.filePath(QStringLiteral("sheet.pdf"));
        QString reason;
        QVERIFY2(sheet_pdf::write(sheetWith(dial(side, dotsPerInch)), pdf, QPageSize(QPageSize::A4), &reason),
                 qPrintable(reason));
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        const QStringList images =
            popplerOutput(QStringLiteral("pdfimages"), {"-list", pdf}).split('\n').filter(QStringLiteral(" image "));
        QCOMPARE(images.size(), 1);
        const QStringList columns = images.first().simplified().split(' ');
        QCOMPARE(columns.at(3).toInt(), pixels);
        QVERIFY2(qAbs(columns.at(12).toInt() - ppi) <= 1, qPrintable(images.first()));
    }

    // The page size is the one asked for; a sheet too long for one page goes
    // on, and every footer counts the pages.
    void pagesAndPageSize_data()
    {
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<int>("calibrations");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("pages");
        QTest::newRow("A4") << int(QPageSize::A4) << 0 << "(A4)" << 1;
        QTest::newRow("Letter") << int(QPageSize::Letter) << 0 << "(letter)" << 1;
        QTest::newRow("three calibrations") << int(QPageSize::A4) << 3 << "(A4)" << 2;
    }
    void pagesAndPageSize()
    {
        QFETCH(int, pageSize);
        QFETCH(int, calibrations);
        QFETCH(QString, size);
        QFETCH(int, pages);
        ScopedTestHome home;
        ConfigurationSheet sheet = sheetWith(dial(120, 96));
        InputCalibration input;
        for (int i = 0; i < InputCalibration::Rows; ++i) {
            input.resistance[size_t(i)] = 10 + 20 * i;
            input.quantity[size_t(i)] = 5 * i;
        }
        for (int k = 0; k < calibrations; ++k)
            sheet.calibrations << SheetCalibration{QStringLiteral("Gauge %1").arg(k + 1), QStringLiteral("l"), input};
        const QString pdf = home.filePath(QStringLiteral("sheet.pdf"));
        QString reason;
        QVERIFY2(sheet_pdf::write(sheet, pdf, QPageSize(QPageSize::PageSizeId(pageSize)), &reason), qPrintable(reason));

        const QString info = popplerOutput(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:.*") + QRegularExpression::escape(size))),
                 qPrintable(info));
        const QString text = popplerOutput(QStringLiteral("pdftotext"), {"-enc", "UTF-8", pdf, "-"});
        for (int page = 1; page <= pages; ++page)
            QVERIFY2(text.contains(loadTranslatedString(6206).arg(page).arg(pages)), qPrintable(text));
    }
};

SKALERON_TEST(SheetPdfTest)
#include "SheetPdfTest.moc"
