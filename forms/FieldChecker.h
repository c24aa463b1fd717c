#pragma once
// Runs a field's rule the way both workflow forms do: the field's message
// under "Eingabeberichtigung:", the focus back into the field, and the value
// only when the field passed.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "forms/FieldRules.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"

namespace forms {

class FieldChecker {
public:
    explicit FieldChecker(tk::MessageBox& messages) : messages_(messages) {}

    // The field's value when it passes. A text the rule cannot convert at all
    // goes to `onFault` when one is given (the consumer steps' fault
    // handler); otherwise it fails with the field's message like any other.
    std::optional<double> number(const FieldRule& rule, tk::TextField& field,
                                 const std::function<void()>& onFault = {});
    // The same for a field stored as a 16-bit whole number; a value that
    // does not fit is refused with the field's message.
    std::optional<std::int16_t> whole(const FieldRule& rule, tk::TextField& field,
                                      const std::function<void()>& onFault = {});

    // A message of the form's own under "Eingabeberichtigung:", the focus
    // into `focus`.
    void correction(std::string_view message, tk::Control& focus);
    // The consumer steps' "Eingabefehler:" message.
    void inputFault();

private:
    tk::MessageBox& messages_;
};

}  // namespace forms
