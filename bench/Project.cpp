#include "bench/Project.h"

#include <array>

#include "hydraulics/BranchFormulas.h"
#include "hydraulics/Operations.h"
#include "hydraulics/PipeTables.h"
#include "hydraulics/SectionFormulas.h"

namespace bench {
namespace {

constexpr double kLoad = 1000;     // W per consumer
constexpr double kLength = 10;     // m per section
constexpr double kVelocity = 0.6;  // m/s
constexpr double kKv = 4.4;
constexpr std::int16_t kBends = 2;

double sectionLoad(int s) { return kLoad * s; }

std::int16_t entryDnFor(float diameter) {
    return hyd::nearestSizeForDiameter(hyd::kSteel, diameter).size->entryDn;
}

void criticalCircuit(calc::CalcState& state) {
    state.riserIndex = state.lastRiserIndex = state.riserCount = 1;
    state.materialCode = hyd::kSteel;
    state.supplyTemperatureInput = 90;
    state.returnTemperatureInput = 70;
    state.riser.riserNumber.at(1) = 1;
    state.riser.consumerNumber.at(1) = 1;
    state.valveName = "Heimeier      ";
    for (int s = 1; s <= kSections; ++s) {
        state.sectionIndex = static_cast<std::int16_t>(s);
        state.consumerLoad = kLoad;
        hyd::AddConsumerLoad(state);
        state.supplyTemperature = 90;
        state.returnTemperature = 70;
        state.sectionNo = static_cast<std::int16_t>(s);
        state.sectionLength = kLength;
        state.designVelocity = kVelocity;
        state.section.sectionNumber.at(1, s) = state.sectionNo;
        state.section.sectionLength.at(1, s) = kLength;
        hyd::ComputeFlowAndDiameter(state);
        state.enteredDn = entryDnFor(state.requiredDiameter);
        state.sectionDnInput = static_cast<std::int16_t>(state.enteredDn);
        state.section.criticalDn.at(1, s) = state.sectionDnInput;
        state.kvValue = state.currentKv = kKv;
        state.bendCount = kBends;
        hyd::SelectMaterial(state);
        hyd::ValveZetaFromKv(state);
        hyd::SumSectionZeta(state);
        hyd::ComputeSectionLoss(state);
        state.riser.sectionsPerRiser.at(1) = static_cast<std::int16_t>(s);
    }
}

void furtherCircuit(calc::CalcState& state, int r) {
    state.riserIndex = state.lastRiserIndex = static_cast<std::int16_t>(r);
    state.riserCount = static_cast<std::int16_t>(r);
    state.sectionIndex = 1;
    state.loadSum = 0;
    state.branchLossTotal = 0;
    state.riser.riserNumber.at(r) = static_cast<std::int16_t>(r);
    state.riser.consumerNumber.at(r) = static_cast<std::int16_t>(r);
    for (int shared = 1; shared <= 2; ++shared) {
        state.addedLength = state.section.sectionLength.at(1, shared);
        state.addedPressure = state.section.pressureDrop.at(1, shared);
        hyd::AddCommonPart(state);
    }
    hyd::ComputeResidualGradient(state);
    for (int s = 1; s <= kSections; ++s) {
        state.sectionIndex = static_cast<std::int16_t>(s);
        state.consumerLoad = kLoad / 2;
        hyd::AddConsumerLoad(state);
        state.sectionLength = kLength;
        state.section.sectionNumber.at(r, s) = static_cast<std::int16_t>(100 * r + s);
        state.kvValue = state.currentKv = kKv;
        state.bendCount = kBends;
        hyd::PrepareBranchSection(state);
        hyd::SelectNearestDn(state);
        hyd::SolveBranchDiameter(state, true);
        hyd::SelectNearestDn(state);
        hyd::EvaluateSelectedDn(state, true);
        hyd::RateSectionFit(state);
        state.correctedDn = static_cast<std::int16_t>(
            state.section.sectionDn.at(r, s) == 10 ? 15 : state.section.sectionDn.at(r, s));
        state.section.correctedDn.at(r, s) = state.correctedDn;
        hyd::LookupCorrectionDn(state);
        hyd::ValveZetaFromKv(state);
        hyd::SumSectionZeta(state);
        hyd::RecomputeCorrectedSection(state);
        state.riser.sectionsPerRiser.at(r) = static_cast<std::int16_t>(s);
    }
}

}  // namespace

calc::CalcState computeProject() {
    calc::CalcState state;
    criticalCircuit(state);
    for (int r = 2; r <= calc::kMaxRisers; ++r) furtherCircuit(state, r);
    return state;
}

double computeBare() {
    const calc::FrictionLaw law = *hyd::frictionLaw(hyd::kSteel);
    const hyd::FittingCounts counts{0, kBends, 0, 0, 0};
    std::array<double, kSections + 1> drop{};
    std::array<double, kSections + 1> length{};
    double total = 0, circulation = 0, totalLength = 0;
    for (int s = 1; s <= kSections; ++s) {
        const double raw = hyd::massFlowKgPerHour(sectionLoad(s), 20);
        const float required =
            static_cast<float>(hyd::roundTo(hyd::requiredDiameterMm(raw, kVelocity), 1));
        const double m = hyd::roundTo(raw, 1);
        const double d = *hyd::entryDiameter(hyd::kSteel, entryDnFor(required));
        const double zeta = hyd::sectionZetaSum(counts, hyd::valveZetaFromKv(d, kKv));
        const double loss = hyd::paToStoredMbar(hyd::frictionLossPa(law, kLength, m, d) +
                                                hyd::zetaLossPa(zeta, m, d));
        drop[static_cast<std::size_t>(s)] = hyd::roundTo(loss, 1);
        length[static_cast<std::size_t>(s)] = kLength;
        circulation += drop[static_cast<std::size_t>(s)];
        totalLength += kLength;
        total += hyd::velocityMs(m, d);
    }
    for (int r = 2; r <= calc::kMaxRisers; ++r) {
        const hyd::ResidualGradient g = hyd::residualGradient(
            circulation, totalLength, drop[1] + drop[2], length[1] + length[2]);
        double load = 0, branchTotal = 0, corrected = 0;
        for (int s = 1; s <= kSections; ++s) {
            load += kLoad / 2;
            const double raw = hyd::massFlowKgPerHour(load, 20);
            const double m = hyd::roundTo(raw, 1);
            const double allotted = g.gradient * kLength;
            const float first = hyd::initialDiameterMm(raw);
            const double d0 = hyd::nearestSizeForDiameter(hyd::kSteel, first).size->innerDiameter;
            const double fittings = hyd::sectionZetaSum(counts, 0);
            const hyd::BranchSection section{law,
                                             kLength,
                                             m,
                                             fittings,
                                             hyd::valveLossPa(hyd::valveZetaFromKv(d0, kKv), m, d0),
                                             100 * allotted};
            const hyd::BranchDiameter solved = hyd::solveBranchDiameter(section, first);
            const float dire =
                static_cast<float>(hyd::roundTo(static_cast<float>(solved.diameter), 1));
            const hyd::PipeSize* size = hyd::nearestSizeForDiameter(hyd::kSteel, dire).size;
            const double d = size->innerDiameter;
            const double zeta = hyd::sectionZetaSum(counts, hyd::valveZetaFromKv(d, kKv));
            const double loss = hyd::roundTo(
                hyd::frictionLossPa(law, kLength, m, d) + hyd::zetaLossPa(zeta, m, d), 2);
            const double branch = hyd::roundTo(loss / 100, 1);
            branchTotal += branch;
            total += hyd::fitFlag(allotted, branch, circulation, 0) + hyd::branchVelocityMs(m, d);
            const std::int16_t correctedDn = size->selectionDn == 10 ? 15 : size->selectionDn;
            const double dc = *hyd::correctionDiameter(hyd::kSteel, correctedDn);
            const double zc = hyd::sectionZetaSum(counts, hyd::valveZetaFromKv(dc, kKv));
            const double closs = hyd::roundTo(
                hyd::frictionLossPa(law, kLength, m, dc) + hyd::zetaLossPa(zc, m, dc), 2);
            corrected = hyd::roundTo(corrected + hyd::roundTo(closs / 100, 1), 1);
        }
        total += branchTotal + corrected;
    }
    return total;
}

}  // namespace bench
