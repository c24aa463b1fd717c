#include "remaining/FrmRohrDm.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "forms/Fittings.h"
#include "hydraulics/PipeTables.h"
#include "remaining/RemainingRules.h"
#include "toolkit/NumberText.h"
#include "toolkit/WindowSystem.h"

namespace remaining {

const forms::PhaseTable& remainingPhaseTable() {
    using forms::join;
    using forms::Names;
    static const Names shared{"txtStrNr", "txtHFlNr", "txtTlStrckNr", "txtTlStLng", "txtPverbrcht"};
    static const Names consumers{"txtHzKprNr", "txtHkLstgW"};
    static const Names sum{"lblSumLstg", "txtGesLstg"};
    static const Names section{"txtTeistr",  "txtTeilstrckmtr", "txtVentDN",
                               "txtKVWert",  "txtVrbrchr",      "txtBoganzahl",
                               "txtTAnzahl", "txtAnbindAnz",    "txtReduAnz"};
    static const Names correction = join({section, {"txtKorrDm"}});
    static const forms::PhaseTable table{
        .shown = join({{"cmdAddition", "cmdStromkreis", "cmdNaechstVerbrauch", "cmdWeiter"},
                       consumers,
                       sum,
                       section,
                       {"cmdTeilRohr", "txtKorrDm", "cmdDNkorrektur", "cmdNaechsteTeilstrck",
                        "cmdFertig", "cmdNaechsterStrang"}}),
        .enabled = join({consumers, {"mnuItemArbeitunterbrechen"}}),
        .readOnly = join({shared, correction}),
        .rows =
            {
                // Shared
                {{"cmdAddition", "cmdStromkreis"}, consumers, {}, "txtStrNr", "cmdAddition"},
                // Consumers
                {join({consumers, {"cmdNaechstVerbrauch"}}), consumers, shared, "txtHzKprNr",
                 "cmdNaechstVerbrauch"},
                // ConsumerAdded
                {join({consumers, sum, {"cmdNaechstVerbrauch", "cmdWeiter"}}), consumers, shared,
                 "txtHzKprNr", "cmdNaechstVerbrauch"},
                // SectionData
                {join({consumers, sum, section, {"cmdTeilRohr"}}),
                 {},
                 shared,
                 "txtTeistr",
                 "cmdTeilRohr"},
                // Correction: the section's fields stay as they were taken.
                {join({consumers, sum, section, {"txtKorrDm", "cmdDNkorrektur"}}),
                 {},
                 join({shared, section}),
                 "txtKorrDm",
                 "cmdDNkorrektur"},
                // SectionDone
                {join({consumers, sum, correction, {"cmdNaechsteTeilstrck", "cmdFertig"}}),
                 {},
                 join({shared, correction}),
                 "cmdNaechsteTeilstrck",
                 "cmdNaechsteTeilstrck"},
                // NextSection: a section may carry the load sum so far without a new
                // consumer.
                {join({consumers, sum, {"cmdNaechstVerbrauch", "cmdWeiter"}}), consumers, shared,
                 "txtHzKprNr", "cmdNaechstVerbrauch"},
                // RiserDone: the work can be interrupted until the next riser.
                {join({consumers, sum, correction, {"cmdNaechsterStrang"}}),
                 {"mnuItemArbeitunterbrechen"},
                 join({shared, correction}),
                 "cmdNaechsterStrang",
                 "cmdNaechsterStrang"},
                // Resumed: a finished riser brought back; only the next riser is open.
                {{"cmdNaechsterStrang"},
                 {"mnuItemArbeitunterbrechen"},
                 shared,
                 "cmdNaechsterStrang",
                 "cmdNaechsterStrang"},
            },
    };
    return table;
}

namespace {

// The shared sections may be edited only before the first of them is added.
bool editable(const calc::CalcState& state) {
    switch (static_cast<RemainingPhase>(state.remainingPhase)) {
        case RemainingPhase::Shared: {
            const std::vector<project::Circuit>& circuits = state.document->circuits;
            return !circuits.empty() &&
                   (circuits.back().finished || circuits.back().sharedSections.empty());
        }
        case RemainingPhase::Consumers:
        case RemainingPhase::NextSection:
        case RemainingPhase::SectionDone:
        case RemainingPhase::RiserDone:
        case RemainingPhase::Resumed:
            return true;
        default:
            return false;
    }
}

const forms::WorkflowKind& remainingFormKind() {
    static const forms::WorkflowKind kind{"frmRohrDm",
                                          "Arbeitunterbrechen",
                                          forms::ReportPart::WithRemainingSections,
                                          remainingPhaseTable(),
                                          &calc::CalcState::remainingPhase,
                                          editable};
    return kind;
}

}  // namespace

FrmRohrDm::FrmRohrDm(tk::WindowSystem& windows, calc::CalcState& state, tk::MessageBox& messages,
                     catalogue::Catalogue& catalogue, forms::WorkflowServices& services)
    : forms::WorkflowForm(windows, remainingFormKind(), state, messages, catalogue, services),
      consumers_(state, checker_, {txtHzKprNr, txtHkLstgW, txtGesLstg},
                 {rules::consumerNumber, rules::consumerLoad}) {
    defineDesign();
    wireHandlers();
}

void FrmRohrDm::defineDesign() {
    txtStrNr.designMaxLength(2);
    txtHFlNr.designMaxLength(4);
    txtTlStrckNr.designMaxLength(3);
    txtTlStLng.designMaxLength(5);
    txtPverbrcht.designMaxLength(6);
    txtTlStrLngSum.designReadOnly();
    txtPVerlSum.designReadOnly();
    txtHzKprNr.designMaxLength(5).designToolTip(
        "Nummer des Verbrauchers z.B. Heizkörper, Fussbodenkreis u.s.w Zahlen zwischen 1 und 9999 "
        "eingeben");
    txtHkLstgW.designMaxLength(5).designToolTip(
        "Wärmeleistung der Verbraucher von 10 bis 50000 eingeben ");
    cmdNaechstVerbrauch.designToolTip("Addiert die verbraucher");
    txtGesLstg.designReadOnly().designToolTip("Zeigt die Summe der Verbraucher an");
    cmdWeiter.designToolTip("Eröffnet die nächsten Eingabe und beendet Verbrauchereingabe");
    txtTeistr.designMaxLength(3).designToolTip("Teilstrecke Nr Zahlen zwischen 1 und 100");
    txtTeilstrckmtr.designMaxLength(5).designToolTip(
        "Länge der Teilstrecke in Meter Werte  von 0,1 bis 100 m eingeben");
    txtKVWert.designMaxLength(4);
    txtVrbrchr.designMaxLength(1);
    txtBoganzahl.designMaxLength(2);
    txtTAnzahl.designMaxLength(2);
    txtAnbindAnz.designMaxLength(2);
    txtReduAnz.designMaxLength(2).designToolTip("Bitte Zalen von 1 -50 eingeben");
    cmdTeilRohr.designToolTip("Berechnet die Teilstrecke vorläufig und öffnet den nächsten Teil");
    txtKorrDm.designMaxLength(3);
    txtAusgabeDN.designMultiLine().designReadOnly();
    // What the steps show is set by the phase table; at load the form shows
    // its start.
    const forms::PhaseTable& table = remainingPhaseTable();
    const forms::PhaseRow& start = table.rows.front();
    for (std::string_view name : table.shown) {
        bool shown = false;
        for (std::string_view visible : start.visible) shown = shown || visible == name;
        if (!shown) find(std::string(name))->designHidden();
    }
}

void FrmRohrDm::wireHandlers() {
    cmdAddition.onClick([this] { cmdAddition_Click(); });
    cmdStromkreis.onClick([this] { cmdStromkreis_Click(); });
    cmdNaechstVerbrauch.onClick([this] { cmdNaechstVerbrauch_Click(); });
    cmdWeiter.onClick([this] { cmdWeiter_Click(); });
    cmdTeilRohr.onClick([this] { cmdTeilRohr_Click(); });
    cmdDNkorrektur.onClick([this] { cmdDNkorrektur_Click(); });
    cmdNaechsteTeilstrck.onClick([this] { cmdNaechsteTeilstrck_Click(); });
    cmdFertig.onClick([this] { cmdFertig_Click(); });
    cmdNaechsterStrang.onClick([this] { cmdNaechsterStrang_Click(); });
}

void FrmRohrDm::open(const std::string& listing) {
    load();
    showModeless();
    showPhase(RemainingPhase::Shared);
    txtAusgabeDN.setText(listing);
    txtGesLstg.setText("");
}

void FrmRohrDm::resumeFinishedRiser() {
    showFinishedWork(static_cast<int>(RemainingPhase::Resumed));
}

void FrmRohrDm::showPhase(RemainingPhase phase) { showStep(static_cast<int>(phase)); }

void FrmRohrDm::showOpenedWork() {
    const project::Circuit& circuit = state_.document->circuits.back();
    load();
    showModeless();
    const int r = state_.riserIndex;
    txtStrNr.setText(std::to_string(circuit.riser));
    txtHFlNr.setText(std::to_string(circuit.consumerNumber));
    if (!circuit.sharedSections.empty()) {
        txtTlStrLngSum.setText(tk::standardText(state_.riserWork.commonLength.at(r)));
        txtPVerlSum.setText(tk::standardText(state_.riserWork.commonPressure.at(r)));
    }
    txtGesLstg.setText(circuit.sharedSectionsDone ? tk::standardText(state_.loadSum) : "");
    const RemainingPhase phase = openedPhase(circuit);
    if (!circuit.sections.empty() && circuit.sections.back().inputs)
        showSectionInputs(circuit.sections.back());
    showPhase(phase);
    state_.unsavedChanges = false;
}

// The step after the circuit's last completed one.
RemainingPhase FrmRohrDm::openedPhase(const project::Circuit& circuit) {
    if (circuit.finished) return RemainingPhase::RiserDone;
    if (!circuit.sharedSectionsDone) return RemainingPhase::Shared;
    if (circuit.sections.empty()) return RemainingPhase::Consumers;
    const project::Section& last = circuit.sections.back();
    if (last.correctedDn) return RemainingPhase::SectionDone;
    if (last.inputs) return RemainingPhase::Correction;
    if (!last.consumers.empty()) return RemainingPhase::ConsumerAdded;
    return circuit.sections.size() > 1 ? RemainingPhase::NextSection : RemainingPhase::Consumers;
}

// The fields of a sized section, as the planner left them, with the size
// proposed or confirmed.
void FrmRohrDm::showSectionInputs(const project::Section& section) {
    const project::SectionInputs& in = *section.inputs;
    txtTeistr.setText(std::to_string(in.number));
    txtTeilstrckmtr.setText(tk::standardText(in.length));
    txtVentDN.setText(in.valve.shownText);
    forms::showFittings({txtKVWert, txtVrbrchr, txtBoganzahl, txtTAnzahl, txtAnbindAnz, txtReduAnz},
                        in);
    const std::int16_t proposed = state_.section.sectionDn.at(state_.riserIndex, state_.sectionIndex);
    txtKorrDm.setText(std::to_string(section.correctedDn.value_or(proposed)));
}

// --- Shared sections and the residual gradient ---

// Riser and consumer number of the circuit; the leading number, rounded.
std::optional<FrmRohrDm::CircuitNumbers> FrmRohrDm::checkCircuit() {
    auto riser = checker_.whole(rules::riserNumber, txtStrNr);
    if (!riser) return std::nullopt;
    auto consumer = checker_.whole(rules::circuitConsumerNumber, txtHFlNr);
    if (!consumer) return std::nullopt;
    return CircuitNumbers{*riser, *consumer};
}

void FrmRohrDm::cmdAddition_Click() {
    std::optional<CircuitNumbers> head = checkCircuit();
    if (!head) return;
    auto number = checker_.whole(rules::commonSectionNumber, txtTlStrckNr);
    if (!number) return;
    if (!checker_.number(rules::commonLength, txtTlStLng)) return;
    if (!checker_.number(rules::commonPressure, txtPverbrcht)) return;
    if (refused(steps::addSharedSection(state_, head->riser, head->consumer, *number),
                txtTlStrckNr))
        return;
    txtTlStLng.setText(tk::standardText(state_.addedLength));
    txtPverbrcht.setText(tk::standardText(state_.addedPressure));
    if (project::Circuit* circuit = recordCircuit()) circuit->sharedSections.push_back(*number);
    const int r = state_.riserIndex;
    txtTlStrLngSum.setText(tk::standardText(state_.riserWork.commonLength.at(r)));
    txtPVerlSum.setText(tk::standardText(state_.riserWork.commonPressure.at(r)));
    txtTlStrckNr.setText("");
    txtTlStrckNr.setFocus();
}

// The circuit of the riser in hand, begun by its first shared "+" or ">",
// with its riser and consumer number as the last of them took them. None
// without a document.
project::Circuit* FrmRohrDm::recordCircuit() {
    if (!state_.document) return nullptr;
    project::Document& doc = *state_.document;
    const int r = state_.riserIndex;
    while (std::cmp_less(doc.circuits.size(), r)) project::beginCircuit(doc, 0, 0);
    project::Circuit& circuit = doc.circuits[static_cast<std::size_t>(r - 1)];
    circuit.riser = state_.riser.riserNumber.at(r);
    circuit.consumerNumber = state_.riser.consumerNumber.at(r);
    return &circuit;
}

// The shared sections added so far no longer count: their sums are gone and
// the planner enters them anew.
void FrmRohrDm::resetSharedSums() {
    const int r = state_.riserIndex;
    txtTlStrLngSum.setText("");
    txtPVerlSum.setText("");
    if (state_.document && std::cmp_greater_equal(state_.document->circuits.size(), r))
        state_.document->circuits[static_cast<std::size_t>(r - 1)].sharedSections.clear();
}

void FrmRohrDm::cmdStromkreis_Click() {
    std::optional<CircuitNumbers> head = checkCircuit();
    if (!head) return;
    if (steps::Outcome outcome = steps::endSharedSections(state_, head->riser, head->consumer)) {
        resetSharedSums();
        refused(outcome, txtTlStrckNr);
        return;
    }
    if (project::Circuit* circuit = recordCircuit()) circuit->sharedSectionsDone = true;
    for (tk::TextField* field : {&txtTlStrckNr, &txtTlStLng, &txtPverbrcht}) field->setText("");
    showPhase(RemainingPhase::Consumers);
}

// --- Consumers and the catalogue ---

void FrmRohrDm::consumerFault() {
    checker_.inputFault();
    txtHzKprNr.setFocus();
}

void FrmRohrDm::cmdNaechstVerbrauch_Click() {
    std::optional<project::Consumer> consumer = consumers_.check([this] { consumerFault(); });
    if (!consumer) return;
    steps::addConsumer(state_, consumer->load);
    consumers_.added(*consumer);
    showPhase(RemainingPhase::ConsumerAdded);
}

void FrmRohrDm::cmdWeiter_Click() {
    showPhase(RemainingPhase::SectionData);
    Arma();
}

// Opens the catalogue with its way back to this form and takes the choice
// over.
void FrmRohrDm::Arma() {
    txtKVWert.setText("");
    state_.valveOrigin = {};
    std::optional<catalogue::CatalogueChoice> choice =
        catalogue_.Arma(catalogue::Caller::RemainingSections);
    if (!choice) return;  // the program was ended meanwhile
    txtTeistr.setFocus();
    takeValveChoice(*choice, txtKVWert, txtVentDN);
}

// --- The section ---

// Number, length, kv, consumer flag and the four fitting counts, in order.
// The size is the program's choice here, so the section keeps no DN or
// design velocity; the valve text shown is the one that decides whether the
// valve counts, and an empty kv field means no valve.
std::optional<project::SectionInputs> FrmRohrDm::checkSection() {
    auto number = checker_.whole(rules::sectionNumber, txtTeistr);
    if (!number) return std::nullopt;
    auto length = checker_.number(rules::sectionLength, txtTeilstrckmtr);
    if (!length) return std::nullopt;
    std::optional<forms::FittingValues> values = forms::checkFittings(
        checker_, {txtKVWert, txtVrbrchr, txtBoganzahl, txtTAnzahl, txtAnbindAnz, txtReduAnz},
        {rules::kv, rules::consumerCount});
    if (!values) return std::nullopt;
    project::Valve valve;
    valve.kv = tk::isBlank(txtKVWert.text()) ? 0 : values->kv;
    valve.shownText = valve.countingText = txtVentDN.text();
    return project::SectionInputs{*number, *length, 0, 0, std::move(valve), values->consumerFlag,
                                  values->counts};
}

void FrmRohrDm::cmdTeilRohr_Click() {
    txtTeistr.setFocus();
    if (std::optional<project::SectionInputs> inputs = checkSection()) SteuerungRst(*inputs);
}

// A valve counts when the section has a valve text and a kv value.
bool FrmRohrDm::withValve() const { return !txtVentDN.text().empty() && state_.kvValue != 0; }

void FrmRohrDm::notice(const std::string& text) {
    messages_.show(text, std::string(steps::kNoticeTitle), tk::MessageStyle::Information);
}

void FrmRohrDm::SteuerungRst(const project::SectionInputs& inputs) {
    std::vector<std::string> notices;
    if (refused(runOnListing([&](std::string& listing) {
                    return steps::sizeSection(state_, inputs, listing, notices);
                }),
                txtTeistr))
        return;
    txtKorrDm.setText(
        std::to_string(state_.section.sectionDn.at(state_.riserIndex, state_.sectionIndex)));
    recordSectionInputs(inputs);
    showPhase(RemainingPhase::Correction);
    for (const std::string& text : notices) notice(text);
}

void FrmRohrDm::cmdDNkorrektur_Click() {
    auto dn = checker_.whole(rules::correctionDn, txtKorrDm);
    if (!dn) return;
    if (refused(runOnListing([&](std::string& listing) {
                    return steps::correctSection(state_, *dn, withValve(), listing);
                }),
                txtKorrDm))
        return;
    if (state_.document) {
        project::Circuit& circuit = project::currentCircuit(*state_.document);
        project::currentSection(*state_.document, circuit).correctedDn = *dn;
    }
    showPhase(RemainingPhase::SectionDone);
}

void FrmRohrDm::clearSectionFields() {
    for (tk::TextField* field :
         {&txtTeistr, &txtTeilstrckmtr, &txtVrbrchr, &txtPverbrcht, &txtBoganzahl, &txtTAnzahl,
          &txtAnbindAnz, &txtReduAnz, &txtKorrDm, &txtKVWert, &txtVentDN})
        field->setText("");
}

void FrmRohrDm::cmdNaechsteTeilstrck_Click() {
    if (!nextSection(cmdFertig)) return;
    clearSectionFields();
    showPhase(RemainingPhase::NextSection);
}

void FrmRohrDm::cmdFertig_Click() {
    finishCircuit(steps::finishFurtherCircuit);
    showPhase(RemainingPhase::RiserDone);
}

void FrmRohrDm::cmdNaechsterStrang_Click() {
    if (!nextRiser(cmdNaechsterStrang, steps::beginFurtherRiser)) return;
    for (tk::TextField* field :
         {&txtKVWert, &txtGesLstg, &txtTlStrLngSum, &txtPVerlSum, &txtStrNr, &txtHFlNr})
        field->setText("");
    clearSectionFields();
    showPhase(RemainingPhase::Shared);
}

}  // namespace remaining
