#pragma once
// The rules of the main form's input fields, by action.
#include "forms/FieldRules.h"

namespace circuit::rules {

using forms::FieldRule;

extern const FieldRule riserNumber, circuitConsumerNumber, supplyTemperature, returnTemperature,
    consumerNumber, consumerLoad;                                     // "+"
extern const FieldRule sectionNumber, sectionLength, designVelocity;  // "Teilstrecke"
extern const FieldRule pipeDn, kv, consumerCount;  // "Rechnen", with the fitting counts
using forms::rules::bendCount;
using forms::rules::connectionCount;
using forms::rules::reducerCount;
using forms::rules::teeCount;

}  // namespace circuit::rules
