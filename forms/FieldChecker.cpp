#include "forms/FieldChecker.h"

#include <string>

#include "toolkit/NumberText.h"

namespace forms {

std::optional<double> FieldChecker::number(const FieldRule& rule, tk::TextField& field,
                                           const std::function<void()>& onFault) {
    CheckResult result = checkField(rule, field.text());
    if (result.text != field.text()) field.setText(result.text);
    if (result.status == CheckStatus::Passed) return result.value;
    if (result.status == CheckStatus::Fault && onFault)
        onFault();
    else
        correction(rule.message, field);
    return std::nullopt;
}

std::optional<std::int16_t> FieldChecker::whole(const FieldRule& rule, tk::TextField& field,
                                                const std::function<void()>& onFault) {
    std::optional<double> value = number(rule, field, onFault);
    if (!value) return std::nullopt;
    std::optional<std::int16_t> fitting = tk::toInt16(*value);
    if (!fitting) correction(rule.message, field);
    return fitting;
}

void FieldChecker::correction(std::string_view message, tk::Control& focus) {
    messages_.show(std::string(message), std::string(kCorrectionTitle),
                   tk::MessageStyle::Information);
    focus.setFocus();
}

void FieldChecker::inputFault() {
    messages_.show(std::string(kFaultMessage), std::string(kFaultTitle),
                   tk::MessageStyle::Information);
}

}  // namespace forms
