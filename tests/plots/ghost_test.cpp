// SPDX-License-Identifier: MIT
// A kept profile drawn as a ghost: its label and faded colours, and in the compressibility chart
// and the flow picture its own curves and outline, added to the current picture and changing
// nothing else in it.

#include "model/compressibility.h"
#include "plots/compressibility_chart.h"
#include "plots/flow_picture.h"
#include "plots_test_support.h"

namespace kestrel {
namespace {

ChainInputs inputsOf(int thickness, int camber, int alpha) {
    ChainInputs in;
    in.thickness = thickness;
    in.camber = camber;
    in.alpha = alpha;
    in.xm = 25;
    in.mach = "0.5";
    return in;
}

// The record without the items in any of the ghost's colours, and without the shading, whose
// pixels each drawing makes afresh.
std::vector<SurfaceItem> withoutGhost(const Surface& s, const std::vector<Colour>& ghostColours) {
    std::vector<SurfaceItem> out;
    for (const SurfaceItem& item : s.items()) {
        if (item.kind != SurfaceItem::Kind::Image &&
            std::find(ghostColours.begin(), ghostColours.end(), item.colour) ==
                ghostColours.end()) {
            out.push_back(item);
        }
    }
    return out;
}

TEST(Ghost, IsLabelledWithItsInputsInFadedColours) {
    const Ghost kept(inputsOf(12, 4, 5));
    EXPECT_EQ(kept.label(), "Kept: t/c 0.12, f/c 0.04, α 5°, xM/c 0.25, M∞ 0.5");
    EXPECT_EQ(kept.state().Camber, 0.04);
    // 40 % of the colour and 60 % of white: 0.4 * 255 + 153 = 255, 0.4 * 0 + 153 = 153.
    EXPECT_EQ(ghostColour(kMagenta), rgb(255, 153, 255));
    EXPECT_EQ(ghostColour(rgb(0, 70, 255)), rgb(153, 181, 255));
}

TEST(Ghost, CompressibilityChartAddsTheKeptRulesCurves) {
    const ChainResult current = computeFullChain(inputsOf(12, 0, 5));
    const Ghost kept(inputsOf(12, 4, 5));
    const CompressibleSurface currentSurface(current.state);
    Surface plain;
    drawCompressibilityChart(plain, machChart(currentSurface), 0.5);
    Surface ghosted;
    drawCompressibilityChart(ghosted, machChart(currentSurface), 0.5, &kept);

    std::vector<Colour> ghostColours{kGhostColour};
    // Each rule's kept curve starts at M = 0 at the kept profile's own incompressible minimum.
    const double keptMinimum = CompressibleSurface(kept.state()).minimum().Cp;
    for (const CompressibilityRule rule : kCompressibilityRules) {
        const Colour colour = ghostColour(ruleColour(rule));
        ghostColours.push_back(colour);
        const auto curve = std::find_if(
            ghosted.items().begin(), ghosted.items().end(), [colour](const SurfaceItem& item) {
                return item.kind == SurfaceItem::Kind::Polyline && item.colour == colour;
            });
        ASSERT_NE(curve, ghosted.items().end()) << ruleIndex(rule);
        EXPECT_EQ(curve->points.front(), (SurfacePoint{0, static_cast<float>(keptMinimum)}));
    }
    const auto label = std::find_if(
        ghosted.items().begin(), ghosted.items().end(), [&kept](const SurfaceItem& item) {
            return item.kind == SurfaceItem::Kind::Text && item.text == kept.label();
        });
    EXPECT_NE(label, ghosted.items().end());
    EXPECT_EQ(withoutGhost(ghosted, ghostColours), plain.items());
}

TEST(Ghost, FlowPlaneOutlinesTheKeptBodyAtTheSameStage) {
    const FlowPicture current(test::flowState(12, 0, 51, 5));
    const Ghost kept(inputsOf(12, 4, 5));
    const FlowPicture keptPicture(kept.state());
    for (const double t : {0.0, 0.5, 1.0}) {
        SCOPED_TRACE(t);
        Surface plain;
        drawFlowPlane(plain, current, t, {0, 0, 200, 120});
        Surface ghosted;
        drawFlowPlane(ghosted, current, t, {0, 0, 200, 120}, 1, &kept);
        const auto outline = std::find_if(
            ghosted.items().begin(), ghosted.items().end(), [](const SurfaceItem& item) {
                return item.kind == SurfaceItem::Kind::Polyline && item.colour == kGhostColour;
            });
        ASSERT_NE(outline, ghosted.items().end());
        const std::vector<MorphPoint>& body = keptPicture.body();
        ASSERT_EQ(outline->points.size(), body.size());
        for (std::size_t i = 0; i < body.size(); i += 60) {
            const auto at = body[i].at(t);
            EXPECT_EQ(outline->points[i],
                      (SurfacePoint{static_cast<float>(at.real()), static_cast<float>(at.imag())}));
        }
        EXPECT_EQ(withoutGhost(ghosted, {kGhostColour}), withoutGhost(plain, {}));
    }
}

} // namespace
} // namespace kestrel
