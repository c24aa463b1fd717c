#include "bench/Project.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "hydraulics/BranchFormulas.h"
#include "hydraulics/PipeTables.h"
#include "hydraulics/SectionFormulas.h"
#include "listing/Listing.h"
#include "steps/Steps.h"

namespace bench {
namespace {

constexpr double kLoad = 1000;     // W per consumer
constexpr double kLength = 10;     // m per section
constexpr double kVelocity = 0.6;  // m/s
constexpr double kKv = 4.4;
constexpr std::int16_t kBends = 2;
constexpr std::int16_t kSharedSections[] = {1, 2};
constexpr const char* kValveText = "Heimeier      ";

double sectionLoad(int s) { return kLoad * s; }

std::int16_t entryDnFor(float diameter) {
    return hyd::nearestSizeForDiameter(hyd::kSteel, diameter).size->entryDn;
}

// The DN the planner types for a critical section: the one the program
// offers for its required diameter.
std::int16_t criticalDn(int s) {
    const double flow = hyd::massFlowKgPerHour(sectionLoad(s), 20);
    const double required = hyd::roundTo(hyd::requiredDiameterMm(flow, kVelocity), 1);
    return entryDnFor(static_cast<float>(required));
}

project::SectionInputs sectionInputs(int number, double designVelocity, std::int16_t dn) {
    project::SectionInputs inputs;
    inputs.number = static_cast<std::int16_t>(number);
    inputs.length = kLength;
    inputs.designVelocity = designVelocity;
    inputs.dn = dn;
    inputs.valve = {kKv, kValveText, kValveText, project::ValveDialog::First, "Heimeier", ""};
    inputs.counts.bends = kBends;
    return inputs;
}

project::SectionInputs criticalInputs(int s) { return sectionInputs(s, kVelocity, criticalDn(s)); }
project::SectionInputs furtherInputs(int r, int s) { return sectionInputs(100 * r + s, 0, 0); }

// The size confirmed for a further section: the one selected, DN 15 for a
// selected DN 10.
std::int16_t correctionDn(const calc::CalcState& state) {
    const std::int16_t dn = state.section.sectionDn.at(state.riserIndex, state.sectionIndex);
    return dn == 10 ? 15 : dn;
}

void mustPass(const steps::Outcome& outcome) {
    if (outcome) {
        std::fprintf(stderr, "%s\n", outcome->text.c_str());
        std::abort();
    }
}

void criticalCircuit(calc::CalcState& state, std::string& listing) {
    const steps::CriticalHead head{1, 1, hyd::kSteel, 90, 70};
    steps::startCriticalCircuit(state);
    for (int s = 1; s <= kSections; ++s) {
        if (s > 1) mustPass(steps::nextSection(state));
        steps::addCriticalConsumer(state, head, kLoad);
        const project::SectionInputs inputs = criticalInputs(s);
        mustPass(steps::takeCriticalSection(state, inputs.number, inputs.length,
                                            inputs.designVelocity, "90", "70", listing));
        mustPass(steps::computeCriticalSection(state, inputs, listing));
    }
    steps::finishCriticalCircuit(state, listing);
}

void furtherCircuit(calc::CalcState& state, int r, std::string& listing) {
    const auto riser = static_cast<std::int16_t>(r);
    mustPass(r == 2 ? steps::nextRiser(state) : steps::beginFurtherRiser(state));
    steps::takeCircuitHead(state, riser, riser);
    for (std::int16_t number : kSharedSections)
        mustPass(steps::addSharedSection(state, riser, riser, number));
    mustPass(steps::endSharedSections(state, riser, riser));
    for (int s = 1; s <= kSections; ++s) {
        if (s > 1) mustPass(steps::nextSection(state));
        steps::addConsumer(state, kLoad / 2);
        const project::SectionInputs inputs = furtherInputs(r, s);
        std::vector<std::string> notices;
        mustPass(steps::sizeSection(state, inputs, listing, notices));
        mustPass(steps::correctSection(state, correctionDn(state),
                                       steps::furtherValveCounts(inputs.valve), listing));
    }
    steps::finishFurtherCircuit(state, listing);
}

void addCriticalCircuit(project::Document& document) {
    project::Circuit& circuit = project::beginCircuit(document, 1, 1);
    for (int s = 1; s <= kSections; ++s) {
        project::beginSection(document, circuit);
        project::addConsumer(document, circuit, {static_cast<double>(s), kLoad});
        project::setSectionInputs(document, circuit, criticalInputs(s));
    }
    circuit.finished = true;
}

void addFurtherCircuit(project::Document& document, const calc::CalcState& computed, int r) {
    const auto riser = static_cast<std::int16_t>(r);
    project::Circuit& circuit = project::beginCircuit(document, riser, riser);
    circuit.sharedSections.assign(std::begin(kSharedSections), std::end(kSharedSections));
    circuit.sharedSectionsDone = true;
    for (int s = 1; s <= kSections; ++s) {
        project::Section& section = project::beginSection(document, circuit);
        project::addConsumer(document, circuit, {static_cast<double>(s), kLoad / 2});
        project::setSectionInputs(document, circuit, furtherInputs(r, s));
        section.correctedDn = computed.section.correctedDn.at(r, s);
    }
    circuit.finished = true;
}

}  // namespace

project::Document fullDocument() {
    const calc::CalcState computed = computeProject();
    project::Document document;
    document.material = hyd::kSteel;
    document.supplyTemperature = {90, "90"};
    document.returnTemperature = {70, "70"};
    addCriticalCircuit(document);
    for (int r = 2; r <= calc::kMaxRisers; ++r) addFurtherCircuit(document, computed, r);
    return document;
}

calc::CalcState computeProject() {
    calc::CalcState state;
    std::string criticalListing;
    criticalCircuit(state, criticalListing);
    std::string remainingListing = criticalListing + std::string(listing::crlf);
    for (int r = 2; r <= calc::kMaxRisers; ++r) furtherCircuit(state, r, remainingListing);
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
