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
    state.totalLength += length;
    state.riser.riserPressureDrop.at(r) += state.section.pressureDrop.at(r, s);
    state.circulationPressure = state.riser.riserPressureDrop.at(r);
    return true;
}

}  // namespace hyd
