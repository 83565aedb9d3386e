// SPDX-License-Identifier: MIT
#include "cli/decimal_number.h"

#include "cli/command.h"

namespace kestrel::cli {

double decimalValue(const DecimalOption& option, std::string_view text) {
    double value = 0;
    if (decimalOf(text, value) && value >= option.min && value <= option.max) {
        return value;
    }
    throw UsageError(std::string(option.name) + " must be a number " + std::string(option.range) +
                     " (" + std::string(option.meaning) + "), got \"" + std::string(text) + "\"");
}

} // namespace kestrel::cli
