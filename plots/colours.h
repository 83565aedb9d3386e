#pragma once

#include "model/state.h"

namespace kestrel {

// A colour from its red, green and blue parts: red in the low byte, blue in the high byte.
constexpr Colour rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

// The compressible (Prandtl-Glauert) curves and markers are always magenta.
inline constexpr Colour kMagenta = rgb(255, 0, 255);
// Background of the five plots and of the labels on them.
inline constexpr Colour kPlotBackground = rgb(255, 255, 192);
// Foreground colours of the surfaces: lines drawn without a colour of their own.
inline constexpr Colour kSystemText = rgb(0, 0, 0);
inline constexpr Colour kProfilForeground = rgb(0, 0, 255);
inline constexpr Colour kPressureForeground = rgb(0, 255, 0);

// Sets the four plot colour variables: black, red, green, blue.
void renkler(State& s);

} // namespace kestrel
