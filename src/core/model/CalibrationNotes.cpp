#include "CalibrationNotes.h"

#include <QSettings>
#include <QStringList>
#include <cmath>

namespace calibration_notes {

namespace {

QString key(int input, const char *name)
{
    return QStringLiteral("Input%1/%2").arg(input).arg(QLatin1String(name));
}

// Numbers with every digit, so that a restored value is the one typed;
// trailing zeros are left out (a sensor curve has room for 250 points).
template<size_t N>
QString numbers(const std::array<double, N> &values)
{
    size_t used = N;
    while (used > 0 && values[used - 1] == 0.0)
        --used;
    QStringList texts;
    for (size_t i = 0; i < used; ++i)
        texts << QString::number(values[i], 'g', 17);
    return texts.join(QLatin1Char(';'));
}

double number(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

template<size_t N>
void readNumbers(const QSettings &notes, const QString &name, std::array<double, N> &values)
{
    const QStringList texts = notes.value(name).toString().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (size_t i = 0; i < N && i < size_t(texts.size()); ++i)
        values[i] = number(texts.at(int(i)));
}

}

void write(QSettings &notes, const Calibrations &calibrations)
{
    const InputCalibration untouched;
    for (int input = 0; input < int(calibrations.size()); ++input) {
        notes.remove(QStringLiteral("Input%1").arg(input));
        const InputCalibration &c = calibrations[size_t(input)];
        if (c == untouched)
            continue;
        notes.setValue(key(input, "resistance"), numbers(c.resistance));
        notes.setValue(key(input, "quantity"), numbers(c.quantity));
        notes.setValue(key(input, "displayValue"), numbers(c.displayValue));
        notes.setValue(key(input, "pointerAngle"), numbers(c.pointerAngle));
        notes.setValue(key(input, "supportPointCount"), c.supportPointCount);
        notes.setValue(key(input, "signalSource"), c.signalSource);
        notes.setValue(key(input, "signalCheck"), c.signalCheck);
        notes.setValue(key(input, "signalCheckMin"), QString::number(c.signalCheckMin, 'g', 17));
        notes.setValue(key(input, "signalCheckMax"), QString::number(c.signalCheckMax, 'g', 17));
        notes.setValue(key(input, "quantityUnit"), c.quantityUnit);
        const SensorCurve &s = c.sensor;
        if (s == SensorCurve())
            continue;
        notes.setValue(key(input, "sensorDefined"), s.Defined);
        notes.setValue(key(input, "sensorRange"), numbers(std::array<double, 4>{s.BeginX, s.EndX, s.YMin, s.YMax}));
        notes.setValue(key(input, "sensorTypeIndex"), s.TypeIndex);
        notes.setValue(key(input, "sensorPointCount"), s.PointCount);
        notes.setValue(key(input, "sensorX"), numbers(s.X));
        notes.setValue(key(input, "sensorY"), numbers(s.Y));
        notes.setValue(key(input, "sensorTexts"),
                       QStringList{s.DimensionX, s.DimensionY, s.Gruppe, s.Bestellnummer, s.Name});
    }
}

Calibrations read(const QSettings &notes)
{
    Calibrations calibrations;
    for (int input = 0; input < int(calibrations.size()); ++input) {
        InputCalibration &c = calibrations[size_t(input)];
        if (!notes.contains(key(input, "supportPointCount")))
            continue;
        readNumbers(notes, key(input, "resistance"), c.resistance);
        readNumbers(notes, key(input, "quantity"), c.quantity);
        readNumbers(notes, key(input, "displayValue"), c.displayValue);
        readNumbers(notes, key(input, "pointerAngle"), c.pointerAngle);
        const int points = notes.value(key(input, "supportPointCount")).toInt();
        c.supportPointCount = points == InputCalibration::FewPoints ? points : InputCalibration::AllPoints;
        const int source = notes.value(key(input, "signalSource")).toInt();
        c.signalSource = source >= 0 && source <= 3 ? source : 0;
        c.signalCheck = notes.value(key(input, "signalCheck")).toBool();
        c.signalCheckMin = number(notes.value(key(input, "signalCheckMin")).toString());
        c.signalCheckMax = number(notes.value(key(input, "signalCheckMax"), c.signalCheckMax).toString());
        c.quantityUnit = notes.value(key(input, "quantityUnit")).toString();
        if (!notes.contains(key(input, "sensorDefined")))
            continue;
        SensorCurve &s = c.sensor;
        s.Defined = notes.value(key(input, "sensorDefined")).toInt();
        std::array<double, 4> range{}; // trailing zeros are not written
        readNumbers(notes, key(input, "sensorRange"), range);
        s.BeginX = range[0];
        s.EndX = range[1];
        s.YMin = range[2];
        s.YMax = range[3];
        s.TypeIndex = notes.value(key(input, "sensorTypeIndex"), s.TypeIndex).toInt();
        s.PointCount = qBound(0, notes.value(key(input, "sensorPointCount")).toInt(), SensorCurve::MaxPoints);
        readNumbers(notes, key(input, "sensorX"), s.X);
        readNumbers(notes, key(input, "sensorY"), s.Y);
        const QStringList texts = notes.value(key(input, "sensorTexts")).toStringList();
        QString *fields[] = {&s.DimensionX, &s.DimensionY, &s.Gruppe, &s.Bestellnummer, &s.Name};
        for (int i = 0; i < 5 && i < texts.size(); ++i)
            *fields[i] = texts.at(i);
    }
    return calibrations;
}

}
