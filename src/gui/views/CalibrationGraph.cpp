#include "CalibrationGraph.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>

using namespace calibration;

namespace {

constexpr int FirstXLabel = 5001;
constexpr int FirstYLabel = 5011; // the bottom one
constexpr int XUnit = 5006;
constexpr int YUnit = 5007;
constexpr int Steps = 4;
// The plot's size on the template (250 x 200 dialog units), in pixels.
constexpr QSize PlotSize(375, 325);
const QColor BandColour(224, 224, 224);
const QColor GridColour(192, 192, 192);
const QColor SensorColour(128, 128, 128);

}

CalibrationGraph::CalibrationGraph(QFrame *plot, const QHash<int, QLabel *> &labels, QWidget *parent)
    : QWidget(parent)
    , m_plot(plot)
    , m_labels(labels)
{
    setObjectName(QStringLiteral("graph"));
    m_plot->setParent(this);
    m_plot->setFrameShape(QFrame::Panel);
    m_plot->setFrameShadow(QFrame::Sunken);
    m_plot->installEventFilter(this);
    for (auto it = m_labels.cbegin(); it != m_labels.cend(); ++it) {
        it.value()->setParent(this);
        const int id = it.key();
        if (id >= FirstYLabel && id < FirstYLabel + 5)
            it.value()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        else if (id >= FirstXLabel && id < FirstXLabel + 5)
            it.value()->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        else
            it.value()->setAlignment((id == XUnit ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

int CalibrationGraph::labelColumnWidth() const
{
    return fontMetrics().horizontalAdvance(QStringLiteral("-00000.000")) + 4;
}

QSize CalibrationGraph::sizeHint() const
{
    const int line = fontMetrics().height();
    return {labelColumnWidth() + 4 + PlotSize.width() + labelColumnWidth() / 2,
            2 * line + PlotSize.height() + 2 * line + 6};
}

QRect CalibrationGraph::graphRect() const
{
    return m_plot->contentsRect().adjusted(1, 1, -1, -1);
}

void CalibrationGraph::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeLabels();
}

void CalibrationGraph::placeLabels()
{
    const int line = fontMetrics().height();
    const int column = labelColumnWidth();
    const int top = 2 * line;
    m_plot->setGeometry(column + 4, top, width() - column - 4 - column / 2, height() - top - 2 * line - 6);
    const QRect area = graphRect().translated(m_plot->pos());
    if (QLabel *unit = m_labels.value(YUnit))
        unit->setGeometry(0, 0, width() / 2, line);
    for (int k = 0; k <= Steps; ++k) {
        if (QLabel *y = m_labels.value(FirstYLabel + k)) {
            const int centre = area.top() + area.height() - area.height() * k / Steps;
            y->setGeometry(0, centre - line / 2, column, line);
        }
        if (QLabel *x = m_labels.value(FirstXLabel + k)) {
            const int centre = area.left() + area.width() * k / Steps;
            x->setGeometry(centre - column / 2, m_plot->geometry().bottom() + 3, column, line);
        }
    }
    if (QLabel *unit = m_labels.value(XUnit))
        unit->setGeometry(area.right() - column, m_plot->geometry().bottom() + 3 + line, column + column / 2, line);
}

void CalibrationGraph::setPicture(const Picture &picture)
{
    m_picture = picture;
    const PlotMapping mapping(picture.bounds, graphRect().size());
    const QStringList xTexts = axisLabels(picture.bounds.xMin, mapping.xSpan());
    const QStringList yTexts = axisLabels(picture.bounds.yMin, mapping.ySpan());
    for (int k = 0; k <= Steps; ++k) {
        if (QLabel *x = m_labels.value(FirstXLabel + k))
            x->setText(xTexts.value(k));
        if (QLabel *y = m_labels.value(FirstYLabel + k))
            y->setText(yTexts.value(k));
    }
    m_plot->update();
}

bool CalibrationGraph::eventFilter(QObject *watched, QEvent *event)
{
    // The plot is drawn under the frame, which the frame then draws itself.
    if (watched == m_plot && event->type() == QEvent::Paint)
        paintPlot();
    return QWidget::eventFilter(watched, event);
}

void CalibrationGraph::paintPlot()
{
    const QRect area = graphRect();
    QPainter painter(m_plot);
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    const PlotMapping map(m_picture.bounds, area.size());
    const AxisBounds &b = m_picture.bounds;

    painter.setPen(Qt::white);
    painter.setBrush(m_picture.locked ? palette().color(QPalette::Window) : QColor(Qt::white));
    painter.drawRect(QRect(QPoint(0, 0), area.size()).adjusted(0, 0, -1, -1));

    // The resistances outside the signal check window.
    if (m_picture.signalCheck) {
        painter.setBrush(BandColour);
        const int top = map.row(b.yMax);
        const int bottom = map.row(b.yMin) + 1;
        painter.drawRect(QRect(QPoint(map.column(b.xMin), top), QPoint(map.column(m_picture.signalCheckMin) + 1, bottom))
                             .normalized());
        painter.drawRect(QRect(QPoint(map.column(m_picture.signalCheckMax), top), QPoint(map.column(b.xMax) + 1, bottom))
                             .normalized());
    }

    painter.setPen(QPen(GridColour, 1, Qt::DotLine));
    for (int k = 0; k <= Steps; ++k) {
        const double x = b.xMin + k * map.xSpan() / Steps;
        const double y = b.yMin + k * map.ySpan() / Steps;
        painter.drawLine(map.point(x, b.yMin), map.point(x, b.yMax));
        painter.drawLine(map.point(b.xMin, y), map.point(b.xMax, y));
    }

    auto polyline = [&](const QVector<SupportPoint> &points) {
        QPolygon line;
        for (const SupportPoint &p : points)
            line << map.point(p.resistance, p.quantity);
        painter.drawPolyline(line);
        return line;
    };
    painter.setPen(QPen(SensorColour, 1));
    polyline(m_picture.sensorPoints);
    painter.setPen(QPen(Qt::red, 1));
    for (const QPoint &p : polyline(m_picture.supportPoints))
        painter.fillRect(QRect(p.x() - 3, p.y() - 3, 6, 6), Qt::black);
}
