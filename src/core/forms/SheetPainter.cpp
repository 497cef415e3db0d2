#include "SheetPainter.h"

#include "CalibrationGraph.h"
#include "ConfigurationSheet.h"
#include "NumberField.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <array>
#include <functional>
#include <vector>

namespace sheet_painter {

namespace {

constexpr qreal PictureWidthMm = 40.0; // the dial on paper, at most
constexpr qreal MaximumUpscale = 2.0;  // more pixels than this add no sharpness, only size
constexpr qreal GraphWidthMm = 62.0;
constexpr qreal GraphHeightMm = 36.0;
constexpr int PointPlaces = 1; // as the calibration form shows the values

const QColor RuleColour(150, 150, 150);

// A piece of the sheet that stays on one page, drawn with its top at top.
struct Block
{
    qreal height = 0;
    std::function<void(QPainter &, qreal top)> draw;
    bool keepWithNext = false; // a heading stays with what it heads
};

class Layout
{
    const QPaintDevice *m_device;
    qreal m_width;
    qreal m_mm; // device units per millimetre

public:
    Layout(const QPaintDevice &device, qreal width)
        : m_device(&device)
        , m_width(width)
        , m_mm(device.logicalDpiX() / 25.4)
        , body(font(9.5))
        , small(font(7.5))
        , heading(font(11, true))
        , title(font(16, true))
    {
    }

    qreal mm(qreal millimetres) const { return millimetres * m_mm; }
    qreal width() const { return m_width; }
    qreal lineHeight(const QFont &f) const { return QFontMetricsF(f, m_device).height(); }
    qreal advance(const QFont &f, const QString &text) const
    {
        return QFontMetricsF(f, m_device).horizontalAdvance(text);
    }
    qreal textHeight(const QFont &f, qreal width, const QString &text) const
    {
        const QFontMetricsF fm(f, m_device);
        if (text.isEmpty())
            return fm.height();
        return qMax(fm.height(), fm.boundingRect(QRectF(0, 0, width, 1e7), Qt::TextWordWrap, text).height());
    }

    // Label column wide enough for every label, yet leaving room for values.
    qreal labelColumn(const QList<SheetRow> &rows, qreal width) const
    {
        qreal widest = 0;
        for (const SheetRow &r : rows)
            widest = qMax(widest, advance(body, r.label));
        return qMin(widest + mm(5), width * 0.45);
    }

    static QString valueText(const SheetRow &r) { return r.unit.isEmpty() ? r.value : r.value + ' ' + r.unit; }

    qreal rowsHeight(const QList<SheetRow> &rows, qreal width, qreal labelWidth) const
    {
        qreal h = 0;
        for (const SheetRow &r : rows)
            h += rowHeight(r, width, labelWidth);
        return h;
    }

    // Rows as two aligned columns; an empty value of a fill-in row gets a
    // line to write on.
    void drawRows(QPainter &p, const QList<SheetRow> &rows, QPointF origin, qreal width, qreal labelWidth,
                  bool fillIn = false) const
    {
        p.setFont(body);
        qreal y = origin.y();
        const qreal valueWidth = width - labelWidth;
        for (const SheetRow &r : rows) {
            const qreal h = rowHeight(r, width, labelWidth);
            p.drawText(QRectF(origin.x(), y, labelWidth - mm(2), h), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                       r.label);
            const QRectF value(origin.x() + labelWidth, y, valueWidth, h);
            p.drawText(value, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, valueText(r));
            if (fillIn && r.value.isEmpty()) {
                const qreal base = y + lineHeight(body) - mm(0.6);
                p.save();
                p.setPen(QPen(RuleColour, mm(0.15)));
                p.drawLine(QPointF(value.left(), base), QPointF(value.right(), base));
                p.restore();
            }
            y += h;
        }
    }

    QFont body;
    QFont small;
    QFont heading;
    QFont title;

private:
    QFont font(qreal points, bool bold = false) const
    {
        QFont f;
        f.setPixelSize(qMax(1, qRound(points * m_device->logicalDpiY() / 72.0)));
        f.setBold(bold);
        // No ligatures: the PDF's text is copied and searched ("fi", not one
        // glyph). Qt leaves them out for a font with a letter spacing of its
        // own, and 100 % changes no advance.
        f.setLetterSpacing(QFont::PercentageSpacing, 100);
        return f;
    }
    qreal rowHeight(const SheetRow &r, qreal width, qreal labelWidth) const
    {
        return qMax(textHeight(body, labelWidth - mm(2), r.label), textHeight(body, width - labelWidth, valueText(r)))
            + mm(1.2);
    }
};

// The dial's size on paper: its own size when that is smaller than the size
// the sheet gives it.
QSizeF pictureSize(const QImage &image, const Layout &layout)
{
    if (image.isNull())
        return {};
    const qreal dotsPerMetre = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 96 / 0.0254;
    const qreal width = qMin(PictureWidthMm, image.width() / dotsPerMetre * 1000.0);
    return {layout.mm(width), layout.mm(width) * image.height() / image.width()};
}

// The picture resampled with smooth filtering to the pixels it covers on the
// device, but never blown up beyond MaximumUpscale: the device scales the rest.
QImage resampled(const QImage &image, QSizeF onDevice)
{
    QSize target = onDevice.toSize();
    const QSize most(qRound(image.width() * MaximumUpscale), qRound(image.height() * MaximumUpscale));
    if (target.width() > most.width() || target.height() > most.height())
        target = target.scaled(most, Qt::KeepAspectRatio);
    if (target.isEmpty() || target == image.size())
        return image;
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

class SheetBlocks
{
public:
    SheetBlocks(const ConfigurationSheet &sheet, const Layout &layout)
        : m_sheet(sheet)
        , m_layout(layout)
    {
    }

    std::vector<Block> make()
    {
        const qreal w = m_layout.width();
        header();
        section(m_sheet.jobHeading);
        rows(m_sheet.jobRows, m_layout.labelColumn(m_sheet.jobRows, w), true);
        section(m_sheet.masterHeading);
        master();
        section(m_sheet.settingsHeading);
        const qreal labels = m_layout.labelColumn(m_sheet.settingRows, w);
        // One block a row, so that a long list can go on on the next page.
        for (const SheetRow &r : m_sheet.settingRows)
            rows({r}, labels, false);
        for (const SheetCalibration &c : m_sheet.calibrations) {
            section(c.title);
            calibration(c);
        }
        signature();
        return std::move(m_blocks);
    }

private:
    void add(qreal height, std::function<void(QPainter &, qreal)> draw, bool keepWithNext = false)
    {
        m_blocks.push_back(Block{height, std::move(draw), keepWithNext});
    }

    void header()
    {
        const Layout &l = m_layout;
        const qreal w = l.width();
        const qreal titleHeight = l.lineHeight(l.title);
        const qreal line = l.lineHeight(l.body);
        const bool oneLine = l.advance(l.body, m_sheet.fileLine) + l.advance(l.body, m_sheet.dateLine) + l.mm(8) < w;
        const qreal infoHeight = oneLine ? line : 2 * line;
        add(titleHeight + infoHeight + l.mm(5), [this, w, titleHeight, line, oneLine](QPainter &p, qreal top) {
            const Layout &l = m_layout;
            p.setFont(l.title);
            p.drawText(QRectF(0, top, w, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, m_sheet.title);
            p.setFont(l.body);
            const qreal y = top + titleHeight;
            p.drawText(QRectF(0, y, w, line), Qt::AlignLeft | Qt::AlignVCenter, m_sheet.fileLine);
            const Qt::Alignment side = oneLine ? Qt::AlignRight : Qt::AlignLeft;
            p.drawText(QRectF(0, oneLine ? y : y + line, w, line), side | Qt::AlignVCenter, m_sheet.dateLine);
            const qreal rule = y + (oneLine ? line : 2 * line) + l.mm(1.5);
            p.save();
            p.setPen(QPen(Qt::black, l.mm(0.3)));
            p.drawLine(QPointF(0, rule), QPointF(w, rule));
            p.restore();
        });
    }

    void section(const QString &text)
    {
        const Layout &l = m_layout;
        const qreal h = l.lineHeight(l.heading);
        add(l.mm(3) + h + l.mm(2), [this, text, h](QPainter &p, qreal top) {
            const Layout &l = m_layout;
            p.setFont(l.heading);
            const QRectF box(0, top + l.mm(3), l.width(), h);
            p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
            p.save();
            p.setPen(QPen(RuleColour, l.mm(0.2)));
            p.drawLine(QPointF(0, box.bottom() + l.mm(0.5)), QPointF(l.width(), box.bottom() + l.mm(0.5)));
            p.restore();
        }, true);
    }

    void rows(const QList<SheetRow> &list, qreal labelWidth, bool fillIn)
    {
        const qreal w = m_layout.width();
        add(m_layout.rowsHeight(list, w, labelWidth), [this, list, w, labelWidth, fillIn](QPainter &p, qreal top) {
            m_layout.drawRows(p, list, QPointF(0, top), w, labelWidth, fillIn);
        });
    }

    void master()
    {
        const Layout &l = m_layout;
        const QSizeF picture = pictureSize(m_sheet.picture, l);
        const QImage image = m_sheet.picture.isNull() ? QImage() : resampled(m_sheet.picture, picture);
        const qreal x = picture.isEmpty() ? 0 : picture.width() + l.mm(6);
        const qreal w = l.width() - x;
        const qreal labels = l.labelColumn(m_sheet.masterRows, w);
        const qreal h = qMax(picture.height(), l.rowsHeight(m_sheet.masterRows, w, labels));
        add(h + l.mm(1), [this, image, picture, x, w, labels](QPainter &p, qreal top) {
            if (!image.isNull())
                p.drawImage(QRectF(QPointF(0, top), picture), image);
            m_layout.drawRows(p, m_sheet.masterRows, QPointF(x, top), w, labels);
        });
    }

    void calibration(const SheetCalibration &c)
    {
        const Layout &l = m_layout;
        const int count = qBound(0, c.values.supportPointCount, InputCalibration::Rows);
        QStringList headers = m_sheet.calibrationColumns;
        if (!c.quantityUnit.isEmpty() && headers.size() > 1)
            headers[1] = QStringLiteral("%1 [%2]").arg(headers.at(1), c.quantityUnit);
        const qreal column = l.mm(23);
        qreal headerHeight = 0;
        for (const QString &h : headers)
            headerHeight = qMax(headerHeight, l.textHeight(l.small, column - l.mm(2), h));
        const qreal line = l.lineHeight(l.body);
        const qreal tableHeight = headerHeight + l.mm(1) + count * line;
        const qreal graphHeight = l.mm(GraphHeightMm) + 2 * l.lineHeight(l.small);
        add(qMax(tableHeight, graphHeight) + l.mm(2), [this, c, count, headers, column, headerHeight, line](QPainter &p,
                                                                                                          qreal top) {
            const Layout &l = m_layout;
            p.setFont(l.small);
            for (int k = 0; k < headers.size(); ++k)
                p.drawText(QRectF(k * column, top, column - l.mm(2), headerHeight),
                           Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap, headers.at(k));
            p.setFont(l.body);
            const std::array<const std::array<double, InputCalibration::Rows> *, 4> columns = {
                &c.values.resistance, &c.values.quantity, &c.values.displayValue, &c.values.pointerAngle};
            const qreal first = top + headerHeight + l.mm(1);
            for (int row = 0; row < count; ++row) {
                for (size_t k = 0; k < columns.size(); ++k)
                    p.drawText(QRectF(k * column, first + row * line, column - l.mm(2), line),
                               Qt::AlignRight | Qt::AlignVCenter,
                               number_field::format((*columns[k])[size_t(row)], PointPlaces));
            }
            const qreal graphLeft = 4 * column + l.mm(16);
            const QRectF area(graphLeft, top + l.lineHeight(l.small) / 2,
                              qMin(l.mm(GraphWidthMm), l.width() - graphLeft - l.mm(2)), l.mm(GraphHeightMm));
            drawGraph(p, c, count, area);
        });
    }

    // The support points over the resistance, on axes rounded outward as the
    // calibration form rounds them.
    void drawGraph(QPainter &p, const SheetCalibration &c, int count, const QRectF &area) const
    {
        const Layout &l = m_layout;
        QVector<calibration::SupportPoint> points;
        for (int i = 0; i < count; ++i)
            points.append(calibration::SupportPoint{c.values.quantity[size_t(i)], c.values.resistance[size_t(i)]});
        const calibration::AxisBounds bounds = calibration::axisBounds(points);
        const calibration::PlotMapping map(bounds, area.size().toSize());
        p.save();
        p.setPen(QPen(RuleColour, l.mm(0.2)));
        p.drawRect(area);
        p.setFont(l.small);
        p.setPen(Qt::black);
        const qreal labelHeight = l.lineHeight(l.small);
        const QStringList xLabels = calibration::axisLabels(bounds.xMin, map.xSpan());
        const QStringList yLabels = calibration::axisLabels(bounds.yMin, map.ySpan());
        for (int k = 0; k < xLabels.size(); ++k) {
            const qreal x = area.left() + area.width() * k / (xLabels.size() - 1);
            p.drawText(QRectF(x - l.mm(8), area.bottom(), l.mm(16), labelHeight), Qt::AlignCenter, xLabels.at(k));
        }
        for (int k = 0; k < yLabels.size(); ++k) {
            const qreal y = area.bottom() - area.height() * k / (yLabels.size() - 1);
            p.drawText(QRectF(area.left() - l.mm(15), y - labelHeight / 2, l.mm(14), labelHeight),
                       Qt::AlignRight | Qt::AlignVCenter, yLabels.at(k));
        }
        p.drawText(QRectF(area.left(), area.bottom() + labelHeight, area.width(), labelHeight), Qt::AlignRight,
                   QStringLiteral("Ohm"));
        p.drawText(QRectF(area.left() + l.mm(1), area.top(), area.width(), labelHeight), Qt::AlignLeft, c.quantityUnit);
        QPolygonF line;
        for (const calibration::SupportPoint &point : points)
            line << area.topLeft() + QPointF(map.point(point.resistance, point.quantity));
        p.setClipRect(area.adjusted(-l.mm(1), -l.mm(1), l.mm(1), l.mm(1)));
        p.setPen(QPen(QColor(200, 0, 0), l.mm(0.35)));
        p.drawPolyline(line);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const qreal mark = l.mm(1.2);
        for (const QPointF &pt : line)
            p.drawRect(QRectF(pt.x() - mark / 2, pt.y() - mark / 2, mark, mark));
        p.restore();
    }

    void signature()
    {
        const Layout &l = m_layout;
        const qreal h = l.mm(16) + l.lineHeight(l.small);
        add(h, [this](QPainter &p, qreal top) {
            const Layout &l = m_layout;
            const qreal base = top + l.mm(15);
            const qreal w = l.width();
            p.save();
            p.setPen(QPen(Qt::black, l.mm(0.2)));
            p.drawLine(QPointF(0, base), QPointF(w * 0.35, base));
            p.drawLine(QPointF(w * 0.45, base), QPointF(w, base));
            p.restore();
            p.setFont(l.small);
            const qreal labelHeight = l.lineHeight(l.small);
            p.drawText(QRectF(0, base + l.mm(0.5), w * 0.35, labelHeight), Qt::AlignLeft, m_sheet.dateLabel);
            p.drawText(QRectF(w * 0.45, base + l.mm(0.5), w * 0.55, labelHeight), Qt::AlignLeft,
                       m_sheet.signatureLabel);
        });
    }

    const ConfigurationSheet &m_sheet;
    const Layout &m_layout;
    std::vector<Block> m_blocks;
};

// Block indices of each page: a block goes to the next page when it does not
// fit, unless the page is still empty; a heading goes along with its block.
QVector<QVector<int>> paginate(const std::vector<Block> &blocks, qreal bodyHeight)
{
    QVector<QVector<int>> pages(1);
    qreal y = 0;
    for (size_t i = 0; i < blocks.size(); ++i) {
        qreal need = blocks[i].height;
        if (blocks[i].keepWithNext && i + 1 < blocks.size())
            need += blocks[i + 1].height;
        if (y > 0 && y + need > bodyHeight) {
            pages.append(QVector<int>());
            y = 0;
        }
        pages.last().append(int(i));
        y += blocks[i].height;
    }
    return pages;
}

void drawFooter(QPainter &p, const Layout &l, const ConfigurationSheet &sheet, int page, int pages, qreal bottom)
{
    const qreal labelHeight = l.lineHeight(l.small);
    const qreal rule = bottom - labelHeight - l.mm(1);
    p.save();
    p.setPen(QPen(RuleColour, l.mm(0.2)));
    p.drawLine(QPointF(0, rule), QPointF(l.width(), rule));
    p.restore();
    p.setFont(l.small);
    const QRectF line(0, bottom - labelHeight, l.width(), labelHeight);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, sheet.program);
    p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, sheet.pageFormat.arg(page).arg(pages));
}

}

bool paint(const ConfigurationSheet &sheet, QPagedPaintDevice &device, int *pageCount)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const Layout layout(device, device.width());
    // The blocks draw through the builder: it lives until the pages are drawn.
    SheetBlocks builder(sheet, layout);
    const std::vector<Block> blocks = builder.make();
    const qreal bottom = device.height();
    const qreal footer = layout.lineHeight(layout.small) + layout.mm(4);
    const qreal body = bottom - footer;
    const QVector<QVector<int>> pages = paginate(blocks, body);
    for (int page = 0; page < pages.size(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        qreal y = 0;
        for (int i : pages.at(page)) {
            // The signature, last of all, goes to the foot of its page, as on
            // any service document.
            if (size_t(i) + 1 == blocks.size())
                y = qMax(y, body - blocks[size_t(i)].height);
            blocks[size_t(i)].draw(painter, y);
            y += blocks[size_t(i)].height;
        }
        drawFooter(painter, layout, sheet, page + 1, int(pages.size()), bottom);
    }
    if (pageCount)
        *pageCount = int(pages.size());
    return painter.end();
}

}
