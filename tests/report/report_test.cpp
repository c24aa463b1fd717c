#include "report/Report.h"

#include <gtest/gtest.h>

#include <string>

#include "report/Sheet.h"
#include "tests/editor/BalanceProject.h"
#include "tests/support/TestDoubles.h"

namespace {

std::string pad(int blanks) { return std::string(static_cast<std::size_t>(blanks), ' '); }

// A steel critical circuit on riser 1 with `sections` sections like the
// first one of the worked circuit, and `further` remaining risers.
calc::CalcState project(int sections, int further, int furtherSections) {
    calc::CalcState state;
    state.projectHeader = {"0815",       "J. Maier", "07.12.2026", "Bau GmbH", "",      "Straße 1",
                           "12345 Köln", "0221 12",  "Nord",       "",         "0221 9"};
    state.materialCode = state.pipeMaterial = 1;
    state.supplyTemperature = 90;
    state.returnTemperature = 70;
    state.circulationPressure = 25.8 * sections;
    state.riserIndex = static_cast<std::int16_t>(1 + further);
    state.riserCount = state.riserIndex;
    state.riser.riserNumber.at(1) = 3;
    state.riser.consumerNumber.at(1) = 12;
    state.riser.sectionsPerRiser.at(1) = static_cast<std::int16_t>(sections);
    state.riser.riserPressureDrop.at(1) = state.circulationPressure;
    auto& t = state.section;
    for (int s = 1; s <= sections; ++s) {
        t.sectionNumber.at(1, s) = 7;
        t.sectionLoad.at(1, s) = 2326;
        t.sectionLength.at(1, s) = 10;
        t.designVelocity.at(1, s) = 0.5;
        t.massFlow.at(1, s) = 100;
        t.requiredDiameter.at(1, s) = 8.5f;
        t.criticalDn.at(1, s) = 15;
        t.velocity.at(1, s) = 0.15;
        t.zetaSum.at(1, s) = 221;
        t.pressureDrop.at(1, s) = 25.8;
    }
    for (int r = 2; r <= 1 + further; ++r) {
        state.riser.riserNumber.at(r) = static_cast<std::int16_t>(r + 2);
        state.riser.consumerNumber.at(r) = 31;
        state.riser.sectionsPerRiser.at(r) = static_cast<std::int16_t>(furtherSections);
        state.riser.riserPressureDrop.at(r) = 5.9;
        state.riser.riserBranchLoss.at(r) = 12.25;
        state.riser.riserCorrectedLoss.at(r) = 7.5;
        for (int s = 1; s <= furtherSections; ++s) {
            t.sectionNumber.at(r, s) = 21;
            t.sectionLoad.at(r, s) = 1500;
            t.sectionLength.at(r, s) = 15;
            t.zetaSumCopy1.at(r, s) = 3.7;
            t.listedMassFlow.at(r, s) = 64.5;
            t.branchRequiredDiameter.at(r, s) = 11.0f;
            t.sectionDn.at(r, s) = 10;
            t.branchVelocity.at(r, s) = 0.15;
            t.branchPressureDrop.at(r, s) = 6.7;
            t.fitFlag.at(r, s) = -1;
            t.correctedDn.at(r, s) = 10;
            t.zetaSumCopy2.at(r, s) = 3.7;
            t.correctedLossTab.at(r, s) = 6.7;
        }
    }
    return state;
}

// One riser of three sections: the header block's 13 counted lines and two
// empty ones, the riser block of 17, no page break and nothing after it. A
// wide value does not break its row: the next item follows at once. New line
// estimates are work to save; the same ones again are not, and a printer that
// reports an error once the document is sent leaves the estimates as they were.
TEST(Report, OneRiserOfThreeSections) {
    calc::CalcState state = project(3, 0, 0);
    state.section.sectionLoad.at(1, 3) = 22500.5;
    state.section.zetaSum.at(1, 3) = 725.5;
    tk::PageRecorder printer;
    report::printReport(printer, state, false);
    ASSERT_EQ(printer.pages.size(), 1u);
    const auto& page = printer.pages[0];
    ASSERT_EQ(page.size(), 33u);  // 1 + 13 + 2 + 1 + 16: the last block line is "======"
    EXPECT_EQ(page[2], pad(21) + "Brevon/Pro die kleinen Helfer");
    EXPECT_EQ(page[12], pad(8) + std::string(74, '='));
    EXPECT_EQ(page[13], "");
    EXPECT_EQ(page[14], "");
    EXPECT_EQ(page[19], pad(5) + "Rohrmaterial: Stahlrohr");
    EXPECT_EQ(page[20], pad(5) + "Vorlauftemperatur:" + pad(1) + " 90 °C" + pad(6) +
                            "Rücklauftemperatur:" + pad(2) + " 70 °C");
    EXPECT_EQ(page[21], pad(5) + "Strang-Nummer: " + pad(1) + " 3 " + pad(2) +
                            "Verbraucher-Nummer: " + pad(1) + " 12 " + pad(5) +
                            "Umtriebsdruck : " + " 77,4 " + " mb");
    EXPECT_EQ(page[27], pad(6) + " 1 " + " 7 " + pad(2) + " 2326 " + pad(2) + " 10 " + pad(4) +
                            " 0,5 " + pad(2) + " 100 " + pad(3) + " 8,5 " + pad(1) + " 15 " +
                            pad(2) + " 0,15 " + pad(1) + " 221 " + pad(2) + " 25,8 ");
    EXPECT_EQ(page[29], pad(6) + " 3 " + " 7 " + pad(2) + " 22500,5 " + " 10 " + pad(3) + " 0,5 " +
                            pad(2) + " 100 " + pad(3) + " 8,5 " + pad(1) + " 15 " + pad(2) +
                            " 0,15 " + pad(1) + " 725,5 " + " 25,8 ");
    EXPECT_EQ(page[32], pad(71) + "======");
    EXPECT_EQ(state.riser.blockLineEstimate.at(1), 18);
    ASSERT_GE(printer.fonts.size(), 3u);
    EXPECT_EQ(printer.fonts[0].name, "Arial");
    EXPECT_EQ(printer.fonts[0].size, 11);
    EXPECT_TRUE(printer.fonts[0].bold);
    EXPECT_EQ(printer.fonts[1].name, "Courier New");
    EXPECT_TRUE(printer.fonts[1].bold);
    EXPECT_FALSE(printer.fonts[2].bold);
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_TRUE(state.unsavedChanges);
    state.unsavedChanges = false;
    report::printReport(printer, state, false);
    tk::PageRecorder failing;
    failing.failureAtEnd = "Der Drucker meldet einen Fehler.";
    state.riser.blockLineEstimate.at(1) = 99;
    EXPECT_EQ(report::printReport(failing, state, false), failing.failureAtEnd);
    EXPECT_EQ(state.riser.blockLineEstimate.at(1), 99);
    EXPECT_FALSE(state.unsavedChanges);
}

// A header value is printed whole. Where it runs past the next item's
// column, that item goes on at its own column of the next line, and the line
// counts: with three such lines the first block of 36 sections (51 lines)
// no longer fits the 68 − 18 = 50 left and starts the second page.
TEST(Report, LongHeaderValuesMoveTheNextItemToTheNextLine) {
    calc::CalcState state = project(36, 0, 0);
    auto& h = state.projectHeader;
    h[1] = h[3] = "Ingenieurbüro Musterstadt-Nord";
    h[4] = "Haus B";
    h[5] = "Gewerbegebiet Süd, Halle 12";  // "in: " and 27 characters end in column 39
    h[8] = "Nord-Erweiterung Hallenbad";   // "B.V.: " and 26 characters end in column 40
    h[9] = "Bauabschnitt 2";
    tk::PageRecorder printer;
    report::printReport(printer, state, false);
    const auto& page = printer.pages[0];
    EXPECT_EQ(std::vector<std::string>(page.begin() + 6, page.begin() + 16),
              (std::vector<std::string>{
                  pad(8) + "Projekt Nr.: 0815" + pad(5) + "bearbeitet von: " + h[1],
                  pad(59) + "Datum: 07.12.2026", pad(8) + "für: " + h[3], pad(30) + "Haus B",
                  pad(8) + "in: " + h[5] + "12345 Köln", pad(8) + "Telefon: 0221 12",
                  pad(8) + "B.V.: " + h[8], pad(39) + "Bauabschnitt 2", pad(8) + "Telefon: 0221 9",
                  pad(8) + std::string(74, '=')}));
    EXPECT_EQ(page.size(), 67u);  // 16 header lines, 2 + 48 empty ones, the mark
    EXPECT_EQ(state.riser.blockLineEstimate.at(1), 51);
}

// The critical circuit and two further risers of 30 sections: three pages,
// each ended by its continuation mark and begun by its page head.
TEST(Report, ALongProjectBreaksItsPagesWhereTheBlocksDoNotFit) {
    calc::CalcState state = project(30, 2, 30);
    state.document.emplace();
    tk::PageRecorder printer;
    report::printReport(printer, state, true);
    ASSERT_EQ(printer.pages.size(), 3u);
    for (const auto& page : printer.pages) EXPECT_LE(page.size(), 72u);
    EXPECT_EQ(printer.pages[0].back(), pad(47) + "- 2 -");
    EXPECT_EQ(printer.pages[1].back(), pad(47) + "- 3 -");
    const auto& second = printer.pages[1];
    EXPECT_EQ(second[0], "");
    EXPECT_EQ(second[1], pad(47) + "- 2 -");
    EXPECT_EQ(second[4], pad(5) + "            Berechnung der Rohrweiten im 2-Rohrsystem" + pad(8) +
                             "Projektnr.:0815");
    EXPECT_EQ(second[5], pad(5) + std::string(90, '_'));
    // The last block ends the document: no check and no empty lines after it.
    EXPECT_EQ(printer.pages[2].back(),
              pad(5) + pad(39) + "Druckverlust: " + pad(2) + "12,3 mb" + pad(17) + "7,5 mb");
    EXPECT_EQ(state.riser.blockLineEstimate.at(1), 45);
    EXPECT_EQ(state.riser.blockLineEstimate.at(2), 42);
    EXPECT_EQ(state.riser.blockLineEstimate.at(3), 42);
    EXPECT_EQ(state.document->lineEstimates, (std::vector<std::int16_t>{45, 42, 42}));
}

// A printer that fails when the document is sent: the sheet returns its failure.
TEST(Sheet, ThePrintersFailureIsReturned) {
    const project::Document document = testing_support::balanceProject();
    tk::PageRecorder printer;
    printer.failureAtEnd = "Der Drucker meldet einen Fehler.";
    EXPECT_EQ(report::printSheet(printer, document, steps::calculate(document)),
              printer.failureAtEnd);
}

}  // namespace
