#pragma once
// The dialog "Grenzwerte": the limits the section checks of the balance
// are measured against. Taken as one step on the project, or not at all.
#include <array>
#include <optional>

#include "editor/ProjectChanges.h"
#include "forms/FieldChecker.h"
#include "project/Document.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"

namespace editor {

class FrmGrenzwerte : public tk::Form {
public:
    FrmGrenzwerte(tk::WindowSystem& windows, tk::MessageBox& messages, ProjectChanges& changes);

    // Shows the project's limits modally.
    void showLimits();

    // Event handlers.
    void cmdUebernehmen_Click();
    void cmdStandardwerte_Click();
    void cmdAbbrechen_Click() { unload(); }

    tk::Label lblGeschwindigkeit{*this, "lblGeschwindigkeit", "Höchste Fließgeschwindigkeit"};
    tk::Label lblGeschw16{*this, "lblGeschw16", "bis 16 mm Innendurchmesser (m/s)"};
    tk::TextField txtGeschw16{*this, "txtGeschw16"};
    tk::Label lblGeschw27{*this, "lblGeschw27", "bis 27 mm Innendurchmesser (m/s)"};
    tk::TextField txtGeschw27{*this, "txtGeschw27"};
    tk::Label lblGeschw40{*this, "lblGeschw40", "bis 40 mm Innendurchmesser (m/s)"};
    tk::TextField txtGeschw40{*this, "txtGeschw40"};
    tk::Label lblGeschwDarueber{*this, "lblGeschwDarueber", "darüber (m/s)"};
    tk::TextField txtGeschwDarueber{*this, "txtGeschwDarueber"};
    tk::Label lblReibung{*this, "lblReibung", "Höchstes Rohrreibungsgefälle (Pa/m)"};
    tk::TextField txtReibung{*this, "txtReibung"};
    tk::Label lblVentil{*this, "lblVentil", "Höchste Drosselung am Ventil ohne Geräusch (mbar)"};
    tk::TextField txtVentil{*this, "txtVentil"};
    tk::Button cmdUebernehmen{*this, "cmdUebernehmen", "Übernehmen"};
    tk::Button cmdStandardwerte{*this, "cmdStandardwerte", "Standardwerte"};
    tk::Button cmdAbbrechen{*this, "cmdAbbrechen", "Abbrechen"};

private:
    std::array<tk::TextField*, 6> fields();
    void show(const project::Limits& limits);
    std::optional<project::Limits> checkedLimits();
    std::optional<double> checked(std::size_t index);
    bool take(const project::Limits& limits);

    ProjectChanges& changes_;
    forms::FieldChecker checker_;
};

}  // namespace editor
