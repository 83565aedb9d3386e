// SPDX-License-Identifier: MIT
#include "plots/painter.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QString>

namespace kestrel {

QColor toQColor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

namespace {

QFont fontOf(const QStringList& families, double points, bool italic) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setItalic(italic);
    font.setWeight(QFont::Normal);
    return font;
}

const QStringList kSansFamilies{"Arial", "Liberation Sans", "DejaVu Sans"};
const QStringList kSerifFamilies{"Times New Roman", "Liberation Serif", "DejaVu Serif"};

} // namespace

QFont sansSerifFont(double points, bool italic) {
    return fontOf(kSansFamilies, points, italic);
}

QFont labelFont(LabelFont kind) {
    switch (kind) {
    case LabelFont::Tick:
        return sansSerifFont(6.75, true);
    case LabelFont::AxisTitle:
        return sansSerifFont(8.25, true);
    case LabelFont::Greek:
        break;
    }
    return fontOf(kSerifFamilies, 8.25, false);
}

QFont textFont(TextFont kind) {
    QFont font = sansSerifFont(kind == TextFont::Heading ? 9 : 8, false);
    if (kind == TextFont::Heading) {
        font.setWeight(QFont::Bold);
    }
    return font;
}

namespace {

QPolygonF polygonOf(const ScaleMap& map, const std::vector<SurfacePoint>& points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const SurfacePoint& p : points) {
        polygon.append(QPointF(map.x(p.x), map.y(p.y)));
    }
    return polygon;
}

QPen cosmeticPen(Colour colour, double width) {
    QPen pen(toQColor(colour));
    pen.setWidthF(width);
    pen.setCosmetic(true);
    return pen;
}

// Round joins keep a wide polyline free of spikes at its sharp corners.
QPen polylinePen(Colour colour, double width) {
    QPen pen = cosmeticPen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// The text's box: as wide as the area on the side it extends to, vertically centred on y.
void paintText(QPainter& painter, const ScaleMap& map, const SurfaceItem& item) {
    constexpr double kReach = 1e4;
    const double x = map.x(item.x1);
    const double y = map.y(item.y1);
    QRectF box;
    Qt::Alignment align = Qt::AlignVCenter;
    switch (item.align) {
    case TextAlign::Left:
        box = QRectF(x, y - kReach / 2, kReach, kReach);
        align |= Qt::AlignLeft;
        break;
    case TextAlign::Centre:
        box = QRectF(x - kReach / 2, y - kReach / 2, kReach, kReach);
        align |= Qt::AlignHCenter;
        break;
    case TextAlign::Right:
        box = QRectF(x - kReach, y - kReach / 2, kReach, kReach);
        align |= Qt::AlignRight;
        break;
    }
    painter.setFont(textFont(item.font));
    painter.setPen(toQColor(item.colour));
    painter.drawText(box, static_cast<int>(align),
                     QString::fromUtf8(item.text.data(), static_cast<qsizetype>(item.text.size())));
}

} // namespace

void paintSurface(QPainter& painter, const Surface& surface, const QRectF& area, double lineWidth) {
    const ScaleMap map(surface.scale(), area.left(), area.top(), area.width(), area.height());
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (const SurfaceItem& item : surface.items()) {
        switch (item.kind) {
        case SurfaceItem::Kind::Line:
            painter.setPen(cosmeticPen(item.colour, lineWidth));
            painter.drawLine(QPointF(map.x(item.x1), map.y(item.y1)),
                             QPointF(map.x(item.x2), map.y(item.y2)));
            break;
        case SurfaceItem::Kind::Circle: {
            painter.setPen(cosmeticPen(item.colour, lineWidth));
            const double radius = map.horizontalLength(item.r);
            painter.drawEllipse(QPointF(map.x(item.x1), map.y(item.y1)), radius, radius);
            break;
        }
        case SurfaceItem::Kind::Polyline:
            painter.setPen(polylinePen(item.colour, item.sizePx * lineWidth));
            painter.drawPolyline(polygonOf(map, item.points));
            break;
        case SurfaceItem::Kind::Polygon:
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(Qt::NoPen);
            painter.setBrush(toQColor(item.colour));
            painter.drawPolygon(polygonOf(map, item.points));
            painter.setBrush(Qt::NoBrush);
            painter.setRenderHint(QPainter::Antialiasing, true);
            break;
        case SurfaceItem::Kind::Text:
            paintText(painter, map, item);
            break;
        case SurfaceItem::Kind::Marker: {
            painter.setPen(Qt::NoPen);
            painter.setBrush(toQColor(item.colour));
            const double radius = item.sizePx / 2.0;
            painter.drawEllipse(QPointF(map.x(item.x1), map.y(item.y1)), radius, radius);
            painter.setBrush(Qt::NoBrush);
            break;
        }
        }
    }
    painter.restore();
}

} // namespace kestrel
