#include "hydraulics/PipeTables.h"

#include <array>

namespace hyd {
namespace {

// Steel: the main form takes 65 and 95 where the selection reports 64 and
// 94; the correction takes 63 and 64 for that row and gives 39.25 mm for DN 40.
constexpr std::array<PipeSize, 20> kSteelTable{{
    {10, 12.25, 10, {10, 0}, 12.25},    {15, 15.75, 15, {15, 0}, 15.75},
    {20, 21.25, 20, {20, 0}, 21.25},    {25, 27.0, 25, {25, 0}, 27.0},
    {32, 35.75, 32, {32, 0}, 35.75},    {40, 39.5, 40, {40, 0}, 39.25},
    {46, 46.0, 46, {46, 0}, 46.0},      {50, 51.9, 50, {50, 0}, 51.9},
    {57, 57.0, 57, {57, 0}, 57.0},      {64, 64.0, 65, {63, 64}, 64.0},
    {70, 70.0, 70, {70, 0}, 70.0},      {76, 76.0, 76, {76, 0}, 76.0},
    {80, 82.5, 80, {80, 0}, 82.5},      {88, 88.0, 88, {88, 0}, 88.0},
    {94, 94.0, 95, {94, 0}, 94.0},      {100, 100.5, 100, {100, 0}, 100.5},
    {113, 113.0, 113, {113, 0}, 113.0}, {125, 125.0, 125, {125, 0}, 125.0},
    {137, 137.0, 137, {137, 0}, 137.0}, {150, 150.0, 150, {150, 0}, 150.0},
}};

constexpr PipeSize same(std::int16_t dn, double d) { return {dn, d, dn, {dn, 0}, d}; }

constexpr std::array<PipeSize, 16> kCopperTable{{
    same(8, 6.0),
    same(10, 8.0),
    same(12, 10.0),
    same(15, 13.0),
    same(16, 14.4),
    same(18, 16.0),
    same(22, 20.0),
    same(28, 25.0),
    same(35, 32.0),
    same(42, 39.0),
    same(54, 50.0),
    same(63, 58.0),
    same(76, 72.0),
    same(80, 76.0),
    same(88, 84.9),
    same(100, 93.0),
}};

constexpr std::array<PipeSize, 11> kSoftSteelTable{{
    same(10, 7.6),
    same(12, 9.6),
    same(15, 12.6),
    same(16, 13.6),
    same(18, 15.6),
    same(22, 19.6),
    same(25, 22.0),
    same(28, 25.0),
    same(30, 27.0),
    same(32, 29.0),
    same(35, 32.0),
}};

constexpr float kSmallestRequiredDiameter = 4.0f;

}  // namespace

std::span<const PipeSize> pipeTable(int materialCode) {
    switch (materialCode) {
        case kSteel:
            return kSteelTable;
        case kCopper:
            return kCopperTable;
        case kSoftSteel:
            return kSoftSteelTable;
        default:
            return {};
    }
}

std::optional<calc::FrictionLaw> frictionLaw(int materialCode) {
    switch (materialCode) {
        case kSteel:
            return calc::FrictionLaw{4356.8, 1.82562, -4.89186};
        case kCopper:
            return calc::FrictionLaw{3623.16, 1.70651, -4.64237};
        case kSoftSteel:
            return calc::FrictionLaw{3896.12, 1.76161, -4.77308};
        default:
            return std::nullopt;
    }
}

std::optional<double> entryDiameter(int materialCode, double enteredDn) {
    for (const PipeSize& row : pipeTable(materialCode))
        if (enteredDn == static_cast<double>(row.entryDn)) return row.innerDiameter;
    return std::nullopt;
}

const PipeSize* sizeForDiameter(int materialCode, float requiredDiameter) {
    float lower = kSmallestRequiredDiameter;
    bool firstRow = true;
    for (const PipeSize& row : pipeTable(materialCode)) {
        float upper = static_cast<float>(row.innerDiameter);
        bool above = firstRow ? requiredDiameter >= lower : requiredDiameter > lower;
        if (above && requiredDiameter <= upper) return &row;
        lower = upper;
        firstRow = false;
    }
    return nullptr;
}

NearestSize nearestSizeForDiameter(int materialCode, float requiredDiameter) {
    std::span<const PipeSize> table = pipeTable(materialCode);
    if (table.empty()) return {nullptr, false};
    if (const PipeSize* size = sizeForDiameter(materialCode, requiredDiameter))
        return {size, false};
    const bool beyond = requiredDiameter > static_cast<float>(table.back().innerDiameter);
    return {beyond ? &table.back() : &table.front(), beyond};
}

std::optional<double> correctionDiameter(int materialCode, std::int16_t correctedDn) {
    for (const PipeSize& row : pipeTable(materialCode))
        for (std::int16_t dn : row.correctionDns)
            if (dn != 0 && dn == correctedDn) return row.correctionDiameter;
    return std::nullopt;
}

std::string entryDnList(int materialCode) {
    std::string list;
    for (const PipeSize& row : pipeTable(materialCode)) {
        if (!list.empty()) list += ", ";
        list += std::to_string(row.entryDn);
    }
    return list;
}

std::string correctionDnList(int materialCode) {
    std::string list;
    for (const PipeSize& row : pipeTable(materialCode))
        for (std::int16_t dn : row.correctionDns) {
            if (dn == 0) continue;
            if (!list.empty()) list += ", ";
            list += std::to_string(dn);
        }
    return list;
}

}  // namespace hyd
