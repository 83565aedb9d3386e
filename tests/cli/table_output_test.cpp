// SPDX-License-Identifier: MIT
#include "model/startup.h"
#include "tests/cli/calc_test_support.h"

#include <gtest/gtest.h>

namespace kestrel::test {
namespace {

TEST(TableOutput, ListsTheRowsInRowRuleOrderInShortestForm) {
    const CalcRun run = runCalc({"table"});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 497u); // header and 496 rows
    EXPECT_EQ(lines[0], "row,tc,fc,eps,mu,n");

    State s;
    startUp(s);
    for (long i = 1; i <= 496; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const std::vector<std::string> fields = fieldsOf(lines[static_cast<std::size_t>(i)]);
        ASSERT_EQ(fields.size(), 6u);
        EXPECT_EQ(fields[0], std::to_string(i));
        // Row i holds thickness T and camber C (hundredths) with i = 1 + 31 C + T, and its t/c
        // and f/c are the doubles nearest T/100 and C/100.
        const long thickness = (i - 1) % 31;
        const long camber = (i - 1) / 31;
        EXPECT_EQ(readNumber(fields[1]), static_cast<double>(thickness) / 100);
        EXPECT_EQ(readNumber(fields[2]), static_cast<double>(camber) / 100);
        // The circle parameters read back as the values the program holds.
        EXPECT_EQ(readNumber(fields[3]), s.table.KatJo_eps[i]);
        EXPECT_EQ(readNumber(fields[4]), s.table.KatJo_mu[i]);
        EXPECT_EQ(fields[5], "2"); // the mapping exponent of every row
        for (std::size_t f = 1; f < fields.size(); ++f) {
            expectShortestFixed(fields[f], readNumber(fields[f]));
        }
    }
}

TEST(TableOutput, RowThirteenIsTheStoredTwelvePercentProfile) {
    // t/c 0.12 without camber: the table stores eps 0.10201 (one unit below the rounded exact
    // solution), mu is 0 without camber, and the exponent is 2.
    const std::vector<std::string> lines = linesOf(runCalc({"table"}).out);
    ASSERT_GT(lines.size(), 13u);
    EXPECT_EQ(lines[13], "13,0.12,0,0.10201,0,2");
}

} // namespace
} // namespace kestrel::test
