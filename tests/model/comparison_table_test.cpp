// SPDX-License-Identifier: MIT
// The comparison table: each side rounded as the rule table rounds, the difference current minus
// kept, dashes where a value or the current profile is missing, the layer's rows only with it.
#include "model/comparison_table.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

ComparedState side(double thickness, double CL, std::optional<double> CD) {
    ComparedState s;
    s.thickness = thickness;
    s.numbers.CL = CL;
    s.numbers.CpMin = std::nullopt; // unbounded suction
    if (CD) {
        PolarPoint p;
        p.CD = CD;
        s.numbers.layer = LayerNumbers{1e6, 9, p};
    }
    return s;
}

const ComparisonRow& rowOf(const std::vector<ComparisonRow>& rows, std::string_view quantity) {
    const auto found = std::find_if(rows.begin(), rows.end(), [quantity](const ComparisonRow& r) {
        return r.quantity == quantity;
    });
    EXPECT_NE(found, rows.end()) << quantity;
    return *found;
}

TEST(ComparisonTable, SetsTheSidesAndTheirDifference) {
    const ComparedState current = side(0.12, 0.61234, 0.00712);
    const ComparedState kept = side(0.09, 0.5, 0.0069);
    const std::vector<ComparisonRow> rows = comparisonTable(&current, kept);
    EXPECT_EQ(rowOf(rows, "t/c").cells, (std::array<std::string, 3>{"0.12", "0.09", "0.03"}));
    // 0.61234 to 4 decimals is 0.6123; the difference 0.11234 is 0.1123.
    EXPECT_EQ(rowOf(rows, "CL").cells, (std::array<std::string, 3>{"0.6123", "0.5", "0.1123"}));
    EXPECT_EQ(rowOf(rows, "Cp_min").cells, (std::array<std::string, 3>{"–", "–", "–"}));
    // CD to 5 decimals: 0.00712 - 0.0069 = 0.00022.
    EXPECT_EQ(rowOf(rows, "CD").cells,
              (std::array<std::string, 3>{"0.00712", "0.0069", "0.00022"}));
    EXPECT_EQ(rowOf(rows, "L/D").cells[0], "–");
}

TEST(ComparisonTable, WithoutACurrentProfileOrLayer) {
    const ComparedState kept = side(0.09, 0.5, 0.0069);
    const std::vector<ComparisonRow> rows = comparisonTable(nullptr, kept);
    EXPECT_EQ(rowOf(rows, "CL").cells, (std::array<std::string, 3>{"–", "0.5", "–"}));
    const ComparedState noLayer = side(0.12, 0.6, std::nullopt);
    const std::vector<ComparisonRow> without = comparisonTable(&noLayer, kept);
    EXPECT_EQ(without.size(), rows.size() - 4);
    EXPECT_TRUE(std::none_of(without.begin(), without.end(),
                             [](const ComparisonRow& r) { return r.quantity == "CD"; }));
}

// The quantities' names come from the texts of the language given; the symbols stay.
TEST(ComparisonTable, NamesItsQuantitiesInTheLanguageGiven) {
    std::vector<std::string> words(kTextCount);
    for (std::size_t i = 0; i < kTextCount; ++i) {
        words[i] = std::string(kTexts[i].key);
    }
    words[static_cast<std::size_t>(TextId::ComparisonCriticalMach)] = "M_crit %1";
    const Texts keys(std::move(words));
    const std::vector<ComparisonRow> rows = comparisonTable(nullptr, side(0.09, 0.5, 0.0069), keys);
    rowOf(rows, "t/c");
    rowOf(rows, "M_crit Study.rule.laitone");
    EXPECT_EQ(rowOf(rows, "Study.comparison.transitionUpper").cells[1], "–");
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                            [](const ComparisonRow& r) {
                                return r.quantity.starts_with("critical M") ||
                                       r.quantity.starts_with("transition");
                            }),
              0);
}

} // namespace
} // namespace kestrel
