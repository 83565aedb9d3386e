// SPDX-License-Identifier: MIT
// The generated table checked against what its rows mean: each row's circle must give a profile
// with the row's thickness and camber, and the grid must have the layout the table search and
// the profile computation rely on.

#include "data/katjo.h"
#include "tests/data/profile_measures.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace kestrel {
namespace {

constexpr int kMaxT = 30; // thickness in hundredths
constexpr int kMaxC = 15; // camber in hundredths

const KatJoRow& row(int t, int c) {
    return kKatJoRows[31 * c + t];
}

// Agreement the stored five-decimal values must reach with the two defining conditions.
constexpr double kConditionTolerance = 0.000015;

// --- The measuring code itself, on profiles whose measures are known in closed form. ---

// With eps = 0 the circle through +-1 centred at i mu maps onto a circular arc from -2 to 2 that
// passes through 2i mu (the image of the circle's top point i (mu + sqrt(1 + mu^2))): both points
// of every mirror pair land on the arc, so the thickness is 0 and the camber 2 mu / 4 = mu / 2.
TEST(ProfileMeasures, CircularArcHasZeroThicknessAndCamberHalfMu) {
    for (double mu : {0.02, 0.1, 0.3}) {
        const test::Measures m = test::measureProfile(0.0, mu);
        EXPECT_NEAR(m.thickness, 0.0, 1e-12) << "mu " << mu;
        EXPECT_NEAR(m.camber, mu / 2.0, 1e-12) << "mu " << mu;
    }
}

// A circle centred on the real axis gives a profile symmetric about it: camber 0.
TEST(ProfileMeasures, SymmetricCircleHasNoCamber) {
    for (double eps : {0.01, 0.1, 0.3}) {
        EXPECT_NEAR(test::measureProfile(eps, 0.0).camber, 0.0, 1e-14) << "eps " << eps;
    }
}

// For a thin symmetric profile the half-thickness is 2 eps (1 - cos t) sin t, largest at
// t = 2 pi / 3 with value 3 sqrt(3) eps / 2, over the chord 4: t/c tends to 3 sqrt(3) / 4 eps.
TEST(ProfileMeasures, ThinSymmetricProfileFollowsFirstOrderThickness) {
    const double eps = 1e-6;
    EXPECT_NEAR(test::measureProfile(eps, 0.0).thickness / eps, 3.0 * std::sqrt(3.0) / 4.0, 1e-5);
}

// --- Every row against its defining conditions. ---

TEST(KatJoTable, EveryRowMeetsItsThicknessAndCamber) {
    for (int c = 0; c <= kMaxC; ++c) {
        for (int t = 0; t <= kMaxT; ++t) {
            const KatJoRow& r = row(t, c);
            const test::Measures m = test::measureProfile(r.eps, r.mu);
            EXPECT_NEAR(m.thickness, t / 100.0, kConditionTolerance) << "T " << t << " C " << c;
            EXPECT_NEAR(m.camber, c / 100.0, kConditionTolerance) << "T " << t << " C " << c;
        }
    }
}

// The table search compares with == against scroll position / 100.0, so columns 1 and 2 must
// hold exactly that double, at row 1 + 31 C + T.
TEST(KatJoTable, RowsRunCamberMajorWithExactRatios) {
    for (int c = 0; c <= kMaxC; ++c) {
        for (int t = 0; t <= kMaxT; ++t) {
            const KatJoRow& r = kKatJoRows[1 + 31 * c + t - 1];
            EXPECT_EQ(std::bit_cast<std::uint64_t>(r.tc), std::bit_cast<std::uint64_t>(t / 100.0))
                << "T " << t << " C " << c;
            EXPECT_EQ(std::bit_cast<std::uint64_t>(r.fc), std::bit_cast<std::uint64_t>(c / 100.0))
                << "T " << t << " C " << c;
        }
    }
}

TEST(KatJoTable, EveryRowHasExponentTwo) {
    for (const KatJoRow& r : kKatJoRows) {
        EXPECT_EQ(r.n, 2.0);
    }
}

// Columns 3 and 4 hold the double nearest to a number with five decimals.
TEST(KatJoTable, OffsetsHaveFiveDecimals) {
    for (const KatJoRow& r : kKatJoRows) {
        for (double v : {r.eps, r.mu}) {
            EXPECT_EQ(v, std::round(v * 1e5) / 1e5) << v;
        }
    }
}

// Without thickness the profile is the circular arc: eps = 0 and mu = 2 f/c exactly.
// Without camber the circle is centred on the real axis: mu = 0 exactly.
TEST(KatJoTable, ArcAndSymmetricRowsAreExact) {
    for (int c = 0; c <= kMaxC; ++c) {
        EXPECT_EQ(row(0, c).eps, 0.0) << "C " << c;
        EXPECT_EQ(row(0, c).mu, 2.0 * (c / 100.0)) << "C " << c;
        EXPECT_EQ(row(0, c).mu, c / 50.0) << "C " << c;
    }
    for (int t = 0; t <= kMaxT; ++t) {
        EXPECT_EQ(row(t, 0).mu, 0.0) << "T " << t;
    }
}

// eps is the thickness parameter: it grows with thickness and camber lowers it slightly.
// mu is the camber parameter: it grows with camber and thickness raises it slightly.
TEST(KatJoTable, OffsetsAreMonotoneAcrossTheGrid) {
    for (int c = 0; c <= kMaxC; ++c) {
        for (int t = 1; t <= kMaxT; ++t) {
            EXPECT_GT(row(t, c).eps, row(t - 1, c).eps) << "T " << t << " C " << c;
            EXPECT_GE(row(t, c).mu, row(t - 1, c).mu) << "T " << t << " C " << c;
        }
    }
    for (int t = 0; t <= kMaxT; ++t) {
        for (int c = 1; c <= kMaxC; ++c) {
            EXPECT_LE(row(t, c).eps, row(t, c - 1).eps) << "T " << t << " C " << c;
            EXPECT_GT(row(t, c).mu, row(t, c - 1).mu) << "T " << t << " C " << c;
        }
    }
}

// The extremes sit at the grid corners: the thinnest non-zero eps at the most cambered thin
// profile, the largest eps at the thickest symmetric one; mu smallest at the thin arc of least
// camber, largest at the thickest, most cambered profile.
TEST(KatJoTable, ValuesSpanTheirRanges) {
    double epsMin = 1.0;
    double epsMax = 0.0;
    double muMin = 1.0;
    double muMax = 0.0;
    for (const KatJoRow& r : kKatJoRows) {
        if (r.eps != 0.0) {
            epsMin = std::fmin(epsMin, r.eps);
        }
        if (r.mu != 0.0) {
            muMin = std::fmin(muMin, r.mu);
        }
        epsMax = std::fmax(epsMax, r.eps);
        muMax = std::fmax(muMax, r.mu);
    }
    EXPECT_EQ(epsMin, 0.00751);
    EXPECT_EQ(row(1, 15).eps, 0.00751);
    EXPECT_EQ(epsMax, 0.30574);
    EXPECT_EQ(row(30, 0).eps, 0.30574);
    EXPECT_EQ(muMin, 0.02);
    EXPECT_EQ(row(0, 1).mu, 0.02);
    EXPECT_EQ(muMax, 0.38751);
    EXPECT_EQ(row(30, 15).mu, 0.38751);
}

// mu / (1 + eps) is tan(Beta), the zero-lift angle, which stays close to 2 f/c (its value for
// the arc) in every cambered row. At f/c = 0.15 camber pulls eps 3 to 4.5 % below its symmetric
// value. The bounds are four- and five-digit figures, so half a unit of their last digit is
// allowed.
TEST(KatJoTable, CamberChangesTheOffsetsOnlySlightly) {
    for (int c = 1; c <= kMaxC; ++c) {
        for (int t = 0; t <= kMaxT; ++t) {
            const double ratio = row(t, c).mu / (1.0 + row(t, c).eps) / (2.0 * (c / 100.0));
            EXPECT_GE(ratio, 0.99898 - 0.000005) << "T " << t << " C " << c;
            EXPECT_LE(ratio, 1.00024 + 0.000005) << "T " << t << " C " << c;
        }
    }
    for (int t = 2; t <= kMaxT; ++t) {
        const double ratio = row(t, 15).eps / row(t, 0).eps;
        EXPECT_GE(ratio, 0.9568 - 0.00005) << "T " << t;
        EXPECT_LE(ratio, 0.9674 + 0.00005) << "T " << t;
    }
}

// The table's reference rows, which other parts of the program rely on exactly (row 13 is the
// 12 % symmetric profile, eps = 0.10201).
struct ReferenceRow {
    int index;
    double tc;
    double fc;
    double eps;
    double mu;
};

void PrintTo(const ReferenceRow& r, std::ostream* os) {
    *os << "row " << r.index << " (" << r.tc << ", " << r.fc << ", " << r.eps << ", " << r.mu
        << ")";
}

class KatJoReferenceRow : public ::testing::TestWithParam<ReferenceRow> {};

TEST_P(KatJoReferenceRow, IsStoredExactly) {
    const ReferenceRow& expected = GetParam();
    const KatJoRow& r = kKatJoRows[expected.index - 1];
    EXPECT_EQ(r.tc, expected.tc);
    EXPECT_EQ(r.fc, expected.fc);
    EXPECT_EQ(r.eps, expected.eps);
    EXPECT_EQ(r.mu, expected.mu);
    EXPECT_EQ(r.n, 2.0);
}

INSTANTIATE_TEST_SUITE_P(
    KatJoTable, KatJoReferenceRow,
    ::testing::Values(ReferenceRow{1, 0, 0, 0, 0}, ReferenceRow{2, 0.01, 0, 0.00776, 0},
                      ReferenceRow{11, 0.10, 0, 0.08354, 0}, ReferenceRow{13, 0.12, 0, 0.10201, 0},
                      ReferenceRow{21, 0.20, 0, 0.18327, 0}, ReferenceRow{31, 0.30, 0, 0.30574, 0},
                      ReferenceRow{32, 0, 0.01, 0, 0.02},
                      ReferenceRow{33, 0.01, 0.01, 0.00776, 0.02016},
                      ReferenceRow{62, 0.30, 0.01, 0.30567, 0.02609},
                      ReferenceRow{135, 0.10, 0.04, 0.08332, 0.08667},
                      ReferenceRow{264, 0.15, 0.08, 0.12962, 0.18072},
                      ReferenceRow{466, 0, 0.15, 0, 0.3},
                      ReferenceRow{467, 0.01, 0.15, 0.00751, 0.30226},
                      ReferenceRow{481, 0.15, 0.15, 0.12629, 0.33788},
                      ReferenceRow{496, 0.30, 0.15, 0.29252, 0.38751}),
    [](const ::testing::TestParamInfo<ReferenceRow>& info) {
        return "Row" + std::to_string(info.param.index);
    });

} // namespace
} // namespace kestrel
