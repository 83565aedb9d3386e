// SPDX-License-Identifier: MIT
#include "plots/painter.h"

#include <QPainter>
#include <QPen>

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

void paintSurface(QPainter& painter, const Surface& surface, const QRectF& area, double lineWidth) {
    const ScaleMap map(surface.scale(), area.left(), area.top(), area.width(), area.height());
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (const SurfaceItem& item : surface.items()) {
        QPen pen(toQColor(item.colour));
        pen.setWidthF(lineWidth);
        pen.setCosmetic(true);
        painter.setPen(pen);
        if (item.kind == SurfaceItem::Kind::Line) {
            painter.drawLine(QPointF(map.x(item.x1), map.y(item.y1)),
                             QPointF(map.x(item.x2), map.y(item.y2)));
        } else {
            const double radius = map.horizontalLength(item.r);
            painter.drawEllipse(QPointF(map.x(item.x1), map.y(item.y1)), radius, radius);
        }
    }
    painter.restore();
}

} // namespace kestrel
