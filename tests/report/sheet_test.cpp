#include "report/Sheet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/editor/BalanceProject.h"
#include "tests/support/TestDoubles.h"

namespace {

using Pages = std::vector<std::vector<std::string>>;

// The pages of a sheet written by hand, divided by a line "<<< neue Seite >>>".
Pages pagesWrittenByHand(const std::string& file) {
    std::ifstream in(std::string(ROHR_SOURCE_DIR) + "/tests/report/" + file);
    Pages pages(1);
    for (std::string line; std::getline(in, line);) {
        if (line == "<<< neue Seite >>>")
            pages.emplace_back();
        else
            pages.back().push_back(line);
    }
    return pages;
}

// The project of balance_by_hand.md with a further circuit not finished, its
// balance and quantities worked by hand in sheet_by_hand.txt: the quantities
// close the first page, the notes and the confirmation follow below the
// second page's head.
TEST(Sheet, TheBalanceProjectAsWorkedByHand) {
    project::Document document = testing_support::balanceProject();
    document.header = {"0815",       "J. Maier", "07.12.2026", "Bau GmbH", "Haus A", "Straße 1",
                       "12345 Köln", "0221 12",  "Nord",       "Block 2",  "0221 9"};
    project::beginCircuit(document, 7, 61);  // begun, not finished
    const steps::Calculation calculation = steps::calculate(document);
    ASSERT_FALSE(calculation.refusal);
    tk::PageRecorder printer;
    EXPECT_EQ(report::printSheet(printer, document, calculation), "");
    const Pages expected = pagesWrittenByHand("sheet_by_hand.txt");
    ASSERT_EQ(printer.pages.size(), expected.size());
    for (std::size_t p = 0; p < expected.size(); ++p) EXPECT_EQ(printer.pages[p], expected[p]);
    EXPECT_EQ(printer.documentsEnded, 1);
}

// A printer that fails when the document is sent: its failure is returned.
TEST(Sheet, ThePrintersFailureIsReturned) {
    const project::Document document = testing_support::balanceProject();
    tk::PageRecorder printer;
    printer.failureAtEnd = "Der Drucker meldet einen Fehler.";
    EXPECT_EQ(report::printSheet(printer, document, steps::calculate(document)),
              printer.failureAtEnd);
}

}  // namespace
