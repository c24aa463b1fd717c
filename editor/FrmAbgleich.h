#pragma once
// The window "Hydraulischer Abgleich": the pump's duty, every circuit's
// need, throttle and presetting step, and the checks of every section. The
// loss outside the network, the presetting tables and each circuit's valve
// are the planner's choices: each one a step on the project, in the same
// history as the editor's.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "balancing/Balance.h"
#include "editor/FrmGrenzwerte.h"
#include "editor/FrmVoreinstelltabellen.h"
#include "editor/PlannerTables.h"
#include "editor/ProjectChanges.h"
#include "editor/TableChoices.h"
#include "forms/FieldChecker.h"
#include "forms/FieldRules.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"
#include "toolkit/Printer.h"

namespace editor {

inline constexpr const char* kBalanceCaption = "Hydraulischer Abgleich";

// The window layer prints the presetting sheet of the project in hand:
// through the print dialog, or straight into a PDF file it asks for. The
// sheet writes itself on the printer and returns the printer's failure,
// empty once the pages were sent.
class SheetPrinter {
public:
    using Sheet = std::function<std::string(tk::Printer&)>;
    virtual ~SheetPrinter() = default;
    virtual void printSheet(const tk::Form& owner, const Sheet& sheet) = 0;
    virtual void saveSheetPdf(const tk::Form& owner, const Sheet& sheet) = 0;
};

// The loss of the heat generator and of all else outside the network.
extern const forms::FieldRule kGeneratorLossRule;

// The circuit table as the window shows it: a head line, then each circuit
// with its messages beneath.
std::string circuitTable(const balancing::Balance& balance);
std::string pumpBlock(const balancing::Balance& balance);

class FrmAbgleich : public tk::Form {
public:
    // The dialogs the window opens.
    struct Dialogs {
        FrmGrenzwerte& limits;
        FrmVoreinstelltabellen& tables;
        PlannerTables& plannerTables;
        tk::FileDialog& files;
        SheetPrinter& sheet;
    };
    FrmAbgleich(tk::WindowSystem& windows, tk::MessageBox& messages, ProjectChanges& changes,
                Dialogs dialogs);

    // Shows the balance modally; once it closes, the forms show the project
    // as the window left it.
    void showBalance();
    const balancing::Balance& balance() const { return balance_; }

    // Event handlers.
    bool txtErzeuger_Apply();
    void cboProjektTabelle_Click();
    void cboKreis_Click();
    void cboKreisTabelle_Click();
    void cboVentil_Click();
    void mnuCsv_Click();
    void mnuRueckgaengig_Click();
    void mnuWiederholen_Click();
    void cmdGrenzwerte_Click();
    void cmdTabellen_Click();
    void cmdSchliessen_Click();
    void Form_KeyEscape() override;
    void Form_QueryUnload() override { cmdSchliessen_Click(); }

    tk::MenuEntry mnuDrucken{*this, "mnuDrucken", "&Datei", "Einstellformular &drucken…", ""};
    tk::MenuEntry mnuPdf{*this, "mnuPdf", "&Datei", "Einstellformular als &PDF speichern…", ""};
    tk::MenuEntry mnuCsv{*this, "mnuCsv", "&Datei", "Als &CSV speichern…", ""};
    tk::MenuEntry mnuRueckgaengig{*this, "mnuRueckgaengig", "&Bearbeiten", "&Rückgängig", "Ctrl+Z"};
    tk::MenuEntry mnuWiederholen{*this, "mnuWiederholen", "&Bearbeiten", "&Wiederholen", "Ctrl+Y"};
    tk::MenuEntry mnuSchliessen{*this, "mnuSchliessen", "&Bearbeiten", "&Schließen", ""};

    tk::Label lblPumpe{*this, "lblPumpe", "Pumpe"};
    tk::TextField txtPumpe{*this, "txtPumpe"};
    tk::Label lblErzeuger{*this, "lblErzeuger", "Verlust Wärmeerzeuger u. a. (mbar)"};
    tk::TextField txtErzeuger{*this, "txtErzeuger"};
    tk::Label lblProjektTabelle{*this, "lblProjektTabelle", "Voreinstelltabelle des Projekts"};
    tk::ComboBox cboProjektTabelle{*this, "cboProjektTabelle"};

    tk::Label lblKreise{*this, "lblKreise", "Stromkreise"};
    tk::TextField txtKreise{*this, "txtKreise"};
    tk::Label lblKreis{*this, "lblKreis", "Stromkreis"};
    tk::ComboBox cboKreis{*this, "cboKreis"};
    tk::Label lblKreisTabelle{*this, "lblKreisTabelle", "Voreinstelltabelle des Stromkreises"};
    tk::ComboBox cboKreisTabelle{*this, "cboKreisTabelle"};
    tk::Label lblVentil{*this, "lblVentil", "Abgleichventil"};
    tk::ComboBox cboVentil{*this, "cboVentil"};
    tk::Label lblBeispiel{*this, "lblBeispiel", balancing::kExampleValuesNote};

    tk::Label lblPruefungen{*this, "lblPruefungen", "Prüfungen der Teilstrecken"};
    tk::TextField txtPruefungen{*this, "txtPruefungen"};
    tk::Button cmdTabellen{*this, "cmdTabellen", "Voreinstelltabellen…"};
    tk::Button cmdGrenzwerte{*this, "cmdGrenzwerte", "Grenzwerte…"};
    tk::Button cmdSchliessen{*this, "cmdSchliessen", "Schließen"};

private:
    void wireHandlers();
    void showChanged();
    void showAll();
    void showCircuitChoices();
    const project::Circuit* chosenCircuit() const;
    std::vector<project::Id> valveChoices() const;
    void changeCircuit(const std::string& what,
                       const std::function<void(project::Document&, project::Circuit&)>& change);
    // The entry at `position` (from 1) of the table lists.
    const TableChoice* tableAt(int position) const;
    SheetPrinter::Sheet sheet() const;

    ProjectChanges& changes_;
    Dialogs dialogs_;
    tk::MessageBox& messages_;
    forms::FieldChecker checker_;
    balancing::Balance balance_;
    std::vector<TableChoice> tableChoices_;
    std::size_t circuit_ = 0;  // index into the document's circuits
    std::string shownLoss_;
    std::string refusedLoss_;  // told once
};

}  // namespace editor
