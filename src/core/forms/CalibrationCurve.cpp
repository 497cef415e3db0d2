#include "CalibrationCurve.h"

#include "base/Utility.h"

#include <cmath>
#include <utility>

namespace calibration {

// A segment this short in X counts as vertical: it has no slope to follow.
static constexpr double VerticalSpan = 1e-6;

QVector<SupportPoint> sortedPoints(const SensorCurve &curve)
{
    QVector<SupportPoint> points;
    const int n = qBound(0, curve.PointCount, SensorCurve::MaxPoints);
    points.reserve(n);
    for (int i = 0; i < n; ++i)
        points.append({curve.X[size_t(i)], curve.Y[size_t(i)]});
    // Neighbours change places only when the later X is strictly smaller.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i + 1 < points.size(); ++i) {
            if (points[i + 1].quantity < points[i].quantity) {
                std::swap(points[i], points[i + 1]);
                swapped = true;
            }
        }
    }
    return points;
}

QVector<SupportPoint> resample(const SensorCurve &curve, int count)
{
    const QVector<SupportPoint> points = sortedPoints(curve);
    const int n = points.size();
    if (n < 2 || count < 2)
        return {};
    const double xMin = points.first().quantity;
    const double xMax = points.last().quantity;

    QVector<SupportPoint> result;
    result.reserve(count);
    for (int k = 0; k < count; ++k) {
        const double x = xMin + (xMax - xMin) / (count - 1) * k;
        const auto holds = [&points, x](int i) { return points[i].quantity <= x && x <= points[i + 1].quantity; };
        const auto vertical = [&points](int i) {
            return !(std::fabs(points[i + 1].quantity - points[i].quantity) > VerticalSpan);
        };
        const auto first = [n](const auto &fits) {
            int i = 0;
            while (i < n - 2 && !fits(i))
                ++i;
            return i;
        };
        // Where the curve jumps (a quantity given twice), the segment on from
        // the jump gives a resistance of the curve; 0 is on no curve.
        int j = first([&](int i) { return holds(i) && !vertical(i); });
        if (!holds(j))
            j = first(holds);
        const SupportPoint &a = points[j];
        const SupportPoint &b = points[j + 1];
        const double span = b.quantity - a.quantity;
        const double resistance =
            std::fabs(span) > VerticalSpan ? a.resistance + (b.resistance - a.resistance) / span * (x - a.quantity) : 0.0;
        result.append({x, resistance});
    }
    return result;
}

QVector<SupportPoint> supportPoints(const SensorCurve &curve, int count)
{
    QVector<SupportPoint> points = resample(curve, count);
    for (SupportPoint &p : points) {
        p.quantity = roundTo(p.quantity, 1);
        p.resistance = roundTo(p.resistance, 1);
    }
    return points;
}

}
