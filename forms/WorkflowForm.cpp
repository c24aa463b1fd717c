#include "forms/WorkflowForm.h"

#include "forms/EndOfWork.h"
#include "forms/FieldRules.h"
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
    mnuSaveItem.onClick([this] { mnuSaveItem_Click(); });
    mnuPrinterItem.onClick([this] { mnuPrinterItem_Click(); });
    mnuItemArbeitunterbrechen.onClick([this] { mnuItemArbeitunterbrechen_Click(); });
    mnuExitItem.onClick([this] { mnuExitItem_Click(); });
    mnuItemAnleitung.onClick([this] { mnuItemAnleitung_Click(); });
}

void WorkflowForm::mnuSaveItem_Click() {
    if (services_.saveWork(*this, listingBox().text())) state_.unsavedChanges = false;
}

void WorkflowForm::mnuPrinterItem_Click() { services_.printReport(*this, kind_.reportPart); }

void WorkflowForm::mnuItemArbeitunterbrechen_Click() {
    if (!services_.interruptWork(listingBox().text())) return;
    unload();
    windows().endProgram();
}

// Ends at once, after asking when work would be lost; nothing is saved.
void WorkflowForm::mnuExitItem_Click() {
    if (!mayEnd(state_, messages_)) return;
    unload();
    windows().endProgram();
}

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
}

void WorkflowForm::showFinishedWork(int phase) {
    load();
    showModeless();
    listingBox().setText(state_.reportText);
    showStep(phase);
    state_.unsavedChanges = false;
}

bool WorkflowForm::nextSection(tk::Control& refused) {
    if (state_.sectionIndex >= calc::kMaxSections) {
        checker_.correction(kProjectFullMessage, refused);
        return false;
    }
    state_.sectionIndex += 1;
    state_.listingLineCount += 1;
    state_.riser.sectionsPerRiser.at(state_.riserIndex) = state_.sectionIndex;
    catalogue_.unloadBoth();
    return true;
}

bool WorkflowForm::nextRiser(tk::Control& refused) {
    if (state_.riserIndex >= calc::kMaxRisers) {
        checker_.correction(kProjectFullMessage, refused);
        return false;
    }
    state_.listingLineCount = 1;
    state_.sectionIndex = 1;
    state_.riserCount += 1;
    state_.riserIndex += 1;
    state_.lastRiserIndex = state_.riserIndex;
    const int r = state_.riserIndex;
    state_.riser.sectionsPerRiser.at(r) = 1;
    state_.riser.riserBranchLoss.at(r) = 0;
    state_.branchLossTotal = 0;
    state_.loadSum = 0;
    catalogue_.unloadBoth();
    return true;
}

void WorkflowForm::recordSectionInputs(const std::string& shownValve,
                                       const std::string& countingValve, double designVelocity,
                                       std::int16_t dn) {
    if (!state_.document) return;
    project::Valve valve = state_.valveOrigin;
    valve.kv = state_.kvValue;
    valve.shownText = shownValve;
    valve.countingText = countingValve;
    project::setSectionInputs(
        *state_.document, project::currentCircuit(*state_.document),
        {state_.sectionNo,
         state_.sectionLength,
         designVelocity,
         dn,
         std::move(valve),
         state_.consumerFlag,
         {state_.bendCount, state_.teeCount, state_.connectionCount, state_.reducerCount}});
}

}  // namespace forms
