#include "project/Document.h"

namespace project {

Id newId(Document& document) { return document.nextId++; }

Circuit& beginCircuit(Document& document, std::int16_t riser, std::int16_t consumerNumber) {
    Circuit& circuit = document.circuits.emplace_back();
    circuit.id = newId(document);
    circuit.riser = riser;
    circuit.consumerNumber = consumerNumber;
    return circuit;
}

Section& beginSection(Document& document, Circuit& circuit) {
    Section& section = circuit.sections.emplace_back();
    section.id = newId(document);
    return section;
}

Circuit& currentCircuit(Document& document) {
    if (document.circuits.empty()) return beginCircuit(document, 0, 0);
    return document.circuits.back();
}

Section& currentSection(Document& document, Circuit& circuit) {
    if (circuit.sections.empty()) return beginSection(document, circuit);
    return circuit.sections.back();
}

void addConsumer(Document& document, Circuit& circuit, Consumer consumer) {
    currentSection(document, circuit).consumers.push_back(consumer);
}

void setSectionInputs(Document& document, Circuit& circuit, SectionInputs inputs) {
    currentSection(document, circuit).inputs = std::move(inputs);
}

Section* findSection(Document& document, Id id) {
    for (Circuit& circuit : document.circuits)
        for (Section& section : circuit.sections)
            if (section.id == id) return &section;
    return nullptr;
}

Circuit* findCircuit(Document& document, Id id) {
    for (Circuit& circuit : document.circuits)
        if (circuit.id == id) return &circuit;
    return nullptr;
}

Circuit* circuitOf(Document& document, Id section) {
    for (Circuit& circuit : document.circuits)
        for (const Section& s : circuit.sections)
            if (s.id == section) return &circuit;
    return nullptr;
}

}  // namespace project
