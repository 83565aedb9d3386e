// SPDX-License-Identifier: MIT
#pragma once

// Shared helpers of the plot tests: states built through the model's own steps, and small
// views onto a surface's record (lines of one colour, index pairs turned into expected lines).

#include "model/chain.h"
#include "model/coefficients.h"
#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"
#include "model/text.h"
#include "plots/colours.h"
#include "plots/plots.h"
#include "plots/surface.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>
#include <vector>

namespace kestrel {

inline std::ostream& operator<<(std::ostream& out, const SurfaceItem& item) {
    out << itemKindName(item.kind) << "(" << item.x1 << ", " << item.y1 << ", " << item.x2 << ", "
        << item.y2 << ", r " << item.r << ", size " << item.sizePx << ", " << item.points.size()
        << " points, \"" << item.text << "\", colour 0x" << std::hex << item.colour << std::dec
        << ")";
    return out;
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

// The numbers a plot step computes before it draws, for a Mach number typed as its shortest
// text (which reads back as the same number) and the moment reference already in the state.
inline ChainValues plotNumbers(Step step, State& s, double mach) {
    ChainInputs inputs;
    inputs.mach = numberText(mach, ".");
    inputs.xm = static_cast<int>(std::lround(s.xM * 100));
    ChainValues values;
    computeStep(step, s, inputs, values);
    return values;
}

inline CompressibleCurves curvesOf(const ChainValues& values) {
    return values.compressible ? CompressibleCurves::Shown : CompressibleCurves::Hidden;
}

// basınc_ciz, CL_Alfa_ciz and CM_Alfa_ciz for a Mach number: numbers, then drawing. The moment
// plot returns the moment at AlfaD.
inline void pressurePlot(Surface& pressure, State& s, double mach) {
    drawPressure(pressure, s, curvesOf(plotNumbers(Step::basınc_ciz, s, mach)));
}

inline void liftPlot(Surface& pictureCL, State& s, double mach) {
    drawLiftCurve(pictureCL, s, curvesOf(plotNumbers(Step::CL_Alfa_ciz, s, mach)));
}

inline double momentPlot(Surface& pictureCM, State& s, double mach) {
    const ChainValues values = plotNumbers(Step::CM_Alfa_ciz, s, mach);
    drawMomentCurve(pictureCM, s, *values.CMcur, curvesOf(values));
    return *values.CMcur;
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

// The items of one kind and colour, in drawing order.
inline std::vector<const SurfaceItem*> itemsOf(const Surface& surface, SurfaceItem::Kind kind,
                                               Colour colour) {
    std::vector<const SurfaceItem*> result;
    for (const SurfaceItem& item : surface.items()) {
        if (item.kind == kind && item.colour == colour) {
            result.push_back(&item);
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
