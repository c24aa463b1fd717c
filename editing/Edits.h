#pragma once
// Changes of a project after it was entered, each one step on the planner's
// document: the changed document is calculated again and taken only when
// every step of the calculation passes; otherwise the document stays as it
// was and the step's message says why.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "project/Document.h"
#include "steps/Calculate.h"
#include "steps/Steps.h"

namespace editing {

// A change taken, with its calculation, or the message that refused it.
struct Outcome {
    std::optional<project::Document> document;
    std::optional<steps::Calculation> calculation;
    std::optional<steps::Refusal> refusal;
};

// What a change does to its copy of the document; a refusal leaves it.
using Change = std::function<steps::Outcome(project::Document&)>;

// Applies the change to a copy of the document and calculates the copy.
Outcome apply(const project::Document& document, const Change& change);

// The changes of the sections and circuits. The critical circuit keeps at
// least one section, every further circuit one of its own.
steps::Outcome insertSection(project::Document& document, project::Id beside, bool after,
                             project::Section section);
steps::Outcome deleteSection(project::Document& document, project::Id section);
steps::Outcome moveSection(project::Document& document, project::Id section, int step);
steps::Outcome addConsumer(project::Document& document, project::Id section,
                           project::Consumer consumer);
steps::Outcome removeConsumer(project::Document& document, project::Id section,
                              std::size_t index);
steps::Outcome deleteCircuit(project::Document& document, project::Id circuit);

// Another material for the whole network: each DN typed in the critical
// circuit moves to the new material's smallest size whose inner diameter is
// not below the old one, and every correction becomes the size the new
// calculation selects, as if confirmed.
Outcome changeMaterial(const project::Document& document, std::int16_t material);

}  // namespace editing
