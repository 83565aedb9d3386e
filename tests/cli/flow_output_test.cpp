// SPDX-License-Identifier: MIT
// kestrel-calc flow: the JSON document (keys, the flow's laws, a probe outside and one inside
// the profile), bad command lines, and a PNG whose profile-plane pixels fall where the layout
// says.

#include "model/chain.h"
#include "model/flow.h"
#include "plots/flow_picture.h"
#include "tests/cli/json_test_support.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>

namespace kestrel::test {
namespace {

TEST(FlowDocument, KeysStagnationPointsStreamlinesAndProbes) {
    // (0.3, 0.04) lies between the surfaces of the 12 % profile with 4 % camber; (0.5, 0.45) is
    // well above it.
    const Json d = documentOf({"flow", "--thickness", "12", "--camber", "4", "--alpha", "5",
                               "--lines", "3", "--probe", "0.5,0.45", "--probe", "0.3,0.04"});
    EXPECT_EQ(keysOf(d), (std::vector<std::string>{"inputs", "row", "circulation", "stagnation",
                                                   "singular_leading_edge", "windows",
                                                   "streamlines", "probes"}));
    EXPECT_EQ(d["inputs"]["Thickness"], 0.12);
    EXPECT_EQ(d["inputs"]["AlfaD"], 5); // a whole number is written as an integer
    EXPECT_TRUE(d["inputs"]["AlfaD"].is_number_integer());
    EXPECT_EQ(d["inputs"]["lines"], 3);

    // The rear stagnation point is the trailing edge in both planes.
    const Json& rear = d["stagnation"]["rear"];
    EXPECT_EQ(rear["profile"], Json::array({1, 0}));
    EXPECT_EQ(rear["circle"], Json::array({1, 0}));
    // At 5 degrees the front one lies under the nose, on the lower surface near x = 0.
    EXPECT_LT(d["stagnation"]["front"]["profile"][0].get<double>(), 0.05);
    EXPECT_LT(d["stagnation"]["front"]["profile"][1].get<double>(), 0);
    EXPECT_TRUE(d["inputs"]["nP"].is_number_integer());
    EXPECT_TRUE(d["singular_leading_edge"].is_null());
    EXPECT_EQ(d["windows"]["profile"]["x_min"], -0.5);
    // Positive circulation lifts.
    EXPECT_GT(d["circulation"].get<double>(), 0);

    // The two parts of the dividing streamline, then every level -3..3 but 0, at psi a whole
    // multiple of the level spacing 0.6 / 4.
    std::set<int> levels;
    int dividing = 0;
    for (const Json& line : d["streamlines"]) {
        const int level = line["level"];
        if (line["dividing"]) {
            ++dividing;
            EXPECT_EQ(level, 0);
        } else {
            levels.insert(level);
            EXPECT_NEAR(line["psi"].get<double>(), level * 0.15, 1e-12);
        }
        EXPECT_GE(line["profile"].size(), 2u);
        EXPECT_EQ(line["profile"][0].size(), 2u);
        EXPECT_EQ(line["circle"].size(), line["profile"].size()); // point for point
    }
    EXPECT_EQ(dividing, 2);
    // The requested levels and, at the same spacing, every further one the traced window holds;
    // each line runs from the traced window's edge to its edge (or to the body).
    for (const int k : {-3, -2, -1, 1, 2, 3}) {
        EXPECT_TRUE(levels.count(k)) << k;
    }
    EXPECT_EQ(*levels.rbegin() - *levels.begin(), static_cast<int>(levels.size())); // no gaps
    const Json& traced = d["windows"]["traced"];
    const auto onEdge = [&](const Json& p) {
        const double x = p[0], y = p[1];
        return x == traced["x_min"] || x == traced["x_max"] || y == traced["y_min"] ||
               y == traced["y_max"];
    };
    for (const Json& line : d["streamlines"]) {
        if (!line["dividing"]) {
            EXPECT_TRUE(onEdge(line["profile"].front()) && onEdge(line["profile"].back()));
        }
    }

    ASSERT_EQ(d["probes"].size(), 2u);
    const Json& outside = d["probes"][0];
    EXPECT_EQ(outside["x"], 0.5);
    EXPECT_FALSE(outside["inside"]);
    EXPECT_FALSE(outside["singular"]);
    // Bernoulli: Cp = 1 - (V / V_inf)^2, and the speed ratio is |(u, v)|.
    const double u = outside["u"], v = outside["v"], ratio = outside["speed_ratio"];
    EXPECT_NEAR(std::hypot(u, v), ratio, 1e-12);
    EXPECT_NEAR(outside["Cp"].get<double>(), 1 - ratio * ratio, 1e-12);
    EXPECT_GT(outside["psi"].get<double>(), 0); // above the dividing streamline
    EXPECT_GT(u, 0.9);                          // the stream goes downstream, a little faster

    const Json& inside = d["probes"][1];
    EXPECT_TRUE(inside["inside"]);
    for (const char* key : {"psi", "phi", "u", "v", "speed_ratio", "Cp"}) {
        EXPECT_TRUE(inside[key].is_null()) << key;
    }
}

// The flat plate at incidence turns the flow round its sharp leading edge at infinite speed.
TEST(FlowDocument, FlatPlateMarksItsSingularLeadingEdge) {
    const Json d = documentOf(
        {"flow", "--thickness", "0", "--camber", "0", "--alpha", "10", "--probe", "0,0"});
    const Json& edge = d["singular_leading_edge"];
    EXPECT_EQ(edge["profile"], Json::array({0, 0}));
    EXPECT_EQ(edge["circle"], Json::array({-1, 0}));
    const Json& probe = d["probes"][0];
    EXPECT_TRUE(probe["singular"]);
    EXPECT_TRUE(probe["Cp"].is_null());
    EXPECT_TRUE(probe["u"].is_null());
}

// Far away the free stream: u = cos 5 degrees, v = sin 5 degrees, Cp = 0, phi about x cos 5
// degrees; a probe whose potential would exceed the largest double is refused.
TEST(FlowDocument, FarProbesGiveTheFreeStream) {
    const Json d = documentOf({"flow", "--alpha", "5", "--probe", "1e77,0", "--probe", "-1e308,0"});
    for (const Json& probe : d["probes"]) {
        const double x = probe["x"];
        EXPECT_NEAR(probe["u"].get<double>(), 0.9961946980917455, 1e-15) << x;
        EXPECT_NEAR(probe["v"].get<double>(), 0.0871557427476582, 1e-15) << x;
        EXPECT_NEAR(probe["Cp"].get<double>(), 0, 1e-15) << x;
        EXPECT_NEAR(probe["phi"].get<double>() / x, 0.9961946980917455, 1e-15) << x;
        EXPECT_NEAR(probe["psi"].get<double>() / x, -0.0871557427476582, 1e-15) << x;
    }
    expectRefused(runCalc({"flow", "--alpha", "5", "--probe", "1.7e308,1.7e308"}), "--probe");
}

TEST(FlowCommandLine, RefusesBadInputWithOneMessage) {
    const std::vector<std::string> bad[] = {
        {"flow", "--lines", "0"},    {"flow", "--lines", "41"},    {"flow", "--probe", "0.5"},
        {"flow", "--probe", "a,b"},  {"flow", "--probe", "1,nan"}, {"flow", "--size", "100x50"},
        {"flow", "--size", "960"},   {"flow", "--format", "gif"},  {"flow", "--thickness", "31"},
        {"flow", "--alpha", "-11"},  {"flow", "--format", "png"}, // a picture needs --out
        {"flow", "--out", "x.json"},                              // JSON goes to standard output
    };
    for (const std::vector<std::string>& arguments : bad) {
        SCOPED_TRACE(arguments[1] + " " + arguments[2]);
        expectRefused(runCalc(arguments), "--");
    }
}

// The picture's size is --size; in the profile plane the body is painted grey at the pixels the
// layout and the view give, with suction shading above it and pressure below.
TEST(FlowPicture, PngHasItsSizeAndTheBodyWhereTheLayoutPutsIt) {
    const TempFolder folder;
    const std::string path = folder / "flow.png";
    const CalcRun run = runCalc({"flow", "--thickness", "12", "--camber", "4", "--alpha", "5",
                                 "--format", "png", "--out", path, "--size", "640x240"});
    ASSERT_TRUE(run.exited && run.status == 0) << run.err;
    EXPECT_EQ(run.out, path + "\n");
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"flow.png"});
    const QImage image(QString::fromStdString(path));
    ASSERT_EQ(image.size(), QSize(640, 240));

    ChainInputs in;
    in.thickness = 12;
    in.camber = 4;
    in.alpha = 5;
    const Flow flow(computeFullChain(in).state);
    const PixelBox box = flowLayout(640, 240).right;
    const PlaneWindow v = flowView(flow, 1, aspectOf(box));
    const auto pixel = [&](double x, double y) {
        return image.pixelColor(
            static_cast<int>(box.left + (x - v.xMin) / (v.xMax - v.xMin) * box.width),
            static_cast<int>(box.top + (v.yMax - y) / (v.yMax - v.yMin) * box.height));
    };
    EXPECT_EQ(pixel(0.3, 0.04), QColor(90, 90, 90));
    // A lifting profile: suction (blue side of the map) above, pressure (red side) below.
    const QColor above = pixel(0.3, 0.45);
    const QColor below = pixel(0.3, -0.45);
    EXPECT_GT(above.blue(), above.red() + 8);
    EXPECT_GT(below.red(), below.blue() + 8);
}

} // namespace
} // namespace kestrel::test
