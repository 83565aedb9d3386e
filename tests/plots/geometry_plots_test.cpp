// SPDX-License-Identifier: MIT
// The circle plane and the profile: fixed elements, the half-and-half polygons for odd, even,
// smallest and largest point counts (shared with the pressure plot), colours before the first
// renkler, and the moment-reference marker.

#include "model/coefficients.h"
#include "plots/plots.h"
#include "plots_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kestrel {
namespace {

using test::consecutive;
using test::flowState;
using test::IndexPairs;
using test::itemsFrom;
using test::kForeground;
using test::line;
using test::linesThrough;

// Items before the first polygon segment: axes and cross on daire, the 7 + 7 grid lines on
// profil, the 7 + 6 grid lines on pressure.
constexpr std::size_t kCircleFixed = 4;
constexpr std::size_t kProfileFixed = 14;
constexpr std::size_t kPressureFixed = 13;

struct HalvesCase {
    int points;
    IndexPairs red;
    IndexPairs blue;
};

// An even count leaves nHalf at n.5: the blue counter runs over halves, and each half rounds to
// the even neighbour, so 30.5 -> 30, 31.5 -> 32, 32.5 -> 32, ... The blue half then steps
// through every second point with a zero-length segment after each step.
IndexPairs evenBlueHalf(long first, long last) {
    IndexPairs pairs;
    for (long m = first; m <= last; m += 2) {
        pairs.emplace_back(m, m + 2);
        if (m + 2 <= last) {
            pairs.emplace_back(m + 2, m + 2);
        }
    }
    return pairs;
}

void PrintTo(const HalvesCase& c, std::ostream* out) {
    *out << "nP " << c.points;
}

std::vector<HalvesCase> halvesCases() {
    return {
        {11, consecutive(1, 5), consecutive(6, 10)},     // smallest: nHalf 5
        {51, consecutive(1, 25), consecutive(26, 50)},   // start value: nHalf 25
        {101, consecutive(1, 50), consecutive(51, 100)}, // largest: ends at array entry 101
        {60, consecutive(1, 29), evenBlueHalf(30, 58)},  // nHalf 29.5
    };
}

class PolygonHalves : public ::testing::TestWithParam<HalvesCase> {};

TEST_P(PolygonHalves, CirclePlaneProfileAndPressureJoinTheExpectedPoints) {
    const HalvesCase& c = GetParam();
    // The red half leaves point 1 and the blue half ends at point nP, both the trailing edge.
    ASSERT_EQ(c.red.front().first, 1);
    ASSERT_EQ(c.blue.back().second, c.points);
    // Angle 5 so that the pressure curve is no mirror image of anything.
    State s = flowState(12, 4, c.points, 5);
    auto expect = [&](const Surface& surface, std::size_t fixed, auto pointAt) {
        std::vector<SurfaceItem> expected = linesThrough(c.red, s.clRed, pointAt);
        const auto blue = linesThrough(c.blue, s.clBlue, pointAt);
        expected.insert(expected.end(), blue.begin(), blue.end());
        EXPECT_EQ(itemsFrom(surface, fixed), expected);
        // Both halves together start and end at the trailing edge.
        EXPECT_EQ(expected.front().x1, expected.back().x2);
        EXPECT_EQ(expected.front().y1, expected.back().y2);
    };
    Surface daire(kForeground), profil(kForeground), pressure(kForeground);
    drawCirclePlane(daire, s);
    drawProfile(profil, s);
    test::pressurePlot(pressure, s, 0);
    // Every vertical value is drawn negated: positive values appear above the zero line.
    expect(daire, kCircleFixed, [&s](long j) { return std::pair(s.xCirc[j], -s.yCirc[j]); });
    expect(profil, kProfileFixed, [&s](long j) { return std::pair(s.xProf[j], -s.yProf[j]); });
    expect(pressure, kPressureFixed,
           [&s](long j) { return std::pair(s.xProf[j], -(1 - s.Cp[j])); });
}

INSTANTIATE_TEST_SUITE_P(PointCounts, PolygonHalves, ::testing::ValuesIn(halvesCases()),
                         [](const auto& info) { return "nP" + std::to_string(info.param.points); });

TEST(CirclePlane, AxesThenCrossAtTheCentreThenTheCircleAroundIt) {
    const State s = flowState(12, 4, 51, 0);
    Surface daire(kForeground);
    daire.Line(9, 9, 9, 9); // left over from an earlier run
    drawCirclePlane(daire, s);
    EXPECT_EQ(daire.clears(), 1u);
    EXPECT_EQ(daire.scale(), (UserRect{-2, -2, 2, 2}));
    ASSERT_EQ(daire.items().size(), kCircleFixed + 50);
    const std::vector<SurfaceItem> fixed(daire.items().begin(), daire.items().begin() + 4);
    EXPECT_EQ(fixed, (std::vector<SurfaceItem>{
                         line(-2, 0, 2, 0, kForeground),
                         line(0, -2, 0, 2, kForeground),
                         line(-s.eps - 0.1, -s.mu, -s.eps + 0.1, -s.mu, kForeground),
                         line(-s.eps, -s.mu - 0.1, -s.eps, -s.mu + 0.1, kForeground),
                     }));
    // The circle of centre (-eps, mu) and radius sqrt((1 + eps)^2 + mu^2) passes through the
    // trailing edge (1, 0); drawn upside down its centre is the cross at (-eps, -mu). The lower
    // half (red) lies below the axis on the surface, that is at surface y >= 0.
    const double radius = std::hypot(1 + s.eps, s.mu);
    for (std::size_t k = kCircleFixed; k < daire.items().size(); ++k) {
        const SurfaceItem& item = daire.items()[k];
        EXPECT_NEAR(std::hypot(item.x1 + s.eps, item.y1 + s.mu), radius, 1e-6) << item;
        if (item.colour == s.clRed) {
            EXPECT_GE(item.y2, -1e-7f) << item;
        } else {
            EXPECT_LE(item.y2, 1e-7f) << item;
        }
    }
    EXPECT_EQ(daire.items()[kCircleFixed].x1, 1.0f); // first segment leaves the trailing edge
}

// One point more than the arrays hold (nP 102, nHalf 50.5): the blue counter runs 51.5, 52.5,
// ..., 100.5, giving the pairs 52->52, 52->54, 54->54, ..., 98->100, 100->100 and then 100->102.
// Drawing stops with an error before that last segment; the axes, the cross, 50 red and 49 blue
// segments stay.
TEST(CirclePlane, IndexBeyondTheArraysStopsBeforeTheSegment) {
    State s = flowState(12, 4, 101, 0);
    s.nP = 102;
    s.nSeg = 101;
    s.nHalf = 50.5;
    Surface daire(kForeground);
    EXPECT_THROW(drawCirclePlane(daire, s), std::out_of_range);
    ASSERT_EQ(daire.items().size(), kCircleFixed + 50 + 49);
    auto point = [&s](long j) { return std::pair(s.xCirc[j], -s.yCirc[j]); };
    const std::vector<SurfaceItem> tail(daire.items().end() - 3, daire.items().end());
    EXPECT_EQ(tail, linesThrough(IndexPairs{{98, 98}, {98, 100}, {100, 100}}, s.clBlue, point));
}

TEST(CirclePlane, BeforeAnyProfileOnlyAxesAndTheCrossAtTheOrigin) {
    State s;
    startUp(s);
    Surface daire(kForeground);
    drawCirclePlane(daire, s);
    EXPECT_EQ(daire.items(), (std::vector<SurfaceItem>{
                                 line(-2, 0, 2, 0, kForeground),
                                 line(0, -2, 0, 2, kForeground),
                                 line(-0.1, 0, 0.1, 0, kForeground),
                                 line(0, -0.1, 0, 0.1, kForeground),
                             }));
}

TEST(Profile, GridInChordUnitsThenThePolygon) {
    const State s = flowState(12, 4, 51, 0);
    Surface profil(kForeground);
    drawProfile(profil, s);
    EXPECT_EQ(profil.scale(), (UserRect{-0.1f, -0.35f, 1.1f, 0.25f}));
    std::vector<SurfaceItem> grid;
    // Vertical lines every 0.2 chord, black through x/c = 0; the one at 1.2 lies off the window.
    for (double x : {0.0, 0.2, 0.4, 0.6, 0.8, 1.0, 1.2}) {
        grid.push_back(line(x, -0.3, x, 0.2, x == 0 ? s.clBlack : s.clGreen));
    }
    // Horizontal lines in surface coordinates, the black one being the chord line.
    for (double y : {-0.4, -0.3, -0.2, -0.1, 0.0, 0.1, 0.2}) {
        grid.push_back(line(0, y, 1, y, y == 0 ? s.clBlack : s.clGreen));
    }
    EXPECT_EQ(
        std::vector<SurfaceItem>(profil.items().begin(), profil.items().begin() + kProfileFixed),
        grid);
    ASSERT_EQ(profil.items().size(), kProfileFixed + 50);
    // The profile lies within the chord: x/c from 0 to 1.
    for (std::size_t k = kProfileFixed; k < profil.items().size(); ++k) {
        EXPECT_GE(profil.items()[k].x1, -1e-6f);
        EXPECT_LE(profil.items()[k].x1, 1.0f + 1e-6f);
    }
}

// Until profil_ciz has run renkler, every colour variable reads 0: the grid and both halves
// come out black, while the axes keep the surface's foreground.
TEST(Profile, ColoursBeforeRenklerAreAllBlack) {
    const State s = flowState(12, 4, 51, 0, false);
    Surface daire(kForeground), profil(kForeground);
    drawCirclePlane(daire, s);
    drawProfile(profil, s);
    ASSERT_EQ(profil.items().size(), kProfileFixed + 50);
    for (const SurfaceItem& item : profil.items()) {
        EXPECT_EQ(item.colour, 0) << item;
    }
    for (std::size_t k = 0; k < daire.items().size(); ++k) {
        EXPECT_EQ(daire.items()[k].colour, k < kCircleFixed ? kForeground : 0) << k;
    }
}

TEST(Profile, MomentMarkerIsARedCircleOnTheChordLine) {
    State s = flowState(12, 4, 51, 0);
    setMomentReference(s, 25);
    Surface profil(kForeground);
    drawProfile(profil, s);
    const std::size_t before = profil.items().size();
    drawMomentMarker(profil, s);
    ASSERT_EQ(profil.items().size(), before + 1);
    EXPECT_EQ(profil.items().back(), test::circle(0.25, 0, 0.01, rgb(255, 0, 0)));
    // Redrawing the profile clears the marker away.
    drawProfile(profil, s);
    EXPECT_EQ(profil.items().size(), before);
}

} // namespace
} // namespace kestrel
