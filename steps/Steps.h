#pragma once
// The steps a click runs once its fields passed their checks. Both working
// forms call them, and the calculation of a document replays them in the
// same order, so there is one sequence from the planner's inputs to every
// result. Each step takes the checked inputs, works on the calculation state
// and appends its piece to the listing it is given. A step that refuses
// changes nothing and returns its message.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/Document.h"
#include "state/CalcState.h"

namespace steps {

inline constexpr std::string_view kCorrectionTitle = "Eingabeberichtigung:";
inline constexpr std::string_view kNoticeTitle = "Hinweis:";
inline constexpr std::string_view kProjectFullMessage =
    "Das Projekt ist voll: höchstens 20 Stränge mit je 45 Teilstrecken.";
inline constexpr std::string_view kNoMaterialMessage =
    "Bitte zuerst die Rohrart wählen: Stahlrohr, Cu-Rohr oder Weichstahlrohr.";
inline constexpr std::string_view kSupplyNotAboveReturnMessage =
    "Die Vorlauftemperatur muss über der Rücklauftemperatur liegen.";

// Why a step did not run: the message box's title and text.
struct Refusal {
    std::string title;
    std::string text;
    bool operator==(const Refusal&) const = default;
};
using Outcome = std::optional<Refusal>;  // none: the step completed

Refusal correction(std::string text);
// "Diese Nennweite gibt es für <Rohr> nicht. Mögliche Nennweiten: <list>."
Refusal unlistedDn(int materialCode, const std::string& sizes);

// --- Both forms ---

// On to the riser's next section; refused when the riser is full.
Outcome nextSection(calc::CalcState& state);
// On to the next riser's first section, no load and no loss yet; refused
// when the project is full.
Outcome nextRiser(calc::CalcState& state);
// Adds a consumer's load to the section in hand.
void addConsumer(calc::CalcState& state, double load);

// --- The critical circuit ---

// What the main form's "+" takes besides the consumer.
struct CriticalHead {
    std::int16_t riser = 0;
    std::int16_t consumerNumber = 0;
    std::int16_t material = 0;
    double supplyTemperature = 0;
    double returnTemperature = 0;
};

// New work: the first riser's first section.
void startCriticalCircuit(calc::CalcState& state);
// The "+" of the main form.
void addCriticalConsumer(calc::CalcState& state, const CriticalHead& head, double load);
// "Teilstrecke": mass flow and required diameter of the section in hand,
// with the listing's header block before the riser's first line.
Outcome takeCriticalSection(calc::CalcState& state, std::int16_t number, double length,
                            double designVelocity, std::string_view supplyText,
                            std::string_view returnText, std::string& listing);
// "Rechnen": the section's loss in the DN typed.
Outcome computeCriticalSection(calc::CalcState& state, const project::SectionInputs& inputs,
                               std::string& listing);
// "Fertig": the riser's loss ends the listing, which joins the report.
void finishCriticalCircuit(calc::CalcState& state, std::string& listing);

// --- Further circuits, sized against the pressure left over ---

// The riser and consumer number of the further circuit in hand.
void takeCircuitHead(calc::CalcState& state, std::int16_t riser, std::int16_t consumerNumber);
// A shared section's "+": refused unless a computed section carries the
// number.
Outcome addSharedSection(calc::CalcState& state, std::int16_t riser, std::int16_t consumerNumber,
                         std::int16_t number);
// The shared sections' ">": the residual gradient. A refusal drops what the
// shared sections' "+" kept, so that the planner enters them anew.
Outcome endSharedSections(calc::CalcState& state, std::int16_t riser,
                          std::int16_t consumerNumber);
// "Teilstrecke": the size of the section in hand, chosen against its
// allotment. The notices that the planner should read come in `notices`.
Outcome sizeSection(calc::CalcState& state, const project::SectionInputs& inputs,
                    std::string& listing, std::vector<std::string>& notices);
// " Korrektur DN": the section's loss in the size confirmed.
Outcome correctSection(calc::CalcState& state, std::int16_t dn, bool withValve,
                       std::string& listing);
// "Fertig": the riser's sums end the listing, which becomes the report's.
void finishFurtherCircuit(calc::CalcState& state, std::string& listing);
// "Nächster   Strang": the next riser, with nothing shared yet.
Outcome beginFurtherRiser(calc::CalcState& state);

// A further section's valve counts with a valve text and a kv value.
bool furtherValveCounts(const project::Valve& valve);
// A critical section's valve counts with a kv value and a name.
bool criticalValveCounts(const project::Valve& valve);

}  // namespace steps
