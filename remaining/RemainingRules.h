#pragma once
// The rules of the remaining-sections form's input fields, by action.
#include "forms/FieldRules.h"

namespace remaining::rules {

using forms::FieldRule;

extern const FieldRule riserNumber, circuitConsumerNumber, commonSectionNumber, commonLength,
    commonPressure;                                   // shared sections: "+" and ">"
extern const FieldRule consumerNumber, consumerLoad;  // consumers: "+"
extern const FieldRule sectionNumber, sectionLength, kv, consumerCount;  // "Teilstrecke"
extern const FieldRule correctionDn;                                     // " Korrektur DN"
using forms::rules::bendCount;
using forms::rules::connectionCount;
using forms::rules::reducerCount;
using forms::rules::teeCount;

}  // namespace remaining::rules
