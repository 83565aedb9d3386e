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
#include <numbers>

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

// Every streamline point sits at the circle point at t = 0, at its image at t = 1, and at
// mapAt in between; the dividing streamline is the wide one.
TEST_F(FlowPictureTest, StreamlinesMorphFromTheCircleToTheProfile) {
    const FlowPicture picture = pictureOf(12, 4, 5);
    const Flow& flow = picture.flow();
    for (double t : {0.0, 0.4, 1.0}) {
        Surface surface;
        drawFlowPlane(surface, picture, t, {0, 0, 250, 200});
        std::vector<const SurfaceItem*> polylines;
        for (const SurfaceItem& item : surface.items()) {
            if (item.kind == SurfaceItem::Kind::Polyline && item.colour == rgb(20, 20, 20)) {
                polylines.push_back(&item);
            }
        }
        ASSERT_EQ(polylines.size(), picture.streamlines().size()) << t;
        for (std::size_t i = 0; i < polylines.size(); ++i) {
            const Streamline& line = picture.streamlines()[i];
            ASSERT_EQ(polylines[i]->points.size(), line.points.size());
            EXPECT_EQ(polylines[i]->sizePx, line.dividing ? 2.5f : 1.0f);
            for (std::size_t p = 0; p < line.points.size(); p += 7) {
                const FlowPoint& f = line.points[p];
                const Complex zeta(f.xc, f.yc);
                const Complex expected = t == 0   ? zeta
                                         : t == 1 ? Complex(f.x, f.y)
                                                  : flow.mapAt(zeta, t);
                EXPECT_NEAR(polylines[i]->points[p].x, expected.real(), 1e-5);
                EXPECT_NEAR(polylines[i]->points[p].y, expected.imag(), 1e-5);
                if (t != 0.4) { // the ends are exact, rounded to single precision
                    EXPECT_EQ(polylines[i]->points[p].x, static_cast<float>(expected.real()));
                }
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
    ASSERT_EQ(markers.size(), 4u); // a ring and a dot for each stagnation point
    const FlowPoint& front = cambered.flow().frontStagnation();
    EXPECT_EQ(markers[1].x1, static_cast<float>(front.x));
    EXPECT_EQ(markers[1].y1, static_cast<float>(front.y));
    EXPECT_EQ(markers[3].x1, 1.0f); // the trailing edge
    EXPECT_EQ(markers[3].y1, 0.0f);

    drawFlowPlane(surface, pictureOf(0, 0, 10), 0, {0, 0, 100, 100});
    markers = markersOf(surface);
    ASSERT_EQ(markers.size(), 6u);
    EXPECT_EQ(markers[5].x1, -1.0f); // zeta = -1 in the circle plane
    EXPECT_EQ(markers[5].y1, 0.0f);
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

} // namespace
} // namespace kestrel
