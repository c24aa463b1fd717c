#include "circuit/InputRules.h"

#include "toolkit/NumberText.h"

namespace circuit {
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

namespace rules {

using R = Reading;
using S = Stored;

constexpr std::string_view k1to20 = "Bitte Zahlen zwischen 1 und 20 eingeben.";
constexpr std::string_view k1to9999 = "Bitte Zahlen zwischen 1 und 9999 eingeben.";
constexpr std::string_view k40to120 = "Bitte Zahlen zwischen 40 und 120 eingeben.";
constexpr std::string_view k1to50 = "Bitte Zahlen zwischen 1 und 50 eingeben.";

// Lengths and loads below 0 are refused too: they would give negative losses
// or the square root of a negative flow.
const FieldRule riserNumber{"txtStrNr", R::LeadingNumber, 0, false, 21, S::WholeNumber, k1to20};
const FieldRule circuitConsumerNumber{"txtHFlNr", R::LeadingNumber, 0,       false,
                                      10000,      S::WholeNumber,   k1to9999};
const FieldRule supplyTemperature{"txtVorlauf", R::LeadingNumber, 40,           false, 121,
                                  S::Locale,    k40to120,         std::nullopt, true};
const FieldRule returnTemperature{"txtRuecklauf", R::LeadingNumber, 40,           false, 121,
                                  S::Locale,      k40to120,         std::nullopt, true};
const FieldRule consumerNumber{"txtHzKprNr", R::Locale, 0.9, false, 9999,
                               S::Checked,   k1to9999,  "1", true};
const FieldRule consumerLoad{"txtHkLstgW",
                             R::Locale,
                             0,
                             true,
                             50001,
                             S::Checked,
                             " Bitte Zahlen zwischen 1 und 50000 eingeben.",
                             "0",
                             true};

const FieldRule sectionNumber{"txtTeilstr",
                              R::LeadingNumber,
                              0.9,
                              false,
                              71,
                              S::RoundedEven,
                              "Bitte Zahlen zwischen 1 und 70 eingeben."};
const FieldRule sectionLength{"txtTeilstrckmtr",
                              R::Locale,
                              0,
                              true,
                              101,
                              S::Checked,
                              "Bitte Zahlen zwischen 0,1 und 100 eingeben."};
const FieldRule designVelocity{"txtGeschw",
                               R::Locale,
                               0.05,
                               false,
                               3.1,
                               S::Checked,
                               "Bitte Zahlen zwischen 0,1 und 3 eingeben."};

const FieldRule pipeDn{"txtRohrDN",
                       R::LeadingNumber,
                       5,
                       false,
                       151,
                       S::WholeNumber,
                       "Bitte Nennweiten zwischen 6 und 150 eingeben."};
const FieldRule kv{
    "txtKVWert", R::Locale, 0, true, 601, S::Checked, "Bitte Werte zwischen 0,1 und 600 eingeben.",
    "0"};
const FieldRule consumerCount{"txtVrbrchr", R::WholeNumber,          0,  true, 2,
                              S::Checked,   "Bitte nur 1 eingeben.", "0"};
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
}  // namespace circuit
