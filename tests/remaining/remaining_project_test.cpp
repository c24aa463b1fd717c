#include <gtest/gtest.h>

#include "RemainingHarness.h"
#include "steps/Calculate.h"

namespace {

using testing_support::kFourSectionListing;

// Worked by hand in remaining_sections_by_hand.md.
const std::string kFurtherCircuits =
    "                      \r\n"
    "                      \r\n"
    "Druckverlust der restlichen Teilstrecken\r\n"
    "Strang-Nummer: 4   Verbraucher-Nr:   31\r\n"
    "Verfügbarer Druck: 38,4\r\n"
    "___________________________________________________________________________\r\n"
    "  Lf|TS |Leistg |Länge |Zetha| Wasser |Rohr|Rohr|Geschw|Druck |Fakt|Rohr|Zetha|Druck |\r\n"
    "  Nr|Nr |   Q   | TS   |Wert |  menge |Dire| DN |  W   | verl | f  | DN |wert |korrek|\r\n"
    "    |   |   W   |  m   |     |  kg/h  | mm | mm |  m/s |  mb  |    | mm |     |  mb  |\r\n"
    " ---|---|-------|------|-----|--------|----|----|------|------|----|----|-----|------|\r\n"
    " 01  21    1500  15,00    3,7    64,5   11,0  10   0,15     6,7   -1  10  003,7  06,7\r\n"
    " 02  22    2300  12,00    3,6    98,9   12,9  15   0,14     3,6   -1  20  003,6  00,8\r\n"
    "                                                       ---------              --------\r\n"
    "                                           Druckverlust:  10,3                   7,5\r\n"
    "                      \r\n"
    "                      \r\n"
    "Druckverlust der restlichen Teilstrecken\r\n"
    "Strang-Nummer: 5   Verbraucher-Nr:   40\r\n"
    "Verfügbarer Druck:  5,9\r\n"
    "___________________________________________________________________________\r\n"
    "  Lf|TS |Leistg |Länge |Zetha| Wasser |Rohr|Rohr|Geschw|Druck |Fakt|Rohr|Zetha|Druck |\r\n"
    "  Nr|Nr |   Q   | TS   |Wert |  menge |Dire| DN |  W   | verl | f  | DN |wert |korrek|\r\n"
    "    |   |   W   |  m   |     |  kg/h  | mm | mm |  m/s |  mb  |    | mm |     |  mb  |\r\n"
    " ---|---|-------|------|-----|--------|----|----|------|------|----|----|-----|------|\r\n"
    " 01  31    2000  8,00   59,2      86   20,5  20   0,07     1,8    0  20  059,2  01,8\r\n"
    "                                                       ---------              --------\r\n"
    "                                           Druckverlust:   1,8                   1,8\r\n";

class RemainingProject : public testing::Test, protected testing_support::ProjectHarness {};

// The critical circuit, then a circuit that shares nothing (one size
// confirmed, one changed) and a circuit that shares a section of the
// critical circuit and a corrected section of the first further circuit,
// with a valve.
TEST_F(RemainingProject, TwoFurtherCircuitsGiveTheListingWorkedByHand) {
    testing_support::enterFourSections(*this);
    ASSERT_TRUE(form.cmdFertig.click());
    EXPECT_EQ(form.txtAusgabeBerechn.text(), kFourSectionListing);
    EXPECT_DOUBLE_EQ(state.circulationPressure, 38.4);
    EXPECT_DOUBLE_EQ(state.totalLength, 50.5);
    ASSERT_TRUE(form.cmdRstTeilstr.click());
    EXPECT_EQ(services.listing, kFourSectionListing + "\r\n");
    EXPECT_EQ(state.riserCount, 2);
    EXPECT_EQ(state.loadSum, 0.0);
    EXPECT_FALSE(catalogue.frmArmaturen.loaded());
    ASSERT_TRUE(rest.visible());
    EXPECT_EQ(rest.phase(), remaining::RemainingPhase::Shared);

    shareSections("4", "31", {});
    EXPECT_DOUBLE_EQ(state.residualGradient, 38.4 / 50.5);
    addConsumers({"1500"});
    returnWithoutChoice();
    sizeSection("21", "15", {"1", "4"});
    EXPECT_EQ(rest.txtKorrDm.text(), "10");
    EXPECT_TRUE(rest.txtKorrDm.hasFocus());
    correct();
    EXPECT_TRUE(rest.cmdNaechsteTeilstrck.hasFocus());
    rest.cmdNaechsteTeilstrck.click();
    addConsumers({"800"});
    returnWithoutChoice();
    sizeSection("22", "12", {"", "2", "1"});
    EXPECT_EQ(rest.txtKorrDm.text(), "15");
    correct("20");
    rest.cmdFertig.click();
    EXPECT_TRUE(rest.cmdNaechsterStrang.hasFocus());
    rest.cmdNaechsterStrang.click();

    shareSections("5", "40", {"7", "21"});
    EXPECT_EQ(rest.txtTlStrLngSum.text(), "25");
    EXPECT_EQ(rest.txtPVerlSum.text(), "32,5");
    EXPECT_DOUBLE_EQ(state.riserWork.commonLength.at(3), 25.0);
    EXPECT_DOUBLE_EQ(state.riserWork.commonPressure.at(3), 32.5);
    addConsumers({"2000"});
    pickInFirstDialog(2, 3, 8);  // NMG shut-off valve, kv 2,4
    sizeSection("31", "8", {"1", "2", "", "1"});
    EXPECT_EQ(rest.txtKVWert.text(), "2,4");
    correct();
    rest.cmdFertig.click();

    EXPECT_TRUE(messages.shown.empty());
    const std::string expected = kFourSectionListing + "\r\n" + kFurtherCircuits;
    EXPECT_EQ(rest.txtAusgabeDN.text(), expected);
    EXPECT_EQ(state.reportText, expected);

    // Calculated again from the document, with the results of the listing.
    ASSERT_TRUE(state.document);
    const steps::Calculation calculated = steps::calculate(*state.document);
    ASSERT_EQ(calculated.results.circuits.size(), 3u);
    const steps::CircuitResult& second = calculated.results.circuits[1];
    EXPECT_DOUBLE_EQ(second.availablePressure, 38.4);
    EXPECT_DOUBLE_EQ(second.ownLossSum, 7.5);  // 6.7 + 0.8 corrected in DN 20
    ASSERT_EQ(second.sections.size(), 2u);
    EXPECT_EQ(second.sections[1].dn, 20);
    EXPECT_DOUBLE_EQ(second.sections[1].loss, 0.8);
    EXPECT_DOUBLE_EQ(second.sections[1].velocity, 0.14);  // as listed, in DN 15
    const steps::CircuitResult& third = calculated.results.circuits[2];
    EXPECT_DOUBLE_EQ(third.sharedLength, 25);
    EXPECT_DOUBLE_EQ(third.sharedPressure, 32.5);
    EXPECT_DOUBLE_EQ(third.availablePressure, 5.9);
    EXPECT_DOUBLE_EQ(third.remainingLength, 25.5);
    ASSERT_EQ(third.sections.size(), 1u);
    EXPECT_TRUE(third.sections[0].valveCounted);
    EXPECT_DOUBLE_EQ(third.sections[0].zetaSum, 59.2);
    EXPECT_EQ(third.sections[0].fitFlag, 0);
}

}  // namespace
