#include "balancing/Balance.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "listing/FormatMask.h"
#include "toolkit/NumberText.h"

namespace balancing {

double rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::floor(value * scale + 0.5) / scale;
}

namespace {

// Δp = kOpenFactor × (m / kv)² / 100 mbar: the zeta of a kv value at the
// inner diameter of DN 15 (0,05 × A / kv)² with water of 80 °C.
const double kOpenFactor = 64.3456 * std::pow(0.05 * 3.14159 / 4, 2);
constexpr double kDensity = 971.8;  // kg/m³
constexpr double kGravity = 9.81;   // m/s²
constexpr double kVelocityFactor = 0.6032 * 0.6032;
constexpr const char* kNotShown = "–";

std::string mbar(double value) { return listing::formatNumber(value, "0.0"); }
std::string kvText(double value) { return listing::formatNumber(value, "0.000"); }

double openLoss(double massFlow, double kv) {
    const double ratio = massFlow / kv;
    return kOpenFactor * ratio * ratio / 100;
}

// "Strang 4, Verbraucher 22, TS 05: "
std::string place(const project::Circuit& circuit, std::int16_t sectionNumber) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", sectionNumber);
    return "Strang " + std::to_string(circuit.riser) + ", Verbraucher " +
           std::to_string(circuit.consumerNumber) + ", TS " + number + ": ";
}

const steps::CircuitResult* resultOf(const steps::Results& results,
                                     const project::Circuit& circuit) {
    for (const steps::CircuitResult& result : results.circuits)
        if (result.circuit == circuit.id) return &result;
    return nullptr;
}

const project::Section* sectionOf(const project::Circuit& circuit, project::Id id) {
    for (const project::Section& section : circuit.sections)
        if (section.id == id) return &section;
    return nullptr;
}

std::int16_t sectionNumber(const project::Circuit& circuit, project::Id id) {
    const project::Section* section = sectionOf(circuit, id);
    return section && section->inputs ? section->inputs->number : 0;
}

// A circuit of the balance with its results; the critical one is always in.
struct Member {
    const project::Circuit* circuit = nullptr;
    const steps::CircuitResult* result = nullptr;  // null: nothing calculated yet
    bool critical = false;
    double shared = 0;  // S
    double need = 0;    // N
};

double needOf(const Member& member, const steps::Results& results) {
    if (member.critical) return rounded(results.circulationPressure, 1);
    double sum = member.shared;
    for (const steps::SectionResult& section : member.result->sections) sum += section.loss;
    return rounded(sum, 1);
}

std::vector<Member> membersOf(const project::Document& document, const steps::Results& results) {
    std::vector<Member> members;
    for (std::size_t k = 0; k < document.circuits.size(); ++k) {
        Member member{&document.circuits[k], resultOf(results, document.circuits[k]), k == 0};
        if (!member.critical && !(member.result && member.result->finished)) {
            member.result = nullptr;
        } else {
            member.shared = member.critical || !member.result ? 0 : member.result->sharedPressure;
            member.need = needOf(member, results);
        }
        members.push_back(member);
    }
    return members;
}

bool inBalance(const Member& member) { return member.critical || member.result; }

struct ValveChoice {
    const project::Section* section = nullptr;
    const steps::SectionResult* result = nullptr;
};

// The planner's pick where it still counts, else the first counting valve
// that is not from the second dialog.
std::optional<ValveChoice> balancingValveOf(const Member& member) {
    if (!member.result) return std::nullopt;
    std::optional<ValveChoice> first;
    for (const steps::SectionResult& result : member.result->sections) {
        const project::Section* section = sectionOf(*member.circuit, result.section);
        if (!result.valveCounted || !section || !section->inputs) continue;
        if (member.circuit->balancingValve == result.section) return ValveChoice{section, &result};
        if (!first && section->inputs->valve.dialog != project::ValveDialog::Second)
            first = ValveChoice{section, &result};
    }
    return first;
}

PresettingTable tableOf(const project::Document& document, const project::Circuit& circuit) {
    if (auto own = findTable(document, circuit.presettingTable)) return *own;
    if (auto project = findTable(document, document.balancing.presettingTable)) return *project;
    return *findTable(project::kDefaultPresettingTable);
}

struct Context {
    const project::Document& document;
    double reference = 0;     // P
    double criticalNeed = 0;  // N₀
};

// The flow shares of every step in whole percent; empty where a share
// cannot be formed.
std::vector<int> sharesOf(const Context& context, const Member& member, double massFlow,
                          double open, const PresettingTable& table) {
    std::vector<int> shares;
    const double branch = context.reference - member.shared;
    for (double kv : table.kv) {
        const double denominator = member.need - member.shared - open + openLoss(massFlow, kv);
        if (!(denominator > 0) || branch < 0) return {};
        shares.push_back(static_cast<int>(rounded(100 * std::sqrt(branch / denominator), 0)));
    }
    return shares;
}

// The step whose share comes nearest 100 %, the larger one on a tie.
std::size_t nearestStep(const std::vector<int>& shares) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < shares.size(); ++i)
        if (std::abs(shares[i] - 100) <= std::abs(shares[best] - 100)) best = i;
    return best;
}

void addNoiseMessage(CircuitRow& row, const Context& context) {
    const double limit = context.document.balancing.limits.valveNoise;
    if (row.throttle > limit)
        row.messages.push_back(
            "Am Ventil sind " + mbar(row.throttle) + " mbar abzudrosseln, mehr als " + mbar(limit) +
            " mbar: Geräusche möglich. Ein Differenzdruckregler im Strang hilft.");
}

void setStep(CircuitRow& row, const PresettingTable& table, const std::vector<int>& shares,
             double requiredKv) {
    const std::size_t step = nearestStep(shares);
    row.requiredKv = rounded(requiredKv, 3);
    row.step = table.steps[step];
    row.share = shares[step];
    if (*row.requiredKv > table.kv.back())
        row.messages.push_back("Auch die größte Voreinstellung (kv " + kvText(table.kv.back()) +
                               ") reicht nicht: Durchfluss " + std::to_string(shares.back()) +
                               " %.");
    if (*row.requiredKv < table.kv.front())
        row.messages.push_back("Die kleinste Voreinstellung (kv " + kvText(table.kv.front()) +
                               ") drosselt nicht genug: Durchfluss " +
                               std::to_string(shares.front()) +
                               " %. Ein Strangregulierventil vorsehen.");
}

void setValve(CircuitRow& row, const Context& context, const Member& member,
              const ValveChoice& valve) {
    const project::Valve& fitted = valve.section->inputs->valve;
    const double m = valve.result->massFlow;
    const bool formed = m > 0 && fitted.kv > 0;
    const double open = formed ? openLoss(m, fitted.kv) : 0;
    const double throttle = open + row.excess;
    const PresettingTable table = tableOf(context.document, *member.circuit);
    row.valveSection = valve.section->id;
    row.valveSectionNumber = valve.section->inputs->number;
    row.valveText = tk::trimmed(fitted.shownText);
    row.kv = rounded(fitted.kv, 3);
    row.massFlow = rounded(m, 1);
    row.throttle = rounded(throttle, 1);
    row.table = table.name;
    addNoiseMessage(row, context);
    const std::vector<int> shares =
        formed ? sharesOf(context, member, m, open, table) : std::vector<int>{};
    if (shares.empty()) return;
    const double required = row.excess == 0 ? fitted.kv : fitted.kv * std::sqrt(open / throttle);
    setStep(row, table, shares, required);
}

void setWithoutValve(CircuitRow& row, const Context& context, const Member& member) {
    const bool hasSection = member.result && !member.result->sections.empty();
    const double m = hasSection ? member.result->sections.front().massFlow : 0;
    row.massFlow = rounded(m, 1);
    if (!(row.excess > 0)) return;
    row.throttle = row.excess;
    addNoiseMessage(row, context);
    if (m > 0) row.requiredKv = rounded(m * std::sqrt(kOpenFactor / (100 * row.excess)), 3);
    row.messages.push_back("Kein Ventil in diesem Stromkreis: " + mbar(row.excess) +
                           " mbar sind abzudrosseln, dafür braucht es ein Ventil mit kv " +
                           (row.requiredKv ? kvText(*row.requiredKv) : kNotShown) + ".");
}

CircuitRow rowOf(const Context& context, const Member& member) {
    CircuitRow row;
    row.circuit = member.circuit->id;
    row.riser = member.circuit->riser;
    row.consumerNumber = member.circuit->consumerNumber;
    if (!inBalance(member)) {
        row.messages.push_back("noch nicht fertig");
        return row;
    }
    row.finished = true;
    row.need = member.need;
    row.excess = std::max(0.0, rounded(context.reference - member.need, 1));
    if (!member.critical && member.need > context.criticalNeed)
        row.messages.push_back("Dieser Stromkreis braucht " + mbar(member.need) +
                               " mbar, mehr als der ungünstigste Stromkreis (" +
                               mbar(context.criticalNeed) + " mbar). Die Pumpe muss " +
                               mbar(rounded(member.need - context.criticalNeed, 1)) +
                               " mbar mehr fördern; größere Nennweiten in diesem Stromkreis "
                               "würden helfen.");
    if (const std::optional<ValveChoice> valve = balancingValveOf(member))
        setValve(row, context, member, *valve);
    else
        setWithoutValve(row, context, member);
    return row;
}

// The critical section that carries the most water; null without one.
const steps::SectionResult* largestSection(const Member& critical) {
    const steps::SectionResult* largest = nullptr;
    if (critical.result)
        for (const steps::SectionResult& section : critical.result->sections)
            if (!largest || section.massFlow > largest->massFlow) largest = &section;
    return largest;
}

Pump pumpOf(const project::Document& document, const Member& critical, double reference) {
    Pump pump;
    const steps::SectionResult* largest = largestSection(critical);
    const double m = largest ? largest->massFlow : 0;
    const double x = document.balancing.generatorLoss;
    pump.massFlow = rounded(m, 1);
    pump.sectionNumber = largest ? sectionNumber(*critical.circuit, largest->section) : 0;
    pump.volumeFlow = rounded(m / kDensity, 3);
    pump.referencePressure = rounded(reference, 1);
    pump.generatorLoss = rounded(x, 1);
    pump.pressure = rounded(reference + x, 1);
    pump.pressureKpa = rounded((reference + x) / 10, 2);
    pump.head = rounded((reference + x) * 100 / (kDensity * kGravity), 2);
    return pump;
}

void addPumpChecks(std::vector<std::string>& checks, const std::vector<Member>& members,
                   double pumpFlow) {
    for (const Member& member : members) {
        if (member.critical || !member.result) continue;
        for (const steps::SectionResult& section : member.result->sections)
            if (section.massFlow > pumpFlow)
                checks.push_back(
                    place(*member.circuit, sectionNumber(*member.circuit, section.section)) +
                    "führt mehr Wasser als die Pumpe fördert – fehlen Verbraucher im "
                    "ungünstigsten Stromkreis?");
    }
}

double velocityLimit(const project::Limits& limits, double diameter) {
    for (std::size_t i = 0; i < limits.velocityDiameters.size(); ++i)
        if (diameter <= limits.velocityDiameters[i]) return limits.velocities[i];
    return limits.velocities.back();
}

void addSectionChecks(std::vector<std::string>& checks, const project::Limits& limits,
                      const project::Circuit& circuit, const steps::SectionResult& section) {
    const std::string where = place(circuit, sectionNumber(circuit, section.section));
    const double d = section.innerDiameter;
    if (d > 0) {
        const double velocity = rounded(kVelocityFactor * section.massFlow / (d * d), 2);
        const double limit = velocityLimit(limits, d);
        if (velocity > limit)
            checks.push_back(where + "Geschwindigkeit " + listing::formatNumber(velocity, "0.00") +
                             " m/s über " + listing::formatNumber(limit, "0.00") +
                             " m/s – Geräusche möglich.");
    }
    const double gradient = rounded(section.frictionGradient, 0);
    if (gradient > limits.frictionGradient)
        checks.push_back(where + "Druckgefälle " + listing::formatNumber(gradient, "0") +
                         " Pa/m über " + listing::formatNumber(limits.frictionGradient, "0") +
                         " Pa/m.");
}

}  // namespace

Balance balance(const project::Document& document, const steps::Results& results) {
    Balance out;
    const std::vector<Member> members = membersOf(document, results);
    if (members.empty()) return out;
    Context context{document, 0, members.front().need};
    for (const Member& member : members)
        if (inBalance(member)) context.reference = std::max(context.reference, member.need);
    for (const Member& member : members) {
        out.circuits.push_back(rowOf(context, member));
        if (out.circuits.back().valveSection)
            out.exampleValues |= findTable(out.circuits.back().table) != nullptr;
    }
    out.pump = pumpOf(document, members.front(), context.reference);
    const steps::SectionResult* largest = largestSection(members.front());
    const double pumpFlow = largest ? largest->massFlow : 0;
    addPumpChecks(out.checks, members, pumpFlow);
    for (const Member& member : members)
        if (member.result)
            for (const steps::SectionResult& section : member.result->sections)
                addSectionChecks(out.checks, document.balancing.limits, *member.circuit, section);
    return out;
}

std::vector<project::Id> valveSections(const project::Document&, const steps::Results& results,
                                       const project::Circuit& circuit) {
    std::vector<project::Id> ids;
    const steps::CircuitResult* result = resultOf(results, circuit);
    if (!result) return ids;
    for (const steps::SectionResult& section : result->sections)
        if (section.valveCounted && sectionOf(circuit, section.section))
            ids.push_back(section.section);
    return ids;
}

}  // namespace balancing
