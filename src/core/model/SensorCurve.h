#pragma once
// The characteristic curve of one sensor as the sensor catalogue delivers it:
// paired X (measured quantity) and Y (electrical value) points, the ranges
// with their units, the group and the identifying texts. It stores and
// describes the points; evaluating the curve is up to its users.
#include <QString>
#include <array>

class SensorCurve
{
public:
    static constexpr int MaxPoints = 250;

    SensorCurve();
    virtual ~SensorCurve() = default;
    SensorCurve(const SensorCurve &) = default;
    SensorCurve &operator=(const SensorCurve &) = default;

    void reset();
    bool operator==(const SensorCurve &other) const;
    // Fills X, Y and PointCount from two value lists; the y text decides the
    // number of points, missing x values are 0, surplus ones are dropped.
    void setPointsFromText(const QString &xText, const QString &yText);
    // Three lines (group, order number, ranges); empty when not Defined.
    QString describe() const;
    // "0 - 100 %, 10 - 180 Ohm": both ranges with whole numbers and units.
    static QString formatRanges(double beginX, double endX, const QString &dimensionX, double yMin, double yMax,
                                const QString &dimensionY);

    double BeginX = 0.0;
    double EndX = 1.0;
    double YMin = 0.0;
    double YMax = 1.0;
    int TypeIndex = 4;
    int PointCount = 0;
    std::array<double, MaxPoints> Y{};
    std::array<double, MaxPoints> X{};
    QString DimensionY;
    QString DimensionX;
    QString Gruppe;
    QString Bestellnummer;
    QString Name; // the catalogue's [Name], shown where the sensor is named
    int Defined = 0;
};
