// SPDX-License-Identifier: MIT
// A kept profile drawn as a ghost: its label and faded colours, and in every study chart its own
// curves and outline, added to the current picture and changing nothing else in it; what the
// charts compute from it computed once.

#include "model/boundary_layer_view.h"
#include "model/compressibility.h"
#include "model/theory.h"
#include "plots/boundary_layer_plots.h"
#include "plots/compressibility_chart.h"
#include "plots/flow_picture.h"
#include "plots/sonic_chart.h"
#include "plots/theory_charts.h"
#include "plots_test_support.h"

#include <functional>

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

namespace kestrel {
namespace {

// The colours a chart's ghost may take: the label's and the faded version of every colour the
// chart draws the current profile in, and of the marks the kept layer may have and the current
// one lacks.
std::vector<Colour> ghostColoursOf(const Surface& plain) {
    std::vector<Colour> colours{kGhostColour};
    for (const Colour mark : {kTransitionColour, kSeparationColour, kPolarLateColour,
                              kPolarSeparatedColour, kCurrentAngleColour}) {
        colours.push_back(ghostColour(mark));
    }
    for (const SurfaceItem& item : plain.items()) {
        colours.push_back(ghostColour(item.colour));
    }
    return colours;
}

bool holdsText(const Surface& s, const std::string& text) {
    return std::any_of(s.items().begin(), s.items().end(),
                       [&text](const SurfaceItem& item) { return item.text == text; });
}

// Each chart of the study window beside the flow picture and the Mach chart, drawn for the current
// profile with and without a kept one. Every one draws the kept profile in ghost colours, and
// nothing else where its axes stay as they are; all but the small Cf and H charts its label.
TEST(Ghost, EveryStudyChartDrawsTheKeptProfileFaintlyAndLabelled) {
    const ChainResult current = computeFullChain(inputsOf(12, 0, 5));
    const State& s = current.state;
    const Ghost kept(inputsOf(12, 4, 5));
    const CompressibleSurface compressible(s);
    const SonicSurface sonic(s, compressible);
    const TheoryComparison theory = compareWithThinAirfoil(s);
    const BoundaryLayerOptions options;
    const BoundaryLayerView layer = boundaryLayerView(s, options);
    const std::optional<KeptLayer> keptLayerOfTab = keptLayer(&kept, options);
    ASSERT_TRUE(keptLayerOfTab);
    struct Chart {
        const char* name;
        bool sameFrame; // the kept profile leaves the axes as they are
        bool labelled;  // the Cf and H charts leave it to the profile picture beside them
        std::function<void(Surface&, const Ghost*)> draw;
    };
    const auto layerOf = [&keptLayerOfTab](const Ghost* k) {
        return k != nullptr ? &*keptLayerOfTab : nullptr;
    };
    const Chart charts[] = {
        {"sonic", true, true,
         [&](Surface& c, const Ghost* k) { drawSonicChart(c, sonic, 0.55, k); }},
        {"lift", false, true, [&](Surface& c, const Ghost* k) { drawTheoryLift(c, theory, k); }},
        {"moment", false, true,
         [&](Surface& c, const Ghost* k) { drawTheoryMoment(c, theory, k); }},
        {"load", false, true, [&](Surface& c, const Ghost* k) { drawTheoryLoad(c, theory, k); }},
        {"layer profile", true, true,
         [&](Surface& c, const Ghost* k) { drawLayerProfile(c, s, layer.layer, 2, layerOf(k)); }},
        {"friction", false, false,
         [&](Surface& c, const Ghost* k) { drawSkinFriction(c, layer.layer, layerOf(k)); }},
        {"shape factor", true, false,
         [&](Surface& c, const Ghost* k) { drawShapeFactor(c, layer.layer, layerOf(k)); }},
        {"polar", false, true,
         [&](Surface& c, const Ghost* k) {
             drawDragPolar(c, layer.polar, layer.alpha, layerOf(k));
         }},
    };
    for (const Chart& chart : charts) {
        SCOPED_TRACE(chart.name);
        Surface plain;
        chart.draw(plain, nullptr);
        Surface ghosted;
        chart.draw(ghosted, &kept);
        const std::vector<Colour> colours = ghostColoursOf(plain);
        EXPECT_EQ(withoutGhost(plain, colours), withoutGhost(plain, {}));
        EXPECT_GT(ghosted.items().size() - withoutGhost(ghosted, colours).size(), 2U);
        EXPECT_EQ(holdsText(ghosted, kept.label()), chart.labelled);
        EXPECT_FALSE(holdsText(plain, kept.label()));
        if (chart.sameFrame) {
            EXPECT_EQ(withoutGhost(ghosted, colours), withoutGhost(plain, colours));
        }
    }
}

// The kept profile's curves are its own: the lift chart's kept line runs through the kept
// profile's exact CL, and the polar's through its drag.
TEST(Ghost, KeptCurvesAreTheKeptProfilesOwn) {
    const ChainResult current = computeFullChain(inputsOf(12, 0, 5));
    const Ghost kept(inputsOf(12, 4, 5));
    const TheoryComparison keptTheory = compareWithThinAirfoil(kept.state());
    Surface lift;
    drawTheoryLift(lift, compareWithThinAirfoil(current.state), &kept);
    const Colour colour = ghostColour(exactTheoryColour());
    const auto line = std::find_if(lift.items().begin(), lift.items().end(), [colour](auto& i) {
        return i.kind == SurfaceItem::Kind::Polyline && i.points.size() > 2 && i.colour == colour;
    });
    ASSERT_NE(line, lift.items().end());
    ASSERT_EQ(line->points.size(), keptTheory.lift.size());
    EXPECT_EQ(line->points.back().y, static_cast<float>(keptTheory.lift.back().exact));
}

// What the charts compute from the kept profile is computed once: drawing again costs no more
// than drawing; the boundary layer is computed again only for other options, and kept for the
// latest only.
TEST(Ghost, ChartsComputeTheKeptProfileOnce) {
    const Ghost kept(inputsOf(12, 4, 5));
    BoundaryLayerOptions options;
    const BoundaryLayerView* first = keptLayerView(kept, options);
    ASSERT_NE(first, nullptr);
    keptTheory(kept);
    keptSonicSurface(kept);
    keptNumbers(kept);
    EXPECT_EQ(kept.computations(), 4U);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(keptLayerView(kept, options), first);
        keptTheory(kept);
        keptSonicSurface(kept);
        keptComparison(nullptr, 0.5, kept);
    }
    EXPECT_EQ(kept.computations(), 4U);
    const std::vector<double> thickness = first->layer.upper.deltaStar;
    options.reynolds = 2e6;
    const BoundaryLayerView* other = keptLayerView(kept, options);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(kept.computations(), 5U);
    EXPECT_NE(other->layer.upper.deltaStar, thickness); // the layer at the new Reynolds number
}

} // namespace
} // namespace kestrel
