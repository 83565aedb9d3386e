// SPDX-License-Identifier: MIT
// A classic etched frame: the box fills the frame's whole rectangle and the caption sits on its
// top border line, interrupting it.
#pragma once

#include <QFrame>
#include <QString>

namespace kestrel {

class FrameBox : public QFrame {
public:
    FrameBox(const QString& caption, QWidget* parent);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    // Etches its lines and places its caption at the zoom; the caption's font is the window's.
    void setZoom(double zoom);
    // The etched box: the whole rectangle, its top line lowered to the middle of the caption.
    QRect borderRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    double zoom_ = 1;
};

} // namespace kestrel
