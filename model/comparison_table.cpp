// SPDX-License-Identifier: MIT
#include "model/comparison_table.h"

#include "model/rule_table.h"
#include "model/text.h"
#include "model/texts.h"

#include <functional>

namespace kestrel {

namespace {

using Value = std::function<std::optional<double>(const ComparedState&)>;

// A row's quantity: its symbol, or a text of the table (filled in with another's, `detail`).
struct RowDefinition {
    std::string_view symbol;
    int decimals;
    Value value;
    TextId name = TextId::None;
    TextId detail = TextId::None;
};

const RowDefinition kStateRows[] = {
    {"t/c", 2, [](const ComparedState& s) { return s.thickness; }},
    {"f/c", 2, [](const ComparedState& s) { return s.camber; }},
    {"α (°)", 0, [](const ComparedState& s) { return s.alpha; }},
    {"xM/c", 2, [](const ComparedState& s) { return s.xM; }},
    {"M∞", 3, [](const ComparedState& s) { return s.mach; }},
    {"CL", 4, [](const ComparedState& s) { return s.numbers.CL; }},
    {"CM", 5, [](const ComparedState& s) { return s.numbers.CM; }},
    {"Cp_min", 4, [](const ComparedState& s) { return s.numbers.CpMin; }},
    {"", 4,
     [](const ComparedState& s) {
         return s.numbers.criticalMach[ruleIndex(CompressibilityRule::PrandtlGlauert)];
     },
     TextId::ComparisonCriticalMach, TextId::PrandtlGlauertRow},
    {"", 4,
     [](const ComparedState& s) {
         return s.numbers.criticalMach[ruleIndex(CompressibilityRule::KarmanTsien)];
     },
     TextId::ComparisonCriticalMach, TextId::KarmanTsienRow},
    {"", 4,
     [](const ComparedState& s) {
         return s.numbers.criticalMach[ruleIndex(CompressibilityRule::Laitone)];
     },
     TextId::ComparisonCriticalMach, TextId::LaitoneRow},
};

const RowDefinition kLayerRows[] = {
    {"CD", 5, [](const ComparedState& s) { return s.numbers.layer->point.CD; }},
    {"L/D", 1, [](const ComparedState& s) { return s.numbers.layer->point.LoverD; }},
    {"", 3, [](const ComparedState& s) { return s.numbers.layer->point.xtrUpper; },
     TextId::ComparisonTransitionUpper},
    {"", 3, [](const ComparedState& s) { return s.numbers.layer->point.xtrLower; },
     TextId::ComparisonTransitionLower},
};

std::string quantityOf(const RowDefinition& d, const Texts& texts) {
    return d.name == TextId::None ? std::string(d.symbol) : texts.format(d.name, {texts[d.detail]});
}

ComparisonRow rowOf(const RowDefinition& d, const ComparedState* current, const ComparedState& kept,
                    const Texts& texts) {
    const std::optional<double> a = current ? d.value(*current) : std::nullopt;
    const std::optional<double> b = d.value(kept);
    const std::optional<double> difference =
        a && b ? std::optional(*a - *b) : std::optional<double>();
    return {quantityOf(d, texts),
            {tableValueText(a, d.decimals), tableValueText(b, d.decimals),
             tableValueText(difference, d.decimals)}};
}

} // namespace

BoundaryLayerOptions comparisonLayerOptions() {
    return BoundaryLayerOptions{};
}

StateNumbers comparisonNumbers(const State& s) {
    return stateNumbers(s, comparisonLayerOptions());
}

std::string comparisonLayerNote(const Texts& texts) {
    const BoundaryLayerOptions options = comparisonLayerOptions();
    return texts.format(TextId::ComparisonLayerNote,
                        {numberText(options.reynolds, "."), numberText(options.ncrit, ".")});
}

ComparedState comparedState(const State& s, double mach, const StateNumbers& numbers) {
    return {s.Thickness, s.Camber, s.AlfaD, s.xM, mach, numbers};
}

std::vector<ComparisonRow> comparisonTable(const ComparedState* current, const ComparedState& kept,
                                           const Texts& texts) {
    std::vector<ComparisonRow> rows;
    for (const RowDefinition& d : kStateRows) {
        rows.push_back(rowOf(d, current, kept, texts));
    }
    if (kept.numbers.layer && (!current || current->numbers.layer)) {
        for (const RowDefinition& d : kLayerRows) {
            rows.push_back(rowOf(d, current, kept, texts));
        }
    }
    return rows;
}

} // namespace kestrel
