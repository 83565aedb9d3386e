// SPDX-License-Identifier: MIT
#include "cli/mach_report.h"

#include "cli/profile_report.h"
#include "model/text.h"
#include "report/documents.h"

#include <optional>
#include <string_view>
#include <utility>

namespace kestrel::cli {

namespace {

// A CSV cell: the shortest decimal form, or empty where the value does not exist.
std::string cell(std::optional<double> value) {
    return value ? numberText(*value, ".") : std::string();
}

// Appends ",text" to the line, piece by piece: a literal plus a temporary string sets off GCC
// 12's false -Wrestrict alarm in the release build.
void addCell(std::string& line, std::string_view text) {
    line += ',';
    line += text;
}

std::string chartHeader() {
    std::string header = "M,Cp_star";
    for (std::string_view quantity : {"Cp_min_", "CL_"}) {
        for (CompressibilityRule rule : kCompressibilityRules) {
            addCell(header, quantity);
            header += ruleName(rule);
        }
    }
    return header + "\n";
}

std::string chartLine(const CompressibilityAnalysis& a) {
    std::string line = numberText(a.mach, ".");
    addCell(line, cell(a.criticalPressure));
    for (const RuleResult& r : a.rules) {
        addCell(line, cell(r.CpMin));
    }
    for (const RuleResult& r : a.rules) {
        addCell(line, cell(r.CL));
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
