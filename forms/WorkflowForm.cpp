#include "forms/WorkflowForm.h"

#include "forms/EndOfWork.h"
#include "forms/FieldRules.h"
#include "steps/Calculate.h"
#include "toolkit/WindowSystem.h"

namespace forms {

WorkflowForm::WorkflowForm(tk::WindowSystem& windows, const WorkflowKind& kind,
                           calc::CalcState& state, tk::MessageBox& messages,
                           catalogue::Catalogue& catalogue, WorkflowServices& services)
    : tk::Form(windows, kind.name, "Kalvoranberechnung"),
      mnuItemArbeitunterbrechen(*this, "mnuItemArbeitunterbrechen", "Bearbeiten",
                                kind.interruptCaption, "Ctrl+U"),
      state_(state),
      messages_(messages),
      catalogue_(catalogue),
      services_(services),
      checker_(messages),
      kind_(kind) {
    mnuItemArbeitunterbrechen.designDisabled();
    mnuProjektSpeichern.onClick([this] { mnuProjektSpeichern_Click(); });
    mnuProjektSpeichernUnter.onClick([this] { mnuProjektSpeichernUnter_Click(); });
    mnuProjektOeffnen.onClick([this] { mnuProjektOeffnen_Click(); });
    mnuSaveItem.onClick([this] { mnuSaveItem_Click(); });
    mnuPrinterItem.onClick([this] { mnuPrinterItem_Click(); });
    mnuBerichtPdf.onClick([this] { mnuBerichtPdf_Click(); });
    mnuItemArbeitunterbrechen.onClick([this] { mnuItemArbeitunterbrechen_Click(); });
    mnuProjektBearbeiten.designDisabled();
    mnuProjektBearbeiten.onClick([this] { mnuProjektBearbeiten_Click(); });
    mnuAbgleich.designDisabled();
    mnuAbgleich.onClick([this] { mnuAbgleich_Click(); });
    mnuExitItem.onClick([this] { mnuExitItem_Click(); });
    mnuItemAnleitung.onClick([this] { mnuItemAnleitung_Click(); });
}

void WorkflowForm::mnuProjektSpeichern_Click() { services_.saveProject(*this, false); }

void WorkflowForm::mnuProjektSpeichernUnter_Click() { services_.saveProject(*this, true); }

void WorkflowForm::mnuProjektOeffnen_Click() { services_.openProject(*this); }

void WorkflowForm::mnuSaveItem_Click() {
    if (services_.saveWork(*this, listing())) state_.unsavedChanges = false;
}

void WorkflowForm::mnuPrinterItem_Click() { services_.printReport(*this, kind_.reportPart); }

void WorkflowForm::mnuBerichtPdf_Click() { services_.saveReportPdf(*this, kind_.reportPart); }

void WorkflowForm::mnuItemArbeitunterbrechen_Click() {
    if (!services_.interruptWork(listing())) return;
    unload();
    windows().endProgram();
}

// Ends at once, after asking when work would be lost; nothing is saved.
void WorkflowForm::mnuExitItem_Click() {
    if (!mayEnd(state_, messages_)) return;
    unload();
    windows().endProgram();
}

void WorkflowForm::mnuProjektBearbeiten_Click() { services_.editProject(*this); }

void WorkflowForm::mnuAbgleich_Click() { services_.balanceProject(*this); }

void WorkflowForm::mnuItemAnleitung_Click() { services_.showGuide(); }

// Closing the window ends the program like "Beenden", rather than leaving
// it running without a window.
void WorkflowForm::Form_QueryUnload() { mnuExitItem_Click(); }

void WorkflowForm::appendListing(const std::string& piece) {
    tk::TextField& box = listingBox();
    box.setText(box.text() + piece);
}

void WorkflowForm::showStep(int phase) {
    state_.unsavedChanges = true;
    showPhase(*this, kind_.phases, phase, state_.*kind_.phase);
    redrawListing();
    enableProjectEntries();
    services_.stepCompleted();
}

// Work read from a file keeps no document: there is nothing to save as a
// project.
void WorkflowForm::enableProjectEntries() {
    for (tk::MenuEntry* entry : {&mnuProjektSpeichern, &mnuProjektSpeichernUnter})
        entry->setEnabled(state_.document.has_value());
    mnuProjektBearbeiten.setEnabled(state_.document.has_value() && kind_.editable(state_));
    mnuAbgleich.setEnabled(state_.document && !state_.document->circuits.empty() &&
                           state_.document->circuits.front().finished);
}

void WorkflowForm::redrawListing() {
    if (state_.document) listingBox().setText(listing());
}

std::string WorkflowForm::listing() {
    if (!state_.document) return listingBox().text();
    const steps::Calculation calculated = steps::calculate(*state_.document);
    return (kind_.reportPart == ReportPart::CriticalCircuit
                ? calculated.criticalListing
                : steps::remainingStageListing(calculated)) +
           pendingListing();
}

void WorkflowForm::showFinishedWork(int phase) {
    load();
    showModeless();
    listingBox().setText(state_.reportText);
    showStep(phase);
    enableProjectEntries();
    state_.unsavedChanges = false;
}

bool WorkflowForm::nextSection(tk::Control& refusedAt) {
    if (refused(steps::nextSection(state_), refusedAt)) return false;
    if (state_.document)
        project::beginSection(*state_.document, project::currentCircuit(*state_.document));
    catalogue_.unloadBoth();
    return true;
}

bool WorkflowForm::nextRiser(tk::Control& refusedAt, steps::Outcome (*step)(calc::CalcState&)) {
    if (refused(step(state_), refusedAt)) return false;
    catalogue_.unloadBoth();
    return true;
}

void WorkflowForm::takeValveChoice(const catalogue::CatalogueChoice& choice, tk::TextField& kv,
                                   tk::TextField& valveText) {
    state_.valveName = choice.firstMakerText;
    state_.valveOrigin.dialog =
        choice.fromSecondDialog ? project::ValveDialog::Second : project::ValveDialog::First;
    state_.valveOrigin.maker = choice.makerText;
    state_.valveOrigin.model = choice.model;
    kv.setText(choice.kvText);
    valveText.setText(choice.makerText);
}

void WorkflowForm::finishCircuit(void (*step)(calc::CalcState&, std::string&)) {
    std::string text = listing();
    step(state_, text);
    listingBox().setText(text);
    if (state_.document) project::currentCircuit(*state_.document).finished = true;
}

void WorkflowForm::recordSectionInputs(const project::SectionInputs& inputs) {
    if (!state_.document) return;
    project::SectionInputs kept = inputs;
    project::Valve& valve = kept.valve;
    valve.dialog = state_.valveOrigin.dialog;
    valve.maker = state_.valveOrigin.maker;
    valve.model = state_.valveOrigin.model;
    project::setSectionInputs(*state_.document, project::currentCircuit(*state_.document),
                              std::move(kept));
}

bool WorkflowForm::refused(const steps::Outcome& outcome, tk::Control& focus) {
    if (!outcome) return false;
    messages_.show(outcome->text, outcome->title, tk::MessageStyle::Information);
    focus.setFocus();
    return true;
}

}  // namespace forms
