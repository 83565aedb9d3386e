// SPDX-License-Identifier: MIT
#include "plots/zoom.h"

#include "model/decimal.h"

#include <cmath>

namespace kestrel {

double zoomedIn(double zoom) {
    for (const double step : kZoomSteps) {
        if (step > zoom) {
            return step;
        }
    }
    return kLargestZoom;
}

double zoomedOut(double zoom) {
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step) {
        if (*step < zoom) {
            return *step;
        }
    }
    return kSmallestZoom;
}

int zoomedPixels(int pixels, double zoom) {
    return static_cast<int>(std::lround(pixels * zoom));
}

std::optional<double> zoomFactor(std::string_view text) {
    double zoom = 0;
    if (decimalOf(text, zoom) && zoom >= kSmallestZoom && zoom <= kLargestZoom) {
        return zoom;
    }
    return std::nullopt;
}

} // namespace kestrel
