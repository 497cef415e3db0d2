#pragma once
// The calibration of one gauge input as the calibration form edits it: up to
// eight support points (input resistance in Ohm to input quantity), the
// display table (display value to pointer angle), the signal source and the
// signal check window, and the sensor whose curve was last resampled. The
// project keeps one per input while it is open; the project file has no
// place for it.
#include "SensorCurve.h"

#include <QString>
#include <array>

struct InputCalibration
{
    static constexpr int Rows = 8;
    // The support point counts the form offers.
    static constexpr int FewPoints = 2;
    static constexpr int AllPoints = Rows;

    std::array<double, Rows> resistance{};   // Ohm, first input column
    std::array<double, Rows> quantity{};     // second input column
    std::array<double, Rows> displayValue{}; // display column x
    std::array<double, Rows> pointerAngle{}; // display column Phi, degrees
    int supportPointCount = AllPoints;
    // 0 "Off", 1 "Speedo/Tacho", 2 "UBat", 3 "AuxAIn": an input starts off.
    int signalSource = 0;
    bool signalCheck = false;
    double signalCheckMin = 0.0;   // Ohm
    double signalCheckMax = 255.0; // Ohm
    // Unit of the quantity (the y axis), from the sensor or a loaded table.
    QString quantityUnit;
    SensorCurve sensor; // Defined once a sensor was chosen

    bool operator==(const InputCalibration &o) const
    {
        return resistance == o.resistance && quantity == o.quantity && displayValue == o.displayValue
            && pointerAngle == o.pointerAngle && supportPointCount == o.supportPointCount
            && signalSource == o.signalSource && signalCheck == o.signalCheck && signalCheckMin == o.signalCheckMin
            && signalCheckMax == o.signalCheckMax && quantityUnit == o.quantityUnit && sensor == o.sensor;
    }
};
