// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace kestrel::tablegen {

inline constexpr int kMaxThickness = 30; // t/c in hundredths
inline constexpr int kMaxCamber = 15;    // f/c in hundredths

// One table row. eps and mu are held in units of 0.00001, so the written literal is exact
// decimal text and the compiler turns it into the double nearest to the five-decimal number.
struct TableRow {
    int thickness; // T, t/c in hundredths
    int camber;    // C, f/c in hundredths
    long epsUnits;
    long muUnits;
    double exactEps; // the solution before rounding
    double exactMu;
};

// Row index 1 + 31 C + T: camber-major, thickness-minor.
constexpr int rowIndex(int thickness, int camber) {
    return 1 + (kMaxThickness + 1) * camber + thickness;
}

// Solves every row, rounds to five decimals and then puts in the rows whose stored values are
// fixed by the program (its reference rows). Each fixed value must lie within one unit
// of the fifth decimal of the solved eps and three of the solved mu; otherwise the solver is
// wrong and std::runtime_error is thrown. Rows are returned in row-index order.
std::vector<TableRow> buildTable();

// Number of rows whose stored eps or mu is not the rounded solution.
struct RoundingReport {
    int epsDiffers;
    int muDiffers;
};
RoundingReport compareWithRounding(const std::vector<TableRow>& rows);

// A value held in units of 0.00001 as the shortest decimal text: 0, 0.3, 0.02016, 1.5.
std::string decimalText(long units);

// The complete source text of data/katjo_table.cpp.
std::string tableSource(const std::vector<TableRow>& rows);

} // namespace kestrel::tablegen
