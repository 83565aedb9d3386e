// SPDX-License-Identifier: MIT
#include "plots/labels.h"

#include <algorithm>

namespace kestrel {

PixelBox drawingArea(SurfaceId id) {
    const SurfaceDefinition& d = surfaceDefinition(id);
    return {0, 0, d.width - 2 * kSurfaceBorder, d.height - 2 * kSurfaceBorder};
}

PixelBox visibleBox(const PlotLabel& label) {
    const PixelBox area = drawingArea(label.surface);
    const PixelBox& b = label.box;
    const int right = std::min(b.left + b.width, area.width);
    const int bottom = std::min(b.top + b.height, area.height);
    return {b.left, b.top, std::max(0, right - b.left), std::max(0, bottom - b.top)};
}

} // namespace kestrel
