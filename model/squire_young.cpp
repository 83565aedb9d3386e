// SPDX-License-Identifier: MIT
// Squire and Young's drag formula.
#include "model/squire_young.h"

#include "model/portable_math.h"

#include <cmath>

namespace kestrel {

double squireYoung(double theta, double H, double ue) {
    return 2 * theta * portable::pow(ue, (H + 5) / 2);
}

} // namespace kestrel
