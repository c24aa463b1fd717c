#include "report/Sheet.h"

#include <gtest/gtest.h>

#include "tests/editor/BalanceProject.h"
#include "tests/support/TestDoubles.h"

namespace {

// A printer that fails when the document is sent: its failure is returned.
TEST(Sheet, ThePrintersFailureIsReturned) {
    const project::Document document = testing_support::balanceProject();
    tk::PageRecorder printer;
    printer.failureAtEnd = "Der Drucker meldet einen Fehler.";
    EXPECT_EQ(report::printSheet(printer, document, steps::calculate(document)),
              printer.failureAtEnd);
}

}  // namespace
