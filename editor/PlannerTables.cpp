#include "editor/PlannerTables.h"

#include <filesystem>
#include <system_error>

#include "projectfile/ProjectFile.h"
#include "workfile/Files.h"

namespace editor {

PlannerTables::PlannerTables(std::string folder, tk::MessageBox& messages)
    : folder_(std::move(folder)), messages_(messages) {}

void PlannerTables::load() {
    tables_.clear();
    keepOff_ = false;
    std::error_code error;
    if (!std::filesystem::exists(path(), error) && !error) return;
    std::string problem;
    const std::optional<std::string> bytes = workfile::readFileBytes(path(), &problem);
    if (!bytes) {
        keepOff_ = true;
        messages_.show(problem + " Eigene Tabellen werden erst wieder gespeichert, wenn sie "
                                 "gelesen werden kann.",
                       kTablesCaption, tk::MessageStyle::Exclamation);
        return;
    }
    projectfile::TablesOutcome read = projectfile::readPlannerTables(*bytes);
    if (read.tables) {
        tables_ = std::move(*read.tables);
    } else if (read.newerVersion > 0) {
        keepOff_ = true;
        messages_.show("Die Datei " + path() + " stammt aus einer neueren Programmversion (Version " +
                           std::to_string(read.newerVersion) +
                           "). Ihre Tabellen werden hier weder gezeigt noch überschrieben.",
                       kTablesCaption, tk::MessageStyle::Exclamation);
    } else {
        keepDamagedAside(read.reason);
    }
}

void PlannerTables::keepDamagedAside(const std::string& reason) {
    const std::string aside =
        folder_ + "/voreinstelltabellen-defekt-" + workfile::localTimeStamp() + ".json";
    const std::string told = "Die Datei " + path() + " mit den eigenen Voreinstelltabellen ist "
                             "beschädigt (" + reason + "). ";
    if (const std::optional<std::string> failed = workfile::renameFile(path(), aside)) {
        keepOff_ = true;
        messages_.show(told + "Sie konnte nicht beiseitegelegt werden: " + *failed +
                           ". Eigene Tabellen werden nicht gespeichert, solange sie dort liegt.",
                       kTablesCaption, tk::MessageStyle::Exclamation);
        return;
    }
    messages_.show(told + "Sie wurde als " + aside +
                       " beiseitegelegt; die eigenen Tabellen beginnen leer.",
                   kTablesCaption, tk::MessageStyle::Exclamation);
}

bool PlannerTables::save(const std::vector<project::PresettingTable>& tables) {
    std::optional<std::string> failed;
    if (keepOff_) {
        failed = "die vorhandene Datei wurde nicht gelesen";
    } else {
        std::error_code error;
        std::filesystem::create_directories(folder_, error);
        failed = workfile::writeFileAtomically(path(), projectfile::plannerTablesText(tables));
    }
    if (failed) {
        messages_.show(path() + " konnte nicht gespeichert werden: " + *failed + ".",
                       kTablesCaption, tk::MessageStyle::Exclamation);
        return false;
    }
    tables_ = tables;
    return true;
}

}  // namespace editor
