// SPDX-License-Identifier: MIT
#include "model/rule_table.h"

#include "model/text.h"

#include <cmath>
#include <optional>

namespace kestrel {

namespace {

constexpr std::string_view kDash = "–";

std::string valueText(double value, int decimals) {
    if (!std::isfinite(value)) {
        return std::string(kDash);
    }
    return numberText(roundDecimals(value, decimals), ".");
}

std::string valueText(std::optional<double> value, int decimals) {
    return valueText(value.value_or(std::nan("")), decimals);
}

} // namespace

RuleTable ruleTable(const CompressibleSurface& surface, double mach, const Texts& texts) {
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
        table.warning = texts[TextId::NotSubsonicWarning];
    } else if (supercritical) {
        table.warning = texts[TextId::SonicWarning];
    }
    return table;
}

RuleTable emptyRuleTable(const Texts& texts) {
    RuleTable table;
    for (auto& row : table.cells) {
        row.fill(std::string(kDash));
    }
    table.warning = texts[TextId::NoProfileWarning];
    return table;
}

} // namespace kestrel
