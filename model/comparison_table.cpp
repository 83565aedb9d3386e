// SPDX-License-Identifier: MIT
#include "model/comparison_table.h"

#include "model/rule_table.h"
#include "model/text.h"
#include "model/texts.h"

#include <functional>

namespace kestrel {

namespace {

using Value = std::function<std::optional<double>(const ComparedState&)>;

struct RowDefinition {
    std::string_view quantity;
    int decimals;
    Value value;
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
    {"critical M, Prandtl–Glauert", 4,
     [](const ComparedState& s) {
         return s.numbers.criticalMach[ruleIndex(CompressibilityRule::PrandtlGlauert)];
     }},
    {"critical M, Kármán–Tsien", 4,
     [](const ComparedState& s) {
         return s.numbers.criticalMach[ruleIndex(CompressibilityRule::KarmanTsien)];
     }},
    {"critical M, Laitone", 4,
     [](const ComparedState& s) {
         return s.numbers.criticalMach[ruleIndex(CompressibilityRule::Laitone)];
     }},
};

const RowDefinition kLayerRows[] = {
    {"CD", 5, [](const ComparedState& s) { return s.numbers.layer->point.CD; }},
    {"L/D", 1, [](const ComparedState& s) { return s.numbers.layer->point.LoverD; }},
    {"transition x/c, upper", 3,
     [](const ComparedState& s) { return s.numbers.layer->point.xtrUpper; }},
    {"transition x/c, lower", 3,
     [](const ComparedState& s) { return s.numbers.layer->point.xtrLower; }},
};

ComparisonRow rowOf(const RowDefinition& d, const ComparedState* current,
                    const ComparedState& kept) {
    const std::optional<double> a = current ? d.value(*current) : std::nullopt;
    const std::optional<double> b = d.value(kept);
    const std::optional<double> difference =
        a && b ? std::optional(*a - *b) : std::optional<double>();
    return {d.quantity,
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

std::string comparisonLayerNote() {
    const BoundaryLayerOptions options = comparisonLayerOptions();
    std::string note(uiText(TextId::ComparisonLayerNote));
    note.replace(note.find("%1"), 2, numberText(options.reynolds, "."));
    note.replace(note.find("%2"), 2, numberText(options.ncrit, "."));
    return note;
}

ComparedState comparedState(const State& s, double mach, const StateNumbers& numbers) {
    return {s.Thickness, s.Camber, s.AlfaD, s.xM, mach, numbers};
}

std::vector<ComparisonRow> comparisonTable(const ComparedState* current,
                                           const ComparedState& kept) {
    std::vector<ComparisonRow> rows;
    for (const RowDefinition& d : kStateRows) {
        rows.push_back(rowOf(d, current, kept));
    }
    if (kept.numbers.layer && (!current || current->numbers.layer)) {
        for (const RowDefinition& d : kLayerRows) {
            rows.push_back(rowOf(d, current, kept));
        }
    }
    return rows;
}

} // namespace kestrel
