#pragma once
// A sensor's characteristic curve turned into an input's support points: the
// points sorted by the measured quantity, the quantities equally spaced over
// the sensor's range, the resistance of each interpolated linearly on the
// curve.
#include "model/SensorCurve.h"

#include <QVector>

namespace calibration {

struct SupportPoint
{
    double quantity = 0.0;   // the sensor's X
    double resistance = 0.0; // the sensor's Y, Ohm
};

// The curve's points in ascending X; points with equal X keep their order.
QVector<SupportPoint> sortedPoints(const SensorCurve &curve);

// count (at least 2) points: quantity k = Xmin + (Xmax - Xmin) / (count - 1)
// * k; the resistance from the first segment that is not vertical whose X
// range holds it (the last segment when rounding puts it beyond), 0 where
// only vertical segments hold it.
// Empty when the curve has fewer than two points: there is no segment.
QVector<SupportPoint> resample(const SensorCurve &curve, int count);

// The support points as the calibration form holds them: resampled and
// rounded to one decimal.
QVector<SupportPoint> supportPoints(const SensorCurve &curve, int count);

}
