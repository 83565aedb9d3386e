// SPDX-License-Identifier: MIT
#include "model/colours.h"

namespace kestrel {

void renkler(State& s) {
    s.clBlack = rgb(0, 0, 0);
    s.clRed = rgb(255, 0, 0);
    s.clGreen = rgb(0, 255, 0);
    s.clBlue = rgb(0, 0, 255);
}

} // namespace kestrel
