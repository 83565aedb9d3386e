#include "plots/picture.h"

#include "plots/colours.h"
#include "plots/painter.h"

#include <QPainter>

namespace kestrel {

namespace {

QRectF twipsRectF(int left, int top, int width, int height) {
    const double t = kTwipsPerPixel;
    return QRectF(left / t, top / t, width / t, height / t);
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

void paintLabels(QPainter& painter, std::string_view surfaceName, const QPointF& origin,
                 const QColor& background) {
    for (const SurfaceLabel& l : kSurfaceLabels) {
        if (l.surface != surfaceName) {
            continue;
        }
        const QRectF box = twipsRectF(l.left, l.top, l.width, l.height).translated(origin);
        painter.fillRect(box, background);
        painter.setFont(labelFont(l.font));
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         QString::fromUtf8(l.text.data(), static_cast<qsizetype>(l.text.size())));
    }
}

} // namespace

QSize surfaceSize(const SurfaceLayout& layout) {
    return twipsRectF(0, 0, layout.width, layout.height).toRect().size();
}

void paintPicture(QPainter& painter, const Surface& surface, const SurfaceLayout& layout,
                  double scale) {
    painter.save();
    painter.scale(scale, scale);
    const QRectF outer(QPointF(0, 0), QSizeF(surfaceSize(layout)));
    const QColor background = toQColor(surface.background());
    painter.fillRect(outer, background);
    paintSunkenBorder(painter, outer);
    const QRectF inner =
        outer.adjusted(kSurfaceBorder, kSurfaceBorder, -kSurfaceBorder, -kSurfaceBorder);
    paintSurface(painter, surface, inner, scale);
    paintLabels(painter, layout.name, inner.topLeft(), background);
    painter.restore();
}

} // namespace kestrel
