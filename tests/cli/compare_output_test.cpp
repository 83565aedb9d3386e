// SPDX-License-Identifier: MIT
// kestrel-calc compare's boundary layer: each state's drag, L/D, transitions and separations as
// kestrel-calc viscous gives them for the same state and options, null where the layer separates,
// and the options refused as viscous refuses them.

#include "tests/cli/json_test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kestrel::test {
namespace {

// The side's transition x/c in a viscous document, null where it has none.
Json transitionOf(const Json& side) {
    return side["transition"].is_null() ? Json() : side["transition"]["x"];
}

TEST(CompareDocument, BoundaryLayerAsViscousGivesIt) {
    const Json doc = documentOf({"compare", "--a", "thickness=12,camber=4,alpha=5", "--b",
                                 "thickness=12,alpha=10", "--reynolds", "3e6", "--ncrit", "7"});
    const std::pair<const char*, std::vector<std::string>> states[] = {
        {"a", {"--thickness", "12", "--camber", "4", "--alpha", "5"}},
        {"b", {"--thickness", "12", "--alpha", "10"}}};
    for (const auto& [key, options] : states) {
        SCOPED_TRACE(key);
        std::vector<std::string> arguments{"viscous", "--reynolds", "3e6", "--ncrit", "7"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const Json viscous = documentOf(arguments);
        const Json& got = doc[key]["boundary_layer"];
        ASSERT_EQ(keysOf(got),
                  (std::vector<std::string>{"reynolds", "ncrit", "CD", "L_over_D", "xtr_upper",
                                            "xtr_lower", "xsep_upper", "xsep_lower"}));
        EXPECT_EQ(got["reynolds"], 3e6);
        EXPECT_EQ(got["ncrit"], 7);
        EXPECT_EQ(got["CD"], viscous["CD"]);
        EXPECT_EQ(got["L_over_D"], viscous["L_over_D"]);
        for (const char* side : {"upper", "lower"}) {
            EXPECT_EQ(got[std::string("xtr_") + side], transitionOf(viscous[side])) << side;
            // Neither profile has a sharp edge: the layer leaves the surface where it separates
            // turbulent.
            EXPECT_EQ(got[std::string("xsep_") + side], viscous[side]["turbulent_separation_x"])
                << side;
        }
    }
    // At Re = 1e6 and N_crit 9 the 12 % symmetric profile at 10 degrees separates at x/c = 0.93
    // on the upper side, ahead of 0.95: no drag.
    const Json separated = documentOf(
        {"compare", "--a", "thickness=12", "--b", "thickness=12,alpha=10"})["b"]["boundary_layer"];
    EXPECT_TRUE(doc["a"]["boundary_layer"]["CD"].is_number());
    EXPECT_TRUE(separated["CD"].is_null());
    EXPECT_TRUE(separated["L_over_D"].is_null());
    EXPECT_TRUE(separated["xsep_upper"].is_number());
}

TEST(CompareCommandLine, RefusesTheLayersOptionsOutOfRange) {
    for (const auto& [option, value] :
         {std::pair{"--reynolds", "9999"}, {"--ncrit", "21"}, {"--reynolds", "many"}}) {
        SCOPED_TRACE(option);
        expectRefused(runCalc({"compare", "--a", "camber=2", "--b", "camber=4", option, value}),
                      option);
    }
    const CalcRun help = runCalc({"compare", "--help"});
    for (const char* piece : {"--reynolds", "--ncrit", "boundary_layer", "xtr_upper"}) {
        EXPECT_NE(help.out.find(piece), std::string::npos) << "help lacks " << piece;
    }
}

} // namespace
} // namespace kestrel::test
