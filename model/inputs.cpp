// SPDX-License-Identifier: MIT
#include "model/inputs.h"

#include "model/profile.h"

namespace kestrel {

double inputValue(InputId id, int position) {
    const int divisor = inputDefinition(id).divisor;
    if (divisor == 1) {
        return scrollValue(position);
    }
    return scrollValue(position) / divisor;
}

} // namespace kestrel
