// SPDX-License-Identifier: MIT
// The rule table of the study views: the incompressible values and each compressibility rule's
// lift, moment, smallest surface pressure and critical Mach number as rounded texts, with the
// warning that goes under it.
#pragma once

#include "model/compressibility.h"
#include "model/state.h"
#include "model/texts.h"

#include <array>
#include <optional>
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

// A value of the study views' tables rounded to `decimals` places (ties to even) and written by
// numberText, or "–" where it is absent or not finite.
std::string tableValueText(std::optional<double> value, int decimals);

// cells[row][column] in the order of kRuleTableRows and kRuleTableColumns: CL rounded to 4
// decimals, CM to 5, Cp_min and critical M to 4 (ties to even), "–" where a value is absent or
// not finite, and an empty critical M for the incompressible row. past[row] marks the rules that
// are past their critical Mach number at M∞ (or break down there). warning, in the language of
// the texts given, is empty when every rule holds; where some are past, it names them with their
// critical Mach numbers (3 decimals) and the rules that are not yet past, each group in the order
// of the critical Mach numbers, e.g. "Laitone is past its critical Mach number 0.447;
// Kármán–Tsien and Prandtl–Glauert are not yet"; that the flow reaches sonic speed where a rule
// has no critical Mach number (unbounded suction); or that M∞ is not subsonic.
struct RuleTable {
    std::array<std::array<std::string, 4>, 4> cells;
    std::array<bool, 4> past{};
    std::string warning;
};

// The table of a surface at the free-stream Mach number `mach` (its sign does not matter).
RuleTable ruleTable(const CompressibleSurface& surface, double mach,
                    const Texts& texts = kTableTexts);
// The table before there is a profile: dashes and the warning that there is none.
RuleTable emptyRuleTable(const Texts& texts = kTableTexts);

} // namespace kestrel
