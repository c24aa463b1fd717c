#pragma once
// The network as the editor's tree shows it, in entry order: the project,
// then each circuit with its own sections.
#include <string>
#include <vector>

#include "project/Document.h"
#include "steps/Calculate.h"

namespace editing {

struct TreeItem {
    enum class Kind { Project, Circuit, Section };
    Kind kind = Kind::Project;
    project::Id id = 0;  // of the circuit or section; 0 for the project
    std::string text;
    bool operator==(const TreeItem&) const = default;
};

std::vector<TreeItem> treeItems(const project::Document& document, const steps::Results& results);

}  // namespace editing
