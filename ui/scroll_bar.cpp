// SPDX-License-Identifier: MIT
#include "ui/scroll_bar.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <cstdlib>

namespace kestrel {

namespace {

// One notch of an ordinary mouse wheel, in eighths of a degree.
constexpr int kNotch = 120;

QAbstractSlider::SliderAction actionFor(int key) {
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        return QAbstractSlider::SliderSingleStepAdd;
    case Qt::Key_Left:
    case Qt::Key_Up:
        return QAbstractSlider::SliderSingleStepSub;
    case Qt::Key_PageDown:
        return QAbstractSlider::SliderPageStepAdd;
    case Qt::Key_PageUp:
        return QAbstractSlider::SliderPageStepSub;
    case Qt::Key_Home:
        return QAbstractSlider::SliderToMinimum;
    case Qt::Key_End:
        return QAbstractSlider::SliderToMaximum;
    default:
        return QAbstractSlider::SliderNoAction;
    }
}

} // namespace

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void ScrollBar::keyPressEvent(QKeyEvent* event) {
    const SliderAction action = actionFor(event->key());
    if (action == SliderNoAction) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void ScrollBar::wheelEvent(QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    int delta = std::abs(angle.y()) >= std::abs(angle.x()) ? angle.y() : angle.x();
    if (event->inverted()) {
        delta = -delta;
    }
    // Turning back before a notch is complete starts afresh.
    if ((delta > 0) != (wheelDelta_ > 0)) {
        wheelDelta_ = 0;
    }
    wheelDelta_ += delta;
    while (std::abs(wheelDelta_) >= kNotch) {
        const bool up = wheelDelta_ > 0;
        wheelDelta_ += up ? -kNotch : kNotch;
        triggerAction(up ? SliderSingleStepSub : SliderSingleStepAdd);
    }
    event->accept();
}

} // namespace kestrel
