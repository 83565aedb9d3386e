// SPDX-License-Identifier: MIT
// The flow picture's data for one state: the flow, its streamlines, the body and a polar mesh
// about the circle carrying the pressure of both flows; and the pressure shading of a plane at
// any stage of the mapping, filled from the mesh into an image of device pixels.
#pragma once

#include "model/flow.h"
#include "plots/surface.h"

#include <complex>
#include <vector>

namespace kestrel {

// A point of the circle plane and its image in the profile plane: at mapping stage t it is
// drawn at zeta + t (z - zeta), exactly zeta at t = 0 and exactly z at t = 1.
struct MorphPoint {
    std::complex<double> zeta;
    std::complex<double> z;

    std::complex<double> at(double t) const;
};

// The circle of the state's flow and its image, the profile, closed (the last point repeats the
// first), starting at the trailing edge.
std::vector<MorphPoint> bodyOutline(const State& s, const Flow& flow);

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

    // The smallest Cp of each plane, found on the body: of the profile's flow (minus infinity
    // round a singular leading edge) and of the circle's own flow.
    double profileMinimum() const { return profileMinimum_; }
    double circleMinimum() const { return circleMinimum_; }

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
    double profileMinimum_ = 0;
    double circleMinimum_ = 0;
};

// The pressure shading of the plane at stage t shown in the user window `view` (y up), as an
// image of width x height device pixels: each pixel in the band colour of the mesh cell its
// centre lies in, the free-stream colour (Cp = 0) where the mesh does not reach (no
// antialiasing, so neighbouring cells meet without seams). Only the edges between cells in
// different bands are scanned, row by row, so the work grows with the band boundaries a row
// crosses rather than with the cells. Keeps the image's storage.
void shadePlane(RasterImage& image, const FlowPicture& picture, double t, const PlaneWindow& view,
                int width, int height);

} // namespace kestrel
