// SPDX-License-Identifier: MIT
#include "plots/surfaces.h"

#include <stdexcept>
#include <string>

namespace kestrel {

const SurfaceDefinition& surfaceNamed(std::string_view name) {
    for (const SurfaceDefinition& d : kSurfaces) {
        if (d.name == name) {
            return d;
        }
    }
    throw std::out_of_range("no surface named " + std::string(name));
}

PlotSurfaces::PlotSurfaces()
    : surfaces_{Surface(kSurfaces[0].foreground), Surface(kSurfaces[1].foreground),
                Surface(kSurfaces[2].foreground), Surface(kSurfaces[3].foreground),
                Surface(kSurfaces[4].foreground)} {}

} // namespace kestrel
