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
    painter.save();
    painter.scale(scale, scale);
    paintSurface(painter, picture, QRectF(QPointF(0, 0), QSizeF(pictureSize(id))), scale);
    painter.restore();
}

void paintPicture(QPainter& painter, const Surface& surface, SurfaceId id, double scale,
                  PictureLabels labels) {
    paintPictureRecord(painter, plotPicture(surface, id, labels), id, scale);
}

} // namespace kestrel
