#pragma once
// The window "Projekt bearbeiten": the whole network as the planner entered
// it, as a tree, and the selected item's inputs beside the results of the
// calculation. Every field is checked by the rule of the form where its value
// was first entered, every change is one step on the document that the whole
// project is calculated again for, and every step can be undone.
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CatalogueForms.h"
#include "editing/Edits.h"
#include "editing/Tree.h"
#include "editor/FrmAbgleich.h"
#include "editor/ProjectChanges.h"
#include "forms/FieldChecker.h"
#include "state/CalcState.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"

namespace editor {

inline constexpr const char* kSectionGone = "Diese Teilstrecke gibt es nicht mehr.";

inline constexpr const char* kCaption = "Projekt bearbeiten";

class FrmProjektBearbeiten : public tk::Form {
public:
    FrmProjektBearbeiten(tk::WindowSystem& windows, calc::CalcState& state,
                         tk::MessageBox& messages, catalogue::Catalogue& catalogue,
                         ProjectChanges& changes, FrmAbgleich& balance);

    // Shows the editor modally over the forms; once it closes, the forms show
    // the edited project.
    void edit();

    // Event handlers.
    bool tvwProjekt_Select(int index);
    void tvwProjekt_Key(tk::TreeView::Key key);
    void mnuRueckgaengig_Click();
    void mnuWiederholen_Click();
    void cmdSchliessen_Click();
    void cmdDavor_Click();
    void cmdDanach_Click();
    void cmdLoeschen_Click();
    void cmdHoch_Click();
    void cmdRunter_Click();
    void cmdStromkreisLoeschen_Click();
    void cmdVerbraucherPlus_Click();
    void cmdVerbraucherMinus_Click();
    void cboVerbraucher_Click();
    void cmdKatalog_Click();
    void cmdUebernehmen_Click();
    void cmdVerwerfen_Click();
    void optRohrart_Click(std::int16_t material);
    void Form_KeyEscape() override;
    void Form_QueryUnload() override { cmdSchliessen_Click(); }

    tk::MenuEntry mnuRueckgaengig{*this, "mnuRueckgaengig", "&Bearbeiten", "&Rückgängig", "Ctrl+Z"};
    tk::MenuEntry mnuWiederholen{*this, "mnuWiederholen", "&Bearbeiten", "&Wiederholen", "Ctrl+Y"};
    tk::MenuEntry mnuAbgleich{*this, "mnuAbgleich", "&Bearbeiten", "Hydraulischer Ab&gleich…",
                              "Ctrl+H"};
    tk::MenuEntry mnuSchliessen{*this, "mnuSchliessen", "&Bearbeiten", "&Schließen", ""};

    tk::TreeView tvwProjekt{*this, "tvwProjekt"};
    tk::Label lblAuswahl{*this, "lblAuswahl", ""};

    // The project.
    tk::Frame fraKopf{*this, "fraKopf", "Projekt- und Personaldaten"};
    tk::Label lblPersDat1{*this, "lblPersDat1", "Projekt-Nr."};
    tk::TextField txtPersDat1{*this, "txtPersDat1"};
    tk::Label lblPersDat2{*this, "lblPersDat2", "Bearbeiter"};
    tk::TextField txtPersDat2{*this, "txtPersDat2"};
    tk::Label lblPersDat3{*this, "lblPersDat3", "Datum"};
    tk::TextField txtPersDat3{*this, "txtPersDat3"};
    tk::Label lblAuftraggeber{*this, "lblAuftraggeber", "Bauherr/Auftraggeber"};
    tk::Label lblPersDat4{*this, "lblPersDat4", "Name"};
    tk::TextField txtPersDat4{*this, "txtPersDat4"};
    tk::Label lblPersDat5{*this, "lblPersDat5", "Vorname"};
    tk::TextField txtPersDat5{*this, "txtPersDat5"};
    tk::Label lblPersDat6{*this, "lblPersDat6", "Strasse   Haus Nr"};
    tk::TextField txtPersDat6{*this, "txtPersDat6"};
    tk::Label lblPersDat7{*this, "lblPersDat7", "PLZ     Ort"};
    tk::TextField txtPersDat7{*this, "txtPersDat7"};
    tk::Label lblPersDat8{*this, "lblPersDat8", "Telefon"};
    tk::TextField txtPersDat8{*this, "txtPersDat8"};
    tk::Label lblBaustelle{*this, "lblBaustelle", "Baustelle"};
    tk::Label lblPersDat9{*this, "lblPersDat9", "Stasse   Haus Nr"};
    tk::TextField txtPersDat9{*this, "txtPersDat9"};
    tk::Label lblPersDat10{*this, "lblPersDat10", "PLZ      Ort"};
    tk::TextField txtPersDat10{*this, "txtPersDat10"};
    tk::Label lblPersDat11{*this, "lblPersDat11", "Telefon"};
    tk::TextField txtPersDat11{*this, "txtPersDat11"};
    tk::Frame fraRohrarten{*this, "fraRohrarten", "Rohrarten"};
    tk::OptionButton optStahlrohr{*this, "optStahlrohr", "Stahlrohr", "Rohrarten"};
    tk::OptionButton optCuRohr{*this, "optCuRohr", "Cu-Rohr", "Rohrarten"};
    tk::OptionButton optWeStahlrohr{*this, "optWeStahlrohr", "Weichstahlrohr", "Rohrarten"};
    tk::Label lblVorlauf{*this, "lblVorlauf", "Vorlauf"};
    tk::TextField txtVorlauf{*this, "txtVorlauf"};
    tk::Label lblRuecklauf{*this, "lblRuecklauf", "Rücklauf"};
    tk::TextField txtRuecklauf{*this, "txtRuecklauf"};

    // A circuit.
    tk::Label lblStrNr{*this, "lblStrNr", "Strang Nr"};
    tk::TextField txtStrNr{*this, "txtStrNr"};
    tk::Label lblHFlNr{*this, "lblHFlNr", "Verbraucher Nr"};
    tk::TextField txtHFlNr{*this, "txtHFlNr"};
    tk::Label lblGemeinsam{*this, "lblGemeinsam", "Gemeinsame Teilstrecken"};
    tk::TextField txtGemeinsam{*this, "txtGemeinsam"};
    tk::Button cmdStromkreisLoeschen{*this, "cmdStromkreisLoeschen", "Stromkreis löschen"};

    // A section.
    tk::Label lblTeilstr{*this, "lblTeilstr", "Teilstrecke Nr"};
    tk::TextField txtTeilstr{*this, "txtTeilstr"};
    tk::Label lblTeilstrckmtr{*this, "lblTeilstrckmtr", "Länge der Teilstrecke"};
    tk::TextField txtTeilstrckmtr{*this, "txtTeilstrckmtr"};
    tk::Label lblGeschw{*this, "lblGeschw", "Geschwindigkeit m/s"};
    tk::TextField txtGeschw{*this, "txtGeschw"};
    tk::Label lblRohrDN{*this, "lblRohrDN", "Eingabe Rohr DN"};
    tk::TextField txtRohrDN{*this, "txtRohrDN"};
    tk::Label lblKorrDm{*this, "lblKorrDm", "Korrektur DN"};
    tk::TextField txtKorrDm{*this, "txtKorrDm"};
    tk::Label lblVentDN{*this, "lblVentDN", "Armatur"};
    tk::TextField txtVentDN{*this, "txtVentDN"};
    tk::Label lblKVWert{*this, "lblKVWert", "KV-Wert"};
    tk::TextField txtKVWert{*this, "txtKVWert"};
    tk::Button cmdKatalog{*this, "cmdKatalog", "Katalog…"};
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
    tk::Frame fraVerbraucher{*this, "fraVerbraucher", "Verbraucher der Teilstrecke"};
    tk::ComboBox cboVerbraucher{*this, "cboVerbraucher"};
    tk::Label lblHzKprNr{*this, "lblHzKprNr", "Verbraucher Nr"};
    tk::TextField txtHzKprNr{*this, "txtHzKprNr"};
    tk::Label lblHkLstgW{*this, "lblHkLstgW", "Leistung in W"};
    tk::TextField txtHkLstgW{*this, "txtHkLstgW"};
    tk::Button cmdVerbraucherPlus{*this, "cmdVerbraucherPlus", "Verbraucher hinzufügen"};
    tk::Button cmdVerbraucherMinus{*this, "cmdVerbraucherMinus", "Verbraucher entfernen"};
    tk::Button cmdDavor{*this, "cmdDavor", "TS davor einfügen"};
    tk::Button cmdDanach{*this, "cmdDanach", "TS danach einfügen"};
    tk::Button cmdHoch{*this, "cmdHoch", "Nach oben"};
    tk::Button cmdRunter{*this, "cmdRunter", "Nach unten"};
    tk::Button cmdLoeschen{*this, "cmdLoeschen", "TS löschen"};
    tk::Button cmdUebernehmen{*this, "cmdUebernehmen", "Übernehmen"};
    tk::Button cmdVerwerfen{*this, "cmdVerwerfen", "Verwerfen"};

    tk::Label lblErgebnisse{*this, "lblErgebnisse", "Ergebnisse der Berechnung"};
    tk::TextField txtErgebnisse{*this, "txtErgebnisse"};
    tk::Button cmdSchliessen{*this, "cmdSchliessen", "Schließen"};

protected:
    void Form_Load() override;

private:
    using Kind = editing::TreeItem::Kind;
    struct Selection {
        Kind kind = Kind::Project;
        project::Id id = 0;
    };
    // A change read from a field: its name in the history and what it does.
    struct Edit {
        std::string name;
        editing::Change change;
    };
    using FieldReader = std::function<std::optional<Edit>(tk::TextField&)>;
    // A section or consumer being inserted: its fields are applied together.
    struct Insertion {
        enum class What { Section, Consumer } what = What::Section;
        project::Id beside = 0;
        bool after = true;
        project::SectionInputs inputs;
        std::optional<std::int16_t> correctedDn;
    };

    std::array<tk::TextField*, 11> headerFields();
    void defineDesign();
    void wireHandlers();
    void bindField(tk::TextField& field, FieldReader reader);
    void defineReaders();

    // Showing the document.
    void showCalculation();
    void showTree();
    void showDetail();
    void showProject();
    void showCircuit(const project::Circuit& circuit, bool critical);
    void showSection(const project::Section& section, bool critical);
    void showConsumer();
    void showKinds(bool project, bool circuit, bool section, bool critical);
    void put(tk::TextField& field, std::string text);
    void showMenus();
    void showCaption();

    // Fields and changes.
    std::optional<double> readNumber(const forms::FieldRule& rule, tk::TextField& field);
    std::optional<std::int16_t> readWhole(const forms::FieldRule& rule, tk::TextField& field);
    void defineCircuitReaders();
    void defineProjectReaders();
    bool applyField(tk::TextField& field);
    bool unapplied(const tk::TextField& field) const;
    bool applyPending();
    bool restoreFocusedField();
    tk::TextField* pendingField();
    bool refuse(tk::TextField& field);
    bool commit(const std::string& name, const editing::Change& change);
    void showChanged();
    std::optional<Edit> sectionInput(
        tk::TextField& field, const std::string& what,
        const std::function<std::optional<std::function<void(project::SectionInputs&)>>()>& read);
    void move(int step);
    void beginInsertion(bool after);
    void showInsertion();
    std::optional<project::Consumer> insertedConsumer();
    bool insertedInputsPass();
    std::optional<project::Section> insertedSection();
    void insertSection(project::Section section);
    std::optional<std::vector<std::int16_t>> sharedNumbers(tk::TextField& field);

    // What is selected.
    project::Circuit* selectedCircuit();
    project::Section* selectedSection();
    bool inCritical() const;
    std::string sectionName() const;
    void select(Selection selection);
    const forms::FieldRule& rule(const forms::FieldRule& critical,
                                 const forms::FieldRule& further) const;

    calc::CalcState& state_;
    tk::MessageBox& messages_;
    catalogue::Catalogue& catalogue_;
    ProjectChanges& changes_;
    FrmAbgleich& balance_;
    forms::FieldChecker checker_;
    std::vector<editing::TreeItem> items_;
    Selection selection_;
    std::size_t consumer_ = 0;  // the chosen consumer of the selected section
    std::optional<Insertion> insertion_;
    std::map<const tk::TextField*, FieldReader> readers_;
    // What each field shows of the document: other text is not applied yet.
    std::map<const tk::TextField*, std::string> shown_;
    // The text last refused in a field, so that it is told only once.
    const tk::TextField* refusedField_ = nullptr;
    std::string refusedText_;
    bool showing_ = false;
};

}  // namespace editor
