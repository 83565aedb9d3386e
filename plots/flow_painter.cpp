// SPDX-License-Identifier: MIT
#include "plots/flow_painter.h"

#include "plots/painter.h"
#include "plots/picture_files.h"

#include <QPainter>

namespace kestrel {

void paintFlowRecord(QPainter& painter, const Surface& record, QSize size, double scale) {
    painter.save();
    painter.scale(scale, scale);
    paintSurface(painter, record, QRectF(QPointF(0, 0), QSizeF(size)), scale);
    painter.restore();
}

void paintFlowPicture(QPainter& painter, const FlowPicture& picture, QSize size, double scale,
                      double t, const Ghost* kept, const Texts& texts) {
    Surface record;
    recordFlowPicture(record, picture, t, size.width(), size.height(), scale, kept, texts);
    paintFlowRecord(painter, record, size, scale);
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
