#pragma once
// The project file: the planner's document as UTF-8 JSON ("*.rohrprojekt"),
// with German keys and nothing computed, so that a project reopens on any
// machine for further work. The reader takes only documents whose every
// value the forms' fields would have let through.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/Document.h"

namespace projectfile {

inline constexpr std::string_view kFormat = "rohrweiten-projekt";
inline constexpr int kVersion = 3;
inline constexpr std::string_view kSuffix = "rohrprojekt";
inline constexpr std::string_view kFilter = "Rohrweiten-Projekte (*.rohrprojekt)";

// The file's text. It begins with "format" and "version"; every number is
// the shortest text that reads back to the same double.
std::string projectFileText(const project::Document& document);

struct ReadOutcome {
    std::optional<project::Document> document;  // when the file was taken
    // The version of a file from a newer program; 0 otherwise.
    int newerVersion = 0;
    // Why a damaged file was refused, naming the first wrong place and
    // value: "kreise/2/teilstrecken/5/laenge: 150 liegt nicht zwischen 0,1
    // und 100". Places count from 1, the critical circuit first.
    std::string reason;
};

// Reads a file's bytes into a fresh document. A version 1 file, written
// before the balance was kept, gives the default balance settings; one of
// version 1 or 2 holds no copies of the planner's presetting tables.
ReadOutcome readProjectFile(std::string_view bytes);

// The planner's own presetting tables, kept apart from any project in
// "voreinstelltabellen.json".
inline constexpr std::string_view kTablesFormat = "rohrweiten-voreinstelltabellen";
inline constexpr int kTablesVersion = 1;

std::string plannerTablesText(const std::vector<project::PresettingTable>& tables);

struct TablesOutcome {
    std::optional<std::vector<project::PresettingTable>> tables;  // when the file was taken
    std::string reason;  // why it was refused, naming the place as for projects
    int newerVersion = 0;  // the version of a file from a newer program
};

TablesOutcome readPlannerTables(std::string_view bytes);

}  // namespace projectfile
