// SPDX-License-Identifier: MIT
// The flow picture: each plane (pressure shading, streamlines, body, stagnation points, axes) at
// any stage of the mapping from the circle to the profile, and the whole picture as one record:
// both planes framed side by side and the Cp legend.
#pragma once

#include "model/texts.h"
#include "plots/flow_layout.h"
#include "plots/flow_mesh.h"
#include "plots/flow_particles.h"

namespace kestrel {

// The picture's ground and the frame drawn round each plane.
inline constexpr Colour kFlowBackground = rgb(255, 255, 255);
inline constexpr Colour kFlowFrameColour = rgb(96, 96, 96);

// Draws the plane at mapping stage t (0 the circle plane, 1 the profile plane) for a box of
// box.width x box.height logical pixels shown at `ratio` device pixels to the logical pixel: the
// Cp shading as an image of the box's device pixels (shadePlane), streamlines (the dividing one
// wider), the body, the stagnation points and the singular leading edge, ticks and axis titles.
// Clears the surface first; its user coordinates are the plane's window (flowView).
// The plane's title in the language of `texts`.
void drawFlowPlane(Surface& surface, const FlowPicture& picture, double t, const PixelBox& box,
                   double ratio = 1, const Texts& texts = kTableTexts);

// The whole picture of width x height logical pixels from its parts, as one record in logical
// pixels (0, 0 at the top left): the white ground, the left and right planes each in its box of
// flowLayout with its frame, and the legend. Clears the record first.
void composeFlowPicture(Surface& record, const Surface& left, const Surface& right,
                        const Surface& legend, int width, int height);

// The parts drawn and composed: the left plane at stage t, the profile plane, the legend.
void recordFlowPicture(Surface& record, const FlowPicture& picture, double t, int width, int height,
                       double ratio = 1, const Texts& texts = kTableTexts);

} // namespace kestrel
