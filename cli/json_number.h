// SPDX-License-Identifier: MIT
// How kestrel-calc writes a double into JSON: whole numbers as integers, every other finite value
// in the shortest form that reads back as the same double, and null where JSON has no number.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>

namespace kestrel::cli {

// Keys keep the order in which a document lists them.
using Json = nlohmann::ordered_json;

// A whole number (below 2^53 in size, so exact) as a JSON integer, -0 and fractions as doubles;
// an infinity or a NaN, which JSON cannot hold, as null.
Json jsonNumber(double value);

// No value at all is null too.
Json jsonNumber(std::optional<double> value);

} // namespace kestrel::cli
