// SPDX-License-Identifier: MIT
#include "ui/surface_view.h"

#include "plots/painter.h"

#include <QPainter>

namespace kestrel {

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent), surface_(0, rgb(255, 255, 255)) {
    surface_.setOnChange([this] { update(); });
}

void SurfaceView::setZoom(double zoom) {
    if (zoom_ == 1) {
        actualMinimum_ = minimumSize();
    }
    zoom_ = zoom;
    setMinimumSize((QSizeF(actualMinimum_) * zoom).toSize());
    update();
}

void SurfaceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(surface_.background()));
    painter.scale(zoom_, zoom_);
    paintSurface(painter, surface_, QRectF(QPointF(0, 0), QSizeF(size()) / zoom_), zoom_);
}

} // namespace kestrel
