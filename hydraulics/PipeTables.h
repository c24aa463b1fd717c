#pragma once
// The three pipe materials: their friction laws and their tables of nominal
// sizes with inner diameters, and the three lookups on those tables.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "state/CalcState.h"

namespace hyd {

constexpr int kSteel = 1;
constexpr int kCopper = 2;
constexpr int kSoftSteel = 3;

struct PipeSize {
    std::int16_t selectionDn;                   // the size the selection reports
    double innerDiameter;                       // mm
    std::int16_t entryDn;                       // the size typed on the main form
    std::array<std::int16_t, 2> correctionDns;  // accepted by the correction; 0 = unused
    double correctionDiameter;                  // mm, what the correction returns
};

// The rows of the material's table, smallest first; empty for a code other
// than 1 to 3.
std::span<const PipeSize> pipeTable(int materialCode);

// The friction law of the material; empty for a code other than 1 to 3.
std::optional<calc::FrictionLaw> frictionLaw(int materialCode);

// Inner diameter of the row whose entry DN equals `enteredDn` exactly.
std::optional<double> entryDiameter(int materialCode, double enteredDn);

// The smallest row whose inner diameter is not below `requiredDiameter`
// (row 1 from 4.0 mm on), compared in single precision.
const PipeSize* sizeForDiameter(int materialCode, float requiredDiameter);

// The selection held to the table: a diameter below the smallest row takes
// the smallest size, one above the largest inner diameter the largest size
// (`beyondLargest` says so). Null only for an unknown material.
struct NearestSize {
    const PipeSize* size;
    bool beyondLargest;
};
NearestSize nearestSizeForDiameter(int materialCode, float requiredDiameter);

// Inner diameter that the correction lookup gives for `correctedDn`.
std::optional<double> correctionDiameter(int materialCode, std::int16_t correctedDn);

// The entry DNs of the material, comma-separated ("10, 15, 20, ...").
std::string entryDnList(int materialCode);
// The DNs the correction accepts, in table order, comma-separated.
std::string correctionDnList(int materialCode);

}  // namespace hyd
