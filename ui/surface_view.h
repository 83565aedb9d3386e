// SPDX-License-Identifier: MIT
// A widget that shows one recorded surface stretched over its whole area, on a white ground, at
// the windows' zoom; for the study window's chart.
#pragma once

#include "plots/surface.h"

#include <QWidget>

namespace kestrel {

class SurfaceView : public QWidget {
    Q_OBJECT

public:
    explicit SurfaceView(QWidget* parent = nullptr);

    // Draw into this surface; the view repaints whenever it changes.
    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    // Paints the surface at the zoom: its texts, dots and pens that many times larger, and its
    // smallest size with them.
    void setZoom(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Surface surface_;
    double zoom_ = 1;
    QSize actualMinimum_; // the smallest size at the actual size
};

} // namespace kestrel
