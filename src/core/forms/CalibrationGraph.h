#pragma once
// The numbers behind the calibration form's graph: which inputs are locked,
// the axis bounds rounded outward to the 1-2-5 series, the mapping of values
// to pixels and the axis labels. The form draws with them.
#include "CalibrationCurve.h"

#include <QPoint>
#include <QSize>
#include <QStringList>

namespace calibration {

// Signal source entries of the form's list.
constexpr int SourceAuxAnalogIn = 3;
constexpr int AuxGauge = 0;

// The input columns cannot be edited (and no sensor chosen) for no input,
// and for the Aux gauge unless its signal source is its analog input.
bool inputsLocked(int gaugeIndex, int signalSource);

// Rounds outward to 1, 2 or 5 times a power of ten: 130 gives 200, 255 gives
// 500, 5 gives 10, -40 gives -50; magnitudes below 0.001 (and values that are
// not finite) give 0.
double roundOutward125(double value);

struct AxisBounds
{
    double xMin = 0.0; // resistance
    double xMax = 0.0;
    double yMin = 0.0; // quantity
    double yMax = 0.0;
};
// Over the support points in use; both axes start at 0 or below.
AxisBounds axisBounds(const QVector<SupportPoint> &points);

// Values to pixels of a plot area of the given size (x to the right, y up),
// truncated toward zero; a span below 1e-5 counts as 1e-5.
class PlotMapping
{
public:
    static constexpr double MinimumSpan = 1e-5;

    PlotMapping(const AxisBounds &bounds, QSize area);
    int column(double x) const;
    int row(double y) const;
    QPoint point(double x, double y) const { return {column(x), row(y)}; }
    double xSpan() const { return m_dx; }
    double ySpan() const { return m_dy; }

private:
    AxisBounds m_bounds;
    QSize m_area;
    double m_dx;
    double m_dy;
};

// The five labels of an axis, from its minimum in four equal steps: with
// three decimals when a step is below 0.1, else with one.
QStringList axisLabels(double minimum, double span);

}
