// SPDX-License-Identifier: MIT
// The five plot surfaces, named once in the window's layout order: each one's picture size in
// logical pixels, its foreground colour, and the set of five that a chain draws into.
#pragma once

#include "plots/colours.h"
#include "plots/surface.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace kestrel {

enum class SurfaceId { daire, profil, pressure, Picture_CL, Picture_CM };

struct SurfaceDefinition {
    SurfaceId id;
    std::string_view name; // objectName of the window's picture box, and the picture's file name
    int width, height;     // outer size of the picture in logical pixels, border included
    Colour foreground;     // colour of lines drawn without a colour of their own
};

inline constexpr std::array<SurfaceDefinition, 5> kSurfaces{{
    {SurfaceId::daire, "daire", 227, 227, kSystemText},
    {SurfaceId::profil, "profil", 320, 160, kProfilForeground},
    {SurfaceId::pressure, "pressure", 320, 289, kPressureForeground},
    {SurfaceId::Picture_CL, "Picture_CL", 213, 261, kSystemText},
    {SurfaceId::Picture_CM, "Picture_CM", 217, 185, kSystemText},
}};

// Width of the sunken border around every picture, in logical pixels.
inline constexpr int kSurfaceBorder = 2;

constexpr const SurfaceDefinition& surfaceDefinition(SurfaceId id) {
    return kSurfaces[static_cast<std::size_t>(id)];
}

// The surface with that name; throws std::out_of_range for any other name.
const SurfaceDefinition& surfaceNamed(std::string_view name);

// The five drawing surfaces of a chain, each with its own foreground colour on the plot
// background.
class PlotSurfaces {
public:
    PlotSurfaces();

    Surface& operator[](SurfaceId id) { return surfaces_[static_cast<std::size_t>(id)]; }
    const Surface& operator[](SurfaceId id) const {
        return surfaces_[static_cast<std::size_t>(id)];
    }
    // The surface with that name; throws std::out_of_range for any other name.
    const Surface& named(std::string_view name) const { return (*this)[surfaceNamed(name).id]; }

private:
    std::array<Surface, 5> surfaces_;
};

} // namespace kestrel
