#include "circuit/FrmHaupt.h"

#include <initializer_list>
#include <optional>
#include <string>

#include "circuit/MainFormRules.h"
#include "forms/Fittings.h"
#include "hydraulics/PipeTables.h"
#include "listing/Listing.h"
#include "toolkit/NumberText.h"
#include "toolkit/WindowSystem.h"

namespace circuit {

using forms::kNoMaterialMessage;
using forms::kSupplyNotAboveReturnMessage;

const forms::PhaseTable& mainPhaseTable() {
    using forms::join;
    using forms::Names;
    static const Names sectionData{"txtTeilstr", "txtTeilstrckmtr", "txtGeschw"};
    static const Names fittings{"txtRohrDN",    "txtVentDN",  "txtKVWert",    "txtVrbrchr",
                                "txtBoganzahl", "txtTAnzahl", "txtAnbindAnz", "txtReduAnz"};
    static const Names sum{"lblSumLstg", "txtGesLstg"};
    static const Names consumers{"txtHzKprNr", "txtHkLstgW"};
    // Stay open through a circuit; only a resumed circuit closes them.
    static const Names circuit{"txtStrNr", "txtHFlNr", "optStahlrohr", "optCuRohr",
                               "optWeStahlrohr"};
    static const forms::PhaseTable table{
        .shown = join({sum,
                       {"cmdNaechstVerbrauch", "cmdWeiter", "cmdTeilRohr"},
                       sectionData,
                       fittings,
                       {"cmdRechnen", "cmdNaechsteTeilstrck", "cmdFertig", "cmdRstTeilstr"}}),
        .enabled = join(
            {circuit, {"txtVorlauf", "txtRuecklauf"}, consumers, {"mnuItemArbeitunterbrechen"}}),
        .readOnly = sectionData,
        .rows =
            {
                // Start
                {{"cmdNaechstVerbrauch"},
                 join({circuit, {"txtVorlauf", "txtRuecklauf"}, consumers}),
                 {},
                 "txtStrNr",
                 "cmdNaechstVerbrauch"},
                // ConsumerAdded: the temperatures are disabled for good.
                {join({sum, {"cmdNaechstVerbrauch", "cmdWeiter"}}),
                 join({circuit, consumers}),
                 {},
                 "txtHzKprNr",
                 "cmdNaechstVerbrauch"},
                // SectionData
                {join({sum, sectionData, {"cmdTeilRohr"}}),
                 circuit,
                 {},
                 "txtTeilstr",
                 "cmdTeilRohr"},
                // Fittings: the section data stay as the listing line shows them.
                {join({sum, sectionData, fittings, {"cmdRechnen"}}), circuit, sectionData,
                 "txtRohrDN", "cmdRechnen"},
                // SectionComputed
                {join({sum, sectionData, fittings, {"cmdNaechsteTeilstrck", "cmdFertig"}}), circuit,
                 sectionData, "cmdNaechsteTeilstrck", "cmdNaechsteTeilstrck"},
                // NextSection
                {join({sum, {"cmdNaechstVerbrauch"}}),
                 join({circuit, consumers}),
                 {},
                 "txtHzKprNr",
                 "cmdNaechstVerbrauch"},
                // CircuitFinished: the work can be interrupted until the next riser.
                {join({sum, sectionData, fittings, {"cmdRstTeilstr"}}),
                 join({circuit, {"mnuItemArbeitunterbrechen"}}), sectionData, "cmdRstTeilstr",
                 "cmdRstTeilstr"},
                // HandedOver
                {join({sum, sectionData, fittings}), circuit, sectionData, "", ""},
                // Resumed: a finished circuit brought back; only the next riser is open.
                {{"cmdRstTeilstr"},
                 {"mnuItemArbeitunterbrechen"},
                 {},
                 "cmdRstTeilstr",
                 "cmdRstTeilstr"},
            },
    };
    return table;
}

namespace {

bool editable(const calc::CalcState& state) {
    switch (static_cast<MainPhase>(state.mainPhase)) {
        case MainPhase::SectionComputed:
        case MainPhase::NextSection:
        case MainPhase::CircuitFinished:
        case MainPhase::Resumed:
            return true;
        default:
            return false;
    }
}

const forms::WorkflowKind& mainFormKind() {
    static const forms::WorkflowKind kind{"frmHaupt",
                                          "&Arbeitunterbrechen",
                                          forms::ReportPart::CriticalCircuit,
                                          mainPhaseTable(),
                                          &calc::CalcState::mainPhase,
                                          editable};
    return kind;
}

}  // namespace

FrmHaupt::FrmHaupt(tk::WindowSystem& windows, calc::CalcState& state, tk::MessageBox& messages,
                   catalogue::Catalogue& catalogue, forms::WorkflowServices& services)
    : forms::WorkflowForm(windows, mainFormKind(), state, messages, catalogue, services),
      consumers_(state, checker_, {txtHzKprNr, txtHkLstgW, txtGesLstg},
                 {rules::consumerNumber, rules::consumerLoad}) {
    defineDesign();
    wireHandlers();
}

void FrmHaupt::defineDesign() {
    txtStrNr.designMaxLength(2).designToolTip("Zahlen zwischen 1 und 20 eingeben");
    txtHFlNr.designMaxLength(4).designToolTip("Zahlen zwischen 1 und 9999 eingeben");
    txtVorlauf.designMaxLength(3).designToolTip("Vorlauftemperatur zwischen120 und 50°C eingeben.");
    txtRuecklauf.designMaxLength(2).designToolTip(
        "Rücklauftemperatur zwischen 110 und 30°C eingeben");
    optStahlrohr.designToolTip("Gibt das Rohrmaterial an. Bitte  erst auswählen");
    optCuRohr.designToolTip("Gibt Rohrmaterial an.Bitte  erst auswählen");
    optWeStahlrohr.designToolTip("Gibt Rohrmaterial an. Bitte erst auswählen");
    txtHzKprNr.designMaxLength(5).designToolTip(
        "Nummer des Verbrauchers z.B. Heizkörper, Fussbodenkreis u.s.w Zahlen zwischen 1 und 9999 "
        "eingeben");
    txtHkLstgW.designMaxLength(5).designToolTip(
        "Wärmeleistung der Verbraucher von 10 bis 50000 eingeben ");
    cmdNaechstVerbrauch.designToolTip("Addiert die verbraucher");
    txtGesLstg.designReadOnly().designHidden().designToolTip("Zeigt die Summe der Verbraucher an");
    lblSumLstg.designHidden();
    cmdWeiter.designHidden().designToolTip(
        "Eröffnet die nächsten Eingabe und beendet Verbrauchereingabe");
    txtTeilstr.designMaxLength(3).designHidden().designToolTip(
        "Teilstrecke Nr Zahlen zwischen 1 und 100");
    txtTeilstrckmtr.designMaxLength(5).designHidden().designToolTip(
        "Länge der Teilstrecke in Meter Werte  von 0,1 bis 100 m eingeben");
    txtGeschw.designHidden().designToolTip(
        "Gewünschte Geschwindigkeit von 0,05 bis 3,00 m/s eingeben");
    cmdTeilRohr.designHidden().designToolTip(
        "Berechnet die Teilstrecke vorläufig und öffnet den nächsten Teil");
    txtRohrDN.designMaxLength(3).designHidden().designToolTip(
        "Rohrdimensionen zwischen 6 und 150 eingeben");
    txtVentDN.designHidden();
    txtKVWert.designMaxLength(4).designHidden();
    txtVrbrchr.designMaxLength(1).designHidden();
    txtBoganzahl.designMaxLength(2).designHidden();
    txtTAnzahl.designMaxLength(2).designHidden();
    txtAnbindAnz.designMaxLength(2).designHidden();
    txtReduAnz.designMaxLength(2).designHidden().designToolTip("Bitte Zalen von 1 -50 eingeben");
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             &cmdRechnen, &cmdNaechsteTeilstrck, &cmdFertig, &cmdRstTeilstr, &Label5, &Label4})
        c->designHidden();
    cmdRstTeilstr.designToolTip("Geht weiter zur nächsten Seite");
    txtAusgabeBerechn.designMultiLine().designReadOnly();
}

void FrmHaupt::wireHandlers() {
    cmdNaechstVerbrauch.onClick([this] { cmdNaechstVerbrauch_Click(); });
    cmdWeiter.onClick([this] { cmdWeiter_Click(); });
    cmdTeilRohr.onClick([this] { cmdTeilRohr_Click(); });
    cmdRechnen.onClick([this] { cmdRechnen_Click(); });
    cmdNaechsteTeilstrck.onClick([this] { cmdNaechsteTeilstrck_Click(); });
    cmdFertig.onClick([this] { cmdFertig_Click(); });
    cmdRstTeilstr.onClick([this] { cmdRstTeilstr_Click(); });
}

void FrmHaupt::startCircuit() {
    steps::startCriticalCircuit(state_);
    txtGesLstg.setText("");
    state_.document = project::Document{};
    state_.document->header = state_.projectHeader;
    state_.savedDocument = *state_.document;
    state_.projectPath.clear();
    state_.recovered = false;
    showPhase(MainPhase::Start);
    state_.unsavedChanges = false;
}

void FrmHaupt::resumeFinishedCircuit() {
    showFinishedWork(static_cast<int>(MainPhase::Resumed));
    Label4.setVisible(false);
    Label5.setVisible(true);
}

void FrmHaupt::showPhase(MainPhase phase) { showStep(static_cast<int>(phase)); }

void FrmHaupt::showOpenedWork() {
    const project::Document& doc = *state_.document;
    load();
    showModeless();
    txtGesLstg.setText("");
    if (doc.circuits.empty()) {
        showPhase(MainPhase::Start);
        state_.unsavedChanges = false;
        return;
    }
    const project::Circuit& circuit = doc.circuits.front();
    optStahlrohr.setValue(doc.material == hyd::kSteel);
    optCuRohr.setValue(doc.material == hyd::kCopper);
    optWeStahlrohr.setValue(doc.material == hyd::kSoftSteel);
    if (doc.material != 0) hideOtherMaterials();
    txtStrNr.setText(std::to_string(circuit.riser));
    txtHFlNr.setText(std::to_string(circuit.consumerNumber));
    txtVorlauf.setText(doc.supplyTemperature.text);
    txtRuecklauf.setText(doc.returnTemperature.text);
    txtGesLstg.setText(tk::standardText(state_.loadSum));
    const MainPhase phase = openedPhase(circuit);
    if (phase == MainPhase::SectionComputed || phase == MainPhase::CircuitFinished)
        showSectionInputs(*circuit.sections.back().inputs);
    showPhase(phase);
    state_.unsavedChanges = false;
}

// The step after the circuit's last completed one.
MainPhase FrmHaupt::openedPhase(const project::Circuit& circuit) const {
    if (circuit.finished) return MainPhase::CircuitFinished;
    if (circuit.sections.empty()) return MainPhase::Start;
    const project::Section& last = circuit.sections.back();
    if (last.inputs) return MainPhase::SectionComputed;
    if (!last.consumers.empty()) return MainPhase::ConsumerAdded;
    return circuit.sections.size() > 1 ? MainPhase::NextSection : MainPhase::Start;
}

// The fields of a computed section, as the planner left them.
void FrmHaupt::showSectionInputs(const project::SectionInputs& in) {
    txtTeilstr.setText(std::to_string(in.number));
    txtTeilstrckmtr.setText(tk::standardText(in.length));
    txtGeschw.setText(tk::standardText(in.designVelocity));
    txtRohrDN.setText(std::to_string(in.dn));
    txtVentDN.setText(in.valve.shownText);
    forms::showFittings({txtKVWert, txtVrbrchr, txtBoganzahl, txtTAnzahl, txtAnbindAnz, txtReduAnz},
                        in);
    state_.valveName = in.valve.countingText;
}

// After "Teilstrecke" the section's first half line is shown; the document
// keeps the section once "Rechnen" computed it.
std::string FrmHaupt::pendingListing() const {
    if (phase() != MainPhase::Fittings) return "";
    return (state_.listingLineCount < 2 ? state_.listingHeader : "") + state_.listingLinePart1;
}

// The material of the option chosen; 0 when none is.
std::int16_t FrmHaupt::chosenMaterial() {
    if (optStahlrohr.value()) return hyd::kSteel;
    if (optCuRohr.value()) return hyd::kCopper;
    if (optWeStahlrohr.value()) return hyd::kSoftSteel;
    return 0;
}

// The material chosen with the first consumer holds for the whole network.
void FrmHaupt::hideOtherMaterials() {
    for (tk::OptionButton* option : {&optStahlrohr, &optCuRohr, &optWeStahlrohr})
        if (!option->value()) option->setVisible(false);
}

// The material is taken on every "+"; only once a consumer has been added
// are the other materials hidden (hideOtherMaterials), so a refused first
// consumer leaves the choice open.
void FrmHaupt::cmdNaechstVerbrauch_Click() {
    const std::int16_t material = chosenMaterial();
    if (material == 0) {
        checker_.correction(kNoMaterialMessage, optStahlrohr);
        return;
    }
    std::optional<steps::CriticalHead> head = checkCircuit(material);
    if (!head) return;
    std::optional<project::Consumer> consumer = consumers_.check([this] { consumerFault(); });
    if (!consumer) return;
    hideOtherMaterials();
    steps::addCriticalConsumer(state_, *head, consumer->load);
    consumers_.added(*consumer);
    recordCircuit();
    showPhase(MainPhase::ConsumerAdded);
}

// The circuit's head and the project's material and temperatures, as the
// last "+" took them.
void FrmHaupt::recordCircuit() {
    if (!state_.document) return;
    project::Document& doc = *state_.document;
    project::Circuit& circuit = project::currentCircuit(doc);
    circuit.riser = state_.riser.riserNumber.at(state_.riserIndex);
    circuit.consumerNumber = state_.riser.consumerNumber.at(state_.riserIndex);
    doc.material = state_.materialCode;
    doc.supplyTemperature = {state_.supplyTemperatureInput, txtVorlauf.text()};
    doc.returnTemperature = {state_.returnTemperatureInput, txtRuecklauf.text()};
}

// Riser and consumer number of the circuit and the temperatures.
std::optional<steps::CriticalHead> FrmHaupt::checkCircuit(std::int16_t material) {
    if (!calc::isSectionSlot(state_.riserIndex, state_.sectionIndex)) {
        consumerFault();
        return std::nullopt;
    }
    steps::CriticalHead head{.material = material};
    auto riser = checker_.whole(rules::riserNumber, txtStrNr);
    if (!riser) return std::nullopt;
    head.riser = *riser;
    auto consumer = checker_.whole(rules::circuitConsumerNumber, txtHFlNr);
    if (!consumer) return std::nullopt;
    head.consumerNumber = *consumer;
    auto fault = [this] { consumerFault(); };
    auto supply = checker_.number(rules::supplyTemperature, txtVorlauf, fault);
    if (!supply) return std::nullopt;
    head.supplyTemperature = *supply;
    auto ret = checker_.number(rules::returnTemperature, txtRuecklauf, fault);
    if (!ret) return std::nullopt;
    head.returnTemperature = *ret;
    if (!(head.supplyTemperature > head.returnTemperature)) {
        checker_.correction(kSupplyNotAboveReturnMessage, txtRuecklauf);
        return std::nullopt;
    }
    return head;
}

// The consumer step's fault handler: nothing is added. After the first
// consumer the temperatures are disabled, so the focus goes to the load.
void FrmHaupt::consumerFault() {
    checker_.inputFault();
    (txtVorlauf.enabled() ? txtVorlauf : txtHkLstgW).setFocus();
}

void FrmHaupt::cmdWeiter_Click() { showPhase(MainPhase::SectionData); }

void FrmHaupt::cmdTeilRohr_Click() {
    auto number = checker_.whole(rules::sectionNumber, txtTeilstr);
    if (!number) return;
    auto length = checker_.number(rules::sectionLength, txtTeilstrckmtr);
    if (!length) return;
    auto velocity = checker_.number(rules::designVelocity, txtGeschw);
    if (!velocity) return;
    if (refused(runOnListing([&](std::string& listing) {
                    return steps::takeCriticalSection(state_, *number, *length, *velocity,
                                                      txtVorlauf.text(), txtRuecklauf.text(),
                                                      listing);
                }),
                txtTeilstr))
        return;
    showPhase(MainPhase::Fittings);
    txtRohrDN.setFocus();
    openCatalogue();
}

void FrmHaupt::openCatalogue() {
    std::optional<catalogue::CatalogueChoice> choice =
        catalogue_.Arma(catalogue::Caller::CriticalCircuit);
    if (!choice) return;  // the program was ended meanwhile
    txtRohrDN.setFocus();
    takeValveChoice(*choice, txtKVWert, txtVentDN);
}

// A DN that the material's table does not list must not be computed with
// the previous section's pipe.
bool FrmHaupt::pipeDnListed(std::int16_t dn) {
    if (hyd::entryDiameter(state_.materialCode, dn)) return true;
    refused(steps::unlistedDn(state_.materialCode, hyd::entryDnList(state_.materialCode)),
            txtRohrDN);
    return false;
}

void FrmHaupt::cmdRechnen_Click() {
    if (std::optional<project::SectionInputs> inputs = checkFittings()) Steuerung2(*inputs);
}

// DN, kv, consumer flag and the four fitting counts, in this order, with
// the section's data as "Teilstrecke" took them. A valve counts with a kv
// value and the name taken from the catalogue.
std::optional<project::SectionInputs> FrmHaupt::checkFittings() {
    auto dn = checker_.whole(rules::pipeDn, txtRohrDN);
    if (!dn || !pipeDnListed(*dn)) return std::nullopt;
    std::optional<forms::FittingValues> values = forms::checkFittings(
        checker_, {txtKVWert, txtVrbrchr, txtBoganzahl, txtTAnzahl, txtAnbindAnz, txtReduAnz},
        {rules::kv, rules::consumerCount});
    if (!values) return std::nullopt;
    project::Valve valve;
    valve.kv = values->kv;
    valve.shownText = txtVentDN.text();
    valve.countingText = state_.valveName;
    return project::SectionInputs{state_.sectionNo,   state_.sectionLength, state_.designVelocity,
                                  *dn,                std::move(valve),     values->consumerFlag,
                                  values->counts};
}

void FrmHaupt::Steuerung2(const project::SectionInputs& inputs) {
    if (refused(runOnListing([&](std::string& listing) {
                    return steps::computeCriticalSection(state_, inputs, listing);
                }),
                txtRohrDN))
        return;
    recordSectionInputs(inputs);
    showPhase(MainPhase::SectionComputed);
}

void FrmHaupt::clearSectionFields() {
    for (tk::TextField* field :
         {&txtTeilstr, &txtTeilstrckmtr, &txtGeschw, &txtRohrDN, &txtVentDN, &txtKVWert,
          &txtVrbrchr, &txtBoganzahl, &txtTAnzahl, &txtAnbindAnz, &txtReduAnz})
        field->setText("");
}

void FrmHaupt::cmdNaechsteTeilstrck_Click() {
    if (!nextSection(cmdFertig)) return;
    clearSectionFields();
    showPhase(MainPhase::NextSection);
}

void FrmHaupt::cmdFertig_Click() {
    finishCircuit(steps::finishCriticalCircuit);
    showPhase(MainPhase::CircuitFinished);
}

void FrmHaupt::cmdRstTeilstr_Click() {
    if (!nextRiser(cmdRstTeilstr)) return;
    showPhase(MainPhase::HandedOver);
    hide();
    services_.showRemainingSections(listing() + std::string(listing::crlf));
    txtKVWert.setText("");
}

}  // namespace circuit
