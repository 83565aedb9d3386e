// SPDX-License-Identifier: MIT
#include "cli/mach_report.h"

#include "cli/json_number.h"
#include "cli/profile_report.h"
#include "model/csv.h"
#include "model/text.h"

#include <optional>
#include <string_view>
#include <utility>

namespace kestrel::cli {

namespace {

Json incompressibleJson(const CompressibilityAnalysis& a) {
    const SurfaceMinimum& m = a.minimum;
    const auto ifBounded = [&m](Json value) { return m.unbounded ? Json(nullptr) : value; };
    Json j;
    j["CL"] = jsonNumber(a.CL);
    j["CM"] = jsonNumber(a.CM);
    j["Cp_min"] = ifBounded(jsonNumber(m.Cp));
    j["Cp_min_x"] = ifBounded(jsonNumber(m.x));
    j["Cp_min_y"] = ifBounded(jsonNumber(m.y));
    j["Cp_min_surface"] = ifBounded(m.upper ? "upper" : "lower");
    j["unbounded"] = m.unbounded;
    return j;
}

Json ruleJson(const RuleResult& r) {
    Json j;
    j["CL"] = jsonNumber(r.CL);
    j["CM"] = jsonNumber(r.CM);
    j["Cp_min"] = jsonNumber(r.CpMin);
    j["critical_mach"] = jsonNumber(r.criticalMach);
    j["supercritical"] = r.supercritical;
    return j;
}

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
    return {std::move(chain), std::move(surface)};
}

std::string machJson(const MachResult& result) {
    const State& s = result.chain.state;
    const CompressibilityAnalysis a = result.surface.analyse(result.chain.values.mach);

    Json inputs;
    inputs["Thickness"] = jsonNumber(s.Thickness);
    inputs["Camber"] = jsonNumber(s.Camber);
    inputs["AlfaD"] = jsonNumber(s.AlfaD);
    inputs["xM"] = jsonNumber(s.xM);
    inputs["Mach"] = jsonNumber(a.mach);

    Json rules;
    for (CompressibilityRule rule : kCompressibilityRules) {
        rules[std::string(ruleName(rule))] = ruleJson(a.rules[ruleIndex(rule)]);
    }

    Json document;
    document["inputs"] = std::move(inputs);
    document["row"] = result.chain.values.row;
    document["incompressible"] = incompressibleJson(a);
    document["critical_pressure"] = jsonNumber(a.criticalPressure);
    document["rules"] = std::move(rules);
    return document.dump(2) + "\n";
}

std::string machCsv(const MachResult& result) {
    std::string text = chartHeader();
    for (const CompressibilityAnalysis& a : machChart(result.surface)) {
        text += chartLine(a);
    }
    return text;
}

} // namespace kestrel::cli
