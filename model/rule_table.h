// SPDX-License-Identifier: MIT
// The rule table of the study views: the incompressible values and each compressibility rule's
// lift, moment, smallest surface pressure and critical Mach number as rounded texts, with the
// warning that goes under it.
#pragma once

#include "model/compressibility.h"
#include "model/state.h"
#include "model/texts.h"

#include <array>
#include <string>
#include <string_view>

namespace kestrel {

// The rows' and columns' names; the rules' names in the order of kCompressibilityRules.
inline constexpr std::array<TextId, 3> kRuleNames = {TextId::PrandtlGlauertRow,
                                                     TextId::KarmanTsienRow, TextId::LaitoneRow};
inline constexpr std::array<TextId, 4> kRuleTableRows = {TextId::IncompressibleRow, kRuleNames[0],
                                                         kRuleNames[1], kRuleNames[2]};
inline constexpr std::array<TextId, 4> kRuleTableColumns = {
    TextId::LiftColumn, TextId::MomentColumn, TextId::CpMinColumn, TextId::CriticalMachColumn};

// cells[row][column] in the order of kRuleTableRows and kRuleTableColumns: CL rounded to 4
// decimals, CM to 5, Cp_min and critical M to 4 (ties to even), "–" where a value is absent or
// not finite, and an empty critical M for the incompressible row. warning, in the language of
// the texts given, is empty when every rule holds; otherwise it says that some rule's flow
// reaches sonic speed at M∞ (or breaks down), or that M∞ is not subsonic.
struct RuleTable {
    std::array<std::array<std::string, 4>, 4> cells;
    std::string warning;
};

// The table of a surface at the free-stream Mach number `mach` (its sign does not matter).
RuleTable ruleTable(const CompressibleSurface& surface, double mach,
                    const Texts& texts = kTableTexts);
// The table before there is a profile: dashes and the warning that there is none.
RuleTable emptyRuleTable(const Texts& texts = kTableTexts);

} // namespace kestrel
