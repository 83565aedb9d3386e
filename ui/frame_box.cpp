// SPDX-License-Identifier: MIT
#include "ui/frame_box.h"

#include <QPainter>

namespace kestrel {

namespace {

// The caption starts this far from the frame's left edge, with this much room on each side.
constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;

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

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Etched: a dark line with a light line one pixel further in and down.
    const QRect box = borderRect().adjusted(0, 0, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.translated(1, 1));
    if (caption_.isEmpty()) {
        return;
    }
    const QRect text(kCaptionIndent, 0,
                     fontMetrics().horizontalAdvance(caption_) + 2 * kCaptionPadding,
                     fontMetrics().height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, caption_);
}

} // namespace kestrel
