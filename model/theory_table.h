// SPDX-License-Identifier: MIT
// The Theory tab's table: the angle of zero lift, the lift slope and the moment about the
// quarter chord, exact and by thin-airfoil theory, and their differences, as rounded texts.
#pragma once

#include "model/state.h"
#include "model/texts.h"
#include "model/theory.h"

#include <array>
#include <string>

namespace kestrel {

inline constexpr std::array<TextId, 3> kTheoryTableRows = {
    TextId::TheoryZeroLiftRow, TextId::TheoryLiftSlopeRow, TextId::TheoryMomentRow};
inline constexpr std::array<TextId, 3> kTheoryTableColumns = {
    TextId::TheoryExactColumn, TextId::TheoryThinColumn, TextId::TheoryDifferenceColumn};

// cells[row][column] in the order of kTheoryTableRows and kTheoryTableColumns: the angle of
// zero lift in degrees rounded to 3 decimals, the lift slope per radian to 4, CM_c/4 to 5 (ties
// to even), "–" for a value that is not finite.
struct TheoryTable {
    std::array<std::array<std::string, 3>, 3> cells;
};

// The table of a comparison made for the state s (whose pi turns radians into degrees).
TheoryTable theoryTable(const State& s, const TheoryComparison& theory);
// The table before there is a profile: dashes.
TheoryTable emptyTheoryTable();

} // namespace kestrel
