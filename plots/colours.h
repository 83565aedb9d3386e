// SPDX-License-Identifier: MIT
// The fixed colours of the plots: magenta for the compressible curves, the plot background and
// the surfaces' own foreground colours. The state's colour variables are set by renkler.
#pragma once

#include "model/colours.h"

namespace kestrel {

// The compressible (Prandtl-Glauert) curves and markers are always magenta.
inline constexpr Colour kMagenta = rgb(255, 0, 255);
// Background of the five plots and of the labels on them.
inline constexpr Colour kPlotBackground = rgb(255, 255, 192);
// Foreground colours of the surfaces: lines drawn without a colour of their own.
inline constexpr Colour kSystemText = rgb(0, 0, 0);
inline constexpr Colour kProfilForeground = rgb(0, 0, 255);
inline constexpr Colour kPressureForeground = rgb(0, 255, 0);

} // namespace kestrel
