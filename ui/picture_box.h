// SPDX-License-Identifier: MIT
// A plot of the window: paints its recorded surface as the exported picture is painted, carries
// the plot's static labels, and reports left clicks on the plot itself.
#pragma once

#include "plots/surfaces.h"

#include <QWidget>

namespace kestrel {

class PictureBox : public QWidget {
    Q_OBJECT

public:
    // Shows `surface`, which the window owns and draws into; repaints whenever it changes.
    PictureBox(SurfaceId id, Surface& surface, QWidget* parent);

    SurfaceId id() const { return id_; }
    // Places the labels and paints the picture at the zoom; the window sizes the box itself.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void addLabels();
    // A press or release on the plot itself, not on one of its labels (which have no handler).
    bool onPlot(const QMouseEvent& event) const;

    SurfaceId id_;
    Surface& surface_;
    Surface picture_; // the whole picture as painted: border and plot, no labels
    bool pictureStale_ = true;
    double zoom_ = 1;
    bool pressed_ = false;
};

} // namespace kestrel
