// SPDX-License-Identifier: MIT
#include "cli/mach_report.h"

#include "cli/profile_report.h"
#include "model/csv.h"
#include "model/text.h"
#include "report/documents.h"

#include <optional>
#include <string_view>
#include <utility>

namespace kestrel::cli {

namespace {

std::string chartHeader() {
    std::string header = "M,Cp_star";
    for (std::string_view quantity : {"Cp_min_", "CL_"}) {
        for (CompressibilityRule rule : kCompressibilityRules) {
            addCsvCell(header, quantity);
            header += ruleName(rule);
        }
    }
    return header + "\n";
}

std::string chartLine(const CompressibilityAnalysis& a) {
    std::string line = numberText(a.mach, ".");
    addCsvCell(line, csvCell(a.criticalPressure));
    for (const RuleResult& r : a.rules) {
        addCsvCell(line, csvCell(r.CpMin));
    }
    for (const RuleResult& r : a.rules) {
        addCsvCell(line, csvCell(r.CL));
    }
    return line + "\n";
}

} // namespace

MachResult computeMachResult(const ChainInputs& request) {
    ChainResult chain = computeFullChain(request);
    requireTableRow(chain);
    CompressibleSurface surface(chain.state);
    SonicSurface sonic(chain.state, surface);
    return {std::move(chain), std::move(surface), std::move(sonic)};
}

std::string machJson(const MachResult& result) {
    return machDocument(result.chain.state, result.chain.values, result.surface, result.sonic);
}

std::string machCsv(const MachResult& result) {
    std::string text = chartHeader();
    for (const CompressibilityAnalysis& a : machChart(result.surface)) {
        text += chartLine(a);
    }
    return text;
}

} // namespace kestrel::cli
