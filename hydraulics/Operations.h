#pragma once
// The operations of the hydraulics core on the calculation state: each reads
// its inputs from the state and writes its results back. Callers check the
// input first; an operation whose preconditions do not hold changes nothing
// and says so.
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

// Velocity and loss of the current section with the riser's totals. False
// (nothing changed) when the inner diameter is not positive.
bool ComputeSectionLoss(calc::CalcState& state);

}  // namespace hyd
