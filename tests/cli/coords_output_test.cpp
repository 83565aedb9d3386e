// SPDX-License-Identifier: MIT
#include "tests/cli/calc_test_support.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <numbers>
#include <regex>
#include <sstream>

namespace kestrel::test {
namespace {

using Json = nlohmann::json;

// A profile and the title its dat file must carry: t/c and f/c are the positions in hundredths,
// written in their shortest form ("0.3", not "0.30"; "0" for none).
struct ProfileCase {
    int thickness;
    int camber;
    int points;
    std::string title;
};

void PrintTo(const ProfileCase& c, std::ostream* os) {
    *os << "thickness " << c.thickness << ", camber " << c.camber << ", points " << c.points;
}

std::vector<std::string> coordsArguments(const ProfileCase& c, const std::string& format) {
    return {"coords",
            "--thickness",
            std::to_string(c.thickness),
            "--camber",
            std::to_string(c.camber),
            "--points",
            std::to_string(c.points),
            "--format",
            format};
}

// The profile's points as the profile command reports them: xProf and yProf of points 1 to nP.
Json pointsOf(const ProfileCase& c) {
    const CalcRun run = runCalc({"profile", "--thickness", std::to_string(c.thickness), "--camber",
                                 std::to_string(c.camber), "--points", std::to_string(c.points)});
    EXPECT_EQ(run.status, 0) << run.err;
    return Json::parse(run.out)["points"];
}

std::vector<std::string> outputLines(const std::vector<std::string>& arguments) {
    const CalcRun run = runCalc(arguments);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    return linesOf(run.out);
}

struct DatPoint {
    double x, y;
};

// One coordinate line read back the way airfoil tools read it: two numbers and nothing else.
DatPoint readDatLine(const std::string& line) {
    std::istringstream stream(line);
    stream.imbue(std::locale::classic());
    DatPoint p{std::nan(""), std::nan("")};
    stream >> p.x >> p.y;
    EXPECT_TRUE(stream && (stream >> std::ws).eof()) << line;
    return p;
}

const ProfileCase kProfiles[] = {
    {12, 4, 51, "Kestrel Joukowski t/c=0.12 f/c=0.04"}, // the window's odd default count
    {12, 4, 60, "Kestrel Joukowski t/c=0.12 f/c=0.04"}, // even: no point at the leading edge
    {30, 15, 101, "Kestrel Joukowski t/c=0.3 f/c=0.15"},
    {5, 0, 11, "Kestrel Joukowski t/c=0.05 f/c=0"},
    {1, 2, 12, "Kestrel Joukowski t/c=0.01 f/c=0.02"},
};

class DatFile : public ::testing::TestWithParam<ProfileCase> {};

INSTANTIATE_TEST_SUITE_P(Profiles, DatFile, ::testing::ValuesIn(kProfiles));

TEST_P(DatFile, HasTheTitleAndOneLineOfEightDecimalsPerPoint) {
    const ProfileCase& c = GetParam();
    const std::vector<std::string> lines = outputLines(coordsArguments(c, "dat"));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.points) + 1);
    EXPECT_EQ(lines[0], c.title);
    static const std::regex pair(R"(-?[0-9]+\.[0-9]{8}  -?[0-9]+\.[0-9]{8})");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_TRUE(std::regex_match(lines[i], pair)) << "line " << i + 1 << ": " << lines[i];
        EXPECT_EQ(lines[i].find("-0.00000000"), std::string::npos) << lines[i];
    }
    // Both ends are the trailing edge at x/c = 1 on the chord line.
    EXPECT_EQ(lines[1], "1.00000000  0.00000000");
    EXPECT_EQ(lines.back(), "1.00000000  0.00000000");
}

TEST_P(DatFile, RunsOverTheUpperSurfaceFirstAndRepeatsOnlyTheTrailingEdge) {
    const ProfileCase& c = GetParam();
    const std::vector<std::string> lines = outputLines(coordsArguments(c, "dat"));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.points) + 1);
    std::vector<DatPoint> p;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        p.push_back(readDatLine(lines[i]));
    }
    // Next to the trailing edge the upper surface lies above the chord line and above the
    // lower surface, which the file reaches last.
    EXPECT_GT(p[1].y, 0);
    EXPECT_GT(p[1].y, p[p.size() - 2].y);
    // x falls strictly to the leading edge (the smallest x) and then rises strictly.
    const auto leading = static_cast<std::size_t>(
        std::min_element(p.begin(), p.end(), [](auto a, auto b) { return a.x < b.x; }) - p.begin());
    // Near x/c = 0: twelve points leave the nearest one at x/c = 0.02.
    EXPECT_LT(p[leading].x, 0.025);
    for (std::size_t i = 1; i < p.size(); ++i) {
        if (i <= leading) {
            EXPECT_LT(p[i].x, p[i - 1].x) << "line " << i + 2;
        } else {
            EXPECT_GT(p[i].x, p[i - 1].x) << "line " << i + 2;
        }
    }
    // Only the closing trailing edge repeats a line of the file.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto again =
            std::find(lines.begin() + static_cast<long>(i) + 1, lines.end(), lines[i]);
        if (i == 1) {
            EXPECT_EQ(again, lines.end() - 1);
        } else {
            EXPECT_EQ(again, lines.end()) << "line " << i + 1 << " repeats: " << lines[i];
        }
    }
}

TEST_P(DatFile, ReadsBackAsTheWindowsPointsInReverseOrder) {
    const ProfileCase& c = GetParam();
    const std::vector<std::string> lines = outputLines(coordsArguments(c, "dat"));
    const Json points = pointsOf(c);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.points) + 1);
    ASSERT_EQ(points["xProf"].size(), static_cast<std::size_t>(c.points));
    // Line k + 1 holds point nP + 1 - k; 8 decimals put the printed value within half a unit of
    // the last decimal of the exact one.
    const double halfUnit = 0.5e-8 + 1e-15;
    for (int k = 1; k <= c.points; ++k) {
        const auto j = static_cast<std::size_t>(c.points - k); // JSON index of point nP + 1 - k
        const DatPoint p = readDatLine(lines[static_cast<std::size_t>(k)]);
        EXPECT_NEAR(p.x, points["xProf"][j].get<double>(), halfUnit) << "point " << j + 1;
        EXPECT_NEAR(p.y, points["yProf"][j].get<double>(), halfUnit) << "point " << j + 1;
    }
}

// The flat plate: every y is zero (the values of order 1e-17 the mapping leaves are written
// without a minus sign), and the middle of an odd point count is the leading edge at x/c = 0.
TEST(DatFile, FlatPlateLiesOnTheChordLine) {
    const std::vector<std::string> lines = outputLines(coordsArguments({0, 0, 51, ""}, "dat"));
    ASSERT_EQ(lines.size(), 52u);
    EXPECT_EQ(lines[0], "Kestrel Joukowski t/c=0 f/c=0");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].substr(lines[i].size() - 12), "  0.00000000") << lines[i];
    }
    EXPECT_EQ(lines[26], "0.00000000  0.00000000");
}

// The numbers are written with "." whatever the locale says, also where it uses a comma.
TEST(DatFile, IsTheSameInADecimalCommaLocale) {
    const ProfileCase c{12, 4, 51, ""};
    const std::string plain = runCalc(coordsArguments(c, "dat")).out;
    const ScopedEnvironment locale("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(runCalc(coordsArguments(c, "dat")).out, plain);
    EXPECT_NE(plain.find("0.12"), std::string::npos);
}

class CsvFile : public ::testing::TestWithParam<ProfileCase> {};

INSTANTIATE_TEST_SUITE_P(Profiles, CsvFile, ::testing::ValuesIn(kProfiles));

TEST_P(CsvFile, ListsThePointsInTheWindowsOrderWithTheirSide) {
    const ProfileCase& c = GetParam();
    const std::vector<std::string> lines = outputLines(coordsArguments(c, "csv"));
    const Json points = pointsOf(c);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.points) + 1);
    EXPECT_EQ(lines[0], "j,x,y,side");
    const bool odd = c.points % 2 == 1;
    std::map<std::string, int> counts;
    for (int j = 1; j <= c.points; ++j) {
        SCOPED_TRACE("point " + std::to_string(j));
        const auto index = static_cast<std::size_t>(j - 1);
        const std::vector<std::string> f = fieldsOf(lines[static_cast<std::size_t>(j)]);
        ASSERT_EQ(f.size(), 4u);
        EXPECT_EQ(f[0], std::to_string(j));
        expectShortestFixed(f[1], points["xProf"][index].get<double>());
        expectShortestFixed(f[2], points["yProf"][index].get<double>());
        // The side follows from where the point sits on the generating circle: below its real
        // axis is the lower surface, above it the upper; the point at polar angle -pi, the
        // middle one of an odd count, is the leading edge.
        std::string side;
        if (j == 1 || j == c.points) {
            side = "trailing-edge";
        } else if (odd && j == (c.points + 1) / 2) {
            side = "leading-edge";
            EXPECT_NEAR(points["Theta"][index].get<double>(), -std::numbers::pi, 1e-12);
        } else {
            side = points["yCirc"][index].get<double>() < 0 ? "lower" : "upper";
        }
        EXPECT_EQ(f[3], side);
        ++counts[f[3]];
    }
    // Both surfaces hold the same number of points between the two ends.
    const int each = odd ? (c.points - 3) / 2 : (c.points - 2) / 2;
    EXPECT_EQ(counts["lower"], each);
    EXPECT_EQ(counts["upper"], each);
    EXPECT_EQ(counts["trailing-edge"], 2);
    EXPECT_EQ(counts["leading-edge"], odd ? 1 : 0);
}

} // namespace
} // namespace kestrel::test
