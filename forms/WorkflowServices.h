#pragma once
// What the workflow forms hand on to other parts of the program: the work
// file, the printed report, the interrupt, and the next form.
#include <string>

namespace forms {

class WorkflowServices {
public:
    virtual ~WorkflowServices() = default;
    // "&Speichern unter": asks for a file name and writes the work file.
    virtual void saveWork() = 0;
    // "&Drucken": prints the report.
    virtual void printReport() = 0;
    // "Arbeitunterbrechen": stores the work for the next start. True when
    // it was stored; only then does the program end.
    virtual bool interruptWork() = 0;
    // "Nächster   Strang" of the main form: shows the remaining-sections
    // form with the listing so far.
    virtual void showRemainingSections(const std::string& listing) = 0;
};

}  // namespace forms
