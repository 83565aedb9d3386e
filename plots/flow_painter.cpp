// SPDX-License-Identifier: MIT
#include "plots/flow_painter.h"

#include "plots/painter.h"
#include "plots/picture_files.h"

#include <QPainter>

namespace kestrel {

namespace {

QRectF rectOf(const PixelBox& box) {
    return QRectF(box.left, box.top, box.width, box.height);
}

} // namespace

void paintFlowPicture(QPainter& painter, const FlowPicture& picture, QSize size, double scale,
                      double t) {
    const FlowLayout layout = flowLayout(size.width(), size.height());
    painter.save();
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), Qt::white);
    Surface surface;
    const auto plane = [&](const PixelBox& box, double stage) {
        drawFlowPlane(surface, picture, stage, aspectOf(box));
        paintSurface(painter, surface, rectOf(box), scale);
        QPen frame(QColor(96, 96, 96));
        frame.setCosmetic(true);
        frame.setWidthF(scale);
        painter.setPen(frame);
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawRect(rectOf(box));
    };
    plane(layout.left, t);
    plane(layout.right, 1);
    drawCpLegend(surface);
    paintSurface(painter, surface, rectOf(layout.legend), scale);
    painter.restore();
}

QByteArray flowPng(const FlowPicture& picture, QSize size, double t) {
    return encodePng(size, Qt::white,
                     [&](QPainter& painter) { paintFlowPicture(painter, picture, size, 1, t); });
}

QByteArray flowSvg(const FlowPicture& picture, QSize size, double t) {
    return encodeSvg(size, QStringLiteral("Kestrel flow"),
                     [&](QPainter& painter) { paintFlowPicture(painter, picture, size, 1, t); });
}

} // namespace kestrel
