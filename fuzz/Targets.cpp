#include "fuzz/Targets.h"

#include <cstdlib>
#include <string>

#include "circuit/MainFormRules.h"
#include "projectfile/ProjectFile.h"
#include "remaining/RemainingRules.h"
#include "toolkit/NumberText.h"
#include "workfile/Encoding.h"
#include "workfile/WorkFile.h"

namespace fuzz {

void workFile(std::string_view bytes) {
    for (workfile::Lead lead : {workfile::Lead::With, workfile::Lead::Without}) {
        workfile::ReadOutcome read = workfile::readWorkFile(workfile::fromWindows1252(bytes), lead);
        if (!read.project) continue;
        // What was read whole writes back to bytes that read to the same project.
        const std::string again = workfile::toWindows1252(
            workfile::workFileText(*read.project, lead, read.project->reportText));
        workfile::ReadOutcome reread =
            workfile::readWorkFile(workfile::fromWindows1252(again), lead);
        if (!reread.project || !(*reread.project == *read.project)) std::abort();
    }
}

void plannerTables(std::string_view bytes) {
    const projectfile::TablesOutcome read = projectfile::readPlannerTables(bytes);
    if (!read.tables) return;
    const projectfile::TablesOutcome reread =
        projectfile::readPlannerTables(projectfile::plannerTablesText(*read.tables));
    if (!reread.tables || *reread.tables != *read.tables) std::abort();
}

void projectFile(std::string_view bytes) {
    plannerTables(bytes);
    const projectfile::ReadOutcome read = projectfile::readProjectFile(bytes);
    if (!read.document) return;
    const projectfile::ReadOutcome reread =
        projectfile::readProjectFile(projectfile::projectFileText(*read.document));
    if (!reread.document || !(*reread.document == *read.document)) std::abort();
}

void fieldText(std::string_view text) {
    tk::isBlank(text);
    if (auto value = tk::leadingNumberValue(text)) {
        tk::toInt16(*value);
        tk::standardText(*value);
    }
    if (auto value = tk::localeValue(text)) tk::standardText(tk::roundHalfEven(*value));
    tk::wholeNumber(text);
    namespace main = circuit::rules;
    namespace rest = remaining::rules;
    for (const forms::FieldRule* rule :
         {&main::riserNumber, &main::circuitConsumerNumber, &main::supplyTemperature,
          &main::returnTemperature, &main::consumerNumber, &main::consumerLoad,
          &main::sectionNumber, &main::sectionLength, &main::designVelocity, &main::pipeDn,
          &main::kv, &main::consumerCount, &rest::riserNumber, &rest::circuitConsumerNumber,
          &rest::commonSectionNumber, &rest::commonLength, &rest::commonPressure,
          &rest::consumerNumber, &rest::consumerLoad, &rest::sectionNumber, &rest::sectionLength,
          &rest::kv, &rest::consumerCount, &rest::correctionDn, &rest::bendCount, &rest::teeCount,
          &rest::connectionCount, &rest::reducerCount})
        forms::checkField(*rule, text);
}

}  // namespace fuzz
