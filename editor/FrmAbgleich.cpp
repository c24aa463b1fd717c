#include "editor/FrmAbgleich.h"

#include <algorithm>
#include <filesystem>

#include "balancing/Csv.h"
#include "balancing/Quantities.h"
#include "editor/FieldText.h"
#include "listing/FormatMask.h"
#include "report/Sheet.h"
#include "toolkit/NumberText.h"
#include "workfile/Files.h"

namespace editor {

const forms::FieldRule kGeneratorLossRule{"txtErzeuger",
                                          forms::Reading::Locale,
                                          0,
                                          true,
                                          10000,
                                          forms::Stored::Locale,
                                          "Bitte Zahlen zwischen 0 und 9999 eingeben.",
                                          "0"};

namespace {

constexpr const char* kDash = "–";

// The text in a column of `width` characters, cut where it is wider.
std::string cell(const std::string& text, std::size_t width, bool right) {
    const std::string shown = tk::firstCharacters(text, width);
    const std::string fill(width - tk::characterCount(shown), ' ');
    return right ? fill + shown : shown + fill;
}

std::string number(double value, const char* mask) { return listing::formatNumber(value, mask); }

std::string optional(const std::optional<double>& value, const char* mask) {
    return value ? number(*value, mask) : kDash;
}

std::string circuitName(const project::Circuit& circuit) {
    return "Strang " + std::to_string(circuit.riser) + ", Verbraucher " +
           std::to_string(circuit.consumerNumber);
}

struct Column {
    const char* title;
    std::size_t width;
    bool right;
};

// Strang, Verbr., TS, Ventil, kv, m, N, E, T, kv erf., Tabelle, Stufe, q.
constexpr Column kColumns[] = {
    {"Strang", 6, true}, {"Verbr.", 7, true},  {"TS", 4, true},          {" Ventil", 19, false},
    {"kv", 7, true},     {"m kg/h", 9, true},  {"N mbar", 8, true},      {"E mbar", 8, true},
    {"T mbar", 8, true}, {"kv erf.", 9, true}, {"  Tabelle", 35, false}, {"Stufe", 6, true},
    {"q", 7, true}};

std::string line(const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i)
        text += cell(cells[i], kColumns[i].width, kColumns[i].right);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text + "\r\n";
}

std::string rowText(const balancing::CircuitRow& row) {
    const std::string riser = std::to_string(row.riser);
    const std::string consumer = std::to_string(row.consumerNumber);
    if (!row.finished) return line({riser, consumer, "", " noch nicht fertig"});
    const bool valve = row.valveSection.has_value();
    std::string text =
        line({riser, consumer, valve ? number(row.valveSectionNumber, "00") : kDash,
              " " + (valve ? row.valveText : std::string(kDash)),
              valve ? number(row.kv, "0.000") : kDash, number(row.massFlow, "0.0"),
              number(row.need, "0.0"), number(row.excess, "0.0"), number(row.throttle, "0.0"),
              optional(row.requiredKv, "0.000"), "  " + (row.table.empty() ? kDash : row.table),
              row.step.value_or(kDash),
              row.share ? std::to_string(*row.share) + " %" : kDash});
    for (const std::string& message : row.messages) text += "        " + message + "\r\n";
    return text;
}

}  // namespace

std::string circuitTable(const balancing::Balance& balance) {
    std::vector<std::string> titles;
    for (const Column& column : kColumns) titles.push_back(column.title);
    std::string text = line(titles);
    for (const balancing::CircuitRow& row : balance.circuits) text += rowText(row);
    return text;
}

std::string pumpBlock(const balancing::Balance& balance) {
    const balancing::Pump& pump = balance.pump;
    return "Förderstrom     " + number(pump.massFlow, "0.0") +
           " kg/h = " + number(pump.volumeFlow, "0.000") + " m³/h (TS " +
           number(pump.sectionNumber, "00") + ")\r\nBezugsdruck P   " +
           number(pump.referencePressure, "0.0") + " mbar\r\nFörderhöhe      " +
           number(pump.head, "0.00") + " m (P + X = " + number(pump.pressure, "0.0") +
           " mbar = " + number(pump.pressureKpa, "0.00") + " kPa)";
}

FrmAbgleich::FrmAbgleich(tk::WindowSystem& windows, tk::MessageBox& messages,
                         ProjectChanges& changes, Dialogs dialogs)
    : tk::Form(windows, "frmAbgleich", kBalanceCaption),
      changes_(changes),
      dialogs_(dialogs),
      messages_(messages),
      checker_(messages) {
    mnuWiederholen.designSecondShortcut("Ctrl+Shift+Z");
    for (tk::TextField* shown : {&txtPumpe, &txtKreise, &txtPruefungen})
        shown->designMultiLine().designReadOnly();
    wireHandlers();
    changes_.onChanged([this] { showChanged(); });
}

void FrmAbgleich::wireHandlers() {
    txtErzeuger.onApply([this] { return txtErzeuger_Apply(); });
    cboProjektTabelle.onClick([this] { cboProjektTabelle_Click(); });
    cboKreis.onClick([this] { cboKreis_Click(); });
    cboKreisTabelle.onClick([this] { cboKreisTabelle_Click(); });
    cboVentil.onClick([this] { cboVentil_Click(); });
    mnuCsv.onClick([this] { mnuCsv_Click(); });
    mnuDrucken.onClick([this] {
        if (txtErzeuger_Apply()) dialogs_.sheet.printSheet(*this, sheet());
    });
    mnuPdf.onClick([this] {
        if (txtErzeuger_Apply()) dialogs_.sheet.saveSheetPdf(*this, sheet());
    });
    mnuRueckgaengig.onClick([this] { mnuRueckgaengig_Click(); });
    mnuWiederholen.onClick([this] { mnuWiederholen_Click(); });
    mnuSchliessen.onClick([this] { cmdSchliessen_Click(); });
    cmdGrenzwerte.onClick([this] { cmdGrenzwerte_Click(); });
    cmdTabellen.onClick([this] { cmdTabellen_Click(); });
    cmdSchliessen.onClick([this] { cmdSchliessen_Click(); });
}

void FrmAbgleich::showBalance() {
    changes_.edit([this] {
        load();
        circuit_ = 0;
        dialogs_.plannerTables.load();
        showAll();
        txtErzeuger.setFocus();
        showModal();
    });
}

void FrmAbgleich::showChanged() {
    if (loaded()) showAll();
}

void FrmAbgleich::showAll() {
    const project::Document& document = changes_.document();
    balance_ = balancing::balance(document, changes_.calculation().results);
    txtPumpe.setText(pumpBlock(balance_));
    shownLoss_ = listing::formatNumber(document.balancing.generatorLoss, "0.0");
    refusedLoss_.clear();
    txtErzeuger.setText(shownLoss_);
    tableChoices_ = tableChoices(document, dialogs_.plannerTables.tables());
    std::vector<std::string> tables;
    for (const TableChoice& choice : tableChoices_) tables.push_back(choice.shown);
    cboProjektTabelle.setItems(std::move(tables),
                               chosenPosition(tableChoices_, document.balancing.presettingTable));
    txtKreise.setText(circuitTable(balance_));
    std::string checks;
    for (const std::string& check : balance_.checks) checks += check + "\r\n";
    txtPruefungen.setText(checks.empty() ? "Keine Auffälligkeiten." : checks);
    lblBeispiel.setVisible(balance_.exampleValues);
    showCircuitChoices();
    changes_.showHistory(mnuRueckgaengig, mnuWiederholen);
    setCaption(std::string(kBalanceCaption) + (changes_.unsaved() ? " *" : ""));
}

const project::Circuit* FrmAbgleich::chosenCircuit() const {
    const auto& circuits = changes_.document().circuits;
    return circuit_ < circuits.size() ? &circuits[circuit_] : nullptr;
}

std::vector<project::Id> FrmAbgleich::valveChoices() const {
    const project::Circuit* circuit = chosenCircuit();
    if (!circuit) return {};
    return balancing::valveSections(changes_.document(), changes_.calculation().results, *circuit);
}

// The circuit in hand with its own table and valve.
void FrmAbgleich::showCircuitChoices() {
    const project::Document& document = changes_.document();
    std::vector<std::string> names;
    for (const project::Circuit& circuit : document.circuits) names.push_back(circuitName(circuit));
    circuit_ = std::min(circuit_, names.empty() ? 0 : names.size() - 1);
    cboKreis.setItems(std::move(names), static_cast<int>(circuit_) + 1);
    const project::Circuit* circuit = chosenCircuit();
    std::vector<std::string> tables{"wie Projekt"};
    for (const TableChoice& choice : tableChoices_) tables.push_back(choice.shown);
    const int own = circuit ? chosenPosition(tableChoices_, circuit->presettingTable) : 0;
    cboKreisTabelle.setItems(std::move(tables), own + 1);
    std::vector<std::string> valves{"erstes zählendes Ventil"};
    int chosen = 1;
    for (project::Id id : valveChoices()) {
        for (const project::Section& section : circuit->sections)
            if (section.id == id && section.inputs)
                valves.push_back("TS " + number(section.inputs->number, "00") + " – " +
                                 section.inputs->valve.shownText);
        if (circuit->balancingValve == id) chosen = static_cast<int>(valves.size());
    }
    cboVentil.setItems(std::move(valves), chosen);
}

bool FrmAbgleich::txtErzeuger_Apply() {
    if (txtErzeuger.text() == shownLoss_) return true;
    if (txtErzeuger.text() == refusedLoss_) {
        txtErzeuger.setFocus();
        return false;
    }
    refusedLoss_ = txtErzeuger.text();
    std::optional<double> loss;
    if (tk::hasControlCharacters(txtErzeuger.text()))
        checker_.correction(kGeneratorLossRule.message, txtErzeuger);
    else
        loss = checker_.number(kGeneratorLossRule, txtErzeuger);
    if (!loss) return false;
    return changes_.commit("Verlust Wärmeerzeuger", [x = *loss](project::Document& d) {
        d.balancing.generatorLoss = x;
        return steps::Outcome{};
    });
}

SheetPrinter::Sheet FrmAbgleich::sheet() const {
    return [this](tk::Printer& printer) {
        return report::printSheet(printer, changes_.document(), changes_.calculation());
    };
}

const TableChoice* FrmAbgleich::tableAt(int position) const {
    if (position < 1 || static_cast<std::size_t>(position) > tableChoices_.size()) return nullptr;
    return &tableChoices_[static_cast<std::size_t>(position - 1)];
}

void FrmAbgleich::cboProjektTabelle_Click() {
    const TableChoice* chosen = tableAt(cboProjektTabelle.position());
    if (!chosen || !txtErzeuger_Apply()) return;
    changes_.commit("Voreinstelltabelle", [choice = *chosen](project::Document& d) {
        useTable(d, choice);
        d.balancing.presettingTable = choice.name;
        dropUnusedTables(d);
        return steps::Outcome{};
    });
}

void FrmAbgleich::cboKreis_Click() {
    circuit_ = static_cast<std::size_t>(std::max(1, cboKreis.position()) - 1);
    showCircuitChoices();
}

// A choice for the circuit in hand, named "<what> Strang <n>" in the history.
void FrmAbgleich::changeCircuit(
    const std::string& what,
    const std::function<void(project::Document&, project::Circuit&)>& change) {
    const project::Circuit& circuit = *chosenCircuit();
    changes_.commit(what + " Strang " + std::to_string(circuit.riser),
                    [id = circuit.id, change](project::Document& d) {
                        for (project::Circuit& c : d.circuits)
                            if (c.id == id) change(d, c);
                        return steps::Outcome{};
                    });
}

void FrmAbgleich::cboKreisTabelle_Click() {
    const project::Circuit* circuit = chosenCircuit();
    if (!circuit || !txtErzeuger_Apply()) return;
    const TableChoice* chosen = tableAt(cboKreisTabelle.position() - 1);
    const TableChoice choice = chosen ? *chosen : TableChoice{};
    changeCircuit("Voreinstelltabelle", [choice](project::Document& d, project::Circuit& c) {
        useTable(d, choice);
        c.presettingTable = choice.name;
        dropUnusedTables(d);
    });
}

void FrmAbgleich::cboVentil_Click() {
    const project::Circuit* circuit = chosenCircuit();
    if (!circuit || !txtErzeuger_Apply()) return;
    const std::vector<project::Id> ids = valveChoices();
    const int position = cboVentil.position();
    std::optional<project::Id> valve;
    if (position >= 2 && static_cast<std::size_t>(position - 2) < ids.size())
        valve = ids[static_cast<std::size_t>(position - 2)];
    changeCircuit("Abgleichventil",
                  [valve](project::Document&, project::Circuit& c) { c.balancingValve = valve; });
}

// Two files beside each other, "<Name>-Abgleich.csv" and "<Name>-Mengen.csv";
// one question covers replacing either.
void FrmAbgleich::mnuCsv_Click() {
    if (!txtErzeuger_Apply()) return;
    constexpr const char* kTitle = "Als CSV speichern";
    std::string base =
        dialogs_.files.choose({tk::FileDialogMode::Save, "CSV-Dateien (*.csv)|*.csv", kTitle, this, "",
                       tk::proposedFileName(changes_.document().header[0], "")});
    if (base.empty()) return;
    if (base.size() > 4 && base.ends_with(".csv")) base.resize(base.size() - 4);
    const std::string names[] = {base + "-Abgleich.csv", base + "-Mengen.csv"};
    if ((std::filesystem::exists(names[0]) || std::filesystem::exists(names[1])) &&
        !messages_.ask(names[0] + " oder " + names[1] + " gibt es schon. Ersetzen?", kTitle))
        return;
    const std::string texts[] = {balancing::balanceCsv(balance_),
                                 balancing::quantitiesCsv(balancing::quantities(
                                     changes_.document(), changes_.calculation().results))};
    for (int i = 0; i < 2; ++i)
        if (auto error = workfile::writeFileAtomically(names[i], texts[i])) {
            messages_.show(names[i] + " konnte nicht gespeichert werden: " + *error + ".", kTitle,
                           tk::MessageStyle::Exclamation);
            return;
        }
}

void FrmAbgleich::mnuRueckgaengig_Click() {
    if (txtErzeuger.hasFocus() && txtErzeuger.text() != shownLoss_) {
        txtErzeuger.setText(shownLoss_);
        return;
    }
    changes_.undo();
}

void FrmAbgleich::mnuWiederholen_Click() {
    if (txtErzeuger_Apply()) changes_.redo();
}

void FrmAbgleich::cmdGrenzwerte_Click() {
    if (txtErzeuger_Apply()) dialogs_.limits.showLimits();
}

// The planner's tables as the dialog left them join the lists.
void FrmAbgleich::cmdTabellen_Click() {
    if (!txtErzeuger_Apply()) return;
    dialogs_.tables.showTables();
    showAll();
}

void FrmAbgleich::cmdSchliessen_Click() {
    if (txtErzeuger_Apply()) unload();
}

// Esc in the changed field restores it; anywhere else it closes the window.
void FrmAbgleich::Form_KeyEscape() {
    if (txtErzeuger.hasFocus() && txtErzeuger.text() != shownLoss_) {
        txtErzeuger.setText(shownLoss_);
        return;
    }
    unload();
}

}  // namespace editor
