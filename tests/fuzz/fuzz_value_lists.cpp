// The ";"-separated value lists of sensor curves as the sensor catalogue
// holds them, any text: reading never runs past the text, and the numbers
// read, written back as the catalogue stores them, read back as many.
#include "FuzzInput.h"
#include "model/SensorCurve.h"
#include "model/ValueList.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const QString xText = QString::fromUtf8(in.bytes(in.byte()));
    const QString yText = QString::fromUtf8(in.rest());

    SensorCurve sensor;
    sensor.setPointsFromText(xText, yText);
    if (sensor.PointCount < 0 || sensor.PointCount > SensorCurve::MaxPoints)
        std::abort();
    SensorCurve::formatRanges(sensor.X[0], sensor.X[1], xText, sensor.Y[0], sensor.Y[1], yText);

    const QVector<double> values = value_list::readNumbers(yText, SensorCurve::MaxPoints);
    const QString stored = value_list::format(values);
    if (value_list::readNumbers(stored, SensorCurve::MaxPoints).size() != values.size())
        std::abort();
    return 0;
}
