// SPDX-License-Identifier: MIT
#include "model/rule_table.h"

#include "model/text.h"

#include <cmath>
#include <optional>

namespace kestrel {

namespace {

std::string valueText(double value, int decimals) {
    return cellText(value, decimals);
}

std::string valueText(std::optional<double> value, int decimals) {
    return cellText(value.value_or(std::nan("")), decimals);
}

} // namespace

std::string tableValueText(std::optional<double> value, int decimals) {
    return valueText(value, decimals);
}

RuleTable ruleTable(const CompressibleSurface& surface, double mach) {
    mach = std::fabs(mach);
    const CompressibilityAnalysis a = surface.analyse(mach);
    RuleTable table;
    const double cpMin = a.minimum.unbounded ? -INFINITY : a.minimum.Cp;
    table.cells[0] = {valueText(a.CL, 4), valueText(a.CM, 5), valueText(cpMin, 4), ""};
    bool supercritical = false;
    for (const CompressibilityRule rule : kCompressibilityRules) {
        const RuleResult& r = a.rules[ruleIndex(rule)];
        table.cells[ruleIndex(rule) + 1] = {valueText(r.CL, 4), valueText(r.CM, 5),
                                            valueText(r.CpMin, 4), valueText(r.criticalMach, 4)};
        supercritical = supercritical || (mach != 0 && r.supercritical);
    }
    if (!(mach < 1)) {
        table.warning = kNotSubsonicWarning;
    } else if (supercritical) {
        table.warning = kSonicWarning;
    }
    return table;
}

RuleTable emptyRuleTable() {
    RuleTable table;
    for (auto& row : table.cells) {
        row.fill(std::string(kMissingValue));
    }
    table.warning = kNoProfileWarning;
    return table;
}

} // namespace kestrel
