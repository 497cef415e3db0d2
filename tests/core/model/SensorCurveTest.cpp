#include "common/TestRegistry.h"
#include "model/SensorCurve.h"
#include "model/ValueList.h"

#include "base/Language.h"

#include <QTest>

class SensorCurveTest : public QObject
{
    Q_OBJECT
private slots:
    void newRecord()
    {
        const SensorCurve d;
        QCOMPARE(d.describe(), QString());
        QCOMPARE(d.PointCount, 0);
        QCOMPARE(d.TypeIndex, 4);
        QCOMPARE(d.EndX, 1.0);
        QCOMPARE(d.YMax, 1.0);
        QCOMPARE(d.Defined, 0);
    }

    void points_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QVector<double>>("xs");
        QTest::addColumn<QVector<double>>("ys");
        QTest::newRow("mixed separators") << "0;100;200" << "0,5 45 90" << QVector<double>{0, 100, 200}
                                          << QVector<double>{0.5, 45, 90};
        QTest::newRow("commas are decimal points") << "1,2,3" << "7 8" << QVector<double>{1.2, 0.3}
                                                   << QVector<double>{7, 8};
        QTest::newRow("fewer x values") << "5" << "1;2;3" << QVector<double>{5, 0, 0} << QVector<double>{1, 2, 3};
        QTest::newRow("surplus x values dropped") << "1;2;3;4" << "9;8" << QVector<double>{1, 2}
                                                  << QVector<double>{9, 8};
        QTest::newRow("empty y") << "1;2;3" << "" << QVector<double>{} << QVector<double>{};
        QTest::newRow("stops at text") << "1;2;3" << "4;x;6" << QVector<double>{1} << QVector<double>{4};
        QTest::newRow("exponent and sign") << "-1e2;+2.5E-1" << "1;2" << QVector<double>{-100, 0.25}
                                           << QVector<double>{1, 2};
        QTest::newRow("inf is not a number") << "1" << "inf;2" << QVector<double>{} << QVector<double>{};
    }
    void points()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QVector<double>, xs);
        QFETCH(QVector<double>, ys);
        SensorCurve d;
        d.setPointsFromText(x, y);
        QCOMPARE(d.PointCount, int(ys.size()));
        for (int i = 0; i < ys.size(); ++i) {
            QCOMPARE(d.X[i], xs[i]);
            QCOMPARE(d.Y[i], ys[i]);
        }
    }

    void atMost250Points()
    {
        QStringList values;
        for (int i = 0; i < 300; ++i)
            values << QString::number(i);
        SensorCurve d;
        d.setPointsFromText(values.join(";"), values.join(";"));
        QCOMPARE(d.PointCount, 250);
        QCOMPARE(d.X[249], 249.0);
    }

    void pointsBeyondTheCountKeepOldValues()
    {
        SensorCurve d;
        d.setPointsFromText("1;2;3", "4;5;6");
        d.setPointsFromText("7", "8");
        QCOMPARE(d.PointCount, 1);
        QCOMPARE(d.X[1], 2.0);
        QCOMPARE(d.Y[2], 6.0);
    }

    void describe_data()
    {
        QTest::addColumn<int>("typeIndex");
        QTest::addColumn<int>("labelId");
        QTest::newRow("0") << 0 << 1050;
        QTest::newRow("3") << 3 << 1053;
        QTest::newRow("4") << 4 << 1063;
        QTest::newRow("7: no label") << 7 << 0;
    }
    void describe()
    {
        QFETCH(int, typeIndex);
        QFETCH(int, labelId);
        SensorCurve d;
        d.TypeIndex = typeIndex;
        d.Defined = 1;
        d.Bestellnummer = "SK-LH-010";
        d.BeginX = 0;
        d.EndX = 100;
        d.DimensionX = "%";
        d.YMin = 10;
        d.YMax = 180;
        d.DimensionY = "Ohm";
        const QString label = labelId ? loadTranslatedString(labelId) : QString();
        const QString expected = label + "\r\n" + loadTranslatedString(1000) + " SK-LH-010\r\n"
            + loadTranslatedString(1048) + " 0 - 100 %, 10 - 180 Ohm";
        QCOMPARE(d.describe(), expected);
    }

    void rangesPrintWholeNumbers()
    {
        QCOMPARE(SensorCurve::formatRanges(0.4, 99.6, "%", -2.5, 180.49, "Ohm"), QString("0 - 100 %, -2 - 180 Ohm"));
    }

    void valueListFormat()
    {
        QCOMPARE(value_list::format({12.5, -1, 0}), QString("12.500000;-1.000000;0.000000"));
        QCOMPARE(value_list::format({}), QString());
    }
};

SKALERON_TEST(SensorCurveTest)
#include "SensorCurveTest.moc"
