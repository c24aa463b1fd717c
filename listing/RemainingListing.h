#pragma once
// The fixed-width listing of the further circuits: a header block per
// riser, one line per section in two parts (the sizing, then the
// correction), and a footer with the riser's loss sums.
#include <string>
#include <string_view>

#include "state/CalcState.h"

namespace listing::remaining {

inline constexpr std::string_view title = "Druckverlust der restlichen Teilstrecken";
inline constexpr std::string_view headerLine1 =
    "  Lf|TS |Leistg |Länge |Zetha| Wasser |Rohr|Rohr|Geschw|Druck |Fakt|Rohr|Zetha|Druck |";
inline constexpr std::string_view headerLine2 =
    "  Nr|Nr |   Q   | TS   |Wert |  menge |Dire| DN |  W   | verl | f  | DN |wert |korrek|";
inline constexpr std::string_view headerLine3 =
    "    |   |   W   |  m   |     |  kg/h  | mm | mm |  m/s |  mb  |    | mm |     |  mb  |";
inline constexpr std::string_view headerLine4 =
    " ---|---|-------|------|-----|--------|----|----|------|------|----|----|-----|------|";
inline constexpr std::string_view lossLabel =
    "                                           Druckverlust: ";

// The header block of the current riser, with the pressure available to
// its circuit.
std::string headerBlock(const calc::CalcState& state);
// The sizing part of the current section's line: eleven columns, no break.
std::string lineSizing(const calc::CalcState& state);
// The correction part: corrected DN, zeta value and loss, ending the line.
std::string lineCorrection(const calc::CalcState& state);
// The rule and the riser's sums of branch and corrected losses.
std::string footer(const calc::CalcState& state);

}  // namespace listing::remaining
