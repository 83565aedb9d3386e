// SPDX-License-Identifier: MIT
// The recording surface and the map from user to device coordinates.

#include "plots/colours.h"
#include "plots/surface.h"
#include "plots_test_support.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

using test::kForeground;

TEST(Surface, ClsErasesTheRecordAndCountsTheClears) {
    Surface surface(kForeground);
    int changes = 0;
    surface.setOnChange([&changes] { ++changes; });
    surface.Line(0, 0, 1, 1);
    surface.Circle(0, 0, 1, rgb(255, 0, 0));
    ASSERT_EQ(surface.items().size(), 2u);
    EXPECT_EQ(surface.clears(), 0u);
    surface.Cls();
    EXPECT_TRUE(surface.items().empty());
    surface.Cls();
    EXPECT_EQ(surface.clears(), 2u);
    EXPECT_EQ(changes, 4); // two drawings and two clears, each reported once
}

TEST(Surface, ScaleSetsTheCornersRoundedToSinglePrecision) {
    Surface surface;
    surface.Scale(-0.1, -0.35, 1.1, 0.25);
    EXPECT_EQ(surface.scale(), (UserRect{-0.1f, -0.35f, 1.1f, 0.25f}));
    // Setting the scale draws nothing and clears nothing.
    EXPECT_TRUE(surface.items().empty());
    EXPECT_EQ(surface.clears(), 0u);
}

TEST(Surface, LineTakesTheForegroundUnlessGivenAColour) {
    Surface surface(kForeground);
    surface.Line(-2, 0, 2, 0);
    surface.Line(0.1, 0.2, 0.3, 0.4, rgb(0, 0, 255));
    ASSERT_EQ(surface.items().size(), 2u);
    EXPECT_EQ(surface.items()[0], test::line(-2, 0, 2, 0, kForeground));
    const SurfaceItem& coloured = surface.items()[1];
    EXPECT_EQ(coloured.kind, SurfaceItem::Kind::Line);
    // 0.1 has no exact binary form: the double and the float differ, and the float is kept.
    EXPECT_EQ(coloured.x1, 0.1f);
    EXPECT_NE(static_cast<double>(coloured.x1), 0.1);
    EXPECT_EQ(coloured.y1, 0.2f);
    EXPECT_EQ(coloured.x2, 0.3f);
    EXPECT_EQ(coloured.y2, 0.4f);
    EXPECT_EQ(coloured.colour, 0xFF0000); // blue lives in the high byte
}

TEST(Surface, CircleRecordsCentreRadiusAndColour) {
    Surface surface(kForeground);
    surface.Circle(-5, 0.7, 0.4, kMagenta);
    ASSERT_EQ(surface.items().size(), 1u);
    const SurfaceItem& item = surface.items()[0];
    EXPECT_EQ(item.kind, SurfaceItem::Kind::Circle);
    EXPECT_EQ(item.x1, -5.0f);
    EXPECT_EQ(item.y1, 0.7f);
    EXPECT_EQ(item.r, 0.4f);
    EXPECT_EQ(item.colour, 0xFF00FF);
}

TEST(Surface, PolylinePolygonTextAndMarkerAreRecordedInSinglePrecision) {
    Surface surface(kForeground);
    surface.Polyline({{0.1, 0.2}, {1, -1}, {2.5, 3}}, kMagenta, 2.5);
    surface.Polygon({{0, 0}, {1, 0}, {0.3, 0.7}}, rgb(0, 0, 255));
    surface.Text(0.1, -2, "x/c \u2192 \u00e7", kForeground, TextAlign::Right, TextFont::Heading);
    surface.Text(1, 2, "Cp", kForeground);
    surface.Marker(-0.7, 0.35, 6, rgb(255, 0, 0));
    ASSERT_EQ(surface.items().size(), 5u);

    const SurfaceItem& polyline = surface.items()[0];
    EXPECT_EQ(polyline.kind, SurfaceItem::Kind::Polyline);
    EXPECT_EQ(polyline.points, (std::vector<SurfacePoint>{{0.1f, 0.2f}, {1, -1}, {2.5f, 3}}));
    EXPECT_EQ(polyline.sizePx, 2.5f);
    EXPECT_EQ(polyline.colour, kMagenta);
    // A polyline drawn without a width is one pixel wide.
    surface.Polyline({{0, 0}, {1, 1}}, kMagenta);
    EXPECT_EQ(surface.items().back().sizePx, 1.0f);

    const SurfaceItem& polygon = surface.items()[1];
    EXPECT_EQ(polygon.kind, SurfaceItem::Kind::Polygon);
    EXPECT_EQ(polygon.points, (std::vector<SurfacePoint>{{0, 0}, {1, 0}, {0.3f, 0.7f}}));
    EXPECT_EQ(polygon.colour, 0xFF0000);

    const SurfaceItem& heading = surface.items()[2];
    EXPECT_EQ(heading.kind, SurfaceItem::Kind::Text);
    EXPECT_EQ(heading.x1, 0.1f);
    EXPECT_EQ(heading.y1, -2.0f);
    EXPECT_EQ(heading.text, "x/c \xe2\x86\x92 \xc3\xa7"); // the same letters as UTF-8 bytes
    EXPECT_EQ(heading.align, TextAlign::Right);
    EXPECT_EQ(heading.font, TextFont::Heading);
    const SurfaceItem& caption = surface.items()[3];
    EXPECT_EQ(caption.align, TextAlign::Left);
    EXPECT_EQ(caption.font, TextFont::Caption);

    const SurfaceItem& marker = surface.items()[4];
    EXPECT_EQ(marker.kind, SurfaceItem::Kind::Marker);
    EXPECT_EQ(marker.x1, -0.7f);
    EXPECT_EQ(marker.y1, 0.35f);
    EXPECT_EQ(marker.sizePx, 6.0f);
    EXPECT_EQ(marker.colour, rgb(255, 0, 0));
}

TEST(Colours, RenklerSetsTheFourColoursRedInTheLowByte) {
    State s;
    EXPECT_EQ(s.clRed, 0); // unset before the first run
    renkler(s);
    EXPECT_EQ(s.clBlack, 0x000000);
    EXPECT_EQ(s.clRed, 0x0000FF);
    EXPECT_EQ(s.clGreen, 0x00FF00);
    EXPECT_EQ(s.clBlue, 0xFF0000);
    EXPECT_EQ(kMagenta, 0xFF00FF);
}

// A 400 x 100 device rectangle at (10, 20) under the lift plot's corners (-16, -4)-(16, 2):
// 12.5 device units per horizontal user unit, 100/6 per vertical one.
TEST(ScaleMap, MapsCornersToCornersAndIsLinearInBetween) {
    const ScaleMap map(UserRect{-16, -4, 16, 2}, 10, 20, 400, 100);
    EXPECT_DOUBLE_EQ(map.x(-16), 10);
    EXPECT_DOUBLE_EQ(map.y(-4), 20);
    EXPECT_DOUBLE_EQ(map.x(16), 410);
    EXPECT_DOUBLE_EQ(map.y(2), 120);
    EXPECT_DOUBLE_EQ(map.x(0), 210);  // half way across
    EXPECT_DOUBLE_EQ(map.y(-1), 70);  // half way down
    EXPECT_DOUBLE_EQ(map.x(-12), 60); // 4 units of 12.5 from the left edge
    EXPECT_DOUBLE_EQ(map.horizontalLength(0.4), 5);
    EXPECT_DOUBLE_EQ(map.horizontalLength(-0.4), 5);
    EXPECT_DOUBLE_EQ(map.userX(map.x(3.25)), 3.25);
    EXPECT_DOUBLE_EQ(map.userY(map.y(-2.5)), -2.5);
}

} // namespace
} // namespace kestrel
