// SPDX-License-Identifier: MIT
// The potential flow about the current profile and its circle: the field at a point, the
// stagnation points, the streamlines and the pressure rasters, in both planes.
#pragma once

#include "model/circle_flow.h"
#include "model/state.h"

#include <complex>
#include <optional>
#include <vector>

namespace kestrel {

// Units, signs and the laws of the field are CircleFlow's (model/circle_flow.h). Profile plane:
// x/c and y/c as xProf, yProf; the free stream has speed V_inf = 1 at the angle of attack, so far
// away (u, v) = (cos alpha, sin alpha). Circle plane: xCirc, yCirc; there (u, v) are dW/dzeta,
// while the speed ratio and Cp of a circle-plane point are those of the circle's own flow against
// its own free stream 1 / Chord (about 1/4). psi is 0 on the body and on the dividing
// streamline and grows upwards (psi_y = u); the circulation is counted clockwise, CL = 2 Gamma.

// The field at one point. A point inside the profile (inside the circle) has inside = true and
// all numbers 0. On the singular leading edge of a zero-thickness profile (see
// Flow::singularLeadingEdge) the profile-plane speed is infinite: singular = true, u = v = 0 and,
// as on the window's surface there, the speed ratio is capped at 10 and Cp = -99.
struct FlowSample {
    bool inside = false;
    bool singular = false;
    std::complex<double> potential{};
    double psi = 0;
    double u = 0;
    double v = 0;
    double speedRatio = 0;
    double Cp = 0;
};

// A point of a streamline in both planes: circle plane (xc, yc) and its image (x, y).
struct FlowPoint {
    double xc = 0;
    double yc = 0;
    double x = 0;
    double y = 0;
};

// One polyline of one stream-function level, its points in the direction of the flow. level
// counts the levels from the dividing streamline (0) upwards (1..N) and downwards (-1..-N); a
// level that crosses the window several times gives several Streamlines with the same level.
struct Streamline {
    double psi = 0;
    int level = 0;
    bool dividing = false;
    std::vector<FlowPoint> points;
};

// An axis-parallel rectangle of one plane.
struct PlaneWindow {
    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
    double yMax = 0;
};

// The window widened about its middle to a box of the given width / height, so that both axes
// have one scale.
PlaneWindow widenedWindow(const PlaneWindow& window, double aspect);

// Cp at the centres of cols x rows equal cells of a window, row-major, row 0 at the top (yMax),
// column 0 at the left (xMin). Inside cells hold NaN; every other value is finite.
struct PressureRaster {
    PlaneWindow window;
    int cols = 0;
    int rows = 0;
    std::vector<double> Cp;
    std::vector<RasterCell> cells;

    double at(int col, int row) const { return Cp[index(col, row)]; }
    RasterCell cellAt(int col, int row) const { return cells[index(col, row)]; }
    std::size_t index(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) +
               static_cast<std::size_t>(col);
    }
};

// The flow of the window's current profile and angle of attack: uniform flow about the circle
// with the circulation of the Kutta condition, and its image about the profile. Built from a
// state on which computeProfile has succeeded; it keeps its own copy of what it needs.
class Flow {
public:
    static constexpr int kDefaultLevels = 10;
    static constexpr int kMinLevels = 1;
    static constexpr int kMaxLevels = 40;
    static constexpr int kMaxRasterSide = 8192;
    // The shapes (width / height) a plane may be shown in with one scale on both axes; a box
    // narrower or wider shows the plane at the nearest of these.
    static constexpr double kNarrowestView = 0.5;
    static constexpr double kWidestView = 4;

    // Throws std::invalid_argument when the state holds no profile.
    explicit Flow(const State& s);

    // The field at a profile-plane point, through the root of the inverse mapping outside the
    // circle; beyond CircleFlow::kFarField chords in the far-field form, finite at any distance
    // (the potential only where it lies within the range of a double). A point on a
    // zero-thickness profile lies on both of its surfaces; use profileAt with the circle point to
    // choose the side.
    FlowSample atProfile(double x, double y) const;
    // The profile-plane field at the image of the circle-plane point zeta.
    FlowSample profileAt(std::complex<double> zeta) const;
    // profileAt(zeta).speedRatio alone (0 inside the circle, the cap at a singular point),
    // without the potential and stream function that cost most of a sample.
    double profileSpeed(std::complex<double> zeta) const;
    // The circle's own flow at a circle-plane point.
    FlowSample atCircle(double xc, double yc) const;

    // The flow's laws: mapping, potential, velocities, pressure, stagnation points.
    const CircleFlow& circle() const { return circle_; }

    // The Joukowski mapping in the window's scaling, and its inverse choosing the root farther
    // from the circle's centre (outside the circle for every point outside the profile).
    std::complex<double> toProfile(std::complex<double> zeta) const {
        return circle_.toProfile(zeta);
    }
    std::complex<double> toCircle(std::complex<double> z) const { return circle_.toCircle(z); }
    // The point zeta + t (toProfile(zeta) - zeta): t = 0 the circle point, t = 1 its image.
    std::complex<double> mapAt(std::complex<double> zeta, double t) const;
    // Strictly inside the circle, beyond a margin of 1e-10 radii that keeps surface points out.
    bool insideCircle(std::complex<double> zeta) const { return circle_.insideCircle(zeta); }

    // The field's parts at a circle-plane point zeta outside the circle.
    std::complex<double> potential(std::complex<double> zeta) const {
        return circle_.potential(zeta);
    }
    double streamFunction(std::complex<double> zeta) const { return circle_.streamFunction(zeta); }
    // u + i v of the circle's flow at zeta.
    std::complex<double> circleVelocity(std::complex<double> zeta) const {
        return circle_.circleVelocity(zeta);
    }
    // u + i v of the profile's flow at the image of zeta; none on the singular leading edge.
    std::optional<std::complex<double>> profileVelocity(std::complex<double> zeta) const {
        return circle_.profileVelocity(zeta);
    }

    // Clockwise circulation in units of V_inf times the chord: CL = 2 Gamma.
    double circulation() const { return circle_.circulation(); }
    // Front stagnation point, and the rear one: the trailing edge, zeta = 1, (x, y) = (1, 0). At
    // the cusped trailing edge only the circle's flow stagnates; the profile's flow leaves it at
    // the finite speed cos(alpha + Beta) / Rc.
    const FlowPoint& frontStagnation() const { return front_; }
    const FlowPoint& rearStagnation() const { return rear_; }
    // The speed ratio at which the profile's flow leaves the trailing edge, |cos(alpha + Beta)| /
    // R: the surface law at the trailing edge.
    double trailingEdgeSpeed() const;
    // The leading edge of a zero-thickness profile, zeta = -1, where the flow goes round the edge
    // at infinite speed; none for a profile with thickness, and none at the angle at which the
    // flow leaves the edge smoothly (zero incidence).
    std::optional<FlowPoint> singularLeadingEdge() const { return singular_; }

    // The profile-plane window of the picture and the profile raster: x/c from -0.5 to 1.5, y/c
    // from -0.6 to 0.6. The circle window is the rectangle just holding the circle-plane image
    // of the profile window (half a percent to spare).
    const PlaneWindow& profileWindow() const { return profileWindow_; }
    const PlaneWindow& circleWindow() const { return circleWindow_; }
    // The profile-plane window the streamlines are traced in: the smallest rectangle holding
    // both windows widened to every shape from kNarrowestView to kWidestView (the circle window
    // through its profile-plane image), 5 % to spare on each side, so that every level runs
    // across any plane drawn at any stage of the mapping from edge to edge.
    const PlaneWindow& tracedWindow() const { return tracedWindow_; }

    // Spacing of the stream-function levels for N levels on each side: the profile window's half
    // height 0.6 over N + 1, so that in an undisturbed stream at zero incidence the levels divide
    // each half of the window evenly.
    static double levelSpacing(int levelsPerSide);
    // The two parts of the dividing streamline (traced window's edge to front stagnation point,
    // trailing edge to the edge), then the levels in rising order without 0, each level's
    // polylines together, each from the edge where the flow enters to the edge where it leaves:
    // the N requested levels on each side and, at the same spacing, every further level that
    // crosses the traced window, so that the lines fill any plane drawn. Throws
    // std::out_of_range for N outside kMinLevels..kMaxLevels.
    std::vector<Streamline> streamlines(int levelsPerSide = kDefaultLevels) const;

    // Cp rasters of the profile window (profile flow) and the circle window (circle flow). Throw
    // std::out_of_range for a side outside 1..kMaxRasterSide. For shading a live view, one cell
    // per 2 x 2 pixels, smoothed by the painter as it scales the raster up, is ample (240 x 180
    // cells for a 480 x 360 plane); the profile raster costs a complex square root per cell.
    PressureRaster profileRaster(int cols, int rows) const;
    PressureRaster circleRaster(int cols, int rows) const;

    // Cp alone at a circle-plane point, for shading: of the profile's flow at its image, and of
    // the circle's own flow. Cheaper than a FlowSample (no potential); `cell` says whether the
    // point is in the flow, inside the body (NaN) or the singular leading edge (the capped -99).
    double profileCp(std::complex<double> zeta, RasterCell& cell) const {
        return circle_.profileCp(zeta, cell);
    }
    double circleCp(std::complex<double> zeta, RasterCell& cell) const {
        return circle_.circleCp(zeta, cell);
    }

private:
    FlowSample sampleOf(std::complex<double> zeta, std::optional<std::complex<double>> velocity,
                        double freeStream) const;
    FlowPoint pointOf(std::complex<double> zeta) const;
    PlaneWindow imageOfProfileWindow() const;
    PlaneWindow windowToTrace() const;

    CircleFlow circle_;
    FlowPoint front_;
    FlowPoint rear_;
    std::optional<FlowPoint> singular_;
    PlaneWindow profileWindow_{-0.5, 1.5, -0.6, 0.6};
    PlaneWindow circleWindow_;
    PlaneWindow tracedWindow_;
};

} // namespace kestrel
