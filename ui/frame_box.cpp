// SPDX-License-Identifier: MIT
#include "ui/frame_box.h"

#include "plots/zoom.h"

#include <QPainter>
#include <algorithm>

namespace kestrel {

namespace {

// The caption starts this far from the frame's left edge, with this much room on each side.
constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;

// A frame of lines `width` pixels wide just inside the rectangle.
void fillFrame(QPainter& painter, const QRect& box, int width, const QColor& colour) {
    painter.fillRect(box.x(), box.y(), box.width(), width, colour);
    painter.fillRect(box.x(), box.bottom() + 1 - width, box.width(), width, colour);
    painter.fillRect(box.x(), box.y(), width, box.height(), colour);
    painter.fillRect(box.right() + 1 - width, box.y(), width, box.height(), colour);
}

} // namespace

FrameBox::FrameBox(const QString& caption, QWidget* parent) : QFrame(parent), caption_(caption) {
    setFocusPolicy(Qt::NoFocus);
}

void FrameBox::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

QRect FrameBox::borderRect() const {
    const int top = caption_.isEmpty() ? 0 : fontMetrics().height() / 2;
    return rect().adjusted(0, top, 0, 0);
}

void FrameBox::setZoom(double zoom) {
    zoom_ = zoom;
    update();
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Etched: a dark line with a light line one line further in and down.
    const int line = std::max(1, zoomedPixels(1, zoom_));
    const QRect box = borderRect().adjusted(0, 0, -line, -line);
    fillFrame(painter, box, line, palette().color(QPalette::Dark));
    fillFrame(painter, box.translated(line, line), line, palette().color(QPalette::Light));
    if (caption_.isEmpty()) {
        return;
    }
    const int padding = zoomedPixels(kCaptionPadding, zoom_);
    const QRect text(zoomedPixels(kCaptionIndent, zoom_), 0,
                     fontMetrics().horizontalAdvance(caption_) + 2 * padding,
                     fontMetrics().height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, caption_);
}

} // namespace kestrel
