// SPDX-License-Identifier: MIT
#include "ui/window_geometry.h"

#include "plots/painter.h"

namespace kestrel {

QFont windowFont() {
    return textFont(TextFont::Caption);
}

} // namespace kestrel
