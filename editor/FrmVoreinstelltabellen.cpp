#include "editor/FrmVoreinstelltabellen.h"

#include <algorithm>
#include <variant>

#include "toolkit/NumberText.h"

namespace editor {

FrmVoreinstelltabellen::FrmVoreinstelltabellen(tk::WindowSystem& windows,
                                               tk::MessageBox& messages, PlannerTables& tables)
    : tk::Form(windows, "frmVoreinstelltabellen", kTablesCaption),
      tables_(tables),
      messages_(messages),
      checker_(messages) {
    txtName.designMaxLength(40);
    cboTabelle.onClick([this] { cboTabelle_Click(); });
    cmdSpeichern.onClick([this] { cmdSpeichern_Click(); });
    cmdLoeschen.onClick([this] { cmdLoeschen_Click(); });
    cmdSchliessen.onClick([this] { cmdSchliessen_Click(); });
}

std::vector<std::unique_ptr<FrmVoreinstelltabellen::StepRow>> FrmVoreinstelltabellen::stepRows(
    tk::Form& form) {
    std::vector<std::unique_ptr<StepRow>> rows;
    for (std::size_t row = 1; row <= balancing::kMostSteps; ++row) {
        rows.push_back(std::make_unique<StepRow>(form, std::to_string(row)));
        rows.back()->name.designMaxLength(4);
    }
    return rows;
}

void FrmVoreinstelltabellen::showTables() {
    load();
    setDefaultButton(&cmdSpeichern);
    tables_.load();
    showList(tables_.tables().empty() ? "" : tables_.tables().front().name);
    txtName.setFocus();
    showModal();
}

// The list with "(neue Tabelle)" first and the table of that name chosen.
void FrmVoreinstelltabellen::showList(const std::string& chosen) {
    std::vector<std::string> names{kNewTable};
    int position = 1;
    for (const project::PresettingTable& table : tables_.tables()) {
        names.push_back(table.name);
        if (table.name == chosen) position = static_cast<int>(names.size());
    }
    cboTabelle.setItems(std::move(names), position);
    showTable();
}

// The table at the list's chosen entry; empty fields for a new one.
void FrmVoreinstelltabellen::showTable() {
    const int position = cboTabelle.position();
    inHand_ = position >= 2 ? std::optional(static_cast<std::size_t>(position - 2)) : std::nullopt;
    const project::PresettingTable* table = inHand_ ? &tables_.tables()[*inHand_] : nullptr;
    txtName.setText(table ? table->name : "");
    for (std::size_t row = 0; row < balancing::kMostSteps; ++row) {
        const bool filled = table && row < table->steps.size();
        txtStufe(row).setText(filled ? table->steps[row].name : "");
        txtKv(row).setText(filled ? tk::standardText(table->steps[row].kv) : "");
    }
    cmdLoeschen.setEnabled(table != nullptr);
    shown_ = fieldTexts();
}

std::vector<std::string> FrmVoreinstelltabellen::fieldTexts() const {
    std::vector<std::string> texts{txtName.text()};
    for (std::size_t row = 0; row < balancing::kMostSteps; ++row) {
        texts.push_back(rows_[row]->name.text());
        texts.push_back(rows_[row]->kv.text());
    }
    return texts;
}

std::vector<balancing::StepText> FrmVoreinstelltabellen::rows() const {
    std::vector<balancing::StepText> rows;
    for (std::size_t row = 0; row < balancing::kMostSteps; ++row)
        rows.push_back({rows_[row]->name.text(), rows_[row]->kv.text()});
    return rows;
}

bool FrmVoreinstelltabellen::save() {
    const std::optional<std::size_t> index = inHand_;
    std::vector<project::PresettingTable> tables = tables_.tables();
    const auto checked = balancing::checkedTable(
        txtName.text(), rows(), balancing::takenNames(tables, index.value_or(tables.size())));
    if (const auto* fault = std::get_if<balancing::TableFault>(&checked)) {
        tk::Control& field = fault->field == balancing::TableField::Name ? txtName
                             : fault->field == balancing::TableField::StepName
                                 ? txtStufe(fault->row)
                                 : txtKv(fault->row);
        checker_.correction(fault->message, field);
        return false;
    }
    const project::PresettingTable& table = std::get<project::PresettingTable>(checked);
    if (index)
        tables[*index] = table;
    else
        tables.push_back(table);
    if (!tables_.save(tables)) return false;
    showList(table.name);
    return true;
}

bool FrmVoreinstelltabellen::leaveTable() {
    if (fieldTexts() == shown_) return true;
    const std::string name = inHand_ ? tables_.tables()[*inHand_].name : kNewTable;
    if (!messages_.ask("Die Änderungen an der Tabelle „" + name +
                           "“ sind nicht gespeichert. Jetzt speichern?",
                       kTablesCaption))
        return true;
    return save();
}

// Saving the table left may renew the list; its entries keep their places.
void FrmVoreinstelltabellen::cboTabelle_Click() {
    const int chosen = cboTabelle.position();
    if (!leaveTable()) {
        cboTabelle.setItems(cboTabelle.items(), inHand_ ? static_cast<int>(*inHand_) + 2 : 1);
        return;
    }
    cboTabelle.setItems(cboTabelle.items(), chosen);
    showTable();
}

void FrmVoreinstelltabellen::cmdSpeichern_Click() { save(); }

void FrmVoreinstelltabellen::cmdLoeschen_Click() {
    const std::optional<std::size_t> index = inHand_;
    if (!index) return;
    std::vector<project::PresettingTable> tables = tables_.tables();
    if (!messages_.ask("Die Tabelle „" + tables[*index].name +
                           "“ löschen? Projekte, die sie verwenden, behalten ihre Kopie.",
                       kTablesCaption))
        return;
    tables.erase(tables.begin() + static_cast<std::ptrdiff_t>(*index));
    if (tables_.save(tables)) showList(tables.empty() ? "" : tables.front().name);
}

void FrmVoreinstelltabellen::cmdSchliessen_Click() {
    if (leaveTable()) unload();
}

}  // namespace editor
