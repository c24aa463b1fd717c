#pragma once
// A full project for the benchmark: 20 risers of 45 sections, the critical
// circuit on riser 1 and further circuits with two shared sections and a
// corrected size on risers 2 to 20.
#include "project/Document.h"
#include "state/CalcState.h"

namespace bench {

inline constexpr int kSections = 45;

// The project as the planner's document, every section computed and every
// circuit finished.
project::Document fullDocument();

// Computes the project step by step into a fresh state, each step as the
// forms run it on their listing boxes.
calc::CalcState computeProject();

// The same formulas over the same numbers in a bare loop; returns a sum of
// the results, so that nothing is left out.
double computeBare();

}  // namespace bench
