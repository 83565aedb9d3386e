// SPDX-License-Identifier: MIT
// The drawing half of the chain's steps, on top of the numbers half in the model, and the one
// runner of a handler's chain: the window, the browser module and kestrel-calc render all run
// their chains through it, so all show the same pictures and boxes for the same inputs.
#pragma once

#include "model/chain.h"
#include "plots/surfaces.h"

#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrel {

// Draws what the step draws, from the state and values its numbers half has just left. Steps
// that draw nothing (profil_hesapla, basınc_hesapla, OpenAbout) leave the surfaces alone.
void drawStep(Step step, const State& s, const ChainValues& values, PlotSurfaces& surfaces);

// What differs between the places a chain runs in: where the inputs come from, how the boxes are
// written, and how a table miss, the About window and an error are shown.
class ChainHost {
public:
    virtual ~ChainHost() = default;
    // What the controls hold when a step runs.
    virtual ChainInputs inputs() const = 0;
    // The decimal separator of the boxes' texts.
    virtual std::string decimalSeparator() const = 0;
    // The boxes a step writes, in its order.
    virtual void writeBoxes(std::vector<BoxText> boxes) = 0;
    // profil_hesapla found no table row for its inputs (after writing its boxes).
    virtual void tableMiss() = 0;
    virtual void openAbout() = 0;
    // An error ended the chain at a step; what the earlier steps did stays.
    virtual void stopped(Step step, const std::exception& error) = 0;
};

// One step in full: its numbers, its drawing, its boxes, then the table miss or the About window.
void runStep(Step step, State& s, ChainValues& values, PlotSurfaces& surfaces, ChainHost& host);

// The steps in order, each in full; an error ends the chain at its step (host.stopped). Returns
// whether every step ran.
bool runSteps(std::span<const Step> steps, State& s, ChainValues& values, PlotSurfaces& surfaces,
              ChainHost& host);

// A host with fixed inputs that writes no boxes and opens nothing; an error is thrown on.
class QuietHost : public ChainHost {
public:
    explicit QuietHost(ChainInputs inputs) : inputs_(std::move(inputs)) {}
    ChainInputs inputs() const override { return inputs_; }
    std::string decimalSeparator() const override { return "."; }
    void writeBoxes(std::vector<BoxText>) override {}
    void tableMiss() override {}
    void openAbout() override {}
    void stopped(Step, const std::exception&) override { throw; }

private:
    ChainInputs inputs_;
};

// A fresh start-up and the full chain, drawn into `surfaces`: the window's pictures after a
// change of thickness or camber.
ChainResult drawFullChain(const ChainInputs& inputs, PlotSurfaces& surfaces);

} // namespace kestrel
