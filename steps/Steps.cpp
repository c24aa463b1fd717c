#include "steps/Steps.h"

#include "hydraulics/Operations.h"
#include "hydraulics/PipeTables.h"
#include "listing/Listing.h"
#include "listing/RemainingListing.h"

namespace steps {

Refusal correction(std::string text) { return {std::string(kCorrectionTitle), std::move(text)}; }

Refusal unlistedDn(int materialCode, const std::string& sizes) {
    return correction("Diese Nennweite gibt es für " + calc::materialReportName(materialCode) +
                      " nicht. Mögliche Nennweiten: " + sizes + ".");
}

bool furtherValveCounts(const project::Valve& valve) {
    return !valve.countingText.empty() && valve.kv != 0;
}

bool criticalValveCounts(const project::Valve& valve) {
    return valve.kv > 0 && !valve.countingText.empty();
}

// --- Both forms ---

Outcome nextSection(calc::CalcState& state) {
    if (state.sectionIndex >= calc::kMaxSections) return correction(std::string(kProjectFullMessage));
    state.sectionIndex += 1;
    state.listingLineCount += 1;
    state.riser.sectionsPerRiser.at(state.riserIndex) = state.sectionIndex;
    return std::nullopt;
}

Outcome nextRiser(calc::CalcState& state) {
    if (state.riserIndex >= calc::kMaxRisers) return correction(std::string(kProjectFullMessage));
    state.listingLineCount = 1;
    state.sectionIndex = 1;
    state.riserCount += 1;
    state.riserIndex += 1;
    state.lastRiserIndex = state.riserIndex;
    const int r = state.riserIndex;
    state.riser.sectionsPerRiser.at(r) = 1;
    state.riser.riserBranchLoss.at(r) = 0;
    state.branchLossTotal = 0;
    state.loadSum = 0;
    return std::nullopt;
}

void addConsumer(calc::CalcState& state, double load) {
    state.consumerLoad = load;
    hyd::AddConsumerLoad(state);
}

// --- The critical circuit ---

void startCriticalCircuit(calc::CalcState& state) {
    state.sectionIndex = 1;
    state.listingLineCount = 1;
    if (state.riserIndex < 1) state.riserIndex = 1;
    if (state.riserCount < 1) state.riserCount = 1;
    state.lastRiserIndex = state.riserIndex;
    state.loadSum = 0;
    if (calc::isSectionSlot(state.riserIndex, 1)) {
        state.section.sectionLoad.at(state.riserIndex, 1) = 0;
        // A riser begins with one section; a file keeps the sections counted.
        state.riser.sectionsPerRiser.at(state.riserIndex) = 1;
    }
}

namespace {

// The material chosen holds for the whole network; every "+" installs its
// friction law and names all three materials for the report.
void takeMaterial(calc::CalcState& state, std::int16_t material) {
    for (int code : {hyd::kSteel, hyd::kCopper, hyd::kSoftSteel}) {
        if (code == material) {
            state.materialCode = material;
            state.friction = *hyd::frictionLaw(code);
        }
        state.materialName[static_cast<std::size_t>(code - 1)] = calc::materialReportName(code);
    }
}

}  // namespace

void addCriticalConsumer(calc::CalcState& state, const CriticalHead& head, double load) {
    takeMaterial(state, head.material);
    const int r = state.riserIndex;
    state.riser.riserNumber.at(r) = head.riser;
    state.riser.consumerNumber.at(r) = head.consumerNumber;
    state.supplyTemperatureInput = head.supplyTemperature;
    state.returnTemperatureInput = head.returnTemperature;
    addConsumer(state, load);
}

Outcome takeCriticalSection(calc::CalcState& state, std::int16_t number, double length,
                            double designVelocity, std::string_view supplyText,
                            std::string_view returnText, std::string& listing) {
    // The flow divides by the temperature spread and needs the friction law
    // of a chosen material; work resumed from a file may lack either.
    if (state.materialCode < hyd::kSteel || state.materialCode > hyd::kSoftSteel)
        return correction(std::string(kNoMaterialMessage));
    if (!(state.supplyTemperatureInput > state.returnTemperatureInput))
        return correction(std::string(kSupplyNotAboveReturnMessage));
    state.supplyTemperature = state.supplyTemperatureInput;
    state.returnTemperature = state.returnTemperatureInput;
    state.kvValue = 0;
    state.valveOrigin = {};
    state.sectionNo = number;
    state.sectionLength = length;
    state.designVelocity = designVelocity;
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    state.section.sectionNumber.at(r, s) = number;
    state.section.sectionLength.at(r, s) = length;
    hyd::ComputeFlowAndDiameter(state);
    hyd::SelectMaterial(state);
    if (state.listingLineCount < 2) {
        state.listingHeader = listing::headerBlock(state, supplyText, returnText);
        listing += state.listingHeader;
    }
    state.listingLinePart1 = listing::lineFirstHalf(state);
    listing += state.listingLinePart1;
    return std::nullopt;
}

namespace {

void takeFittings(calc::CalcState& state, const project::SectionInputs& inputs) {
    state.kvValue = inputs.valve.kv;
    state.consumerFlag = inputs.consumerFlag;
    state.bendCount = inputs.counts.bends;
    state.teeCount = inputs.counts.tees;
    state.connectionCount = inputs.counts.connections;
    state.reducerCount = inputs.counts.reducers;
}

}  // namespace

Outcome computeCriticalSection(calc::CalcState& state, const project::SectionInputs& inputs,
                               std::string& listing) {
    if (!hyd::frictionLaw(state.materialCode) || !hyd::entryDiameter(state.materialCode, inputs.dn))
        return unlistedDn(state.materialCode, hyd::entryDnList(state.materialCode));
    takeFittings(state, inputs);
    state.sectionDnInput = inputs.dn;
    state.valveName = inputs.valve.countingText;
    state.enteredDn = inputs.dn;
    state.section.criticalDn.at(state.riserIndex, state.sectionIndex) = inputs.dn;
    state.currentKv = state.kvValue;
    hyd::SelectMaterial(state);
    hyd::SumZetaWithValve(state, criticalValveCounts(inputs.valve));
    hyd::ComputeSectionLoss(state);
    state.listingLinePart2 = listing::lineSecondHalf(state);
    listing += state.listingLinePart2;
    return std::nullopt;
}

void finishCriticalCircuit(calc::CalcState& state, std::string& listing) {
    state.listingFooter = listing::footer(state);
    listing += state.listingFooter;
    state.reportText += listing;
}

// --- Further circuits ---

namespace {

struct Slot {
    int riser;
    int section;
};

// The first computed section that carries the number: riser by riser, each
// with all its slots; the critical circuit's sections and those of further
// circuits that were sized and corrected, never the slot being filled.
std::optional<Slot> computedSection(const calc::CalcState& state, std::int16_t number) {
    const auto& table = state.section;
    for (int r = 1; r <= state.lastRiserIndex && r <= calc::kMaxRisers; ++r)
        for (int s = 1; s <= calc::kMaxSections; ++s) {
            if (r == state.riserIndex && s == state.sectionIndex) continue;
            const bool computed = table.criticalDn.at(r, s) > 0 || table.correctedDn.at(r, s) > 0;
            if (computed && table.sectionNumber.at(r, s) == number) return Slot{r, s};
        }
    return std::nullopt;
}

}  // namespace

void takeCircuitHead(calc::CalcState& state, std::int16_t riser, std::int16_t consumerNumber) {
    state.riser.riserNumber.at(state.riserIndex) = riser;
    state.riser.consumerNumber.at(state.riserIndex) = consumerNumber;
}

Outcome addSharedSection(calc::CalcState& state, std::int16_t riser, std::int16_t consumerNumber,
                         std::int16_t number) {
    std::optional<Slot> found = computedSection(state, number);
    if (!found)
        return correction("Keine berechnete Teilstrecke hat die Nummer " + std::to_string(number) +
                          ".");
    takeCircuitHead(state, riser, consumerNumber);
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    state.sectionWork.commonSectionNumber.at(r, s) = number;
    state.section.sectionNumber.at(r, s) = number;
    // A section of a further circuit counts with its corrected loss.
    const auto& table = state.section;
    const double corrected = table.correctedLossTab.at(found->riser, found->section);
    state.addedLength = table.sectionLength.at(found->riser, found->section);
    state.addedPressure =
        corrected > 0 ? corrected : table.pressureDrop.at(found->riser, found->section);
    hyd::AddCommonPart(state);
    return std::nullopt;
}

Outcome endSharedSections(calc::CalcState& state, std::int16_t riser,
                          std::int16_t consumerNumber) {
    const hyd::GradientOutcome outcome = hyd::ComputeResidualGradient(state);
    if (outcome != hyd::GradientOutcome::Computed) {
        const int r = state.riserIndex;
        const int s = state.sectionIndex;
        state.riserWork.commonLength.at(r) = 0;
        state.riserWork.commonPressure.at(r) = 0;
        state.sectionWork.commonSectionNumber.at(r, s) = 0;
        state.section.sectionNumber.at(r, s) = 0;
    }
    switch (outcome) {
        case hyd::GradientOutcome::NoLengthLeft:
            return correction(
                "Die gemeinsamen Teilstrecken sind zusammen so lang wie der ungünstigste "
                "Stromkreis oder länger. Bitte die gemeinsamen Teilstrecken neu eingeben.");
        case hyd::GradientOutcome::NoPressureLeft:
            return correction(
                "Für die eigenen Teilstrecken bleibt kein Druck übrig. Bitte die gemeinsamen "
                "Teilstrecken neu eingeben.");
        case hyd::GradientOutcome::Computed:
            break;
    }
    takeCircuitHead(state, riser, consumerNumber);
    return std::nullopt;
}

Outcome sizeSection(calc::CalcState& state, const project::SectionInputs& inputs,
                    std::string& listing, std::vector<std::string>& notices) {
    // The section needs the material and temperatures of the critical
    // circuit; work brought back from a file might lack them.
    if (!hyd::frictionLaw(state.pipeMaterial)) return correction(std::string(kNoMaterialMessage));
    if (!(state.temperatureSpread > 0))
        return correction(std::string(kSupplyNotAboveReturnMessage));
    state.supplyTemperature = state.supplyTemperatureInput;
    state.returnTemperature = state.returnTemperatureInput;
    state.sectionNo = inputs.number;
    state.sectionLength = inputs.length;
    takeFittings(state, inputs);
    state.currentKv = state.kvValue;
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    state.section.sectionNumber.at(r, s) = inputs.number;

    // A section that feeds no new consumer carries the load sum so far.
    state.sectionLoad = state.loadSum;
    state.section.sectionLoad.at(r, s) = state.loadSum;
    hyd::SelectDnByDiameter(state);
    hyd::PrepareBranchSection(state);
    hyd::SelectNearestDn(state);
    const bool valve = furtherValveCounts(inputs.valve);
    const hyd::SolveOutcome outcome = hyd::SolveBranchDiameter(state, valve);
    bool beyondLargest = false;
    if (outcome == hyd::SolveOutcome::ValveAlone) {
        state.requiredDiameter = state.initialDiameter;
        hyd::SelectNearestDn(state);
    } else {
        beyondLargest = hyd::SelectNearestDn(state);
    }
    hyd::EvaluateSelectedDn(state, valve);
    hyd::RateSectionFit(state);
    if (state.listingLineCount < 2) listing += listing::remaining::headerBlock(state);
    listing += listing::remaining::lineSizing(state);

    if (outcome == hyd::SolveOutcome::ValveAlone)
        notices.emplace_back(
            "Das Ventil dieser Teilstrecke verbraucht allein mehr Druck, als ihr zugeteilt ist. "
            "Die Nennweite ist nach der Geschwindigkeit gewählt; ein Ventil mit größerem kv-Wert "
            "würde helfen.");
    if (outcome == hyd::SolveOutcome::NotConverged)
        notices.emplace_back(
            "Die Rohrweite dieser Teilstrecke konnte nicht sicher bestimmt werden; bitte die "
            "Nennweite prüfen.");
    if (beyondLargest)
        notices.emplace_back(
            "Auch die größte Nennweite dieses Rohrs reicht für diese Teilstrecke nicht; bitte die "
            "Rohrart oder die Teilung prüfen.");
    return std::nullopt;
}

Outcome correctSection(calc::CalcState& state, std::int16_t dn, bool withValve,
                       std::string& listing) {
    if (!hyd::correctionDiameter(state.pipeMaterial, dn))
        return unlistedDn(state.pipeMaterial, hyd::correctionDnList(state.pipeMaterial));
    state.correctedDn = dn;
    hyd::LookupCorrectionDn(state);
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    state.section.correctedDn.at(r, s) = dn;
    // The first zeta copy stays the sum at the selected size, as the listing
    // shows it; the second takes the sum at the corrected size.
    const double selectedZeta = state.section.zetaSumCopy1.at(r, s);
    hyd::SumZetaWithValve(state, withValve);
    state.section.zetaSumCopy1.at(r, s) = selectedZeta;
    hyd::RecomputeCorrectedSection(state);
    listing += listing::remaining::lineCorrection(state);
    return std::nullopt;
}

void finishFurtherCircuit(calc::CalcState& state, std::string& listing) {
    listing += listing::remaining::footer(state);
    state.reportText = listing;
}

Outcome beginFurtherRiser(calc::CalcState& state) {
    if (Outcome refused = nextRiser(state)) return refused;
    const int r = state.riserIndex;
    state.riserWork.commonLength.at(r) = 0;
    state.riserWork.commonPressure.at(r) = 0;
    state.riser.riserCorrectedLoss.at(r) = 0;
    return std::nullopt;
}

}  // namespace steps
