// SPDX-License-Identifier: MIT
#include "cli/theory_report.h"

#include "cli/profile_report.h"
#include "report/documents.h"

#include <utility>

namespace kestrel::cli {

TheoryResult computeTheoryResult(const ChainInputs& request) {
    ChainResult chain = computeFullChain(request);
    requireTableRow(chain);
    TheoryComparison theory = compareWithThinAirfoil(chain.state);
    return {std::move(chain), std::move(theory)};
}

std::string theoryJson(const TheoryResult& result) {
    return theoryDocument(result.chain.state, result.chain.values, result.theory);
}

} // namespace kestrel::cli
