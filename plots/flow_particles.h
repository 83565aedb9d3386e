// SPDX-License-Identifier: MIT
// The particles of the flow picture: where the fluid particles of the animation are drawn in
// both planes, and their dots as a record over the picture.
#pragma once

#include "model/particles.h"
#include "plots/flow_mesh.h"

#include <vector>

namespace kestrel {

// The particle animation over the picture: particles start one unit of travel time (a chord at
// free-stream speed) divided by 4 apart along each streamline, their travel time runs at 0.35
// chords per second of the animation, and each is a white dot of 5 logical pixels with a dark
// ring one pixel wide.
inline constexpr double kParticleSpacing = 0.25;
inline constexpr double kParticleChordsPerSecond = 0.35;
inline constexpr double kParticleDotSize = 5;
inline constexpr Colour kParticleRing = rgb(20, 20, 20);
inline constexpr Colour kParticleFill = rgb(255, 255, 255);

// Where the particles of `tracks` at travel time `time` are drawn in a width x height picture
// whose left plane is at stage t: each particle once in each plane, kept only inside its box.
struct PicturePoint {
    double x = 0, y = 0;
};
std::vector<PicturePoint> particleDots(const FlowPicture& picture, const ParticleTracks& tracks,
                                       double time, double t, int width, int height);

// The dots as a record in the picture's logical pixels (0, 0 at the top left): for each, the
// ring as a dark marker one pixel wider than the dot all round, and the white dot inside it.
// Clears the surface first.
void recordParticles(Surface& surface, const std::vector<PicturePoint>& dots, int width,
                     int height);

} // namespace kestrel
