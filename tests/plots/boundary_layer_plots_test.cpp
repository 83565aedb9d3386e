// SPDX-License-Identifier: MIT
// The Boundary layer tab's pictures: the displacement surface in the laminar and turbulent
// colours with transition marked where the model puts it, Cf and H for both sides, and the drag
// polar with the current angle and the angles without a drag.
#include "model/boundary_layer.h"
#include "model/decimal.h"
#include "plots/boundary_layer_plots.h"
#include "tests/plots/plots_test_support.h"

#include <gtest/gtest.h>

namespace kestrel::test {
namespace {

std::vector<const SurfaceItem*> itemsOf(const Surface& s, SurfaceItem::Kind kind, Colour colour) {
    std::vector<const SurfaceItem*> found;
    for (const SurfaceItem& item : s.items()) {
        if (item.kind == kind && item.colour == colour) {
            found.push_back(&item);
        }
    }
    return found;
}

const SurfaceItem* textStarting(const Surface& s, const std::string& start) {
    for (const SurfaceItem& item : s.items()) {
        if (item.kind == SurfaceItem::Kind::Text && item.text.rfind(start, 0) == 0) {
            return &item;
        }
    }
    return nullptr;
}

class LayerPictures : public ::testing::Test {
protected:
    // 12/4 at 5 degrees, Re 1e6: the upper layer separates laminar at about 0.3, turns turbulent
    // and leaves the surface just before the trailing edge; the lower one stays laminar.
    State state = flowState(12, 4, 51, 5);
    BoundaryLayer layer = boundaryLayer(state);
};

TEST_F(LayerPictures, ProfileShowsBothRegimesAndTransitionWhereTheModelPutsIt) {
    ASSERT_TRUE(layer.upper.transition && !layer.lower.transition);
    ASSERT_TRUE(layer.upper.separationX() && !layer.lower.separationX());
    Surface s;
    drawLayerProfile(s, state, layer, 2.0);
    ASSERT_FALSE(s.items().empty());
    EXPECT_EQ(s.items().front().kind, SurfaceItem::Kind::Polygon); // the body under the layer
    // Laminar from each stagnation point (and in the legend), turbulent behind the upper
    // transition (and in the legend).
    EXPECT_EQ(itemsOf(s, SurfaceItem::Kind::Polyline, kLaminarColour).size(), 3U);
    EXPECT_EQ(itemsOf(s, SurfaceItem::Kind::Polyline, kTurbulentColour).size(), 2U);
    const auto marks = itemsOf(s, SurfaceItem::Kind::Marker, kTransitionColour);
    ASSERT_EQ(marks.size(), 1U);
    // The mark sits on the displacement surface, a few thousandths of a chord off the wall.
    EXPECT_NEAR(marks[0]->x1, layer.upper.transition->x, 0.01);
    EXPECT_GT(marks[0]->y1, 0.0F);
    EXPECT_NE(textStarting(s, "transition " + fixedDecimals(layer.upper.transition->x, 2)),
              nullptr);
    // The separation: a cross of two strokes at the upper layer's last station.
    const auto cross = itemsOf(s, SurfaceItem::Kind::Polyline, kSeparationColour);
    ASSERT_EQ(cross.size(), 2U);
    EXPECT_NEAR(cross[0]->points[0].x + cross[0]->points[1].x, 2 * layer.upper.x.back(), 1e-6);
    EXPECT_NE(textStarting(s, "separation " + fixedDecimals(*layer.upper.separationX(), 2)),
              nullptr);
    EXPECT_NE(textStarting(s, "displacement thickness δ*, drawn 10 times thicker"), nullptr);
}

TEST_F(LayerPictures, FrictionAndShapeFactorFollowBothSidesToTheirEnds) {
    Surface cf, h;
    drawSkinFriction(cf, layer);
    drawShapeFactor(h, layer);
    for (const Surface* s : {&cf, &h}) {
        const auto upper = itemsOf(*s, SurfaceItem::Kind::Polyline, kUpperSideColour);
        const auto lower = itemsOf(*s, SurfaceItem::Kind::Polyline, kLowerSideColour);
        ASSERT_EQ(upper.size(), 2U); // the legend's stroke and the curve
        ASSERT_EQ(lower.size(), 2U);
        EXPECT_EQ(upper[1]->points.size(), layer.upper.size());
        EXPECT_FLOAT_EQ(upper[1]->points.back().x, static_cast<float>(layer.upper.x.back()));
        EXPECT_FLOAT_EQ(lower[1]->points.back().x, 1.0F);
        // The transition dot at the laminar layer's end, the model's transition x.
        const auto marks = itemsOf(*s, SurfaceItem::Kind::Marker, kTransitionColour);
        ASSERT_EQ(marks.size(), 1U);
        EXPECT_FLOAT_EQ(marks[0]->x1, static_cast<float>(layer.upper.transition->x));
        EXPECT_EQ(itemsOf(*s, SurfaceItem::Kind::Polyline, kSeparationColour).size(), 2U);
    }
    // H where the laminar layer separates: Thwaites' lambda = -0.09 gives H about 3.5 or more.
    const auto hMark = itemsOf(h, SurfaceItem::Kind::Marker, kTransitionColour);
    EXPECT_GT(hMark[0]->y1, 3.0F);
}

// A hand-made polar: attached at 0 and 2 degrees, late separation at 4, no drag at 6.
TEST(DragPolar, MarksTheCurrentAngleAndShowsTheSeparatedAnglesApart) {
    std::vector<PolarPoint> polar(4);
    polar[0] = {0, 0.3, 0, 0.006, 50, 0.5, 0.6, {}, {}};
    polar[1] = {2, 0.5, 0, 0.007, 0, 0.4, 0.7, {}, {}};
    polar[2] = {4, 0.7, 0, 0.009, 0, 0.2, 0.8, 0.97, {}};
    polar[3] = {6, 0.9, 0, {}, {}, 0.05, 0.9, 0.6, {}};
    Surface s;
    drawDragPolar(s, polar, 6);
    // The attached line runs through the three angles with a drag only.
    const auto line = itemsOf(s, SurfaceItem::Kind::Polyline, kPolarColour);
    ASSERT_EQ(line.size(), 1U);
    ASSERT_EQ(line[0]->points.size(), 3U);
    EXPECT_FLOAT_EQ(line[0]->points[2].x, 0.009F);
    EXPECT_EQ(itemsOf(s, SurfaceItem::Kind::Marker, kPolarLateColour).size(), 2U); // + legend
    // 6 degrees has no CD: at the right edge of the CD axis (0 to 0.01), in grey, and current.
    const auto separated = itemsOf(s, SurfaceItem::Kind::Marker, kPolarSeparatedColour);
    ASSERT_EQ(separated.size(), 2U); // the legend's dot and the point
    EXPECT_FLOAT_EQ(separated[1]->x1, 0.01F);
    EXPECT_FLOAT_EQ(separated[1]->y1, 0.9F);
    const auto current = itemsOf(s, SurfaceItem::Kind::Marker, kCurrentAngleColour);
    ASSERT_EQ(current.size(), 1U);
    EXPECT_FLOAT_EQ(current[0]->x1, 0.01F);
    EXPECT_NE(textStarting(s, "separated, no CD"), nullptr);
    EXPECT_NE(textStarting(s, "α = 6°"), nullptr);

    drawDragPolar(s, polar, 2); // an attached current angle sits on the line
    const auto moved = itemsOf(s, SurfaceItem::Kind::Marker, kCurrentAngleColour);
    ASSERT_EQ(moved.size(), 1U);
    EXPECT_FLOAT_EQ(moved[0]->x1, 0.007F);
    EXPECT_FLOAT_EQ(moved[0]->y1, 0.5F);
}

} // namespace
} // namespace kestrel::test
