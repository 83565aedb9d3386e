// SPDX-License-Identifier: MIT
#include "plots/flow_particles.h"

#include "plots/flow_layout.h"

namespace kestrel {

std::vector<PicturePoint> particleDots(const FlowPicture& picture, const ParticleTracks& tracks,
                                       double time, double t, int width, int height) {
    const FlowLayout layout = flowLayout(width, height);
    const ScaleMap left = flowPlaneMap(picture.flow(), layout.left, t);
    const ScaleMap right = flowPlaneMap(picture.flow(), layout.right, 1);
    std::vector<PicturePoint> dots;
    const auto dot = [&dots](const PixelBox& box, double x, double y) {
        if (boxContains(box, x, y)) {
            dots.push_back({x, y});
        }
    };
    for (const FlowPoint& p : tracks.at(time)) {
        const std::complex<double> at = MorphPoint{{p.xc, p.yc}, {p.x, p.y}}.at(t);
        dot(layout.left, left.x(at.real()), left.y(at.imag()));
        dot(layout.right, right.x(p.x), right.y(p.y));
    }
    return dots;
}

void recordParticles(Surface& surface, const std::vector<PicturePoint>& dots, int width,
                     int height) {
    surface.Cls();
    surface.Scale(0, 0, width, height);
    for (const PicturePoint& p : dots) {
        surface.Marker(p.x, p.y, kParticleDotSize + 1, kParticleRing);
        surface.Marker(p.x, p.y, kParticleDotSize - 1, kParticleFill);
    }
}

} // namespace kestrel
