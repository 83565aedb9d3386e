// SPDX-License-Identifier: MIT
// The window's horizontal scroll bar: keys step the way they point, one wheel notch is one small
// change, and there is no context menu.
#pragma once

#include <QScrollBar>

namespace kestrel {

// Right and Down take one small change up, Left and Up one down, Page Down and Page Up one large
// change, Home and End go to the ends (a plain QScrollBar inverts its key controls for the mouse
// wheel's sake). One wheel notch, or the same amount gathered from a finer wheel, is one small
// change and one change notification: down or right to larger values. A right click does
// nothing: the toolkit's menu would set any position, an even point count among them.
class ScrollBar : public QScrollBar {
public:
    explicit ScrollBar(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int wheelDelta_ = 0; // eighths of a degree not yet turned into a change
};

} // namespace kestrel
