#include "ProgramPicturesDrawing.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace program_pictures::drawing {

static qreal angleOf(qreal fraction, qreal sweepDegrees)
{
    // Fraction 0 is the scale's start at the lower left, 1 its end at the
    // lower right; angles in the mathematical sense (counter-clockwise).
    const qreal start = 90 + sweepDegrees / 2;
    return qDegreesToRadians(start - sweepDegrees * fraction);
}

QPointF scalePoint(QPointF centre, qreal r, qreal fraction, qreal sweepDegrees)
{
    const qreal a = angleOf(fraction, sweepDegrees);
    return {centre.x() + r * qCos(a), centre.y() - r * qSin(a)};
}

static void drawZone(QPainter &p, QPointF c, qreal r, qreal width, const Zone &zone, qreal sweep)
{
    const QRectF arcRect(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const qreal start = 90 + sweep / 2 - sweep * zone.from;
    const qreal span = -sweep * (zone.to - zone.from);
    QPen pen(zone.colour, width, Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(arcRect, qRound(start * 16), qRound(span * 16));
}

static void drawNeedle(QPainter &p, QPointF c, qreal r, qreal fraction, qreal sweep, const QColor &colour)
{
    const qreal a = angleOf(fraction, sweep);
    const QPointF tip(c.x() + r * 0.82 * qCos(a), c.y() - r * 0.82 * qSin(a));
    const QPointF tail(c.x() - r * 0.18 * qCos(a), c.y() + r * 0.18 * qSin(a));
    const qreal half = qMax(0.8, r * 0.045);
    const QPointF side(half * qSin(a), half * qCos(a));
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(c + side);
    path.lineTo(tail);
    path.lineTo(c - side);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void drawDial(QPainter &p, const QRectF &rect, const DialStyle &style)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(rect.width(), rect.height());
    const QPointF c = rect.center();
    qreal r = side / 2;

    if (style.bezel) {
        QRadialGradient ring(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
        ring.setColorAt(0, BezelLight);
        ring.setColorAt(1, Bezel);
        p.setPen(Qt::NoPen);
        p.setBrush(ring);
        p.drawEllipse(c, r, r);
        r *= side >= 40 ? 0.86 : 0.82;
    }

    const QColor face = style.darkFace ? FaceDark : Face;
    const QColor ink = style.darkFace ? QColor(236, 236, 236) : Scale;
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(c, r, r);

    const qreal sweep = style.sweepDegrees;
    const qreal zoneWidth = qMax(1.0, r * 0.09);
    for (const Zone &zone : style.zones)
        drawZone(p, c, r * 0.8, zoneWidth, zone, sweep);

    const int steps = qMax(1, (style.majorTicks - 1) * (style.minorPerMajor + 1));
    for (int i = 0; i <= steps; ++i) {
        const bool major = style.minorPerMajor == 0 || i % (style.minorPerMajor + 1) == 0;
        const qreal f = qreal(i) / steps;
        const qreal inner = major ? 0.72 : 0.8;
        p.setPen(QPen(ink, qMax(0.8, r * (major ? 0.05 : 0.025)), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(scalePoint(c, r * inner, f, sweep), scalePoint(c, r * 0.93, f, sweep));
    }

    for (int i = 0; i < style.needles.size(); ++i) {
        const QColor colour = i < style.needleColours.size() ? style.needleColours.at(i) : Needle;
        drawNeedle(p, c, r, style.needles.at(i), sweep, colour);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(style.darkFace ? BezelLight : Bezel);
    p.drawEllipse(c, qMax(1.2, r * 0.1), qMax(1.2, r * 0.1));
    p.restore();
}

// Segments a..g of each digit, as in the usual seven-segment lettering.
static int segmentsOf(QChar ch)
{
    static const int digits[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    if (ch.isDigit())
        return digits[ch.digitValue()];
    if (ch == QLatin1Char('-'))
        return 0x40;
    return 0;
}

static void drawDigit(QPainter &p, const QRectF &cell, int segments, bool point)
{
    const qreal w = cell.width() * 0.72;
    const qreal h = cell.height();
    const qreal t = qMax(1.0, qMin(w, h) * 0.16);
    const qreal x = cell.left() + (cell.width() - w) / 2 - t / 2;
    const qreal y = cell.top();
    const QRectF bars[7] = {
        {x + t, y, w - 2 * t, t},                     // a
        {x + w - t, y + t, t, h / 2 - 1.5 * t},       // b
        {x + w - t, y + h / 2 + t / 2, t, h / 2 - 1.5 * t}, // c
        {x + t, y + h - t, w - 2 * t, t},             // d
        {x, y + h / 2 + t / 2, t, h / 2 - 1.5 * t},   // e
        {x, y + t, t, h / 2 - 1.5 * t},               // f
        {x + t, y + h / 2 - t / 2, w - 2 * t, t},     // g
    };
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 7; ++s) {
        QColor ink = LcdInk;
        if (!(segments & (1 << s)))
            ink.setAlpha(22); // the faint unlit segments of a real display
        p.setBrush(ink);
        p.drawRect(bars[s]);
    }
    if (point) {
        p.setBrush(LcdInk);
        p.drawRect(QRectF(x + w + t * 0.4, y + h - t, t, t));
    }
}

void drawLcd(QPainter &p, const QRectF &rect, const QString &digits)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Bezel, 1));
    p.setBrush(LcdBack);
    p.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));

    QList<QPair<int, bool>> cells; // segments, decimal point after the digit
    for (QChar ch : digits) {
        if (ch == QLatin1Char('.') && !cells.isEmpty())
            cells.last().second = true;
        else
            cells.append({segmentsOf(ch), false});
    }
    if (!cells.isEmpty()) {
        const QRectF inner = rect.adjusted(rect.height() * 0.15, rect.height() * 0.18, -rect.height() * 0.15,
                                           -rect.height() * 0.18);
        const qreal cw = inner.width() / cells.size();
        for (int i = 0; i < cells.size(); ++i)
            drawDigit(p, QRectF(inner.left() + i * cw, inner.top(), cw, inner.height()), cells[i].first,
                      cells[i].second);
    }
    p.restore();
}

void fillGradient(QPainter &p, const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(rect, g);
}

bool drawTextIfPossible(QPainter &p, const QRectF &rect, int flags, const QString &text, int pixelSize,
                        bool bold, const QColor &colour)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    p.save();
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(rect, flags, text);
    p.restore();
    return true;
}

}
