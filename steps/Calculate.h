#pragma once
// The one calculation path: a document replayed through the steps the forms
// run, in the order the planner completed them, into a fresh calculation
// state; and the results of every section and circuit, which are defined
// here and nowhere else.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "project/Document.h"
#include "state/CalcState.h"
#include "steps/Steps.h"

namespace steps {

struct SectionResult {
    project::Id section = 0;
    double massFlow = 0;          // kg/h, as listed
    double requiredDiameter = 0;  // mm, as listed
    // The size the loss was computed with: the corrected one where
    // " Korrektur DN" was pressed.
    std::int16_t dn = 0;
    // The size the program selected for a further section, which its
    // correction may differ from; 0 in the critical circuit.
    std::int16_t selectedDn = 0;
    double innerDiameter = 0;  // mm
    bool valveCounted = false;
    double valveLoss = 0;         // mbar, at that size
    double velocity = 0;          // m/s, as listed
    double frictionGradient = 0;  // Pa/m, C × m^a × d^b at that size
    double zetaSum = 0;
    double loss = 0;          // mbar, the final one
    double allottedDrop = 0;  // mbar; 0 in the critical circuit
    std::int16_t fitFlag = 0;
    bool operator==(const SectionResult&) const = default;
};

struct CircuitResult {
    project::Id circuit = 0;
    double sharedLength = 0;    // m
    double sharedPressure = 0;  // mbar
    double remainingLength = 0;  // m
    double gradient = 0;         // mbar/m
    // What the circuit may lose: the circulation pressure for the critical
    // circuit, what the shared sections leave for a further one.
    double availablePressure = 0;  // mbar
    double ownLossSum = 0;         // mbar, of its own sections' final losses
    bool finished = false;
    // Its own sections whose computing step completed, in entry order.
    std::vector<SectionResult> sections;
    bool operator==(const CircuitResult&) const = default;
};

struct Results {
    double circulationPressure = 0;  // mbar
    double totalLength = 0;          // m
    std::vector<CircuitResult> circuits;  // as the document's circuits
    const SectionResult* section(project::Id id) const;
    bool operator==(const Results&) const = default;
};

struct Calculation {
    calc::CalcState state;
    Results results;
    std::string criticalListing;   // as the main form's box shows it
    std::string remainingListing;  // as the remaining-sections form's box shows it
    // The first step that refused, its text prefixed with the place:
    // "Stromkreis 2 (Strang 4, Verbraucher 22), TS 05: ". Results and
    // listings then go as far as the steps before it.
    std::optional<Refusal> refusal;
};

// How the corrections of further sections are taken: as the planner
// confirmed them, or each as the size the calculation selects, as if
// confirmed (where the material changed under them).
enum class Corrections { AsConfirmed, SelectedSizes };

Calculation calculate(const project::Document& document,
                      Corrections corrections = Corrections::AsConfirmed);

// The listing of the remaining-sections form: the critical circuit's and
// the further circuits' below it, from the moment the first further riser
// was begun.
std::string remainingStageListing(const Calculation& calculation);

}  // namespace steps
