#pragma once
// Drawing primitives shared by the program's pictures: a gauge dial with
// bezel, scale, coloured zones and needle; seven-segment LCD digits; and the
// few colours the pictures use, so that all of them look like one family.
#include <QColor>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace program_pictures::drawing {

// The family's colours.
const QColor Bezel(58, 64, 74);
const QColor BezelLight(150, 158, 170);
const QColor Face(248, 246, 238);
const QColor FaceDark(24, 28, 36);
const QColor Scale(30, 30, 30);
const QColor Needle(214, 48, 36);
const QColor Warning(214, 48, 36);
const QColor Safe(58, 150, 72);
const QColor Accent(232, 150, 24);
const QColor LcdBack(186, 206, 150);
const QColor LcdInk(30, 44, 24);
const QColor Sky(34, 72, 122);

// A coloured stretch of the scale, as fractions of the sweep (0..1).
struct Zone
{
    qreal from;
    qreal to;
    QColor colour;
};

struct DialStyle
{
    int majorTicks = 9;         // ticks with the long mark, ends included
    int minorPerMajor = 4;      // short marks between two long ones
    qreal sweepDegrees = 270;   // the scale's opening, centred at the top
    QList<Zone> zones;          // coloured arcs just inside the ticks
    QList<qreal> needles{0.62}; // needle positions, fractions of the sweep
    QList<QColor> needleColours{Needle};
    bool darkFace = false;      // black face with white scale
    bool bezel = true;
};

// Point on the scale circle of radius r at fraction f of the sweep.
QPointF scalePoint(QPointF centre, qreal r, qreal fraction, qreal sweepDegrees = 270);

// A round gauge filling the square inscribed in rect.
void drawDial(QPainter &p, const QRectF &rect, const DialStyle &style);

// Seven-segment digits (0-9, '-', ' ' and '.' after a digit) in rect on an
// LCD window; the digits are spread evenly over the width.
void drawLcd(QPainter &p, const QRectF &rect, const QString &digits);

// Soft top-to-bottom gradient over the whole rect.
void fillGradient(QPainter &p, const QRectF &rect, const QColor &top, const QColor &bottom);

// Text only when a window system is there to supply fonts (pictures may be
// drawn by programs without one); returns whether it drew.
bool drawTextIfPossible(QPainter &p, const QRectF &rect, int flags, const QString &text, int pixelSize,
                        bool bold, const QColor &colour);

}
