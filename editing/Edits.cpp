#include "editing/Edits.h"

#include <algorithm>
#include <iterator>

#include "hydraulics/PipeTables.h"
#include "listing/FormatMask.h"

namespace editing {

namespace {

struct Place {
    project::Circuit* circuit = nullptr;
    std::size_t index = 0;
};

Place find(project::Document& document, project::Id section) {
    for (project::Circuit& circuit : document.circuits)
        for (std::size_t i = 0; i < circuit.sections.size(); ++i)
            if (circuit.sections[i].id == section) return {&circuit, i};
    return {};
}

steps::Outcome refusal(std::string text) { return steps::correction(std::move(text)); }

}  // namespace

Outcome apply(const project::Document& document, const Change& change) {
    project::Document changed = document;
    if (steps::Outcome refused = change(changed)) return {std::nullopt, std::nullopt, refused};
    steps::Calculation calculation = steps::calculate(changed);
    if (calculation.refusal) return {std::nullopt, std::nullopt, calculation.refusal};
    return {std::move(changed), std::move(calculation), std::nullopt};
}

steps::Outcome insertSection(project::Document& document, project::Id beside, bool after,
                             project::Section section) {
    const Place place = find(document, beside);
    if (!place.circuit) return refusal("Diese Teilstrecke gibt es nicht mehr.");
    section.id = project::newId(document);
    auto& sections = place.circuit->sections;
    sections.insert(sections.begin() + static_cast<std::ptrdiff_t>(place.index + (after ? 1 : 0)),
                    std::move(section));
    return std::nullopt;
}

steps::Outcome deleteSection(project::Document& document, project::Id section) {
    const Place place = find(document, section);
    if (!place.circuit) return refusal("Diese Teilstrecke gibt es nicht mehr.");
    auto& sections = place.circuit->sections;
    if (sections.size() < 2)
        return refusal(
            "Jeder Stromkreis behält mindestens eine eigene Teilstrecke; löschen Sie statt dessen "
            "den Stromkreis.");
    sections.erase(sections.begin() + static_cast<std::ptrdiff_t>(place.index));
    return std::nullopt;
}

steps::Outcome moveSection(project::Document& document, project::Id section, int step) {
    const Place place = find(document, section);
    if (!place.circuit) return refusal("Diese Teilstrecke gibt es nicht mehr.");
    auto& sections = place.circuit->sections;
    const std::ptrdiff_t to = static_cast<std::ptrdiff_t>(place.index) + step;
    if (to < 0 || to >= std::ssize(sections)) return std::nullopt;  // stays at its end
    std::swap(sections[place.index], sections[static_cast<std::size_t>(to)]);
    return std::nullopt;
}

steps::Outcome addConsumer(project::Document& document, project::Id section,
                           project::Consumer consumer) {
    const Place place = find(document, section);
    if (!place.circuit) return refusal("Diese Teilstrecke gibt es nicht mehr.");
    place.circuit->sections[place.index].consumers.push_back(consumer);
    return std::nullopt;
}

steps::Outcome removeConsumer(project::Document& document, project::Id section,
                              std::size_t index) {
    const Place place = find(document, section);
    if (!place.circuit) return refusal("Diese Teilstrecke gibt es nicht mehr.");
    auto& consumers = place.circuit->sections[place.index].consumers;
    if (index >= consumers.size()) return std::nullopt;
    consumers.erase(consumers.begin() + static_cast<std::ptrdiff_t>(index));
    return std::nullopt;
}

steps::Outcome deleteCircuit(project::Document& document, project::Id circuit) {
    auto& circuits = document.circuits;
    const auto found = std::find_if(circuits.begin(), circuits.end(),
                                    [circuit](const project::Circuit& c) { return c.id == circuit; });
    if (found == circuits.end()) return refusal("Diesen Stromkreis gibt es nicht mehr.");
    if (found == circuits.begin())
        return refusal("Der ungünstigste Stromkreis kann nicht gelöscht werden.");
    circuits.erase(found);
    return std::nullopt;
}

namespace {

// The critical circuit's DNs in the new material; a refusal names the first
// section without a size wide enough.
steps::Outcome moveCriticalSizes(project::Document& document, std::int16_t material) {
    if (document.circuits.empty()) return std::nullopt;
    for (project::Section& section : document.circuits.front().sections) {
        if (!section.inputs) continue;
        const std::optional<double> old = hyd::entryDiameter(document.material, section.inputs->dn);
        if (!old) continue;
        const auto table = hyd::pipeTable(material);
        const auto wide = std::find_if(table.begin(), table.end(), [&](const hyd::PipeSize& size) {
            return size.innerDiameter >= *old;
        });
        if (wide == table.end())
            return refusal("Die Rohrart " + calc::materialReportName(material) +
                           " hat keine Nennweite mit mindestens " +
                           listing::formatNumber(*old, "0.00") + " mm Innendurchmesser (TS " +
                           listing::formatNumber(section.inputs->number, "00") + ").");
        section.inputs->dn = wide->entryDn;
    }
    return std::nullopt;
}

}  // namespace

Outcome changeMaterial(const project::Document& document, std::int16_t material) {
    project::Document changed = document;
    if (steps::Outcome refused = moveCriticalSizes(changed, material))
        return {std::nullopt, std::nullopt, refused};
    changed.material = material;
    const steps::Calculation selected =
        steps::calculate(changed, steps::Corrections::SelectedSizes);
    if (selected.refusal) return {std::nullopt, std::nullopt, selected.refusal};
    for (project::Circuit& circuit : changed.circuits)
        for (project::Section& section : circuit.sections)
            if (const steps::SectionResult* result = selected.results.section(section.id);
                result && section.correctedDn)
                section.correctedDn = result->dn;
    return apply(changed, [](project::Document&) { return steps::Outcome{}; });
}

}  // namespace editing
