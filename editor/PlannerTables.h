#pragma once
// The planner's own presetting tables, kept apart from any project in
// "voreinstelltabellen.json" of the program's configuration folder. The
// file is written atomically; a damaged one is told and kept aside as
// "voreinstelltabellen-defekt-JJJJMMTT-hhmmss.json", never emptied.
#include <string>
#include <vector>

#include "project/Document.h"
#include "toolkit/Dialogs.h"

namespace editor {

inline constexpr const char* kTablesCaption = "Voreinstelltabellen";

class PlannerTables {
public:
    PlannerTables(std::string folder, tk::MessageBox& messages);

    // Reads the file anew; none is no table.
    void load();
    const std::vector<project::PresettingTable>& tables() const { return tables_; }
    // Writes the tables and keeps them; false, and told, where the file
    // could not be written or was not read.
    bool save(const std::vector<project::PresettingTable>& tables);
    std::string path() const { return folder_ + "/voreinstelltabellen.json"; }

private:
    void keepDamagedAside(const std::string& reason);

    std::string folder_;
    tk::MessageBox& messages_;
    std::vector<project::PresettingTable> tables_;
    // A file that could not be read and stays in place (unreadable, from a
    // newer program, or not to be kept aside) is not written over.
    bool keepOff_ = false;
};

}  // namespace editor
