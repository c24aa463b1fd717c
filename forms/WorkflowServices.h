#pragma once
// What the workflow forms hand on to other parts of the program: the work
// file, the printed report, the interrupt, and the next form.
#include <string>

#include "toolkit/Form.h"

namespace forms {

// Which part of the report a form prints.
enum class ReportPart { CriticalCircuit, WithRemainingSections };

class WorkflowServices {
public:
    virtual ~WorkflowServices() = default;
    // "&Speichern unter": asks for a file name and writes the work file with
    // the form's listing as it stands. True when it was written.
    virtual bool saveWork(const tk::Form& owner, const std::string& listing) = 0;
    // "&Drucken": prints the report.
    virtual void printReport(const tk::Form& owner, ReportPart part) = 0;
    // "Arbeitunterbrechen": stores the work for the next start. True when
    // it was stored; only then does the program end.
    virtual bool interruptWork(const std::string& listing) = 0;
    // "Nächster   Strang" of the main form: shows the remaining-sections
    // form with the listing so far.
    virtual void showRemainingSections(const std::string& listing) = 0;
    // "&Anleitung" of the "&Hilfe" menu: the operating guide beside the
    // form, which keeps its state.
    virtual void showGuide() = 0;
};

}  // namespace forms
