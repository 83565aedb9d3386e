// SPDX-License-Identifier: MIT
// The window's inputs written as one text of key=value pairs, "thickness=12,camber=4,alpha=5".
#pragma once

#include "model/chain.h"

#include <string>
#include <string_view>

namespace kestrel::cli {

// "thickness, camber, points, alpha or xm": the keys, the options' names without "--".
std::string inputKeysText();

// The scroll positions of a text of key=value pairs separated by commas, blanks around keys and
// values ignored: each key at most once, each value a whole number within its scroll bar's range;
// inputs not named keep the window's start positions. Throws UsageError with a message that
// starts with `option` (the command-line option that carried the text, "--a").
ChainInputs inputsFromText(std::string_view option, std::string_view text);

} // namespace kestrel::cli
