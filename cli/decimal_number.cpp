// SPDX-License-Identifier: MIT
#include "cli/decimal_number.h"

#include "cli/command.h"

#include <charconv>
#include <cmath>

namespace kestrel::cli {

bool decimalOf(std::string_view text, double& value) {
    if (text.empty() || text.front() == '+') {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

double decimalValue(const DecimalOption& option, std::string_view text) {
    double value = 0;
    if (decimalOf(text, value) && value >= option.min && value <= option.max) {
        return value;
    }
    throw UsageError(std::string(option.name) + " must be a number " + std::string(option.range) +
                     " (" + std::string(option.meaning) + "), got \"" + std::string(text) + "\"");
}

} // namespace kestrel::cli
