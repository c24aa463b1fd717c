#pragma once
// The fixed-width listing of the critical circuit: a header block per riser,
// one line per section in two halves, and a footer with the riser's loss.
#include <string>
#include <string_view>

#include "state/CalcState.h"

namespace listing {

inline constexpr std::string_view crlf = "\r\n";

// The fixed texts of the critical-circuit listing.
namespace heading {
inline constexpr std::string_view title = "            Berechnung der Rohrweiten im 2-Rohrsystem";
inline constexpr std::string_view headerLine1 =
    "  Lf|TS | Leistg |Länge |Geschw|Wasser-|Rohr |Rohr |Geschw|Zetha |Druck |";
inline constexpr std::string_view headerLine2 =
    "  Nr|Nr |    Q   | TS   |  W   | menge |Di re| DN  |  W   | Wert |  P   |";
inline constexpr std::string_view headerLine3 =
    "    |   |   kW   |  m   | m/s  |  l/h  | mm  | mm  |  m/s |      |  mb  |";
inline constexpr std::string_view headerLine4 =
    " ---|---|--------|------|------|-------|-----|-----|------|------|------|";
inline constexpr std::string_view lossLabel =
    "                                                   Druckverlust:  ";
std::string ruleLine();  // 75 underscores
std::string sumRule();   // 66 blanks and "-------"
}  // namespace heading

// The header block of the current riser; the temperatures as typed.
std::string headerBlock(const calc::CalcState& state, std::string_view supplyText,
                        std::string_view returnText);
// First half of the current section's line: number, load, length, velocity,
// water quantity and required diameter.
std::string lineFirstHalf(const calc::CalcState& state);
// Second half: DN, velocity, zeta sum and loss, ending the line.
std::string lineSecondHalf(const calc::CalcState& state);
// The sum rule and the riser's loss; no line break follows.
std::string footer(const calc::CalcState& state);

}  // namespace listing
