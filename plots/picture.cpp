// SPDX-License-Identifier: MIT
#include "plots/picture.h"

#include "plots/painter.h"

#include <QPainter>

namespace kestrel {

QSize pictureSize(SurfaceId id) {
    const SurfaceDefinition& d = surfaceDefinition(id);
    return QSize(d.width, d.height);
}

void paintPictureRecord(QPainter& painter, const Surface& picture, SurfaceId id, double scale) {
    paintPictureRecordOver(painter, picture, id, QSizeF(pictureSize(id)) * scale, scale);
}

void paintPictureRecordOver(QPainter& painter, const Surface& picture, SurfaceId id, QSizeF size,
                            double lineWidth) {
    const QSizeF logical(pictureSize(id));
    painter.save();
    painter.scale(size.width() / logical.width(), size.height() / logical.height());
    paintSurface(painter, picture, QRectF(QPointF(0, 0), logical), lineWidth);
    painter.restore();
}

void paintPicture(QPainter& painter, const Surface& surface, SurfaceId id, double scale,
                  PictureLabels labels) {
    paintPictureRecord(painter, plotPicture(surface, id, labels), id, scale);
}

} // namespace kestrel
