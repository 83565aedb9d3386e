// SPDX-License-Identifier: MIT
#include "ui/picture_box.h"

#include "plots/labels.h"
#include "plots/painter.h"
#include "plots/picture.h"
#include "plots/zoom.h"
#include "ui/qt_text.h"
#include "ui/window_geometry.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace kestrel {

PictureBox::PictureBox(SurfaceId id, Surface& surface, QWidget* parent)
    : QWidget(parent), id_(id), surface_(surface) {
    const SurfaceDefinition& d = surfaceDefinition(id);
    setObjectName(qtText(d.name));
    setContentsMargins(kSurfaceBorder, kSurfaceBorder, kSurfaceBorder, kSurfaceBorder);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.setOnChange([this] {
        pictureStale_ = true;
        update();
    });
    addLabels();
}

namespace {

// A label's box in the box: inside the border, where the picture paints it, at the zoom.
QRect labelRect(const PlotLabel& label, double zoom) {
    const PixelBox box = visibleBox(label);
    return zoomedRect(QRect(box.left + kSurfaceBorder, box.top + kSurfaceBorder, box.width,
                            box.height),
                      zoom);
}

} // namespace

// The labels are controls of their own, placed inside the border exactly where the picture
// paints them, in the plot background.
void PictureBox::addLabels() {
    for (const PlotLabel& l : kPlotLabels) {
        if (l.surface != id_) {
            continue;
        }
        auto* label = new QLabel(qtText(l.text));
        label->setParent(this);
        label->setObjectName(qtText(l.name));
        label->setGeometry(labelRect(l, zoom_));
        label->setFont(textFont(l.font));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFocusPolicy(Qt::NoFocus);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, toQColor(surface_.background()));
        colours.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(colours);
        label->setAutoFillBackground(true);
    }
}

void PictureBox::setZoom(double zoom) {
    zoom_ = zoom;
    const int border = zoomedPixels(kSurfaceBorder, zoom);
    setContentsMargins(border, border, border, border);
    for (const PlotLabel& l : kPlotLabels) {
        if (l.surface == id_) {
            QWidget* label = findChild<QWidget*>(qtText(l.name));
            label->setGeometry(labelRect(l, zoom));
            label->setFont(zoomedFont(textFont(l.font), zoom));
        }
    }
    update();
}

// The picture's record is made again only after the surface has changed; it is painted over
// the whole box, its pens as much wider as the zoom.
void PictureBox::paintEvent(QPaintEvent*) {
    if (pictureStale_) {
        picture_ = plotPicture(surface_, id_, PictureLabels::LeftToWidgets);
        pictureStale_ = false;
    }
    QPainter painter(this);
    paintPictureRecordOver(painter, picture_, id_, QSizeF(size()), zoom_);
}

bool PictureBox::onPlot(const QMouseEvent& event) const {
    const QPoint at = event.position().toPoint();
    return rect().contains(at) && childAt(at) == nullptr;
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton && onPlot(*event);
    event->accept();
}

// A click is a press and a release of the left button on the plot.
void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && onPlot(*event);
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

} // namespace kestrel
