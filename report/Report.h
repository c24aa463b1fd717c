#pragma once
// The printed report: a header block with the project data, one block per
// riser of the critical circuit and, printed from the remaining-sections
// form or the display window, one block per further riser; 68 lines a page,
// placed by character columns.
#include <array>
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

// The report's page grid: the line in hand placed by character columns,
// the lines counted towards the page, the project header block, and the
// page head on every page after the first.
class PageGrid {
public:
    PageGrid(tk::Printer& printer, const std::array<std::string, 11>& projectHeader)
        : printer_(printer), projectHeader_(projectHeader) {}

    // Ends in Courier New 10 bold, after the rule below the header.
    void PrintHeaderLines();
    // Ends the page when the next block, of `estimate` lines, does not fit.
    void CheckPageEnd(int estimate);
    // As CheckPageEnd, without the two empty lines before the block.
    void BreakPageUnlessFits(int lines);
    void StartNewPage();

    int lineCounter() const { return lineCounter_; }

protected:
    // A line already past the column goes on at that column of the next line.
    void tab(int column);
    // An item whose column the line has passed follows at once.
    void tabInRow(int column);
    void text(const std::string& text);
    void endLine();  // ends a counted line
    void endUncountedLine();
    void emptyLines(int count);
    void pageMark(int page);

    tk::Printer& printer_;
    const std::array<std::string, 11>& projectHeader_;
    int lineCounter_ = 0;
    int column_ = 0;  // characters printed on the line in hand
};

class Report : public PageGrid {
public:
    // `withRemaining`: the further circuits' blocks follow the critical ones.
    Report(tk::Printer& printer, calc::CalcState& state, bool withRemaining)
        : PageGrid(printer, state.projectHeader), state_(state), withRemaining_(withRemaining) {}

    void PrintReportHeader();
    void PrintCriticalCircuit();
    void PrintRemainingSections();

private:
    void number(double value);
    void number(float value);
    void number(std::int16_t value);
    struct Item {
        int column;
        std::variant<double, float, std::int16_t> value;
    };
    void row(std::initializer_list<Item> items);
    void headings(std::span<const std::string_view> lines);
    // The check before the block of riser `next`, if there is one.
    void checkBefore(int next);
    int estimateOf(int riser) const;

    calc::CalcState& state_;
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
