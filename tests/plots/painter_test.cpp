// SPDX-License-Identifier: MIT
// Rendering a recorded surface: a few pixel checks where rendering itself is the subject.

#include "plots/painter.h"
#include "plots_test_support.h"
#include "tests/support/pixels.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

namespace kestrel {
namespace {

const QColor kWhite(255, 255, 255);

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

} // namespace
} // namespace kestrel
