// SPDX-License-Identifier: MIT
#include "model/csv.h"

#include "model/coefficients.h"
#include "model/numeric.h"
#include "model/text.h"

namespace kestrel {

namespace {

std::string number(double value) {
    return numberText(value, ".");
}

long pointCount(const State& s) {
    return toIndex(s.nP);
}

// Where point j lies. Points 2 to nHalf + 1 have polar angles from -2 pi / nSeg down to -pi
// and map onto the lower surface; for an odd point count point nHalf + 1 is the one at -pi.
const char* sideOf(const State& s, long j) {
    const double point = static_cast<double>(j);
    if (j == 1 || point == s.nP) {
        return "trailing-edge";
    }
    if (point == s.nHalf + 1) {
        return "leading-edge";
    }
    return point < s.nHalf + 1 ? "lower" : "upper";
}

} // namespace

std::string circleCsv(const State& s) {
    std::string text = "j,x,y\n";
    for (long j = 1; j <= pointCount(s); ++j) {
        text += std::to_string(j) + "," + number(s.xCirc[j]) + "," + number(s.yCirc[j]) + "\n";
    }
    return text;
}

std::string coordinatesCsv(const State& s) {
    std::string text = "j,x,y,side\n";
    for (long j = 1; j <= pointCount(s); ++j) {
        text += std::to_string(j) + "," + number(s.xProf[j]) + "," + number(s.yProf[j]) + "," +
                sideOf(s, j) + "\n";
    }
    return text;
}

std::string pressureCsv(const State& s) {
    std::string text = "j,x,y,Cp\n";
    for (long j = 1; j <= pointCount(s); ++j) {
        text += std::to_string(j) + "," + number(s.xProf[j]) + "," + number(s.yProf[j]) + "," +
                number(s.Cp[j]) + "\n";
    }
    return text;
}

std::string curveCsv(const State& s, CurveName name, std::optional<double> factor) {
    const std::string label = name == CurveName::CL ? "CL" : "CM";
    const CurveArray& values = name == CurveName::CL ? s.CLarr : s.CMarr;
    std::string text = "alpha," + label;
    if (factor) {
        text += "," + label + "_prandtl_glauert";
    }
    text += ",current\n";
    for (long k = kCurveFirst; k <= kCurveLast; ++k) {
        text += number(s.AlfaArr[k]) + "," + number(values[k]);
        if (factor) {
            text += ',';
            text += number(values[k] / *factor);
        }
        text += s.AlfaArr[k] == s.AlfaD ? ",yes\n" : ",\n";
    }
    return text;
}

std::string loadCsv(const TheoryComparison& theory) {
    std::string text = "x,exact,thin\n";
    for (const LoadPoint& p : theory.load) {
        text += number(p.x) + "," + number(p.exact) + "," + number(p.thin) + "\n";
    }
    return text;
}

} // namespace kestrel
