#include "workfile/FrmPersoForm2.h"

#include "toolkit/NumberText.h"
#include "toolkit/WindowSystem.h"

namespace workfile {

FrmPersoForm2::FrmPersoForm2(tk::WindowSystem& windows, calc::CalcState& state,
                             tk::MessageBox& messages, WorkStorage& storage,
                             HeaderHandOver& handOver)
    : tk::Form(windows, "frmPersoForm2", "PersonalBlatt"),
      state_(state),
      messages_(messages),
      storage_(storage),
      handOver_(handOver) {
    const char* tips[] = {"Projekt Nr (00001-10000)",
                          "Name des Sachbearbeiters (erforderlich)",
                          "Datum(erforderlich)",
                          "Auftraggeber (nicht erforderlich",
                          "Auftraggeber (nicht erforderlich",
                          "Auftraggeber (nicht erforderlich)",
                          "Auftraggeber (nicht erforderlich)",
                          "Mit Vorwahl Auftraggeber (nicht erforderlich)",
                          "Baustelle (nicht erforderlich)",
                          "Baustelle (nicht erforderlich)",
                          "Mit Vorwahl Baustelle (nicht erforderlich)"};
    std::size_t k = 0;
    for (tk::TextField* field : fields()) field->designToolTip(tips[k++]);
    cmdWeiter.designToolTip("drücken um zur nächsten Seite zu kommen");
    cmdWeiter.onClick([this] { cmdWeiter_Click(); });
    mnuItemOpen.onClick([this] { mnuItemOpen_Click(); });
    mnuProjektOeffnen.onClick([this] { handOver_.openProject(); });
    mnuItemWeiter.onClick([this] { mnuItemWeiter_Click(); });
    mnuItemExit.onClick([this] { mnuItemExit_Click(); });
}

std::array<tk::TextField*, 11> FrmPersoForm2::fields() {
    return {&txtPersDat1, &txtPersDat2, &txtPersDat3, &txtPersDat4,  &txtPersDat5, &txtPersDat6,
            &txtPersDat7, &txtPersDat8, &txtPersDat9, &txtPersDat10, &txtPersDat11};
}

// "&Weiter Arbeiten" is offered exactly when interrupted work is kept.
void FrmPersoForm2::Form_Load() {
    mnuItemWeiter.setEnabled(storage_.interruptedWorkExists());
    setDefaultButton(&cmdWeiter);
}

void FrmPersoForm2::StoreProjectHeader() {
    std::size_t k = 0;
    for (tk::TextField* field : fields()) state_.projectHeader[k++] = field->text();
}

// What the user typed stays; the focus goes to the first field.
void FrmPersoForm2::ReportMissingInput() {
    messages_.show("Bitte mindestens Projekt-Nr., Bearbeiter oder Datum eingeben.", "Eingabe fehlt",
                   tk::MessageStyle::Exclamation);
    txtPersDat1.setFocus();
}

// New work gives up interrupted work, but only when the user says so.
bool FrmPersoForm2::newWorkMayStart() {
    if (!storage_.interruptedWorkExists()) return true;
    if (!messages_.ask("Es gibt eine unterbrochene Arbeit. Soll sie verworfen werden? Mit „Nein“ "
                       "bleibt sie für „Weiter Arbeiten“ erhalten.",
                       "Unterbrochene Arbeit"))
        return false;
    storage_.discardInterruptedWork();
    return true;
}

void FrmPersoForm2::cmdWeiter_Click() {
    if (tk::isBlank(txtPersDat1.text()) && tk::isBlank(txtPersDat2.text()) &&
        tk::isBlank(txtPersDat3.text())) {
        ReportMissingInput();
        return;
    }
    if (!newWorkMayStart()) return;
    StoreProjectHeader();
    state_.reportText.clear();
    mnuItemWeiter.setEnabled(false);
    hide();
    handOver_.startNewWork();
}

void FrmPersoForm2::mnuItemOpen_Click() {
    setMousePointer(tk::MousePointer::Hourglass);
    std::optional<calc::Project> project = storage_.open(*this);
    setMousePointer(tk::MousePointer::Normal);
    if (!project) return;
    takeOver(state_, std::move(*project));
    mnuItemOpen.setEnabled(false);
    hide();
    handOver_.showLoadedFile();
}

void FrmPersoForm2::mnuItemWeiter_Click() {
    setMousePointer(tk::MousePointer::Hourglass);
    std::optional<calc::Project> project = storage_.resume();
    setMousePointer(tk::MousePointer::Normal);
    if (!project) {
        mnuItemWeiter.setEnabled(false);
        txtPersDat1.setFocus();
        return;
    }
    takeOver(state_, std::move(*project));
    mnuItemOpen.setEnabled(false);
    hide();
    handOver_.resumeWork();
}

// Ends at once; nothing is saved.
void FrmPersoForm2::mnuItemExit_Click() {
    unload();
    windows().endProgram();
}

}  // namespace workfile
