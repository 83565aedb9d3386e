// SPDX-License-Identifier: MIT
#include "cli/viscous_report.h"

#include "cli/command.h"
#include "cli/profile_report.h"
#include "model/csv.h"
#include "report/documents.h"

#include <optional>
#include <string_view>
#include <utility>

namespace kestrel::cli {

ViscousResult computeViscousResult(const ChainInputs& request,
                                   const BoundaryLayerOptions& options) {
    ChainResult chain = computeFullChain(request);
    requireTableRow(chain);
    BoundaryLayer layer = boundaryLayer(chain.state, options);
    return {std::move(chain), options, std::move(layer)};
}

std::string viscousJson(const ViscousResult& result) {
    return viscousDocument(result.chain.state, result.chain.values, result.options, result.layer);
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
    return polarDocument(result.chain.state, result.chain.values, result.options, result.range,
                         result.points);
}

std::string polarCsv(const PolarResult& result) {
    return kestrel::polarCsv(result.points);
}

} // namespace kestrel::cli
