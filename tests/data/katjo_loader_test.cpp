// SPDX-License-Identifier: MIT
// The loader fills rows 1 to 496 of the five columns from the constant rows and never touches
// slot 0, which the table search skips.

#include "data/katjo.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

KatJoColumns sizedColumns() {
    KatJoColumns columns;
    for (TableColumn* column : {&columns.KatJo_tc, &columns.KatJo_fc, &columns.KatJo_eps,
                                &columns.KatJo_mu, &columns.KatJo_n}) {
        column->resize(kKatJoLast);
    }
    return columns;
}

void load(KatJoColumns& c) {
    KatJo_yukle(c.KatJo_tc, c.KatJo_fc, c.KatJo_eps, c.KatJo_mu, c.KatJo_n);
}

TEST(KatJoLoader, FillsEveryRowInItsGridPosition) {
    KatJoColumns c = sizedColumns();
    load(c);
    for (int camber = 0; camber <= 15; ++camber) {
        for (int thickness = 0; thickness <= 30; ++thickness) {
            const long i = 1 + 31 * camber + thickness;
            EXPECT_EQ(c.KatJo_tc[i], thickness / 100.0) << "row " << i;
            EXPECT_EQ(c.KatJo_fc[i], camber / 100.0) << "row " << i;
            EXPECT_EQ(c.KatJo_eps[i], kKatJoRows[i - 1].eps) << "row " << i;
            EXPECT_EQ(c.KatJo_mu[i], kKatJoRows[i - 1].mu) << "row " << i;
            // n is 2 in every row, so it also shows that the row was written at all.
            EXPECT_EQ(c.KatJo_n[i], 2.0) << "row " << i;
        }
    }
}

TEST(KatJoLoader, LeavesSlotZeroAlone) {
    KatJoColumns fresh = sizedColumns();
    load(fresh);
    EXPECT_EQ(fresh.KatJo_tc[0], 0.0);
    EXPECT_EQ(fresh.KatJo_fc[0], 0.0);
    EXPECT_EQ(fresh.KatJo_eps[0], 0.0);
    EXPECT_EQ(fresh.KatJo_mu[0], 0.0);
    EXPECT_EQ(fresh.KatJo_n[0], 0.0);

    // A marker in slot 0 survives loading: the loader does not write there at all.
    KatJoColumns marked = sizedColumns();
    marked.KatJo_tc[0] = -1.0;
    marked.KatJo_fc[0] = -1.0;
    marked.KatJo_eps[0] = -1.0;
    marked.KatJo_mu[0] = -1.0;
    marked.KatJo_n[0] = -1.0;
    load(marked);
    EXPECT_EQ(marked.KatJo_tc[0], -1.0);
    EXPECT_EQ(marked.KatJo_fc[0], -1.0);
    EXPECT_EQ(marked.KatJo_eps[0], -1.0);
    EXPECT_EQ(marked.KatJo_mu[0], -1.0);
    EXPECT_EQ(marked.KatJo_n[0], -1.0);
}

} // namespace
} // namespace kestrel
