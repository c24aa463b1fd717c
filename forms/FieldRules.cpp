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
    if (tk::isBlank(text)) {
        if (!rule.fillWhenEmpty) return result;
        result.text = std::string(*rule.fillWhenEmpty);
    }
    auto checked = read(rule.reading, result.text);
    if (!checked) {
        result.status = rule.conversionIsFault ? CheckStatus::Fault : CheckStatus::Failed;
        return result;
    }
    if (!inBounds(rule, *checked)) return result;
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
            if (!stored) {
                result.status = rule.conversionIsFault ? CheckStatus::Fault : CheckStatus::Failed;
                return result;
            }
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

}  // namespace forms
