#pragma once
// A full project for the benchmark: 20 risers of 45 sections, the critical
// circuit on riser 1 and further circuits with two shared sections and a
// corrected size on risers 2 to 20.
#include "state/CalcState.h"

namespace bench {

inline constexpr int kSections = 45;

// Computes the project through the operations on the calculation state, as
// the forms do.
calc::CalcState computeProject();

// The same formulas over the same numbers in a bare loop; returns a sum of
// the results, so that nothing is left out.
double computeBare();

}  // namespace bench
