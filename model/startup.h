// SPDX-License-Identifier: MIT
#pragma once

#include "model/state.h"

#include <functional>

namespace kestrel {

// Fills rows 1 to KatJo_last of the five table columns.
using TableLoader = std::function<void(KatJoColumns&)>;

// The built-in loader: KatJo_yukle on the five columns.
void loadBuiltInTable(KatJoColumns& table);

// Start-up of the window: sets pi and Beta, sizes the five table columns 0 to KatJo_last and
// fills them through the loader. Computes no profile and draws nothing.
void startUp(State& s, const TableLoader& loader = loadBuiltInTable);

} // namespace kestrel
