#pragma once
// The planner's document: what was entered, in the order it was entered and
// as the field checks took it, and nothing computed. The forms append to it
// as their steps complete; everything the program computes and shows can be
// derived from it. Circuits and sections carry ids that stay theirs for the
// life of the document, so that later edits can name them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace project {

using Id = std::uint32_t;

struct Consumer {
    double number = 0;  // as checked; the program does not compute with it
    double load = 0;    // W
    bool operator==(const Consumer&) const = default;
};

// Where a section's valve came from: the catalogue dialog that answered,
// with the maker text and model picked there.
enum class ValveDialog : std::uint8_t { None, First, Second };

struct Valve {
    double kv = 0;             // as checked; 0: none
    std::string shownText;     // the valve text shown beside the kv value
    std::string countingText;  // the text whose presence lets the valve count
    ValveDialog dialog = ValveDialog::None;
    std::string maker;
    std::string model;
    bool operator==(const Valve&) const = default;
};

struct FittingCounts {
    std::int16_t bends = 0;
    std::int16_t tees = 0;
    std::int16_t connections = 0;
    std::int16_t reducers = 0;
    bool operator==(const FittingCounts&) const = default;
};

// What a section's computing step takes from its fields. The critical
// circuit types the DN and the design velocity; a further circuit's size is
// chosen by the program, so both stay 0 there.
struct SectionInputs {
    std::int16_t number = 0;
    double length = 0;          // m
    double designVelocity = 0;  // m/s
    std::int16_t dn = 0;
    Valve valve;
    float consumerFlag = 0;
    FittingCounts counts;
    bool operator==(const SectionInputs&) const = default;
};

struct Section {
    Id id = 0;
    std::vector<Consumer> consumers;  // in the order of "+"
    // Empty until the section's computing step completed.
    std::optional<SectionInputs> inputs;
    // A further circuit's size confirmed with " Korrektur DN".
    std::optional<std::int16_t> correctedDn;
    bool operator==(const Section&) const = default;
};

struct Circuit {
    Id id = 0;
    std::int16_t riser = 0;
    std::int16_t consumerNumber = 0;
    // A further circuit's sections shared with circuits before it, by
    // section number, in the order of their "+".
    std::vector<std::int16_t> sharedSections;
    // ">" of the shared sections was pressed: its own sections follow.
    bool sharedSectionsDone = false;
    std::vector<Section> sections;
    bool finished = false;  // "Fertig"
    // The balance: the presetting table of the circuit's valve (empty: the
    // project's), and the section whose valve the planner chose to set in
    // place of the first that counts.
    std::string presettingTable;
    std::optional<Id> balancingValve;
    bool operator==(const Circuit&) const = default;
};

struct Temperature {
    double value = 0;  // °C
    std::string text;  // as typed; the listing header prints it
    bool operator==(const Temperature&) const = default;
};

// What the balance checks each section against.
struct Limits {
    // Velocity by inner diameter: up to the first diameter the first
    // velocity, and so on; above the last diameter the last velocity.
    std::array<double, 3> velocityDiameters = {16.0, 27.0, 40.0};  // mm
    std::array<double, 4> velocities = {0.5, 0.8, 1.0, 1.5};       // m/s
    double frictionGradient = 200;                                 // Pa/m
    double valveNoise = 200;  // mbar a valve may throttle without noise
    bool operator==(const Limits&) const = default;
};

inline constexpr const char* kDefaultPresettingTable = "Thermostatventil DN 15, 8 Stufen";

// A presetting table of the planner's own, copied into the project when
// chosen, so that the project shows the same steps on any machine.
struct PresettingStep {
    std::string name;  // as the valve's scale shows it: "1", "2,5", "N"
    double kv = 0;
    bool operator==(const PresettingStep&) const = default;
};

struct PresettingTable {
    std::string name;
    std::vector<PresettingStep> steps;  // kv rising
    bool operator==(const PresettingTable&) const = default;
};

// The planner's choices for the hydraulic balance.
struct Balancing {
    std::string presettingTable = kDefaultPresettingTable;  // the project's default
    double generatorLoss = 0;  // mbar: heat generator and all else outside the network
    Limits limits;
    // The planner's own tables the project uses, by name.
    std::vector<PresettingTable> tables;
    bool operator==(const Balancing&) const = default;
};

struct Document {
    std::array<std::string, 11> header;
    std::int16_t material = 0;  // 0 while none is chosen
    Temperature supplyTemperature;
    Temperature returnTemperature;
    // The report's line estimates by riser from the first, as the last print
    // sent left them; the work file keeps them. Trailing zeros are left out.
    std::vector<std::int16_t> lineEstimates;
    // The critical circuit first, the further circuits in the order begun.
    std::vector<Circuit> circuits;
    Balancing balancing;
    Id nextId = 1;  // ids are handed out once and never again
    bool operator==(const Document&) const = default;
};

// Hands out a fresh id.
Id newId(Document& document);

// The section, the circuit, and the circuit holding the section of that id;
// null where there is none.
Section* findSection(Document& document, Id id);
Circuit* findCircuit(Document& document, Id id);
Circuit* circuitOf(Document& document, Id section);
// Appends a circuit with a fresh id.
Circuit& beginCircuit(Document& document, std::int16_t riser, std::int16_t consumerNumber);
// Appends an empty section with a fresh id.
Section& beginSection(Document& document, Circuit& circuit);
// The circuit in hand; a document without one gets one.
Circuit& currentCircuit(Document& document);
// The circuit's section in hand; a circuit without one gets one.
Section& currentSection(Document& document, Circuit& circuit);
// Appends a consumer to the circuit's section in hand.
void addConsumer(Document& document, Circuit& circuit, Consumer consumer);
void setSectionInputs(Document& document, Circuit& circuit, SectionInputs inputs);

}  // namespace project
