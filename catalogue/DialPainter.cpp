#include "DialPainter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor Background(0xd4, 0xd0, 0xc8);
const QColor Bezel(0x80, 0x80, 0x80);
const QColor BezelDark(0x40, 0x40, 0x40);
const QColor Face(0x10, 0x18, 0x20);
const QColor Marking(0xff, 0xff, 0xff);
const QColor Needle(0xe0, 0x20, 0x20);
const QColor RedZone(0x80, 0x20, 0x20);
const QColor LcdFace(0xa0, 0xc0, 0x60);
const QColor LcdText(0x30, 0x40, 0x20);

constexpr double StartAngle = 225.0; // degrees, lower left
constexpr double Sweep = 270.0;      // clockwise to lower right

QPointF polar(const QPointF &centre, double radius, double degrees)
{
    const double r = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::cos(r), -radius * std::sin(r));
}

// A step of 1, 2 or 5 times a power of ten giving 4 to 10 intervals.
double niceStep(double span)
{
    const double raw = span / 6.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw)
            return m * power;
    }
    return 10.0 * power;
}

QString kindText(const QString &description)
{
    if (description.contains(QLatin1String("Speedometer")))
        return QStringLiteral("SPEED");
    if (description.contains(QLatin1String("Sumlog")))
        return QStringLiteral("LOG");
    if (description.contains(QLatin1String("Synchroniser")))
        return QStringLiteral("SYNC");
    if (description.contains(QLatin1String("Tachometer")))
        return QStringLiteral("RPM");
    return QString();
}

}

QImage paintDial(const DialFace &dialFace, int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(side / 2.0, side / 2.0);
    const double outer = side / 2.0 - 2.0;

    // Bezel and face.
    p.setPen(Qt::NoPen);
    p.setBrush(BezelDark);
    p.drawEllipse(c, outer, outer);
    p.setBrush(Bezel);
    p.drawEllipse(c, outer - 2, outer - 2);
    p.setBrush(Face);
    const double face = outer - 6;
    p.drawEllipse(c, face, face);

    const double span = double(dialFace.scaleMax - dialFace.scaleMin);
    const bool thousands = dialFace.scaleMax >= 1000;
    const double step = niceStep(span > 0 ? span : 1.0);
    auto angleOf = [&](double v) { return StartAngle - Sweep * (v - dialFace.scaleMin) / (span > 0 ? span : 1.0); };

    // Red zone over the last tenth of the scale (not on a synchroniser).
    if (dialFace.scaleMin >= 0) {
        QPen zone(RedZone, side / 30.0, Qt::SolidLine, Qt::FlatCap);
        p.setPen(zone);
        p.setBrush(Qt::NoBrush);
        const double r = face - side / 22.0;
        const QRectF arc(c.x() - r, c.y() - r, 2 * r, 2 * r);
        p.drawArc(arc, int((StartAngle - Sweep) * 16), int(Sweep * 0.1 * 16));
    }

    // Ticks: major with numbers, one minor between.
    QFont numbers(QStringLiteral("DejaVu Sans"));
    numbers.setPixelSize(qMax(7, side / 13));
    numbers.setBold(true);
    p.setFont(numbers);
    // Ticks on multiples of half a step, so that zero always carries a number.
    const double first = std::ceil(dialFace.scaleMin / (step / 2)) * (step / 2);
    for (double v = first; v <= dialFace.scaleMax + 1e-9; v += step / 2) {
        const double steps = v / step;
        const bool major = std::abs(steps - std::round(steps)) < 1e-9;
        const double a = angleOf(v);
        p.setPen(QPen(Marking, major ? side / 60.0 : side / 120.0));
        p.drawLine(polar(c, face - 1, a), polar(c, face - (major ? side / 10.0 : side / 18.0), a));
        if (major) {
            const double shown = thousands ? v / 1000.0 : v;
            const QString text = QString::number(shown, 'g', 3);
            const QPointF at = polar(c, face - side / 5.2, a);
            const QRectF box(at.x() - side / 8.0, at.y() - side / 16.0, side / 4.0, side / 8.0);
            p.drawText(box, Qt::AlignCenter, text);
        }
    }

    // Unit above the centre, kind below.
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(qMax(6, side / 16));
    p.setFont(small);
    p.setPen(Marking);
    const QString unit = thousands ? QStringLiteral("x1000 ") + dialFace.unit : dialFace.unit;
    p.drawText(QRectF(c.x() - side / 3.0, c.y() - side / 5.5, 2 * side / 3.0, side / 9.0), Qt::AlignCenter, unit);
    p.drawText(QRectF(c.x() - side / 3.0, c.y() + side / 7.0, 2 * side / 3.0, side / 9.0), Qt::AlignCenter,
               kindText(dialFace.description));

    if (dialFace.hasLcd) {
        const QRectF lcd(c.x() - side / 5.0, c.y() + side / 4.0, 2 * side / 5.0, side / 9.0);
        p.setPen(QPen(BezelDark, 1));
        p.setBrush(LcdFace);
        p.drawRect(lcd);
        QFont digits(QStringLiteral("DejaVu Sans Mono"));
        digits.setPixelSize(qMax(6, side / 14));
        p.setFont(digits);
        p.setPen(LcdText);
        p.drawText(lcd, Qt::AlignCenter, QStringLiteral("1234.5"));
    }

    // Needle at a third of the scale, with its hub.
    const double needleAngle = angleOf(dialFace.scaleMin + span * 0.35);
    QPainterPath needle;
    needle.moveTo(polar(c, face - side / 12.0, needleAngle));
    needle.lineTo(polar(c, side / 30.0, needleAngle + 90));
    needle.lineTo(polar(c, side / 8.0, needleAngle + 180));
    needle.lineTo(polar(c, side / 30.0, needleAngle - 90));
    needle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Needle);
    p.drawPath(needle);
    p.setBrush(BezelDark);
    p.drawEllipse(c, side / 16.0, side / 16.0);
    p.end();
    return image;
}

QVector<QRgb> DialPalette(int bitCount)
{
    QVector<QRgb> palette{qRgb(0, 0, 0),       Marking.rgb(),       Bezel.rgb(),         BezelDark.rgb(),
                          qRgb(0xc0, 0xc0, 0xc0), Face.rgb(),       Needle.rgb(),        RedZone.rgb(),
                          qRgb(0xf0, 0xa0, 0x20), LcdFace.rgb(),    LcdText.rgb(),       qRgb(0xe0, 0xe0, 0xe0),
                          qRgb(0x28, 0x38, 0x48), qRgb(0x60, 0x70, 0x80), qRgb(0xa0, 0xa8, 0xb0), Background.rgb()};
    if (bitCount <= 4)
        return palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette << qRgb(r * 51, g * 51, b * 51);
    for (int i = 0; palette.size() < 256; ++i)
        palette << qRgb(8 + i * 10, 8 + i * 10, 8 + i * 10);
    return palette;
}
