#pragma once
// The printed report: a header block with the project data, one block per
// riser of the critical circuit and, printed from the remaining-sections
// form or the display window, one block per further riser; 68 lines a page,
// placed by character columns.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "state/CalcState.h"
#include "toolkit/Printer.h"

namespace report {

inline constexpr int kLinesPerPage = 68;

class Report {
public:
    // `withRemaining`: the further circuits' blocks follow the critical ones.
    Report(tk::Printer& printer, calc::CalcState& state, bool withRemaining)
        : printer_(printer), state_(state), withRemaining_(withRemaining) {}

    void PrintReportHeader();
    void PrintCriticalCircuit();
    void PrintRemainingSections();
    // Ends the page when the next block, of `estimate` lines, does not fit.
    void CheckPageEnd(int estimate);
    void StartNewPage();

    int lineCounter() const { return lineCounter_; }

private:
    // The line in hand, with the character column it has reached.
    void tab(int column);
    void tabInRow(int column);
    void text(const std::string& text);
    void number(double value);
    void number(float value);
    void number(std::int16_t value);
    struct Item {
        int column;
        std::variant<double, float, std::int16_t> value;
    };
    void row(std::initializer_list<Item> items);
    void headings(std::span<const std::string_view> lines);
    void endLine();  // ends a counted line
    void endUncountedLine();
    void emptyLines(int count);
    void pageMark(int page);
    // The check before the block of riser `next`, if there is one.
    void checkBefore(int next);
    int estimateOf(int riser) const;

    tk::Printer& printer_;
    calc::CalcState& state_;
    int lineCounter_ = 0;
    int column_ = 0;  // characters printed on the line in hand
    bool withRemaining_ = false;
};

// What "&Drucken" prints: the main form the header and the critical circuit;
// the remaining-sections form and the display window the remaining sections
// as well. The document is sent at the end. Returns the printer's failure,
// empty when the document was sent; the line estimates change only then, and
// when they do, the work has changes to save.
std::string printReport(tk::Printer& printer, calc::CalcState& state, bool withRemainingSections);

// A number as the report prints it without a mask: a blank or a minus sign,
// at most fifteen significant digits with the decimal comma and no
// exponent, and a blank after it.
std::string generalNumber(double value);
std::string generalNumber(float value);

}  // namespace report
