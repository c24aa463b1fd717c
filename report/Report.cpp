#include "report/Report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <variant>

#include "listing/FormatMask.h"
#include "toolkit/NumberText.h"

namespace report {
namespace {

constexpr std::string_view kReportTitle = "Brevon/Pro die kleinen Helfer";
constexpr std::string_view kTitle = "            Berechnung der Rohrweiten im 2-Rohrsystem";
constexpr const char* kCourier = "Courier New";
constexpr const char* kArial = "Arial";

constexpr std::string_view kCriticalHeadings[] = {
    "  Lf|TS | Leistg |Länge |Geschw|Wasser-|Rohr |Rohr |Geschw|Zetha |Druck |",
    "  Nr|Nr |    Q   | TS   |  W   | menge |Di re| DN  |  W   | Wert |  P   |",
    "    |   |   kW   |  m   | m/s  |  l/h  | mm  | mm  |  m/s |      |  mb  |",
    " ---|---|--------|------|------|-------|-----|-----|------|------|------|"};
constexpr std::string_view kRemainingHeadings[] = {
    "  Lf|TS |Leistg|Länge|Zetha| Wasser |Rohr|Rohr|Geschw| Druck |Fakt|Rohr|Zetha|Druck |",
    "  Nr|Nr |   Q  | TS  |wert |  menge |Dire| DN |  W   |  verl | f  | DN |wert |korrek|",
    "    |   |   W  |  m  |     |  kg/h  | mm | mm |  m/s |   mb  |    | mm |     |  mb  |",
    " ---|---|------|-----|-----|--------|----|----|------|-------|----|----|-----|------|"};

std::string withComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// Fixed notation with the digits of `significant` figures, trailing zeros
// dropped.
template <typename T>
std::string fixedText(T magnitude, int significant) {
    char buffer[128];
    int decimals = 0;
    if (magnitude > 0) {
        const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
        decimals = std::clamp(significant - 1 - exponent, 0, 60);
    }
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::fixed, decimals);
    std::string text(buffer, error == std::errc() ? end : buffer);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return text.empty() ? "0" : text;
}

}  // namespace

std::string generalNumber(double value) {
    if (!std::isfinite(value)) value = 0;
    // Fifteen significant digits first, as the listings show them.
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::general, 15);
    std::string digits(buffer, error == std::errc() ? end : buffer);
    double rounded = std::fabs(value);
    std::from_chars(digits.data(), digits.data() + digits.size(), rounded);
    const std::string text = withComma(fixedText(rounded, 15));
    return (value < 0 && text != "0" ? "-" : " ") + text + " ";
}

std::string generalNumber(float value) {
    if (!std::isfinite(value)) value = 0;
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    std::string text = withComma(std::string(buffer, error == std::errc() ? end : buffer));
    return (value < 0 && text != "0" ? "-" : " ") + text + " ";
}

// --- The line in hand ---

// A line already past the column goes on at that column of the next line,
// which counts towards the page.
void PageGrid::tab(int column) {
    if (column_ > column - 1) endLine();
    printer_.tab(column);
    column_ = std::max(column_, column - 1);
}

// A section row stays one line: an item whose column the line has passed
// follows at once (every number ends with its own blank).
void PageGrid::tabInRow(int column) {
    if (column_ >= column - 1) return;
    printer_.tab(column);
    column_ = column - 1;
}

void PageGrid::text(const std::string& text) {
    printer_.text(text);
    column_ += static_cast<int>(tk::characterCount(text));
}

void Report::number(double value) { text(generalNumber(value)); }
void Report::number(float value) { text(generalNumber(value)); }
void Report::number(std::int16_t value) { text(generalNumber(static_cast<double>(value))); }

void PageGrid::endLine() {
    ++lineCounter_;
    endUncountedLine();
}

void PageGrid::endUncountedLine() {
    printer_.endLine();
    column_ = 0;
}

void PageGrid::emptyLines(int count) {
    for (int i = 0; i < count; ++i) endLine();
}

void PageGrid::pageMark(int page) {
    tab(48);
    text("-" + generalNumber(static_cast<double>(page)) + "-");
}

// A section row: one line, whatever the widths of its values.
void Report::row(std::initializer_list<Item> items) {
    for (const Item& item : items) {
        tabInRow(item.column);
        std::visit([this](auto value) { number(value); }, item.value);
    }
    endLine();
}

void Report::headings(std::span<const std::string_view> lines) {
    for (std::string_view heading : lines) {
        tab(6);
        text(std::string(heading));
        endLine();
    }
}

// --- The blocks ---

void Report::PrintReportHeader() {
    PrintHeaderLines();
    checkBefore(1);
}

void PageGrid::PrintHeaderLines() {
    const auto& h = projectHeader_;
    endUncountedLine();
    lineCounter_ = 0;
    endLine();
    printer_.setFont(kArial, 11, true);
    tab(22);
    text(std::string(kReportTitle));
    endLine();
    emptyLines(3);
    tab(9);
    text("Projekt Nr.: " + h[0]);
    tab(31);
    text("bearbeitet von: " + h[1]);
    tab(60);
    text("Datum: " + h[2]);
    endLine();
    tab(9);
    text("für: " + h[3]);
    tab(31);
    text(h[4]);
    endLine();
    tab(9);
    text("in: " + h[5]);
    tab(40);
    text(h[6]);
    endLine();
    tab(9);
    text("Telefon: " + h[7]);
    endLine();
    tab(9);
    text("B.V.: " + h[8]);
    tab(40);
    text(h[9]);
    endLine();
    tab(9);
    text("Telefon: " + h[10]);
    endLine();
    ++lineCounter_;  // the rule counts twice
    tab(9);
    text(std::string(74, '='));
    endLine();
    printer_.setFont(kCourier, 10, true);
}

int Report::estimateOf(int riser) const {
    const int lastRiser = calc::lastCriticalRiser(state_);
    const int sections = state_.riser.sectionsPerRiser.at(riser);
    return riser <= lastRiser ? sections + 15 : sections + 12;
}

// Risers of the critical circuit, and with the remaining sections those of
// the further circuits; nothing is checked after the last block.
void Report::checkBefore(int next) {
    const int lastRiser = calc::lastCriticalRiser(state_);
    const int lastBlock = withRemaining_ ? state_.riserIndex : lastRiser;
    if (next > lastBlock || next > calc::kMaxRisers) return;
    const int estimate = estimateOf(next);
    state_.riser.blockLineEstimate.at(next) = static_cast<std::int16_t>(estimate);
    CheckPageEnd(estimate);
}

void Report::PrintCriticalCircuit() {
    endUncountedLine();
    printer_.setFont(kCourier, 10, false);
    const int lastRiser = calc::lastCriticalRiser(state_);
    const auto& t = state_.section;
    for (int r = 1; r <= lastRiser; ++r) {
        endLine();
        tab(6);
        text(std::string(kTitle));
        endLine();
        endLine();
        tab(6);
        text("Rohrmaterial: " + calc::materialReportName(state_.materialCode));
        endLine();
        tab(6);
        text("Vorlauftemperatur:");
        tab(25);
        number(state_.supplyTemperature);
        text("°C");
        tab(37);
        text("Rücklauftemperatur:");
        tab(58);
        number(state_.returnTemperature);
        text("°C");
        endLine();
        tab(6);
        text("Strang-Nummer: ");
        tab(22);
        number(state_.riser.riserNumber.at(r));
        tab(27);
        text("Verbraucher-Nummer: ");
        tab(48);
        number(state_.riser.consumerNumber.at(r));
        tab(57);
        text("Umtriebsdruck : ");
        tab(73);
        number(state_.circulationPressure);
        text(" mb");
        endLine();
        tab(6);
        text(std::string(76, '_'));
        endLine();
        headings(kCriticalHeadings);
        for (int s = 1; s <= state_.riser.sectionsPerRiser.at(r); ++s)
            row({{7, static_cast<std::int16_t>(s)},
                 {10, t.sectionNumber.at(r, s)},
                 {15, t.sectionLoad.at(r, s)},
                 {23, t.sectionLength.at(r, s)},
                 {31, t.designVelocity.at(r, s)},
                 {38, t.massFlow.at(r, s)},
                 {46, t.requiredDiameter.at(r, s)},
                 {52, t.criticalDn.at(r, s)},
                 {58, t.velocity.at(r, s)},
                 {65, t.zetaSum.at(r, s)},
                 {72, t.pressureDrop.at(r, s)}});
        tab(7);
        text(std::string(65, ' ') + "-------");
        endLine();
        tab(57);
        text("Druckverlust:");
        tab(72);
        number(state_.riser.riserPressureDrop.at(r));
        text(" mb");
        endLine();
        tab(72);
        text("======");
        endLine();
        checkBefore(r + 1);
    }
}

void Report::PrintRemainingSections() {
    printer_.setFont(kCourier, 10, false);
    const int lastRiser = calc::lastCriticalRiser(state_);
    const auto& t = state_.section;
    for (int r = lastRiser + 1; r <= state_.riserIndex; ++r) {
        endLine();
        tab(6);
        text(std::string(kTitle));
        endLine();
        tab(6);
        text("Strang-Nummer: ");
        tab(22);
        number(state_.riser.riserNumber.at(r));
        tab(29);
        text("Verbraucher-Nr:");
        tab(47);
        number(state_.riser.consumerNumber.at(r));
        tab(55);
        text("RestDruck:");
        tab(68);
        number(state_.riser.riserPressureDrop.at(r));
        text(" mb");
        endLine();
        tab(6);
        text(std::string(84, '_'));
        endLine();
        headings(kRemainingHeadings);
        for (int s = 1; s <= state_.riser.sectionsPerRiser.at(r); ++s)
            row({{7, static_cast<std::int16_t>(s)},
                 {11, t.sectionNumber.at(r, s)},
                 {15, t.sectionLoad.at(r, s)},
                 {21, t.sectionLength.at(r, s)},
                 {28, t.zetaSumCopy1.at(r, s)},
                 {34, t.listedMassFlow.at(r, s)},
                 {42, t.branchRequiredDiameter.at(r, s)},
                 {48, t.sectionDn.at(r, s)},
                 {53, t.branchVelocity.at(r, s)},
                 {60, t.branchPressureDrop.at(r, s)},
                 {68, t.fitFlag.at(r, s)},
                 {73, t.correctedDn.at(r, s)},
                 {78, t.zetaSumCopy2.at(r, s)},
                 {84, t.correctedLossTab.at(r, s)}});
        tab(6);
        text(std::string(53, ' ') + "---------" + std::string(15, ' ') + "--------");
        endLine();
        tab(6);
        text(std::string(39, ' ') + "Druckverlust: ");
        tab(61);
        text(listing::formatNumber(state_.riser.riserBranchLoss.at(r), "####0.0") + " mb");
        tab(85);
        text(listing::formatNumber(state_.riser.riserCorrectedLoss.at(r), "####0.0") + " mb");
        endLine();
        checkBefore(r + 1);
    }
}

void PageGrid::CheckPageEnd(int estimate) {
    emptyLines(2);
    BreakPageUnlessFits(estimate);
}

void PageGrid::BreakPageUnlessFits(int lines) {
    const int remaining = std::max(0, kLinesPerPage - lineCounter_);
    if (remaining >= lines) return;
    emptyLines(std::max(0, remaining - 2));
    pageMark(printer_.pageNumber() + 1);
    endUncountedLine();
    StartNewPage();
}

void PageGrid::StartNewPage() {
    lineCounter_ = 0;
    printer_.newPage();
    endLine();
    pageMark(printer_.pageNumber());
    endLine();
    emptyLines(2);
    printer_.setFont(kCourier, 10, true);
    tab(6);
    text(std::string(kTitle));
    tab(67);
    text("Projektnr.:" + projectHeader_[0]);
    endUncountedLine();
    printer_.setFont(kCourier, 10, false);
    tab(6);
    text(std::string(90, '_'));
    endUncountedLine();
}

std::string printReport(tk::Printer& printer, calc::CalcState& state, bool withRemainingSections) {
    const auto estimates = state.riser.blockLineEstimate;
    printer.beginDocument();
    if (!printer.failure().empty()) return printer.failure();
    Report report(printer, state, withRemainingSections);
    report.PrintReportHeader();
    report.PrintCriticalCircuit();
    if (withRemainingSections) report.PrintRemainingSections();
    printer.endDocument();
    if (!printer.failure().empty()) {
        state.riser.blockLineEstimate = estimates;
        return printer.failure();
    }
    // The work file keeps the estimates: new ones are work to save.
    if (state.riser.blockLineEstimate != estimates) state.unsavedChanges = true;
    if (state.document) {
        std::vector<std::int16_t>& kept = state.document->lineEstimates;
        kept.clear();
        for (int r = 1; r <= calc::kMaxRisers; ++r)
            kept.push_back(state.riser.blockLineEstimate.at(r));
        while (!kept.empty() && kept.back() == 0) kept.pop_back();
    }
    return {};
}

}  // namespace report
