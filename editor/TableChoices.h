#pragma once
// The presetting tables the balance window offers: the built-in ones, the
// copies the project keeps, and the planner's own. Choosing one of the
// planner's copies it into the project; a copy that differs from the
// planner's table of the same name shows as "<name> (aus dem Projekt)".
#include <optional>
#include <string>
#include <vector>

#include "project/Document.h"

namespace editor {

struct TableChoice {
    std::string shown;
    std::string name;
    // The planner's table that choosing copies into the project.
    std::optional<project::PresettingTable> copy;
};

std::vector<TableChoice> tableChoices(const project::Document& document,
                                      const std::vector<project::PresettingTable>& planner);

// The entry that shows the table of that name as the project uses it; 0
// when none does.
int chosenPosition(const std::vector<TableChoice>& choices, const std::string& name);

// Copies the chosen table into the document where it comes from the
// planner; copies no circuit and not the project use any longer go.
void useTable(project::Document& document, const TableChoice& choice);
void dropUnusedTables(project::Document& document);

}  // namespace editor
