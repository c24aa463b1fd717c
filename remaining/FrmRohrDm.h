#pragma once
// The remaining-sections form: every further circuit of the network, sized
// against the pressure that the critical circuit leaves over.
#include <string>

#include "catalogue/CatalogueForms.h"
#include "forms/ConsumerEntry.h"
#include "forms/Phases.h"
#include "forms/WorkflowForm.h"
#include "forms/WorkflowServices.h"
#include "state/CalcState.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"

namespace remaining {

// The steps of a further circuit, in the order they are met.
enum class RemainingPhase {
    Shared,         // opening, or "Nächster   Strang": the shared sections
    Consumers,      // ">" of the shared part passed: consumers of the first section
    ConsumerAdded,  // "+" passed
    SectionData,    // ">" of the consumers: the catalogue, then number, length, fittings
    Correction,     // "Teilstrecke" passed: the size is to be confirmed or corrected
    SectionDone,    // " Korrektur DN" passed
    NextSection,    // "Nächste Teilstrecke": consumers of a further section
    RiserDone,      // "Fertig"
    Resumed,        // interrupted work brought back after "Fertig"
};

const forms::PhaseTable& remainingPhaseTable();

class FrmRohrDm : public forms::WorkflowForm {
public:
    FrmRohrDm(tk::WindowSystem& windows, calc::CalcState& state, tk::MessageBox& messages,
              catalogue::Catalogue& catalogue, forms::WorkflowServices& services);

    // The main form hands over: the form shows its shared sections with the
    // listing so far.
    void open(const std::string& listing);
    // Interrupted work brought back: the listing, and only "Nächster   Strang"
    // to go on with.
    void resumeFinishedRiser();
    // A project opened with a further circuit in hand: the form shows the
    // work as its last completed step left it.
    void showOpenedWork();
    void showPhase(RemainingPhase phase);
    RemainingPhase phase() const { return static_cast<RemainingPhase>(state_.remainingPhase); }

    // Event handlers and form procedures.
    void cmdAddition_Click();
    void cmdStromkreis_Click();
    void cmdNaechstVerbrauch_Click();
    void cmdWeiter_Click();
    void Arma();
    void cmdTeilRohr_Click();
    void SteuerungRst(const project::SectionInputs& inputs);
    // Record a completed step in the document, when there is one.
    project::Circuit* recordCircuit();
    void cmdDNkorrektur_Click();
    void cmdNaechsteTeilstrck_Click();
    void cmdFertig_Click();
    void cmdNaechsterStrang_Click();

    tk::Label lblUeberschrift{*this, "lblUeberschrift",
                              " Kalvoranberechnung  für  Pumpen-Warmwasserheizung"};
    tk::Label lblWassertemperatur{*this, "lblWassertemperatur",
                                  "Mittlere Warm-Wassertemperatur 80°C"};

    tk::Label lblStrNr{*this, "lblStrNr", "Strang Nr"};
    tk::TextField txtStrNr{*this, "txtStrNr"};
    tk::Label lblHFlNr{*this, "lblHFlNr", "Verbraucher Nr"};
    tk::TextField txtHFlNr{*this, "txtHFlNr"};
    tk::Frame fraGemeinsam{*this, "fraGemeinsam", "Gemeinsame Teilstrecken"};
    tk::Label lblTlStrckNr{*this, "lblTlStrckNr", "Teilstrecke Nr"};
    tk::TextField txtTlStrckNr{*this, "txtTlStrckNr"};
    tk::Label lblTlStLng{*this, "lblTlStLng", "Länge der Teilstrecke"};
    tk::TextField txtTlStLng{*this, "txtTlStLng"};
    tk::Label lblPverbrcht{*this, "lblPverbrcht", "Verbrauchten Druck"};
    tk::TextField txtPverbrcht{*this, "txtPverbrcht"};
    tk::Button cmdAddition{*this, "cmdAddition", "+"};
    tk::Label lblTlStrLngSum{*this, "lblTlStrLngSum", "Sum Länge"};
    tk::TextField txtTlStrLngSum{*this, "txtTlStrLngSum"};
    tk::Label lblPVerlSum{*this, "lblPVerlSum", "Sum Druckverlust"};
    tk::TextField txtPVerlSum{*this, "txtPVerlSum"};
    tk::Button cmdStromkreis{*this, "cmdStromkreis", ">"};

    tk::Label lblStromkreis{*this, "lblStromkreis", "Stromkreis"};
    tk::Label lblHzKprNr{*this, "lblHzKprNr", "Verbraucher Nr"};
    tk::TextField txtHzKprNr{*this, "txtHzKprNr"};
    tk::Label lblHkLstgW{*this, "lblHkLstgW", "Leistung in W"};
    tk::TextField txtHkLstgW{*this, "txtHkLstgW"};
    tk::Button cmdNaechstVerbrauch{*this, "cmdNaechstVerbrauch", "+"};
    tk::Label lblSumLstg{*this, "lblSumLstg", "Sum Leistg"};
    tk::TextField txtGesLstg{*this, "txtGesLstg"};
    tk::Button cmdWeiter{*this, "cmdWeiter", ">"};

    tk::Label lblTeistr{*this, "lblTeistr", "Teilstrecke Nr"};
    tk::TextField txtTeistr{*this, "txtTeistr"};
    tk::Label lblTeilstrckmtr{*this, "lblTeilstrckmtr", "Länge der Teilstrecke"};
    tk::TextField txtTeilstrckmtr{*this, "txtTeilstrckmtr"};
    tk::Label lblVentDN{*this, "lblVentDN", "Armatur"};
    tk::TextField txtVentDN{*this, "txtVentDN"};
    tk::Label lblKVWert{*this, "lblKVWert", "KV-Wert"};
    tk::TextField txtKVWert{*this, "txtKVWert"};
    tk::Button cmdTeilRohr{*this, "cmdTeilRohr", "Teilstrecke"};

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

    tk::Label lblKorrDm{*this, "lblKorrDm", "Korrektur DN"};
    tk::TextField txtKorrDm{*this, "txtKorrDm"};
    tk::Button cmdDNkorrektur{*this, "cmdDNkorrektur", " Korrektur DN"};

    tk::Button cmdNaechsteTeilstrck{*this, "cmdNaechsteTeilstrck", "Nächste Teilstrecke"};
    tk::Button cmdFertig{*this, "cmdFertig", "Fertig"};
    tk::Button cmdNaechsterStrang{*this, "cmdNaechsterStrang", "Nächster   Strang"};

    tk::TextField txtAusgabeDN{*this, "txtAusgabeDN"};

protected:
    tk::TextField& listingBox() override { return txtAusgabeDN; }

private:
    void defineDesign();
    void wireHandlers();
    struct CircuitNumbers {
        std::int16_t riser, consumer;
    };
    std::optional<CircuitNumbers> checkCircuit();
    void resetSharedSums();
    static RemainingPhase openedPhase(const project::Circuit& circuit);
    void showSectionInputs(const project::Section& section);
    void consumerFault();
    std::optional<project::SectionInputs> checkSection();
    bool withValve() const;
    void notice(const std::string& text);
    void clearSectionFields();

    forms::ConsumerEntry consumers_;
};

}  // namespace remaining
