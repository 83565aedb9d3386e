// SPDX-License-Identifier: MIT
// The records are the whole pictures: a plot's picture carries its background, sunken border and
// labels as items; the flow picture its planes' shading images, frames and legend; the particles
// their dots.
#include "plots/flow_picture.h"
#include "plots/plot_picture.h"
#include "plots_test_support.h"

#include <array>
#include <gtest/gtest.h>

namespace kestrel {
namespace {

std::vector<const SurfaceItem*> itemsOfKind(const Surface& s, SurfaceItem::Kind kind) {
    std::vector<const SurfaceItem*> found;
    for (const SurfaceItem& item : s.items()) {
        if (item.kind == kind) {
            found.push_back(&item);
        }
    }
    return found;
}

// The profile plot is 320 x 160 pixels with a border of 2: the outer lines run through the
// centres of the outermost pixels (0.5 and 319.5), the inner ones a pixel further in.
TEST(PlotPicture, CarriesBackgroundBorderPlotAndLabels) {
    Surface plot(kProfilForeground);
    plot.Scale(-0.1, 0.25, 1.1, -0.35);
    plot.Line(0, 0, 1, 0);
    const Surface picture = plotPicture(plot, SurfaceId::profil, PictureLabels::Painted);
    EXPECT_EQ(picture.scale(), (UserRect{0, 0, 320, 160}));
    const auto& items = picture.items();
    ASSERT_GE(items.size(), 11u);
    EXPECT_EQ(items[0].kind, SurfaceItem::Kind::Rect);
    EXPECT_EQ(items[0].colour, kPlotBackground);
    const auto edges = itemsOfKind(picture, SurfaceItem::Kind::Edge);
    ASSERT_EQ(edges.size(), 8u);
    const SurfaceItem& first = *edges[0];
    EXPECT_EQ((std::array{first.x1, first.y1, first.x2, first.y2, first.sizePx}),
              (std::array{0.5f, 159.5f, 0.5f, 0.5f, 1.0f}));
    EXPECT_EQ(first.colour, kBorderOuterDark);
    EXPECT_EQ(edges[2]->x1, 319.5f);
    EXPECT_EQ(edges[4]->x1, 1.5f);
    EXPECT_EQ(edges[7]->colour, kBorderInnerLight);
    // The plot's own items follow in its drawing area inside the border.
    EXPECT_EQ(items[9].kind, SurfaceItem::Kind::Area);
    EXPECT_EQ(items[9].box, (ItemBox{2, 2, 316, 156}));
    EXPECT_EQ((UserRect{items[9].x1, items[9].y1, items[9].x2, items[9].y2}), plot.scale());
    EXPECT_EQ(items[10], plot.items()[0]);
    // Five labels on profil, each an opaque box and its text; none when widgets show them.
    EXPECT_EQ(itemsOfKind(picture, SurfaceItem::Kind::Label).size(), 5u);
    const Surface window = plotPicture(plot, SurfaceId::profil, PictureLabels::LeftToWidgets);
    EXPECT_EQ(window.items().size(), 11u);
}

// Both planes, each with its shading image first and its frame after it, then the legend.
TEST(FlowRecord, HoldsPlanesWithImagesFramesAndTheLegend) {
    const FlowPicture picture(test::flowState(12, 4, 51, 5));
    Surface record;
    recordFlowPicture(record, picture, 0.5, 700, 300, 2);
    const FlowLayout layout = flowLayout(700, 300);
    const auto areas = itemsOfKind(record, SurfaceItem::Kind::Area);
    ASSERT_EQ(areas.size(), 6u); // left, back to pixels, right, back to pixels, legend, key
    EXPECT_EQ(areas[0]->box, (ItemBox{4, 4, 308, 276}));
    EXPECT_EQ(areas[4]->box.left, static_cast<float>(layout.legend.left));
    EXPECT_EQ(areas[5]->box.top, static_cast<float>(layout.left.top + layout.left.height));
    const auto images = itemsOfKind(record, SurfaceItem::Kind::Image);
    ASSERT_EQ(images.size(), 2u);
    for (const SurfaceItem* image : images) {
        EXPECT_EQ(image->image->width, 2 * layout.left.width);
        EXPECT_EQ(image->image->height, 2 * layout.left.height);
    }
    std::vector<const SurfaceItem*> frames;
    for (const SurfaceItem* rect : itemsOfKind(record, SurfaceItem::Kind::Rect)) {
        if (rect->sizePx > 0) {
            frames.push_back(rect);
        }
    }
    ASSERT_EQ(frames.size(), 2u); // the planes' frames; the rest are grounds under texts
    EXPECT_EQ(frames[0]->colour, kFlowFrameColour);
    EXPECT_EQ(frames[0]->sizePx, 1.0f);
    EXPECT_EQ(frames[1]->x1, static_cast<float>(layout.right.left));
}

// Each dot is a ring and a white dot inside it, in the picture's pixels.
TEST(FlowRecord, ParticlesAreRingedDots) {
    Surface record;
    recordParticles(record, {{10, 20}, {30.5, 40}}, 200, 100);
    EXPECT_EQ(record.scale(), (UserRect{0, 0, 200, 100}));
    ASSERT_EQ(record.items().size(), 4u);
    EXPECT_EQ(record.items()[0].colour, kParticleRing);
    EXPECT_EQ(record.items()[0].sizePx, 6.0f);
    EXPECT_EQ(record.items()[3].x1, 30.5f);
    EXPECT_EQ(record.items()[3].colour, kParticleFill);
}

} // namespace
} // namespace kestrel
