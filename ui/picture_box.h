#pragma once

#include "plots/surface.h"

#include <QFrame>

namespace kestrel {

// A drawing surface of the window: a sunken frame in the plot background colour that paints
// the recorded lines and circles of its Surface on every paint event and reports clicks.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    PictureBox(const QString& name, Colour foreground, QWidget* parent);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Surface surface_;
    bool pressed_ = false;
};

} // namespace kestrel
