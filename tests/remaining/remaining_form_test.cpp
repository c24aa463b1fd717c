#include <gtest/gtest.h>

#include "RemainingHarness.h"

namespace {

using remaining::RemainingPhase;

class RemainingForm : public testing::Test, protected testing_support::ProjectHarness {
protected:
    RemainingForm() { openAfterThreeSections(); }

    // One own section of 1000 W over 10 m, sized and waiting for its
    // correction; with `kv` typed into the catalogue, else none chosen.
    void sizeOneSection(const char* kv = nullptr) {
        shareSections("2", "1", {});
        addConsumers({"1000"});
        windows.whenModal("frmArmaturen", [this, kv] {
            if (kv) catalogue.frmArmaturen.txtKVWerte.enter(kv);
            returnFrom(catalogue.frmArmaturen);
        });
        sizeSection("1", "10", {});
    }
};

// A shared section must have been computed, and the shared part must leave
// length and pressure for the own sections; else the shared sums start again.
TEST_F(RemainingForm, SharedSectionsThatLeaveNothingAreRefused) {
    struct Case {
        std::initializer_list<const char*> shared;
        const char* message;
    };
    const Case cases[] = {
        {{"55"}, "Keine berechnete Teilstrecke hat die Nummer 55."},
        {{"7", "8", "9"},
         "Die gemeinsamen Teilstrecken sind zusammen so lang wie der ungünstigste Stromkreis "
         "oder länger. Bitte die gemeinsamen Teilstrecken neu eingeben."},
        {{"7", "8"},
         "Für die eigenen Teilstrecken bleibt kein Druck übrig. Bitte die gemeinsamen "
         "Teilstrecken neu eingeben."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        shareSections("2", "1", c.shared);
        expectCorrection(c.message, rest.txtTlStrckNr);
        EXPECT_EQ(state.riserWork.commonLength.at(2), 0.0);
        EXPECT_EQ(state.riserWork.commonPressure.at(2), 0.0);
        EXPECT_EQ(rest.txtTlStrLngSum.text(), "");
        EXPECT_EQ(state.riser.riserPressureDrop.at(2), 0.0);
        EXPECT_EQ(rest.phase(), RemainingPhase::Shared);
    }
}

TEST_F(RemainingForm, ACorrectionTheTableLacksIsRefused) {
    sizeOneSection();
    ASSERT_EQ(rest.phase(), RemainingPhase::Correction);
    const std::string before = rest.txtAusgabeDN.text();
    struct Case {
        const char* dn;
        const char* message;
    };
    const Case cases[] = {
        {"17",
         "Diese Nennweite gibt es für Stahlrohr nicht. Mögliche Nennweiten: 10, 15, 20, 25, 32, "
         "40, 46, 50, 57, 63, 64, 70, 76, 80, 88, 94, 100, 113, 125, 137, 150."},
        {"", "Bitte Nennweiten zwischen 10 und 150 eingeben."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dn);
        correct(c.dn);
        expectCorrection(c.message, rest.txtKorrDm);
        EXPECT_EQ(state.section.correctedDn.at(2, 1), 0);
        EXPECT_EQ(rest.txtAusgabeDN.text(), before);
        EXPECT_EQ(rest.phase(), RemainingPhase::Correction);
    }
}

TEST_F(RemainingForm, TheProjectsLimitsAreKept) {
    sizeOneSection();
    correct();
    state.sectionIndex = 45;
    rest.cmdNaechsteTeilstrck.click();
    expectCorrection("Das Projekt ist voll: höchstens 20 Stränge mit je 45 Teilstrecken.",
                     rest.cmdFertig);
    EXPECT_EQ(state.sectionIndex, 45);
    rest.cmdFertig.click();
    state.riserIndex = 20;
    rest.cmdNaechsterStrang.click();
    expectCorrection("Das Projekt ist voll: höchstens 20 Stränge mit je 45 Teilstrecken.",
                     rest.cmdNaechsterStrang);
    EXPECT_EQ(state.riserIndex, 20);
}

// kv 0,66 at 43 kg/h loses about 4.2 mbar; 10 m at 0.4 mbar/m allot 4 mbar.
// The section takes the size of its first estimate, and the user is told.
TEST_F(RemainingForm, AValveThatUsesUpTheAllotmentGivesNotice) {
    state.circulationPressure = 20;  // 20 mbar over 50 m
    sizeOneSection("0,66");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().title, "Hinweis:");
    EXPECT_EQ(messages.last().text,
              "Das Ventil dieser Teilstrecke verbraucht allein mehr Druck, als ihr zugeteilt ist. "
              "Die Nennweite ist nach der Geschwindigkeit gewählt; ein Ventil mit größerem "
              "kv-Wert würde helfen.");
    // m = 1000 / 23.26 = 42.99; 0.77 × √42.99 = 5.05 mm selects DN 10.
    EXPECT_FLOAT_EQ(state.section.branchRequiredDiameter.at(2, 1), 5.0f);
    EXPECT_EQ(state.section.sectionDn.at(2, 1), 10);
    EXPECT_EQ(rest.phase(), RemainingPhase::Correction);
}

// The work file and the report keep both zeta sums of a valve section: at
// the selected size and at the corrected one. kv 2,5: at DN 10 (12.25 mm)
// A = 117.86, zeta (2.3572)² = 5.56 → 5.6; at DN 25 (27 mm) A = 572.55,
// zeta (11.451)² = 131.13 → 131.1.
TEST_F(RemainingForm, BothZetaSumsOfACorrectedValveSectionAreKept) {
    sizeOneSection("2,5");
    ASSERT_EQ(rest.txtKorrDm.text(), "10");
    correct("25");
    EXPECT_DOUBLE_EQ(state.section.zetaSumCopy1.at(2, 1), 5.6);
    EXPECT_DOUBLE_EQ(state.section.zetaSumCopy2.at(2, 1), 131.1);
}

// A section that feeds no new consumer carries the load sum so far: from
// the circuit's second section on, ">" is there without a "+".
TEST_F(RemainingForm, ASectionWithoutANewConsumerCarriesTheLoadSoFar) {
    sizeOneSection();
    correct();
    rest.cmdNaechsteTeilstrck.click();
    EXPECT_TRUE(rest.cmdWeiter.visible());
    returnWithoutChoice();
    sizeSection("2", "5", {});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.section.sectionLoad.at(2, 2), 1000.0);
    // 1000 W at 20 K: 1000 / 23.26 = 42.99 kg/h, listed 43.
    EXPECT_DOUBLE_EQ(state.section.listedMassFlow.at(2, 2), 43.0);
}

}  // namespace
