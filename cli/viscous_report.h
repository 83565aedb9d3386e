// SPDX-License-Identifier: MIT
// The boundary layer of one set of inputs and the drag polar of one profile, and their JSON and
// CSV forms.
#pragma once

#include "model/boundary_layer.h"
#include "model/chain.h"
#include "report/documents.h"

#include <string>
#include <vector>

namespace kestrel::cli {

// The window's state after the full chain for the inputs, and the boundary layer at its angle.
struct ViscousResult {
    ChainResult chain;
    BoundaryLayerOptions options;
    BoundaryLayer layer;
};

// Throws RunError if the table has no row for the thickness and camber.
ViscousResult computeViscousResult(const ChainInputs& request, const BoundaryLayerOptions& options);

// inputs, row, reynolds, ncrit, CL, CM, CD, CD_friction, L_over_D, attached, note, upper,
// lower (see --help).
std::string viscousJson(const ViscousResult& result);

// The header side,s,x,y,ue,theta,delta_star,H,Cf,N,regime, then the upper side's points and the
// lower side's.
std::string viscousCsv(const ViscousResult& result);

// The polar of the chain's profile (and moment reference) at the angles of the range.
struct PolarResult {
    ChainResult chain;
    BoundaryLayerOptions options;
    PolarRange range;
    std::vector<PolarPoint> points;
};

// Throws RunError if the table has no row for the thickness and camber.
PolarResult computePolarResult(const ChainInputs& request, const BoundaryLayerOptions& options,
                               const PolarRange& range, const std::vector<double>& angles);

// inputs, row, reynolds, ncrit, polar (see --help).
std::string polarJson(const PolarResult& result);

// The header alpha,CL,CM,CD,L_over_D,xtr_upper,xtr_lower,xsep_upper,xsep_lower, then one line
// per angle, an empty cell where a value does not exist.
std::string polarCsv(const PolarResult& result);

} // namespace kestrel::cli
