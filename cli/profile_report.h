// SPDX-License-Identifier: MIT
// Everything the window computes for one set of inputs, and its JSON and CSV forms.
#pragma once

#include "model/chain.h"
#include "model/state.h"

#include <optional>
#include <string>

namespace kestrel::cli {

// The window's numbers after the full chain for one set of inputs, from a fresh start-up state.
struct ProfileResult {
    State state;                             // after the profile, pressure, lift and moment steps
    ChainValues values;                      // what the chain's steps left besides the state
    long row = 0;                            // table row of the profile
    double mach = 0;                         // Mach number read from the text
    std::optional<double> pgFactor;          // Prandtl-Glauert factor, none for |M| >= 1
    double CMcur = 0;                        // moment coefficient at the current angle
    std::string textCL;                      // text of the lift box, "." as separator
    std::string text1;                       // text of the moment box, "." as separator
    std::optional<double> CLcurCompressible; // present where the compressible curves are drawn
    std::optional<double> CMcurCompressible;
};

// The numbers of the full chain, drawing nothing. Throws RunError if the table has no row for
// the thickness and camber, which cannot happen for positions within their ranges.
ProfileResult computeProfileResult(const ChainInputs& request);

// The result as a JSON document: inputs, row, profile, points, curves, current (see --help).
std::string profileJson(const ProfileResult& result);

// Throws RunError when the chain found no table row for its thickness and camber.
void requireTableRow(const ChainResult& chain);

} // namespace kestrel::cli
