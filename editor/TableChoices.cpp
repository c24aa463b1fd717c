#include "editor/TableChoices.h"

#include <algorithm>

#include "balancing/Balance.h"

namespace editor {
namespace {

const project::PresettingTable* named(const std::vector<project::PresettingTable>& tables,
                                      const std::string& name) {
    const auto found = std::find_if(tables.begin(), tables.end(),
                                    [&name](const auto& table) { return table.name == name; });
    return found == tables.end() ? nullptr : &*found;
}

}  // namespace

std::vector<TableChoice> tableChoices(const project::Document& document,
                                      const std::vector<project::PresettingTable>& planner) {
    std::vector<TableChoice> choices;
    for (const balancing::PresettingTable& table : balancing::builtInTables())
        choices.push_back({table.name, table.name, std::nullopt});
    const std::vector<project::PresettingTable>& kept = document.balancing.tables;
    for (const project::PresettingTable& copy : kept) {
        const project::PresettingTable* own = named(planner, copy.name);
        const bool differs = own && !(*own == copy);
        choices.push_back(
            {differs ? copy.name + " (aus dem Projekt)" : copy.name, copy.name, std::nullopt});
    }
    for (const project::PresettingTable& own : planner) {
        const project::PresettingTable* copy = named(kept, own.name);
        if (!copy || !(*copy == own)) choices.push_back({own.name, own.name, own});
    }
    return choices;
}

int chosenPosition(const std::vector<TableChoice>& choices, const std::string& name) {
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].name == name && !choices[i].copy) return static_cast<int>(i) + 1;
    return 0;
}

void useTable(project::Document& document, const TableChoice& choice) {
    if (!choice.copy) return;
    std::vector<project::PresettingTable>& kept = document.balancing.tables;
    const auto found = std::find_if(kept.begin(), kept.end(),
                                    [&choice](const auto& table) { return table.name == choice.name; });
    if (found != kept.end())
        *found = *choice.copy;
    else
        kept.push_back(*choice.copy);
}

void dropUnusedTables(project::Document& document) {
    auto used = [&document](const project::PresettingTable& table) {
        if (document.balancing.presettingTable == table.name) return true;
        return std::any_of(document.circuits.begin(), document.circuits.end(),
                           [&table](const auto& c) { return c.presettingTable == table.name; });
    };
    std::erase_if(document.balancing.tables, [&used](const auto& table) { return !used(table); });
}

}  // namespace editor
