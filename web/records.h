// SPDX-License-Identifier: MIT
// What the page needs to paint the module's records without knowing their numbers by heart: the
// item kinds, text alignments, fonts and colours as one table; and the reading of probe points.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrel::web {

// {"codesPerItem", "kinds": {name: code}, "fontFactor", "aligns": [CSS text-align by code],
//  "rectStyles": {"fill", "frame"}, "fonts": [{"name", "css", "families", "points", "bold",
//  "italic"} by code], "colours": {name: 24-bit RGB, red in the low byte}}
std::string recordTableJson();

// Probe points as kestrel-calc flow's --probe takes them, "X,Y", several separated by blanks;
// nothing when one is not two finite numbers.
std::optional<std::vector<std::pair<double, double>>> probePoints(std::string_view text);

} // namespace kestrel::web
