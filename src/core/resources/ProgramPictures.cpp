#include "ProgramPictures.h"

#include "ProgramPicturesDrawing.h"
#include "ProgramPicturesTree.h"

#include <QHash>
#include <QMutex>
#include <QPainterPath>

namespace program_pictures {

using namespace drawing;

namespace {

QImage canvas(int w, int h, const QColor &background)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

DialStyle speedometerStyle()
{
    DialStyle s;
    s.majorTicks = 9;
    s.minorPerMajor = 4;
    s.needles = {0.58};
    return s;
}

DialStyle tachometerStyle()
{
    DialStyle s;
    s.darkFace = true;
    s.majorTicks = 7;
    s.minorPerMajor = 1;
    s.zones = {{0.8, 1.0, Warning}};
    s.needles = {0.42};
    s.needleColours = {Accent};
    return s;
}

// 131: an instrument panel of speedometer, tachometer and LCD on white, shown
// in the project form until the master type brings its own picture.
QImage projectPicture()
{
    QImage image = canvas(200, 150, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 234, 238));
    p.drawRoundedRect(QRectF(4, 18, 192, 114), 14, 14);
    drawDial(p, QRectF(10, 24, 104, 104), speedometerStyle());
    drawDial(p, QRectF(118, 30, 72, 72), tachometerStyle());
    drawLcd(p, QRectF(124, 106, 60, 20), QStringLiteral("1234"));
    return image;
}

// 132: a gauge with its adjustment scale beside it, for the settings forms.
QImage masterSettingsPicture()
{
    QImage image = canvas(112, 104, Qt::white);
    QPainter p(&image);
    DialStyle s = speedometerStyle();
    s.zones = {{0.7, 1.0, Warning}};
    drawDial(p, QRectF(2, 8, 80, 80), s);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 90 + i * 8;
        p.setPen(QPen(BezelLight, 2));
        p.drawLine(QPointF(x, 14), QPointF(x, 90));
        p.setPen(QPen(Bezel, 1));
        p.setBrush(i == 1 ? Accent : Face);
        const qreal y = 24 + ((i * 29) % 57);
        p.drawRect(QRectF(x - 3.5, y, 7, 6));
    }
    drawLcd(p, QRectF(22, 90, 44, 13), QStringLiteral("0.80"));
    return image;
}

// 134: the start-up picture: the dashboard at night with the program's name.
QImage splashPicture()
{
    QImage image = canvas(480, 300, Sky);
    QPainter p(&image);
    fillGradient(p, QRectF(0, 0, 480, 300), QColor(18, 34, 64), QColor(46, 92, 150));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 18, 30, 170));
    p.drawRoundedRect(QRectF(20, 120, 440, 160), 24, 24);

    DialStyle speed = speedometerStyle();
    speed.darkFace = true;
    speed.zones = {{0.85, 1.0, Warning}};
    drawDial(p, QRectF(36, 130, 140, 140), speed);
    DialStyle sync;
    sync.darkFace = true;
    sync.needles = {0.47, 0.53};
    sync.needleColours = {Needle, QColor(120, 180, 240)};
    drawDial(p, QRectF(192, 150, 100, 100), sync);
    drawDial(p, QRectF(304, 130, 140, 140), tachometerStyle());
    drawLcd(p, QRectF(206, 254, 72, 20), QStringLiteral("1.00"));

    drawTextIfPossible(p, QRectF(24, 22, 432, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Skaleron"),
                       46, true, Qt::white);
    drawTextIfPossible(p, QRectF(26, 76, 432, 28), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("Instrument gauge configuration and service"), 17, false,
                       QColor(200, 216, 236));
    return image;
}

// 187: the About box's picture: one gauge with its LCD.
QImage aboutPicture()
{
    QImage image = canvas(96, 96, Qt::white);
    QPainter p(&image);
    DialStyle s = speedometerStyle();
    s.zones = {{0.0, 0.2, Sky}, {0.8, 1.0, Warning}};
    drawDial(p, QRectF(2, 2, 92, 92), s);
    drawLcd(p, QRectF(34, 60, 28, 12), QStringLiteral("88"));
    return image;
}

// 1292: the browse button's face: an open folder.
QImage browsePicture()
{
    QImage image(20, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 100, 20), 1));
    p.setBrush(QColor(240, 196, 90));
    p.drawPolygon(QPolygonF({QPointF(1.5, 2.5), QPointF(7.5, 2.5), QPointF(9.5, 4.5), QPointF(17.5, 4.5),
                             QPointF(17.5, 14.5), QPointF(1.5, 14.5)}));
    p.setBrush(QColor(252, 220, 130));
    p.drawPolygon(QPolygonF({QPointF(4.5, 7.5), QPointF(19.5, 7.5), QPointF(17.5, 14.5), QPointF(1.5, 14.5)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Bezel);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(7.5 + i * 3.5, 11.5), 1, 1);
    return image;
}

QImage applicationIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    DialStyle s = speedometerStyle();
    s.zones = {{0.8, 1.0, Warning}};
    s.minorPerMajor = size >= 48 ? 4 : 1;
    drawDial(p, QRectF(0, 0, size, size), s);
    return image;
}

QImage documentIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 32.0;
    QPainterPath page;
    page.moveTo(5 * u, 1 * u);
    page.lineTo(21 * u, 1 * u);
    page.lineTo(27 * u, 7 * u);
    page.lineTo(27 * u, 31 * u);
    page.lineTo(5 * u, 31 * u);
    page.closeSubpath();
    p.setPen(QPen(Bezel, qMax(1.0, u)));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(BezelLight);
    p.drawPolygon(QPolygonF({QPointF(21 * u, 1 * u), QPointF(21 * u, 7 * u), QPointF(27 * u, 7 * u)}));
    DialStyle s;
    s.majorTicks = 5;
    s.minorPerMajor = size >= 48 ? 3 : 0;
    drawDial(p, QRectF(7 * u, 10 * u, 18 * u, 18 * u), s);
    return image;
}

QImage draw(int id)
{
    switch (id) {
    case ProjectPicture:
        return projectPicture();
    case MasterSettingsPicture:
        return masterSettingsPicture();
    case SplashPicture:
        return splashPicture();
    case AboutPicture:
        return aboutPicture();
    case BrowsePicture:
        return browsePicture();
    default:
        return drawTreePicture(id);
    }
}

QMutex g_cacheMutex;

}

}

QImage programPicture(int id)
{
    using namespace program_pictures;
    static QHash<int, QImage> cache;
    QMutexLocker lock(&g_cacheMutex);
    const auto found = cache.constFind(id);
    if (found != cache.constEnd())
        return *found;
    const QImage image = draw(id);
    if (!image.isNull())
        cache.insert(id, image);
    return image;
}

QImage programIconImage(int id, int size)
{
    using namespace program_pictures;
    if (size < 16 || size > 512)
        return QImage();
    static QHash<QPair<int, int>, QImage> cache;
    QMutexLocker lock(&g_cacheMutex);
    const QPair<int, int> key(id, size);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QImage image;
    if (id == ApplicationIcon)
        image = applicationIcon(size);
    else if (id == DocumentIcon)
        image = documentIcon(size);
    if (!image.isNull())
        cache.insert(key, image);
    return image;
}
