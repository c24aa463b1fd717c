#pragma once
// The one calculation state of a program run: counters, working values and
// the riser/section tables. Everything that computes or shows results reads
// and writes it; it is passed to the operations explicitly.
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "project/Document.h"

namespace calc {

constexpr int kMaxRisers = 20;
constexpr int kMaxSections = 45;

// True when (riser, section) names a slot of the section tables.
constexpr bool isSectionSlot(int riser, int section) {
    return riser >= 1 && riser <= kMaxRisers && section >= 1 && section <= kMaxSections;
}

// A 1-based table indexed by riser. An index outside the table throws; the
// callers check the limits first and tell the user.
template <typename T>
class RiserTable {
public:
    T& at(int riser) { return values_.at(slot(riser)); }
    const T& at(int riser) const { return values_.at(slot(riser)); }
    void fill(const T& value) { values_.fill(value); }
    bool operator==(const RiserTable&) const = default;

private:
    static std::size_t slot(int riser) {
        if (riser < 1 || riser > kMaxRisers) throw std::out_of_range("riser index");
        return static_cast<std::size_t>(riser - 1);
    }
    std::array<T, kMaxRisers> values_{};
};

// A 1-based table indexed by (riser, section), the riser varying fastest.
template <typename T, int Sections = kMaxSections>
class SectionTable {
public:
    static constexpr int sections = Sections;
    T& at(int riser, int section) { return values_.at(slot(riser, section)); }
    const T& at(int riser, int section) const { return values_.at(slot(riser, section)); }
    void fill(const T& value) { values_.fill(value); }
    bool operator==(const SectionTable&) const = default;

private:
    static std::size_t slot(int riser, int section) {
        if (riser < 1 || riser > kMaxRisers || section < 1 || section > Sections)
            throw std::out_of_range("section index");
        return static_cast<std::size_t>((riser - 1) + kMaxRisers * (section - 1));
    }
    std::array<T, static_cast<std::size_t>(kMaxRisers* Sections)> values_{};
};

// What a work file keeps of each riser.
struct RiserTables {
    RiserTable<std::int16_t> riserNumber;
    RiserTable<std::int16_t> consumerNumber;
    RiserTable<double> riserPressureDrop;  // mbar, one decimal
    RiserTable<std::int16_t> sectionsPerRiser;
    // Remaining sections of the riser.
    RiserTable<double> riserBranchLoss;
    RiserTable<double> riserCorrectedLoss;
    // Line estimates of the printed report.
    RiserTable<std::int16_t> blockLineEstimate;
    bool operator==(const RiserTables&) const = default;
};

// What a work file keeps of each section.
struct SectionTables {
    SectionTable<std::int16_t, kMaxSections + 1> sectionNumber;
    SectionTable<double> sectionLoad;       // W
    SectionTable<double> sectionLength;     // m
    SectionTable<double> designVelocity;    // m/s
    SectionTable<double> massFlow;          // kg/h, working table
    SectionTable<double> listedMassFlow;    // kg/h, the one the listings read
    SectionTable<float> requiredDiameter;   // mm
    SectionTable<std::int16_t> criticalDn;  // DN typed for the critical circuit
    SectionTable<double> velocity;          // m/s
    SectionTable<double> zetaSum;
    SectionTable<double> zetaSumCopy1;
    SectionTable<double> zetaSumCopy2;
    SectionTable<double> pressureDrop;  // mbar, one decimal
    // Remaining sections.
    SectionTable<std::int16_t> sectionDn;
    SectionTable<float> branchRequiredDiameter;
    SectionTable<double> branchVelocity;
    SectionTable<double> branchPressureDrop;
    SectionTable<std::int16_t> fitFlag;
    SectionTable<std::int16_t> correctedDn;
    SectionTable<double> correctedLossTab;
    bool operator==(const SectionTables&) const = default;
};

struct FrictionLaw {
    double coefficient = 0;       // C
    double flowExponent = 0;      // a
    double diameterExponent = 0;  // b
};

// The project: everything a work file saves and reads back, so that a save
// and a read can be compared as a whole.
struct Project {
    std::array<std::string, 11> projectHeader;

    // Totals and position.
    double circulationPressure = 0;  // mbar
    double totalLength = 0;          // m
    std::int16_t pipeMaterial = 0;   // as last set by SelectMaterial
    std::int16_t riserIndex = 0;
    std::int16_t riserCount = 0;
    std::int16_t materialCode = 0;  // 0 while none is chosen
    double temperatureSpread = 0;
    double supplyTemperature = 0;
    double returnTemperature = 0;
    std::int16_t sectionIndex = 1;
    std::int16_t lastRiserIndex = 0;
    std::int16_t spareValue = 0;  // never set but by reading it back

    RiserTables riser;
    SectionTables section;

    // The accumulated listing of all risers.
    std::string reportText;

    bool operator==(const Project&) const = default;
};

// Which risers hold the critical circuit. Until a second riser is begun the
// critical circuit runs up to the riser in hand; from then on it is riser 1,
// and every later riser holds a further circuit, sized against what it left.
constexpr bool inRemainingStage(std::int16_t riserCount) { return riserCount >= 2; }
constexpr std::int16_t lastCriticalRiser(std::int16_t riserIndex, std::int16_t riserCount) {
    return inRemainingStage(riserCount) ? std::int16_t{1} : riserIndex;
}
inline bool inRemainingStage(const Project& p) { return inRemainingStage(p.riserCount); }
inline std::int16_t lastCriticalRiser(const Project& p) {
    return lastCriticalRiser(p.riserIndex, p.riserCount);
}

// Per-riser working tables of the remaining sections.
struct ScratchRiserTables {
    RiserTable<double> commonLength;
    RiserTable<double> commonPressure;
};

// Per-section working tables of the remaining sections.
struct ScratchSectionTables {
    SectionTable<std::int16_t> commonSectionNumber;  // shared section being added
    SectionTable<double> sectionInnerDiameter;
    SectionTable<double> allottedDrop;
    SectionTable<double> correctedLoss;
};

// The values of the step in hand: what was typed, what was taken from the
// catalogue, intermediate results and the pieces of the listing.
struct Scratch {
    std::int16_t listingLineCount = 1;
    std::array<std::string, 3> materialName;  // by material code 1..3

    // Friction law C × L × m^a × d^b (Pa) of the material last installed.
    FrictionLaw friction;
    double innerDiameter = 0;  // mm

    // Consumer and section being entered.
    double supplyTemperatureInput = 0;
    double returnTemperatureInput = 0;
    double consumerLoad = 0;
    double loadSum = 0;
    double sectionLoad = 0;
    std::int16_t sectionNo = 0;
    double sectionLength = 0;
    double designVelocity = 0;
    std::int16_t sectionDnInput = 0;
    double enteredDn = 0;
    double kvValue = 0;  // 0: the section has no valve
    std::string valveName;
    double currentKv = 0;
    double valveZeta = 0;
    float consumerFlag = 0;
    std::int16_t bendCount = 0;
    std::int16_t teeCount = 0;
    std::int16_t connectionCount = 0;
    std::int16_t reducerCount = 0;
    double sectionZeta = 0;
    double massFlow = 0;
    float requiredDiameter = 0;
    double velocity = 0;
    double sectionLoss = 0;  // mbar

    // Remaining sections.
    double addedLength = 0;    // m, of the shared section being added
    double addedPressure = 0;  // mbar, of the shared section being added
    std::int16_t correctedDn = 0;
    double remainingLength = 0;
    double residualGradient = 0;
    double allottedDrop = 0;
    float initialDiameter = 0;
    double frictionLoss = 0;
    double zetaLoss = 0;
    double branchLossTotal = 0;
    ScratchRiserTables riserWork;
    ScratchSectionTables sectionWork;

    // The step each form is at; a resume puts the form back there.
    std::int16_t mainPhase = 0;
    std::int16_t remainingPhase = 0;
    // A step changed the calculation since new work began, work was resumed
    // or last saved.
    bool unsavedChanges = false;

    // What the planner entered since new work began; none for work resumed
    // or read from a file, which keeps no entries.
    std::optional<project::Document> document;
    // Where the valve of the section in hand came from, until its computing
    // step records it.
    project::Valve valveOrigin;
    // The project file the document was last saved to or opened from; empty
    // for none. The document as that file holds it, or as new work began.
    std::string projectPath;
    project::Document savedDocument;
    // Inputs brought back after the program died, not yet saved again.
    bool recovered = false;

    // Pieces of the listing built last.
    std::string listingHeader;
    std::string listingLinePart1;
    std::string listingLinePart2;
    std::string listingFooter;
};

// The one calculation state of a program run.
struct CalcState : Project, Scratch {
    Project& project() { return *this; }
    const Project& project() const { return *this; }
};

// The document holds inputs that its project file (or new work) lacks.
inline bool projectUnsaved(const Scratch& scratch) {
    return scratch.document && (scratch.recovered || *scratch.document != scratch.savedDocument);
}

// The report name of a material code ("Stahlrohr", "Kupferrohr",
// "Weichstahlrohr"); empty for any other code.
std::string materialReportName(int materialCode);

}  // namespace calc
