// SPDX-License-Identifier: MIT
// Rendering a recorded surface: a few pixel checks where rendering itself is the subject.

#include "plots/painter.h"
#include "plots_test_support.h"
#include "tests/support/gui_environment.h"
#include "tests/support/pixels.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

namespace kestrel {
namespace {

const QColor kWhite(255, 255, 255);

[[maybe_unused]] const ::testing::Environment* const kGui = test::GuiEnvironment::registerOnce();

QImage paint(const Surface& surface, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    paintSurface(painter, surface, QRectF(0, 0, width, height));
    painter.end();
    return image;
}

TEST(Painter, ColourBytesBecomeRedGreenBlue) {
    EXPECT_EQ(toQColor(rgb(255, 0, 0)), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0xFF0000), QColor(0, 0, 255)); // the high byte is blue
    EXPECT_EQ(toQColor(kMagenta), QColor(255, 0, 255));
    EXPECT_EQ(toQColor(rgb(0x12, 0x34, 0x56)), QColor(0x12, 0x34, 0x56));
}

// User units equal pixels here; y = 50.5 runs through the centres of pixel row 50.
TEST(Painter, LineIsPaintedWhereTheScaleMapsItAndNowhereElse) {
    Surface surface(test::kForeground);
    surface.Scale(0, 0, 100, 100);
    surface.Line(10, 50.5, 90, 50.5, rgb(255, 0, 0));
    const QImage image = paint(surface, 100, 100);
    for (int x = 12; x <= 88; ++x) {
        EXPECT_TRUE(test::shows(image.pixel(x, 50), rgb(255, 0, 0))) << "x " << x;
    }
    for (int x : {2, 7, 93, 98}) {
        EXPECT_EQ(image.pixelColor(x, 50), kWhite) << "x " << x;
    }
    for (int y : {0, 20, 47, 53, 80, 99}) {
        for (int x = 0; x < 100; x += 11) {
            EXPECT_EQ(image.pixelColor(x, y), kWhite) << x << ", " << y;
        }
    }
}

// On a 400 x 100 image the lift plot's corners give 12.5 pixels per degree but 16.7 per unit
// of CL. A circle of radius 2 horizontal units must be 25 pixels in radius both ways; stretched
// with the axes it would be 33 pixels tall.
TEST(Painter, CircleStaysRoundUnderUnequalAxisScales) {
    Surface surface(test::kForeground);
    surface.Scale(-16, -4, 16, 2);
    surface.Circle(0, -1, 2, rgb(255, 0, 0));
    const QImage image = paint(surface, 400, 100);
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test::shows(image.pixel(x, y), rgb(255, 0, 0))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GE(right, left) << "nothing painted";
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    EXPECT_NEAR(width, 50, 2);
    EXPECT_NEAR(height, 50, 2);
    EXPECT_NEAR((left + right) / 2.0, 200, 1.5); // centre at 0 degrees
    EXPECT_NEAR((top + bottom) / 2.0, 50, 1.5);  // and at 3/6 of the height
    // The inside of the outline is not filled.
    EXPECT_EQ(image.pixelColor(200, 50), kWhite);
}

// The bounding box of the pixels that show a colour.
struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

Box boxOf(const QImage& image, Colour colour) {
    Box box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test::shows(image.pixel(x, y), colour)) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

// A horizontal run 5 pixels wide, then down: an L whose arms are 5 pixels thick.
TEST(Painter, PolylineIsAsWideAsItsPixelWidthOnEveryLeg) {
    Surface surface(test::kForeground);
    surface.Scale(0, 0, 100, 100);
    surface.Polyline({{20, 30}, {80, 30}, {80, 90}}, rgb(0, 0, 255), 5);
    const QImage image = paint(surface, 100, 100);
    int thickness = 0;
    for (int y = 0; y < 100; ++y) {
        thickness += test::shows(image.pixel(50, y), rgb(0, 0, 255)) ? 1 : 0;
    }
    EXPECT_NEAR(thickness, 5, 1);
    int across = 0;
    for (int x = 0; x < 100; ++x) {
        across += test::shows(image.pixel(x, 60), rgb(0, 0, 255)) ? 1 : 0;
    }
    EXPECT_NEAR(across, 5, 1);
    // The legs are not closed into a triangle.
    EXPECT_EQ(image.pixelColor(40, 70), kWhite);
}

// A right triangle with legs of 60 pixels: filled, and nothing outside it.
TEST(Painter, PolygonIsFilledWithItsColourOnly) {
    Surface surface(test::kForeground);
    surface.Scale(0, 0, 100, 100);
    surface.Polygon({{20, 20}, {80, 20}, {20, 80}}, rgb(0, 255, 0));
    const QImage image = paint(surface, 100, 100);
    EXPECT_EQ(image.pixelColor(30, 30), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(45, 45), QColor(0, 255, 0)); // just inside the hypotenuse
    EXPECT_EQ(image.pixelColor(55, 55), kWhite);            // just outside it
    const Box box = boxOf(image, rgb(0, 255, 0));
    EXPECT_NEAR(box.left, 20, 1);
    EXPECT_NEAR(box.right, 79, 1);
    EXPECT_NEAR(box.top, 20, 1);
    EXPECT_NEAR(box.bottom, 79, 1);
}

// A marker of 10 pixels in diameter under unequal axis scales stays a round 10-pixel dot.
TEST(Painter, MarkerIsARoundDotOfItsPixelSize) {
    Surface surface(test::kForeground);
    surface.Scale(-16, -4, 16, 2);
    surface.Marker(0, -1, 10, rgb(255, 0, 0));
    const QImage image = paint(surface, 400, 100);
    const Box box = boxOf(image, rgb(255, 0, 0));
    EXPECT_NEAR(box.width(), 10, 1);
    EXPECT_NEAR(box.height(), 10, 1);
    EXPECT_NEAR((box.left + box.right) / 2.0, 200, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2.0, 50, 1);
    EXPECT_TRUE(test::shows(image.pixel(200, 50), rgb(255, 0, 0))); // filled
}

// Left, centred and right texts sit on their side of the anchor, centred on its height.
TEST(Painter, TextIsAlignedOnItsAnchor) {
    test::GuiEnvironment::ensure();
    const auto boxFor = [](TextAlign align) {
        Surface surface(test::kForeground);
        surface.Scale(0, 0, 200, 100);
        surface.Text(100, 50, "Cp \u2192 x/c", rgb(0, 0, 0), align, TextFont::Heading);
        return boxOf(paint(surface, 200, 100), rgb(0, 0, 0));
    };
    const Box left = boxFor(TextAlign::Left);
    const Box centre = boxFor(TextAlign::Centre);
    const Box right = boxFor(TextAlign::Right);
    ASSERT_GT(left.width(), 20) << "no text painted";
    EXPECT_GE(left.left, 100);
    EXPECT_LE(left.left, 102);
    EXPECT_LE(right.right, 100);
    EXPECT_GE(right.right, 97);
    EXPECT_NEAR((centre.left + centre.right) / 2.0, 100, 2);
    for (const Box& b : {left, centre, right}) {
        EXPECT_NEAR((b.top + b.bottom) / 2.0, 50, 3);
        EXPECT_LT(b.height(), 16); // one line of a 9 pt font
    }
    EXPECT_NEAR(left.width(), right.width(), 1);
}

} // namespace
} // namespace kestrel
