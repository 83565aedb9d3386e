// SPDX-License-Identifier: MIT
// The flow picture: the pressure shading, streamlines, body and stagnation points of one plane
// drawn on a surface at any stage of the mapping from the circle to the profile, the Cp legend,
// and the layout of the whole picture with both planes side by side.
#pragma once

#include "model/flow.h"
#include "model/particles.h"
#include "model/probe.h"
#include "plots/labels.h"
#include "plots/surface.h"

#include <complex>
#include <optional>
#include <vector>

namespace kestrel {

// A point of the circle plane and its image in the profile plane: at mapping stage t it is
// drawn at zeta + t (z - zeta), exactly zeta at t = 0 and exactly z at t = 1.
struct MorphPoint {
    std::complex<double> zeta;
    std::complex<double> z;

    std::complex<double> at(double t) const;
};

// Everything the picture needs that is costly to compute, made once per state: the flow, its
// streamlines, the body outline and a polar mesh about the circle carrying the pressure of both
// flows. Drawing it at another stage or size only maps and colours these.
class FlowPicture {
public:
    // Throws std::invalid_argument when the state holds no profile and std::out_of_range for a
    // level count outside Flow::kMinLevels..kMaxLevels.
    explicit FlowPicture(const State& s, int levelsPerSide = Flow::kDefaultLevels);

    const Flow& flow() const { return flow_; }
    const std::vector<Streamline>& streamlines() const { return streamlines_; }
    // The circle and its image, closed (the last point repeats the first).
    const std::vector<MorphPoint>& body() const { return body_; }

    // The mesh: rings + 1 circles of nodes about the circle's centre, the first on the circle,
    // `sectors` nodes on each; cell (ring, sector) lies between nodes (ring, sector) and
    // (ring + 1, sector + 1). Each cell holds Cp at its middle in the circle's own flow and in the
    // profile's flow.
    int rings() const { return rings_; }
    int sectors() const { return sectors_; }
    const MorphPoint& node(int ring, int sector) const;
    float circleCp(int ring, int sector) const { return circleCp_[cell(ring, sector)]; }
    float profileCp(int ring, int sector) const { return profileCp_[cell(ring, sector)]; }

private:
    std::size_t cell(int ring, int sector) const;

    Flow flow_;
    std::vector<Streamline> streamlines_;
    std::vector<MorphPoint> body_;
    int rings_ = 0;
    int sectors_ = 0;
    std::vector<MorphPoint> nodes_;
    std::vector<float> circleCp_;
    std::vector<float> profileCp_;
};

// The user window of a plane shown at stage t in a box of the given width / height: the circle
// window (t = 0) or the profile window (t = 1) of the flow, in between their linear blend,
// widened about its middle to the box's shape so that both axes have one scale.
PlaneWindow flowView(const Flow& flow, double t, double aspect);

// Draws the plane at mapping stage t (0 the circle plane, 1 the profile plane) for a box of the
// given aspect ratio: Cp shading, streamlines (the dividing one wider), the body, the stagnation
// points and the singular leading edge, ticks and axis titles. Clears the surface first.
void drawFlowPlane(Surface& surface, const FlowPicture& picture, double t, double aspect);

// Draws the Cp colour bar with its ticks and title. Clears the surface first.
void drawCpLegend(Surface& surface);

// Where the parts of a whole flow picture of width x height logical pixels go: the plane at the
// mapping stage on the left, the profile plane in the middle and the Cp legend on the right.
struct FlowLayout {
    PixelBox left;
    PixelBox right;
    PixelBox legend;
};
FlowLayout flowLayout(int width, int height);

// The aspect ratio (width / height) of a box; 1 for an empty one.
double aspectOf(const PixelBox& box);

// Whether a point of the picture lies in the box, its edges included.
bool boxContains(const PixelBox& box, double x, double y);

// The map between a plane's user coordinates and its box in the picture: the plane at stage t
// as drawFlowPlane records it, stretched over the box.
ScaleMap flowPlaneMap(const Flow& flow, const PixelBox& box, double t);

// What the probe reads at point (x, y) of a width x height picture whose left plane is at stage
// t: the plane it lies in and the reading there; nothing off both planes.
struct PictureProbe {
    bool leftPlane = false;
    ProbeReading reading;
};
std::optional<PictureProbe> probePicture(const FlowPicture& picture, double x, double y, double t,
                                         int width, int height);

// The particle animation over the picture: particles start one unit of travel time (a chord at
// free-stream speed) divided by 4 apart along each streamline, their travel time runs at 0.35
// chords per second of the animation, and each is a white dot of 5 logical pixels with a dark
// ring.
inline constexpr double kParticleSpacing = 0.25;
inline constexpr double kParticleChordsPerSecond = 0.35;
inline constexpr double kParticleDotSize = 5;
inline constexpr Colour kParticleRing = rgb(20, 20, 20);

// Where the particles of `tracks` at travel time `time` are drawn in a width x height picture
// whose left plane is at stage t: each particle once in each plane, kept only inside its box.
struct PicturePoint {
    double x = 0, y = 0;
};
std::vector<PicturePoint> particleDots(const FlowPicture& picture, const ParticleTracks& tracks,
                                       double time, double t, int width, int height);

} // namespace kestrel
