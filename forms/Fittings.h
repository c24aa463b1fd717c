#pragma once
// The valve's kv value, the consumer flag and the four fitting counts of a
// section, checked alike on both workflow forms.
#include "forms/FieldChecker.h"
#include "forms/FieldRules.h"
#include "state/CalcState.h"
#include "toolkit/Controls.h"

namespace forms {

struct FittingFields {
    tk::TextField& kv;           // txtKVWert
    tk::TextField& consumer;     // txtVrbrchr
    tk::TextField& bends;        // txtBoganzahl
    tk::TextField& tees;         // txtTAnzahl
    tk::TextField& connections;  // txtAnbindAnz
    tk::TextField& reducers;     // txtReduAnz
};

// The form's own rules for the kv value and the consumer flag.
struct FittingRules {
    const FieldRule& kv;
    const FieldRule& consumer;
};

// Checks the fields in this order and stores each that passes; false at the
// first that is refused.
bool checkFittings(FieldChecker& checker, FittingFields fields, FittingRules rules,
                   calc::CalcState& state);

}  // namespace forms
