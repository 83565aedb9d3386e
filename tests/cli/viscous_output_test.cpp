// SPDX-License-Identifier: MIT
// kestrel-calc viscous and polar: the JSON documents against a direct run of the model, nulls
// only where the help allows them, a separated and a singular case, the CSV forms, bad command
// lines and the help.

#include "model/boundary_layer.h"
#include "model/chain.h"
#include "model/text.h"
#include "tests/cli/json_test_support.h"

#include <gtest/gtest.h>

namespace kestrel::test {
namespace {

using Keys = std::vector<std::string>;

// The arguments, ending in --format, with the format's name.
std::vector<std::string> withFormat(std::vector<std::string> arguments, const char* format) {
    arguments.emplace_back(format);
    return arguments;
}

// The model's boundary layer for the window's inputs.
BoundaryLayer layerOf(int thickness, int camber, int alpha, double reynolds) {
    ChainInputs in;
    in.thickness = thickness;
    in.camber = camber;
    in.alpha = alpha;
    BoundaryLayerOptions o;
    o.reynolds = reynolds;
    return boundaryLayer(computeFullChain(in).state, o);
}

// Every null of a side is one the help allows: no separation, no transition, N where turbulent.
void expectNullsOnlyWhereAllowed(const Json& side) {
    EXPECT_EQ(keysOf(side), (Keys{"stagnation_x", "transition", "laminar_separation_x",
                                  "turbulent_separation_x", "points"}));
    EXPECT_TRUE(side["stagnation_x"].is_number());
    for (const Json& p : side["points"]) {
        ASSERT_EQ(keysOf(p),
                  (Keys{"s", "x", "y", "ue", "theta", "delta_star", "H", "Cf", "N", "regime"}));
        for (const char* key : {"s", "x", "y", "ue", "theta", "delta_star", "H", "Cf"}) {
            ASSERT_TRUE(p[key].is_number()) << key << " " << p;
        }
        EXPECT_EQ(p["N"].is_null(), p["regime"] == "turbulent") << p;
    }
}

TEST(ViscousDocument, HoldsTheModelsNumbersUnderItsKeys) {
    const Json d = documentOf(
        {"viscous", "--thickness", "12", "--camber", "4", "--alpha", "4", "--reynolds", "3e6"});
    EXPECT_EQ(keysOf(d), (Keys{"inputs", "row", "reynolds", "ncrit", "CL", "CM", "CD",
                               "CD_friction", "L_over_D", "attached", "note", "upper", "lower"}));
    EXPECT_EQ(keysOf(d["inputs"]),
              (Keys{"Thickness", "Camber", "AlfaD", "xM", "trip_upper", "trip_lower"}));
    EXPECT_TRUE(d["inputs"]["trip_upper"].is_null());
    EXPECT_EQ(d["reynolds"], 3000000);
    EXPECT_EQ(d["ncrit"], 9);

    const BoundaryLayer bl = layerOf(12, 4, 4, 3e6);
    ASSERT_TRUE(bl.CD.has_value());
    EXPECT_EQ(d["CD"].get<double>(), *bl.CD);
    EXPECT_EQ(d["CD_friction"].get<double>(), *bl.CDfriction);
    EXPECT_DOUBLE_EQ(d["L_over_D"].get<double>(), d["CL"].get<double>() / *bl.CD);
    EXPECT_EQ(d["attached"], true);
    EXPECT_EQ(d["note"], bl.note);
    EXPECT_EQ(d["upper"]["transition"]["cause"], "amplification");
    EXPECT_EQ(d["upper"]["transition"]["x"].get<double>(), bl.upper.transition->x);
    EXPECT_EQ(d["lower"]["points"].size(), bl.lower.size());
    for (const char* side : {"upper", "lower"}) {
        SCOPED_TRACE(side);
        expectNullsOnlyWhereAllowed(d[side]);
        const Json& points = d[side]["points"];
        EXPECT_EQ(points.front()["ue"], 0); // the stagnation point
        EXPECT_EQ(points.back()["x"], 1);   // the trailing edge
    }
}

TEST(ViscousDocument, SeparationAndTheSharpLeadingEdgeLeaveNoDrag) {
    // The 12 % symmetric profile at 10 degrees and Re = 1e6 separates at x/c = 0.93 on the upper
    // side; a 4 % arc of zero thickness at 3 degrees turns the flow round its sharp edge.
    const Json separated = documentOf({"viscous", "--thickness", "12", "--alpha", "10"});
    const Json sharp = documentOf({"viscous", "--thickness", "0", "--camber", "4", "--alpha", "3"});
    for (const Json* d : {&separated, &sharp}) {
        for (const char* key : {"CD", "CD_friction", "L_over_D"}) {
            EXPECT_TRUE((*d)[key].is_null()) << key;
        }
        EXPECT_EQ((*d)["attached"], false);
        EXPECT_TRUE((*d)["CL"].is_number());
    }
    const Json& upper = separated["upper"];
    EXPECT_EQ(upper["turbulent_separation_x"], upper["points"].back()["x"]);
    EXPECT_EQ(upper["points"].back()["H"], 2.4);
    EXPECT_EQ(separated["note"], "the boundary layer separates at x/c = 0.93 on the upper side; "
                                 "beyond this the attached-flow theory does not hold");
    EXPECT_EQ(sharp["upper"]["laminar_separation_x"], 0);
    EXPECT_NE(sharp["note"].get<std::string>().find("sharp leading edge"), std::string::npos);
    EXPECT_TRUE(sharp["lower"]["laminar_separation_x"].is_null());
}

TEST(ViscousCsv, OneLinePerPointWithItsSide) {
    const std::vector<std::string> arguments{"viscous", "--thickness", "12",  "--trip-upper",
                                             "0.1",     "--reynolds",  "2e6", "--format"};
    const CalcRun run = runCalc(withFormat(arguments, "csv"));
    ASSERT_EQ(run.status, 0) << run.err;
    const Json d = documentOf(withFormat(arguments, "json"));
    EXPECT_EQ(d["upper"]["transition"]["cause"], "trip");
    EXPECT_EQ(d["inputs"]["trip_upper"], 0.1);

    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines[0], "side,s,x,y,ue,theta,delta_star,H,Cf,N,regime");
    ASSERT_EQ(lines.size(), 1 + d["upper"]["points"].size() + d["lower"]["points"].size());
    std::size_t i = 1;
    for (const char* side : {"upper", "lower"}) {
        for (const Json& p : d[side]["points"]) {
            const std::vector<std::string> f = fieldsOf(lines[i++]);
            ASSERT_EQ(f.size(), 11u);
            EXPECT_EQ(f[0], side);
            EXPECT_EQ(readNumber(f[5]), p["theta"].get<double>());
            EXPECT_EQ(f[9].empty(), p["N"].is_null());
            EXPECT_EQ(f[10], p["regime"]);
        }
    }
}

TEST(PolarCsv, TheWindowsAnglesWithTheModelsNumbers) {
    const CalcRun run = runCalc({"polar", "--thickness", "12", "--camber", "4", "--xm", "25"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "alpha,CL,CM,CD,L_over_D,xtr_upper,xtr_lower,xsep_upper,xsep_lower");
    ChainInputs in;
    in.thickness = 12;
    in.camber = 4;
    in.xm = 25;
    const State s = computeFullChain(in).state;
    for (int alpha : {-10, 0, 4, 10}) {
        SCOPED_TRACE(alpha);
        const std::vector<std::string> f = fieldsOf(lines[static_cast<std::size_t>(alpha + 11)]);
        ASSERT_EQ(f.size(), 9u);
        EXPECT_EQ(f[0], std::to_string(alpha));
        const PolarPoint p = polarPoint(s, alpha, {});
        EXPECT_EQ(readNumber(f[1]), p.CL);
        EXPECT_EQ(readNumber(f[2]), p.CM);
        EXPECT_EQ(f[3], p.CD ? numberText(*p.CD, ".") : "");
        EXPECT_EQ(f[5], p.xtrUpper ? numberText(*p.xtrUpper, ".") : "");
        EXPECT_EQ(f[7], p.xsepUpper ? numberText(*p.xsepUpper, ".") : "");
    }
}

TEST(PolarDocument, TheCsvCellsUnderTheirKeys) {
    const std::vector<std::string> range{"polar", "--thickness", "6", "--from",
                                         "-1",    "--to",        "1", "--step",
                                         "0.5",   "--ncrit",     "5", "--format"};
    const Json d = documentOf(withFormat(range, "json"));
    EXPECT_EQ(keysOf(d), (Keys{"inputs", "row", "reynolds", "ncrit", "polar"}));
    EXPECT_EQ(keysOf(d["inputs"]), (Keys{"Thickness", "Camber", "xM", "from", "to", "step"}));
    const std::vector<std::string> lines = linesOf(runCalc(withFormat(range, "csv")).out);
    const Keys columns = {"alpha",     "CL",        "CM",         "CD",        "L_over_D",
                          "xtr_upper", "xtr_lower", "xsep_upper", "xsep_lower"};
    ASSERT_EQ(d["polar"].size(), 5u);
    ASSERT_EQ(lines.size(), 6u);
    for (std::size_t k = 0; k < 5; ++k) {
        const Json& p = d["polar"][k];
        EXPECT_EQ(keysOf(p), columns);
        const std::vector<std::string> f = fieldsOf(lines[k + 1]);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const Json& v = p[columns[c]];
            EXPECT_EQ(f[c].empty(), v.is_null()) << columns[c];
            if (!v.is_null()) {
                EXPECT_EQ(readNumber(f[c]), v.get<double>()) << columns[c];
            }
        }
    }
    EXPECT_EQ(d["polar"][1]["alpha"], -0.5);
}

TEST(ViscousCommandLine, RefusesBadInputWithOneMessage) {
    const std::vector<std::vector<std::string>> bad = {
        {"viscous", "--reynolds", "9999"},
        {"viscous", "--reynolds", "1.1e8"},
        {"viscous", "--reynolds", "abc"},
        {"viscous", "--reynolds", ""},
        {"viscous", "--reynolds", "+1e6"},
        {"viscous", "--ncrit", "0"},
        {"viscous", "--ncrit", "21"},
        {"viscous", "--trip-upper", "-0.1"},
        {"viscous", "--trip-lower", "1.5"},
        {"viscous", "--trip-lower", "nan"},
        {"viscous", "--format", "xml"},
        {"viscous", "--alpha", "11"},
        {"viscous", "--points", "51"},
        {"viscous", "--mach", "0.3"},
        {"polar", "--from", "5", "--to", "1"},
        {"polar", "--step", "0"},
        {"polar", "--step", "0.01"},
        {"polar", "--to", "21"},
        {"polar", "--alpha", "3"},
        {"polar", "--trip-upper", "0.1"},
        {"polar", "--format", "dat"},
    };
    for (const std::vector<std::string>& arguments : bad) {
        SCOPED_TRACE(arguments[1] + " " + (arguments.size() > 2 ? arguments[2] : ""));
        expectRefused(runCalc(arguments), arguments[1]);
    }
}

TEST(ViscousHelp, SaysWhereTheMethodsHoldAndWhereValuesAreNull) {
    for (const char* command : {"viscous", "polar"}) {
        const CalcRun run = runCalc({command, "--help"});
        EXPECT_EQ(run.status, 0);
        for (const char* words : {"Thwaites", "Head", "Squire-Young", "one way", "1e5 to 1e7",
                                  "--reynolds", "--ncrit", "null", "Example"}) {
            EXPECT_NE(run.out.find(words), std::string::npos) << command << " lacks " << words;
        }
    }
}

} // namespace
} // namespace kestrel::test
