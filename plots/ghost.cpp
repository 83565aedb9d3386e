// SPDX-License-Identifier: MIT
#include "plots/ghost.h"

#include "model/text.h"
#include "model/texts.h"

#include <cmath>
#include <stdexcept>

namespace kestrel {

namespace {

// How much of a chart colour the ghost keeps; the rest is white.
constexpr double kGhostShare = 0.4;

int faded(Colour colour, int shift) {
    const int channel = static_cast<int>((colour >> shift) & 0xFF);
    return static_cast<int>(channel * kGhostShare + 255 * (1 - kGhostShare) + 0.5);
}

std::string inputsOf(const State& s, const ChainValues& values) {
    return "t/c " + numberText(s.Thickness, ".") + ", f/c " + numberText(s.Camber, ".") + ", α " +
           numberText(s.AlfaD, ".") + "°, xM/c " + numberText(s.xM, ".") + ", M∞ " +
           numberText(values.mach, ".");
}

} // namespace

Colour ghostColour(Colour colour) {
    return rgb(faded(colour, 0), faded(colour, 8), faded(colour, 16));
}

Ghost::Ghost(const ChainInputs& inputs) : inputs_(inputs) {
    ChainResult chain = computeFullChain(inputs);
    if (chain.values.tableMiss || chain.values.row == 0) {
        throw std::invalid_argument("the kept profile is not in the table");
    }
    state_ = std::move(chain.state);
    values_ = chain.values;
    inputsText_ = inputsOf(state_, values_);
}

const StateNumbers& keptNumbers(const Ghost& kept) {
    return kept.cached<StateNumbers>("comparison numbers", comparisonNumbers);
}

std::string Ghost::label(const Texts& texts) const {
    return texts.format(TextId::KeptLabel, {inputsText_});
}

std::vector<ComparisonRow> keptComparison(const State* current, double mach, const Ghost& kept,
                                          const Texts& texts) {
    const ComparedState keptSide =
        comparedState(kept.state(), std::fabs(kept.values().mach), keptNumbers(kept));
    if (!current) {
        return comparisonTable(nullptr, keptSide, texts);
    }
    const ComparedState currentSide = comparedState(*current, mach, comparisonNumbers(*current));
    return comparisonTable(&currentSide, keptSide, texts);
}

void drawGhostLabel(Surface& surface, const Ghost& ghost, double x, double y, TextAlign align,
                    const Texts& texts) {
    surface.Text(x, y, ghost.label(texts), kGhostColour, align);
}

} // namespace kestrel
