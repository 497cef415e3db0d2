#include "CalibrationGraph.h"

#include <algorithm>
#include <cmath>

namespace calibration {

bool inputsLocked(int gaugeIndex, int signalSource)
{
    return gaugeIndex == -1 || (gaugeIndex == AuxGauge && signalSource != SourceAuxAnalogIn);
}

double roundOutward125(double value)
{
    if (!std::isfinite(value))
        return 0.0;
    double m = std::fabs(value);
    double f = value >= 0 ? 1.0 : -1.0;
    if (m > 1e-6) {
        while (m < 1) {
            m *= 10;
            f /= 10;
        }
    }
    while (m >= 5) {
        m /= 10;
        f *= 10;
    }
    if (m < 0.001)
        return 0.0;
    return f * (m <= 1 ? 1 : m <= 2 ? 2 : 5);
}

AxisBounds axisBounds(const QVector<SupportPoint> &points)
{
    AxisBounds b{1e6, -1e6, 1e6, -1e6};
    for (const SupportPoint &p : points) {
        b.xMin = std::min(b.xMin, p.resistance);
        b.xMax = std::max(b.xMax, p.resistance);
        b.yMin = std::min(b.yMin, p.quantity);
        b.yMax = std::max(b.yMax, p.quantity);
    }
    b.xMin = std::min(b.xMin, 0.0);
    b.yMin = std::min(b.yMin, 0.0);
    return {roundOutward125(b.xMin), roundOutward125(b.xMax), roundOutward125(b.yMin), roundOutward125(b.yMax)};
}

PlotMapping::PlotMapping(const AxisBounds &bounds, QSize area)
    : m_bounds(bounds)
    , m_area(area)
    , m_dx(std::max(bounds.xMax - bounds.xMin, MinimumSpan))
    , m_dy(std::max(bounds.yMax - bounds.yMin, MinimumSpan))
{
}

// Far outside any window, yet safe to convert: the painter clips it.
static int pixel(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -1e6, 1e6));
}

int PlotMapping::column(double x) const
{
    return pixel(m_area.width() / m_dx * (x - m_bounds.xMin));
}

int PlotMapping::row(double y) const
{
    return pixel(m_area.height() - m_area.height() / m_dy * (y - m_bounds.yMin));
}

QStringList axisLabels(double minimum, double span)
{
    const double step = span / 4;
    const char *format = step < 0.1 ? "%.3f" : "%.1f";
    QStringList labels;
    for (int k = 0; k <= 4; ++k)
        labels << QString::asprintf(format, minimum + k * step);
    return labels;
}

}
