// SPDX-License-Identifier: MIT
#include "cli/json_number.h"

#include <cmath>
#include <cstdint>

namespace kestrel::cli {

Json jsonNumber(double value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    constexpr double kExactWhole = 9007199254740992.0; // 2^53
    const bool whole = std::trunc(value) == value && std::fabs(value) < kExactWhole;
    if (whole && !(value == 0 && std::signbit(value))) {
        return static_cast<std::int64_t>(value);
    }
    return value;
}

Json jsonNumber(std::optional<double> value) {
    return value ? jsonNumber(*value) : Json(nullptr);
}

} // namespace kestrel::cli
