// SPDX-License-Identifier: MIT
#include "model/chain.h"

#include "model/coefficients.h"
#include "model/colours.h"
#include "model/inputs.h"
#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"
#include "model/text.h"

namespace kestrel {

namespace {

using enum Step;

constexpr Step kFullSteps[] = {profil_hesapla, profil_ciz,  basınc_hesapla,
                               basınc_ciz,     CL_Alfa_ciz, CM_Alfa_ciz};
constexpr Step kPointSteps[] = {profil_hesapla, profil_ciz, basınc_hesapla, basınc_ciz};
constexpr Step kAngleSteps[] = {basınc_hesapla, basınc_ciz, CL_Alfa_ciz, CM_Alfa_ciz};
constexpr Step kMomentSteps[] = {CM_Alfa_ciz, profil_ciz, MomentMarker};
constexpr Step kAboutSteps[] = {OpenAbout};

struct HandlerChain {
    Handler handler;
    std::string_view name;
    std::span<const Step> steps;
};

// Every handler with its chain, in the order of the Handler enumeration.
constexpr std::array<HandlerChain, kHandlerCount> kChains{{
    {Handler::HScroll_Thickness_Change, "HScroll_Thickness_Change", kFullSteps},
    {Handler::HScroll_Camber_Change, "HScroll_Camber_Change", kFullSteps},
    {Handler::HScroll_nP_Change, "HScroll_nP_Change", kPointSteps},
    {Handler::HScroll_AlfaD_Change, "HScroll_AlfaD_Change", kAngleSteps},
    {Handler::HScroll_xM_Change, "HScroll_xM_Change", kMomentSteps},
    {Handler::daire_Click, "daire_Click", kFullSteps},
    {Handler::profil_Click, "profil_Click", kFullSteps},
    {Handler::pressure_Click, "pressure_Click", kFullSteps},
    {Handler::Picture_CL_Click, "Picture_CL_Click", kFullSteps},
    {Handler::Picture_CM_Click, "Picture_CM_Click", kFullSteps},
    {Handler::Mn_About_Click, "Mn_About_Click", kAboutSteps},
}};

const HandlerChain& entryOf(Handler handler) {
    return kChains[static_cast<std::size_t>(handler)];
}

// The Mach number as basınc_ciz, CL_Alfa_ciz and CM_Alfa_ciz each read it from the Mach box,
// and whether the Prandtl-Glauert curves are shown for it.
void readMach(const ChainInputs& inputs, ChainValues& values) {
    values.mach = machFromText(inputs.mach);
    values.compressible = showsCompressible(values.mach);
}

// The lift and moment plots write the factor only where they draw the compressible curves.
void keepFactorIfShown(State& s, const ChainValues& values) {
    if (values.compressible) {
        s.PGfactor = *prandtlGlauertFactor(values.mach);
    }
}

void computeMomentStep(State& s, const ChainInputs& inputs, ChainValues& values) {
    setMomentReference(s, inputs.xm);
    readMach(inputs, values);
    if (!profileExists(s)) {
        values.CMcur.reset();
        return;
    }
    values.CMcur = computeMomentCurve(s);
    keepFactorIfShown(s, values);
}

} // namespace

std::string_view stepName(Step step) {
    switch (step) {
    case profil_hesapla:
        return "profil_hesapla";
    case profil_ciz:
        return "profil_ciz";
    case basınc_hesapla:
        return "basınc_hesapla";
    case basınc_ciz:
        return "basınc_ciz";
    case CL_Alfa_ciz:
        return "CL_Alfa_ciz";
    case CM_Alfa_ciz:
        return "CM_Alfa_ciz";
    case MomentMarker:
        return "moment-reference marker";
    case OpenAbout:
        break;
    }
    return "open the About window";
}

std::string_view handlerName(Handler handler) {
    return entryOf(handler).name;
}

std::span<const Step> chainOf(Handler handler) {
    return entryOf(handler).steps;
}

void computeStep(Step step, State& s, const ChainInputs& inputs, ChainValues& values) {
    switch (step) {
    case profil_hesapla: {
        setProfileInputs(s, inputs.thickness, inputs.camber, inputs.points);
        const long row = computeProfile(s);
        values.tableMiss = row == 0;
        if (row != 0) {
            values.row = row;
        }
        return;
    }
    case profil_ciz:
        renkler(s);
        return;
    case basınc_hesapla:
        setAngleInput(s, inputs.alpha);
        computePressure(s);
        return;
    case basınc_ciz:
        // The pressure plot keeps the factor wherever it exists, for M = 0 too.
        readMach(inputs, values);
        if (const auto factor = prandtlGlauertFactor(values.mach)) {
            s.PGfactor = *factor;
        }
        return;
    case CL_Alfa_ciz:
        readMach(inputs, values);
        computeLiftCurve(s);
        keepFactorIfShown(s, values);
        return;
    case CM_Alfa_ciz:
        computeMomentStep(s, inputs, values);
        return;
    case MomentMarker:
    case OpenAbout:
        return;
    }
}

void computeChain(std::span<const Step> steps, State& s, const ChainInputs& inputs,
                  ChainValues& values) {
    for (const Step step : steps) {
        computeStep(step, s, inputs, values);
    }
}

std::vector<BoxText> boxTexts(Step step, const State& s, const ChainValues& values,
                              std::string_view decimalSeparator) {
    const auto text = [decimalSeparator](double value) {
        return numberText(value, decimalSeparator);
    };
    switch (step) {
    case profil_hesapla:
        return {{"Text_Thickness", text(s.Thickness)},
                {"Text_Camber", text(s.Camber)},
                {"Text_nP", text(s.nP)}};
    case basınc_hesapla:
        return {{"Text_AlfaD", text(s.AlfaD)}};
    case CL_Alfa_ciz:
        return {{"Text_CL", liftBoxText(s.CLcur, decimalSeparator)}};
    case CM_Alfa_ciz:
        if (values.CMcur) {
            return {{"Text_xM", text(s.xM)},
                    {"Text1", momentBoxText(*values.CMcur, decimalSeparator)}};
        }
        return {{"Text_xM", text(s.xM)}};
    case profil_ciz:
    case basınc_ciz:
    case MomentMarker:
    case OpenAbout:
        break;
    }
    return {};
}

ChainResult computeFullChain(const ChainInputs& inputs) {
    ChainResult result;
    startUp(result.state);
    computeChain(chainOf(kFullChain), result.state, inputs, result.values);
    return result;
}

} // namespace kestrel
