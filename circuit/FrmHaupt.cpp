#include "circuit/FrmHaupt.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

#include "listing/Listing.h"
#include "hydraulics/Operations.h"
#include "hydraulics/PipeTables.h"
#include "toolkit/NumberText.h"
#include "toolkit/WindowSystem.h"

namespace circuit {
namespace {

// A field whose text cannot be converted at all: the consumer step's fault
// handler reports it.
struct InputFault {};

std::int16_t whole(double value) { return tk::toInt16(value).value_or(0); }

}  // namespace

FrmHaupt::FrmHaupt(tk::WindowSystem& windows, calc::CalcState& state, tk::MessageBox& messages,
                   catalogue::Catalogue& catalogue, MainFormServices& services)
    : tk::Form(windows, "frmHaupt", "Kalvoranberechnung"),
      state_(state),
      messages_(messages),
      catalogue_(catalogue),
      services_(services) {
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
    mnuItemArbeitunterbrechen.designDisabled();
}

void FrmHaupt::wireHandlers() {
    cmdNaechstVerbrauch.onClick([this] { cmdNaechstVerbrauch_Click(); });
    cmdWeiter.onClick([this] { cmdWeiter_Click(); });
    cmdTeilRohr.onClick([this] { cmdTeilRohr_Click(); });
    cmdRechnen.onClick([this] { cmdRechnen_Click(); });
    cmdNaechsteTeilstrck.onClick([this] { cmdNaechsteTeilstrck_Click(); });
    cmdFertig.onClick([this] { cmdFertig_Click(); });
    cmdRstTeilstr.onClick([this] { cmdRstTeilstr_Click(); });
    mnuSaveItem.onClick([this] { mnuSaveItem_Click(); });
    mnuPrinterItem.onClick([this] { mnuPrinterItem_Click(); });
    mnuItemArbeitunterbrechen.onClick([this] { mnuItemArbeitunterbrechen_Click(); });
    mnuExitItem.onClick([this] { mnuExitItem_Click(); });
    catalogue_.frmArmaturen.returnToMainForm = [this] {
        showModeless();
        txtRohrDN.setFocus();
    };
    catalogue_.frmArmaturen2.returnToMainForm = [this] { txtRohrDN.setFocus(); };
}

void FrmHaupt::Form_Load() {
    state_.sectionIndex = 1;
    state_.listingLineCount = 1;
    if (state_.riserIndex < 1) state_.riserIndex = 1;
    if (state_.riserCount < 1) state_.riserCount = 1;
    state_.lastRiserIndex = state_.riserIndex;
    txtGesLstg.setText("");
    state_.loadSum = 0;
    if (calc::isSectionSlot(state_.riserIndex, 1))
        state_.section.sectionLoad.at(state_.riserIndex, 1) = 0;
}

void FrmHaupt::correction(std::string_view message, tk::Control& focus) {
    messages_.show(std::string(message), std::string(kCorrectionTitle),
                   tk::MessageStyle::Information);
    focus.setFocus();
}

bool FrmHaupt::check(const FieldRule& rule, tk::TextField& field, double& value) {
    CheckResult result = checkField(rule, field.text());
    if (result.text != field.text()) field.setText(result.text);
    if (result.status == CheckStatus::Fault) throw InputFault{};
    if (result.status == CheckStatus::Failed) {
        correction(rule.message, field);
        return false;
    }
    value = result.value;
    return true;
}

bool FrmHaupt::materialChosen() {
    return optStahlrohr.value() || optCuRohr.value() || optWeStahlrohr.value();
}

// The material is taken on every "+"; only once a consumer has been added
// are the other materials hidden (hideOtherMaterials), so a refused first
// consumer leaves the choice open.
void FrmHaupt::materialStep() {
    struct Choice {
        tk::OptionButton& option;
        int code;
    };
    for (Choice choice : {Choice{optStahlrohr, hyd::kSteel}, Choice{optCuRohr, hyd::kCopper},
                          Choice{optWeStahlrohr, hyd::kSoftSteel}}) {
        if (choice.option.value()) {
            state_.materialCode = static_cast<std::int16_t>(choice.code);
            state_.friction = *hyd::frictionLaw(choice.code);
        }
        state_.materialName[static_cast<std::size_t>(choice.code - 1)] =
            calc::materialReportName(choice.code);
    }
}

// The material chosen with the first consumer holds for the whole network.
void FrmHaupt::hideOtherMaterials() {
    for (tk::OptionButton* option : {&optStahlrohr, &optCuRohr, &optWeStahlrohr})
        if (!option->value()) option->setVisible(false);
}

void FrmHaupt::cmdNaechstVerbrauch_Click() {
    if (!materialChosen()) {
        correction(kNoMaterialMessage, optStahlrohr);
        return;
    }
    materialStep();
    try {
        addConsumer();
    } catch (const InputFault&) {
        inputFault();
    } catch (const std::out_of_range&) {  // a riser or section outside the tables
        inputFault();
    }
}

// The click ends here; nothing has been added. After the first consumer the
// temperatures are disabled, so the focus goes to the load instead.
void FrmHaupt::inputFault() {
    messages_.show(std::string(kFaultMessage), std::string(kFaultTitle),
                   tk::MessageStyle::Information);
    (txtVorlauf.enabled() ? txtVorlauf : txtHkLstgW).setFocus();
}

void FrmHaupt::addConsumer() {
    const int r = state_.riserIndex;
    double value = 0;
    if (!check(rules::riserNumber, txtStrNr, value)) return;
    state_.riser.riserNumber.at(r) = whole(value);
    if (!check(rules::circuitConsumerNumber, txtHFlNr, value)) return;
    state_.riser.consumerNumber.at(r) = whole(value);
    if (!check(rules::supplyTemperature, txtVorlauf, value)) return;
    state_.supplyTemperatureInput = value;
    if (!check(rules::returnTemperature, txtRuecklauf, value)) return;
    state_.returnTemperatureInput = value;
    if (!(state_.supplyTemperatureInput > state_.returnTemperatureInput)) {
        correction(kSupplyNotAboveReturnMessage, txtRuecklauf);
        return;
    }
    if (!check(rules::consumerNumber, txtHzKprNr, value)) return;
    if (!check(rules::consumerLoad, txtHkLstgW, value)) return;
    state_.consumerLoad = value;

    txtVorlauf.setEnabled(false);
    txtRuecklauf.setEnabled(false);
    hideOtherMaterials();
    hyd::AddConsumerLoad(state_);
    readConsumerLoad();
    lblSumLstg.setVisible(true);
    txtGesLstg.setVisible(true);
    cmdWeiter.setVisible(true);
    cmdTeilRohr.setVisible(false);
    txtGesLstg.setText(tk::standardText(state_.loadSum));
    txtHzKprNr.setFocus();
}

void FrmHaupt::readConsumerLoad() {
    state_.consumerLoad = tk::localeValue(txtHkLstgW.text()).value_or(0);
    txtHzKprNr.setText("");
    txtHkLstgW.setText("");
}

void FrmHaupt::cmdWeiter_Click() {
    txtHzKprNr.setEnabled(false);
    txtHkLstgW.setEnabled(false);
    txtTeilstr.setVisible(true);
    txtTeilstrckmtr.setVisible(true);
    txtGeschw.setVisible(true);
    cmdTeilRohr.setVisible(true);
    txtTeilstr.setFocus();
    cmdWeiter.setVisible(false);
    cmdNaechstVerbrauch.setVisible(false);
}

// The flow divides by the temperature spread and needs the friction law of
// a chosen material; work resumed from a file may lack either.
bool FrmHaupt::flowCanBeComputed() {
    if (state_.materialCode < hyd::kSteel || state_.materialCode > hyd::kSoftSteel) {
        correction(kNoMaterialMessage, txtTeilstr);
        return false;
    }
    if (!(state_.supplyTemperature > state_.returnTemperature)) {
        correction(kSupplyNotAboveReturnMessage, txtTeilstr);
        return false;
    }
    return true;
}

void FrmHaupt::cmdTeilRohr_Click() {
    state_.supplyTemperature = state_.supplyTemperatureInput;
    state_.returnTemperature = state_.returnTemperatureInput;
    state_.kvValue = 0;
    double value = 0;
    if (!check(rules::sectionNumber, txtTeilstr, value)) return;
    state_.sectionNo = whole(value);
    if (!check(rules::sectionLength, txtTeilstrckmtr, value)) return;
    state_.sectionLength = value;
    if (!check(rules::designVelocity, txtGeschw, value)) return;
    state_.designVelocity = value;
    if (!flowCanBeComputed()) return;
    setSectionDataLocked(true);

    const int r = state_.riserIndex;
    const int s = state_.sectionIndex;
    state_.section.sectionNumber.at(r, s) = state_.sectionNo;
    state_.section.sectionLength.at(r, s) = state_.sectionLength;
    hyd::ComputeFlowAndDiameter(state_);
    hyd::SelectMaterial(state_);
    cmdRechnen.setVisible(true);
    showSectionFields();
    if (state_.listingLineCount < 2) Ausgabe();
    Ergebnisausgab();
    cmdTeilRohr.setVisible(false);
    openCatalogue();
    cmdRechnen.setVisible(true);
}

void FrmHaupt::openCatalogue() {
    catalogue_.frmArmaturen.load();
    catalogue_.frmArmaturen2.load();
    catalogue_.frmArmaturen.cmdZethawert2.setVisible(true);
    catalogue_.frmArmaturen2.cmdZethawert3.setVisible(true);
    catalogue_.Arma();
    txtKVWert.setText(catalogue_.frmArmaturen.txtKVWerte.text());
    txtVentDN.setText(catalogue_.frmArmaturen.cboHersteller.text());
    state_.valveName = txtVentDN.text();
    if (tk::isBlank(txtKVWert.text())) {
        KV2();
        return;
    }
    takeOverKv();
}

// The valve text shown is the dialog's maker text; the name kept for the
// section stays the one taken from the first dialog.
void FrmHaupt::KV2() {
    txtKVWert.setText(catalogue_.frmArmaturen2.txtKVWerte.text());
    txtVentDN.setText(catalogue_.frmArmaturen2.cboHersteller.text());
    takeOverKv();
}

// An empty kv text means no valve. A kv text that is not a number is taken
// over as it stands; "Rechnen" refuses it with the field's own message.
void FrmHaupt::takeOverKv() {
    if (!tk::isBlank(txtKVWert.text()))
        state_.kvValue = tk::localeValue(txtKVWert.text()).value_or(0);
    state_.currentKv = state_.kvValue;
}

// Once taken, the section's number, length and velocity stay as the listing
// line shows them until the next section empties them.
void FrmHaupt::setSectionDataLocked(bool locked) {
    for (tk::TextField* field : {&txtTeilstr, &txtTeilstrckmtr, &txtGeschw})
        field->setReadOnly(locked);
}

void FrmHaupt::showSectionFields() {
    for (tk::TextField* field : {&txtVrbrchr, &txtVentDN, &txtKVWert, &txtBoganzahl, &txtTAnzahl,
                                 &txtAnbindAnz, &txtReduAnz, &txtRohrDN})
        field->setVisible(true);
}

// A DN that the material's table does not list must not be computed with
// the previous section's pipe.
bool FrmHaupt::pipeDnListed(std::int16_t dn) {
    if (hyd::entryDiameter(state_.materialCode, dn)) return true;
    correction("Diese Nennweite gibt es für " + calc::materialReportName(state_.materialCode) +
                   " nicht. Mögliche Nennweiten: " + hyd::entryDnList(state_.materialCode) + ".",
               txtRohrDN);
    return false;
}

void FrmHaupt::cmdRechnen_Click() {
    double value = 0;
    if (!check(rules::pipeDn, txtRohrDN, value) || !pipeDnListed(whole(value))) return;
    state_.sectionDnInput = whole(value);
    if (!check(rules::kv, txtKVWert, value)) return;
    state_.kvValue = value;
    if (!check(rules::consumerCount, txtVrbrchr, value)) return;
    state_.consumerFlag = static_cast<float>(value);
    struct Count {
        const FieldRule& rule;
        tk::TextField& field;
        std::int16_t& stored;
    };
    for (Count count : {Count{rules::bendCount, txtBoganzahl, state_.bendCount},
                        Count{rules::teeCount, txtTAnzahl, state_.teeCount},
                        Count{rules::connectionCount, txtAnbindAnz, state_.connectionCount},
                        Count{rules::reducerCount, txtReduAnz, state_.reducerCount}}) {
        if (!check(count.rule, count.field, value)) return;
        count.stored = whole(value);
    }
    Steuerung2();
}

void FrmHaupt::Steuerung2() {
    const int r = state_.riserIndex;
    const int s = state_.sectionIndex;
    state_.enteredDn = state_.sectionDnInput;
    state_.section.criticalDn.at(r, s) = state_.sectionDnInput;
    state_.currentKv = state_.kvValue;
    if (!hyd::SelectMaterial(state_)) {
        pipeDnListed(state_.sectionDnInput);
        return;
    }
    // kv 0 means the section has no valve.
    if (state_.kvValue > 0 && !state_.valveName.empty()) hyd::ValveZetaFromKv(state_);
    hyd::SumSectionZeta(state_);
    hyd::ComputeSectionLoss(state_);
    Berechgausgab();
    cmdRechnen.setVisible(false);
    cmdNaechsteTeilstrck.setVisible(true);
    mnuItemArbeitunterbrechen.setEnabled(false);
    cmdFertig.setVisible(true);
    cmdNaechsteTeilstrck.setFocus();
}

void FrmHaupt::clearSectionFields() {
    for (tk::TextField* field :
         {&txtTeilstr, &txtTeilstrckmtr, &txtGeschw, &txtRohrDN, &txtVentDN, &txtKVWert,
          &txtVrbrchr, &txtBoganzahl, &txtTAnzahl, &txtAnbindAnz, &txtReduAnz}) {
        field->setVisible(false);
        field->setText("");
    }
    setSectionDataLocked(false);
}

void FrmHaupt::cmdNaechsteTeilstrck_Click() {
    if (state_.sectionIndex >= calc::kMaxSections) {
        correction(kProjectFullMessage, cmdFertig);
        return;
    }
    state_.sectionIndex += 1;
    state_.listingLineCount += 1;
    state_.riser.sectionsPerRiser.at(state_.riserIndex) = state_.sectionIndex;
    txtHzKprNr.setEnabled(true);
    txtHkLstgW.setEnabled(true);
    clearSectionFields();
    cmdNaechstVerbrauch.setVisible(true);
    for (tk::Button* button :
         {&cmdWeiter, &cmdTeilRohr, &cmdRechnen, &cmdNaechsteTeilstrck, &cmdFertig})
        button->setVisible(false);
    catalogue_.unloadBoth();
    txtHzKprNr.setFocus();
}

void FrmHaupt::cmdFertig_Click() {
    cmdRstTeilstr.setVisible(true);
    cmdNaechsteTeilstrck.setVisible(false);
    cmdRechnen.setVisible(false);
    cmdFertig.setVisible(false);
    mnuItemArbeitunterbrechen.setEnabled(true);
    Umtrieb();
    cmdRstTeilstr.setFocus();
}

bool FrmHaupt::roomForAnotherRiser() {
    if (state_.riserIndex < calc::kMaxRisers) return true;
    correction(kProjectFullMessage, cmdRstTeilstr);
    return false;
}

void FrmHaupt::cmdRstTeilstr_Click() {
    if (!roomForAnotherRiser()) return;
    state_.listingLineCount = 1;
    state_.sectionIndex = 1;
    state_.riserCount += 1;
    state_.riserIndex += 1;
    state_.riser.sectionsPerRiser.at(state_.riserIndex) = 1;
    state_.lastRiserIndex = state_.riserIndex;
    state_.riser.riserBranchLoss.at(state_.riserIndex) = 0;
    state_.branchLossTotal = 0;
    cmdRstTeilstr.setVisible(false);
    hide();
    services_.showRemainingSections(txtAusgabeBerechn.text() + std::string(listing::crlf));
    catalogue_.unloadBoth();
    txtKVWert.setText("");
    state_.loadSum = 0;
}

void FrmHaupt::mnuSaveItem_Click() { services_.saveWork(); }

void FrmHaupt::mnuPrinterItem_Click() { services_.printReport(); }

void FrmHaupt::mnuItemArbeitunterbrechen_Click() {
    if (!services_.interruptWork()) return;
    unload();
    windows().endProgram();
}

// Ends at once; nothing is saved.
void FrmHaupt::mnuExitItem_Click() {
    unload();
    windows().endProgram();
}

// Closing the window ends the program like "Beenden", rather than leaving
// it running without a window.
void FrmHaupt::Form_QueryUnload() { mnuExitItem_Click(); }

void FrmHaupt::appendListing(const std::string& piece) {
    txtAusgabeBerechn.setText(txtAusgabeBerechn.text() + piece);
}

void FrmHaupt::Ausgabe() {
    state_.listingHeader = listing::headerBlock(state_, txtVorlauf.text(), txtRuecklauf.text());
    appendListing(state_.listingHeader);
}

void FrmHaupt::Ergebnisausgab() {
    state_.listingLinePart1 = listing::lineFirstHalf(state_);
    appendListing(state_.listingLinePart1);
    txtRohrDN.setFocus();
}

void FrmHaupt::Berechgausgab() {
    state_.listingLinePart2 = listing::lineSecondHalf(state_);
    appendListing(state_.listingLinePart2);
}

void FrmHaupt::Umtrieb() {
    state_.listingFooter = listing::footer(state_);
    appendListing(state_.listingFooter);
    state_.reportText += txtAusgabeBerechn.text();
}

}  // namespace circuit
