// SPDX-License-Identifier: MIT
#include "model/rule_table.h"

#include "model/decimal.h"
#include "model/text.h"
#include "model/texts.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace kestrel {

namespace {

std::string valueText(double value, int decimals) {
    return cellText(value, decimals);
}

std::string valueText(std::optional<double> value, int decimals) {
    return cellText(value.value_or(std::nan("")), decimals);
}

// "A", "A and B", "A, B and C".
std::string listText(const std::vector<std::string_view>& names, const Texts& texts) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            out += texts[i + 1 == names.size() ? TextId::ListAnd : TextId::ListComma];
        }
        out += names[i];
    }
    return out;
}

// The warning that names the rules past their critical Mach number and those not yet past.
std::string pastWarning(const CompressibilityAnalysis& a, const Texts& texts) {
    std::vector<CompressibilityRule> rules(kCompressibilityRules.begin(),
                                           kCompressibilityRules.end());
    for (const CompressibilityRule rule : rules) {
        const RuleResult& r = a.rules[ruleIndex(rule)];
        if (r.supercritical && !r.criticalMach) {
            return std::string(texts[TextId::SonicWarning]);
        }
    }
    const auto critical = [&a](CompressibilityRule rule) {
        return a.rules[ruleIndex(rule)].criticalMach.value_or(INFINITY);
    };
    std::stable_sort(rules.begin(), rules.end(), [&](CompressibilityRule p, CompressibilityRule q) {
        return critical(p) < critical(q);
    });
    std::vector<std::string_view> past;
    std::vector<std::string_view> notYet;
    std::vector<std::string> numbers;
    for (const CompressibilityRule rule : rules) {
        const std::string_view name = texts[kRuleTableRows[ruleIndex(rule) + 1]];
        if (a.rules[ruleIndex(rule)].supercritical) {
            past.push_back(name);
            numbers.push_back(fixedDecimals(critical(rule), 3));
        } else {
            notYet.push_back(name);
        }
    }
    const std::vector<std::string_view> numberViews(numbers.begin(), numbers.end());
    std::string text = texts.format(past.size() == 1 ? TextId::RulePastOne : TextId::RulePastMany,
                                    {listText(past, texts), listText(numberViews, texts)});
    if (!notYet.empty()) {
        text += texts.format(notYet.size() == 1 ? TextId::RuleNotYetOne : TextId::RuleNotYetMany,
                             {listText(notYet, texts)});
    }
    return text;
}

} // namespace

std::string tableValueText(std::optional<double> value, int decimals) {
    return valueText(value, decimals);
}

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
        table.past[ruleIndex(rule) + 1] = mach != 0 && r.supercritical;
        supercritical = supercritical || table.past[ruleIndex(rule) + 1];
    }
    if (!(mach < 1)) {
        table.warning = texts[TextId::NotSubsonicWarning];
    } else if (supercritical) {
        table.warning = pastWarning(a, texts);
    }
    return table;
}

RuleTable emptyRuleTable(const Texts& texts) {
    RuleTable table;
    for (auto& row : table.cells) {
        row.fill(std::string(kMissingValue));
    }
    table.warning = texts[TextId::NoProfileWarning];
    return table;
}

} // namespace kestrel
