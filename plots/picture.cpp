// SPDX-License-Identifier: MIT
#include "plots/picture.h"

#include "plots/labels.h"
#include "plots/painter.h"

#include <QPainter>

namespace kestrel {

namespace {

QRectF rectOf(const PixelBox& box) {
    return QRectF(box.left, box.top, box.width, box.height);
}

// The sunken 3-D border: dark on the top and left, light on the bottom and right.
void paintSunkenBorder(QPainter& painter, const QRectF& outer) {
    const double w = kSurfaceBorder / 2.0;
    const QRectF r = outer.adjusted(w / 2, w / 2, -w / 2, -w / 2);
    const QRectF inner = r.adjusted(w, w, -w, -w);
    const auto edge = [&painter, w](const QColor& colour, const QRectF& box, bool topLeft) {
        painter.setPen(QPen(colour, w, Qt::SolidLine, Qt::FlatCap));
        if (topLeft) {
            painter.drawLine(box.bottomLeft(), box.topLeft());
            painter.drawLine(box.topLeft(), box.topRight());
        } else {
            painter.drawLine(box.topRight(), box.bottomRight());
            painter.drawLine(box.bottomRight(), box.bottomLeft());
        }
    };
    edge(QColor(128, 128, 128), r, true);
    edge(QColor(255, 255, 255), r, false);
    edge(QColor(64, 64, 64), inner, true);
    edge(QColor(212, 208, 200), inner, false);
}

// The labels of one surface, each an opaque box in the plot background with its text at the
// top left, as a label widget paints itself.
void paintLabels(QPainter& painter, SurfaceId id, const QPointF& origin, const QColor& background) {
    for (const PlotLabel& l : kPlotLabels) {
        if (l.surface != id) {
            continue;
        }
        const QRectF box = rectOf(visibleBox(l)).translated(origin);
        painter.save();
        painter.setClipRect(box);
        painter.fillRect(box, background);
        painter.setFont(labelFont(l.font));
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop,
                         QString::fromUtf8(l.text.data(), static_cast<qsizetype>(l.text.size())));
        painter.restore();
    }
}

} // namespace

QSize pictureSize(SurfaceId id) {
    const SurfaceDefinition& d = surfaceDefinition(id);
    return QSize(d.width, d.height);
}

void paintPicture(QPainter& painter, const Surface& surface, SurfaceId id, double scale,
                  PictureLabels labels) {
    painter.save();
    painter.scale(scale, scale);
    const QRectF outer(QPointF(0, 0), QSizeF(pictureSize(id)));
    const QColor background = toQColor(surface.background());
    painter.fillRect(outer, background);
    paintSunkenBorder(painter, outer);
    const QRectF inner =
        outer.adjusted(kSurfaceBorder, kSurfaceBorder, -kSurfaceBorder, -kSurfaceBorder);
    paintSurface(painter, surface, inner, scale);
    if (labels == PictureLabels::Painted) {
        paintLabels(painter, id, inner.topLeft(), background);
    }
    painter.restore();
}

} // namespace kestrel
