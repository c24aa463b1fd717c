#pragma once
// Consumer entry as both workflow forms have it: the consumer's number and
// load are checked; once the form's step added the load, the consumer is
// kept in the document, the two fields are emptied and the sum is shown.
#include <functional>
#include <optional>

#include "forms/FieldChecker.h"
#include "forms/FieldRules.h"
#include "state/CalcState.h"
#include "toolkit/Controls.h"

namespace forms {

struct ConsumerFields {
    tk::TextField& number;  // txtHzKprNr
    tk::TextField& load;    // txtHkLstgW
    tk::TextField& sum;     // txtGesLstg
};

struct ConsumerRules {
    const FieldRule& number;
    const FieldRule& load;
};

class ConsumerEntry {
public:
    ConsumerEntry(calc::CalcState& state, FieldChecker& checker, ConsumerFields fields,
                  ConsumerRules rules)
        : state_(state), checker_(checker), fields_(fields), rules_(rules) {}

    // Checks number and load; the consumer when both pass. A text that
    // cannot be converted goes to `onFault`.
    std::optional<project::Consumer> check(const std::function<void()>& onFault);
    // Keeps the consumer whose load the step added in the section in hand of
    // the document's circuit in hand, empties the consumer fields and shows
    // the new sum.
    void added(const project::Consumer& consumer);

private:
    calc::CalcState& state_;
    FieldChecker& checker_;
    ConsumerFields fields_;
    ConsumerRules rules_;
};

}  // namespace forms
