// SPDX-License-Identifier: MIT
// kestrel-calc mach: the JSON document against a direct run of the model, the rules at M = 0 and
// for |M| >= 1, an unbounded suction peak, the CSV chart, bad command lines and the help.

#include "model/chain.h"
#include "model/compressibility.h"
#include "model/inputs.h"
#include "model/supersonic.h"
#include "tests/cli/json_test_support.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <optional>

namespace kestrel {

// How a failing case names its inputs.
void PrintTo(const ChainInputs& in, std::ostream* os) {
    *os << "thickness " << in.thickness << ", camber " << in.camber << ", points " << in.points
        << ", alpha " << in.alpha << ", xm " << in.xm << ", mach \"" << in.mach << "\"";
}

namespace test {
namespace {

std::vector<std::string> argumentsOf(const ChainInputs& in, const std::string& format) {
    std::vector<std::string> arguments{"mach"};
    for (const InputDefinition& d : kInputs) {
        arguments.insert(arguments.end(),
                         {std::string(d.option), std::to_string(in.position(d.id))});
    }
    arguments.insert(arguments.end(), {"--mach", in.mach, "--format", format});
    return arguments;
}

std::string outputOf(const std::vector<std::string>& arguments) {
    const CalcRun run = runCalc(arguments);
    EXPECT_TRUE(run.exited && run.status == 0) << run.err;
    EXPECT_EQ(run.err, "");
    return run.out;
}

// Profiles on both sides of their critical Mach numbers, a zero-thickness one with unbounded
// suction, M = 0, |M| >= 1 and a Mach text too large for a double.
const ChainInputs kCases[] = {
    {12, 4, 51, 5, 25, "0.6"},    {12, 4, 51, 5, 25, "0.3"}, {0, 6, 51, 4, 0, "0.5"},
    {0, 6, 51, 4, 0, "0"},        {10, 0, 11, -3, 100, "0"}, {10, 0, 11, -3, 100, "-1"},
    {30, 15, 101, 10, 50, "1.5"}, {3, 2, 60, 7, 0, "1e999"},
};

class MachDocument : public ::testing::TestWithParam<ChainInputs> {};

INSTANTIATE_TEST_SUITE_P(AcrossTheRanges, MachDocument, ::testing::ValuesIn(kCases));

TEST_P(MachDocument, HoldsTheModelsNumbersUnderItsKeys) {
    const std::string text = outputOf(argumentsOf(GetParam(), "json"));
    for (const char* word : {"nan", "NaN", "inf", "Infinity"}) {
        EXPECT_EQ(text.find(word), std::string::npos) << word;
    }
    // Every key in its order, with the model's value: a double, or null where there is none.
    const ChainResult chain = computeFullChain(GetParam());
    const CompressibleSurface surface(chain.state);
    const SonicSurface sonic(chain.state, surface);
    const CompressibilityAnalysis a = surface.analyse(chain.values.mach);
    const SurfaceMinimum& m = a.minimum;
    Json want;
    const auto put = [&want](const std::string& key, std::optional<double> value) {
        want[key] = value && std::isfinite(*value) ? Json(*value) : Json(nullptr);
    };
    const auto bounded = [&m](double v) { return m.unbounded ? std::nullopt : std::optional(v); };
    put("/inputs/Thickness", chain.state.Thickness);
    put("/inputs/Camber", chain.state.Camber);
    put("/inputs/AlfaD", chain.state.AlfaD);
    put("/inputs/xM", chain.state.xM);
    put("/inputs/Mach", chain.values.mach);
    want["/row"] = chain.values.row;
    put("/incompressible/CL", a.CL);
    put("/incompressible/CM", a.CM);
    put("/incompressible/Cp_min", bounded(m.Cp));
    put("/incompressible/Cp_min_x", bounded(m.x));
    put("/incompressible/Cp_min_y", bounded(m.y));
    want["/incompressible/Cp_min_surface"] = m.unbounded ? Json(nullptr)
                                             : m.upper   ? "upper"
                                                         : "lower";
    want["/incompressible/unbounded"] = m.unbounded;
    put("/critical_pressure", a.criticalPressure);
    for (CompressibilityRule rule : kCompressibilityRules) {
        const std::string name = "/rules/" + std::string(ruleName(rule));
        const RuleResult& r = a.rules[ruleIndex(rule)];
        put(name + "/CL", r.CL);
        put(name + "/CM", r.CM);
        put(name + "/Cp_min", r.CpMin);
        put(name + "/critical_mach", r.criticalMach);
        want[name + "/supercritical"] = r.supercritical;
        // A flattened document holds an empty list as null; the list itself is checked below.
        const auto extents = sonic.extents(rule, chain.values.mach);
        if (!extents || extents->empty()) {
            want[name + "/supersonic"] = nullptr;
            EXPECT_EQ(Json::parse(text)["rules"][std::string(ruleName(rule))]["supersonic"],
                      extents ? Json::array() : Json(nullptr));
        } else {
            for (std::size_t i = 0; i < extents->size(); ++i) {
                const std::string at = name + "/supersonic/" + std::to_string(i);
                want[at + "/side"] = sideName((*extents)[i].side);
                put(at + "/x_from", (*extents)[i].xFrom);
                put(at + "/x_to", (*extents)[i].xTo);
            }
        }
    }

    const Json got = Json::parse(text).flatten();
    ASSERT_EQ(keysOf(got), keysOf(want));
    for (const auto& [key, value] : want.items()) {
        if (value.is_number_float()) {
            expectSame(got[key], value.get<double>(), key);
        } else {
            EXPECT_EQ(got[key], value) << key;
        }
    }
    EXPECT_TRUE(got["/row"].is_number_integer());
    // A zero-thickness profile's suction peak is unbounded but at zero incidence.
    EXPECT_EQ(got["/incompressible/unbounded"], GetParam().thickness == 0 && GetParam().alpha != 0);
}

// Every rule is the identity at M = 0; none gives values from |M| = 1 on, where the flow is not
// subsonic, and no Cp* exists at either.
TEST_P(MachDocument, RulesAreTheIncompressibleValuesAtZeroAndAbsentFromOne) {
    const Json doc = Json::parse(outputOf(argumentsOf(GetParam(), "json")));
    const Json& mach = doc["inputs"]["Mach"];
    const bool zero = mach == 0;
    const bool sonic = mach.is_null() || std::fabs(mach.get<double>()) >= 1;
    EXPECT_EQ(doc["critical_pressure"].is_null(), zero || sonic);
    const Json& low = doc["incompressible"];
    for (const auto& [name, r] : doc["rules"].items()) {
        if (zero) {
            EXPECT_EQ(r["CL"], low["CL"]) << name;
            EXPECT_EQ(r["CM"], low["CM"]) << name;
            EXPECT_EQ(r["Cp_min"], low["Cp_min"]) << name;
            EXPECT_EQ(r["supercritical"], false) << name;
            EXPECT_EQ(r["supersonic"], Json::array()) << name;
        }
        if (sonic) {
            EXPECT_TRUE(r["CL"].is_null() && r["CM"].is_null() && r["Cp_min"].is_null()) << name;
            EXPECT_EQ(r["critical_mach"].is_number(), !low["unbounded"]) << name;
            EXPECT_EQ(r["supercritical"], true) << name;
            EXPECT_TRUE(r["supersonic"].is_null()) << name;
        }
    }
}

TEST(MachChart, ListsMZeroToPointNineNineAsTheModelGivesThem) {
    // A thin profile at incidence: Karman-Tsien and Laitone break down within the chart.
    const ChainInputs in{1, 0, 51, 3, 25, "0"};
    const std::string text = outputOf(argumentsOf(in, "csv"));
    const std::vector<std::string> lines = linesOf(text);
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(lines[0], "M,Cp_star,Cp_min_prandtl_glauert,Cp_min_karman_tsien,Cp_min_laitone,"
                        "CL_prandtl_glauert,CL_karman_tsien,CL_laitone");
    EXPECT_EQ(fieldsOf(lines[1])[0], "0");
    EXPECT_EQ(fieldsOf(lines[8])[0], "0.07");
    EXPECT_EQ(fieldsOf(lines[100])[0], "0.99");

    const CompressibleSurface surface(computeFullChain(in).state);
    int emptyCells = 0;
    for (int k = 0; k < 100; ++k) {
        SCOPED_TRACE("M " + std::to_string(k) + "/100");
        const std::vector<std::string> f = fieldsOf(lines[static_cast<std::size_t>(k + 1)]);
        ASSERT_EQ(f.size(), 8u);
        const CompressibilityAnalysis a = surface.analyse(k / 100.0);
        const std::optional<double> values[] = {
            k / 100.0,        a.criticalPressure, a.rules[0].CpMin, a.rules[1].CpMin,
            a.rules[2].CpMin, a.rules[0].CL,      a.rules[1].CL,    a.rules[2].CL};
        for (std::size_t c = 0; c < 8; ++c) {
            if (values[c]) {
                expectShortestFixed(f[c], *values[c]);
            } else {
                EXPECT_EQ(f[c], "") << "column " << c;
                ++emptyCells;
            }
        }
    }
    EXPECT_GT(emptyCells, 1) << "Cp* at M = 0 and the rules past their breakdown";
    // The chart does not depend on --mach.
    EXPECT_EQ(outputOf(argumentsOf({1, 0, 51, 3, 25, "0.7"}, "csv")), text);
}

TEST(MachCommandLine, RefusesBadInputWithOneMessage) {
    const std::vector<std::string> bad[] = {{"mach", "--thickness", "31"},
                                            {"mach", "--format", "xml"},
                                            {"mach", "--alpha", "11"},
                                            {"mach", "--points", "10"},
                                            {"mach", "--scale", "2"}};
    for (const std::vector<std::string>& arguments : bad) {
        SCOPED_TRACE(arguments[1] + " " + arguments[2]);
        expectRefused(runCalc(arguments), arguments[1]);
    }
}

TEST(MachCommandLine, HelpDocumentsTheRulesAndTheOutput) {
    const std::string help = outputOf({"mach", "--help"});
    for (const char* piece :
         {"--thickness", "--camber", "--points", "--alpha", "--xm", "--mach", "--format", "Cp*",
          "critical Mach", "Cp_min", "supercritical", "prandtl_glauert", "karman_tsien", "laitone",
          "Cp_min_surface", "critical_pressure", "CL_laitone", "does not change the chart"}) {
        EXPECT_NE(help.find(piece), std::string::npos) << "help lacks " << piece;
    }
    for (const char* piece : {"supersonic", "x_from", "x_to", "leading edge"}) {
        EXPECT_NE(help.find(piece), std::string::npos) << "help lacks " << piece;
    }
    EXPECT_NE(outputOf({"--help"}).find("kestrel-calc mach "), std::string::npos);
}

} // namespace
} // namespace test
} // namespace kestrel
