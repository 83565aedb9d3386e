// SPDX-License-Identifier: MIT
#include "model/boundary_layer_view.h"

#include "model/coefficients.h"
#include "model/decimal.h"
#include "model/inputs.h"
#include "model/portable_math.h"
#include "model/rule_table.h"

#include <algorithm>
#include <cmath>

namespace kestrel {

namespace {

constexpr const char* kDash = "–";

std::string orDash(const std::optional<double>& value, int decimals) {
    return value && std::isfinite(*value) ? fixedDecimals(*value, decimals) : kDash;
}

std::optional<double> transitionX(const BoundaryLayerSide& side) {
    return side.transition ? std::optional(side.transition->x) : std::nullopt;
}

// The superscript digits of a decimal exponent.
std::string superscript(int exponent) {
    static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = exponent < 0 ? "⁻" : "";
    for (const char c : std::to_string(std::abs(exponent))) {
        text += kDigits[c - '0'];
    }
    return text;
}

} // namespace

double reynoldsAtPosition(int position) {
    const int p = std::clamp(position, 0, kReynoldsSteps);
    return portable::pow(10.0, 4 + static_cast<double>(p) / kReynoldsStepsPerDecade);
}

int reynoldsPosition(double reynolds) {
    if (!(reynolds > kMinReynolds)) {
        return 0;
    }
    const double p = (portable::log10(reynolds) - 4) * kReynoldsStepsPerDecade;
    return std::clamp(static_cast<int>(std::lround(p)), 0, kReynoldsSteps);
}

std::string reynoldsText(double reynolds) {
    int exponent = static_cast<int>(std::floor(portable::log10(reynolds)));
    double mantissa = reynolds / portable::pow(10.0, exponent);
    if (std::round(mantissa * 10) >= 100) { // 9.96 rounds up to the next power
        mantissa /= 10;
        ++exponent;
    }
    return fixedDecimals(mantissa, 1) + " × 10" + superscript(exponent);
}

std::vector<double> windowAngles() {
    const InputDefinition& alpha = inputDefinition(InputId::Alpha);
    return polarAngles(alpha.minimum, alpha.maximum, alpha.smallChange);
}

BoundaryLayerView boundaryLayerView(const State& s, const BoundaryLayerOptions& options) {
    BoundaryLayerView view;
    view.alpha = s.AlfaD;
    view.CL = liftCoefficient(s, s.AlfaD);
    view.layer = boundaryLayer(s, options);
    view.polar = viscousPolar(s, windowAngles(), options);
    return view;
}

LayerTable layerTable(const BoundaryLayerView& view, const Texts& texts) {
    const BoundaryLayer& bl = view.layer;
    LayerTable table;
    const std::optional<double> LoverD =
        bl.CD ? std::optional(view.CL / *bl.CD) : std::optional<double>();
    table.cells[0] = {orDash(bl.CD, 5), "", ""};
    table.cells[1] = {orDash(bl.CDfriction, 5), "", ""};
    table.cells[2] = {orDash(LoverD, 1), "", ""};
    table.cells[3] = {"", orDash(transitionX(bl.upper), 3), orDash(transitionX(bl.lower), 3)};
    table.cells[4] = {"", orDash(bl.upper.separationX(), 3), orDash(bl.lower.separationX(), 3)};
    table.note = layerNote(bl, texts);
    return table;
}

LayerTable emptyLayerTable(const Texts& texts) {
    LayerTable table;
    for (auto& row : table.cells) {
        row = {kDash, kDash, kDash};
    }
    table.note = texts[TextId::NoProfileWarning];
    return table;
}

} // namespace kestrel
