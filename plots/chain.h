// SPDX-License-Identifier: MIT
// The drawing half of the chain's steps, on top of the numbers half in the model: the window and
// kestrel-calc render draw through it, so both show the same pictures for the same inputs.
#pragma once

#include "model/chain.h"
#include "plots/surfaces.h"

#include <span>

namespace kestrel {

// Draws what the step draws, from the state and values its numbers half has just left. Steps
// that draw nothing (profil_hesapla, basınc_hesapla, OpenAbout) leave the surfaces alone.
void drawStep(Step step, const State& s, const ChainValues& values, PlotSurfaces& surfaces);

// Each step's numbers, then its drawing, in the chain's order.
void runChain(std::span<const Step> steps, State& s, const ChainInputs& inputs, ChainValues& values,
              PlotSurfaces& surfaces);

// A fresh start-up and the full chain, drawn into `surfaces`: the window's pictures after a
// change of thickness or camber.
ChainResult drawFullChain(const ChainInputs& inputs, PlotSurfaces& surfaces);

} // namespace kestrel
