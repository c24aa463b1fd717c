#pragma once
// The project header window: the eleven project fields, and the three ways
// on: new work, a saved file shown, or interrupted work resumed.
#include <array>
#include <string>

#include "state/CalcState.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"
#include "workfile/WorkStorage.h"

namespace workfile {

// Where the header window hands over.
class HeaderHandOver {
public:
    virtual ~HeaderHandOver() = default;
    // The main form for new work.
    virtual void startNewWork() = 0;
    // The display window with the listing of the file just read.
    virtual void showLoadedFile() = 0;
    // The form in which the work just read back had stopped.
    virtual void resumeWork() = 0;
    // "Projekt ö&ffnen…": a project file, shown on the form where it stood.
    virtual void openProject() = 0;
};

class FrmPersoForm2 : public tk::Form {
public:
    FrmPersoForm2(tk::WindowSystem& windows, calc::CalcState& state, tk::MessageBox& messages,
                  WorkStorage& storage, HeaderHandOver& handOver);

    void cmdWeiter_Click();
    void mnuItemOpen_Click();
    void mnuItemWeiter_Click();
    void mnuItemExit_Click();
    void Form_QueryUnload() override { mnuItemExit_Click(); }
    // Copies the eleven fields into the project header.
    void StoreProjectHeader();
    void ReportMissingInput();

    tk::Label lblUeberschrift{*this, "lblUeberschrift", "Projekt- und Personaldaten"};
    tk::Label lblPersDat1{*this, "lblPersDat1", "Projekt-Nr."};
    tk::TextField txtPersDat1{*this, "txtPersDat1"};
    tk::Label lblPersDat2{*this, "lblPersDat2", "Bearbeiter"};
    tk::TextField txtPersDat2{*this, "txtPersDat2"};
    tk::Label lblPersDat3{*this, "lblPersDat3", "Datum"};
    tk::TextField txtPersDat3{*this, "txtPersDat3"};
    tk::Frame fraAuftraggeber{*this, "fraAuftraggeber", "Bauherr/Auftraggeber"};
    tk::Label lblPersDat4{*this, "lblPersDat4", "Name"};
    tk::TextField txtPersDat4{*this, "txtPersDat4"};
    tk::Label lblPersDat5{*this, "lblPersDat5", "Vorname"};
    tk::TextField txtPersDat5{*this, "txtPersDat5"};
    tk::Label lblPersDat6{*this, "lblPersDat6", "Strasse   Haus Nr"};
    tk::TextField txtPersDat6{*this, "txtPersDat6"};
    tk::Label lblPersDat7{*this, "lblPersDat7", "PLZ     Ort"};
    tk::TextField txtPersDat7{*this, "txtPersDat7"};
    tk::Label lblPersDat8{*this, "lblPersDat8", "Telefon"};
    tk::TextField txtPersDat8{*this, "txtPersDat8"};
    tk::Frame fraBaustelle{*this, "fraBaustelle", "Baustelle"};
    tk::Label lblPersDat9{*this, "lblPersDat9", "Stasse   Haus Nr"};
    tk::TextField txtPersDat9{*this, "txtPersDat9"};
    tk::Label lblPersDat10{*this, "lblPersDat10", "PLZ      Ort"};
    tk::TextField txtPersDat10{*this, "txtPersDat10"};
    tk::Label lblPersDat11{*this, "lblPersDat11", "Telefon"};
    tk::TextField txtPersDat11{*this, "txtPersDat11"};
    tk::Button cmdWeiter{*this, "cmdWeiter", "Weiter"};

    tk::MenuEntry mnuProjektOeffnen{*this, "mnuProjektOeffnen", "&Datei", "Projekt ö&ffnen…",
                                    "Ctrl+O"};
    tk::MenuEntry mnuItemOpen{*this, "mnuItemOpen", "&Datei", "&Laden", "Ctrl+L"};
    tk::MenuEntry mnuItemExit{*this, "mnuItemExit", "&Datei", "B&eenden", "Ctrl+E"};
    tk::MenuEntry mnuItemWeiter{*this, "mnuItemWeiter", "&Bearbeiten", "&Weiter Arbeiten",
                                "Ctrl+W"};

    std::array<tk::TextField*, 11> fields();

protected:
    void Form_Load() override;

private:
    bool newWorkMayStart();

    calc::CalcState& state_;
    tk::MessageBox& messages_;
    WorkStorage& storage_;
    HeaderHandOver& handOver_;
};

}  // namespace workfile
