#include "SensorCurve.h"

#include "SensorGroups.h"
#include "ValueList.h"
#include "base/Language.h"

#include <cstdio>

SensorCurve::SensorCurve()
{
    reset();
}

bool SensorCurve::operator==(const SensorCurve &o) const
{
    return BeginX == o.BeginX && EndX == o.EndX && YMin == o.YMin && YMax == o.YMax && TypeIndex == o.TypeIndex
        && PointCount == o.PointCount && Y == o.Y && X == o.X && DimensionY == o.DimensionY
        && DimensionX == o.DimensionX && Gruppe == o.Gruppe && Bestellnummer == o.Bestellnummer && Name == o.Name
        && Defined == o.Defined;
}

void SensorCurve::reset()
{
    BeginX = 0.0;
    EndX = 1.0;
    YMin = 0.0;
    YMax = 1.0;
    TypeIndex = 4;
    PointCount = 0;
    Y.fill(0.0);
    X.fill(0.0);
    DimensionY.clear();
    DimensionX.clear();
    Gruppe.clear();
    Bestellnummer.clear();
    Name.clear();
    Defined = 0;
}

void SensorCurve::setPointsFromText(const QString &xText, const QString &yText)
{
    const QVector<double> xs = value_list::readNumbers(xText, MaxPoints);
    const QVector<double> ys = value_list::readNumbers(yText, MaxPoints);
    PointCount = int(ys.size());
    for (int i = 0; i < PointCount; ++i) {
        X[i] = i < xs.size() ? xs[i] : 0.0;
        Y[i] = ys[i];
    }
}

// "%.lf": the number rounded to a whole number as the C library rounds it
// (halves to even). Without decimals the locale plays no part.
static QString whole(double v)
{
    char text[400];
    std::snprintf(text, sizeof text, "%.0f", v);
    return QString::fromLatin1(text);
}

QString SensorCurve::describe() const
{
    if (!Defined)
        return QString();
    QString text = sensor_groups::label(TypeIndex) + QStringLiteral("\r\n");
    text += loadTranslatedString(1000) + QLatin1Char(' ') + Bestellnummer + QStringLiteral("\r\n");
    text += loadTranslatedString(1048) + QLatin1Char(' ')
        + formatRanges(BeginX, EndX, DimensionX, YMin, YMax, DimensionY);
    return text;
}

QString SensorCurve::formatRanges(double beginX, double endX, const QString &dimensionX, double yMin, double yMax,
                                  const QString &dimensionY)
{
    return QStringLiteral("%1 - %2 %3, %4 - %5 %6")
        .arg(whole(beginX), whole(endX), dimensionX, whole(yMin), whole(yMax), dimensionY);
}

