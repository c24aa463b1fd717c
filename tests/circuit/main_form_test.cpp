#include <gtest/gtest.h>

#include <deque>

#include "MainFormHarness.h"

namespace {

class MainForm : public testing::Test, protected testing_support::MainFormHarness {};

TEST_F(MainForm, OneSectionFromConsumersToLoss) {
    form.cmdNaechstVerbrauch.click();
    expectCorrection("Bitte zuerst die Rohrart wählen: Stahlrohr, Cu-Rohr oder Weichstahlrohr.",
                     form.optStahlrohr);

    enterCircuit();
    form.txtVorlauf.enter("70");
    addConsumer("1200");
    expectCorrection("Die Vorlauftemperatur muss über der Rücklauftemperatur liegen.",
                     form.txtRuecklauf);
    EXPECT_EQ(state.riser.riserNumber.at(1), 0);  // a refused step keeps nothing
    EXPECT_EQ(state.loadSum, 0.0);

    form.txtVorlauf.enter("90");
    addConsumer("1200");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(form.txtGesLstg.text(), "1200");
    EXPECT_FALSE(form.txtVorlauf.enabled());
    EXPECT_TRUE(form.txtHzKprNr.hasFocus());
    EXPECT_EQ(form.txtHkLstgW.text(), "");
    form.txtHzKprNr.enter("2");
    addConsumer("1126");
    EXPECT_EQ(form.txtGesLstg.text(), "2326");
    EXPECT_EQ(state.section.sectionLoad.at(1, 1), 2326.0);

    ASSERT_TRUE(form.cmdWeiter.click());
    EXPECT_FALSE(form.cmdNaechstVerbrauch.visible());
    EXPECT_TRUE(form.txtTeilstr.hasFocus());
    form.txtTeilstr.enter("7");
    form.txtTeilstrckmtr.enter("10");
    form.txtGeschw.enter("0,05");
    form.cmdTeilRohr.click();
    expectCorrection("Bitte Zahlen zwischen 0,1 und 3 eingeben.", form.txtGeschw);
    EXPECT_EQ(state.sectionLength, 0.0);
    form.txtGeschw.enter("0,5");
    returnWithoutChoice();
    ASSERT_TRUE(form.cmdTeilRohr.click());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.section.sectionNumber.at(1, 1), 7);
    EXPECT_EQ(state.section.massFlow.at(1, 1), 100.0);  // 2326 / (20 × 1.163)
    EXPECT_FLOAT_EQ(state.section.requiredDiameter.at(1, 1), 8.5f);
    EXPECT_FALSE(form.cmdTeilRohr.visible());
    EXPECT_TRUE(form.txtRohrDN.hasFocus());

    form.txtRohrDN.enter("17");
    form.cmdRechnen.click();
    expectCorrection(
        "Diese Nennweite gibt es für Stahlrohr nicht. Mögliche Nennweiten: 10, 15, "
        "20, 25, 32, 40, 46, 50, 57, 65, 70, 76, 80, 88, 95, 100, 113, 125, 137, 150.",
        form.txtRohrDN);
    form.txtRohrDN.enter("10");
    form.txtVrbrchr.enter("1");
    form.txtBoganzahl.enter("2");
    form.txtTAnzahl.enter("1");
    ASSERT_TRUE(form.cmdRechnen.click());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(form.txtKVWert.text(), "0");  // empty kv: no valve
    // zeta = 2.5 + 2 × 0.3 + 3 = 6.1; Z = 6.1 × 64.3456 × (100 / 12.25²)² = 174.30 Pa,
    // F = 4356.8 × 10 × 100^1.82562 × 12.25^-4.89186 = 927.68 Pa: 11.0198 mbar.
    EXPECT_DOUBLE_EQ(state.section.zetaSum.at(1, 1), 6.1);
    EXPECT_DOUBLE_EQ(state.section.velocity.at(1, 1), 0.24);
    EXPECT_DOUBLE_EQ(state.section.pressureDrop.at(1, 1), 11.0);
    EXPECT_EQ(state.section.criticalDn.at(1, 1), 10);
    EXPECT_DOUBLE_EQ(state.circulationPressure, 11.0);
    EXPECT_TRUE(form.cmdNaechsteTeilstrck.visible());
    EXPECT_TRUE(form.cmdFertig.visible());
    EXPECT_FALSE(form.cmdRechnen.visible());

    ASSERT_TRUE(form.cmdNaechsteTeilstrck.click());
    EXPECT_EQ(state.sectionIndex, 2);
    EXPECT_EQ(state.riser.sectionsPerRiser.at(1), 2);
    EXPECT_FALSE(form.txtRohrDN.visible());
    EXPECT_EQ(form.txtRohrDN.text(), "");
    EXPECT_TRUE(form.txtHzKprNr.enabled());
    EXPECT_TRUE(form.txtHzKprNr.hasFocus());
    addConsumer("500");
    EXPECT_EQ(state.section.sectionLoad.at(1, 2), 2826.0);  // the riser's running sum
}

TEST_F(MainForm, UnconvertibleConsumerTextIsReportedAsAnInputFault) {
    enterCircuit();
    addConsumer("12.5");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().title, "Eingabefehler:");
    EXPECT_EQ(messages.last().text,
              " Überprüfen Sie Ihre Eingaben. Dezimalzeichen ist das Komma. "
              "Umschaltung aktiv ? Nur ganze Zahlen.");
    EXPECT_TRUE(form.txtVorlauf.hasFocus());
    EXPECT_EQ(state.loadSum, 0.0);

    addConsumer("1000");
    addConsumer("1,2,3");  // the temperatures are disabled now
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(form.txtHkLstgW.hasFocus());
    EXPECT_EQ(state.loadSum, 1000.0);

    state.riserIndex = 21;  // as a damaged work file might leave it
    addConsumer("500");
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.last().title, "Eingabefehler:");
    EXPECT_EQ(state.loadSum, 1000.0);
}

// Where the steps' controls matter beyond the next field: at start only
// the circuit and its consumers can be entered; a section follows only while
// the riser has slots left; "Arbeitunterbrechen" is offered from "Fertig"
// until the next riser.
TEST_F(MainForm, StepsOpenInTurnAndInterruptingFollowsFertig) {
    for (const char* name :
         {"cmdWeiter", "cmdTeilRohr", "cmdRechnen", "cmdFertig", "cmdRstTeilstr"})
        EXPECT_FALSE(form.find(name)->visible()) << name;
    EXPECT_FALSE(form.mnuItemArbeitunterbrechen.enabled());
    enterCircuit();
    enterConsumers({"1000"});
    returnWithoutChoice();
    takeSection("1", "1", "0,5");
    computeSection({"15"});
    EXPECT_FALSE(form.mnuItemArbeitunterbrechen.enabled());
    form.cmdFertig.click();
    EXPECT_TRUE(form.mnuItemArbeitunterbrechen.enabled());
    EXPECT_TRUE(form.cmdRstTeilstr.hasFocus());
    form.cmdRstTeilstr.click();
    EXPECT_FALSE(form.mnuItemArbeitunterbrechen.enabled());
    EXPECT_FALSE(form.visible());
}

TEST_F(MainForm, ARefusedFirstConsumerLeavesTheMaterialOpen) {
    enterCircuit();
    form.txtStrNr.enter("21");
    addConsumer("1200");
    expectCorrection("Bitte Zahlen zwischen 1 und 20 eingeben.", form.txtStrNr);
    for (tk::OptionButton* option : {&form.optStahlrohr, &form.optCuRohr, &form.optWeStahlrohr})
        EXPECT_TRUE(option->visible()) << option->name();

    ASSERT_TRUE(form.optCuRohr.click());
    form.txtStrNr.enter("3");
    addConsumer("1200");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.materialCode, 2);
    EXPECT_TRUE(form.optCuRohr.visible());
    EXPECT_FALSE(form.optStahlrohr.visible());
    EXPECT_FALSE(form.optWeStahlrohr.visible());
}

// What the listing line shows is what was computed: once "Teilstrecke" has
// taken the section data they cannot be changed until the next section.
TEST_F(MainForm, SectionDataAreReadOnlyFromTeilstreckeToTheNextSection) {
    enterCircuit();
    enterConsumers({"1000"});
    takeSection("1", "5", "4");
    expectCorrection("Bitte Zahlen zwischen 0,1 und 3 eingeben.", form.txtGeschw);
    for (tk::TextField* field : {&form.txtTeilstr, &form.txtTeilstrckmtr, &form.txtGeschw})
        EXPECT_FALSE(field->readOnly()) << field->name();

    EXPECT_TRUE(form.txtGeschw.enter("0,5"));
    returnWithoutChoice();
    form.cmdTeilRohr.click();
    for (tk::TextField* field : {&form.txtTeilstr, &form.txtTeilstrckmtr, &form.txtGeschw}) {
        EXPECT_TRUE(field->readOnly()) << field->name();
        EXPECT_FALSE(field->enter("9")) << field->name();
    }
    EXPECT_EQ(form.txtTeilstrckmtr.text(), "5");
    computeSection({"15"});
    EXPECT_TRUE(form.cmdNaechsteTeilstrck.hasFocus());

    form.cmdNaechsteTeilstrck.click();
    enterConsumers({"500"});
    for (tk::TextField* field : {&form.txtTeilstr, &form.txtTeilstrckmtr, &form.txtGeschw}) {
        EXPECT_FALSE(field->readOnly()) << field->name();
        EXPECT_EQ(field->text(), "") << field->name();
    }
}

// The user's latest choice in the catalogue holds: a model taken in the
// second dialog replaces one taken in the first before it was opened.
TEST(MainFormCatalogue, TheLatestChoiceGivesKvAndValveText) {
    using Pick = testing_support::MainFormHarness::Pick;
    struct Case {
        std::optional<Pick> second;
        const char* kvText;
        const char* valveText;
        double kv;
    };
    const Case cases[] = {
        {Pick{1, 2, 22}, "5", "  Zentra / Landis & Gyr", 5.0},      // Nebenr DN 20
        {std::nullopt, "0,66", "Ventile u. Regelarmaturen", 0.66},  // returned empty
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kvText);
        testing_support::MainFormHarness h;
        h.enterCircuit();
        h.enterConsumers({"2326"});
        h.enterSection("1", "10", "0,5");
        h.pickInFirstThenSecond({1, 1, 2}, c.second);  // first: kv 0,66
        ASSERT_TRUE(h.form.cmdTeilRohr.click());
        EXPECT_EQ(h.form.txtKVWert.text(), c.kvText);
        EXPECT_EQ(h.form.txtVentDN.text(), c.valveText);
        h.computeSection({"20"});
        EXPECT_TRUE(h.messages.shown.empty());
        // DN 20 steel, d = 21.25 mm: A = R(21.25² × 0.7853975) = 354.66 mm²;
        // kv 5: (0.05 × 354.66 / 5)² = 12.58; kv 0,66: (0.05 × 354.66 / 0.66)² = 721.9.
        EXPECT_DOUBLE_EQ(h.state.section.zetaSum.at(1, 1), c.kv == 5.0 ? 12.6 : 721.9);
    }
}

// Loading the form sets up its controls only; the state is set up by the
// explicit start of new work.
TEST(MainFormState, LoadingTheFormLeavesTheStateAlone) {
    tk::ScriptedWindowSystem windows;
    tk::RecordingMessageBox messages;
    calc::CalcState state;
    state.sectionIndex = 7;
    state.listingLineCount = 3;
    state.loadSum = 1234;
    state.riser.riserNumber.at(1) = 9;
    const calc::CalcState before = state;
    catalogue::Catalogue catalogue{windows};
    testing_support::RecordingServices services;
    circuit::FrmHaupt form{windows, state, messages, catalogue, services};
    form.load();
    form.showModeless();
    EXPECT_TRUE(state.project() == before.project());
    EXPECT_EQ(state.listingLineCount, 3);
    EXPECT_EQ(state.loadSum, 1234.0);
}

// A program ended while the catalogue is open ends the click there: nothing
// of the catalogue is taken over.
TEST_F(MainForm, AProgramEndedInTheCatalogueGoesNoFurther) {
    enterCircuit();
    enterConsumers({"1000"});
    enterSection("4", "10", "0,5");
    windows.whenModal("frmArmaturen", [this] {
        catalogue.frmArmaturen.txtKVWerte.enter("2,5");
        windows.endProgram();
        catalogue.frmArmaturen.hide();
    });
    form.cmdTeilRohr.click();
    EXPECT_EQ(form.txtKVWert.text(), "");
    EXPECT_EQ(form.txtVentDN.text(), "");
    EXPECT_EQ(state.kvValue, 0.0);
}

// "Beenden" with inputs not yet saved asks first; "Nein" keeps the program
// as it was. Work without a document (read back from a file) asks when it
// changed since it was read or saved.
TEST(MainFormEnd, UnsavedWorkIsOnlyThrownAwayWhenTheUserSaysSo) {
    struct Case {
        bool changed;
        bool withDocument;
        std::deque<bool> answers;
        bool ended;
        const char* question;
    };
    const char* const project =
        "Die Eingaben seit dem letzten Speichern des Projekts gehen verloren. Trotzdem beenden?";
    const char* const work =
        "Die Eingaben seit dem letzten Speichern gehen verloren. Trotzdem beenden?";
    const Case cases[] = {{false, true, {}, true, nullptr},
                          {true, true, {false}, false, project},
                          {true, true, {true}, true, project},
                          {true, false, {false}, false, work}};
    for (const Case& c : cases) {
        testing_support::MainFormHarness h;
        if (c.changed) {
            h.enterCircuit();
            h.addConsumer("1000");
        }
        if (!c.withDocument) h.state.document.reset();
        h.messages.answers = c.answers;
        h.form.mnuExitItem.click();
        EXPECT_EQ(h.windows.ended(), c.ended);
        EXPECT_EQ(h.form.loaded(), !c.ended);
        ASSERT_EQ(h.messages.shown.size(), c.question ? 1u : 0u);
        if (c.question) {
            EXPECT_EQ(h.messages.last().title, "Beenden");
            EXPECT_EQ(h.messages.last().text, c.question);
        }
    }
}

}  // namespace
