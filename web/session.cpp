// SPDX-License-Identifier: MIT
#include "web/session.h"

#include "model/startup.h"
#include "plots/chain.h"

#include <exception>

namespace kestrel::web {

Session::Session() {
    startUp(state_);
    for (const SurfaceDefinition& d : kSurfaces) {
        surfaces_[d.id].setOnChange(
            [this, i = static_cast<std::size_t>(d.id)] { changed_[i] = true; });
    }
}

bool Session::setPosition(InputId id, int position) {
    const InputDefinition& d = inputDefinition(id);
    if (position < d.minimum || position > d.maximum) {
        return false;
    }
    inputs_.position(id) = position;
    return true;
}

HandlerRun Session::run(Handler handler) {
    HandlerRun result;
    result.handler = handler;
    if (handler != Handler::Mn_About_Click) {
        ++chains_;
    }
    changed_.fill(false);
    for (const Step step : chainOf(handler)) {
        if (step == Step::OpenAbout) {
            result.openAbout = true;
            continue;
        }
        try {
            computeStep(step, state_, inputs_, values_);
            drawStep(step, state_, values_, surfaces_);
            for (BoxText& box : boxTexts(step, state_, values_, separator_)) {
                result.boxes.push_back(std::move(box));
            }
        } catch (const std::exception& error) {
            result.error = error.what();
            break;
        }
        if (step == Step::profil_hesapla && values_.tableMiss) {
            result.tableMiss = true;
        }
    }
    for (const SurfaceDefinition& d : kSurfaces) {
        if (changed_[static_cast<std::size_t>(d.id)]) {
            result.redrawn.push_back(d.id);
        }
    }
    return result;
}

} // namespace kestrel::web
