// SPDX-License-Identifier: MIT
// Thin-airfoil theory beside the exact values for one set of inputs, and its JSON and CSV forms.
#pragma once

#include "model/chain.h"
#include "model/theory.h"

#include <string>

namespace kestrel::cli {

// The window's state after the full chain for one set of inputs, from a fresh start-up state,
// and the comparison of its profile with thin-airfoil theory.
struct TheoryResult {
    ChainResult chain;
    TheoryComparison theory;
};

// Throws RunError if the table has no row for the thickness and camber, which cannot happen for
// positions within their ranges.
TheoryResult computeTheoryResult(const ChainInputs& request);

// The document: inputs, row, exact, thin, load (see --help).
std::string theoryJson(const TheoryResult& result);

} // namespace kestrel::cli
