// SPDX-License-Identifier: MIT
#include "model/startup.h"

#include "model/portable_math.h"

#include <cmath>

namespace kestrel {

void loadBuiltInTable(KatJoColumns& t) {
    KatJo_yukle(t.KatJo_tc, t.KatJo_fc, t.KatJo_eps, t.KatJo_mu, t.KatJo_n);
}

void startUp(State& s, const TableLoader& loader) {
    s.pi = 4 * portable::atan(1.0);
    s.Beta = 0;
    s.KatJo_last = kKatJoLast;
    for (TableColumn* column : {&s.table.KatJo_tc, &s.table.KatJo_fc, &s.table.KatJo_eps,
                                &s.table.KatJo_mu, &s.table.KatJo_n}) {
        column->resize(s.KatJo_last);
    }
    loader(s.table);
}

} // namespace kestrel
