#pragma once
// The hydraulic balance of a calculated project: what every circuit needs,
// what its valve must throttle, the presetting step that comes nearest to
// the design flow, the pump's duty, and the checks of every section's
// velocity and friction gradient. Pure functions of the planner's document
// and its results; all pressures in mbar.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "project/Document.h"
#include "steps/Calculate.h"

namespace balancing {

// A valve's presetting steps, kv rising.
struct PresettingTable {
    std::string name;
    std::vector<std::string> steps;  // as the scale names them
    std::vector<double> kv;          // one per step
    bool builtIn = true;             // example values, not a maker's table
};

// The tables the program brings, the project's default first among them
// ("Thermostatventil DN 15, 8 Stufen"); their steps are 1 to n.
const std::vector<PresettingTable>& builtInTables();
// The built-in table of that name; null when there is none.
const PresettingTable* findTable(const std::string& name);
// The table of that name among the project's own copies and the built-in
// ones; none when neither has it.
std::optional<PresettingTable> findTable(const project::Document& document,
                                         const std::string& name);
PresettingTable tableOf(const project::PresettingTable& own);

inline constexpr const char* kExampleValuesNote =
    "Beispielwerte – für die Ausführung die Tabelle des eingebauten Ventils verwenden.";

// One circuit of the balance. Every value is held as the window shows it
// (rounded); the formulas behind it run on unrounded values.
struct CircuitRow {
    project::Id circuit = 0;
    std::int16_t riser = 0;
    std::int16_t consumerNumber = 0;
    bool finished = false;  // false: "noch nicht fertig", nothing below is set
    // The section whose valve is set; none where the circuit has no valve
    // that counts (a valve of the second dialog only when the planner chose it).
    std::optional<project::Id> valveSection;
    std::int16_t valveSectionNumber = 0;
    std::string valveText;  // as shown beside the kv value, blanks trimmed
    double kv = 0;          // 3 decimals; 0 without a valve
    double massFlow = 0;    // kg/h, 1 decimal: of the valve's section, else the first own one
    double need = 0;        // N, 1 decimal
    double excess = 0;      // E, 1 decimal
    double throttle = 0;    // T, 1 decimal
    std::optional<double> requiredKv;  // 3 decimals; none: "–"
    std::string table;                 // the presetting table used; empty without a valve
    std::optional<std::string> step;   // as the table names it; none: "–"
    std::optional<int> share;          // flow share at that step in whole percent
    std::vector<std::string> messages;  // in the order the window lists them
};

struct Pump {
    double massFlow = 0;               // kg/h, 1 decimal
    std::int16_t sectionNumber = 0;    // the critical section that carries it
    double volumeFlow = 0;             // m³/h, 3 decimals
    double referencePressure = 0;      // P, 1 decimal
    double generatorLoss = 0;          // X, 1 decimal
    double pressure = 0;               // P + X, 1 decimal
    double pressureKpa = 0;            // P + X in kPa, 2 decimals
    double head = 0;                   // m, 2 decimals
};

struct Balance {
    Pump pump;
    std::vector<CircuitRow> circuits;  // the critical circuit first, as the document
    // The pump message and the section checks, in the order of the sections.
    std::vector<std::string> checks;
    bool exampleValues = false;  // a built-in table is used somewhere
};

// The balance of a document whose calculation passed.
Balance balance(const project::Document& document, const steps::Results& results);

// The sections of a circuit whose valve counts and may be set, in entry
// order, those of the second dialog included.
std::vector<project::Id> valveSections(const project::Document& document,
                                       const steps::Results& results,
                                       const project::Circuit& circuit);

// The program's rounding: floor(x × 10ⁿ + 0.5) / 10ⁿ.
double rounded(double value, int decimals);

}  // namespace balancing
