#pragma once
// The rules of the main form's input fields, by action.
#include "forms/FieldRules.h"

namespace circuit::rules {

using forms::FieldRule;

extern const FieldRule riserNumber, circuitConsumerNumber, supplyTemperature, returnTemperature,
    consumerNumber, consumerLoad;                                     // "+"
extern const FieldRule sectionNumber, sectionLength, designVelocity;  // "Teilstrecke"
extern const FieldRule pipeDn, kv, consumerCount, bendCount, teeCount, connectionCount,
    reducerCount;  // "Rechnen"

}  // namespace circuit::rules
