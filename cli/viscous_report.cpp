// SPDX-License-Identifier: MIT
#include "cli/viscous_report.h"

#include "cli/command.h"
#include "cli/json_number.h"
#include "cli/profile_report.h"
#include "model/csv.h"

#include <optional>
#include <string_view>
#include <utility>

namespace kestrel::cli {

namespace {

std::optional<double> liftOverDrag(double CL, std::optional<double> CD) {
    return CD ? std::optional(CL / *CD) : std::nullopt;
}

Json pointJson(const BoundaryLayerSide& side, std::size_t i) {
    Json j;
    j["s"] = jsonNumber(side.s[i]);
    j["x"] = jsonNumber(side.x[i]);
    j["y"] = jsonNumber(side.y[i]);
    j["ue"] = jsonNumber(side.ue[i]);
    j["theta"] = jsonNumber(side.theta[i]);
    j["delta_star"] = jsonNumber(side.deltaStar[i]);
    j["H"] = jsonNumber(side.H[i]);
    j["Cf"] = jsonNumber(side.Cf[i]);
    j["N"] = jsonNumber(side.laminarN(i));
    j["regime"] = regimeName(side.regime[i]);
    return j;
}

Json sideJson(const BoundaryLayerSide& side) {
    Json transition(nullptr);
    if (side.transition) {
        transition = Json::object();
        transition["x"] = jsonNumber(side.transition->x);
        transition["cause"] = causeName(side.transition->cause);
    }
    Json points = Json::array();
    for (std::size_t i = 0; i < side.size(); ++i) {
        points.push_back(pointJson(side, i));
    }
    Json j;
    j["stagnation_x"] = jsonNumber(side.stagnationX);
    j["transition"] = std::move(transition);
    j["laminar_separation_x"] = jsonNumber(side.laminarSeparationX);
    j["turbulent_separation_x"] = jsonNumber(side.turbulentSeparationX);
    j["points"] = std::move(points);
    return j;
}

} // namespace

ViscousResult computeViscousResult(const ChainInputs& request,
                                   const BoundaryLayerOptions& options) {
    ChainResult chain = computeFullChain(request);
    requireTableRow(chain);
    BoundaryLayer layer = boundaryLayer(chain.state, options);
    return {std::move(chain), options, std::move(layer)};
}

std::string viscousJson(const ViscousResult& result) {
    const State& s = result.chain.state;
    const BoundaryLayer& bl = result.layer;
    Json inputs;
    inputs["Thickness"] = jsonNumber(s.Thickness);
    inputs["Camber"] = jsonNumber(s.Camber);
    inputs["AlfaD"] = jsonNumber(s.AlfaD);
    inputs["xM"] = jsonNumber(s.xM);
    inputs["trip_upper"] = jsonNumber(result.options.tripUpper);
    inputs["trip_lower"] = jsonNumber(result.options.tripLower);

    Json document;
    document["inputs"] = std::move(inputs);
    document["row"] = result.chain.values.row;
    document["reynolds"] = jsonNumber(bl.reynolds);
    document["ncrit"] = jsonNumber(bl.ncrit);
    document["CL"] = jsonNumber(s.CLcur);
    document["CM"] = jsonNumber(result.chain.values.CMcur);
    document["CD"] = jsonNumber(bl.CD);
    document["CD_friction"] = jsonNumber(bl.CDfriction);
    document["L_over_D"] = jsonNumber(liftOverDrag(s.CLcur, bl.CD));
    document["attached"] = bl.attached;
    document["note"] = bl.note;
    document["upper"] = sideJson(bl.upper);
    document["lower"] = sideJson(bl.lower);
    return document.dump(2) + "\n";
}

std::string viscousCsv(const ViscousResult& result) {
    return boundaryLayerCsv(result.layer);
}

PolarResult computePolarResult(const ChainInputs& request, const BoundaryLayerOptions& options,
                               const PolarRange& range, const std::vector<double>& angles) {
    ChainResult chain = computeFullChain(request);
    requireTableRow(chain);
    std::vector<PolarPoint> points = viscousPolar(chain.state, angles, options);
    return {std::move(chain), options, range, std::move(points)};
}

std::string polarJson(const PolarResult& result) {
    const State& s = result.chain.state;
    Json inputs;
    inputs["Thickness"] = jsonNumber(s.Thickness);
    inputs["Camber"] = jsonNumber(s.Camber);
    inputs["xM"] = jsonNumber(s.xM);
    inputs["from"] = jsonNumber(result.range.from);
    inputs["to"] = jsonNumber(result.range.to);
    inputs["step"] = jsonNumber(result.range.step);

    Json polar = Json::array();
    for (const PolarPoint& p : result.points) {
        Json j;
        j["alpha"] = jsonNumber(p.alpha);
        j["CL"] = jsonNumber(p.CL);
        j["CM"] = jsonNumber(p.CM);
        j["CD"] = jsonNumber(p.CD);
        j["L_over_D"] = jsonNumber(p.LoverD);
        j["xtr_upper"] = jsonNumber(p.xtrUpper);
        j["xtr_lower"] = jsonNumber(p.xtrLower);
        j["xsep_upper"] = jsonNumber(p.xsepUpper);
        j["xsep_lower"] = jsonNumber(p.xsepLower);
        polar.push_back(std::move(j));
    }

    Json document;
    document["inputs"] = std::move(inputs);
    document["row"] = result.chain.values.row;
    document["reynolds"] = jsonNumber(result.options.reynolds);
    document["ncrit"] = jsonNumber(result.options.ncrit);
    document["polar"] = std::move(polar);
    return document.dump(2) + "\n";
}

std::string polarCsv(const PolarResult& result) {
    return kestrel::polarCsv(result.points);
}

} // namespace kestrel::cli
