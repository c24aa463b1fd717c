#pragma once
// The main form: the critical circuit of a riser, entered consumer by
// consumer and section by section.
#include <cstdint>
#include <optional>
#include <string_view>

#include "catalogue/CatalogueForms.h"
#include "forms/ConsumerEntry.h"
#include "forms/Phases.h"
#include "forms/WorkflowForm.h"
#include "forms/WorkflowServices.h"
#include "state/CalcState.h"
#include "steps/Steps.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"

namespace circuit {

// The steps of the main form, in the order a section runs through them.
enum class MainPhase {
    Start,            // circuit and first consumers
    ConsumerAdded,    // "+" passed
    SectionData,      // ">": number, length, velocity
    Fittings,         // "Teilstrecke" passed: DN, valve, fittings
    SectionComputed,  // "Rechnen" passed
    NextSection,      // "Nächste Teilstrecke": consumers of a further section
    CircuitFinished,  // "Fertig"
    HandedOver,       // "Nächster   Strang": the remaining-sections form took over
    Resumed,          // interrupted work brought back after "Fertig"
};

// Which controls each step shows, enables and makes read-only.
const forms::PhaseTable& mainPhaseTable();

class FrmHaupt : public forms::WorkflowForm {
public:
    FrmHaupt(tk::WindowSystem& windows, calc::CalcState& state, tk::MessageBox& messages,
             catalogue::Catalogue& catalogue, forms::WorkflowServices& services);

    // New work: the first riser's critical circuit starts with its first
    // section and an empty load sum; the form shows its start.
    void startCircuit();
    // Interrupted work brought back: the finished circuit's listing, and only
    // "Nächster   Strang" to go on with.
    void resumeFinishedCircuit();
    // A project opened with its critical circuit in hand: the form shows
    // the work as its last completed step left it.
    void showOpenedWork();
    // Puts a step on screen and records it in the state.
    void showPhase(MainPhase phase);
    MainPhase phase() const { return static_cast<MainPhase>(state_.mainPhase); }

    // Event handlers and form procedures.
    void cmdNaechstVerbrauch_Click();
    void cmdWeiter_Click();
    void cmdTeilRohr_Click();
    void cmdRechnen_Click();
    void Steuerung2(const project::SectionInputs& inputs);
    // Record a completed step in the document, when there is one.
    void recordCircuit();
    void cmdNaechsteTeilstrck_Click();
    void cmdFertig_Click();
    void cmdRstTeilstr_Click();

    tk::Label lblUeberschrift{*this, "lblUeberschrift",
                              "Kalvoranberechnung  für Pumpen-Warmwasserheizung"};
    tk::Label lblWassertemperatur{*this, "lblWassertemperatur", "Mittlere Wassertemperatur 80°C"};
    tk::Label Label5{*this, "Label5", "Neuanlage  berechnen"};
    tk::Label Label4{*this, "Label4", "Altanlage nachrechnen"};

    tk::Label lblStrNr{*this, "lblStrNr", "Strang Nr"};
    tk::TextField txtStrNr{*this, "txtStrNr"};
    tk::Label lblHFlNr{*this, "lblHFlNr", "Verbraucher Nr"};
    tk::TextField txtHFlNr{*this, "txtHFlNr"};

    tk::Frame fraTemperaturen{*this, "fraTemperaturen", "Temperaturen"};
    tk::Label lblVorlauf{*this, "lblVorlauf", "Vorlauf"};
    tk::TextField txtVorlauf{*this, "txtVorlauf"};
    tk::Label lblRuecklauf{*this, "lblRuecklauf", "Rücklauf"};
    tk::TextField txtRuecklauf{*this, "txtRuecklauf"};

    tk::Frame fraRohrarten{*this, "fraRohrarten", "Rohrarten"};
    tk::OptionButton optStahlrohr{*this, "optStahlrohr", "Stahlrohr", "Rohrarten"};
    tk::OptionButton optCuRohr{*this, "optCuRohr", "Cu-Rohr", "Rohrarten"};
    tk::OptionButton optWeStahlrohr{*this, "optWeStahlrohr", "Weichstahlrohr", "Rohrarten"};

    tk::Label lblStromkreis{*this, "lblStromkreis", "Stromkreis"};
    tk::Label lblHzKprNr{*this, "lblHzKprNr", "Verbraucher Nr"};
    tk::TextField txtHzKprNr{*this, "txtHzKprNr"};
    tk::Label lblHkLstgW{*this, "lblHkLstgW", "Leistung in W"};
    tk::TextField txtHkLstgW{*this, "txtHkLstgW"};
    tk::Button cmdNaechstVerbrauch{*this, "cmdNaechstVerbrauch", "+"};
    tk::Label lblSumLstg{*this, "lblSumLstg", "Sum Leistg"};
    tk::TextField txtGesLstg{*this, "txtGesLstg"};
    tk::Button cmdWeiter{*this, "cmdWeiter", ">"};

    tk::Label lblTeilstr{*this, "lblTeilstr", "Teilstrecke Nr"};
    tk::TextField txtTeilstr{*this, "txtTeilstr"};
    tk::Label lblTeilstrckmtr{*this, "lblTeilstrckmtr", "Länge der Teilstrecke"};
    tk::TextField txtTeilstrckmtr{*this, "txtTeilstrckmtr"};
    tk::Label lblGeschw{*this, "lblGeschw", "Geschwindigkeit m/s"};
    tk::TextField txtGeschw{*this, "txtGeschw"};
    tk::Button cmdTeilRohr{*this, "cmdTeilRohr", "Teilstrecke"};

    tk::Label lblRohrDN{*this, "lblRohrDN", "Eingabe Rohr DN"};
    tk::TextField txtRohrDN{*this, "txtRohrDN"};
    tk::Label lblVentDN{*this, "lblVentDN", "Armatur"};
    tk::TextField txtVentDN{*this, "txtVentDN"};
    tk::Label lblKVWert{*this, "lblKVWert", "KV-Wert"};
    tk::TextField txtKVWert{*this, "txtKVWert"};

    tk::Frame fraZethawerte{*this, "fraZethawerte", "Zethawerte"};
    tk::Label lblVrbrchr{*this, "lblVrbrchr", "Verbraucher"};
    tk::TextField txtVrbrchr{*this, "txtVrbrchr"};
    tk::Label lblBoganzahl{*this, "lblBoganzahl", "Bogen Anzahl"};
    tk::TextField txtBoganzahl{*this, "txtBoganzahl"};
    tk::Label lblTAnzahl{*this, "lblTAnzahl", "T-Stücke Anzahl"};
    tk::TextField txtTAnzahl{*this, "txtTAnzahl"};
    tk::Label lblAnbindAnz{*this, "lblAnbindAnz", "Anbindungen"};
    tk::TextField txtAnbindAnz{*this, "txtAnbindAnz"};
    tk::Label lblReduAnz{*this, "lblReduAnz", "Reduzierung"};
    tk::TextField txtReduAnz{*this, "txtReduAnz"};

    tk::Button cmdRechnen{*this, "cmdRechnen", "Rechnen"};
    tk::Button cmdNaechsteTeilstrck{*this, "cmdNaechsteTeilstrck", "Nächste Teilstrecke"};
    tk::Button cmdFertig{*this, "cmdFertig", "Fertig"};
    tk::Button cmdRstTeilstr{*this, "cmdRstTeilstr", "Nächster   Strang"};

    tk::TextField txtAusgabeBerechn{*this, "txtAusgabeBerechn"};

protected:
    tk::TextField& listingBox() override { return txtAusgabeBerechn; }
    std::string pendingListing() const override;

private:
    void defineDesign();
    void wireHandlers();
    std::int16_t chosenMaterial();
    void hideOtherMaterials();
    MainPhase openedPhase(const project::Circuit& circuit) const;
    void showSectionInputs(const project::SectionInputs& inputs);
    std::optional<steps::CriticalHead> checkCircuit(std::int16_t material);
    void consumerFault();
    std::optional<project::SectionInputs> checkFittings();
    bool pipeDnListed(std::int16_t dn);
    void clearSectionFields();
    void openCatalogue();

    forms::ConsumerEntry consumers_;
};

}  // namespace circuit
