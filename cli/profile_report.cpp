// SPDX-License-Identifier: MIT
#include "cli/profile_report.h"

#include "cli/command.h"
#include "cli/json_number.h"
#include "model/coefficients.h"
#include "model/text.h"

#include <initializer_list>
#include <utility>

namespace kestrel::cli {

namespace {

long pointCount(const State& s) {
    return toIndex(s.nP);
}

template <std::size_t N> Json entries(const CheckedArray<N>& array, long first, long last) {
    Json values = Json::array();
    for (long i = first; i <= last; ++i) {
        values.push_back(jsonNumber(array[i]));
    }
    return values;
}

} // namespace

void requireTableRow(const ChainResult& chain) {
    if (chain.values.tableMiss) {
        throw RunError("the table has no profile with t/c " +
                       numberText(chain.state.Thickness, ".") + " and f/c " +
                       numberText(chain.state.Camber, "."));
    }
}

ProfileResult computeProfileResult(const ChainInputs& request) {
    ChainResult chain = computeFullChain(request);
    requireTableRow(chain);

    ProfileResult r;
    r.state = std::move(chain.state);
    r.row = chain.values.row;
    r.mach = chain.values.mach;
    r.CMcur = chain.values.CMcur.value_or(0);
    r.pgFactor = prandtlGlauertFactor(r.mach);
    r.textCL = liftBoxText(r.state.CLcur, ".");
    r.text1 = momentBoxText(r.CMcur, ".");
    // The values of the magenta markers, where the plots draw them.
    if (chain.values.compressible) {
        r.CLcurCompressible = r.state.CLcur / *r.pgFactor;
        r.CMcurCompressible = r.CMcur / *r.pgFactor;
    }
    return r;
}

std::string profileJson(const ProfileResult& r) {
    const State& s = r.state;
    const long n = pointCount(s);

    Json inputs;
    inputs["Thickness"] = jsonNumber(s.Thickness);
    inputs["Camber"] = jsonNumber(s.Camber);
    inputs["nP"] = jsonNumber(s.nP);
    inputs["AlfaD"] = jsonNumber(s.AlfaD);
    inputs["xM"] = jsonNumber(s.xM);
    inputs["Mach"] = jsonNumber(r.mach);

    Json profile;
    for (const auto& [key, value] :
         std::initializer_list<std::pair<const char*, double>>{{"eps", s.eps},
                                                               {"mu", s.mu},
                                                               {"Beta", s.Beta},
                                                               {"Delta", s.Delta},
                                                               {"Rsq", s.Rsq},
                                                               {"Rc", s.Rc},
                                                               {"dOverR", s.dOverR},
                                                               {"Chord", s.Chord},
                                                               {"xShift", s.xShift},
                                                               {"RbyC", s.RbyC},
                                                               {"nSeg", s.nSeg},
                                                               {"nHalf", s.nHalf}}) {
        profile[key] = jsonNumber(value);
    }

    Json points;
    for (const PointArray* array :
         {&s.Theta, &s.xCirc, &s.yCirc, &s.xProf, &s.yProf, &s.dZdZeta, &s.Cp}) {
        points[array->name()] = entries(*array, 1, n);
    }

    Json curves;
    for (const CurveArray* array : {&s.AlfaArr, &s.CLarr, &s.CMarr}) {
        curves[array->name()] = entries(*array, kCurveFirst, kCurveLast);
    }

    Json current;
    current["CLcur"] = jsonNumber(s.CLcur);
    current["CMcur"] = jsonNumber(r.CMcur);
    current["Text_CL"] = r.textCL;
    current["Text1"] = r.text1;
    current["PGfactor"] = jsonNumber(r.pgFactor);
    current["CLcur_compressible"] = jsonNumber(r.CLcurCompressible);
    current["CMcur_compressible"] = jsonNumber(r.CMcurCompressible);

    Json document;
    document["inputs"] = std::move(inputs);
    document["row"] = r.row;
    document["profile"] = std::move(profile);
    document["points"] = std::move(points);
    document["curves"] = std::move(curves);
    document["current"] = std::move(current);
    return document.dump(2) + "\n";
}

} // namespace kestrel::cli
