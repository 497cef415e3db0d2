// The project tree's images: 32 x 24 pixels on the tree's white background,
// one instrument motif each.
#include "ProgramPicturesTree.h"

#include "ProgramPicturesDrawing.h"

#include <QPainterPath>

namespace program_pictures {

using namespace drawing;

namespace {

const QRectF DialBox(4, 0, 24, 24);

void thermometer(QPainter &p) // 363: temperature input
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Bezel, 1.2));
    p.setBrush(Face);
    p.drawRoundedRect(QRectF(13, 1.5, 6, 16), 3, 3);
    p.setBrush(Warning);
    p.drawEllipse(QPointF(16, 19), 4, 4);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(15, 7, 2, 11));
    p.setPen(QPen(Scale, 1));
    for (int y = 4; y <= 14; y += 3)
        p.drawLine(QPointF(20.5, y), QPointF(23.5, y));
}

void levelGauge(QPainter &p) // 364: level (tank) input
{
    DialStyle s;
    s.sweepDegrees = 120;
    s.majorTicks = 3;
    s.minorPerMajor = 1;
    s.zones = {{0, 0.2, Warning}};
    s.needles = {0.3};
    drawDial(p, DialBox, s);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Sky);
    QPainterPath drop;
    drop.moveTo(16, 13);
    drop.cubicTo(19, 17, 19, 20, 16, 20);
    drop.cubicTo(13, 20, 13, 17, 16, 13);
    p.drawPath(drop);
}

void auxGauge(QPainter &p) // 365: auxiliary input
{
    DialStyle s;
    s.majorTicks = 5;
    s.minorPerMajor = 0;
    s.zones = {{0.3, 0.7, Safe}};
    s.needles = {0.5};
    drawDial(p, DialBox, s);
}

void tachometer(QPainter &p) // 366: tachometer
{
    DialStyle s;
    s.darkFace = true;
    s.zones = {{0.8, 1.0, Warning}};
    s.needles = {0.4};
    s.needleColours = {Accent};
    drawDial(p, DialBox, s);
}

void speedometer(QPainter &p) // 367: speedometer
{
    DialStyle s;
    s.needles = {0.7};
    drawDial(p, DialBox, s);
}

void calibrationCurve(QPainter &p) // 368: characteristic curve of an input
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Scale, 1));
    p.drawLine(QPointF(4.5, 2), QPointF(4.5, 21.5));
    p.drawLine(QPointF(4.5, 21.5), QPointF(29, 21.5));
    const QPointF points[8] = {{6, 20}, {9, 17.5}, {12, 16}, {15, 12}, {18, 10}, {21, 7}, {24, 5.5}, {27, 3}};
    p.setPen(QPen(Sky, 1.5));
    p.drawPolyline(points, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(Needle);
    for (const QPointF &pt : points)
        p.drawEllipse(pt, 1.3, 1.3);
}

void sumlog(QPainter &p) // 369: sumlog (speed and distance)
{
    DialStyle s;
    s.needles = {0.35};
    s.bezel = true;
    drawDial(p, QRectF(0, 0, 24, 24), s);
    drawLcd(p, QRectF(17, 13, 15, 10), QStringLiteral("88"));
}

void project(QPainter &p) // 370: the project (a document with a gauge)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.moveTo(7.5, 0.5);
    page.lineTo(19.5, 0.5);
    page.lineTo(24.5, 5.5);
    page.lineTo(24.5, 23.5);
    page.lineTo(7.5, 23.5);
    page.closeSubpath();
    p.setPen(QPen(Bezel, 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(BezelLight);
    p.drawPolygon(QPolygonF({QPointF(19.5, 0.5), QPointF(19.5, 5.5), QPointF(24.5, 5.5)}));
    DialStyle s;
    s.bezel = false;
    s.majorTicks = 5;
    s.minorPerMajor = 0;
    s.needles = {0.6};
    p.setPen(QPen(Bezel, 1));
    p.setBrush(Face);
    p.drawEllipse(QPointF(16, 15), 6.5, 6.5);
    drawDial(p, QRectF(10, 9, 12, 12), s);
}

void masterGauge(QPainter &p) // 371: the master gauge
{
    DialStyle s;
    s.darkFace = true;
    s.majorTicks = 7;
    s.minorPerMajor = 1;
    s.zones = {{0.0, 0.15, Sky}, {0.85, 1.0, Warning}};
    s.needles = {0.55};
    s.needleColours = {Needle};
    drawDial(p, DialBox, s);
    drawLcd(p, QRectF(11, 15, 10, 5), QString());
}

void synchroniser(QPainter &p) // 372: synchroniser (two engines)
{
    DialStyle s;
    s.needles = {0.45, 0.6};
    s.needleColours = {Needle, Sky};
    drawDial(p, DialBox, s);
}

void lcdDisplay(QPainter &p) // 373: the gauge's LCD
{
    drawLcd(p, QRectF(1, 5, 30, 14), QStringLiteral("12.5"));
}

void serialPlug(QPainter &p) // 374: serial connection
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Bezel, 1.2));
    p.setBrush(BezelLight);
    p.drawPolygon(QPolygonF({QPointF(3, 5), QPointF(29, 5), QPointF(26, 17), QPointF(6, 17)}));
    p.setPen(Qt::NoPen);
    p.setBrush(FaceDark);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(8 + i * 4, 9), 1.2, 1.2);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(10 + i * 4, 13), 1.2, 1.2);
    p.setPen(QPen(Sky, 2));
    p.drawLine(QPointF(16, 17), QPointF(16, 23));
}

void sensor(QPainter &p) // 375: a sensor
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Bezel, 1));
    p.setBrush(BezelLight);
    p.drawPolygon(QPolygonF({QPointF(9, 3), QPointF(17, 3), QPointF(19, 7), QPointF(17, 11), QPointF(9, 11),
                             QPointF(7, 7)}));
    p.setBrush(Accent);
    p.drawRect(QRectF(10, 11, 6, 10));
    p.setPen(QPen(FaceDark, 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(13, 3);
    cable.cubicTo(13, -2, 26, 2, 24, 10);
    cable.cubicTo(23, 15, 29, 18, 30, 23);
    p.drawPath(cable);
}

void buzzer(QPainter &p) // 1296: warning buzzer
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Bezel, 1));
    p.setBrush(Warning);
    p.drawPolygon(QPolygonF({QPointF(4, 9), QPointF(9, 9), QPointF(15, 3), QPointF(15, 21), QPointF(9, 15),
                             QPointF(4, 15)}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Scale, 1.4));
    for (int i = 0; i < 3; ++i) {
        const qreal r = 4 + i * 4;
        p.drawArc(QRectF(15 - r, 12 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
}

using Painter = void (*)(QPainter &);

struct TreeMotif
{
    int id;
    Painter paint;
};

const TreeMotif Motifs[] = {
    {363, thermometer}, {364, levelGauge},  {365, auxGauge},     {366, tachometer},
    {367, speedometer}, {368, calibrationCurve}, {369, sumlog}, {370, project},
    {371, masterGauge}, {372, synchroniser}, {373, lcdDisplay},  {374, serialPlug},
    {375, sensor},      {1296, buzzer},
};

}

QList<int> treePictureIds()
{
    QList<int> ids;
    for (const TreeMotif &m : Motifs)
        ids << m.id;
    return ids;
}

QImage drawTreePicture(int id)
{
    for (const TreeMotif &m : Motifs) {
        if (m.id != id)
            continue;
        QImage image(TreePictureWidth, TreePictureHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        m.paint(p);
        return image;
    }
    return QImage();
}

}
