#include "steps/Calculate.h"

#include <cstdio>

#include "hydraulics/BranchFormulas.h"
#include "hydraulics/PipeTables.h"
#include "hydraulics/SectionFormulas.h"
#include "listing/Listing.h"

namespace steps {

const SectionResult* Results::section(project::Id id) const {
    for (const CircuitResult& circuit : circuits)
        for (const SectionResult& result : circuit.sections)
            if (result.section == id) return &result;
    return nullptr;
}

namespace {

// "Stromkreis 2 (Strang 4, Verbraucher 22), TS 05: "; without the section
// where a step of the shared sections refused.
std::string place(std::size_t circuitNumber, const project::Circuit& circuit,
                  const project::Section* section) {
    std::string text = "Stromkreis " + std::to_string(circuitNumber) + " (Strang " +
                       std::to_string(circuit.riser) + ", Verbraucher " +
                       std::to_string(circuit.consumerNumber) + ")";
    if (section && section->inputs) {
        char number[8];
        std::snprintf(number, sizeof number, "%02d", section->inputs->number);
        text += std::string(", TS ") + number;
    }
    return text + ": ";
}

// The loss and gradient of a section at the size its loss was computed with.
void sizeResults(SectionResult& result, const calc::CalcState& state,
                 const project::Valve& valve) {
    const double m = result.massFlow;
    const double d = result.innerDiameter;
    if (!(d > 0)) return;
    result.frictionGradient = hyd::frictionLossPa(state.friction, 1, m, d);
    if (result.valveCounted)
        result.valveLoss = hyd::valveLossPa(hyd::valveZetaFromKv(d, valve.kv), m, d) / 100;
}

class Replay {
public:
    Replay(const project::Document& document, Corrections corrections)
        : doc_(document), corrections_(corrections) {}

    Calculation run() {
        calc::CalcState& state = out_.state;
        state.projectHeader = doc_.header;
        startCriticalCircuit(state);
        for (std::size_t k = 0; k < doc_.circuits.size() && !out_.refusal; ++k) {
            circuitNumber_ = k + 1;
            circuit_ = &doc_.circuits[k];
            out_.results.circuits.emplace_back().circuit = circuit_->id;
            if (k == 0)
                critical();
            else
                further(k == 1);
        }
        for (std::size_t r = 0; r < doc_.lineEstimates.size() && r < calc::kMaxRisers; ++r)
            state.riser.blockLineEstimate.at(static_cast<int>(r + 1)) = doc_.lineEstimates[r];
        out_.results.circulationPressure = state.circulationPressure;
        out_.results.totalLength = state.totalLength;
        return std::move(out_);
    }

private:
    // False, with the refusal kept, when the step refused.
    bool passed(Outcome outcome, const project::Section* section = nullptr) {
        if (!outcome) return true;
        outcome->text = place(circuitNumber_, *circuit_, section) + outcome->text;
        out_.refusal = std::move(outcome);
        return false;
    }

    CircuitResult& circuitResult() { return out_.results.circuits.back(); }

    void critical() {
        calc::CalcState& state = out_.state;
        const CriticalHead head{circuit_->riser, circuit_->consumerNumber, doc_.material,
                                doc_.supplyTemperature.value, doc_.returnTemperature.value};
        std::string& listing = out_.criticalListing;
        for (std::size_t i = 0; i < circuit_->sections.size(); ++i) {
            const project::Section& section = circuit_->sections[i];
            if (i > 0 && !passed(nextSection(state), &section)) return;
            for (const project::Consumer& consumer : section.consumers)
                addCriticalConsumer(state, head, consumer.load);
            if (!section.inputs) continue;
            const project::SectionInputs& in = *section.inputs;
            if (!passed(takeCriticalSection(state, in.number, in.length, in.designVelocity,
                                            doc_.supplyTemperature.text,
                                            doc_.returnTemperature.text, listing),
                        &section) ||
                !passed(computeCriticalSection(state, in, listing), &section))
                return;
            keepResult(section, false);
        }
        CircuitResult& result = circuitResult();
        result.availablePressure = state.circulationPressure;
        if (circuit_->finished) {
            finishCriticalCircuit(state, listing);
            result.finished = true;
        }
    }

    void addResult(const SectionResult& result) {
        CircuitResult& circuit = circuitResult();
        circuit.ownLossSum = hyd::roundTo(circuit.ownLossSum + result.loss, hyd::kPressureDecimals);
        circuit.sections.push_back(result);
    }

    void further(bool firstFurther) {
        calc::CalcState& state = out_.state;
        if (firstFurther) {
            if (!passed(nextRiser(state))) return;
            out_.remainingListing = out_.criticalListing + std::string(listing::crlf);
        } else if (!passed(beginFurtherRiser(state))) {
            return;
        }
        const std::int16_t riser = circuit_->riser;
        const std::int16_t consumer = circuit_->consumerNumber;
        takeCircuitHead(state, riser, consumer);
        for (std::int16_t number : circuit_->sharedSections)
            if (!passed(addSharedSection(state, riser, consumer, number))) return;
        CircuitResult& result = circuitResult();
        result.sharedLength = state.riserWork.commonLength.at(state.riserIndex);
        result.sharedPressure = state.riserWork.commonPressure.at(state.riserIndex);
        if (!circuit_->sharedSectionsDone) return;
        if (!passed(endSharedSections(state, riser, consumer))) return;
        result.remainingLength = state.remainingLength;
        result.gradient = state.residualGradient;
        result.availablePressure = state.riser.riserPressureDrop.at(state.riserIndex);
        if (!furtherSections()) return;
        if (circuit_->finished) {
            finishFurtherCircuit(state, out_.remainingListing);
            circuitResult().finished = true;
        }
    }

    bool furtherSections() {
        calc::CalcState& state = out_.state;
        std::string& listing = out_.remainingListing;
        for (std::size_t i = 0; i < circuit_->sections.size(); ++i) {
            const project::Section& section = circuit_->sections[i];
            if (i > 0 && !passed(nextSection(state), &section)) return false;
            for (const project::Consumer& consumer : section.consumers)
                addConsumer(state, consumer.load);
            if (!section.inputs) continue;
            const project::SectionInputs& in = *section.inputs;
            std::vector<std::string> notices;
            if (!passed(sizeSection(state, in, listing, notices), &section)) return false;
            if (section.correctedDn &&
                !passed(correctSection(state, correctionOf(section), furtherValveCounts(in.valve),
                                       listing),
                        &section))
                return false;
            keepResult(section, true);
        }
        return true;
    }

    // The results of the section in hand, once its computing steps passed.
    void keepResult(const project::Section& section, bool further) {
        const calc::CalcState& state = out_.state;
        const int r = state.riserIndex;
        const int s = state.sectionIndex;
        const auto& table = state.section;
        const project::Valve& valve = section.inputs->valve;
        SectionResult result{section.id};
        result.massFlow = table.listedMassFlow.at(r, s);
        result.zetaSum = table.zetaSum.at(r, s);
        if (!further) {
            result.requiredDiameter = table.requiredDiameter.at(r, s);
            result.dn = table.criticalDn.at(r, s);
            result.innerDiameter = state.innerDiameter;
            result.valveCounted = criticalValveCounts(valve);
            result.velocity = table.velocity.at(r, s);
            result.loss = table.pressureDrop.at(r, s);
        } else {
            result.requiredDiameter = table.branchRequiredDiameter.at(r, s);
            const bool corrected = section.correctedDn.has_value();
            result.selectedDn = table.sectionDn.at(r, s);
            result.dn = corrected ? table.correctedDn.at(r, s) : result.selectedDn;
            result.innerDiameter =
                corrected ? state.innerDiameter : state.sectionWork.sectionInnerDiameter.at(r, s);
            result.loss =
                corrected ? table.correctedLossTab.at(r, s) : table.branchPressureDrop.at(r, s);
            result.valveCounted = furtherValveCounts(valve);
            result.velocity = table.branchVelocity.at(r, s);
            result.allottedDrop = state.sectionWork.allottedDrop.at(r, s);
            result.fitFlag = table.fitFlag.at(r, s);
        }
        sizeResults(result, state, valve);
        addResult(result);
    }

    std::int16_t correctionOf(const project::Section& section) const {
        if (corrections_ == Corrections::AsConfirmed) return *section.correctedDn;
        const calc::CalcState& state = out_.state;
        return state.section.sectionDn.at(state.riserIndex, state.sectionIndex);
    }

    const project::Document& doc_;
    const Corrections corrections_;
    Calculation out_;
    std::size_t circuitNumber_ = 0;
    const project::Circuit* circuit_ = nullptr;
};

}  // namespace

Calculation calculate(const project::Document& document, Corrections corrections) {
    return Replay(document, corrections).run();
}

std::string remainingStageListing(const Calculation& calculation) {
    if (calculation.state.riserCount >= 2) return calculation.remainingListing;
    return calculation.criticalListing + std::string(listing::crlf);
}

}  // namespace steps
