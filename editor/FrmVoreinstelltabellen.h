#pragma once
// The dialog "Voreinstelltabellen": the planner's own presetting tables,
// kept for every project. A project keeps a copy of each one it uses, so
// changing a table here leaves the projects as they are.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "balancing/TableRules.h"
#include "editor/PlannerTables.h"
#include "forms/FieldChecker.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"

namespace editor {

inline constexpr const char* kNewTable = "(neue Tabelle)";

class FrmVoreinstelltabellen : public tk::Form {
public:
    FrmVoreinstelltabellen(tk::WindowSystem& windows, tk::MessageBox& messages,
                           PlannerTables& tables);

    // Shows the planner's tables modally, the first one chosen.
    void showTables();

    // Event handlers.
    void cboTabelle_Click();
    void cmdSpeichern_Click();
    void cmdLoeschen_Click();
    void cmdSchliessen_Click();
    void Form_QueryUnload() override { cmdSchliessen_Click(); }

    tk::Label lblTabelle{*this, "lblTabelle", "Tabelle"};
    tk::ComboBox cboTabelle{*this, "cboTabelle"};
    tk::Label lblName{*this, "lblName", "Name"};
    tk::TextField txtName{*this, "txtName"};
    // A step's name and kv per row, "txtStufe1" and "txtKv1" to "…12", in
    // the order Tab takes them.
    tk::TextField& txtStufe(std::size_t row) { return rows_[row]->name; }
    tk::TextField& txtKv(std::size_t row) { return rows_[row]->kv; }

private:
    struct StepRow {
        StepRow(tk::Form& form, const std::string& number)
            : name(form, "txtStufe" + number), kv(form, "txtKv" + number) {}
        tk::TextField name;
        tk::TextField kv;
    };
    static std::vector<std::unique_ptr<StepRow>> stepRows(tk::Form& form);
    std::vector<std::unique_ptr<StepRow>> rows_ = stepRows(*this);

public:
    tk::Label lblStufe{*this, "lblStufe", "Stufe"};
    tk::Label lblKv{*this, "lblKv", "kv (m³/h)"};
    tk::Label lblHinweis{*this, "lblHinweis",
                         "Ein Projekt behält eine Kopie jeder Tabelle, die es verwendet."};
    tk::Button cmdSpeichern{*this, "cmdSpeichern", "Speichern"};
    tk::Button cmdLoeschen{*this, "cmdLoeschen", "Löschen"};
    tk::Button cmdSchliessen{*this, "cmdSchliessen", "Schließen"};

private:
    void showList(const std::string& chosen);
    void showTable();
    std::vector<std::string> fieldTexts() const;
    std::vector<balancing::StepText> rows() const;
    // True when nothing typed is left unsaved, the planner asked.
    bool leaveTable();
    bool save();

    PlannerTables& tables_;
    tk::MessageBox& messages_;
    forms::FieldChecker checker_;
    std::vector<std::string> shown_;  // the field texts as last shown or saved
    // The table in hand: its place in the planner's list; none for a new one.
    std::optional<std::size_t> inHand_;
};

}  // namespace editor
