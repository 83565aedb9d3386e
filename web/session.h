// SPDX-License-Identifier: MIT
// One main window in the browser without its widgets: the window-wide state, what its controls
// hold, its five recorded surfaces, and its handlers, which run the same chains as the desktop
// window's.
#pragma once

#include "model/chain.h"
#include "plots/surfaces.h"

#include <array>
#include <string>
#include <vector>

namespace kestrel::web {

// What one handler did: the texts it wrote into boxes in order, the surfaces it changed, whether
// the table had no row for the inputs, and the error that stopped it, if one did.
struct HandlerRun {
    Handler handler = Handler::HScroll_Thickness_Change;
    std::vector<BoxText> boxes;
    std::vector<SurfaceId> redrawn;
    bool tableMiss = false;
    bool openAbout = false;
    std::string error;
};

class Session {
public:
    // The window as it opens: start-up done, the controls at their start values, nothing drawn.
    Session();

    // The position of an input's scroll bar; false (and nothing changed) outside its range.
    bool setPosition(InputId id, int position);
    // The text of the Mach box, read by the plot steps when they run.
    void setMachText(std::string text) { inputs_.mach = std::move(text); }
    // The decimal separator of the texts written into the boxes.
    void setDecimalSeparator(std::string separator) { separator_ = std::move(separator); }

    // Runs the handler's chain step by step, numbers then drawing, as the window does. An error
    // ends the chain at that step; what the earlier steps drew and wrote stays.
    HandlerRun run(Handler handler);

    const State& state() const { return state_; }
    const ChainValues& values() const { return values_; }
    const ChainInputs& inputs() const { return inputs_; }
    const PlotSurfaces& surfaces() const { return surfaces_; }
    // How many chains that can change the state have run (every handler's but the About
    // window's): what is built from the state is stale when this moved on.
    unsigned chains() const { return chains_; }

private:
    State state_;
    ChainValues values_;
    ChainInputs inputs_;
    PlotSurfaces surfaces_;
    std::string separator_ = ".";
    std::array<bool, 5> changed_{};
    unsigned chains_ = 0;
};

} // namespace kestrel::web
