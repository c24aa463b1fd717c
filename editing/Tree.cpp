#include "editing/Tree.h"

#include "listing/FormatMask.h"
#include "toolkit/NumberText.h"

namespace editing {

namespace {

constexpr const char* kDash = " – ";

std::string projectText(const project::Document& document) {
    const std::string& number = document.header[0];
    return tk::isBlank(number) ? "Projekt" : "Projekt " + number;
}

std::string circuitText(const project::Document& document, std::size_t index) {
    const project::Circuit& circuit = document.circuits[index];
    std::string text = "Strang " + std::to_string(circuit.riser) + ", Verbraucher " +
                       std::to_string(circuit.consumerNumber);
    if (index == 0) return "Ungünstigster Stromkreis" + std::string(kDash) + text;
    std::string shared;
    for (std::int16_t number : circuit.sharedSections)
        shared += (shared.empty() ? "" : ", ") + std::to_string(number);
    return text + kDash + "gemeinsam: " + (shared.empty() ? "–" : shared);
}

// "TS 07 – 12,50 m – DN 15"; "DN –" while a further section is not sized,
// and a mark where the size now selected differs from the one confirmed.
std::string sectionText(const project::Section& section, const steps::SectionResult* result) {
    if (!section.inputs) return "Neue Teilstrecke";
    const project::SectionInputs& in = *section.inputs;
    std::string text = "TS " + listing::formatNumber(in.number, "00") + kDash +
                       listing::formatNumber(in.length, "0.00") + " m" + kDash + "DN ";
    if (!result) return text + "–";
    text += std::to_string(result->dn);
    if (section.correctedDn && result->selectedDn != 0 && result->selectedDn != result->dn)
        text += std::string(kDash) + "Vorschlag jetzt DN " + std::to_string(result->selectedDn);
    return text;
}

}  // namespace

std::vector<TreeItem> treeItems(const project::Document& document, const steps::Results& results) {
    using Kind = TreeItem::Kind;
    std::vector<TreeItem> items{{Kind::Project, 0, projectText(document)}};
    for (std::size_t c = 0; c < document.circuits.size(); ++c) {
        const project::Circuit& circuit = document.circuits[c];
        items.push_back({Kind::Circuit, circuit.id, circuitText(document, c)});
        for (const project::Section& section : circuit.sections)
            items.push_back(
                {Kind::Section, section.id, sectionText(section, results.section(section.id))});
    }
    return items;
}

}  // namespace editing
