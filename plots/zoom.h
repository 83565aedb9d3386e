// SPDX-License-Identifier: MIT
// The windows' zoom: the steps that Zoom in and Zoom out go through, a length in logical pixels
// at a zoom, and the zoom factor read from a text.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kestrel {

// From the window as it is (1) to three times its size; Zoom in and Zoom out go from step to
// step, any factor in between is allowed.
inline constexpr std::array<double, 7> kZoomSteps{1, 1.25, 1.5, 1.75, 2, 2.5, 3};
inline constexpr double kSmallestZoom = kZoomSteps.front();
inline constexpr double kLargestZoom = kZoomSteps.back();

// The first step above the zoom, or the largest zoom.
double zoomedIn(double zoom);
// The last step below the zoom, or the smallest zoom.
double zoomedOut(double zoom);

// A position or length of logical pixels at the zoom, to the nearest whole pixel. A box is
// zoomed by its edges, so that boxes that meet at 1 still meet at any zoom.
int zoomedPixels(int pixels, double zoom);

// The factor of a text such as "2" or "1.5" ("." the point, nothing around it), if it is a zoom
// from the smallest to the largest.
std::optional<double> zoomFactor(std::string_view text);

} // namespace kestrel
