#include "hydraulics/Operations.h"

#include "hydraulics/PipeTables.h"
#include "hydraulics/SectionFormulas.h"

namespace hyd {

bool LookupEntryDn(calc::CalcState& state, int materialCode) {
    auto law = frictionLaw(materialCode);
    if (!law) return false;
    state.friction = *law;
    auto diameter = entryDiameter(materialCode, state.enteredDn);
    if (!diameter) return false;
    state.innerDiameter = *diameter;
    return true;
}

bool SelectMaterial(calc::CalcState& state) {
    if (!frictionLaw(state.materialCode)) return false;
    bool found = LookupEntryDn(state, state.materialCode);
    state.pipeMaterial = state.materialCode;
    return found;
}

bool SelectDnByDiameter(calc::CalcState& state) {
    int r = state.riserIndex;
    int s = state.sectionIndex;
    state.section.sectionDn.at(r, s) = 0;
    state.sectionWork.sectionInnerDiameter.at(r, s) = 0.0;
    state.innerDiameter = 0.0;
    auto law = frictionLaw(state.pipeMaterial);
    if (!law) return false;
    state.friction = *law;
    const PipeSize* size = sizeForDiameter(state.pipeMaterial, state.requiredDiameter);
    if (!size) return false;
    state.innerDiameter = size->innerDiameter;
    state.section.sectionDn.at(r, s) = size->selectionDn;
    state.sectionWork.sectionInnerDiameter.at(r, s) = size->innerDiameter;
    return true;
}

bool LookupCorrectionDn(calc::CalcState& state) {
    state.innerDiameter = 0.0;
    auto diameter = correctionDiameter(state.pipeMaterial, state.correctedDn);
    if (!diameter) return false;
    state.innerDiameter = *diameter;
    return true;
}

void AddConsumerLoad(calc::CalcState& state) {
    state.loadSum += state.consumerLoad;
    state.supplyTemperature = state.supplyTemperatureInput;
    state.returnTemperature = state.returnTemperatureInput;
    state.sectionLoad = state.loadSum;
    state.section.sectionLoad.at(state.riserIndex, state.sectionIndex) = state.loadSum;
}

bool ComputeFlowAndDiameter(calc::CalcState& state) {
    double spread = state.supplyTemperature - state.returnTemperature;
    if (!(spread > 0) || !(state.designVelocity > 0)) return false;
    int r = state.riserIndex;
    int s = state.sectionIndex;
    state.temperatureSpread = spread;
    double m = massFlowKgPerHour(state.sectionLoad, spread);
    float diameter = requiredDiameterMm(m, state.designVelocity);
    state.massFlow = roundTo(m, 1);
    state.requiredDiameter = static_cast<float>(roundTo(diameter, 1));
    state.section.designVelocity.at(r, s) = state.designVelocity;
    state.section.massFlow.at(r, s) = state.massFlow;
    state.section.listedMassFlow.at(r, s) = state.massFlow;
    state.section.sectionLoad.at(r, s) = state.sectionLoad;
    state.section.requiredDiameter.at(r, s) = state.requiredDiameter;
    return true;
}

bool ValveZetaFromKv(calc::CalcState& state) {
    state.valveZeta = 0;
    if (!(state.currentKv > 0) || !(state.innerDiameter > 0)) return false;
    state.valveZeta = valveZetaFromKv(state.innerDiameter, state.currentKv);
    return true;
}

void SumSectionZeta(calc::CalcState& state) {
    FittingCounts counts{state.consumerFlag, state.bendCount, state.teeCount, state.connectionCount,
                         state.reducerCount};
    state.sectionZeta = sectionZetaSum(counts, state.valveZeta);
    state.valveZeta = 0;
    int r = state.riserIndex;
    int s = state.sectionIndex;
    state.section.zetaSum.at(r, s) = state.sectionZeta;
    state.section.zetaSumCopy1.at(r, s) = state.sectionZeta;
    state.section.zetaSumCopy2.at(r, s) = state.sectionZeta;
}

bool ComputeSectionLoss(calc::CalcState& state) {
    double d = state.innerDiameter;
    if (!(d > 0)) return false;
    int r = state.riserIndex;
    int s = state.sectionIndex;
    double length = state.sectionLength;
    double m = state.massFlow;
    state.velocity = velocityMs(m, d);
    double zetaPart = zetaLossPa(state.section.zetaSum.at(r, s), m, d);
    double frictionPart = frictionLossPa(state.friction, length, m, d);
    state.sectionLoss = paToStoredMbar(frictionPart + zetaPart);
    state.section.velocity.at(r, s) = state.velocity;
    state.section.pressureDrop.at(r, s) = roundTo(state.sectionLoss, 1);
    state.section.sectionLength.at(r, s) = length;
    state.section.massFlow.at(r, s) = m;
    state.totalLength = roundTo(state.totalLength + length, kLengthDecimals);
    double& riserTotal = state.riser.riserPressureDrop.at(r);
    riserTotal = roundTo(riserTotal + state.section.pressureDrop.at(r, s), kPressureDecimals);
    state.circulationPressure = riserTotal;
    return true;
}

void AddCommonPart(calc::CalcState& state) {
    const int r = state.riserIndex;
    double& pressure = state.riserWork.commonPressure.at(r);
    double& length = state.riserWork.commonLength.at(r);
    pressure = roundTo(pressure + state.addedPressure, kPressureDecimals);
    length = roundTo(length + state.addedLength, kLengthDecimals);
}

GradientOutcome ComputeResidualGradient(calc::CalcState& state) {
    const int r = state.riserIndex;
    ResidualGradient result =
        residualGradient(state.circulationPressure, state.totalLength,
                         state.riserWork.commonPressure.at(r), state.riserWork.commonLength.at(r));
    if (!(result.remainingLength > 0)) return GradientOutcome::NoLengthLeft;
    if (!(result.availablePressure > 0)) return GradientOutcome::NoPressureLeft;
    state.remainingLength = result.remainingLength;
    state.riser.riserPressureDrop.at(r) = result.availablePressure;
    state.residualGradient = result.gradient;
    return GradientOutcome::Computed;
}

bool PrepareBranchSection(calc::CalcState& state) {
    if (!(state.temperatureSpread > 0)) return false;
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    const double m = massFlowKgPerHour(state.sectionLoad, state.temperatureSpread);
    state.allottedDrop = state.residualGradient * state.sectionLength;
    state.initialDiameter = initialDiameterMm(m);
    state.massFlow = roundTo(m, 1);
    state.requiredDiameter = state.initialDiameter;
    state.section.massFlow.at(r, s) = state.massFlow;
    state.section.listedMassFlow.at(r, s) = state.massFlow;
    state.section.sectionLength.at(r, s) = state.sectionLength;
    state.sectionWork.allottedDrop.at(r, s) = state.allottedDrop;
    return true;
}

bool SelectNearestDn(calc::CalcState& state) {
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    NearestSize nearest = nearestSizeForDiameter(state.pipeMaterial, state.requiredDiameter);
    if (!nearest.size) return false;
    state.friction = *frictionLaw(state.pipeMaterial);
    state.innerDiameter = nearest.size->innerDiameter;
    state.section.sectionDn.at(r, s) = nearest.size->selectionDn;
    state.sectionWork.sectionInnerDiameter.at(r, s) = nearest.size->innerDiameter;
    return nearest.beyondLargest;
}

namespace {

FittingCounts fittingCounts(const calc::CalcState& state) {
    return {state.consumerFlag, state.bendCount, state.teeCount, state.connectionCount,
            state.reducerCount};
}

}  // namespace

void SumZetaWithValve(calc::CalcState& state, bool withValve) {
    state.valveZeta = 0;
    if (withValve) ValveZetaFromKv(state);
    SumSectionZeta(state);
}

SolveOutcome SolveBranchDiameter(calc::CalcState& state, bool withValve) {
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    const double d0 = state.innerDiameter;
    state.valveZeta = 0;
    if (withValve) ValveZetaFromKv(state);
    BranchSection section{state.friction,
                          state.sectionLength,
                          state.massFlow,
                          sectionZetaSum(fittingCounts(state), 0),
                          d0 > 0 ? valveLossPa(state.valveZeta, state.massFlow, d0) : 0,
                          100 * state.allottedDrop};
    SumSectionZeta(state);
    BranchDiameter solved = solveBranchDiameter(section, state.initialDiameter);
    state.frictionLoss =
        frictionLossPa(section.law, section.length, section.massFlow, solved.diameter);
    state.zetaLoss =
        zetaLossPa(section.fittingsZeta, section.massFlow, solved.diameter) + section.valveLoss;
    state.requiredDiameter = static_cast<float>(roundTo(static_cast<float>(solved.diameter), 1));
    state.section.branchRequiredDiameter.at(r, s) = state.requiredDiameter;
    return solved.outcome;
}

void EvaluateSelectedDn(calc::CalcState& state, bool withValve) {
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    const double d = state.innerDiameter;
    SumZetaWithValve(state, withValve);
    const double m = state.massFlow;
    const double loss = roundTo(frictionLossPa(state.friction, state.sectionLength, m, d) +
                                    zetaLossPa(state.section.zetaSum.at(r, s), m, d),
                                2);
    state.section.branchPressureDrop.at(r, s) = roundTo(loss / 100, 1);
    state.branchLossTotal = roundTo(
        state.branchLossTotal + state.section.branchPressureDrop.at(r, s), kPressureDecimals);
    state.riser.riserBranchLoss.at(r) = state.branchLossTotal;
    state.section.branchVelocity.at(r, s) = branchVelocityMs(m, d);
}

void RateSectionFit(calc::CalcState& state) {
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    state.section.fitFlag.at(r, s) =
        fitFlag(state.sectionWork.allottedDrop.at(r, s), state.section.branchPressureDrop.at(r, s),
                state.circulationPressure, state.section.fitFlag.at(r, s));
}

bool RecomputeCorrectedSection(calc::CalcState& state) {
    const double d = state.innerDiameter;
    if (!(d > 0)) return false;
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    const double m = state.section.massFlow.at(r, s);
    const double length = state.section.sectionLength.at(r, s);
    const double loss = roundTo(frictionLossPa(state.friction, length, m, d) +
                                    zetaLossPa(state.section.zetaSum.at(r, s), m, d),
                                2);
    state.sectionWork.correctedLoss.at(r, s) = loss / 100;
    state.section.correctedLossTab.at(r, s) = roundTo(loss / 100, 1);
    state.riser.riserCorrectedLoss.at(r) =
        roundTo(state.riser.riserCorrectedLoss.at(r) + state.section.correctedLossTab.at(r, s),
                kPressureDecimals);
    return true;
}

}  // namespace hyd
