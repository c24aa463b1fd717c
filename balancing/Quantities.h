#pragma once
// The quantities of a calculated network for ordering and filling: pipe
// length and water content by material and size, the fittings, and the
// valves that counted. Taken from the circuits in the balance (the critical
// one and every finished further one), each of their own sections with a
// result once.
#include <cstdint>
#include <string>
#include <vector>

#include "project/Document.h"
#include "steps/Calculate.h"

namespace balancing {

struct PipeQuantity {
    std::int16_t material = 0;
    std::int16_t dn = 0;
    double length = 0;  // m, 2 decimals
    double water = 0;   // l, 1 decimal
    bool operator==(const PipeQuantity&) const = default;
};

struct ValveGroup {
    std::string text;  // the shown valve text, blanks trimmed
    double kv = 0;     // 3 decimals
    int count = 0;
    bool operator==(const ValveGroup&) const = default;
};

struct Quantities {
    std::vector<PipeQuantity> pipes;  // by material, then DN rising
    int bends = 0;
    int tees = 0;
    int connections = 0;
    int reducers = 0;
    std::vector<ValveGroup> valves;  // in the order of first use
    double totalLength = 0;          // m, 2 decimals, of the unrounded lengths
    double totalWater = 0;           // l, 1 decimal, of the unrounded contents
};

Quantities quantities(const project::Document& document, const steps::Results& results);

}  // namespace balancing
