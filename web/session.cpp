// SPDX-License-Identifier: MIT
#include "web/session.h"

#include "model/startup.h"
#include "plots/chain.h"

#include <exception>
#include <utility>
#include <vector>

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
    switch (id) {
    case InputId::Thickness:
        inputs_.thickness = position;
        break;
    case InputId::Camber:
        inputs_.camber = position;
        break;
    case InputId::Points:
        inputs_.points = position;
        break;
    case InputId::Alpha:
        inputs_.alpha = position;
        break;
    case InputId::MomentReference:
        inputs_.xm = position;
        break;
    }
    return true;
}

namespace {

// The browser's side of a chain: boxes, the table miss, the About window and an error are
// gathered into what the handler did, for the page to show.
class SessionHost : public ChainHost {
public:
    SessionHost(const ChainInputs& inputs, const std::string& separator, HandlerRun& run)
        : inputs_(inputs), separator_(separator), run_(run) {}
    ChainInputs inputs() const override { return inputs_; }
    std::string decimalSeparator() const override { return separator_; }
    void writeBoxes(std::vector<BoxText> boxes) override {
        for (BoxText& box : boxes) {
            run_.boxes.push_back(std::move(box));
        }
    }
    void tableMiss() override { run_.tableMiss = true; }
    void openAbout() override { run_.openAbout = true; }
    void stopped(Step, const std::exception& error) override { run_.error = error.what(); }

private:
    const ChainInputs& inputs_;
    const std::string& separator_;
    HandlerRun& run_;
};

} // namespace

HandlerRun Session::run(Handler handler) {
    HandlerRun result;
    result.handler = handler;
    if (handler != Handler::Mn_About_Click) {
        ++chains_;
    }
    changed_.fill(false);
    SessionHost host(inputs_, separator_, result);
    runSteps(chainOf(handler), state_, values_, surfaces_, host);
    for (const SurfaceDefinition& d : kSurfaces) {
        if (changed_[static_cast<std::size_t>(d.id)]) {
            result.redrawn.push_back(d.id);
        }
    }
    return result;
}

} // namespace kestrel::web
