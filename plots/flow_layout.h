// SPDX-License-Identifier: MIT
// The layout of the flow picture: the user window of a plane at any stage of the mapping, where
// the two planes and the Cp legend sit in the picture, the legend itself, and which plane and
// fluid point lie under a point of the picture.
#pragma once

#include "model/flow.h"
#include "model/probe.h"
#include "model/texts.h"
#include "plots/labels.h"
#include "plots/surface.h"

#include <optional>

namespace kestrel {

// The user window of a plane shown at stage t in a box of the given width / height: the circle
// window (t = 0) or the profile window (t = 1) of the flow, in between their linear blend,
// widened about its middle to the box's shape (a box narrower or wider than Flow's kNarrowestView
// to kWidestView shows the nearest of those shapes, stretched).
PlaneWindow flowView(const Flow& flow, double t, double aspect);

// Where the parts of a whole flow picture of width x height logical pixels go: the plane at the
// mapping stage on the left, the profile plane in the middle and the Cp legend on the right,
// kFlowGap pixels apart and from the edges, the legend kFlowLegendWidth wide; under them the
// key of the marks, kFlowKeyHeight high.
inline constexpr int kFlowGap = 4;
inline constexpr int kFlowLegendWidth = 72;
inline constexpr int kFlowKeyHeight = 16;
struct FlowLayout {
    PixelBox left;
    PixelBox right;
    PixelBox legend;
    PixelBox key;
};
FlowLayout flowLayout(int width, int height);

// The aspect ratio (width / height) of a box; 1 for an empty one.
double aspectOf(const PixelBox& box);

// Whether a point of the picture lies in the box, its edges included.
bool boxContains(const PixelBox& box, double x, double y);

// The map between a plane's user coordinates and its box in the picture: the plane at stage t
// as drawFlowPlane records it, stretched over the box.
ScaleMap flowPlaneMap(const Flow& flow, const PixelBox& box, double t);

// Draws the Cp colour bar: a diverging scale, each half linear with its own ticks and named
// (pressure above Cp = 0, suction below), an arrow at the suction end for the values beyond
// kCpMin, and the smallest Cp of the profile plane and of the circle plane written under it.
// Clears the surface first.
void drawCpLegend(Surface& surface, double profileMinimum, double circleMinimum,
                  const Texts& texts = kTableTexts);

// What the probe reads at point (x, y) of a width x height picture whose left plane is at stage
// t: the plane it lies in and the reading there; nothing off both planes.
struct PictureProbe {
    bool leftPlane = false;
    ProbeReading reading;
};
std::optional<PictureProbe> probePicture(const Flow& flow, double x, double y, double t, int width,
                                         int height);

} // namespace kestrel
