// SPDX-License-Identifier: MIT
// The numbers behind each plot as CSV text, for kestrel-calc and for the window's "Save data":
// numbers in their shortest decimal form that reads back as the same double, "." as the point.
#pragma once

#include "model/state.h"
#include "model/theory.h"

#include <optional>
#include <string>

namespace kestrel {

// The circle plane: header "j,x,y", the circle points 1 to nP.
std::string circleCsv(const State& s);

// The profile: header "j,x,y,side", points 1 to nP in the window's order; side is trailing-edge,
// lower, leading-edge (the middle point of an odd point count) or upper.
std::string coordinatesCsv(const State& s);

// The surface pressure: header "j,x,y,Cp", points 1 to nP.
std::string pressureCsv(const State& s);

// A coefficient curve, lift or moment: header "alpha,<name>,current", one line per angle from -12
// to 12 degrees, "current" marking the line of the angle of attack. Where the plot shows the
// Prandtl-Glauert curve, a column "<name>_prandtl_glauert" holds the values divided by `factor`.
enum class CurveName { CL, CM };
std::string curveCsv(const State& s, CurveName name, std::optional<double> factor);

// The load of both theories: header "x,exact,thin", one line per station of rising x/c, dCp =
// Cp_lower - Cp_upper.
std::string loadCsv(const TheoryComparison& theory);

} // namespace kestrel
