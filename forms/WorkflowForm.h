#pragma once
// What both workflow forms have alike: the menus and what they do, the end
// of the program, the steps on to the next section and the next riser, and
// the listing box that the steps append to.
#include <cstdint>
#include <string>

#include "catalogue/CatalogueForms.h"
#include "forms/FieldChecker.h"
#include "forms/Phases.h"
#include "forms/WorkflowServices.h"
#include "state/CalcState.h"
#include "steps/Steps.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"

namespace forms {

// Where the two workflow forms differ in what they share.
struct WorkflowKind {
    std::string name;              // "frmHaupt", "frmRohrDm"
    std::string interruptCaption;  // of the "Bearbeiten" menu's entry
    ReportPart reportPart;         // what "&Drucken" prints
    const PhaseTable& phases;
    std::int16_t calc::CalcState::*phase;  // where the form's step is recorded
    // True in the steps where no section is half entered, so that the
    // project may be edited.
    bool (*editable)(const calc::CalcState& state);
};

class WorkflowForm : public tk::Form {
public:
    WorkflowForm(tk::WindowSystem& windows, const WorkflowKind& kind, calc::CalcState& state,
                 tk::MessageBox& messages, catalogue::Catalogue& catalogue,
                 WorkflowServices& services);

    void mnuProjektSpeichern_Click();
    void mnuProjektSpeichernUnter_Click();
    void mnuProjektOeffnen_Click();
    void mnuSaveItem_Click();
    void mnuPrinterItem_Click();
    void mnuBerichtPdf_Click();
    void mnuItemArbeitunterbrechen_Click();
    void mnuProjektBearbeiten_Click();
    void mnuAbgleich_Click();
    void mnuExitItem_Click();
    void mnuItemAnleitung_Click();
    void Form_QueryUnload() override;
    // The project entries of "Datei" are open while there is a document,
    // "Projekt bearbeiten…" only in the steps where no section is half entered,
    // "Hydraulischer Abgleich…" once the critical circuit is finished.
    void enableProjectEntries();
    // Draws the listing box anew from the planner's document; work without
    // one keeps what the box shows.
    void redrawListing();

    tk::MenuEntry mnuProjektSpeichern{*this, "mnuProjektSpeichern", "Datei", "&Projekt speichern",
                                      "Ctrl+P"};
    tk::MenuEntry mnuProjektSpeichernUnter{*this, "mnuProjektSpeichernUnter", "Datei",
                                           "Projekt speichern &unter…", ""};
    tk::MenuEntry mnuProjektOeffnen{*this, "mnuProjektOeffnen", "Datei", "Projekt ö&ffnen…",
                                    "Ctrl+O"};
    tk::MenuEntry mnuSaveItem{*this, "mnuSaveItem", "Datei", "&Speichern unter", "Ctrl+S"};
    tk::MenuEntry mnuPrinterItem{*this, "mnuPrinterItem", "Datei", "&Drucken", "Ctrl+D"};
    tk::MenuEntry mnuBerichtPdf{*this, "mnuBerichtPdf", "Datei", "&Bericht als PDF speichern…", ""};
    tk::MenuEntry mnuExitItem{*this, "mnuExitItem", "Datei", "B&eenden", "Ctrl+E"};
    tk::MenuEntry mnuItemArbeitunterbrechen;
    tk::MenuEntry mnuProjektBearbeiten{*this, "mnuProjektBearbeiten", "Bearbeiten",
                                       "Projekt &bearbeiten…", "Ctrl+B"};
    tk::MenuEntry mnuAbgleich{*this, "mnuAbgleich", "Bearbeiten", "Hydraulischer Ab&gleich…",
                              "Ctrl+H"};
    tk::MenuEntry mnuItemAnleitung{*this, "mnuItemAnleitung", "&Hilfe", "&Anleitung", "F1"};

protected:
    // The box that shows the form's listing.
    virtual tk::TextField& listingBox() = 0;
    // The listing as the form shows it: derived from the document where there
    // is one, with what the step in hand showed beyond it; for work without a
    // document, what the steps appended to the box.
    std::string listing();
    // What the step in hand shows beyond the document's listing.
    virtual std::string pendingListing() const { return {}; }
    void appendListing(const std::string& piece);
    // Puts a step of the form's phase table on screen and records it, and
    // draws the listing anew. Every step that passed its checks ends here,
    // after the document took its inputs: the calculation has changed.
    void showStep(int phase);
    // Interrupted work brought back: the form shows the listing of all
    // risers so far at the step `phase`, with nothing unsaved.
    void showFinishedWork(int phase);
    // Counts on to the riser's next section, which the document's circuit in
    // hand begins, and discards the catalogue's choices. False, with the
    // focus on `refusedAt`, when the riser is full.
    bool nextSection(tk::Control& refusedAt);
    // Counts on to the next riser: its first section, no load and no loss
    // yet, and a fresh catalogue. False, with the focus on `refusedAt`, when
    // the project is full.
    bool nextRiser(tk::Control& refusedAt,
                   steps::Outcome (*step)(calc::CalcState&) = steps::nextRiser);
    // Takes the catalogue's choice over: its kv text and maker text into the
    // fields, which the computing step reads. The main form's valve counts by
    // the name taken from the first dialog, even where the second answered.
    void takeValveChoice(const catalogue::CatalogueChoice& choice, tk::TextField& kv,
                         tk::TextField& valveText);
    // "Fertig": the step ends the listing, and the document's circuit in hand
    // is finished.
    void finishCircuit(void (*step)(calc::CalcState&, std::string&));
    // Keeps the inputs of the section in hand in the document, once its
    // computing step has completed.
    void recordSectionInputs(const project::SectionInputs& inputs);
    // Shows a step's refusal, with the focus on `focus`; false when the step
    // completed.
    bool refused(const steps::Outcome& outcome, tk::Control& focus);
    // Runs a step that appends to the listing box.
    template <typename Step>
    steps::Outcome runOnListing(Step step) {
        std::string text = listingBox().text();
        steps::Outcome outcome = step(text);
        if (!outcome) listingBox().setText(text);
        return outcome;
    }

    calc::CalcState& state_;
    tk::MessageBox& messages_;
    catalogue::Catalogue& catalogue_;
    WorkflowServices& services_;
    FieldChecker checker_;

private:
    const WorkflowKind& kind_;
};

}  // namespace forms
