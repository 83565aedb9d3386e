// SPDX-License-Identifier: MIT
// Squire and Young's drag formula.
#include "model/squire_young.h"

#include <cmath>

namespace kestrel {

double squireYoung(double theta, double H, double ue) {
    return 2 * theta * std::pow(ue, (H + 5) / 2);
}

} // namespace kestrel
