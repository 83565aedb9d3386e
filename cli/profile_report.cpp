#include "cli/profile_report.h"

#include "cli/command.h"
#include "model/coefficients.h"
#include "model/text.h"

#include <cmath>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <utility>

namespace kestrel::cli {

namespace {

// Keys keep the order in which the document lists them.
using Json = nlohmann::ordered_json;

// JSON has no infinity and no NaN: such a value, or no value at all, is written as null.
Json numberOrNull(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) {
        return nullptr;
    }
    return *value;
}

long pointCount(const State& s) {
    return toIndex(s.nP);
}

template <std::size_t N> Json entries(const CheckedArray<N>& array, long first, long last) {
    Json values = Json::array();
    for (long i = first; i <= last; ++i) {
        values.push_back(array[i]);
    }
    return values;
}

} // namespace

ProfileResult computeProfileResult(const ProfileRequest& request, PlotSurfaces& pictures) {
    ChainResult chain = runFullChain(request, pictures);
    if (chain.row == 0) {
        throw RunError("the table has no profile with t/c " +
                       numberText(chain.state.Thickness, ".") + " and f/c " +
                       numberText(chain.state.Camber, "."));
    }

    ProfileResult r;
    r.state = std::move(chain.state);
    r.row = chain.row;
    r.mach = chain.mach;
    r.CMcur = chain.CMcur;
    r.pgFactor = prandtlGlauertFactor(r.mach);
    r.textCL = numberText(roundDecimals(r.state.CLcur, 4), ".");
    r.text1 = numberText(roundDecimals(r.CMcur, 5), ".");
    // The values of the magenta markers, where the plots draw them.
    if (showsCompressible(r.mach)) {
        r.CLcurCompressible = r.state.CLcur / *r.pgFactor;
        r.CMcurCompressible = r.CMcur / *r.pgFactor;
    }
    return r;
}

ProfileResult computeProfileResult(const ProfileRequest& request) {
    PlotSurfaces discarded;
    return computeProfileResult(request, discarded);
}

std::string profileJson(const ProfileResult& r) {
    const State& s = r.state;
    const long n = pointCount(s);

    Json inputs;
    inputs["Thickness"] = s.Thickness;
    inputs["Camber"] = s.Camber;
    inputs["nP"] = s.nP;
    inputs["AlfaD"] = s.AlfaD;
    inputs["xM"] = s.xM;
    inputs["Mach"] = numberOrNull(r.mach);

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
        profile[key] = value;
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
    current["CLcur"] = s.CLcur;
    current["CMcur"] = r.CMcur;
    current["Text_CL"] = r.textCL;
    current["Text1"] = r.text1;
    current["PGfactor"] = numberOrNull(r.pgFactor);
    current["CLcur_compressible"] = numberOrNull(r.CLcurCompressible);
    current["CMcur_compressible"] = numberOrNull(r.CMcurCompressible);

    Json document;
    document["inputs"] = std::move(inputs);
    document["row"] = r.row;
    document["profile"] = std::move(profile);
    document["points"] = std::move(points);
    document["curves"] = std::move(curves);
    document["current"] = std::move(current);
    return document.dump(2) + "\n";
}

std::string profileCsv(const ProfileResult& r) {
    const State& s = r.state;
    std::string text = "j,x,y,Cp\n";
    for (long j = 1; j <= pointCount(s); ++j) {
        text += std::to_string(j) + "," + numberText(s.xProf[j], ".") + "," +
                numberText(s.yProf[j], ".") + "," + numberText(s.Cp[j], ".") + "\n";
    }
    return text;
}

} // namespace kestrel::cli
