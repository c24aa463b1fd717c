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
    // "&Bericht als PDF speichern…": asks for a file name and writes the
    // report there as PDF, as a print that was sent.
    virtual void saveReportPdf(const tk::Form& owner, ReportPart part) = 0;
    // "Arbeitunterbrechen": stores the work for the next start. True when
    // it was stored; only then does the program end.
    virtual bool interruptWork(const std::string& listing) = 0;
    // "Nächster   Strang" of the main form: shows the remaining-sections
    // form with the listing so far.
    virtual void showRemainingSections(const std::string& listing) = 0;
    // "&Projekt speichern" (`askName` false) and "Projekt speichern &unter…"
    // (true): writes the planner's document to its project file, asking for
    // a name the first time or when `askName`. True when it was written.
    virtual bool saveProject(const tk::Form& owner, bool askName) = 0;
    // "Projekt ö&ffnen…": asks for a project file and shows its work.
    virtual void openProject(const tk::Form& owner) = 0;
    // "Projekt &bearbeiten…": the editor over the form; the forms show the
    // edited project once it closes.
    virtual void editProject(const tk::Form& owner) = 0;
    // "Hydraulischer Ab&gleich…": the balance of the project over the form.
    virtual void balanceProject(const tk::Form& owner) = 0;
    // A step of a form has completed: the document may have changed.
    virtual void stepCompleted() = 0;
    // "&Anleitung" of the "&Hilfe" menu: the operating guide beside the
    // form, which keeps its state.
    virtual void showGuide() = 0;
};

}  // namespace forms
