#include "balancing/TableRules.h"

#include <algorithm>

#include "balancing/Balance.h"
#include "toolkit/NumberText.h"

namespace balancing {
namespace {

constexpr const char* kNameMessage = "Bitte einen Namen mit 1 bis 40 Zeichen eingeben.";
constexpr const char* kTakenMessage = "Diesen Namen gibt es schon.";
constexpr const char* kCountMessage = "Eine Tabelle braucht 2 bis 12 Stufen.";
constexpr const char* kStepNameMessage = "Bitte einen Stufennamen mit 1 bis 4 Zeichen eingeben.";
constexpr const char* kKvMessage = "Bitte kv-Werte zwischen 0,01 und 600 eingeben.";
constexpr const char* kRisingMessage = "Die kv-Werte müssen von Stufe zu Stufe steigen.";

bool fits(const std::string& text, std::size_t most) {
    const std::size_t length = tk::characterCount(text);
    return length >= 1 && length <= most && !tk::hasControlCharacters(text);
}

const char* nameFault(const std::string& name, const std::vector<std::string>& taken) {
    if (!fits(name, 40)) return kNameMessage;
    if (std::find(taken.begin(), taken.end(), name) != taken.end()) return kTakenMessage;
    return nullptr;
}

bool kvInRange(double kv) { return kv >= 0.01 && kv <= 600; }

}  // namespace

std::variant<project::PresettingTable, TableFault> checkedTable(
    const std::string& name, const std::vector<StepText>& rows,
    const std::vector<std::string>& takenNames) {
    project::PresettingTable table{tk::trimmed(name), {}};
    if (const char* fault = nameFault(table.name, takenNames))
        return TableFault{TableField::Name, 0, fault};
    std::size_t firstEmpty = rows.size();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::string stepName = tk::trimmed(rows[row].name);
        if (stepName.empty() && tk::isBlank(rows[row].kv)) {
            firstEmpty = std::min(firstEmpty, row);
            continue;
        }
        if (!fits(stepName, 4)) return TableFault{TableField::StepName, row, kStepNameMessage};
        const std::optional<double> kv = tk::hasControlCharacters(rows[row].kv)
                                             ? std::nullopt
                                             : tk::localeValue(rows[row].kv);
        if (!kv || !kvInRange(*kv)) return TableFault{TableField::StepKv, row, kKvMessage};
        if (!table.steps.empty() && *kv <= table.steps.back().kv)
            return TableFault{TableField::StepKv, row, kRisingMessage};
        table.steps.push_back({stepName, *kv});
    }
    if (table.steps.size() < 2 || table.steps.size() > kMostSteps)
        return TableFault{TableField::StepName, firstEmpty == rows.size() ? 0 : firstEmpty,
                          kCountMessage};
    return table;
}

std::string tableFault(const project::PresettingTable& table,
                       const std::vector<std::string>& takenNames) {
    if (table.name != tk::trimmed(table.name)) return kNameMessage;
    if (const char* fault = nameFault(table.name, takenNames)) return fault;
    if (table.steps.size() < 2 || table.steps.size() > kMostSteps) return kCountMessage;
    for (std::size_t i = 0; i < table.steps.size(); ++i) {
        const project::PresettingStep& step = table.steps[i];
        if (step.name != tk::trimmed(step.name) || !fits(step.name, 4)) return kStepNameMessage;
        if (!kvInRange(step.kv)) return kKvMessage;
        if (i > 0 && step.kv <= table.steps[i - 1].kv) return kRisingMessage;
    }
    return {};
}

std::vector<std::string> takenNames(const std::vector<project::PresettingTable>& tables,
                                    std::size_t except) {
    std::vector<std::string> names;
    for (const PresettingTable& table : builtInTables()) names.push_back(table.name);
    for (std::size_t i = 0; i < tables.size(); ++i)
        if (i != except) names.push_back(tables[i].name);
    return names;
}

}  // namespace balancing
