#include "remaining/FrmRohrDm.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "forms/Fittings.h"
#include "hydraulics/Operations.h"
#include "hydraulics/PipeTables.h"
#include "listing/Listing.h"
#include "listing/RemainingListing.h"
#include "remaining/RemainingRules.h"
#include "toolkit/NumberText.h"
#include "toolkit/WindowSystem.h"

namespace remaining {

using forms::kNoMaterialMessage;
using forms::kSupplyNotAboveReturnMessage;

namespace {

constexpr std::string_view kNoticeTitle = "Hinweis:";

std::string numberNotFound(int number) {
    return "Keine berechnete Teilstrecke hat die Nummer " + std::to_string(number) + ".";
}

}  // namespace

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

const forms::WorkflowKind& remainingFormKind() {
    static const forms::WorkflowKind kind{"frmRohrDm", "Arbeitunterbrechen",
                                          forms::ReportPart::WithRemainingSections,
                                          remainingPhaseTable(), &calc::CalcState::remainingPhase};
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

// --- Shared sections and the residual gradient ---

// Riser and consumer number of the circuit; the leading number, rounded.
bool FrmRohrDm::checkCircuit() {
    const int r = state_.riserIndex;
    auto riser = checker_.whole(rules::riserNumber, txtStrNr);
    if (!riser) return false;
    state_.riser.riserNumber.at(r) = *riser;
    auto consumer = checker_.whole(rules::circuitConsumerNumber, txtHFlNr);
    if (!consumer) return false;
    state_.riser.consumerNumber.at(r) = *consumer;
    return true;
}

// The first computed section that carries the number: riser by riser, each
// with all its slots; the critical circuit's sections and those of further
// circuits that were sized and corrected, never the slot being filled.
std::optional<FrmRohrDm::ComputedSlot> FrmRohrDm::computedSection(std::int16_t number) const {
    const auto& table = state_.section;
    for (int r = 1; r <= state_.lastRiserIndex && r <= calc::kMaxRisers; ++r)
        for (int s = 1; s <= calc::kMaxSections; ++s) {
            if (r == state_.riserIndex && s == state_.sectionIndex) continue;
            const bool computed = table.criticalDn.at(r, s) > 0 || table.correctedDn.at(r, s) > 0;
            if (computed && table.sectionNumber.at(r, s) == number) return ComputedSlot{r, s};
        }
    return std::nullopt;
}

void FrmRohrDm::cmdAddition_Click() {
    const int r = state_.riserIndex;
    const int s = state_.sectionIndex;
    if (!checkCircuit()) return;
    auto number = checker_.whole(rules::commonSectionNumber, txtTlStrckNr);
    if (!number) return;
    state_.sectionWork.commonSectionNumber.at(r, s) = *number;
    if (!checker_.number(rules::commonLength, txtTlStLng)) return;
    if (!checker_.number(rules::commonPressure, txtPverbrcht)) return;
    std::optional<ComputedSlot> found = computedSection(*number);
    if (!found) {
        checker_.correction(numberNotFound(*number), txtTlStrckNr);
        return;
    }
    state_.section.sectionNumber.at(r, s) = *number;
    auto& table = state_.section;
    double& pressure = table.pressureDrop.at(found->riser, found->section);
    const double corrected = table.correctedLossTab.at(found->riser, found->section);
    if (corrected > 0) pressure = corrected;
    state_.addedLength = table.sectionLength.at(found->riser, found->section);
    state_.addedPressure = pressure;
    txtTlStLng.setText(tk::standardText(state_.addedLength));
    txtPverbrcht.setText(tk::standardText(state_.addedPressure));
    hyd::AddCommonPart(state_);
    if (project::Circuit* circuit = recordCircuit()) circuit->sharedSections.push_back(*number);
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
    state_.riserWork.commonLength.at(r) = 0;
    state_.riserWork.commonPressure.at(r) = 0;
    txtTlStrLngSum.setText("");
    txtPVerlSum.setText("");
    if (state_.document && std::cmp_greater_equal(state_.document->circuits.size(), r))
        state_.document->circuits[static_cast<std::size_t>(r - 1)].sharedSections.clear();
}

void FrmRohrDm::cmdStromkreis_Click() {
    if (!checkCircuit()) return;
    switch (hyd::ComputeResidualGradient(state_)) {
        case hyd::GradientOutcome::NoLengthLeft:
            resetSharedSums();
            checker_.correction(
                "Die gemeinsamen Teilstrecken sind zusammen so lang wie der ungünstigste "
                "Stromkreis oder länger. Bitte die gemeinsamen Teilstrecken neu eingeben.",
                txtTlStrckNr);
            return;
        case hyd::GradientOutcome::NoPressureLeft:
            resetSharedSums();
            checker_.correction(
                "Für die eigenen Teilstrecken bleibt kein Druck übrig. Bitte die gemeinsamen "
                "Teilstrecken neu eingeben.",
                txtTlStrckNr);
            return;
        case hyd::GradientOutcome::Computed:
            break;
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
    if (!consumers_.check([this] { consumerFault(); })) return;
    consumers_.add();
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
    state_.valveName = choice->firstMakerText;
    state_.valveOrigin.dialog =
        choice->fromSecondDialog ? project::ValveDialog::Second : project::ValveDialog::First;
    state_.valveOrigin.maker = choice->makerText;
    state_.valveOrigin.model = choice->model;
    if (choice->fromSecondDialog) {
        KV3(*choice);
    } else {
        txtKVWert.setText(choice->kvText);
        txtVentDN.setText(choice->makerText);
        state_.kvValue = choice->kv;
    }
    state_.currentKv = state_.kvValue;
}

// The kv value came from the second dialog; the value that counts is the
// kv field's text when "Teilstrecke" is pressed.
void FrmRohrDm::KV3(const catalogue::CatalogueChoice& choice) {
    txtKVWert.setText(choice.kvText);
    txtVentDN.setText(choice.makerText);
    state_.kvValue = 0;
}

// --- The section ---

// Number, length, kv, consumer flag and the four fitting counts, in order.
bool FrmRohrDm::checkSection() {
    auto number = checker_.whole(rules::sectionNumber, txtTeistr);
    if (!number) return false;
    state_.sectionNo = *number;
    auto length = checker_.number(rules::sectionLength, txtTeilstrckmtr);
    if (!length) return false;
    state_.sectionLength = *length;
    return forms::checkFittings(
        checker_, {txtKVWert, txtVrbrchr, txtBoganzahl, txtTAnzahl, txtAnbindAnz, txtReduAnz},
        {rules::kv, rules::consumerCount}, state_);
}

// The section needs the material and temperatures of the critical circuit;
// work brought back from a file might lack them.
bool FrmRohrDm::sectionCanBeSized() {
    if (!hyd::frictionLaw(state_.pipeMaterial)) {
        checker_.correction(kNoMaterialMessage, txtTeistr);
        return false;
    }
    if (!(state_.temperatureSpread > 0)) {
        checker_.correction(kSupplyNotAboveReturnMessage, txtTeistr);
        return false;
    }
    return true;
}

void FrmRohrDm::cmdTeilRohr_Click() {
    txtTeistr.setFocus();
    state_.supplyTemperature = state_.supplyTemperatureInput;
    state_.returnTemperature = state_.returnTemperatureInput;
    if (!checkSection() || !sectionCanBeSized()) return;
    if (tk::isBlank(txtKVWert.text())) state_.kvValue = 0;
    state_.currentKv = state_.kvValue;
    state_.section.sectionNumber.at(state_.riserIndex, state_.sectionIndex) = state_.sectionNo;
    SteuerungRst();
    // The size is the program's choice here, so the section keeps no DN or
    // design velocity; the valve text shown is the one that decides.
    recordSectionInputs(txtVentDN.text(), txtVentDN.text(), 0, 0);
}

// A valve counts when the section has a valve text and a kv value.
bool FrmRohrDm::withValve() const { return !txtVentDN.text().empty() && state_.kvValue != 0; }

void FrmRohrDm::notice(const std::string& text) {
    messages_.show(text, std::string(kNoticeTitle), tk::MessageStyle::Information);
}

void FrmRohrDm::SteuerungRst() {
    const int r = state_.riserIndex;
    const int s = state_.sectionIndex;
    // A section that feeds no new consumer carries the load sum so far.
    state_.sectionLoad = state_.loadSum;
    state_.section.sectionLoad.at(r, s) = state_.loadSum;
    hyd::SelectDnByDiameter(state_);
    hyd::PrepareBranchSection(state_);
    hyd::SelectNearestDn(state_);
    const bool valve = withValve();
    const hyd::SolveOutcome outcome = hyd::SolveBranchDiameter(state_, valve);
    bool beyondLargest = false;
    if (outcome == hyd::SolveOutcome::ValveAlone) {
        state_.requiredDiameter = state_.initialDiameter;
        hyd::SelectNearestDn(state_);
    } else {
        beyondLargest = hyd::SelectNearestDn(state_);
    }
    hyd::EvaluateSelectedDn(state_, valve);
    hyd::RateSectionFit(state_);
    txtKorrDm.setText(std::to_string(state_.section.sectionDn.at(r, s)));
    if (state_.listingLineCount >= 2) {
        ErgebnisausgabRst();
    } else {
        AusgabeRst();
        ErgebnisausgabRst();
    }
    showPhase(RemainingPhase::Correction);
    if (outcome == hyd::SolveOutcome::ValveAlone)
        notice(
            "Das Ventil dieser Teilstrecke verbraucht allein mehr Druck, als ihr zugeteilt ist. "
            "Die Nennweite ist nach der Geschwindigkeit gewählt; ein Ventil mit größerem kv-Wert "
            "würde helfen.");
    if (outcome == hyd::SolveOutcome::NotConverged)
        notice(
            "Die Rohrweite dieser Teilstrecke konnte nicht sicher bestimmt werden; bitte die "
            "Nennweite prüfen.");
    if (beyondLargest)
        notice(
            "Auch die größte Nennweite dieses Rohrs reicht für diese Teilstrecke nicht; bitte die "
            "Rohrart oder die Teilung prüfen.");
}

void FrmRohrDm::cmdDNkorrektur_Click() {
    auto dn = checker_.whole(rules::correctionDn, txtKorrDm);
    if (!dn) return;
    state_.correctedDn = *dn;
    if (!hyd::LookupCorrectionDn(state_)) {
        checker_.correction(
            "Diese Nennweite gibt es für " + calc::materialReportName(state_.pipeMaterial) +
                " nicht. Mögliche Nennweiten: " + hyd::correctionDnList(state_.pipeMaterial) + ".",
            txtKorrDm);
        return;
    }
    const int r = state_.riserIndex;
    const int s = state_.sectionIndex;
    state_.section.correctedDn.at(r, s) = *dn;
    // The first zeta copy stays the sum at the selected size, as the listing
    // shows it; the second takes the sum at the corrected size.
    const double selectedZeta = state_.section.zetaSumCopy1.at(r, s);
    hyd::SumZetaWithValve(state_, withValve());
    state_.section.zetaSumCopy1.at(r, s) = selectedZeta;
    hyd::RecomputeCorrectedSection(state_);
    BerechgausgabRst();
    showPhase(RemainingPhase::SectionDone);
    if (state_.document) {
        project::Circuit& circuit = project::currentCircuit(*state_.document);
        project::currentSection(*state_.document, circuit).correctedDn = *dn;
    }
}

void FrmRohrDm::clearSectionFields() {
    for (tk::TextField* field :
         {&txtTeistr, &txtTeilstrckmtr, &txtVrbrchr, &txtPverbrcht, &txtBoganzahl, &txtTAnzahl,
          &txtAnbindAnz, &txtReduAnz, &txtKorrDm, &txtKVWert, &txtVentDN})
        field->setText("");
}

void FrmRohrDm::cmdNaechsteTeilstrck_Click() {
    if (!nextSection(cmdFertig)) return;
    if (state_.document)
        project::beginSection(*state_.document, project::currentCircuit(*state_.document));
    clearSectionFields();
    showPhase(RemainingPhase::NextSection);
}

void FrmRohrDm::cmdFertig_Click() {
    Umtrieb();
    showPhase(RemainingPhase::RiserDone);
    if (state_.document) project::currentCircuit(*state_.document).finished = true;
}

void FrmRohrDm::cmdNaechsterStrang_Click() {
    if (!nextRiser(cmdNaechsterStrang)) return;
    const int r = state_.riserIndex;
    for (tk::TextField* field :
         {&txtKVWert, &txtGesLstg, &txtTlStrLngSum, &txtPVerlSum, &txtStrNr, &txtHFlNr})
        field->setText("");
    state_.riserWork.commonLength.at(r) = 0;
    state_.riserWork.commonPressure.at(r) = 0;
    state_.riser.riserCorrectedLoss.at(r) = 0;
    clearSectionFields();
    showPhase(RemainingPhase::Shared);
}

// --- The listing ---

void FrmRohrDm::AusgabeRst() { appendListing(listing::remaining::headerBlock(state_)); }

void FrmRohrDm::ErgebnisausgabRst() { appendListing(listing::remaining::lineSizing(state_)); }

void FrmRohrDm::BerechgausgabRst() { appendListing(listing::remaining::lineCorrection(state_)); }

// The footer; the whole box becomes the listing text that is saved.
void FrmRohrDm::Umtrieb() {
    appendListing(listing::remaining::footer(state_));
    state_.reportText = txtAusgabeDN.text();
}

}  // namespace remaining
