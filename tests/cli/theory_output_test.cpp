// SPDX-License-Identifier: MIT
// kestrel-calc theory and compare: the documents' keys and numbers against a direct run of the
// model, the CSV forms, bad command lines and the help.

#include "model/chain.h"
#include "model/coefficients.h"
#include "model/comparison.h"
#include "model/theory.h"
#include "tests/cli/json_test_support.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kestrel::test {
namespace {

void expectValues(const Json& got, const State& s, const TheoryValues& want) {
    ASSERT_EQ(keysOf(got),
              (std::vector<std::string>{"alpha_zero_lift", "lift_slope", "CM_quarter_chord"}));
    expectSame(got["alpha_zero_lift"], want.alphaZeroLift * 180 / s.pi, "alpha_zero_lift");
    expectSame(got["lift_slope"], want.liftSlope, "lift_slope");
    expectSame(got["CM_quarter_chord"], want.CMQuarterChord, "CM_quarter_chord");
}

ChainInputs theoryInputs(int thickness, int camber, int alpha) {
    ChainInputs in;
    in.thickness = thickness;
    in.camber = camber;
    in.alpha = alpha;
    return in;
}

TEST(TheoryDocument, HoldsTheModelsNumbersUnderItsKeys) {
    for (const auto& [thickness, camber, alpha] : {std::array{12, 4, 5}, std::array{0, 6, -3}}) {
        const Json doc = documentOf({"theory", "--thickness", std::to_string(thickness), "--camber",
                                     std::to_string(camber), "--alpha", std::to_string(alpha)});
        const ChainResult chain = computeFullChain(theoryInputs(thickness, camber, alpha));
        const State& s = chain.state;
        const TheoryComparison t = compareWithThinAirfoil(s);
        ASSERT_EQ(keysOf(doc),
                  (std::vector<std::string>{"inputs", "row", "exact", "thin", "load"}));
        EXPECT_EQ(doc["inputs"],
                  (Json{{"Thickness", s.Thickness}, {"Camber", s.Camber}, {"AlfaD", s.AlfaD}}));
        EXPECT_EQ(doc["row"], chain.values.row);
        expectValues(doc["exact"], s, t.exact);
        expectValues(doc["thin"], s, t.thin);
        EXPECT_EQ(doc["thin"]["lift_slope"], 2 * s.pi);
        ASSERT_EQ(doc["load"].size(), t.load.size());
        for (std::size_t k = 0; k < t.load.size(); k += 9) {
            const Json& p = doc["load"][k];
            ASSERT_EQ(keysOf(p), (std::vector<std::string>{"x", "exact", "thin"}));
            expectSame(p["x"], t.load[k].x, "x");
            expectSame(p["exact"], t.load[k].exact, "exact");
            expectSame(p["thin"], t.load[k].thin, "thin");
        }
    }
}

TEST(TheoryDocument, CsvHoldsTheLoadCurves) {
    const CalcRun run = runCalc({"theory", "--thickness", "3", "--format", "csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    const TheoryComparison t =
        compareWithThinAirfoil(computeFullChain(theoryInputs(3, 0, 0)).state);
    ASSERT_EQ(lines.size(), t.load.size() + 1);
    EXPECT_EQ(lines[0], "x,exact,thin");
    for (std::size_t k = 0; k < t.load.size(); k += 13) {
        const std::vector<std::string> f = fieldsOf(lines[k + 1]);
        ASSERT_EQ(f.size(), 3u);
        expectShortestFixed(f[0], t.load[k].x);
        expectShortestFixed(f[1], t.load[k].exact);
        expectShortestFixed(f[2], t.load[k].thin);
    }
}

TEST(TheoryCommandLine, RefusesBadInputAndDocumentsTheFormulas) {
    const std::vector<std::string> bad[] = {{"theory", "--thickness", "31"},
                                            {"theory", "--format", "xml"},
                                            {"theory", "--points", "51"},
                                            {"theory", "--mach", "0.5"}};
    for (const std::vector<std::string>& arguments : bad) {
        SCOPED_TRACE(arguments[1] + " " + arguments[2]);
        expectRefused(runCalc(arguments), arguments[1]);
    }
    const CalcRun help = runCalc({"theory", "--help"});
    for (const char* piece : {"Camber line", "mean line", "alpha_L0", "2 pi", "CM_c/4", "8 pi R/c",
                              "Cp_lower - Cp_upper", "x,exact,thin"}) {
        EXPECT_NE(help.out.find(piece), std::string::npos) << "help lacks " << piece;
    }
}

TEST(CompareDocument, SetsBothStatesSideBySide) {
    const Json doc = documentOf({"compare", "--a", "thickness=12, camber=4,alpha=5", "--b",
                                 "alpha=5,thickness=12,xm=25,points=31"});
    ASSERT_EQ(keysOf(doc), (std::vector<std::string>{"a", "b"}));
    ChainInputs b = theoryInputs(12, 0, 5);
    b.xm = 25;
    b.points = 31;
    for (const auto& [key, inputs] : {std::pair{"a", theoryInputs(12, 4, 5)}, std::pair{"b", b}}) {
        SCOPED_TRACE(key);
        const Json& got = doc[key];
        const ChainResult chain = computeFullChain(inputs);
        const State& s = chain.state;
        const StateNumbers n = stateNumbers(s);
        ASSERT_EQ(keysOf(got),
                  (std::vector<std::string>{"inputs", "row", "CL", "CM", "Cp_min", "critical_mach",
                                            "theory", "boundary_layer"}));
        EXPECT_EQ(got["inputs"], (Json{{"Thickness", s.Thickness},
                                       {"Camber", s.Camber},
                                       {"nP", s.nP},
                                       {"AlfaD", s.AlfaD},
                                       {"xM", s.xM}}));
        EXPECT_EQ(got["row"], chain.values.row);
        expectSame(got["CL"], s.CLcur, "CL");
        expectSame(got["CM"], *chain.values.CMcur, "CM");
        expectSame(got["Cp_min"], *n.CpMin, "Cp_min");
        ASSERT_EQ(keysOf(got["critical_mach"]),
                  (std::vector<std::string>{"prandtl_glauert", "karman_tsien", "laitone"}));
        expectSame(got["critical_mach"]["laitone"], *n.criticalMach[2], "laitone");
        expectValues(got["theory"]["exact"], s, n.exact);
        expectValues(got["theory"]["thin"], s, n.thin);
    }
    // A zero-thickness profile at incidence has no Cp_min, nor critical Mach numbers.
    const Json thin = documentOf({"compare", "--a", "alpha=3", "--b", "camber=2,alpha=3"});
    EXPECT_TRUE(thin["a"]["Cp_min"].is_null());
    EXPECT_TRUE(thin["b"]["critical_mach"]["prandtl_glauert"].is_null());
}

TEST(CompareDocument, CsvIsATableWithAColumnForEach) {
    const std::vector<std::string> arguments{
        "compare", "--a", "thickness=12,camber=4", "--b", "thickness=12", "--format", "csv"};
    const CalcRun run = runCalc(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    const Json doc = documentOf({arguments.begin(), arguments.end() - 2});
    ASSERT_EQ(lines.size(), doc["a"].flatten().size() + 1);
    EXPECT_EQ(lines[0], "quantity,a,b");
    EXPECT_EQ(lines[1], "inputs.Thickness,0.12,0.12");
    EXPECT_EQ(lines[2], "inputs.Camber,0.04,0");
    for (const auto& [quantity, pointer] :
         {std::pair{"CL", "/CL"},
          std::pair{"theory.thin.CM_quarter_chord", "/theory/thin/CM_quarter_chord"}}) {
        SCOPED_TRACE(quantity);
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
            return fieldsOf(l)[0] == quantity;
        });
        ASSERT_NE(line, lines.end());
        const std::vector<std::string> f = fieldsOf(*line);
        expectShortestFixed(f[1], doc["a"][Json::json_pointer(pointer)].get<double>());
        expectShortestFixed(f[2], doc["b"][Json::json_pointer(pointer)].get<double>());
    }
}

TEST(CompareCommandLine, RefusesBadInputWithOneMessage) {
    const std::vector<std::string> bad[] = {
        {"compare", "--a", "thickness=12"},
        {"compare", "--a", "thickness=31", "--b", "camber=2"},
        {"compare", "--a", "camber=2", "--b", "mach=0.5"},
        {"compare", "--a", "camber=2", "--b", "thickness"},
        {"compare", "--a", "camber=2,camber=3", "--b", "camber=2"},
        {"compare", "--a", "camber=2,", "--b", "camber=2"},
        {"compare", "--a", "", "--b", "camber=2"},
        {"compare", "--a", "alpha=1.5", "--b", "camber=2"},
        {"compare", "--a", "camber=2", "--b", "camber=2", "--format", "xml"},
    };
    const char* mentioned[] = {"--b", "thickness", "mach",  "thickness", "camber",
                               "--a", "--a",       "alpha", "--format"};
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        SCOPED_TRACE(i);
        expectRefused(runCalc(bad[i]), mentioned[i]);
    }
}

} // namespace
} // namespace kestrel::test
