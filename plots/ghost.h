// SPDX-License-Identifier: MIT
// A profile kept for comparison, as the charts draw it: faintly, beside the current profile,
// labelled with its inputs; and the colours of that faint style.
#pragma once

#include "model/chain.h"
#include "model/comparison_table.h"
#include "model/state.h"
#include "model/texts.h"
#include "plots/surface.h"

#include <any>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace kestrel {

// The base colour of a kept profile's items: its outlines and its label.
inline constexpr Colour kGhostColour = rgb(128, 128, 176);

// A chart's own colour faded towards the background: the kept profile's version of a curve keeps
// its hue but lets the current one stand in front.
Colour ghostColour(Colour colour);

// The kept state after the window's full chain from a fresh start, with what the charts compute
// from it kept too, so that drawing its ghost again costs no more than drawing.
class Ghost {
public:
    // Throws std::invalid_argument when the inputs' profile is not in the table.
    explicit Ghost(const ChainInputs& inputs);

    const ChainInputs& inputs() const { return inputs_; }
    const State& state() const { return state_; }
    const ChainValues& values() const { return values_; }
    // "Kept: t/c 0.12, f/c 0.04, α 5°, xM/c 0.25, M∞ 0.5", its word in the language of `texts`.
    std::string label(const Texts& texts = kTableTexts) const;

    // What a chart computes from the kept state, computed on the first call under `key` and kept:
    //   ghost.cached<std::vector<CompressibilityAnalysis>>("mach chart", [](const State& s) {...})
    template <class T>
    const T& cached(const std::string& key, std::function<T(const State&)> make) const {
        return cachedFor<T>(key, "", std::move(make));
    }
    // The same for what also depends on a chart's own settings (the boundary layer's Reynolds
    // number, say), named by `settings`: kept for the latest settings only, computed again when
    // they change, so that moving a slider does not heap up kept results.
    template <class T>
    const T& cachedFor(const std::string& key, const std::string& settings,
                       std::function<T(const State&)> make) const {
        Entry& entry = cache_[key];
        if (!entry.value.has_value() || entry.settings != settings) {
            entry.value = std::make_shared<T>(make(state_));
            entry.settings = settings;
            ++computations_;
        }
        return *std::any_cast<std::shared_ptr<T>>(entry.value);
    }
    // How often cached and cachedFor have computed something.
    unsigned computations() const { return computations_; }

private:
    ChainInputs inputs_;
    State state_;
    ChainValues values_;
    std::string inputsText_; // "t/c 0.12, ..., M∞ 0.5"
    struct Entry {
        std::string settings;
        std::any value; // a std::shared_ptr<T>
    };
    mutable std::map<std::string, Entry> cache_;
    mutable unsigned computations_ = 0;
};

// The kept profile's comparisonNumbers, computed once.
const StateNumbers& keptNumbers(const Ghost& kept);

// The comparison table of the current state (null while there is no profile yet; M∞ as read from
// its Mach text) against the kept profile, its quantities in the language of `texts`.
std::vector<ComparisonRow> keptComparison(const State* current, double mach, const Ghost& kept,
                                          const Texts& texts = kTableTexts);

// How a chart colours what it draws: as it is for the current profile, ghostColour for the kept
// one; a kept curve is the current one's drawing with the other colouring.
using Colouring = Colour (*)(Colour);
inline Colour asItIs(Colour colour) {
    return colour;
}

// The label of the kept profile in its colour, anchored at (x, y) as Surface::Text anchors.
void drawGhostLabel(Surface& surface, const Ghost& ghost, double x, double y,
                    TextAlign align = TextAlign::Left, const Texts& texts = kTableTexts);

} // namespace kestrel
