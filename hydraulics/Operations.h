#pragma once
// The operations of the hydraulics core on the calculation state: each reads
// its inputs from the state and writes its results back. Callers check the
// input first; an operation whose preconditions do not hold changes nothing
// and says so.
#include "hydraulics/BranchFormulas.h"
#include "state/CalcState.h"

namespace hyd {

// Installs the friction law of the material and, when `enteredDn` is one of
// its entry sizes, sets `innerDiameter`. False when the DN is not listed (the
// inner diameter is then left as it was) or the material is unknown.
bool LookupEntryDn(calc::CalcState& state, int materialCode);

// The entry lookup for the chosen material; sets `pipeMaterial`. False when
// no material is chosen or the DN is not listed.
bool SelectMaterial(calc::CalcState& state);

// Picks the size of the current section from `requiredDiameter`. False (DN 0,
// inner diameter 0) when no size fits or the material is unknown.
bool SelectDnByDiameter(calc::CalcState& state);

// Inner diameter of `correctedDn`; 0 and false when the DN is not listed.
bool LookupCorrectionDn(calc::CalcState& state);

// Adds the consumer just read to the riser's running load.
void AddConsumerLoad(calc::CalcState& state);

// Mass flow and required diameter of the current section. False (nothing
// changed) unless supply is above return and the design velocity positive.
bool ComputeFlowAndDiameter(calc::CalcState& state);

// Zeta of the section's valve from `currentKv`. False (zeta 0) unless the kv
// and the inner diameter are positive.
bool ValveZetaFromKv(calc::CalcState& state);

// Zeta sum of the section's fittings and valve; resets `valveZeta`.
void SumSectionZeta(calc::CalcState& state);

// ValveZetaFromKv at the inner diameter in force when the section has a
// valve, then SumSectionZeta.
void SumZetaWithValve(calc::CalcState& state, bool withValve);

// Velocity and loss of the current section with the riser's totals. False
// (nothing changed) when the inner diameter is not positive.
bool ComputeSectionLoss(calc::CalcState& state);

// --- Further circuits, sized against the pressure left over ---

// Adds the shared section just looked up (`addedLength`, `addedPressure`)
// to the current riser's shared sums.
void AddCommonPart(calc::CalcState& state);

enum class GradientOutcome { Computed, NoLengthLeft, NoPressureLeft };

// The residual gradient of the current riser's circuit: the available
// pressure (replacing the riser's pressure drop) over the remaining length.
// Nothing changes unless both are above 0.
GradientOutcome ComputeResidualGradient(calc::CalcState& state);

// Mass flow, allotted loss and first diameter estimate of the current
// section from `sectionLoad` and `sectionLength`. False (nothing changed)
// unless the temperature spread is positive.
bool PrepareBranchSection(calc::CalcState& state);

// The selection held to the table (see nearestSizeForDiameter): installs the
// friction law, sets `innerDiameter`, `sectionDn` and its inner diameter.
// True when the diameter lay beyond the largest size.
bool SelectNearestDn(calc::CalcState& state);

// Finds the diameter at which the current section loses its allotment; the
// valve (when `withValve`) counts with its loss at the size selected from
// the first estimate, which `innerDiameter` holds on entry. Sets
// `requiredDiameter` and the section's `branchRequiredDiameter`; when the
// valve alone uses up the allotment they take the first estimate.
SolveOutcome SolveBranchDiameter(calc::CalcState& state, bool withValve);

// Zeta sum, loss and velocity of the current section in the selected size
// (`innerDiameter`), with the riser's running sum of branch losses.
void EvaluateSelectedDn(calc::CalcState& state, bool withValve);

// The fit flag of the current section.
void RateSectionFit(calc::CalcState& state);

// Loss of the current section with the corrected size (`innerDiameter` from
// LookupCorrectionDn) and the riser's sum of corrected losses. False
// (nothing changed) when the inner diameter is not positive.
bool RecomputeCorrectedSection(calc::CalcState& state);

}  // namespace hyd
