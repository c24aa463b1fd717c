#pragma once
// The valve's kv value, the consumer flag and the four fitting counts of a
// section, checked alike on both workflow forms.
#include "forms/FieldChecker.h"
#include "forms/FieldRules.h"
#include "project/Document.h"
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

struct FittingValues {
    double kv = 0;
    float consumerFlag = 0;
    project::FittingCounts counts;
};

// Shows a section's kv value, consumer flag and fitting counts as the
// fields held them when its step passed.
void showFittings(FittingFields fields, const project::SectionInputs& inputs);

// Checks the fields in this order; none at the first that is refused.
std::optional<FittingValues> checkFittings(FieldChecker& checker, FittingFields fields,
                                           FittingRules rules);

}  // namespace forms
