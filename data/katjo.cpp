// SPDX-License-Identifier: MIT
#include "data/katjo.h"

namespace kestrel {

// Copies the generated constant rows into rows 1 to 496 of the five columns, each row's columns
// in the order t/c, f/c, eps, mu, n. Slot 0 is not touched, and nothing is computed: every value
// is a constant of kKatJoRows.
void KatJo_yukle(TableColumn& KatJo_tc, TableColumn& KatJo_fc, TableColumn& KatJo_eps,
                 TableColumn& KatJo_mu, TableColumn& KatJo_n) {
    for (long i = 1; i <= kKatJoLast; ++i) {
        const KatJoRow& row = kKatJoRows[i - 1];
        KatJo_tc[i] = row.tc;
        KatJo_fc[i] = row.fc;
        KatJo_eps[i] = row.eps;
        KatJo_mu[i] = row.mu;
        KatJo_n[i] = row.n;
    }
}

} // namespace kestrel
