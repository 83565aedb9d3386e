#include "ui/picture_box.h"

#include "plots/colours.h"
#include "plots/painter.h"
#include "plots/picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace kestrel {

PictureBox::PictureBox(const QString& name, Colour foreground, QWidget* parent)
    : QFrame(parent), surface_(foreground, kPlotBackground) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kSurfaceBorder);
    setFocusPolicy(Qt::StrongFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(kPlotBackground));
    setPalette(colours);
    setAutoFillBackground(true);
    surface_.setOnChange([this] { update(); });
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    paintSurface(painter, surface_, QRectF(contentsRect()));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

// A click is a press and a release of the left button inside the surface.
void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QFrame::mouseReleaseEvent(event);
    if (click) {
        emit clicked();
    }
}

} // namespace kestrel
