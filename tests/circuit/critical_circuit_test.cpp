#include <gtest/gtest.h>

#include "FourSectionCircuit.h"

namespace {

class CriticalCircuit : public testing::Test, protected testing_support::MainFormHarness {};

TEST_F(CriticalCircuit, OneSectionEndsWithItsFooterAndTheListingKeepsGrowing) {
    enterCircuit();
    form.optCuRohr.click();
    enterConsumers({"3489"});
    returnWithoutChoice();
    takeSection("1", "7,5", "0,7");
    const std::string afterFirstHalf = form.txtAusgabeBerechn.text();
    computeSection({"18", "", "1", "", "2", "1"});
    EXPECT_EQ(form.txtAusgabeBerechn.text().substr(0, afterFirstHalf.size()), afterFirstHalf);
    form.cmdFertig.click();
    // 150 kg/h in 16 mm copper, zeta 3.8: 4.45 mbar stored as 4.5.
    const std::string text = form.txtAusgabeBerechn.text();
    EXPECT_TRUE(text.ends_with(
        " 01   01    3489    7,50   0,70     150  08,8   18   0,21   003,8   04,5\r\n" +
        std::string(66, ' ') + "-------\r\n" + std::string(51, ' ') + "Druckverlust:    4,50"))
        << text;
    EXPECT_EQ(text.find("Rohrmaterial:Kupferrohr\r\n") != std::string::npos, true);
}

TEST_F(CriticalCircuit, ACatalogueValueAboveTheBoundIsRefusedAtRechnen) {
    enterCircuit();
    enterConsumers({"20000"});
    pickInSecondDialog(2, 1, 12);  // Ari flanged valve DN 200, kv 1533
    takeSection("1", "5", "1");
    EXPECT_EQ(form.txtKVWert.text(), "1533");  // kept whole beyond the field's four characters
    computeSection({"100"});
    expectCorrection("Bitte Werte zwischen 0,1 und 600 eingeben.", form.txtKVWert);

    form.txtKVWert.enter("");
    computeSection({"100"});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_DOUBLE_EQ(state.section.zetaSum.at(1, 1), 0.0);  // no valve
}

}  // namespace
