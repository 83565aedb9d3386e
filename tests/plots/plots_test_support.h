#pragma once

// Shared helpers of the plot tests: states built through the model's own steps, and small
// views onto a surface's record (lines of one colour, index pairs turned into expected lines).

#include "model/coefficients.h"
#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"
#include "plots/colours.h"
#include "plots/surface.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>
#include <vector>

namespace kestrel {

inline std::ostream& operator<<(std::ostream& out, const SurfaceItem& item) {
    return out << (item.kind == SurfaceItem::Kind::Line ? "Line(" : "Circle(") << item.x1 << ", "
               << item.y1 << ", " << item.x2 << ", " << item.y2 << ", r " << item.r << ", colour 0x"
               << std::hex << item.colour << std::dec << ")";
}

namespace test {

// A foreground colour that no plot uses on purpose, so lines drawn without a colour stand out.
inline constexpr Colour kForeground = rgb(1, 2, 3);

// The state after start-up, a profile from the three scroll positions and the pressure at the
// angle-of-attack position; renkler runs only when asked, as profil_ciz would run it.
inline State flowState(int thickness, int camber, int points, int alfa, bool colours = true) {
    State s;
    startUp(s);
    setProfileInputs(s, thickness, camber, points);
    EXPECT_TRUE(computeProfile(s)) << "table miss for " << thickness << ", " << camber;
    setAngleInput(s, alfa);
    computePressure(s);
    if (colours) {
        renkler(s);
    }
    return s;
}

inline SurfaceItem line(double x1, double y1, double x2, double y2, Colour colour) {
    SurfaceItem item;
    item.x1 = static_cast<float>(x1);
    item.y1 = static_cast<float>(y1);
    item.x2 = static_cast<float>(x2);
    item.y2 = static_cast<float>(y2);
    item.colour = colour;
    return item;
}

inline SurfaceItem circle(double x, double y, double r, Colour colour) {
    SurfaceItem item;
    item.kind = SurfaceItem::Kind::Circle;
    item.x1 = static_cast<float>(x);
    item.y1 = static_cast<float>(y);
    item.r = static_cast<float>(r);
    item.colour = colour;
    return item;
}

// The recorded items from position `first` on, optionally only those of one colour.
inline std::vector<SurfaceItem> itemsFrom(const Surface& surface, std::size_t first) {
    const auto& items = surface.items();
    return {items.begin() + static_cast<long>(std::min(first, items.size())), items.end()};
}

inline std::vector<SurfaceItem> itemsOf(const Surface& surface, Colour colour) {
    std::vector<SurfaceItem> result;
    for (const SurfaceItem& item : surface.items()) {
        if (item.colour == colour) {
            result.push_back(item);
        }
    }
    return result;
}

using IndexPairs = std::vector<std::pair<long, long>>;

// Segments from point j to point j + 1 for j = from .. to.
inline IndexPairs consecutive(long from, long to) {
    IndexPairs pairs;
    for (long j = from; j <= to; ++j) {
        pairs.emplace_back(j, j + 1);
    }
    return pairs;
}

// The lines that join the given index pairs of a point list, in one colour.
template <typename PointAt>
std::vector<SurfaceItem> linesThrough(const IndexPairs& pairs, Colour colour, PointAt pointAt) {
    std::vector<SurfaceItem> lines;
    for (const auto& [a, b] : pairs) {
        const auto [xa, ya] = pointAt(a);
        const auto [xb, yb] = pointAt(b);
        lines.push_back(line(xa, ya, xb, yb, colour));
    }
    return lines;
}

} // namespace test
} // namespace kestrel
