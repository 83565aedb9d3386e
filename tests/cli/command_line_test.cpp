// SPDX-License-Identifier: MIT
#include "tests/cli/calc_test_support.h"

#include <gtest/gtest.h>

namespace kestrel::test {
namespace {

// A command line that must be refused, and the pieces its message has to contain: the option
// or argument at fault and, for the scroll positions, the allowed range.
struct BadCommandLine {
    std::vector<std::string> arguments;
    std::vector<std::string> mentions;
};

void PrintTo(const BadCommandLine& bad, std::ostream* os) {
    if (bad.arguments.empty()) {
        *os << "(no arguments)";
    }
    for (const std::string& argument : bad.arguments) {
        *os << "[" << argument << "] ";
    }
}

class RefusedCommandLine : public ::testing::TestWithParam<BadCommandLine> {};

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfMistake, RefusedCommandLine,
    ::testing::Values(
        // Scroll positions out of range or not whole numbers.
        BadCommandLine{{"profile", "--thickness", "31"}, {"--thickness", "0 to 30", "31"}},
        BadCommandLine{{"profile", "--thickness", "-1"}, {"--thickness", "0 to 30"}},
        BadCommandLine{{"profile", "--thickness", "1.5"}, {"--thickness", "whole number"}},
        BadCommandLine{{"profile", "--thickness", "abc"}, {"--thickness", "0 to 30", "abc"}},
        BadCommandLine{{"profile", "--thickness", ""}, {"--thickness", "0 to 30", "\"\""}},
        BadCommandLine{{"profile", "--thickness", "12 "}, {"--thickness", "0 to 30"}},
        BadCommandLine{{"profile", "--thickness", "99999999999999999999"}, {"--thickness"}},
        BadCommandLine{{"profile", "--camber", "16"}, {"--camber", "0 to 15"}},
        BadCommandLine{{"profile", "--points", "10"}, {"--points", "11 to 101"}},
        BadCommandLine{{"profile", "--points", "102"}, {"--points", "11 to 101"}},
        BadCommandLine{{"profile", "--alpha", "-11"}, {"--alpha", "-10 to 10", "-11"}},
        BadCommandLine{{"profile", "--alpha", "11"}, {"--alpha", "-10 to 10"}},
        BadCommandLine{{"profile", "--alpha", "2.0"}, {"--alpha", "-10 to 10"}},
        BadCommandLine{{"profile", "--xm", "101"}, {"--xm", "0 to 100"}},
        BadCommandLine{{"profile", "--format", "xml"}, {"--format", "json or csv"}},
        // Options missing their value or given twice.
        BadCommandLine{{"profile", "--points"}, {"--points", "11 to 101"}},
        BadCommandLine{{"profile", "--xm", "1", "--xm", "2"}, {"--xm", "0 to 100"}},
        BadCommandLine{{"profile", "--points", "11", "--points"},
                       {"--points", "second time without a value", "11 to 101"}},
        // Unknown options and stray arguments.
        BadCommandLine{{"profile", "--bogus"}, {"--bogus"}},
        BadCommandLine{{"profile", "-x"}, {"-x"}}, BadCommandLine{{"profile", "12"}, {"12"}},
        BadCommandLine{{"table", "--thickness", "3"}, {"--thickness"}},
        BadCommandLine{{"--thickness", "3", "profile"}, {"--thickness"}},
        // Missing or unknown subcommand.
        BadCommandLine{{}, {"subcommand", "table", "profile"}},
        BadCommandLine{{"profiles"}, {"profiles", "table", "profile"}},
        // A valid option after a bad one does not hide the bad one.
        BadCommandLine{{"profile", "--camber", "20", "--alpha", "5"}, {"--camber", "0 to 15"}},
        // coords takes the profile's three positions and its own formats only.
        BadCommandLine{{"coords", "--thickness", "31"}, {"--thickness", "0 to 30"}},
        BadCommandLine{{"coords", "--points", "10"}, {"--points", "11 to 101"}},
        BadCommandLine{{"coords", "--format", "json"}, {"--format", "dat or csv", "json"}},
        BadCommandLine{{"coords", "--alpha", "5"}, {"--alpha", "coords"}},
        BadCommandLine{{"coords", "--mach", "0.3"}, {"--mach", "coords"}},
        // render: a folder is required; the scale is a plain decimal number from 0.5 to 8.
        BadCommandLine{{"render"}, {"--out"}}, BadCommandLine{{"render", "--out", ""}, {"--out"}},
        BadCommandLine{{"render", "--out", "x", "--scale", "0.49"},
                       {"--scale", "0.5 to 8", "0.49"}},
        BadCommandLine{{"render", "--out", "x", "--scale", "8.5"}, {"--scale", "0.5 to 8", "8.5"}},
        BadCommandLine{{"render", "--out", "x", "--scale", "0"}, {"--scale", "0.5 to 8"}},
        BadCommandLine{{"render", "--out", "x", "--scale", "-2"}, {"--scale", "0.5 to 8"}},
        BadCommandLine{{"render", "--out", "x", "--scale", "two"}, {"--scale", "\"two\""}},
        BadCommandLine{{"render", "--out", "x", "--scale", ""}, {"--scale", "\"\""}},
        BadCommandLine{{"render", "--out", "x", "--scale", "2e0"}, {"--scale", "0.5 to 8"}},
        BadCommandLine{{"render", "--out", "x", "--scale", "inf"}, {"--scale", "0.5 to 8"}},
        BadCommandLine{{"render", "--out", "x", "--scale", "1,5"}, {"--scale", "0.5 to 8"}},
        BadCommandLine{{"render", "--out", "x", "--scale", "1.2.3"}, {"--scale", "0.5 to 8"}},
        BadCommandLine{{"render", "--out", "x", "--format", "jpg"}, {"--format", "png or svg"}},
        BadCommandLine{{"render", "--out", "x", "--alpha", "11"}, {"--alpha", "-10 to 10"}},
        BadCommandLine{{"render", "--out", "x", "--xm", "-1"}, {"--xm", "0 to 100"}}));

TEST_P(RefusedCommandLine, ExitsWithTwoAndOneMessageOnStandardError) {
    const CalcRun run = runCalc(GetParam().arguments);
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    const std::vector<std::string> lines = linesOf(run.err);
    ASSERT_EQ(lines.size(), 1u) << run.err;
    EXPECT_EQ(run.err.back(), '\n');
    EXPECT_EQ(lines[0].rfind("kestrel-calc: ", 0), 0u) << lines[0];
    for (const std::string& piece : GetParam().mentions) {
        EXPECT_NE(lines[0].find(piece), std::string::npos) << lines[0] << " lacks " << piece;
    }
}

TEST(RefusedCommandLine, NamesTheRangeAndTheUnitOfAScrollPosition) {
    const CalcRun run = runCalc({"profile", "--thickness", "31"});
    EXPECT_EQ(run.err, "kestrel-calc: --thickness must be a whole number from 0 to 30 "
                       "(hundredths of the chord), got 31\n");
}

// "--name=value" is "--name value", and "--mach=" an empty Mach text, which reads as 0.
TEST(OptionForms, AnEqualsSignJoinsAnOptionAndItsText) {
    const auto output = [](const std::vector<std::string>& arguments) {
        const CalcRun run = runCalc(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    };
    EXPECT_EQ(output({"profile", "--mach=", "--alpha=5"}),
              output({"profile", "--mach", "", "--alpha", "5"}));
    EXPECT_EQ(output({"profile", "--mach=", "--thickness=12"}),
              output({"profile", "--mach", "0", "--thickness", "12"}));
    EXPECT_EQ(output({"profile", "--mach=0.5", "--format=csv"}),
              output({"profile", "--mach", "0.5", "--format", "csv"}));
}

TEST(Help, DocumentsEverySubcommandAndOption) {
    struct Page {
        std::vector<std::string> arguments;
        std::vector<std::string> mentions;
    };
    const Page pages[] = {
        {{"--help"}, {"table", "profile", "coords", "render", "Exit status", "2"}},
        {{"coords", "--help"},
         {"--thickness", "--camber", "--points", "dat", "csv", "j,x,y,side", "trailing-edge",
          "leading-edge", "lower", "upper"}},
        {{"render", "--help"},
         {"--out", "--format", "png", "svg", "--scale", "0.5 to 8", "--mach", "daire", "profil",
          "pressure", "Picture_CL", "Picture_CM", "offscreen"}},
        {{"table", "--help"}, {"row,tc,fc,eps,mu,n"}},
        {{"profile", "--help"},
         {"--thickness", "0 to 30", "--camber", "0 to 15", "--points", "11 to 101", "--alpha",
          "-10 to 10",   "--xm",    "0 to 100", "--mach",  "--format", "json",      "csv",
          "j,x,y,Cp",    "null",    "PGfactor", "Text_CL", "Text1",    "1e999"}},
        {{"profile", "-h"}, {"--thickness"}},
    };
    for (const Page& page : pages) {
        SCOPED_TRACE(page.arguments.front());
        const CalcRun run = runCalc(page.arguments);
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        for (const std::string& piece : page.mentions) {
            EXPECT_NE(run.out.find(piece), std::string::npos) << "help lacks " << piece;
        }
    }
}

TEST(WriteFailure, EndsWithStatusOneAndAMessage) {
    for (const Stdout where : {Stdout::Full, Stdout::ClosedPipe}) {
        for (const char* command : {"table", "profile", "coords"}) {
            SCOPED_TRACE(command);
            const CalcRun run = runCalc({command}, where);
            ASSERT_TRUE(run.exited) << "ended by a signal";
            EXPECT_EQ(run.status, 1);
            EXPECT_NE(run.err.find("kestrel-calc: cannot write the output"), std::string::npos)
                << run.err;
        }
    }
}

} // namespace
} // namespace kestrel::test
