// SPDX-License-Identifier: MIT
#include "model/coefficients.h"
#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"
#include "model/text.h"
#include "tests/cli/json_test_support.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <numbers>
#include <optional>

namespace kestrel::test {
namespace {

using Json = nlohmann::ordered_json;
constexpr double kPi = std::numbers::pi;

// The window's inputs: scroll positions and the Mach text.
struct Inputs {
    int thickness = 0;
    int camber = 0;
    int points = 51;
    int alpha = 0;
    int xm = 0;
    std::string mach = "0";
};

void PrintTo(const Inputs& in, std::ostream* os) {
    *os << "thickness " << in.thickness << ", camber " << in.camber << ", points " << in.points
        << ", alpha " << in.alpha << ", xm " << in.xm << ", mach \"" << in.mach << "\"";
}

std::vector<std::string> argumentsOf(const Inputs& in, const std::string& format = "json") {
    std::vector<std::string> arguments{"profile"};
    for (const auto& [option, value] : {std::pair{"--thickness", in.thickness},
                                        {"--camber", in.camber},
                                        {"--points", in.points},
                                        {"--alpha", in.alpha},
                                        {"--xm", in.xm}}) {
        arguments.insert(arguments.end(), {option, std::to_string(value)});
    }
    arguments.insert(arguments.end(), {"--mach", in.mach, "--format", format});
    return arguments;
}

using test::documentOf; // beside the overload for Inputs

Json documentOf(const Inputs& in) {
    return documentOf(argumentsOf(in));
}

// Inputs across the ranges: the window's defaults, both ends of every scroll bar, odd and even
// point counts, and Mach numbers with and without a Prandtl-Glauert factor.
const Inputs kCases[] = {
    {},
    {12, 4, 60, -10, 25, "0.6"},
    {30, 15, 101, 10, 100, "1.5"},
    {5, 15, 11, 3, 50, " 0 . 3"},
    {0, 7, 50, -4, 0, "1e999"},
};

class ProfileDocument : public ::testing::TestWithParam<Inputs> {};

INSTANTIATE_TEST_SUITE_P(AcrossTheRanges, ProfileDocument, ::testing::ValuesIn(kCases));

TEST_P(ProfileDocument, HasEveryKeyWithItsTypeAndLength) {
    const Inputs& in = GetParam();
    const Json doc = documentOf(in);
    using Keys = std::vector<std::string>;
    ASSERT_EQ(keysOf(doc), (Keys{"inputs", "row", "profile", "points", "curves", "current"}));

    const Json& inputs = doc["inputs"];
    ASSERT_EQ(keysOf(inputs), (Keys{"Thickness", "Camber", "nP", "AlfaD", "xM", "Mach"}));
    for (const char* key : {"Thickness", "Camber", "nP", "AlfaD", "xM"}) {
        EXPECT_TRUE(inputs[key].is_number()) << key;
    }
    // "1e999" overflows to an infinity, which JSON cannot hold.
    EXPECT_EQ(inputs["Mach"].is_null(), in.mach == "1e999");
    EXPECT_TRUE(inputs["Mach"].is_null() || inputs["Mach"].is_number());

    ASSERT_TRUE(doc["row"].is_number_integer());
    EXPECT_EQ(doc["row"].get<long>(), 1 + 31 * in.camber + in.thickness);

    const Json& profile = doc["profile"];
    ASSERT_EQ(keysOf(profile), (Keys{"eps", "mu", "Beta", "Delta", "Rsq", "Rc", "dOverR", "Chord",
                                     "xShift", "RbyC", "nSeg", "nHalf"}));
    for (const auto& item : profile.items()) {
        EXPECT_TRUE(item.value().is_number()) << item.key();
    }

    const Json& points = doc["points"];
    ASSERT_EQ(keysOf(points), (Keys{"Theta", "xCirc", "yCirc", "xProf", "yProf", "dZdZeta", "Cp"}));
    for (const auto& item : points.items()) {
        ASSERT_TRUE(item.value().is_array()) << item.key();
        EXPECT_EQ(item.value().size(), static_cast<std::size_t>(in.points)) << item.key();
        for (const Json& value : item.value()) {
            EXPECT_TRUE(value.is_number()) << item.key();
        }
    }

    const Json& curves = doc["curves"];
    ASSERT_EQ(keysOf(curves), (Keys{"AlfaArr", "CLarr", "CMarr"}));
    for (const auto& item : curves.items()) {
        ASSERT_TRUE(item.value().is_array()) << item.key();
        EXPECT_EQ(item.value().size(), 25u) << item.key(); // -12 to 12 degrees
        for (const Json& value : item.value()) {
            EXPECT_TRUE(value.is_number()) << item.key();
        }
    }

    const Json& current = doc["current"];
    ASSERT_EQ(keysOf(current), (Keys{"CLcur", "CMcur", "Text_CL", "Text1", "PGfactor",
                                     "CLcur_compressible", "CMcur_compressible"}));
    EXPECT_TRUE(current["CLcur"].is_number());
    EXPECT_TRUE(current["CMcur"].is_number());
    EXPECT_TRUE(current["Text_CL"].is_string());
    EXPECT_TRUE(current["Text1"].is_string());
    for (const char* key : {"PGfactor", "CLcur_compressible", "CMcur_compressible"}) {
        EXPECT_TRUE(current[key].is_null() || current[key].is_number()) << key;
    }
}

TEST_P(ProfileDocument, ReadsBackAsTheModelsOwnNumbers) {
    // The same chain run directly on the numeric core, in the window's order.
    const Inputs& in = GetParam();
    State s;
    startUp(s);
    setProfileInputs(s, in.thickness, in.camber, in.points);
    ASSERT_TRUE(computeProfile(s));
    setAngleInput(s, in.alpha);
    computePressure(s);
    computeLiftCurve(s);
    setMomentReference(s, in.xm);
    const double cm = computeMomentCurve(s);

    const Json doc = documentOf(in);
    const Json& inputs = doc["inputs"];
    expectSame(inputs["Thickness"], s.Thickness, "Thickness");
    expectSame(inputs["Camber"], s.Camber, "Camber");
    expectSame(inputs["nP"], s.nP, "nP");
    expectSame(inputs["AlfaD"], s.AlfaD, "AlfaD");
    expectSame(inputs["xM"], s.xM, "xM");

    const Json& p = doc["profile"];
    for (const auto& [key, value] : {std::pair{"eps", s.eps},
                                     {"mu", s.mu},
                                     {"Beta", s.Beta},
                                     {"Delta", s.Delta},
                                     {"Rsq", s.Rsq},
                                     {"Rc", s.Rc},
                                     {"dOverR", s.dOverR},
                                     {"Chord", s.Chord},
                                     {"xShift", s.xShift},
                                     {"RbyC", s.RbyC},
                                     {"nSeg", s.nSeg},
                                     {"nHalf", s.nHalf}}) {
        expectSame(p[key], value, key);
    }
    for (const PointArray* array :
         {&s.Theta, &s.xCirc, &s.yCirc, &s.xProf, &s.yProf, &s.dZdZeta, &s.Cp}) {
        const Json& values = doc["points"][array->name()];
        ASSERT_EQ(values.size(), static_cast<std::size_t>(in.points));
        for (long j = 1; j <= in.points; ++j) {
            expectSame(values[static_cast<std::size_t>(j - 1)], (*array)[j],
                       std::string(array->name()) + "(" + std::to_string(j) + ")");
        }
    }
    for (const CurveArray* array : {&s.AlfaArr, &s.CLarr, &s.CMarr}) {
        const Json& values = doc["curves"][array->name()];
        ASSERT_EQ(values.size(), 25u);
        for (long k = 0; k <= 24; ++k) {
            expectSame(values[static_cast<std::size_t>(k)], (*array)[k],
                       std::string(array->name()) + "(" + std::to_string(k) + ")");
        }
    }
    expectSame(doc["current"]["CLcur"], s.CLcur, "CLcur");
    expectSame(doc["current"]["CMcur"], cm, "CMcur");
    EXPECT_EQ(doc["current"]["Text_CL"], numberText(roundDecimals(s.CLcur, 4), "."));
    EXPECT_EQ(doc["current"]["Text1"], numberText(roundDecimals(cm, 5), "."));
}

TEST_P(ProfileDocument, CurrentValuesSitOnTheCurvesAndTheirTextsAreRounded) {
    const Inputs& in = GetParam();
    const Json doc = documentOf(in);
    const Json& curves = doc["curves"];
    for (int k = 0; k <= 24; ++k) {
        EXPECT_EQ(curves["AlfaArr"][static_cast<std::size_t>(k)].get<double>(), k - 12);
    }
    // The angle of attack is a whole degree, so the current values are vertices of the curves.
    const auto vertex = static_cast<std::size_t>(in.alpha + 12);
    const Json& current = doc["current"];
    const double cl = current["CLcur"].get<double>();
    const double cm = current["CMcur"].get<double>();
    EXPECT_EQ(curves["CLarr"][vertex].get<double>(), cl);
    EXPECT_EQ(curves["CMarr"][vertex].get<double>(), cm);

    // Text_CL has at most 4 decimals and Text1 at most 5, each the nearest such value.
    for (const auto& [key, value, decimals] :
         {std::tuple{"Text_CL", cl, 4}, std::tuple{"Text1", cm, 5}}) {
        const std::string text = current[key].get<std::string>();
        const std::size_t point = text.find('.');
        EXPECT_LE(point == std::string::npos ? 0 : text.size() - point - 1,
                  static_cast<std::size_t>(decimals))
            << text;
        EXPECT_LE(std::fabs(readNumber(text) - value), 0.5 * std::pow(10.0, -decimals) + 1e-15)
            << key << " " << text << " for " << value;
    }

    // Where a factor exists and M is not 0, the compressible values are the current ones
    // divided by it.
    const Json& factor = current["PGfactor"];
    if (current["CLcur_compressible"].is_null()) {
        EXPECT_TRUE(current["CMcur_compressible"].is_null());
    } else {
        ASSERT_TRUE(factor.is_number());
        EXPECT_EQ(current["CLcur_compressible"].get<double>(), cl / factor.get<double>());
        EXPECT_EQ(current["CMcur_compressible"].get<double>(), cm / factor.get<double>());
    }
}

// A flat plate (t/c = 0, f/c = 0) has the classical thin-aerofoil results: CL = 2 pi sin(alpha),
// a moment about the leading edge of -(pi/4) sin(2 alpha) and none about the quarter chord.
TEST(FlatPlate, HasTheClassicalLiftAndMoment) {
    for (int alpha : {-10, -3, 0, 7, 10}) {
        SCOPED_TRACE("alpha " + std::to_string(alpha));
        const double a = alpha * kPi / 180;
        const Json leadingEdge = documentOf(Inputs{0, 0, 51, alpha, 0, "0"})["current"];
        EXPECT_NEAR(leadingEdge["CLcur"].get<double>(), 2 * kPi * std::sin(a), 1e-13);
        EXPECT_NEAR(leadingEdge["CMcur"].get<double>(), -kPi / 4 * std::sin(2 * a), 1e-13);
        const Json quarterChord = documentOf(Inputs{0, 0, 51, alpha, 25, "0"});
        EXPECT_NEAR(quarterChord["current"]["CMcur"].get<double>(), 0, 1e-14);
        for (const Json& cm : quarterChord["curves"]["CMarr"]) {
            EXPECT_NEAR(cm.get<double>(), 0, 1e-14);
        }
    }
}

TEST(FlatPlate, LiesOnTheChordWithUndisturbedPressureAtZeroIncidence) {
    // The plate runs from x/c = 0 to 1 along y = 0; at zero incidence the flow passes it
    // undisturbed, so Cp is 0 at every point.
    const CalcRun run = runCalc(argumentsOf(Inputs{}, "csv"));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 52u);
    double smallestX = 1;
    for (std::size_t j = 1; j < lines.size(); ++j) {
        const std::vector<std::string> f = fieldsOf(lines[j]);
        ASSERT_EQ(f.size(), 4u);
        const double x = readNumber(f[1]);
        EXPECT_GE(x, -1e-15);
        EXPECT_LE(x, 1 + 1e-15);
        EXPECT_NEAR(readNumber(f[2]), 0, 1e-15);
        EXPECT_NEAR(readNumber(f[3]), 0, 1e-12);
        smallestX = std::min(smallestX, x);
    }
    EXPECT_NEAR(smallestX, 0, 1e-15);
    // Points 1 and nP are the trailing edge at x/c = 1, where Cp = 1 - cos^2(0) / R^2 = 0.
    EXPECT_EQ(lines[1], "1,1,0,0");
    EXPECT_EQ(lines[51], "51,1,0,0");
}

TEST(SymmetricProfile, TwelvePercentIsSymmetricWithoutLiftOrMomentAtZeroIncidence) {
    const Json doc = documentOf(Inputs{12, 0, 51, 0, 0, "0"});
    EXPECT_EQ(doc["row"], 13);
    EXPECT_EQ(doc["profile"]["eps"].get<double>(), 0.10201); // the stored value of row 13
    EXPECT_EQ(doc["profile"]["mu"].get<double>(), 0);
    EXPECT_EQ(doc["profile"]["Beta"].get<double>(), 0);
    // CL = 8 pi (R/c) sin(0 + 0) is exactly 0, and so are all three moment terms at alpha 0.
    EXPECT_EQ(doc["current"]["CLcur"].get<double>(), 0);
    EXPECT_EQ(doc["current"]["Text_CL"], "0");
    EXPECT_EQ(doc["current"]["Text1"], "0");
    // Upper and lower surfaces mirror each other: point j and point nP + 1 - j.
    const Json& y = doc["points"]["yProf"];
    const Json& cp = doc["points"]["Cp"];
    for (std::size_t j = 0; j < 51; ++j) {
        EXPECT_NEAR(y[j].get<double>(), -y[50 - j].get<double>(), 1e-13) << j + 1;
        EXPECT_NEAR(cp[j].get<double>(), cp[50 - j].get<double>(), 1e-12) << j + 1;
    }
}

TEST(PointCounts, GiveArraysOfNPPointsEndingAtTheTrailingEdge) {
    for (int n : {11, 50, 60, 101}) {
        SCOPED_TRACE("nP " + std::to_string(n));
        const Json doc = documentOf(Inputs{8, 3, n, 2, 0, "0"});
        EXPECT_EQ(doc["profile"]["nSeg"].get<double>(), n - 1);
        EXPECT_EQ(doc["profile"]["nHalf"].get<double>(), (n - 1) / 2.0);
        const Json& points = doc["points"];
        const auto last = static_cast<std::size_t>(n - 1);
        ASSERT_EQ(points["xProf"].size(), static_cast<std::size_t>(n));
        // Points 1 and nP are both the trailing edge at x/c = 1 on the chord line.
        for (std::size_t j : {std::size_t{0}, last}) {
            EXPECT_EQ(points["xProf"][j].get<double>(), 1);
            EXPECT_EQ(points["yProf"][j].get<double>(), 0);
        }
        // A fresh state never writes Theta at point 1 nor dZdZeta at points 1 and nP.
        EXPECT_EQ(points["Theta"][0].get<double>(), 0);
        EXPECT_EQ(points["dZdZeta"][0].get<double>(), 0);
        EXPECT_EQ(points["dZdZeta"][last].get<double>(), 0);
    }
}

// Counts and whole degrees are JSON integers; a half count keeps its fraction.
TEST(ProfileJson, WholeNumbersAreWrittenAsIntegers) {
    for (const auto& [points, nHalf] :
         {std::pair{"11", "\"nHalf\": 5\n"}, {"50", "\"nHalf\": 24.5\n"}}) {
        const CalcRun run = runCalc({"profile", "--points", points, "--alpha", "-3"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(std::string("\"nP\": ") + points + ","), std::string::npos);
        EXPECT_NE(run.out.find(nHalf), std::string::npos) << points;
        EXPECT_NE(run.out.find("\"AlfaD\": -3,"), std::string::npos);
        EXPECT_EQ(run.out.find(".0,"), std::string::npos);
        EXPECT_EQ(run.out.find(".0\n"), std::string::npos);
    }
}

// Mach texts: the number the window reads from each, and the factor sqrt(1 - M^2) where it
// exists (|M| < 1); the compressible values exist only for 0 < |M| < 1.
struct MachCase {
    std::string text;
    std::optional<double> mach; // none: too large for a double, written as null
    std::optional<double> factor;
    bool compressible;
};

void PrintTo(const MachCase& c, std::ostream* os) {
    *os << "mach \"" << c.text << "\"";
}

class MachText : public ::testing::TestWithParam<MachCase> {};

INSTANTIATE_TEST_SUITE_P(
    Texts, MachText,
    ::testing::Values(MachCase{"0", 0, 1, false},
                      MachCase{"", 0, 1, false},    // empty text reads as 0
                      MachCase{"abc", 0, 1, false}, // not a number: 0
                      MachCase{"0,5", 0, 1, false}, // a comma ends the number after "0"
                      MachCase{" 0 . 3", 0.3, std::sqrt(0.91), true}, // blanks are skipped
                      MachCase{"0.6", 0.6, 0.8, true},                // sqrt(1 - 0.36) = 0.8
                      MachCase{"-0.6", -0.6, 0.8, true},
                      MachCase{"1", 1, std::nullopt, false}, // no factor from |M| = 1 on
                      MachCase{"1.5", 1.5, std::nullopt, false},
                      MachCase{"1e999", std::nullopt, std::nullopt, false}));

TEST_P(MachText, GivesTheFactorAndTheCompressibleValues) {
    const MachCase& c = GetParam();
    const Json doc = documentOf(Inputs{10, 5, 51, 6, 30, c.text});
    const Json& mach = doc["inputs"]["Mach"];
    const Json& current = doc["current"];
    if (c.mach) {
        EXPECT_NEAR(mach.get<double>(), *c.mach, 1e-16);
    } else {
        EXPECT_TRUE(mach.is_null());
    }
    if (c.factor) {
        EXPECT_NEAR(current["PGfactor"].get<double>(), *c.factor, 1e-15);
    } else {
        EXPECT_TRUE(current["PGfactor"].is_null());
    }
    EXPECT_EQ(current["CLcur_compressible"].is_number(), c.compressible);
    EXPECT_EQ(current["CMcur_compressible"].is_number(), c.compressible);
    if (c.compressible) {
        // Compressibility raises the magnitude of both coefficients by 1 / factor.
        EXPECT_NEAR(current["CLcur_compressible"].get<double>(),
                    current["CLcur"].get<double>() / *c.factor, 1e-14);
    }
}

TEST(MachText, OppositeSignsGiveTheSameResults) {
    Json plus = documentOf(Inputs{10, 5, 51, 6, 30, "0.6"});
    Json minus = documentOf(Inputs{10, 5, 51, 6, 30, "-0.6"});
    EXPECT_EQ(plus["inputs"]["Mach"].get<double>(), 0.6);
    EXPECT_EQ(minus["inputs"]["Mach"].get<double>(), -0.6);
    plus["inputs"].erase("Mach");
    minus["inputs"].erase("Mach");
    EXPECT_EQ(plus, minus);
}

TEST(ArgumentForms, NegativeValuesPassSeparateOrJoined) {
    // "-10" and "-0.6" after an option are its values, not options of their own.
    const Json separate = documentOf({"profile", "--alpha", "-10", "--mach", "-0.6"});
    const Json joined = documentOf({"profile", "--alpha=-10", "--mach=-0.6"});
    EXPECT_EQ(separate["inputs"]["AlfaD"].get<double>(), -10);
    EXPECT_EQ(separate["inputs"]["Mach"].get<double>(), -0.6);
    EXPECT_EQ(separate, joined);
    // Without options the window's initial positions apply.
    const Json defaults = documentOf({"profile"});
    EXPECT_EQ(defaults, documentOf(Inputs{}));
    EXPECT_EQ(defaults["inputs"]["nP"].get<double>(), 51);
}

TEST(CsvFormat, ListsEveryPointAsTheJsonHoldsIt) {
    const Inputs in{12, 4, 60, -10, 25, "0.6"};
    const CalcRun run = runCalc(argumentsOf(in, "csv"));
    ASSERT_TRUE(run.exited);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(lines[0], "j,x,y,Cp");
    const Json points = documentOf(in)["points"];
    for (std::size_t j = 1; j <= 60; ++j) {
        SCOPED_TRACE("point " + std::to_string(j));
        const std::vector<std::string> f = fieldsOf(lines[j]);
        ASSERT_EQ(f.size(), 4u);
        EXPECT_EQ(f[0], std::to_string(j));
        const char* keys[] = {"xProf", "yProf", "Cp"};
        for (std::size_t k = 0; k < 3; ++k) {
            expectShortestFixed(f[k + 1], points[keys[k]][j - 1].get<double>());
        }
    }
}

} // namespace
} // namespace kestrel::test
