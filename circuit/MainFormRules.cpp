#include "circuit/MainFormRules.h"

namespace circuit::rules {

using forms::Reading;
using forms::Stored;

using R = Reading;
using S = Stored;

constexpr std::string_view k1to20 = "Bitte Zahlen zwischen 1 und 20 eingeben.";
constexpr std::string_view k1to9999 = "Bitte Zahlen zwischen 1 und 9999 eingeben.";
constexpr std::string_view k40to120 = "Bitte Zahlen zwischen 40 und 120 eingeben.";

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
}  // namespace circuit::rules
