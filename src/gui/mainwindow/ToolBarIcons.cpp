#include "ToolBarIcons.h"

#include "CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Every picture is drawn on a 16 x 16 grid and scaled to the pixmap size.
void drawPage(QPainter &p, const QRectF &r)
{
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - 3, r.top());
    page.lineTo(r.right(), r.top() + 3);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    p.drawPath(page);
    p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void drawLines(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(140, 160, 190), 0.8));
    for (qreal y = r.top() + 5; y < r.bottom() - 1; y += 2)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void drawNew(QPainter &p)
{
    drawPage(p, QRectF(3, 1, 10, 14));
}

void drawOpen(QPainter &p)
{
    p.setPen(QPen(QColor(150, 110, 20), 0.8));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(1, 4, 13, 10));
    p.drawRect(QRectF(1, 3, 5, 2));
    p.setBrush(QColor(250, 220, 120));
    QPolygonF flap({QPointF(3, 7), QPointF(15, 7), QPointF(13, 14), QPointF(1, 14)});
    p.drawPolygon(flap);
}

void drawSave(QPainter &p)
{
    p.setPen(QPen(QColor(30, 50, 110), 0.8));
    p.setBrush(QColor(60, 100, 180));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4, 9, 8, 5.5));
}

void drawCut(QPainter &p)
{
    p.setPen(QPen(QColor(70, 70, 70), 1.2));
    p.drawLine(QPointF(4, 1), QPointF(10, 11));
    p.drawLine(QPointF(12, 1), QPointF(6, 11));
    p.setPen(QPen(QColor(180, 30, 30), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2, 10, 4.5, 4.5));
    p.drawEllipse(QRectF(9.5, 10, 4.5, 4.5));
}

void drawCopy(QPainter &p)
{
    drawPage(p, QRectF(1, 1, 9, 11));
    drawPage(p, QRectF(6, 4, 9, 11));
    drawLines(p, QRectF(6, 4, 9, 11));
}

void drawPaste(QPainter &p)
{
    p.setPen(QPen(QColor(110, 70, 30), 0.8));
    p.setBrush(QColor(190, 140, 80));
    p.drawRoundedRect(QRectF(1.5, 2, 10, 13), 1, 1);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4, 1, 5, 2.5));
    drawPage(p, QRectF(7, 6, 8, 9.5));
    drawLines(p, QRectF(7, 6, 8, 9.5));
}

void drawAbout(QPainter &p)
{
    p.setPen(QPen(QColor(20, 60, 140), 0.8));
    p.setBrush(QColor(50, 110, 210));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7, 3.5, 2.2, 2.2));
    p.drawRect(QRectF(7, 7, 2.2, 6));
}

QPixmap draw(void (*painter)(QPainter &), int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    painter(p);
    return pixmap;
}

}

QIcon toolBarIcon(int commandId)
{
    using namespace command_ids;
    void (*painter)(QPainter &) = nullptr;
    switch (commandId) {
    case FileNew: painter = drawNew; break;
    case FileOpen: painter = drawOpen; break;
    case FileSave: painter = drawSave; break;
    case EditCut: painter = drawCut; break;
    case EditCopy: painter = drawCopy; break;
    case EditPaste: painter = drawPaste; break;
    case AppAbout: painter = drawAbout; break;
    default: return QIcon();
    }
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addPixmap(draw(painter, size));
    return icon;
}
