// SPDX-License-Identifier: MIT
// The colour encoding of the state's colour variables and renkler, which sets them.
#pragma once

#include "model/state.h"

namespace kestrel {

// A colour from its red, green and blue parts: red in the low byte, blue in the high byte.
constexpr Colour rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

// renkler: sets the four plot colour variables, in the order black, red, green, blue.
void renkler(State& s);

} // namespace kestrel
