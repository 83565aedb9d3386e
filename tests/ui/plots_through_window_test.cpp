// SPDX-License-Identifier: MIT
// What the chains leave on the surfaces for chosen states: the compressible curves for several
// Mach texts, odd, even, smallest and largest point counts, colours before the first profile,
// the first action being an angle or moment-reference change, and the moment-reference marker.
#include "tests/ui/window_fixture.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace kestrel::test {
namespace {

// Colours as 24-bit values with red in the low byte.
constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kMagentaValue = 0xFF00FF;

// The moment-reference marker: a red circle of radius 0.01 on the chord line at x/c = x.
void expectMarker(const SurfaceItem& item, float x) {
    EXPECT_EQ(item.kind, SurfaceItem::Kind::Circle);
    EXPECT_EQ(item.x1, x);
    EXPECT_EQ(item.y1, 0.0f);
    EXPECT_EQ(item.r, 0.01f);
    EXPECT_EQ(item.colour, kRed);
}

// Equal to single precision, relative to the size of the value.
void expectClose(float actual, double expected, const std::string& what) {
    EXPECT_NEAR(actual, expected, 2e-6 * std::max(1.0, std::fabs(expected))) << what;
}

struct MachCase {
    const char* text;
    bool compressible;
};

void PrintTo(const MachCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class MachTexts : public WindowTest, public ::testing::WithParamInterface<MachCase> {};

TEST_P(MachTexts, CompressibleCurvesOnAllThreePlotsOrOnNone) {
    drag("HScroll_Thickness", 12);
    drag("HScroll_Camber", 4);
    drag("HScroll_AlfaD", 5);
    setMach(QString::fromUtf8(GetParam().text));
    click("profil");
    // 51 points: 50 magenta segments of 1 - Cp; 24 segments and a marker on each coefficient plot.
    const bool on = GetParam().compressible;
    EXPECT_EQ(countColour(surface("pressure"), kMagentaValue), on ? 50u : 0u);
    EXPECT_EQ(countColour(surface("Picture_CL"), kMagentaValue), on ? 25u : 0u);
    EXPECT_EQ(countColour(surface("Picture_CM"), kMagentaValue), on ? 25u : 0u);
    EXPECT_EQ(countCircles(surface("Picture_CL")), on ? 2u : 1u);
    // The incompressible picture is there whatever the Mach text.
    EXPECT_EQ(countColour(surface("Picture_CL"), kBlue), 24u);
    EXPECT_EQ(countColour(surface("pressure"), kRed), 25u);
    EXPECT_EQ(countColour(surface("pressure"), kBlue), 25u);
}

INSTANTIATE_TEST_SUITE_P(Window, MachTexts,
                         ::testing::Values(MachCase{"0", false}, MachCase{"0.6", true},
                                           MachCase{"-0.6", true}, MachCase{"abc", false},
                                           MachCase{"1.5", false}, MachCase{"1", false},
                                           MachCase{"", false}, MachCase{" 0.6 knots", true},
                                           MachCase{"6e-1", true}, MachCase{"0,6", false},
                                           MachCase{"-1.5", false}, MachCase{"1e999", false}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(WindowTest, MachPointSixStretchesTheCurvesByOneOverPointEight) {
    drag("HScroll_Thickness", 12);
    drag("HScroll_Camber", 4);
    setMach(QStringLiteral("0.6"));
    drag("HScroll_AlfaD", 5);
    // sqrt(1 - 0.36) = 0.8: each magenta vertex is the blue one divided by 0.8.
    for (const char* name : {"Picture_CL", "Picture_CM"}) {
        std::vector<SurfaceItem> blue, magenta;
        for (const SurfaceItem& item : surface(name).items()) {
            if (item.kind == SurfaceItem::Kind::Line && item.colour == kBlue) {
                blue.push_back(item);
            } else if (item.kind == SurfaceItem::Kind::Line && item.colour == kMagentaValue) {
                magenta.push_back(item);
            }
        }
        ASSERT_EQ(blue.size(), 24u) << name;
        ASSERT_EQ(magenta.size(), 24u) << name;
        for (std::size_t k = 0; k < 24; ++k) {
            EXPECT_EQ(magenta[k].x1, blue[k].x1);
            const std::string what = std::string(name) + " segment " + std::to_string(k);
            expectClose(magenta[k].y1, blue[k].y1 / 0.8, what);
            expectClose(magenta[k].y2, blue[k].y2 / 0.8, what);
        }
    }
    // On the pressure plot the curve is 1 - 1.25 Cp at every point.
    const State& s = window->state();
    std::size_t j = 1;
    for (const SurfaceItem& item : surface("pressure").items()) {
        if (item.colour != kMagentaValue) {
            continue;
        }
        ++j;
        expectClose(item.y2, -(1 - 1.25 * s.Cp[static_cast<long>(j)]),
                    "point " + std::to_string(j));
        EXPECT_EQ(item.x2, static_cast<float>(s.xProf[static_cast<long>(j)]));
    }
    EXPECT_EQ(j, 51u);
    // Mach -0.6 gives the same pictures.
    const auto cl = surface("Picture_CL").items();
    const auto pressure = surface("pressure").items();
    setMach(QStringLiteral("-0.6"));
    click("Picture_CM");
    EXPECT_EQ(surface("Picture_CL").items(), cl);
    EXPECT_EQ(surface("pressure").items(), pressure);
}

// The point at the rounded index, a tie going to the even whole number.
long index(double counter) {
    return static_cast<long>(std::nearbyint(counter));
}

class PointCounts : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(PointCounts, HalvesOfThePolygonsJoinTheRightPoints) {
    const int n = GetParam();
    drag("HScroll_Thickness", 10);
    drag("HScroll_Camber", 2);
    drag("HScroll_nP", n); // a thumb drag may end on any point count, even ones too
    EXPECT_EQ(text("Text_nP"), QString::number(n));
    const State& s = window->state();
    const double nSeg = n - 1;
    const double nHalf = nSeg / 2;

    // The red counter runs 1, 2, ... up to nHalf; the blue one from nHalf + 1 up to nSeg.
    std::vector<std::pair<long, long>> red, blue;
    for (double i = 1; i <= nHalf; ++i) {
        red.emplace_back(index(i), index(i + 1));
    }
    for (double i = nHalf + 1; i <= nSeg; ++i) {
        blue.emplace_back(index(i), index(i + 1));
    }
    ASSERT_EQ(blue.back().second, n) << "the upper side ends at the trailing edge";

    struct Plot {
        const char* name;
        std::size_t fixedItems; // axes and cross, or the grid
        const PointArray& x;
        std::function<double(long)> y;
    };
    const Plot plots[] = {
        {"daire", 4, s.xCirc, [&s](long j) { return -s.yCirc[j]; }},
        {"profil", 14, s.xProf, [&s](long j) { return -s.yProf[j]; }},
        {"pressure", 13, s.xProf, [&s](long j) { return -(1 - s.Cp[j]); }},
    };
    for (const Plot& p : plots) {
        const auto& items = surface(p.name).items();
        ASSERT_EQ(items.size(), p.fixedItems + red.size() + blue.size()) << p.name;
        std::size_t at = p.fixedItems;
        for (const auto& [segments, colour] : {std::pair{&red, kRed}, std::pair{&blue, kBlue}}) {
            for (const auto& [from, to] : *segments) {
                const SurfaceItem& item = items[at++];
                EXPECT_EQ(item.colour, colour) << p.name << " " << from << "->" << to;
                EXPECT_EQ(item.x1, static_cast<float>(p.x[from])) << p.name << " " << from;
                EXPECT_EQ(item.y1, static_cast<float>(p.y(from))) << p.name << " " << from;
                EXPECT_EQ(item.x2, static_cast<float>(p.x[to])) << p.name << " " << to;
                EXPECT_EQ(item.y2, static_cast<float>(p.y(to))) << p.name << " " << to;
            }
        }
    }
    // Both ends of the circle polygon are the trailing edge (1, 0).
    const auto& circle = surface("daire").items();
    EXPECT_EQ(circle[4].x1, 1.0f);
    EXPECT_EQ(circle.back().x2, 1.0f);
    EXPECT_EQ(circle.back().y2, 0.0f);
}

// 11 and 101 are the ends of the range, 51 the start value, 60 and 12 even counts.
INSTANTIATE_TEST_SUITE_P(Window, PointCounts, ::testing::Values(11, 12, 51, 60, 101));

TEST_F(WindowTest, AngleChangeFirstDrawsInColourZeroExceptMagenta) {
    setMach(QStringLiteral("0.6"));
    box("Text1")->setText(QStringLiteral("x"));
    step("HScroll_AlfaD", QAbstractSlider::SliderSingleStepAdd);
    // The colour variables are still empty: grid, curve and marker come out as 0, black.
    const Surface& cl = surface("Picture_CL");
    ASSERT_EQ(cl.clears(), 1u);
    EXPECT_EQ(countColour(cl, 0), 7u + 11u + 24u + 1u);
    EXPECT_EQ(countColour(cl, kMagentaValue), 25u);
    const Surface& pressure = surface("pressure");
    ASSERT_EQ(pressure.clears(), 1u);
    EXPECT_EQ(countColour(pressure, 0), pressure.items().size());
    EXPECT_EQ(pressure.items().size(), 7u + 6u) << "no points yet, only the grid";
    // No profile yet: the moment plot and its box stay as they were; the reference is shown.
    EXPECT_EQ(surface("Picture_CM").clears(), 0u);
    EXPECT_TRUE(surface("Picture_CM").items().empty());
    EXPECT_EQ(text("Text1"), QStringLiteral("x"));
    EXPECT_EQ(text("Text_xM"), QStringLiteral("0"));
    EXPECT_EQ(text("Text_AlfaD"), QStringLiteral("1"));
    EXPECT_EQ(text("Text_CL"), QStringLiteral("0"));
    EXPECT_EQ(surface("daire").clears(), 0u);
    EXPECT_EQ(surface("profil").clears(), 0u);

    // The first full chain sets the colours.
    click("Picture_CL");
    EXPECT_EQ(countColour(surface("Picture_CL"), kGreen), 6u + 10u);
    EXPECT_EQ(countColour(surface("Picture_CL"), kBlue), 24u);
    EXPECT_EQ(countColour(surface("Picture_CM"), kRed), 1u);
    EXPECT_NE(text("Text1"), QStringLiteral("x"));
}

TEST_F(WindowTest, MomentReferenceChangeFirstDrawsTheGeometryAndTheMarkerOnly) {
    box("Text1")->setText(QStringLiteral("x"));
    step("HScroll_xM", QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(text("Text_xM"), QStringLiteral("0.01"));
    EXPECT_EQ(text("Text1"), QStringLiteral("x"));
    EXPECT_EQ(surface("Picture_CM").clears(), 0u);
    EXPECT_EQ(surface("daire").clears(), 1u);
    EXPECT_EQ(surface("daire").items().size(), 4u) << "axes and the cross, no polygon yet";
    const auto& profil = surface("profil").items();
    ASSERT_EQ(profil.size(), 14u + 1u);
    expectMarker(profil.back(), 0.01f);
    EXPECT_EQ(surface("pressure").clears(), 0u);
    EXPECT_EQ(surface("Picture_CL").clears(), 0u);
}

TEST_F(WindowTest, MarkerAppearsStaysThroughAnAngleChangeAndGoesWithTheProfile) {
    click("daire");
    EXPECT_EQ(countCircles(surface("profil")), 0u);
    drag("HScroll_xM", 25);
    const auto& profil = surface("profil");
    ASSERT_EQ(countCircles(profil), 1u);
    // A red circle of one hundredth of the chord on the chord line at x/c = 0.25, drawn last.
    expectMarker(profil.items().back(), 0.25f);

    const auto withMarker = profil.items();
    const unsigned clears = profil.clears();
    step("HScroll_AlfaD", QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(profil.items(), withMarker);
    EXPECT_EQ(profil.clears(), clears);

    step("HScroll_Thickness", QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(countCircles(profil), 0u);
    EXPECT_EQ(text("Text_xM"), QStringLiteral("0.25")) << "the reference itself stays";
}

} // namespace
} // namespace kestrel::test
