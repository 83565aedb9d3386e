// SPDX-License-Identifier: MIT
// The documents of kestrel-calc profile, mach, flow, viscous and polar, written by one set of
// functions for the tool and the browser module alike, so that the same state gives the same bytes.
#pragma once

#include "model/boundary_layer.h"
#include "model/chain.h"
#include "model/comparison.h"
#include "model/compressibility.h"
#include "model/flow.h"
#include "model/supersonic.h"
#include "model/theory.h"
#include "report/json_writer.h"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace kestrel {

// Documents are indented by two spaces and end with a line feed.
inline constexpr int kDocumentIndent = 2;

// The window's numbers after a chain: inputs, row, profile, points 1 to nP, curves, and the
// current values with the result boxes' texts ("." as the separator) and the compressible
// markers' values where the plots draw them.
std::string profileDocument(const State& s, const ChainValues& values);

// The compressibility numbers at the Mach number the chain read: inputs, row, incompressible,
// critical_pressure, rules (each with its supersonic stretches of the surface).
std::string machDocument(const State& s, const ChainValues& values,
                         const CompressibleSurface& surface, const SonicSurface& sonic);

// Thin-airfoil theory beside the exact values: inputs, row, exact, thin (alpha_zero_lift in
// degrees, lift_slope per radian, CM_quarter_chord), load.
std::string theoryDocument(const State& s, const ChainValues& values,
                           const TheoryComparison& theory);

// One state's numbers for setting two side by side, each named by the keys of the document that
// holds it joined with "." ("critical_mach.laitone"): inputs, row, CL, CM, Cp_min,
// critical_mach, theory and, where the numbers hold them, boundary_layer (reynolds, ncrit, CD,
// L_over_D, xtr_upper, xtr_lower, xsep_upper, xsep_lower; null where there is none).
struct NamedValue {
    std::string name;
    std::optional<double> value;
};
std::vector<NamedValue> comparedValues(const State& s, const ChainValues& values,
                                       const StateNumbers& numbers);

// Two states' named values as {"a": {...}, "b": {...}}, nested by their names.
std::string compareDocument(const std::vector<NamedValue>& a, const std::vector<NamedValue>& b);

// The flow about the state's profile: inputs, row, circulation, stagnation,
// singular_leading_edge, windows, streamlines (`lines` on each side of the dividing one), probes.
std::string flowDocument(const State& s, const ChainValues& values, const Flow& flow, int lines,
                         const std::vector<std::pair<double, double>>& probes);

// The field at a point as the flow document's probes give it: x, y, inside, singular, psi, phi,
// u, v, speed_ratio, Cp (numbers null inside the profile, speeds null on a singular edge).
void flowProbe(JsonWriter& json, const FlowSample& sample, double x, double y);

// The boundary layer of the state's profile and angle: inputs (with the trips), row, reynolds,
// ncrit, CL, CM, CD, CD_friction, L_over_D, attached, note, and upper and lower, each with
// stagnation_x, transition, the separations and its points.
std::string viscousDocument(const State& s, const ChainValues& values,
                            const BoundaryLayerOptions& options, const BoundaryLayer& layer);

// The angles of a polar as given: first, last and step, in degrees.
struct PolarRange {
    double from = 0;
    double to = 0;
    double step = 0;
};

// A drag polar of the state's profile: inputs (with the range), row, reynolds, ncrit, and polar,
// one object per angle with the keys of polarCsv's columns.
std::string polarDocument(const State& s, const ChainValues& values,
                          const BoundaryLayerOptions& options, const PolarRange& range,
                          std::span<const PolarPoint> polar);

} // namespace kestrel
