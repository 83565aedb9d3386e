// SPDX-License-Identifier: MIT
// The flow picture: each plane (pressure shading, streamlines, body, stagnation points, axes) at
// any stage of the mapping from the circle to the profile, and the whole picture as one record:
// both planes framed side by side and the Cp legend.
#pragma once

#include "model/texts.h"
#include "plots/flow_layout.h"
#include "plots/flow_mesh.h"
#include "plots/flow_particles.h"
#include "plots/ghost.h"

namespace kestrel {

// The picture's ground and the frame drawn round each plane.
inline constexpr Colour kFlowBackground = rgb(255, 255, 255);
inline constexpr Colour kFlowFrameColour = rgb(96, 96, 96);

// Draws the plane at mapping stage t (0 the circle plane, 1 the profile plane) for a box of
// box.width x box.height logical pixels shown at `ratio` device pixels to the logical pixel: the
// Cp shading as an image of the box's device pixels (shadePlane), streamlines (the dividing one
// wider) cut to the plane, the body, the singular leading edge, the stagnation points on top and
// the trailing edge's own mark (from stage 0.5 on), ticks and axis titles on an opaque ground.
// Clears the surface first; its user coordinates are the plane's window (flowView). With a kept
// profile, its body at the same stage is outlined faintly over the current one, with its label.
// The plane's title in the language of `texts`.
void drawFlowPlane(Surface& surface, const FlowPicture& picture, double t, const PixelBox& box,
                   double ratio = 1, const Ghost* kept = nullptr, const Texts& texts = kTableTexts);

// The kept profile's body outline, bodyOutline of its flow, computed once per kept profile.
const std::vector<MorphPoint>& keptBody(const Ghost& kept);

// The key of the marks for a box of width x height logical pixels, in its pixels: the
// stagnation point, the trailing edge with the speed at which the flow leaves it, and the sharp
// leading edge where there is one, in the language of `texts`. Clears the surface first.
void drawFlowKey(Surface& surface, const Flow& flow, int width, int height,
                 const Texts& texts = kTableTexts);

// The whole picture of width x height logical pixels from its parts, as one record in logical
// pixels (0, 0 at the top left): the white ground, the left and right planes each in its box of
// flowLayout with its frame, the legend and the key. Clears the record first.
void composeFlowPicture(Surface& record, const Surface& left, const Surface& right,
                        const Surface& legend, const Surface& key, int width, int height);

// The parts drawn and composed: the left plane at stage t, the profile plane, the legend; both
// planes with the kept profile's ghost where there is one.
void recordFlowPicture(Surface& record, const FlowPicture& picture, double t, int width, int height,
                       double ratio = 1, const Ghost* kept = nullptr,
                       const Texts& texts = kTableTexts);

} // namespace kestrel
