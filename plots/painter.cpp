// SPDX-License-Identifier: MIT
#include "plots/painter.h"

#include "plots/fonts.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QString>

namespace kestrel {

QColor toQColor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QFont textFont(TextFont kind) {
    const FontDefinition& d = fontDefinition(kind);
    QStringList families;
    for (const std::string_view family : d.serif ? kSerifFamilies : kSansFamilies) {
        families.append(QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size())));
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(d.points);
    font.setItalic(d.italic);
    font.setWeight(d.bold ? QFont::Bold : QFont::Normal);
    return font;
}

namespace {

QString qtString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

// Bevel joins keep a wide polyline free of spikes at its sharp corners; at the widths drawn
// they look as round joins do, at a fraction of the cost for a polyline of many short segments.
QPen polylinePen(Colour colour, double width) {
    QPen pen = cosmeticPen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::BevelJoin);
    return pen;
}

QRectF cornersOf(const ScaleMap& map, const SurfaceItem& item) {
    return QRectF(QPointF(map.x(item.x1), map.y(item.y1)), QPointF(map.x(item.x2), map.y(item.y2)))
        .normalized();
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
    painter.drawText(box, static_cast<int>(align), qtString(item.text));
}

// A crisp pen: flat ends, its width in the painter's logical pixels.
void paintEdge(QPainter& painter, const ScaleMap& map, const SurfaceItem& item) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(toQColor(item.colour), item.sizePx, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(map.x(item.x1), map.y(item.y1)),
                     QPointF(map.x(item.x2), map.y(item.y2)));
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void paintRect(QPainter& painter, const ScaleMap& map, const SurfaceItem& item) {
    const QRectF box = cornersOf(map, item);
    if (item.sizePx == 0) {
        painter.fillRect(box, toQColor(item.colour));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(toQColor(item.colour), item.sizePx));
    painter.drawRect(box);
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void paintImage(QPainter& painter, const ScaleMap& map, const SurfaceItem& item) {
    const RasterImage* image = item.image.get();
    if (image == nullptr || image->width <= 0 || image->height <= 0) {
        return;
    }
    // The pixels are read in place (the image lives as long as the item), in Qt's own order.
    static_assert(!kRasterRedFirst);
    const QImage pixels(reinterpret_cast<const uchar*>(image->pixels.data()), image->width,
                        image->height, QImage::Format_RGB32);
    painter.drawImage(cornersOf(map, item), pixels);
}

void paintLabel(QPainter& painter, const ScaleMap& map, const SurfaceItem& item) {
    const QRectF box = cornersOf(map, item);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(textFont(item.font));
    painter.setPen(toQColor(item.colour));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, qtString(item.text));
    painter.restore();
}

void paintMarker(QPainter& painter, const ScaleMap& map, const SurfaceItem& item) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(item.colour));
    const double radius = item.sizePx / 2.0;
    painter.drawEllipse(QPointF(map.x(item.x1), map.y(item.y1)), radius, radius);
    painter.setBrush(Qt::NoBrush);
}

void paintPolygon(QPainter& painter, const ScaleMap& map, const SurfaceItem& item) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(item.colour));
    painter.drawPolygon(polygonOf(map, item.points));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, true);
}

// Paints one item; an Area item changes the map and the clip of the items after it.
void paintItem(QPainter& painter, const ScaleMap& base, ScaleMap& map, const QRectF& area,
               const SurfaceItem& item, double lineWidth) {
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
        paintPolygon(painter, map, item);
        break;
    case SurfaceItem::Kind::Text:
        paintText(painter, map, item);
        break;
    case SurfaceItem::Kind::Marker:
        paintMarker(painter, map, item);
        break;
    case SurfaceItem::Kind::Edge:
        paintEdge(painter, map, item);
        break;
    case SurfaceItem::Kind::Rect:
        paintRect(painter, map, item);
        break;
    case SurfaceItem::Kind::Area: {
        const QRectF box = QRectF(QPointF(base.x(item.box.left), base.y(item.box.top)),
                                  QPointF(base.x(item.box.left + item.box.width),
                                          base.y(item.box.top + item.box.height)))
                               .normalized();
        map = ScaleMap(UserRect{item.x1, item.y1, item.x2, item.y2}, box.left(), box.top(),
                       box.width(), box.height());
        painter.setClipRect(box.intersected(area));
        break;
    }
    case SurfaceItem::Kind::Image:
        paintImage(painter, map, item);
        break;
    case SurfaceItem::Kind::Label:
        paintLabel(painter, map, item);
        break;
    }
}

} // namespace

void paintSurface(QPainter& painter, const Surface& surface, const QRectF& area, double lineWidth) {
    const ScaleMap base(surface.scale(), area.left(), area.top(), area.width(), area.height());
    ScaleMap map = base;
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (const SurfaceItem& item : surface.items()) {
        paintItem(painter, base, map, area, item, lineWidth);
    }
    painter.restore();
}

} // namespace kestrel
