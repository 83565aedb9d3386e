// SPDX-License-Identifier: MIT
// The profile kept for comparison, remembered between runs in the program's settings: the five
// input positions and the Mach text it was kept with.
#pragma once

#include "model/chain.h"

#include <optional>

namespace kestrel {

// The inputs kept last, if any; kept inputs that no longer fit the inputs' ranges are forgotten.
std::optional<ChainInputs> rememberedKeptInputs();
// Remembers the inputs at once, so that nothing kept is lost if the program ends abruptly.
void rememberKeptInputs(const ChainInputs& inputs);
void forgetKeptInputs();

} // namespace kestrel
