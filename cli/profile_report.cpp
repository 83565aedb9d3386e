// SPDX-License-Identifier: MIT
#include "cli/profile_report.h"

#include "cli/command.h"
#include "model/coefficients.h"
#include "model/text.h"
#include "report/documents.h"

#include <utility>

namespace kestrel::cli {

namespace {} // namespace

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
    r.values = chain.values;
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
    return profileDocument(r.state, r.values);
}

} // namespace kestrel::cli
