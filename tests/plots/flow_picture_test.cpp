// SPDX-License-Identifier: MIT
// The flow picture: the colour map's laws, the pressure mesh against the cylinder's closed form,
// and the recorded planes at both ends of the mapping and in between. kestrel-calc's tests read
// the painted picture through the layout.

#include "plots/colour_map.h"
#include "plots/flow_picture.h"
#include "plots_test_support.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <tuple>

namespace kestrel {
namespace {

using Complex = std::complex<double>;

// Relative luminance of an sRGB colour, 0 to 1.
double luminance(Colour c) {
    const auto linear = [](int byte) {
        const double v = byte / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c & 0xFF) + 0.7152 * linear((c >> 8) & 0xFF) +
           0.0722 * linear((c >> 16) & 0xFF);
}

int channelDistance(Colour a, Colour b) {
    int d = 0;
    for (int shift : {0, 8, 16}) {
        d = std::max(d, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                 static_cast<int>((b >> shift) & 0xFF)));
    }
    return d;
}

TEST(ColourMap, PlacesCpOnTwoLinearHalvesAndClamps) {
    EXPECT_EQ(cpPosition(-3), 0);
    EXPECT_EQ(cpPosition(-1.5), 0.25);
    EXPECT_EQ(cpPosition(0), 0.5);
    EXPECT_EQ(cpPosition(0.5), 0.75);
    EXPECT_EQ(cpPosition(1), 1);
    EXPECT_EQ(cpPosition(-99), 0); // the capped singular value
    EXPECT_EQ(cpPosition(7), 1);
    EXPECT_EQ(cpPosition(std::nan("")), 0.5);
    for (double Cp : {-2.5, -0.75, 0.0, 0.3}) {
        EXPECT_NEAR(cpAtPosition(cpPosition(Cp)), Cp, 1e-15);
    }
    EXPECT_EQ(cpBand(-3), 0);
    EXPECT_EQ(cpBand(1), kCpBands - 1);
    EXPECT_EQ(cpBand(0), kCpBands / 2);
}

// The ends are the map's defining colours, the middle its light grey; lightness rises to the
// middle from both ends and the halves mirror each other in lightness.
TEST(ColourMap, CoolWarmEndsMiddleAndLightness) {
    EXPECT_LE(channelDistance(coolWarm(0), rgb(59, 76, 192)), 1);
    EXPECT_LE(channelDistance(coolWarm(1), rgb(180, 4, 38)), 1);
    EXPECT_LE(channelDistance(coolWarm(0.5), rgb(221, 221, 221)), 1);
    EXPECT_EQ(coolWarm(-1), coolWarm(0));
    for (int i = 0; i < 50; ++i) {
        const double p = i / 100.0;
        EXPECT_LT(luminance(coolWarm(p)), luminance(coolWarm(p + 0.01)) + 1e-3) << p;
        EXPECT_LT(luminance(coolWarm(1 - p)), luminance(coolWarm(1 - p - 0.01)) + 1e-3) << p;
        EXPECT_NEAR(luminance(coolWarm(p)), luminance(coolWarm(1 - p)), 0.06) << p;
    }
}

class FlowPictureTest : public ::testing::Test {
protected:
    static FlowPicture pictureOf(int thickness, int camber, int alfa) {
        return FlowPicture(test::flowState(thickness, camber, 51, alfa));
    }
};

// The symmetric profile at zero incidence has no circulation, so the circle's own flow is the
// flow about a cylinder: with a = R / r, Cp = 1 - (1 - a^2)^2 cos^2(theta) - (1 + a^2)^2
// sin^2(theta), theta measured from the trailing edge's side of the centre.
TEST_F(FlowPictureTest, CircleCpOfTheMeshIsTheCylindersClosedForm) {
    const State s = test::flowState(12, 0, 51, 0);
    const FlowPicture picture(s);
    const Complex centre(-s.eps, s.mu);
    const double R = std::abs(picture.node(0, 0).zeta - centre);
    EXPECT_EQ(picture.node(0, 0).zeta, Complex(1, 0)); // a node on the trailing edge
    for (int k : {0, 1, 10, picture.rings() - 1}) {
        const double r = std::sqrt(std::abs(picture.node(k, 0).zeta - centre) *
                                   std::abs(picture.node(k + 1, 0).zeta - centre));
        const double a2 = R * R / (r * r);
        for (int j : {0, 17, picture.sectors() / 4, picture.sectors() / 2 + 3}) {
            const double theta = 2 * std::numbers::pi * (j + 0.5) / picture.sectors();
            const double c = std::cos(theta), sn = std::sin(theta);
            const double expected = 1 - (1 - a2) * (1 - a2) * c * c - (1 + a2) * (1 + a2) * sn * sn;
            EXPECT_NEAR(picture.circleCp(k, j), expected, 1e-5) << k << ", " << j;
            // Upper and lower halves mirror each other in both flows.
            const int mirror = picture.sectors() - 1 - j;
            EXPECT_NEAR(picture.profileCp(k, j), picture.profileCp(k, mirror), 1e-5);
        }
    }
    // Far out the profile's flow is the free stream.
    EXPECT_NEAR(picture.profileCp(picture.rings() - 1, 0), 0, 0.05);
}

// Every drawn streamline point sits at the circle point at t = 0, at its image at t = 1, and at
// mapAt in between; the dividing streamline is the wide one. The lines are drawn in runs cut to
// the plane, each a stretch of one streamline that starts and ends outside the plane's window
// (or at the body), so that no line begins or ends in open flow; every level is drawn.
TEST_F(FlowPictureTest, StreamlinesMorphFromTheCircleToTheProfile) {
    for (const auto& [thick, camber, alfa] : {std::tuple{12, 4, 5}, {30, 15, 10}, {0, 8, 0}}) {
        const FlowPicture picture = pictureOf(thick, camber, alfa);
        const Flow& flow = picture.flow();
        for (const double t : {0.0, 0.25, 0.4, 1.0}) {
            Surface surface;
            drawFlowPlane(surface, picture, t, {0, 0, 250, 200});
            const UserRect& v = surface.scale();
            const auto outside = [&](const SurfacePoint& p) {
                return p.x <= v.x1 || p.x >= v.x2 || p.y >= v.y1 || p.y <= v.y2;
            };
            std::vector<const SurfaceItem*> runs;
            for (const SurfaceItem& item : surface.items()) {
                if (item.kind == SurfaceItem::Kind::Polyline && item.colour == rgb(20, 20, 20)) {
                    runs.push_back(&item);
                }
            }
            std::size_t k = 0;
            std::set<int> levels;
            for (const Streamline& line : picture.streamlines()) {
                std::size_t from = 0;
                while (k < runs.size()) {
                    // The run is a stretch of this line's points from some point on.
                    const SurfaceItem& run = *runs[k];
                    std::size_t start = from;
                    const auto at = [&](std::size_t p) {
                        const FlowPoint& f = line.points[p];
                        const Complex zeta(f.xc, f.yc);
                        return t == 0 ? zeta : t == 1 ? Complex(f.x, f.y) : flow.mapAt(zeta, t);
                    };
                    while (start < line.points.size() &&
                           std::abs(at(start) - Complex(run.points[0].x, run.points[0].y)) > 1e-5) {
                        ++start;
                    }
                    if (start + run.points.size() > line.points.size()) {
                        break;
                    }
                    for (std::size_t p = 0; p < run.points.size(); ++p) {
                        ASSERT_NEAR(run.points[p].x, at(start + p).real(), 1e-5);
                        ASSERT_NEAR(run.points[p].y, at(start + p).imag(), 1e-5);
                    }
                    EXPECT_EQ(run.sizePx, line.dividing ? 2.5f : 1.0f);
                    const bool bodyEnd = line.dividing;
                    EXPECT_TRUE(outside(run.points.front()) || (bodyEnd && start == 0)) << t;
                    EXPECT_TRUE(outside(run.points.back()) ||
                                (bodyEnd && start + run.points.size() == line.points.size()))
                        << t << " level " << line.level;
                    levels.insert(line.level);
                    from = start + run.points.size() - 1;
                    ++k;
                }
            }
            EXPECT_EQ(k, runs.size()) << "every run belongs to a streamline, in order";
            for (int level = -Flow::kDefaultLevels; level <= Flow::kDefaultLevels; ++level) {
                EXPECT_TRUE(levels.count(level))
                    << thick << "/" << camber << " t " << t << " level " << level;
            }
        }
    }
}

// The plane pictures show their whole window with one scale on both axes; the stagnation
// markers sit on the flow's stagnation points; the singular edge is marked only where it is.
TEST_F(FlowPictureTest, PlanesWindowsAndMarkers) {
    const auto markersOf = [](const Surface& surface) {
        std::vector<SurfaceItem> markers;
        for (const SurfaceItem& item : surface.items()) {
            if (item.kind == SurfaceItem::Kind::Marker) {
                markers.push_back(item);
            }
        }
        return markers;
    };
    const FlowPicture cambered = pictureOf(12, 4, 5);
    Surface surface;
    drawFlowPlane(surface, cambered, 1, {0, 0, 200, 100});
    const UserRect& r = surface.scale();
    // The profile window -0.5..1.5 x -0.6..0.6 is 2 : 1.2; for a 2 : 1 box it widens to 2.4
    // about its middle x = 0.5.
    EXPECT_FLOAT_EQ(r.x1, -0.7f);
    EXPECT_FLOAT_EQ(r.x2, 1.7f);
    EXPECT_FLOAT_EQ(r.y1, 0.6f); // top left is the upper corner: y grows upwards
    EXPECT_FLOAT_EQ(r.y2, -0.6f);
    // For a square box it grows to 2 in height about y = 0.
    drawFlowPlane(surface, cambered, 1, {0, 0, 100, 100});
    EXPECT_FLOAT_EQ(surface.scale().y1, 1.0f);
    EXPECT_FLOAT_EQ(surface.scale().x2 - surface.scale().x1, 2.0f);

    std::vector<SurfaceItem> markers = markersOf(surface);
    ASSERT_EQ(markers.size(), 2u); // a ring and a dot for the front stagnation point
    const FlowPoint& front = cambered.flow().frontStagnation();
    EXPECT_EQ(markers[1].x1, static_cast<float>(front.x));
    EXPECT_EQ(markers[1].y1, static_cast<float>(front.y));
    // The trailing edge has its own mark, a diamond about (1, 0), not a stagnation point's dot.
    int diamonds = 0;
    for (const SurfaceItem& item : surface.items()) {
        if (item.kind == SurfaceItem::Kind::Polygon && item.points.size() == 4) {
            ++diamonds;
            EXPECT_FLOAT_EQ((item.points[0].x + item.points[2].x) / 2, 1.0f);
            EXPECT_NEAR((item.points[1].y + item.points[3].y) / 2, 0.0f, 1e-6);
        }
    }
    EXPECT_EQ(diamonds, 2); // ring and fill
    // In the circle plane the circle's flow stagnates there: a white dot.
    drawFlowPlane(surface, cambered, 0, {0, 0, 100, 100});
    markers = markersOf(surface);
    ASSERT_EQ(markers.size(), 4u);
    EXPECT_EQ(markers[3].x1, 1.0f);
    EXPECT_EQ(markers[3].colour, rgb(255, 255, 255));

    // The flat plate at 5 degrees: the stagnation point (x/c 0.0076) drawn over the sharp
    // leading edge's mark, not hidden under it.
    const FlowPicture plate = pictureOf(0, 0, 5);
    drawFlowPlane(surface, plate, 1, {0, 0, 100, 100});
    markers = markersOf(surface);
    ASSERT_EQ(markers.size(), 4u);
    EXPECT_EQ(markers[1].colour, rgb(255, 215, 0));
    EXPECT_EQ(markers[3].colour, rgb(255, 255, 255));
    EXPECT_NEAR(markers[3].x1, 0.0076, 1e-4);

    // The key writes the speed at which the flow leaves the trailing edge: cos(alpha + Beta) / R,
    // cos 5 degrees = 0.996 on the flat plate (Beta = 0, R = 1).
    Surface key;
    drawFlowKey(key, plate.flow(), 600, 16);
    bool written = false;
    for (const SurfaceItem& item : key.items()) {
        written = written || item.text == "trailing edge: the Kutta condition; the flow leaves it "
                                          "at V/V\u221e = 0.996";
    }
    EXPECT_TRUE(written);

    drawFlowPlane(surface, pictureOf(0, 0, 10), 0, {0, 0, 100, 100});
    markers = markersOf(surface);
    ASSERT_EQ(markers.size(), 6u);
    EXPECT_EQ(markers[1].x1, -1.0f); // zeta = -1 in the circle plane, under the others
    EXPECT_EQ(markers[1].y1, 0.0f);
    drawFlowPlane(surface, pictureOf(0, 0, 0), 0,
                  {0, 0, 100, 100}); // the flow leaves the edge smoothly
    EXPECT_EQ(markersOf(surface).size(), 4u);
}

// The table's corners and a needle-nosed row at both extreme angles: the picture is built and
// drawn at every stage with finite numbers only, the singular leading edges included.
TEST_F(FlowPictureTest, ExtremeRowsDrawOnlyFiniteNumbers) {
    const int rows[][2] = {{0, 0}, {0, 15}, {1, 0}, {30, 0}, {30, 15}};
    for (const auto& row : rows) {
        for (int alfa : {-10, 10}) {
            const FlowPicture picture = pictureOf(row[0], row[1], alfa);
            for (int k = 0; k < picture.rings(); ++k) {
                for (int j = 0; j < picture.sectors(); ++j) {
                    ASSERT_TRUE(std::isfinite(picture.profileCp(k, j)));
                }
            }
            Surface surface;
            for (double t : {0.0, 0.5, 1.0}) {
                drawFlowPlane(surface, picture, t, {0, 0, 150, 100});
                for (const SurfaceItem& item : surface.items()) {
                    for (const SurfacePoint p : item.points) {
                        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y))
                            << row[0] << "/" << row[1] << " at " << alfa << ", t " << t;
                    }
                }
            }
        }
    }
}

// The legend's ticks sit at the colours they name: the band under each tick is the band of its
// Cp; within each half of the diverging scale the ticks are evenly spaced (each half linear); the
// suction end is an arrow, and the planes' minima are written.
TEST(FlowLegend, TicksSitAtTheColoursTheyName) {
    Surface legend;
    drawCpLegend(legend, -62.04, -3.5);
    std::vector<const SurfaceItem*> bands;
    std::map<double, double> ticks; // Cp -> y
    bool arrow = false;
    std::vector<std::string> notes;
    for (const SurfaceItem& item : legend.items()) {
        if (item.kind == SurfaceItem::Kind::Polygon) {
            (item.points.size() == 4 ? bands.push_back(&item) : void(arrow = true));
        }
        if (item.kind == SurfaceItem::Kind::Text && item.font == TextFont::Caption) {
            std::string text = item.text;
            const bool negative = text.rfind("\u2212", 0) == 0;
            ticks[(negative ? -1 : 1) * std::stod(negative ? text.substr(3) : text)] = item.y1;
        }
        if (item.kind == SurfaceItem::Kind::Text && item.font == TextFont::Tick) {
            notes.push_back(item.text);
        }
    }
    ASSERT_EQ(ticks.size(), 6u);
    for (const auto& [Cp, y] : ticks) {
        // Just inside the bar from the tick, on the side of its own value's band.
        const double inside = Cp == kCpMax ? y - 1e-4 : y + 1e-4;
        const auto band = std::find_if(bands.begin(), bands.end(), [&](const SurfaceItem* b) {
            return b->points[0].y <= inside && inside <= b->points[2].y;
        });
        ASSERT_NE(band, bands.end()) << Cp;
        const double nudged = Cp == kCpMax ? Cp - 1e-6 : Cp + 1e-6;
        EXPECT_EQ((*band)->colour, bandColour(cpBand(nudged))) << Cp;
    }
    EXPECT_NEAR(ticks[1] - ticks[0.5], ticks[0.5] - ticks[0], 1e-6);
    EXPECT_NEAR(ticks[0] - ticks[-1], ticks[-1] - ticks[-2], 1e-6);
    EXPECT_NEAR(ticks[-1] - ticks[-2], ticks[-2] - ticks[-3], 1e-6);
    EXPECT_TRUE(arrow);
    const std::vector<std::string> expected = {"pressure", "< \u22123", "suction",
                                               "min z \u221262.0", "min \u03b6 \u22123.5"};
    EXPECT_EQ(notes, expected);
}

} // namespace
} // namespace kestrel
