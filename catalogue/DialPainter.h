#pragma once
// Draws the dial picture of a master type: face, scale with ticks and
// numbers, unit and kind text, an LCD window when the gauge has one, needle.
#include <QImage>
#include <QString>

struct DialFace
{
    QString description; // decides the kind text ("SPEEDOMETER", ...)
    QString unit;        // "km/h", "kn", "rpm"
    int scaleMin = 0;
    int scaleMax = 100;
    bool hasLcd = false;
};

// A square ARGB image of the given side.
QImage paintDial(const DialFace &dialFace, int side);

// The palette of the stored pictures: 16 colours for 4 bits per pixel; for 8
// bits the same 16 followed by a colour cube and a grey ramp.
QVector<QRgb> DialPalette(int bitCount);
