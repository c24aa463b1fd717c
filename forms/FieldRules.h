#pragma once
// The checks of the forms' input fields: which reading of the text each
// field uses, its bounds, what an empty field becomes and its message; and
// the messages both workflow forms share.
#include <optional>
#include <string>
#include <string_view>

#include "steps/Steps.h"

namespace forms {

using steps::kCorrectionTitle;
using steps::kNoMaterialMessage;
using steps::kProjectFullMessage;
using steps::kSupplyNotAboveReturnMessage;
inline constexpr std::string_view kFaultTitle = "Eingabefehler:";
inline constexpr std::string_view kFaultMessage =
    " Überprüfen Sie Ihre Eingaben. Dezimalzeichen ist das Komma. Umschaltung aktiv ? Nur ganze "
    "Zahlen.";

// Which value of the text the bounds are checked on.
enum class Reading {
    LeadingNumber,  // "40,5" reads 40
    Locale,         // "40,5" reads 40.5
    WholeNumber,    // the locale value rounded half to even
};

// What the check hands on as the field's value.
enum class Stored {
    Checked,      // the value the bounds were checked on
    RoundedEven,  // that value rounded half to even
    Locale,       // the locale value of the text
    WholeNumber,  // the whole number of the text
};

struct FieldRule {
    std::string_view field;
    Reading reading;
    double lower;
    bool lowerIncluded;  // the upper bound is always excluded
    double upper;
    Stored stored;
    std::string_view message;
    // Put into an empty field before it is checked; none: empty fails.
    std::optional<std::string_view> fillWhenEmpty = std::nullopt;
    // A text that cannot be converted is a fault of the whole action rather
    // than a failed check of the field.
    bool conversionIsFault = false;
    // An empty field, too, is such a fault.
    bool emptyIsFault = false;
};

enum class CheckStatus { Passed, Failed, Fault };

struct CheckResult {
    CheckStatus status;
    double value = 0;  // the stored value when passed
    std::string text;  // the field's text after filling
};

CheckResult checkField(const FieldRule& rule, std::string_view text);

// The fitting counts, alike on both workflow forms.
namespace rules {
extern const FieldRule bendCount, teeCount, connectionCount, reducerCount;
}  // namespace rules

}  // namespace forms
