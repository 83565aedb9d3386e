// SPDX-License-Identifier: MIT
#include "plots/chain.h"

#include "model/startup.h"
#include "plots/plots.h"

namespace kestrel {

namespace {

CompressibleCurves curvesOf(const ChainValues& values) {
    return values.compressible ? CompressibleCurves::Shown : CompressibleCurves::Hidden;
}

} // namespace

void drawStep(Step step, const State& s, const ChainValues& values, PlotSurfaces& surfaces) {
    switch (step) {
    case Step::profil_ciz:
        drawCirclePlane(surfaces[SurfaceId::daire], s);
        drawProfile(surfaces[SurfaceId::profil], s);
        return;
    case Step::basınc_ciz:
        drawPressure(surfaces[SurfaceId::pressure], s, curvesOf(values));
        return;
    case Step::CL_Alfa_ciz:
        drawLiftCurve(surfaces[SurfaceId::Picture_CL], s, curvesOf(values));
        return;
    case Step::CM_Alfa_ciz:
        // Without a profile there is no moment curve: the plot keeps what it shows.
        if (values.CMcur) {
            drawMomentCurve(surfaces[SurfaceId::Picture_CM], s, *values.CMcur, curvesOf(values));
        }
        return;
    case Step::MomentMarker:
        drawMomentMarker(surfaces[SurfaceId::profil], s);
        return;
    case Step::profil_hesapla:
    case Step::basınc_hesapla:
    case Step::OpenAbout:
        return;
    }
}

void runChain(std::span<const Step> steps, State& s, const ChainInputs& inputs, ChainValues& values,
              PlotSurfaces& surfaces) {
    for (const Step step : steps) {
        computeStep(step, s, inputs, values);
        drawStep(step, s, values, surfaces);
    }
}

ChainResult drawFullChain(const ChainInputs& inputs, PlotSurfaces& surfaces) {
    ChainResult result;
    startUp(result.state);
    runChain(chainOf(kFullChain), result.state, inputs, result.values, surfaces);
    return result;
}

} // namespace kestrel
