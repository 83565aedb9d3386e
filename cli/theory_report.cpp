// SPDX-License-Identifier: MIT
#include "cli/theory_report.h"

#include "cli/profile_report.h"
#include "model/coefficients.h"

#include <utility>

namespace kestrel::cli {

TheoryResult computeTheoryResult(const ChainInputs& request) {
    ChainResult chain = computeFullChain(request);
    requireTableRow(chain);
    TheoryComparison theory = compareWithThinAirfoil(chain.state);
    return {std::move(chain), std::move(theory)};
}

Json theoryValuesJson(const State& s, const TheoryValues& values) {
    Json j;
    j["alpha_zero_lift"] = jsonNumber(degrees(s, values.alphaZeroLift));
    j["lift_slope"] = jsonNumber(values.liftSlope);
    j["CM_quarter_chord"] = jsonNumber(values.CMQuarterChord);
    return j;
}

std::string theoryJson(const TheoryResult& result) {
    const State& s = result.chain.state;
    const TheoryComparison& t = result.theory;

    Json inputs;
    inputs["Thickness"] = jsonNumber(s.Thickness);
    inputs["Camber"] = jsonNumber(s.Camber);
    inputs["AlfaD"] = jsonNumber(s.AlfaD);

    Json load = Json::array();
    for (const LoadPoint& p : t.load) {
        Json point;
        point["x"] = jsonNumber(p.x);
        point["exact"] = jsonNumber(p.exact);
        point["thin"] = jsonNumber(p.thin);
        load.push_back(std::move(point));
    }

    Json document;
    document["inputs"] = std::move(inputs);
    document["row"] = result.chain.values.row;
    document["exact"] = theoryValuesJson(s, t.exact);
    document["thin"] = theoryValuesJson(s, t.thin);
    document["load"] = std::move(load);
    return document.dump(2) + "\n";
}

} // namespace kestrel::cli
