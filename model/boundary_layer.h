// SPDX-License-Identifier: MIT
// The boundary layer on both sides of the profile: laminar from the front stagnation point,
// transition, turbulent to the trailing edge or to separation, and the profile drag.
#pragma once

#include "model/edge_speed.h"
#include "model/state.h"
#include "model/texts.h"
#include "model/transition.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// Units: chord c = 1, free-stream speed V_inf = 1, kinematic viscosity nu = 1 / Re with the
// Reynolds number Re = V_inf c / nu. The layer does not act back on the outer flow: the edge
// speed is the exact potential flow's, and CL and CM stay the inviscid values.
inline constexpr double kMinReynolds = 1e4;
inline constexpr double kMaxReynolds = 1e8;
inline constexpr double kDefaultReynolds = 1e6;
inline constexpr double kMinNcrit = 1;
inline constexpr double kMaxNcrit = 20;
// A side that separates at or behind this x/c still gives the drag, from the layer at
// separation.
inline constexpr double kLateSeparationX = 0.95;

struct BoundaryLayerOptions {
    double reynolds = kDefaultReynolds; // kMinReynolds to kMaxReynolds
    double ncrit = kDefaultNcrit;       // kMinNcrit to kMaxNcrit
    std::optional<double> tripUpper;    // forced transition at this x/c (0 to 1)
    std::optional<double> tripLower;
    double refinement = 1; // the edge-speed grid's refinement (see edgeSpeed)
};

enum class Regime : std::uint8_t { Laminar, Turbulent };
enum class TransitionCause : std::uint8_t { Amplification, LaminarSeparation, Trip };

// "laminar", "turbulent"; "amplification", "laminar_separation", "trip".
std::string_view regimeName(Regime regime);
std::string_view causeName(TransitionCause cause);

struct TransitionPoint {
    double s = 0;
    double x = 0;
    TransitionCause cause = TransitionCause::Amplification;
};

// One side, station by station in the direction of the flow, from the stagnation point to the
// trailing edge or to the separation point, whichever comes first. At transition two stations
// share s: the laminar layer's end and the turbulent layer's start (H = 1.4). Where the layer
// starts at a sharp edge with zero thickness (a zero-thickness profile at zero incidence) the
// edge itself, where the shear is unbounded, is left out and the first station lies just behind.
//   s           arc length from the stagnation point (chords)
//   x, y        the surface point (chords)
//   ue          edge speed (units of V_inf)
//   theta       momentum thickness (chords)
//   deltaStar   displacement thickness H theta (chords)
//   H           shape factor
//   Cf          skin friction on the free stream, tau_w / (rho V_inf^2 / 2)
//   N           amplification factor N~; it stays at its transition value downstream
//   regime      laminar or turbulent
struct BoundaryLayerSide {
    std::vector<double> s, x, y, ue, theta, deltaStar, H, Cf, N;
    std::vector<Regime> regime;

    double stagnationX = 0;
    std::optional<TransitionPoint> transition;
    // Where Thwaites' lambda falls below -0.09 (the layer then turns turbulent), or the sharp
    // edge where a laminar layer separates at once.
    std::optional<double> laminarSeparationX;
    // Where H of the turbulent layer reaches 2.4, or the sharp edge where a turbulent layer
    // separates at once.
    std::optional<double> turbulentSeparationX;
    // The flow turns round a singular leading edge on this side.
    bool sharpEdge = false;
    // Squire-Young's drag from the layer at the trailing edge, or at a separation at or behind
    // kLateSeparationX; none where the layer separates before.
    std::optional<double> CD;
    // The wall shear's part: the integral of Cf along the side, projected on the free stream,
    // to the trailing edge or the separation point.
    double CDfriction = 0;

    std::size_t size() const { return s.size(); }
    // N~ at point i while the layer is laminar; none where it is turbulent.
    std::optional<double> laminarN(std::size_t i) const {
        return regime[i] == Regime::Laminar ? std::optional(N[i]) : std::nullopt;
    }
    // Where the layer leaves the surface for good: turbulent separation or the sharp edge.
    std::optional<double> separationX() const;
    bool reachesTrailingEdge() const { return !separationX().has_value(); }
};

// Both sides of the profile at the state's angle of attack, with the drag where it exists: CD
// and CDfriction while both sides reach the trailing edge attached or separate at or behind
// kLateSeparationX; none otherwise. attached: both sides reach the trailing edge. note: one
// sentence saying so, or where the layer separates and what that means.
struct BoundaryLayer {
    double reynolds = 0;
    double ncrit = 0;
    BoundaryLayerSide upper;
    BoundaryLayerSide lower;
    std::optional<double> CD;
    std::optional<double> CDfriction;
    bool attached = false;
    std::string note;
};

// The note of a layer in the language of the texts given: that it reaches the trailing edge
// attached, or where it separates and what that means. BoundaryLayer::note is the table's own.
std::string layerNote(const BoundaryLayer& layer, const Texts& texts = kTableTexts);

// Needs a state on which computeProfile has succeeded and with its angle of attack set.
// Throws std::invalid_argument for options out of their ranges.
BoundaryLayer boundaryLayer(const State& s, const BoundaryLayerOptions& options = {});

// One side on given stations (stations[0] the stagnation point or a sharp edge met smoothly).
// nu = 1 / Re; trip: x/c of forced transition, acting once the side has passed its smallest x;
// alpha: the angle of attack in radians, the direction of the drag.
struct SideOptions {
    double nu = 1 / kDefaultReynolds;
    double ncrit = kDefaultNcrit;
    std::optional<double> trip;
    double alpha = 0;
};
BoundaryLayerSide boundaryLayerSide(const EdgeSide& edge, const SideOptions& options);

// The numbers of one angle of a drag polar: the inviscid CL and CM (about the state's xM), CD,
// CL / CD, and transition and separation x/c on both sides, each none where it does not exist.
struct PolarPoint {
    double alpha = 0; // degrees
    double CL = 0;
    double CM = 0;
    std::optional<double> CD;
    std::optional<double> LoverD;
    std::optional<double> xtrUpper;
    std::optional<double> xtrLower;
    std::optional<double> xsepUpper;
    std::optional<double> xsepLower;
};

// The angles of a polar in degrees: from, from + step, ... up to `to` (give or take a millionth
// of a step), each rounded to 1e-9 degrees so that decimal steps give decimal angles. The window's
// range is -10 to 10 in steps of 1. Throws std::invalid_argument unless from <= to, step > 0 and
// there are at most kMaxPolarAngles.
inline constexpr int kMaxPolarAngles = 1001;
std::vector<double> polarAngles(double from, double to, double step);

PolarPoint polarPoint(const State& s, double alfaDegrees, const BoundaryLayerOptions& options);
// The state's profile at each angle (degrees).
std::vector<PolarPoint> viscousPolar(const State& s, std::span<const double> angles,
                                     const BoundaryLayerOptions& options = {});

} // namespace kestrel
