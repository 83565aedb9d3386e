// SPDX-License-Identifier: MIT
#include "ui/picture_box.h"

#include "plots/labels.h"
#include "plots/painter.h"
#include "plots/picture.h"
#include "ui/qt_text.h"

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

// The labels are controls of their own, placed inside the border exactly where the picture
// paints them, in the plot background.
void PictureBox::addLabels() {
    const QPoint inside = contentsRect().topLeft();
    for (const PlotLabel& l : kPlotLabels) {
        if (l.surface != id_) {
            continue;
        }
        auto* label = new QLabel(qtText(l.text));
        label->setParent(this);
        label->setObjectName(qtText(l.name));
        const PixelBox box = visibleBox(l);
        label->setGeometry(QRect(box.left, box.top, box.width, box.height).translated(inside));
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

// The picture's record is made again only after the surface has changed.
void PictureBox::paintEvent(QPaintEvent*) {
    if (pictureStale_) {
        picture_ = plotPicture(surface_, id_, PictureLabels::LeftToWidgets);
        pictureStale_ = false;
    }
    QPainter painter(this);
    paintPictureRecord(painter, picture_, id_, 1);
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
