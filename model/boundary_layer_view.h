// SPDX-License-Identifier: MIT
// What the study views show of the boundary layer: the Reynolds number's logarithmic slider, the
// layer at the current angle with the drag polar over the window's angles, and the small table
// of its drag, transition and separation as texts.
#pragma once

#include "model/boundary_layer.h"
#include "model/state.h"
#include "model/texts.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// The Reynolds number's slider: positions 0 to kReynoldsSteps, kReynoldsStepsPerDecade to a
// factor of ten, Re = 10^(4 + position / kReynoldsStepsPerDecade) from kMinReynolds to
// kMaxReynolds.
inline constexpr int kReynoldsStepsPerDecade = 20;
inline constexpr int kReynoldsSteps = 4 * kReynoldsStepsPerDecade;
double reynoldsAtPosition(int position);
// The nearest position of a Reynolds number (clamped to the slider's ends).
int reynoldsPosition(double reynolds);
// "1.0 × 10⁶", "3.2 × 10⁵": the number with two significant digits.
std::string reynoldsText(double reynolds);

// The N_crit box: its step and decimals.
inline constexpr double kNcritStep = 0.5;
inline constexpr int kNcritDecimals = 1;

// The layer at the state's angle and the polar over the window's angles of attack (-10 to 10 in
// whole degrees), both at the same options.
struct BoundaryLayerView {
    double alpha = 0; // the state's angle, degrees
    double CL = 0;    // the inviscid CL at it
    BoundaryLayer layer;
    std::vector<PolarPoint> polar;
};

// Needs a state on which the window's chain has computed a profile and an angle.
BoundaryLayerView boundaryLayerView(const State& s, const BoundaryLayerOptions& options);
// The window's angles of attack in degrees, as the polar takes them.
std::vector<double> windowAngles();

// The table beside the polar: rows CD, CD_friction, L/D, transition, separation; columns the
// value and x/c on the upper and the lower side. CD to 5 decimals, L/D to 1, x/c to 3; "–" where
// a value does not exist, "" where a cell has no meaning.
inline constexpr int kLayerTableRows = 5;
inline constexpr int kLayerTableColumns = 3;
inline constexpr std::array<TextId, kLayerTableRows> kLayerTableRowNames = {
    TextId::LayerTableDrag, TextId::LayerTableFriction, TextId::LayerTableLiftOverDrag,
    TextId::LayerTableTransition, TextId::LayerTableSeparation};
inline constexpr std::array<TextId, kLayerTableColumns> kLayerTableColumnNames = {
    TextId::LayerTableValue, TextId::LayerTableUpper, TextId::LayerTableLower};
struct LayerTable {
    std::array<std::array<std::string, kLayerTableColumns>, kLayerTableRows> cells;
    std::string note;
};
LayerTable layerTable(const BoundaryLayerView& view, const Texts& texts = kTableTexts);
// The table before there is a profile: dashes and the warning that there is none.
LayerTable emptyLayerTable(const Texts& texts = kTableTexts);

} // namespace kestrel
