// SPDX-License-Identifier: MIT
// The compressibility numbers of one set of inputs, and their JSON and CSV forms.
#pragma once

#include "model/chain.h"
#include "model/compressibility.h"
#include "model/supersonic.h"

#include <string>

namespace kestrel::cli {

// The window's state after the full chain for one set of inputs, from a fresh start-up state,
// and its incompressible surface, from which each Mach number's numbers and supersonic
// stretches follow.
struct MachResult {
    ChainResult chain;
    CompressibleSurface surface;
    SonicSurface sonic;
};

// The numbers of the full chain and the surface, drawing nothing. Throws RunError if the table
// has no row for the thickness and camber, which cannot happen for positions within their ranges.
MachResult computeMachResult(const ChainInputs& request);

// The numbers at the Mach number read from the text as a JSON document: inputs, row,
// incompressible, critical_pressure, rules (see --help).
std::string machJson(const MachResult& result);

// The chart: header "M,Cp_star,Cp_min_<rule>...,CL_<rule>...", then M = 0, 0.01, ..., 0.99, empty
// cells where a value does not exist. The Mach number of the inputs plays no part.
std::string machCsv(const MachResult& result);

} // namespace kestrel::cli
