#include "forms/FieldRules.h"

#include "toolkit/NumberText.h"

namespace forms {
namespace {

std::optional<double> read(Reading reading, std::string_view text) {
    switch (reading) {
        case Reading::LeadingNumber:
            return tk::leadingNumberValue(text);
        case Reading::Locale:
            return tk::localeValue(text);
        case Reading::WholeNumber: {
            auto whole = tk::wholeNumber(text);
            if (!whole) return std::nullopt;
            return static_cast<double>(*whole);
        }
    }
    return std::nullopt;
}

bool inBounds(const FieldRule& rule, double value) {
    bool aboveLower = rule.lowerIncluded ? value >= rule.lower : value > rule.lower;
    return aboveLower && value < rule.upper;
}

}  // namespace

CheckResult checkField(const FieldRule& rule, std::string_view text) {
    CheckResult result{CheckStatus::Failed, 0, std::string(text)};
    const CheckStatus unconvertible =
        rule.conversionIsFault ? CheckStatus::Fault : CheckStatus::Failed;
    if (tk::isBlank(text)) {
        if (!rule.fillWhenEmpty) {
            if (rule.emptyIsFault) result.status = CheckStatus::Fault;
            return result;
        }
        result.text = std::string(*rule.fillWhenEmpty);
    }
    auto checked = read(rule.reading, result.text);
    if (!checked) {
        result.status = unconvertible;
        return result;
    }
    if (!inBounds(rule, *checked)) return result;
    // Whatever the reading, the whole text must be a number with the decimal
    // comma: "7.6", "7a" or "1e1" pass no field on their leading number.
    if (!tk::localeValue(result.text)) {
        result.status = unconvertible;
        return result;
    }
    std::optional<double> stored;
    switch (rule.stored) {
        case Stored::Checked:
            stored = checked;
            break;
        case Stored::RoundedEven:
            stored = tk::roundHalfEven(*checked);
            break;
        case Stored::Locale:
            stored = tk::localeValue(result.text);
            break;
        case Stored::WholeNumber:
            stored = read(Reading::WholeNumber, result.text);
            break;
    }
    if (!stored) return result;
    result.status = CheckStatus::Passed;
    result.value = *stored;
    return result;
}

namespace rules {

using R = Reading;
using S = Stored;

constexpr std::string_view k1to50 = "Bitte Zahlen zwischen 1 und 50 eingeben.";

const FieldRule bendCount{"txtBoganzahl", R::LeadingNumber, 0,  true, 51,
                          S::WholeNumber, k1to50,           "0"};
const FieldRule teeCount{"txtTAnzahl",
                         R::LeadingNumber,
                         0,
                         true,
                         51,
                         S::WholeNumber,
                         "Bitte Nennweiten zwischen 1 und 50 eingeben.",
                         "0"};
const FieldRule connectionCount{"txtAnbindAnz", R::LeadingNumber, 0,  true, 51,
                                S::WholeNumber, k1to50,           "0"};
const FieldRule reducerCount{"txtReduAnz", R::LeadingNumber, 0,      true,
                             51,           S::WholeNumber,   k1to50, "0"};

}  // namespace rules
}  // namespace forms
