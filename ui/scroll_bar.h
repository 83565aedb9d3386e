#pragma once

#include <QKeyEvent>
#include <QScrollBar>

namespace kestrel {

// A horizontal scroll bar whose keys step the way they point: Right and Down one arrow step
// up, Left and Up one arrow step down, Page Down and Page Up one track step, Home and End to the
// ends. (A plain QScrollBar inverts its key controls for the mouse wheel's sake.)
class ScrollBar : public QScrollBar {
public:
    explicit ScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const SliderAction action = actionFor(event->key());
        if (action == SliderNoAction) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        triggerAction(action);
        event->accept();
    }

private:
    static SliderAction actionFor(int key) {
        switch (key) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            return SliderSingleStepAdd;
        case Qt::Key_Left:
        case Qt::Key_Up:
            return SliderSingleStepSub;
        case Qt::Key_PageDown:
            return SliderPageStepAdd;
        case Qt::Key_PageUp:
            return SliderPageStepSub;
        case Qt::Key_Home:
            return SliderToMinimum;
        case Qt::Key_End:
            return SliderToMaximum;
        default:
            return SliderNoAction;
        }
    }
};

} // namespace kestrel
