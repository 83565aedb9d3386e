// SPDX-License-Identifier: MIT
// Start-up state, scroll-position conversion, checked arrays and the table search, including the
// table miss that must leave the previous profile in place.

#include "model/chain.h"
#include "model/coefficients.h"
#include "model/numeric.h"
#include "model_test_support.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <utility>

namespace kestrel {
namespace {

using test::profileState;
using test::rowOf;
using test::startedState;

TEST(StartUp, SetsConstantsAndSizesTheColumns) {
    const State s = startedState();
    EXPECT_EQ(s.pi, 4 * std::atan(1.0));
    EXPECT_EQ(s.Beta, 0.0);
    EXPECT_EQ(s.KatJo_last, 496);
    for (const TableColumn* column : {&s.table.KatJo_tc, &s.table.KatJo_fc, &s.table.KatJo_eps,
                                      &s.table.KatJo_mu, &s.table.KatJo_n}) {
        EXPECT_EQ(column->last(), 496); // 497 slots, 0 to 496
        EXPECT_EQ((*column)[0], 0.0);   // slot 0 is never filled
        EXPECT_THROW((*column)[497], std::out_of_range);
    }
}

TEST(StartUp, ComputesNoProfile) {
    const State s = startedState();
    EXPECT_FALSE(profileExists(s));
    for (double v : {s.Thickness, s.Camber, s.nP, s.AlfaD, s.xM, s.eps, s.mu, s.nExp, s.nSeg,
                     s.nHalf, s.Delta, s.Rsq, s.Chord, s.xShift, s.RbyC, s.CLcur, s.PGfactor}) {
        EXPECT_EQ(v, 0.0);
    }
    for (long j = 0; j <= 101; ++j) {
        EXPECT_EQ(s.xProf[j], 0.0);
        EXPECT_EQ(s.Cp[j], 0.0);
    }
}

TEST(StartUp, ColumnsAreAllocatedAfreshBeforeTheLoaderRuns) {
    State s;
    s.table.KatJo_eps.resize(10);
    s.table.KatJo_eps[0] = 7; // left over from an earlier life: start-up must not keep it
    long seenLast = -1;
    startUp(s, [&](KatJoColumns& t) {
        seenLast = t.KatJo_eps.last();
        EXPECT_EQ(t.KatJo_eps[0], 0.0);
        EXPECT_EQ(t.KatJo_tc[496], 0.0);
    });
    EXPECT_EQ(seenLast, 496);
}

// The model value of a scroll position is the double nearest the decimal fraction, which is what
// reading the decimal text "0.pp" gives; the table holds exactly that double.
TEST(ScrollConversion, HundredthsAreTheNearestDoubles) {
    EXPECT_EQ(scrollHundredths(12), 0.12);
    EXPECT_EQ(scrollHundredths(0), 0.0);
    EXPECT_FALSE(std::signbit(scrollHundredths(0)));
    for (int p = 0; p <= 100; ++p) {
        const std::string text =
            std::to_string(p / 100) + "." + std::to_string(p / 10 % 10) + std::to_string(p % 10);
        EXPECT_EQ(scrollHundredths(p), std::strtod(text.c_str(), nullptr)) << text;
    }
    EXPECT_EQ(scrollValue(51), 51.0);
    EXPECT_EQ(scrollValue(-10), -10.0);
}

TEST(ScrollConversion, InputsAreStoredUnderTheirNames) {
    State s = startedState();
    setProfileInputs(s, 30, 15, 101);
    EXPECT_EQ(s.Thickness, 0.3);
    EXPECT_EQ(s.Camber, 0.15);
    EXPECT_EQ(s.nP, 101.0);
    setMomentReference(s, 100);
    EXPECT_EQ(s.xM, 1.0);
}

// Each input id reaches its own named position and no other.
TEST(ScrollConversion, ChainInputsReachEachPositionById) {
    const int ChainInputs::*named[] = {&ChainInputs::thickness, &ChainInputs::camber,
                                       &ChainInputs::points, &ChainInputs::alpha, &ChainInputs::xm};
    for (std::size_t k = 0; k < kInputs.size(); ++k) {
        ChainInputs in;
        const ChainInputs before = in;
        in.position(kInputs[k].id) = -7;
        for (std::size_t j = 0; j < kInputs.size(); ++j) {
            EXPECT_EQ(in.*named[j], j == k ? -7 : before.*named[j]) << kInputs[k].option;
            EXPECT_EQ(std::as_const(in).position(kInputs[j].id), in.*named[j]);
        }
    }
}

TEST(CheckedArrays, IndexRoundingTiesGoToEven) {
    struct Case {
        double value;
        long index;
    };
    for (const Case c :
         {Case{2.5, 2}, Case{3.5, 4}, Case{25.5, 26}, Case{26.5, 26}, Case{0.5, 0}, Case{1.5, 2},
          Case{-0.5, 0}, Case{24.49, 24}, Case{24.51, 25}, Case{101.0, 101}}) {
        EXPECT_EQ(toIndex(c.value), c.index) << c.value;
    }
}

TEST(CheckedArrays, OutOfRangeIsAnErrorNeverAWrite) {
    PointArray points("points");
    CurveArray curve("curve");
    EXPECT_THROW(points[102], std::out_of_range);
    EXPECT_THROW(points[-1], std::out_of_range);
    EXPECT_THROW(curve[31], std::out_of_range);
    EXPECT_THROW(curve[-1], std::out_of_range);
    EXPECT_NO_THROW(points[101] = 1);
    EXPECT_NO_THROW(curve[30] = 1);
    // A real index is rounded first: 100.5 goes to 100, 101.5 to 102, which is out of range.
    points.at(100.5) = 5;
    EXPECT_EQ(points[100], 5.0);
    EXPECT_THROW(points.at(101.5), std::out_of_range);
    EXPECT_THROW(points.at(-0.6), std::out_of_range);
    for (long i = 0; i <= 100; ++i) {
        EXPECT_EQ(points[i], i == 100 ? 5.0 : 0.0); // nothing else was written
    }
    try {
        curve[40] = 1;
        ADD_FAILURE() << "no exception";
    } catch (const std::out_of_range& e) {
        EXPECT_NE(std::string(e.what()).find("curve"), std::string::npos) << e.what();
    }
}

TEST(TableSearch, EveryScrollPairIsFoundAtItsRow) {
    const State s = startedState();
    for (int c = 0; c <= 15; ++c) {
        for (int t = 0; t <= 30; ++t) {
            EXPECT_EQ(findTableRow(s, scrollHundredths(t), scrollHundredths(c)), rowOf(t, c))
                << "T " << t << ", C " << c;
        }
    }
}

TEST(TableSearch, PairsOutsideTheGridMiss) {
    const State s = startedState();
    EXPECT_EQ(findTableRow(s, 0.305, 0.0), 0);
    EXPECT_EQ(findTableRow(s, 0.0, 0.16), 0);
    EXPECT_EQ(findTableRow(s, 0.31, 0.15), 0);
    // Exact equality, no tolerance: the neighbouring double of 0.12 is not in the table.
    EXPECT_EQ(findTableRow(s, std::nextafter(0.12, 1.0), 0.0), 0);
}

TEST(TableSearch, TheFirstAndLastRowsGiveTheirCircles) {
    const State flat = profileState(0, 0, 51);
    EXPECT_EQ(flat.eps, 0.0);
    EXPECT_EQ(flat.mu, 0.0);
    const State last = profileState(30, 15, 51);
    EXPECT_EQ(last.eps, 0.29252);
    EXPECT_EQ(last.mu, 0.38751);
}

// A loader under the test's control: slot 0 holds a pair that must never be found, and the pair
// (0.1, 0) appears in rows 5 and 7 with different circles; the search takes the first.
TEST(TableSearch, SkipsSlotZeroAndStopsAtTheFirstMatch) {
    State s;
    startUp(s, [](KatJoColumns& t) {
        t.KatJo_tc[0] = 0.5;
        t.KatJo_fc[0] = 0.5;
        for (long row : {5L, 7L}) {
            t.KatJo_tc[row] = 0.1;
            t.KatJo_fc[row] = 0.0;
            t.KatJo_eps[row] = 0.01 * static_cast<double>(row);
        }
        t.KatJo_tc[496] = 0.2;
        t.KatJo_fc[496] = 0.2;
    });
    EXPECT_EQ(findTableRow(s, 0.5, 0.5), 0);
    EXPECT_EQ(findTableRow(s, 0.1, 0.0), 5);
    EXPECT_EQ(findTableRow(s, 0.2, 0.2), 496);
    setProfileInputs(s, 10, 0, 11);
    ASSERT_TRUE(computeProfile(s));
    EXPECT_EQ(s.eps, 0.05);
}

// Everything a profile computation writes, apart from its three inputs.
void expectSameProfile(const State& a, const State& b) {
    EXPECT_EQ(a.eps, b.eps);
    EXPECT_EQ(a.mu, b.mu);
    EXPECT_EQ(a.nExp, b.nExp);
    EXPECT_EQ(a.nSeg, b.nSeg);
    EXPECT_EQ(a.nHalf, b.nHalf);
    EXPECT_EQ(a.Beta, b.Beta);
    EXPECT_EQ(a.Delta, b.Delta);
    EXPECT_EQ(a.Rsq, b.Rsq);
    EXPECT_EQ(a.Rc, b.Rc);
    EXPECT_EQ(a.dOverR, b.dOverR);
    EXPECT_EQ(a.Chord, b.Chord);
    EXPECT_EQ(a.xShift, b.xShift);
    EXPECT_EQ(a.RbyC, b.RbyC);
    for (long j = 0; j <= 101; ++j) {
        EXPECT_EQ(a.Theta[j], b.Theta[j]) << j;
        EXPECT_EQ(a.xCirc[j], b.xCirc[j]) << j;
        EXPECT_EQ(a.yCirc[j], b.yCirc[j]) << j;
        EXPECT_EQ(a.xProf[j], b.xProf[j]) << j;
        EXPECT_EQ(a.yProf[j], b.yProf[j]) << j;
        EXPECT_EQ(a.dZdZeta[j], b.dZdZeta[j]) << j;
    }
}

TEST(TableMiss, KeepsThePreviousProfileAndTakesTheNewInputs) {
    // The built-in table without the row of t/c 0.12, f/c 0.
    State s;
    startUp(s, [](KatJoColumns& t) {
        loadBuiltInTable(t);
        t.KatJo_tc[rowOf(12, 0)] = -1;
    });
    setProfileInputs(s, 10, 4, 51);
    ASSERT_TRUE(computeProfile(s));
    const State before = s;

    setProfileInputs(s, 12, 0, 61);
    EXPECT_FALSE(computeProfile(s));
    EXPECT_EQ(s.Thickness, 0.12);
    EXPECT_EQ(s.Camber, 0.0);
    EXPECT_EQ(s.nP, 61.0);
    expectSameProfile(s, before);

    s.Thickness = 0.305; // not a scroll value, but the search must miss just the same
    EXPECT_FALSE(computeProfile(s));
    expectSameProfile(s, before);
}

TEST(TableMiss, BeforeAnyProfileLeavesEverythingUnset) {
    State s = startedState();
    const State fresh = s;
    s.Camber = 0.16;
    s.nP = 51;
    EXPECT_FALSE(computeProfile(s));
    expectSameProfile(s, fresh);
    EXPECT_FALSE(profileExists(s));
}

} // namespace
} // namespace kestrel
