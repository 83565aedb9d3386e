// SPDX-License-Identifier: MIT
// The model's and the plots' UTF-8 texts (names, labels, messages) as Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace kestrel {

inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace kestrel
