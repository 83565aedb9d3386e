// SPDX-License-Identifier: MIT
#include "model/theory_table.h"

#include "model/coefficients.h"
#include "model/text.h"

namespace kestrel {

namespace {

std::array<std::string, 3> rowOf(double exact, double thin, double difference, int decimals) {
    return {cellText(exact, decimals), cellText(thin, decimals), cellText(difference, decimals)};
}

} // namespace

TheoryTable theoryTable(const State& s, const TheoryComparison& t) {
    TheoryTable table;
    table.cells[0] = rowOf(degrees(s, t.exact.alphaZeroLift), degrees(s, t.thin.alphaZeroLift),
                           degrees(s, t.difference.alphaZeroLift), 3);
    table.cells[1] = rowOf(t.exact.liftSlope, t.thin.liftSlope, t.difference.liftSlope, 4);
    table.cells[2] =
        rowOf(t.exact.CMQuarterChord, t.thin.CMQuarterChord, t.difference.CMQuarterChord, 5);
    return table;
}

TheoryTable emptyTheoryTable() {
    TheoryTable table;
    for (auto& row : table.cells) {
        row.fill(std::string(kMissingValue));
    }
    return table;
}

} // namespace kestrel
