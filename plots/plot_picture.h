// SPDX-License-Identifier: MIT
// One whole plot picture as a record: the plot background, the sunken border, the plot's own
// record in its drawing area inside the border, and the static labels on it.
#pragma once

#include "plots/surfaces.h"

namespace kestrel {

// The sunken 3-D border's colours: dark on the top and left, light on the bottom and right, an
// outer and an inner line of each.
inline constexpr Colour kBorderOuterDark = rgb(128, 128, 128);
inline constexpr Colour kBorderOuterLight = rgb(255, 255, 255);
inline constexpr Colour kBorderInnerDark = rgb(64, 64, 64);
inline constexpr Colour kBorderInnerLight = rgb(212, 208, 200);

// Whether the picture carries the static labels. The window leaves them to its label widgets,
// which show the same texts in the same fonts and boxes.
enum class PictureLabels { Painted, LeftToWidgets };

// The picture of one plot, its user coordinates the picture's logical pixels (0, 0 at the top
// left): the background, the border's edges, an Area item for the drawing area holding the
// plot's items, and with Painted an Area back to pixels followed by each label: its box filled
// with the plot background and its text.
Surface plotPicture(const Surface& plot, SurfaceId id, PictureLabels labels);

} // namespace kestrel
