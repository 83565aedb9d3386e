// SPDX-License-Identifier: MIT
#include "model/inputs.h"

namespace kestrel {

double scrollValue(int position) {
    return static_cast<double>(position);
}

double scrollHundredths(int position) {
    return scrollValue(position) / 100;
}

double inputValue(InputId id, int position) {
    const int divisor = inputDefinition(id).divisor;
    if (divisor == 1) {
        return scrollValue(position);
    }
    return scrollValue(position) / divisor;
}

void setProfileInputs(State& s, int thicknessPosition, int camberPosition, int pointsPosition) {
    s.Thickness = inputValue(InputId::Thickness, thicknessPosition);
    s.Camber = inputValue(InputId::Camber, camberPosition);
    s.nP = inputValue(InputId::Points, pointsPosition);
}

void setAngleInput(State& s, int alfaPosition) {
    s.AlfaD = inputValue(InputId::Alpha, alfaPosition);
}

void setMomentReference(State& s, int xmPosition) {
    s.xM = inputValue(InputId::MomentReference, xmPosition);
}

} // namespace kestrel
