#pragma once
// The four fitting counts of a section, alike on both workflow forms.
#include "forms/FieldChecker.h"
#include "state/CalcState.h"
#include "toolkit/Controls.h"

namespace forms {

struct CountFields {
    tk::TextField& bends;        // txtBoganzahl
    tk::TextField& tees;         // txtTAnzahl
    tk::TextField& connections;  // txtAnbindAnz
    tk::TextField& reducers;     // txtReduAnz
};

// Checks the counts in this order and stores each that passes; false at the
// first that is refused.
bool checkFittingCounts(FieldChecker& checker, CountFields fields, calc::CalcState& state);

}  // namespace forms
