#include "editor/FrmProjektBearbeiten.h"

#include <algorithm>
#include <cctype>

#include "circuit/MainFormRules.h"
#include "editor/FieldText.h"
#include "forms/Fittings.h"
#include "listing/FormatMask.h"
#include "remaining/RemainingRules.h"
#include "toolkit/NumberText.h"

namespace editor {

namespace {

using Kind = editing::TreeItem::Kind;

std::string two(int number) { return listing::formatNumber(number, "00"); }

// "Massenstrom                 98,9 kg/h": the values in one column.
std::string line(std::string label, const std::string& value) {
    const std::size_t characters = tk::characterCount(label);
    return label + std::string(characters < 26 ? 28 - characters : 2, ' ') + value + "\r\n";
}

std::string value(double number, const char* mask, const char* unit) {
    return listing::formatNumber(number, mask) + unit;
}

std::string sectionResults(const steps::SectionResult& r, bool critical) {
    return line("Massenstrom", value(r.massFlow, "0.0", " kg/h")) +
           line("Erforderlicher Durchmesser", value(r.requiredDiameter, "0.0", " mm")) +
           line("DN", std::to_string(r.dn)) +
           line("Innendurchmesser", value(r.innerDiameter, "0.0", " mm")) +
           line("Geschwindigkeit (Liste)", value(r.velocity, "0.00", " m/s")) +
           line("Reibungsgefälle", value(r.frictionGradient, "0.0", " Pa/m")) +
           line("Zeta-Summe", value(r.zetaSum, "0.0", "")) +
           line("Verlust", value(r.loss, "0.0", " mbar")) +
           (critical ? "" : line("Passkennzeichen", std::to_string(r.fitFlag)));
}

std::string circuitResults(const steps::CircuitResult& r) {
    return line("Gemeinsame Länge", value(r.sharedLength, "0.00", " m")) +
           line("Gemeinsamer Druckverlust", value(r.sharedPressure, "0.0", " mbar")) +
           line("Verfügbarer Druck", value(r.availablePressure, "0.0", " mbar")) +
           line("Restlänge", value(r.remainingLength, "0.00", " m")) +
           line("Gefälle", value(r.gradient, "0.00", " mbar/m")) +
           line("Summe eigene Verluste", value(r.ownLossSum, "0.0", " mbar"));
}

std::string consumerText(const project::Consumer& consumer) {
    return "Nr " + tk::standardText(consumer.number) + " – " + tk::standardText(consumer.load) +
           " W";
}

}  // namespace

FrmProjektBearbeiten::FrmProjektBearbeiten(tk::WindowSystem& windows, calc::CalcState& state,
                                           tk::MessageBox& messages,
                                           catalogue::Catalogue& catalogue, ProjectChanges& changes,
                                           FrmAbgleich& balance)
    : tk::Form(windows, "frmProjektBearbeiten", kCaption),
      state_(state),
      messages_(messages),
      catalogue_(catalogue),
      changes_(changes),
      balance_(balance),
      checker_(messages) {
    defineDesign();
    wireHandlers();
    defineReaders();
    changes_.onChanged([this] { showChanged(); });
}

std::array<tk::TextField*, 11> FrmProjektBearbeiten::headerFields() {
    return {&txtPersDat1, &txtPersDat2, &txtPersDat3, &txtPersDat4,  &txtPersDat5, &txtPersDat6,
            &txtPersDat7, &txtPersDat8, &txtPersDat9, &txtPersDat10, &txtPersDat11};
}

void FrmProjektBearbeiten::defineDesign() {
    mnuWiederholen.designSecondShortcut("Ctrl+Shift+Z");
    txtErgebnisse.designMultiLine().designReadOnly();
    for (tk::Button* hidden : {&cmdUebernehmen, &cmdVerwerfen}) hidden->designHidden();
}

void FrmProjektBearbeiten::wireHandlers() {
    tvwProjekt.onSelect([this](int index) { return tvwProjekt_Select(index); });
    tvwProjekt.onKey([this](tk::TreeView::Key key) { tvwProjekt_Key(key); });
    mnuRueckgaengig.onClick([this] { mnuRueckgaengig_Click(); });
    mnuWiederholen.onClick([this] { mnuWiederholen_Click(); });
    mnuSchliessen.onClick([this] { cmdSchliessen_Click(); });
    mnuAbgleich.onClick([this] {
        if (applyPending()) balance_.showBalance();
    });
    cmdSchliessen.onClick([this] { cmdSchliessen_Click(); });
    cmdDavor.onClick([this] { cmdDavor_Click(); });
    cmdDanach.onClick([this] { cmdDanach_Click(); });
    cmdLoeschen.onClick([this] { cmdLoeschen_Click(); });
    cmdHoch.onClick([this] { cmdHoch_Click(); });
    cmdRunter.onClick([this] { cmdRunter_Click(); });
    cmdStromkreisLoeschen.onClick([this] { cmdStromkreisLoeschen_Click(); });
    cmdVerbraucherPlus.onClick([this] { cmdVerbraucherPlus_Click(); });
    cmdVerbraucherMinus.onClick([this] { cmdVerbraucherMinus_Click(); });
    cboVerbraucher.onClick([this] { cboVerbraucher_Click(); });
    cmdKatalog.onClick([this] { cmdKatalog_Click(); });
    cmdUebernehmen.onClick([this] { cmdUebernehmen_Click(); });
    cmdVerwerfen.onClick([this] { cmdVerwerfen_Click(); });
    optStahlrohr.onClick([this] { optRohrart_Click(1); });
    optCuRohr.onClick([this] { optRohrart_Click(2); });
    optWeStahlrohr.onClick([this] { optRohrart_Click(3); });
}

void FrmProjektBearbeiten::Form_Load() {
    insertion_.reset();
    refusedField_ = nullptr;
}

// --- Opening and closing ---

void FrmProjektBearbeiten::edit() {
    changes_.edit([this] {
        load();
        showTree();
        showDetail();
        showMenus();
        showCaption();
        tvwProjekt.setFocus();
        showModal();
        catalogue_.unloadBoth();
    });
}

void FrmProjektBearbeiten::showChanged() {
    if (!loaded()) return;
    showTree();
    showDetail();
    showMenus();
    showCaption();
}

// The field in which text is not yet applied gets its text back.
bool FrmProjektBearbeiten::restoreFocusedField() {
    auto* field = dynamic_cast<tk::TextField*>(const_cast<tk::Control*>(focused()));
    if (!field || !unapplied(*field)) return false;
    field->setText(shown_[field]);
    refusedField_ = nullptr;
    return true;
}

void FrmProjektBearbeiten::cmdSchliessen_Click() {
    if (!applyPending()) return;
    unload();
}

// Esc in a field with text not yet applied restores the field; anywhere
// else it closes the editor.
void FrmProjektBearbeiten::Form_KeyEscape() {
    if (restoreFocusedField()) return;
    unload();
}

// --- Showing the document ---

void FrmProjektBearbeiten::showTree() {
    items_ = editing::treeItems(*state_.document, changes_.calculation().results);
    std::vector<tk::TreeView::Item> shown;
    int selected = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const editing::TreeItem& item = items_[i];
        shown.push_back({item.kind == Kind::Project   ? 0
                         : item.kind == Kind::Circuit ? 1
                                                      : 2,
                         item.text});
        if (item.kind == selection_.kind && item.id == selection_.id)
            selected = static_cast<int>(i);
    }
    tvwProjekt.setItems(std::move(shown));
    tvwProjekt.setSelected(selected);
    selection_ = {items_[static_cast<std::size_t>(selected)].kind,
                  items_[static_cast<std::size_t>(selected)].id};
}

void FrmProjektBearbeiten::showDetail() {
    showing_ = true;
    shown_.clear();
    refusedField_ = nullptr;
    for (const editing::TreeItem& item : items_)
        if (item.kind == selection_.kind && item.id == selection_.id)
            lblAuswahl.setCaption(item.text);
    if (selection_.kind == Kind::Project) {
        showProject();
    } else if (selection_.kind == Kind::Circuit) {
        project::Circuit* circuit = selectedCircuit();
        showCircuit(*circuit, circuit == &state_.document->circuits.front());
    } else {
        showSection(*selectedSection(), inCritical());
    }
    showing_ = false;
}

void FrmProjektBearbeiten::put(tk::TextField& field, std::string text) {
    field.setText(text);
    shown_[&field] = std::move(text);
}

void FrmProjektBearbeiten::showKinds(bool project, bool circuit, bool section, bool critical) {
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             &fraKopf, &lblAuftraggeber, &lblBaustelle, &fraRohrarten, &optStahlrohr, &optCuRohr,
             &optWeStahlrohr, &lblVorlauf, &txtVorlauf, &lblRuecklauf, &txtRuecklauf})
        c->setVisible(project);
    std::size_t k = 0;
    for (tk::TextField* field : headerFields()) {
        field->setVisible(project);
        find("lblPersDat" + std::to_string(++k))->setVisible(project);
    }
    for (tk::Control* c :
         {static_cast<tk::Control*>(&lblStrNr), static_cast<tk::Control*>(&txtStrNr),
          static_cast<tk::Control*>(&lblHFlNr), static_cast<tk::Control*>(&txtHFlNr)})
        c->setVisible(circuit);
    for (tk::Control* c :
         {static_cast<tk::Control*>(&lblGemeinsam), static_cast<tk::Control*>(&txtGemeinsam),
          static_cast<tk::Control*>(&cmdStromkreisLoeschen)})
        c->setVisible(circuit && !critical);
    const bool inputs = section && (insertion_ || selectedSection()->inputs);
    const bool structure = section && !insertion_;
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             &lblTeilstr, &txtTeilstr, &lblTeilstrckmtr, &txtTeilstrckmtr, &lblVentDN, &txtVentDN,
             &lblKVWert, &txtKVWert, &cmdKatalog, &lblVrbrchr, &txtVrbrchr, &lblBoganzahl,
             &txtBoganzahl, &lblTAnzahl, &txtTAnzahl, &lblAnbindAnz, &txtAnbindAnz, &lblReduAnz,
             &txtReduAnz})
        c->setVisible(inputs);
    for (tk::Control* c :
         {static_cast<tk::Control*>(&lblGeschw), static_cast<tk::Control*>(&txtGeschw),
          static_cast<tk::Control*>(&lblRohrDN), static_cast<tk::Control*>(&txtRohrDN)})
        c->setVisible(inputs && critical);
    lblKorrDm.setVisible(inputs && !critical);
    txtKorrDm.setVisible(inputs && !critical);
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             &fraVerbraucher, &lblHzKprNr, &txtHzKprNr, &lblHkLstgW, &txtHkLstgW})
        c->setVisible(section);
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             &cboVerbraucher, &cmdVerbraucherPlus, &cmdVerbraucherMinus, &cmdDavor, &cmdDanach,
             &cmdHoch, &cmdRunter, &cmdLoeschen})
        c->setVisible(structure);
    cmdUebernehmen.setVisible(insertion_.has_value());
    cmdVerwerfen.setVisible(insertion_.has_value());
}

void FrmProjektBearbeiten::showProject() {
    const project::Document& doc = *state_.document;
    showKinds(true, false, false, false);
    std::size_t k = 0;
    for (tk::TextField* field : headerFields()) put(*field, doc.header[k++]);
    optStahlrohr.setValue(doc.material == 1);
    optCuRohr.setValue(doc.material == 2);
    optWeStahlrohr.setValue(doc.material == 3);
    put(txtVorlauf, doc.supplyTemperature.text);
    put(txtRuecklauf, doc.returnTemperature.text);
    const steps::Results& results = changes_.calculation().results;
    txtErgebnisse.setText(line("Rohrart", calc::materialReportName(doc.material)) +
                          line("Vorlauf / Rücklauf", doc.supplyTemperature.text + " / " +
                                                         doc.returnTemperature.text + " °C") +
                          line("Umlaufdruck", value(results.circulationPressure, "0.0", " mbar")) +
                          line("Gesamtlänge", value(results.totalLength, "0.00", " m")));
}

void FrmProjektBearbeiten::showCircuit(const project::Circuit& circuit, bool critical) {
    showKinds(false, true, false, critical);
    put(txtStrNr, std::to_string(circuit.riser));
    put(txtHFlNr, std::to_string(circuit.consumerNumber));
    std::string shared;
    for (std::int16_t number : circuit.sharedSections)
        shared += (shared.empty() ? "" : ", ") + std::to_string(number);
    put(txtGemeinsam, shared);
    std::string results;
    for (const steps::CircuitResult& result : changes_.calculation().results.circuits)
        if (result.circuit == circuit.id) results = circuitResults(result);
    txtErgebnisse.setText(results);
}

void FrmProjektBearbeiten::showSection(const project::Section& section, bool critical) {
    showKinds(false, false, true, critical);
    std::vector<std::string> consumers;
    for (const project::Consumer& consumer : section.consumers)
        consumers.push_back(consumerText(consumer));
    consumer_ = std::min(consumer_, section.consumers.empty() ? 0 : section.consumers.size() - 1);
    cboVerbraucher.setItems(std::move(consumers), static_cast<int>(consumer_) + 1);
    showConsumer();
    cmdVerbraucherMinus.setEnabled(!section.consumers.empty());
    const steps::SectionResult* result = changes_.calculation().results.section(section.id);
    txtErgebnisse.setText(result ? sectionResults(*result, critical) : "Noch nicht berechnet.");
    if (!section.inputs) return;
    const project::SectionInputs& in = *section.inputs;
    put(txtTeilstr, std::to_string(in.number));
    put(txtTeilstrckmtr, tk::standardText(in.length));
    put(txtGeschw, tk::standardText(in.designVelocity));
    put(txtRohrDN, std::to_string(in.dn));
    put(txtKorrDm, section.correctedDn ? std::to_string(*section.correctedDn) : "");
    put(txtVentDN, in.valve.shownText);
    forms::showFittings({txtKVWert, txtVrbrchr, txtBoganzahl, txtTAnzahl, txtAnbindAnz, txtReduAnz},
                        in);
    for (tk::TextField* field :
         {&txtKVWert, &txtVrbrchr, &txtBoganzahl, &txtTAnzahl, &txtAnbindAnz, &txtReduAnz})
        shown_[field] = field->text();
}

void FrmProjektBearbeiten::showConsumer() {
    const project::Section* section = selectedSection();
    if (!section || consumer_ >= section->consumers.size()) {
        put(txtHzKprNr, "");
        put(txtHkLstgW, "");
        txtHzKprNr.setEnabled(false);
        txtHkLstgW.setEnabled(false);
        return;
    }
    txtHzKprNr.setEnabled(true);
    txtHkLstgW.setEnabled(true);
    const project::Consumer& consumer = section->consumers[consumer_];
    put(txtHzKprNr, tk::standardText(consumer.number));
    put(txtHkLstgW, tk::standardText(consumer.load));
}

void FrmProjektBearbeiten::showMenus() {
    changes_.showHistory(mnuRueckgaengig, mnuWiederholen);
    const auto& circuits = changes_.document().circuits;
    mnuAbgleich.setEnabled(!circuits.empty() && circuits.front().finished);
}

void FrmProjektBearbeiten::showCaption() {
    setCaption(std::string(kCaption) + (changes_.unsaved() ? " *" : ""));
}

// --- Selection ---

project::Circuit* FrmProjektBearbeiten::selectedCircuit() {
    if (selection_.kind == Kind::Circuit) return project::findCircuit(*state_.document, selection_.id);
    if (selection_.kind == Kind::Section) return project::circuitOf(*state_.document, selection_.id);
    return nullptr;
}

project::Section* FrmProjektBearbeiten::selectedSection() {
    return selection_.kind == Kind::Section ? project::findSection(*state_.document, selection_.id)
                                            : nullptr;
}

bool FrmProjektBearbeiten::inCritical() const {
    auto* self = const_cast<FrmProjektBearbeiten*>(this);
    const project::Circuit* circuit = self->selectedCircuit();
    return circuit && circuit == &state_.document->circuits.front();
}

std::string FrmProjektBearbeiten::sectionName() const {
    const project::Section* section = const_cast<FrmProjektBearbeiten*>(this)->selectedSection();
    return section && section->inputs ? "TS " + two(section->inputs->number) : "TS";
}

const forms::FieldRule& FrmProjektBearbeiten::rule(const forms::FieldRule& critical,
                                                   const forms::FieldRule& further) const {
    return inCritical() ? critical : further;
}

void FrmProjektBearbeiten::select(Selection selection) {
    selection_ = selection;
    consumer_ = 0;
    showTree();
    showDetail();
}

bool FrmProjektBearbeiten::tvwProjekt_Select(int index) {
    if (!applyPending()) return false;
    insertion_.reset();
    const editing::TreeItem& item = items_.at(static_cast<std::size_t>(index));
    selection_ = {item.kind, item.id};
    consumer_ = 0;
    showDetail();
    return true;
}

void FrmProjektBearbeiten::tvwProjekt_Key(tk::TreeView::Key key) {
    if (key == tk::TreeView::Key::Delete) {
        if (selection_.kind == Kind::Circuit)
            cmdStromkreisLoeschen_Click();
        else if (selection_.kind == Kind::Section)
            cmdLoeschen_Click();
    } else if (selection_.kind == Kind::Section) {
        cmdDanach_Click();
    }
}

// --- Fields ---

bool FrmProjektBearbeiten::commit(const std::string& name, const editing::Change& change) {
    return changes_.commit(name, change);
}

void FrmProjektBearbeiten::mnuRueckgaengig_Click() {
    if (restoreFocusedField()) return;
    insertion_.reset();
    changes_.undo();
}

void FrmProjektBearbeiten::mnuWiederholen_Click() {
    if (!applyPending()) return;
    insertion_.reset();
    changes_.redo();
}

void FrmProjektBearbeiten::optRohrart_Click(std::int16_t material) {
    if (!applyPending() || material == state_.document->material) return;
    if (!changes_.take("Rohrart", editing::changeMaterial(*state_.document, material)))
        showDetail();
}

void FrmProjektBearbeiten::move(int step) {
    if (!applyPending() || !selectedSection()) return;
    commit(sectionName() + " verschieben", [id = selection_.id, step](project::Document& d) {
        return editing::moveSection(d, id, step);
    });
}

void FrmProjektBearbeiten::cmdHoch_Click() { move(-1); }

void FrmProjektBearbeiten::cmdRunter_Click() { move(1); }

void FrmProjektBearbeiten::cmdLoeschen_Click() {
    if (!applyPending() || !selectedSection()) return;
    const std::string name = sectionName();
    if (!messages_.ask(name + " löschen?", kCaption)) return;
    const project::Id id = selection_.id;
    const project::Circuit* circuit = selectedCircuit();
    Selection next{Kind::Circuit, circuit->id};
    for (std::size_t i = 1; i < circuit->sections.size(); ++i)
        if (circuit->sections[i].id == id) next = {Kind::Section, circuit->sections[i - 1].id};
    if (commit(name + " löschen",
               [id](project::Document& d) { return editing::deleteSection(d, id); }))
        select(next);
}

void FrmProjektBearbeiten::cmdStromkreisLoeschen_Click() {
    project::Circuit* circuit = selectedCircuit();
    if (!applyPending() || !circuit) return;
    if (!messages_.ask("Stromkreis Strang " + std::to_string(circuit->riser) + ", Verbraucher " +
                           std::to_string(circuit->consumerNumber) + " löschen?",
                       kCaption))
        return;
    if (commit("Stromkreis löschen",
               [id = circuit->id](project::Document& d) { return editing::deleteCircuit(d, id); }))
        select({Kind::Project, 0});
}

void FrmProjektBearbeiten::cboVerbraucher_Click() {
    if (!applyPending()) return;
    consumer_ = static_cast<std::size_t>(std::max(0, cboVerbraucher.position() - 1));
    showing_ = true;
    showConsumer();
    showing_ = false;
}

void FrmProjektBearbeiten::cmdVerbraucherPlus_Click() {
    if (!applyPending() || !selectedSection()) return;
    insertion_.emplace();
    insertion_->what = Insertion::What::Consumer;
    insertion_->beside = selection_.id;
    showInsertion();
    txtHzKprNr.setFocus();
}

void FrmProjektBearbeiten::cmdVerbraucherMinus_Click() {
    project::Section* section = selectedSection();
    if (!applyPending() || !section || consumer_ >= section->consumers.size()) return;
    commit("Verbraucher entfernen", [id = selection_.id, k = consumer_](project::Document& d) {
        return editing::removeConsumer(d, id, k);
    });
}

// --- Inserting a section or a consumer ---

void FrmProjektBearbeiten::cmdDavor_Click() { beginInsertion(false); }

void FrmProjektBearbeiten::cmdDanach_Click() { beginInsertion(true); }

void FrmProjektBearbeiten::beginInsertion(bool after) {
    if (!applyPending() || !selectedSection()) return;
    insertion_.emplace();
    insertion_->beside = selection_.id;
    insertion_->after = after;
    showInsertion();
    txtTeilstr.setFocus();
}

// The fields of what is inserted, empty; nothing else can be changed
// meanwhile.
void FrmProjektBearbeiten::showInsertion() {
    showing_ = true;
    const bool section = insertion_->what == Insertion::What::Section;
    showKinds(false, false, true, inCritical());
    if (!section)
        for (tk::Control* c : std::initializer_list<tk::Control*>{
                 &lblTeilstr, &txtTeilstr,   &lblTeilstrckmtr, &txtTeilstrckmtr, &lblGeschw,
                 &txtGeschw,  &lblRohrDN,    &txtRohrDN,       &lblKorrDm,       &txtKorrDm,
                 &lblVentDN,  &txtVentDN,    &lblKVWert,       &txtKVWert,       &cmdKatalog,
                 &lblVrbrchr, &txtVrbrchr,   &lblBoganzahl,    &txtBoganzahl,    &lblTAnzahl,
                 &txtTAnzahl, &lblAnbindAnz, &txtAnbindAnz,    &lblReduAnz,      &txtReduAnz})
            c->setVisible(false);
    for (auto& [field, reader] : readers_) put(*const_cast<tk::TextField*>(field), "");
    txtHzKprNr.setEnabled(true);
    txtHkLstgW.setEnabled(true);
    lblAuswahl.setCaption(section ? std::string(insertion_->after ? "Neue Teilstrecke nach "
                                                                  : "Neue Teilstrecke vor ") +
                                        sectionName()
                                  : "Neuer Verbraucher der " + sectionName());
    txtErgebnisse.setText(section ? "Alle Felder ausfüllen, dann Übernehmen."
                                  : "Nummer und Leistung eingeben, dann Übernehmen.");
    showing_ = false;
}

void FrmProjektBearbeiten::cmdVerwerfen_Click() {
    insertion_.reset();
    showDetail();
    tvwProjekt.setFocus();
}

void FrmProjektBearbeiten::cmdUebernehmen_Click() {
    if (!insertion_) return;
    std::optional<project::Consumer> consumer = insertedConsumer();
    if (!consumer) return;
    if (insertion_->what == Insertion::What::Consumer) {
        const project::Id id = insertion_->beside;
        const project::Section* section = selectedSection();
        const std::size_t added = section ? section->consumers.size() : 0;
        insertion_.reset();
        if (commit("Verbraucher hinzufügen", [id, c = *consumer](project::Document& d) {
                return editing::addConsumer(d, id, c);
            }))
            consumer_ = added;
        showDetail();
        return;
    }
    std::optional<project::Section> section = insertedSection();
    if (!section) return;
    section->consumers.push_back(*consumer);
    insertSection(std::move(*section));
}

std::optional<project::Consumer> FrmProjektBearbeiten::insertedConsumer() {
    namespace cr = circuit::rules;
    namespace rr = remaining::rules;
    const bool section = insertion_->what == Insertion::What::Section;
    if (section && !insertedInputsPass()) return std::nullopt;
    auto number = readNumber(rule(cr::consumerNumber, rr::consumerNumber), txtHzKprNr);
    if (!number) return std::nullopt;
    auto load = readNumber(rule(cr::consumerLoad, rr::consumerLoad), txtHkLstgW);
    if (!load) return std::nullopt;
    return project::Consumer{*number, *load};
}

// The new section's fields, each by its rule, in the order of the form.
bool FrmProjektBearbeiten::insertedInputsPass() {
    namespace cr = circuit::rules;
    namespace rr = remaining::rules;
    const bool critical = inCritical();
    project::SectionInputs& in = insertion_->inputs;
    auto number = readWhole(rule(cr::sectionNumber, rr::sectionNumber), txtTeilstr);
    if (!number) return false;
    auto length = readNumber(rule(cr::sectionLength, rr::sectionLength), txtTeilstrckmtr);
    if (!length) return false;
    in.number = *number;
    in.length = *length;
    if (critical) {
        auto velocity = readNumber(cr::designVelocity, txtGeschw);
        if (!velocity) return false;
        auto dn = readWhole(cr::pipeDn, txtRohrDN);
        if (!dn) return false;
        in.designVelocity = *velocity;
        in.dn = *dn;
    }
    auto fittings = forms::checkFittings(
        checker_, {txtKVWert, txtVrbrchr, txtBoganzahl, txtTAnzahl, txtAnbindAnz, txtReduAnz},
        {rule(cr::kv, rr::kv), rule(cr::consumerCount, rr::consumerCount)});
    if (!fittings) return false;
    in.valve.kv = fittings->kv;
    in.valve.shownText = cleaned(txtVentDN.text());
    if (!critical) in.valve.countingText = in.valve.shownText;
    in.consumerFlag = fittings->consumerFlag;
    in.counts = fittings->counts;
    if (!critical && !tk::isBlank(txtKorrDm.text())) {
        auto corrected = readWhole(remaining::rules::correctionDn, txtKorrDm);
        if (!corrected) return false;
        insertion_->correctedDn = *corrected;
    }
    return true;
}

std::optional<project::Section> FrmProjektBearbeiten::insertedSection() {
    project::Section section;
    section.inputs = insertion_->inputs;
    section.correctedDn = insertion_->correctedDn;
    return section;
}

// A further section inserted without a correction takes the size the
// calculation selects, as if confirmed, so that its circuit stays finished.
void FrmProjektBearbeiten::insertSection(project::Section section) {
    const Insertion insertion = *insertion_;
    const bool confirmSelected = !inCritical() && !section.correctedDn;
    project::Document before = *state_.document;
    project::Id inserted = 0;
    editing::Outcome outcome = editing::apply(before, [&](project::Document& d) {
        steps::Outcome refused =
            editing::insertSection(d, insertion.beside, insertion.after, section);
        inserted = d.nextId - 1;
        return refused;
    });
    if (outcome.document && confirmSelected) {
        const steps::SectionResult* result = outcome.calculation->results.section(inserted);
        const std::int16_t size = result ? result->selectedDn : 0;
        outcome = editing::apply(*outcome.document, [inserted, size](project::Document& d) {
            if (project::Section* s = project::findSection(d, inserted)) s->correctedDn = size;
            return steps::Outcome{};
        });
    }
    if (!changes_.take("TS einfügen", std::move(outcome))) return;
    insertion_.reset();
    select({Kind::Section, inserted});
}

// --- The valve from the catalogue ---

void FrmProjektBearbeiten::cmdKatalog_Click() {
    if (!applyPending() || !selectedSection()) return;
    const bool critical = inCritical();
    std::optional<catalogue::CatalogueChoice> choice = catalogue_.Arma(
        critical ? catalogue::Caller::CriticalCircuit : catalogue::Caller::RemainingSections);
    if (!choice) return;
    txtKVWert.setText(choice->kvText);
    txtVentDN.setText(choice->makerText);
    auto kv = readNumber(rule(circuit::rules::kv, remaining::rules::kv), txtKVWert);
    if (!kv) return;
    project::Valve valve;
    valve.kv = *kv;
    valve.shownText = choice->makerText;
    valve.countingText = critical ? choice->firstMakerText : choice->makerText;
    valve.dialog =
        choice->fromSecondDialog ? project::ValveDialog::Second : project::ValveDialog::First;
    valve.maker = choice->makerText;
    valve.model = choice->model;
    if (insertion_) {
        insertion_->inputs.valve = valve;
        return;
    }
    if (!commit("Armatur " + sectionName(),
                [id = selection_.id, valve](project::Document& d) -> steps::Outcome {
                    project::Section* section = project::findSection(d, id);
                    if (!section || !section->inputs) return steps::correction(kSectionGone);
                    section->inputs->valve = valve;
                    return steps::Outcome{};
                }))
        showDetail();
}

}  // namespace editor
