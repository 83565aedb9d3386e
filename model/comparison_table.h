// SPDX-License-Identifier: MIT
// The comparison table of the study views: the current and the kept state's inputs and numbers
// side by side with their difference, as rounded texts.
#pragma once

#include "model/comparison.h"
#include "model/texts.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

inline constexpr std::array<TextId, 3> kComparisonColumns = {TextId::ComparisonCurrentColumn,
                                                             TextId::ComparisonKeptColumn,
                                                             TextId::ComparisonDifferenceColumn};

// One state's side of the table: its inputs as the window holds them and its numbers (with the
// boundary layer's, for the rows of the layer).
struct ComparedState {
    double thickness = 0; // t/c
    double camber = 0;    // f/c
    double alpha = 0;     // degrees
    double xM = 0;        // x/c
    double mach = 0;      // M∞ read from the Mach text
    StateNumbers numbers;
};

// The boundary layer's options of the comparison: the layer's default Reynolds number and N_crit.
BoundaryLayerOptions comparisonLayerOptions();
// A state's numbers for the comparison, with the boundary layer's at comparisonLayerOptions.
StateNumbers comparisonNumbers(const State& s);

// The note under the table naming the boundary layer's Reynolds number and N_crit.
std::string comparisonLayerNote(const Texts& texts = kTableTexts);

// The side of a state after its chain: inputs from the state, M∞ from the chain's values.
ComparedState comparedState(const State& s, double mach, const StateNumbers& numbers);

// cells: current, kept and their difference, each rounded as the rule table rounds (inputs as
// they are, CL 4 decimals, CM 5, Cp_min and critical M 4, CD 5, L/D 1, transition x/c 3), "–"
// where a value is absent; without a current state (no profile yet) its cells and the differences
// are all "–". The rows of the boundary layer come only where the sides hold it.
struct ComparisonRow {
    std::string quantity;
    std::array<std::string, 3> cells;
};
// The quantities' names in the language of the texts given.
std::vector<ComparisonRow> comparisonTable(const ComparedState* current, const ComparedState& kept,
                                           const Texts& texts = kTableTexts);

} // namespace kestrel
