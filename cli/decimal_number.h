// SPDX-License-Identifier: MIT
// Options that take a decimal number: the text read with "." as the point, checked against a
// closed range with one message naming the option.
#pragma once

#include "model/decimal.h"

#include <string>
#include <string_view>

namespace kestrel::cli {

// An option whose value is a decimal number in a closed range.
struct DecimalOption {
    std::string_view name;    // "--reynolds"
    double min;               // smallest value
    double max;               // largest value
    std::string_view range;   // the range in words, "from 1e4 to 1e8"
    std::string_view meaning; // what the number counts, "V c / nu"
};

// The number of the text within the option's range. Throws UsageError
// "--reynolds must be a number from 1e4 to 1e8 (V c / nu), got \"abc\"" otherwise.
double decimalValue(const DecimalOption& option, std::string_view text);

} // namespace kestrel::cli
