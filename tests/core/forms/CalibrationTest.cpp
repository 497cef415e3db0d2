// The numbers behind the calibration form: a sensor curve resampled to eight
// support points, the 1-2-5 axis bounds, the axis labels, which inputs are
// locked, and the calibration table file.
#include "base/Language.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "forms/CalibrationCurve.h"
#include "forms/CalibrationGraph.h"
#include "forms/CalibrationTable.h"

#include <QTest>

using namespace calibration;

namespace {

SensorCurve curve(const QString &x, const QString &y)
{
    SensorCurve c;
    c.setPointsFromText(x, y);
    return c;
}

QVector<double> quantities(const QVector<SupportPoint> &points)
{
    QVector<double> v;
    for (const SupportPoint &p : points)
        v << p.quantity;
    return v;
}

QVector<double> resistances(const QVector<SupportPoint> &points)
{
    QVector<double> v;
    for (const SupportPoint &p : points)
        v << p.resistance;
    return v;
}

}

class CalibrationTest : public QObject
{
    Q_OBJECT
private slots:
    // The reasons are checked in English.
    void initTestCase()
    {
        Language::instance().setPackFolder(testing_support::binDir());
        QVERIFY(Language::instance().switchLanguage(QStringLiteral("vorn_eng32.dll")));
    }
    void cleanupTestCase() { Language::instance().setPackFolder(QString()); }

    void resample_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QVector<double>>("quantity");
        QTest::addColumn<QVector<double>>("resistance");
        const QVector<double> q100{0, 14.3, 28.6, 42.9, 57.1, 71.4, 85.7, 100};
        const QVector<double> r{10, 35.7, 61.4, 87.1, 112.9, 138.6, 164.3, 190};
        QTest::newRow("three points") << "0 50 100" << "10 100 190" << q100 << r;
        QTest::newRow("unsorted, sorted by X first") << "100;0;50" << "190;10;100" << q100 << r;
        QTest::newRow("decimal commas") << "0;50;100" << "10,0;100,0;190,0" << q100 << r;
        QTest::newRow("all X equal: that X, resistance 0")
            << "20 20 20" << "1 2 3" << QVector<double>(8, 20) << QVector<double>(8, 0);
        QTest::newRow("vertical segment first: the curve on from the jump")
            << "0 0 70" << "5 9 79" << QVector<double>{0, 10, 20, 30, 40, 50, 60, 70}
            << QVector<double>{9, 19, 29, 39, 49, 59, 69, 79};
    }
    void resample()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QVector<double>, quantity);
        QFETCH(QVector<double>, resistance);
        const QVector<SupportPoint> points = supportPoints(curve(x, y), 8);
        QCOMPARE(quantities(points), quantity);
        QCOMPARE(resistances(points), resistance);
    }

    void noSegmentNoPoints_data()
    {
        QTest::addColumn<QString>("values");
        QTest::newRow("no point") << "";
        QTest::newRow("one point") << "5";
    }
    void noSegmentNoPoints()
    {
        QFETCH(QString, values);
        QVERIFY(supportPoints(curve(values, values), 8).isEmpty());
    }

    void roundsOutwardTo125_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("130") << 130.0 << 200.0;
        QTest::newRow("255") << 255.0 << 500.0;
        QTest::newRow("100") << 100.0 << 100.0;
        QTest::newRow("7") << 7.0 << 10.0;
        QTest::newRow("5") << 5.0 << 10.0;
        QTest::newRow("4.99") << 4.99 << 5.0;
        QTest::newRow("-40") << -40.0 << -50.0;
        QTest::newRow("0") << 0.0 << 0.0;
        QTest::newRow("0.15") << 0.15 << 0.2;
        QTest::newRow("below a thousandth") << 1e-7 << 0.0;
    }
    void roundsOutwardTo125()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(roundOutward125(value), rounded);
    }

    void boundsStartAtZero()
    {
        const AxisBounds b = axisBounds({{20, 130}, {80, 255}});
        QCOMPARE(b.xMin, 0.0);
        QCOMPARE(b.xMax, 500.0);
        QCOMPARE(b.yMin, 0.0);
        QCOMPARE(b.yMax, 100.0);
    }

    void labels_data()
    {
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("span");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("range 0.2: three decimals")
            << 0.0 << 0.2 << QStringList{"0.000", "0.050", "0.100", "0.150", "0.200"};
        QTest::newRow("range 0.4: one decimal") << 0.0 << 0.4 << QStringList{"0.0", "0.1", "0.2", "0.3", "0.4"};
        QTest::newRow("range -50 to 500")
            << -50.0 << 550.0 << QStringList{"-50.0", "87.5", "225.0", "362.5", "500.0"};
    }
    void labels()
    {
        QFETCH(double, minimum);
        QFETCH(double, span);
        QFETCH(QStringList, labels);
        QCOMPARE(axisLabels(minimum, span), labels);
    }

    void collapsedRangeMapsWithoutDividingByZero()
    {
        const PlotMapping map({5, 5, 0, 0}, QSize(300, 200));
        QCOMPARE(map.xSpan(), PlotMapping::MinimumSpan);
        QCOMPARE(map.point(5, 0), QPoint(0, 200));
        QCOMPARE(map.column(6), 1000000); // far off, yet a pixel the painter clips
    }

    void locked_data()
    {
        QTest::addColumn<int>("gauge");
        QTest::addColumn<int>("source");
        QTest::addColumn<bool>("locked");
        QTest::newRow("no input") << -1 << 3 << true;
        QTest::newRow("Aux without signal source") << 0 << -1 << true;
        QTest::newRow("Aux on UBat") << 0 << 2 << true;
        QTest::newRow("Aux on its analog input") << 0 << 3 << false;
        QTest::newRow("temperature") << 1 << -1 << false;
        QTest::newRow("fuel level") << 2 << -1 << false;
    }
    void locked()
    {
        QFETCH(int, gauge);
        QFETCH(int, source);
        QFETCH(bool, locked);
        QCOMPARE(inputsLocked(gauge, source), locked);
    }

    void tableRoundTrip()
    {
        InputCalibration c;
        c.quantityUnit = "°C";
        for (int i = 0; i < 8; ++i) {
            c.resistance[i] = 10.5 * i;
            c.quantity[i] = -40 + 20 * i;
            c.pointerAngle[i] = 30 * i;
        }
        c.sensor.Defined = 1;
        const QByteArray csv = calibration_table::toCsv(c);
        QVERIFY(csv.startsWith("Resistance [Ohm],Quantity [°C],Display value,Pointer angle [°]\n"
                               "0,-40,0,0\n"
                               "10.5,-20,0,30\n"));
        InputCalibration read;
        QString reason;
        QVERIFY2(calibration_table::fromCsv(csv, read, &reason), qPrintable(reason));
        QCOMPARE(read.resistance, c.resistance);
        QCOMPARE(read.quantity, c.quantity);
        QCOMPARE(read.pointerAngle, c.pointerAngle);
        QCOMPARE(read.quantityUnit, QString("°C"));
        QVERIFY(!read.sensor.Defined);
    }

    void badTables_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("reason");
        QTest::newRow("letters") << QByteArray("R,Q,D,P\n1,2,3,4\n1,x,3,4\n") << "line 3, column 2";
        QTest::newRow("three values") << QByteArray("1,2,3,4\n1,2,3\n") << "line 2 holds 3 values";
        QTest::newRow("three rows") << QByteArray("1,2,3,4\n1,2,3,4\n1,2,3,4\n") << "3 rows";
        QTest::newRow("empty") << QByteArray("") << "0 rows";
    }
    void badTables()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, reason);
        InputCalibration c;
        c.resistance[0] = 7;
        QString why;
        QVERIFY(!calibration_table::fromCsv(csv, c, &why));
        QVERIFY2(why.contains(reason), qPrintable(why));
        QCOMPARE(c.resistance[0], 7.0);
    }

    // Other separators and names are read by position; our four names in
    // another order are read by name.
    void tablesOfOtherShapes_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("unit");
        QTest::newRow("semicolons, decimal commas, other names")
            << QByteArray("Ohm;Level [%];x;Phi;\n1,5;0;0;0;\n2,5;100;0;90;\n") << "%";
        QTest::newRow("our columns in another order")
            << QByteArray("Pointer angle [\xc2\xb0],Display value,Quantity [%],Resistance [Ohm]\n0,0,0,1.5\n90,0,100,2.5\n")
            << "%";
        // No header, no unit: the one the input had (a sensor's) is not the table's.
        QTest::newRow("no header") << QByteArray("1.5,0,0,0\n2.5,100,0,90\n") << "";
    }
    void tablesOfOtherShapes()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, unit);
        InputCalibration c;
        c.quantityUnit = QStringLiteral("bar");
        QString reason;
        QVERIFY2(calibration_table::fromCsv(csv, c, &reason), qPrintable(reason));
        QCOMPARE(c.supportPointCount, 2);
        QCOMPARE(c.resistance[1], 2.5);
        QCOMPARE(c.quantity[1], 100.0);
        QCOMPARE(c.pointerAngle[1], 90.0);
        QCOMPARE(c.quantityUnit, unit);
    }
};

SKALERON_TEST(CalibrationTest)
#include "CalibrationTest.moc"
