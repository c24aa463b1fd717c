#include "remaining/RemainingRules.h"

namespace remaining::rules {

using R = forms::Reading;
using S = forms::Stored;

constexpr std::string_view k1to9999 = "Bitte Zahlen zwischen 1 und 9999 eingeben.";
constexpr std::string_view k1to70 = "Bitte Zahlen zwischen 1 und 70 eingeben.";

// The bounds are those of the form, open or closed as written; they differ
// from what the messages say.
const FieldRule riserNumber{"txtStrNr",
                            R::LeadingNumber,
                            0,
                            false,
                            21,
                            S::RoundedEven,
                            "Bitte Zahlen zwischen 1 und 20 eingeben."};
const FieldRule circuitConsumerNumber{"txtHFlNr", R::LeadingNumber, 0,       false,
                                      10000,      S::RoundedEven,   k1to9999};
const FieldRule commonSectionNumber{"txtTlStrckNr", R::LeadingNumber, 0,  false, 71,
                                    S::RoundedEven, k1to70,           "0"};
const FieldRule commonLength{"txtTlStLng",
                             R::LeadingNumber,
                             -0.09,
                             false,
                             100,
                             S::Locale,
                             "Bitte Zahlen zwischen 0,1 und 99 eingeben.",
                             "0"};
const FieldRule commonPressure{"txtPverbrcht",
                               R::LeadingNumber,
                               -0.001,
                               false,
                               10000,
                               S::Locale,
                               "Bitte Zahlen zwischen 0,1 und 9999 eingeben.",
                               "0"};

// The consumer step reports an empty or unconvertible consumer number as a
// fault.
const FieldRule consumerNumber{.field = "txtHzKprNr",
                               .reading = R::Locale,
                               .lower = 0.9,
                               .lowerIncluded = false,
                               .upper = 10000,
                               .stored = S::WholeNumber,
                               .message = k1to9999,
                               .conversionIsFault = true,
                               .emptyIsFault = true};
// The load fails with its own message, also when it is empty or no number.
const FieldRule consumerLoad{"txtHkLstgW",
                             R::LeadingNumber,
                             0.9,
                             false,
                             50001,
                             S::Locale,
                             " Bitte Zahlen zwischen 1 und 50000 eingeben."};

const FieldRule sectionNumber{"txtTeistr", R::LeadingNumber, 0, false, 71, S::RoundedEven, k1to70};
// Read with the decimal comma, as the main form reads it, so that
// connections under a metre ("0,5") can be entered.
const FieldRule sectionLength{"txtTeilstrckmtr",
                              R::Locale,
                              0.09,
                              false,
                              101,
                              S::Locale,
                              "Bitte Zahlen zwischen 0,1 und 100 eingeben."};
const FieldRule kv{
    "txtKVWert", R::Locale, 0, true, 601, S::Checked, "Bitte Werte zwischen 0,1 und 600 eingeben.",
    "0"};
const FieldRule consumerCount{
    "txtVrbrchr", R::WholeNumber, 0, true, 2, S::Checked, "Bitte nur Zahl 1 eingeben.", "0"};

const FieldRule correctionDn{"txtKorrDm",
                             R::WholeNumber,
                             0,
                             true,
                             151,
                             S::Checked,
                             "Bitte Nennweiten zwischen 10 und 150 eingeben."};

}  // namespace remaining::rules
