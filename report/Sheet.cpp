#include "report/Sheet.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "balancing/Balance.h"
#include "balancing/Quantities.h"
#include "listing/FormatMask.h"
#include "report/Report.h"
#include "toolkit/NumberText.h"

namespace report {
namespace {

constexpr const char* kCourier = "Courier New";
constexpr const char* kNotShown = "–";
constexpr int kLeft = 6;
constexpr int kLastColumn = 96;
constexpr int kIndent = 2;  // of a paragraph's further lines

// The circuit table's columns.
constexpr int kRiser = 6, kConsumer = 13, kSection = 20, kValve = 24, kKv = 41, kFlow = 47,
              kNeed = 54, kExcess = 60, kThrottle = 66, kRequired = 72, kTable = 79, kStep = 84,
              kShare = 90;
// The quantities' columns.
constexpr int kName = 6, kSize = 32, kLength = 38, kWater = 48, kCount = 32, kValveKv = 40;

std::string decimals(double value, int count) {
    static constexpr const char* masks[] = {"0", "0.0", "0.00", "0.000"};
    return listing::formatNumber(value, masks[count]);
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// The text in lines of at most `width` characters, broken at blanks; the
// lines after the first lose `indent` characters of their width.
std::vector<std::string> wrapped(const std::string& text, int width, int indent) {
    std::vector<std::string> lines{""};
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        const int limit = lines.size() == 1 ? width : width - indent;
        std::string& line = lines.back();
        if (!line.empty() && static_cast<int>(tk::characterCount(line + " " + word)) > limit)
            lines.push_back(word);
        else
            line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    return lines;
}

// The tables the circuits use, in the order of first use.
std::vector<std::string> tablesUsed(const balancing::Balance& balance) {
    std::vector<std::string> names;
    for (const balancing::CircuitRow& row : balance.circuits)
        if (row.valveSection && std::find(names.begin(), names.end(), row.table) == names.end())
            names.push_back(row.table);
    return names;
}

class Sheet : public PageGrid {
public:
    Sheet(tk::Printer& printer, const project::Document& document)
        : PageGrid(printer, document.header), document_(document) {}

    void print(const steps::Results& results) {
        balance_ = balancing::balance(document_, results);
        quantities_ = balancing::quantities(document_, results);
        tables_ = tablesUsed(balance_);
        PrintHeaderLines();
        block("Hydraulischer Abgleich – Einstellformular", 1);
        printPump();
        printCircuits();
        printMessages();
        printChecks();
        printQuantities();
        printNotes();
        printConfirmation();
    }

private:
    // Two empty lines, then the block's heading in bold; the block's first
    // `keep` lines go on the same page.
    void block(const std::string& heading, int keep) {
        CheckPageEnd(keep);
        printer_.setFont(kCourier, 10, true);
        line({{kLeft, heading}});
        printer_.setFont(kCourier, 10, false);
    }

    struct Cell {
        int column;
        std::string text;
    };
    // One line of cells; a cell the line has reached follows after a blank.
    void line(std::initializer_list<Cell> cells) {
        BreakPageUnlessFits(1);
        for (const Cell& cell : cells) {
            if (column_ < cell.column - 1)
                tabInRow(cell.column);
            else if (column_ > 0)
                text(" ");
            text(cell.text);
        }
        endLine();
    }

    void paragraph(const std::string& content) {
        const std::vector<std::string> lines = wrapped(content, kLastColumn - kLeft + 1, kIndent);
        for (std::size_t i = 0; i < lines.size(); ++i)
            line({{kLeft + (i == 0 ? 0 : kIndent), lines[i]}});
    }

    std::string pumpFlow() const {
        const balancing::Pump& pump = balance_.pump;
        return decimals(pump.massFlow, 1) + " kg/h = " + decimals(pump.volumeFlow, 3) + " m³/h";
    }

    std::string pumpHead() const {
        const balancing::Pump& pump = balance_.pump;
        return decimals(pump.head, 2) + " m = " + decimals(pump.pressureKpa, 2) + " kPa";
    }

    void printPump() {
        const balancing::Pump& pump = balance_.pump;
        block("Pumpe", 4);
        line({{kLeft, "Förderstrom: " + pumpFlow()}});
        line({{kLeft, "P = " + decimals(pump.referencePressure, 1) + " mbar"},
              {kLeft + 18, "X = " + decimals(pump.generatorLoss, 1) + " mbar"},
              {kLeft + 36, "Förderhöhe: " + pumpHead()}});
        paragraph("Förderstrom = größter Massenstrom des ungünstigsten Stromkreises (TS " +
                  twoDigits(pump.sectionNumber) + ") / 971,8 kg/m³");
    }

    std::string tableKey(const std::string& name) const {
        const auto found = std::find(tables_.begin(), tables_.end(), name);
        return std::to_string(found - tables_.begin() + 1);
    }

    void circuitRow(const balancing::CircuitRow& row) {
        const std::string riser = std::to_string(row.riser);
        const std::string consumer = std::to_string(row.consumerNumber);
        if (!row.finished)
            return line({{kRiser, riser}, {kConsumer, consumer}, {kSection, "noch nicht fertig"}});
        const bool valve = row.valveSection.has_value();
        const auto either = [](bool shown, const std::string& value) {
            return shown ? value : std::string(kNotShown);
        };
        line({{kRiser, riser},
              {kConsumer, consumer},
              {kSection, either(valve, twoDigits(row.valveSectionNumber))},
              {kValve, either(valve, row.valveText)},
              {kKv, either(valve, decimals(row.kv, 3))},
              {kFlow, decimals(row.massFlow, 1)},
              {kNeed, decimals(row.need, 1)},
              {kExcess, decimals(row.excess, 1)},
              {kThrottle, decimals(row.throttle, 1)},
              {kRequired, row.requiredKv ? decimals(*row.requiredKv, 3) : kNotShown},
              {kTable, either(valve, tableKey(row.table))},
              {kStep, row.step.value_or(kNotShown)},
              {kShare, row.share ? std::to_string(*row.share) + " %" : kNotShown}});
    }

    void circuitHeadings() {
        line({{kRiser, "Strang"},
              {kConsumer, "Verbr."},
              {kSection, "TS"},
              {kValve, "Ventil"},
              {kKv, "kv"},
              {kFlow, "m kg/h"},
              {kNeed, "N"},
              {kExcess, "E"},
              {kThrottle, "T"},
              {kRequired, "kv erf"},
              {kTable, "Tab."},
              {kStep, "Stufe"},
              {kShare, "q"}});
        line({{kLeft, std::string(kLastColumn - kLeft + 1, '-')}});
    }

    // A table that goes on on the next page repeats its headings there.
    void printCircuits() {
        block("Stromkreise", 6);
        circuitHeadings();
        for (const balancing::CircuitRow& row : balance_.circuits) {
            if (lineCounter_ >= kLinesPerPage) {
                BreakPageUnlessFits(1);
                circuitHeadings();
            }
            circuitRow(row);
        }
        paragraph(
            "N Bedarf, E Überschuss, T am Ventil abzudrosseln, je mbar; q Durchfluss "
            "bei der Stufe");
        for (std::size_t i = 0; i < tables_.size(); ++i)
            paragraph("Tab. " + std::to_string(i + 1) + ": " + tables_[i]);
    }

    void printMessages() {
        block("Hinweise", 3);
        bool any = false;
        for (const balancing::CircuitRow& row : balance_.circuits)
            for (const std::string& message : row.messages) {
                paragraph("Strang " + std::to_string(row.riser) + ", Verbraucher " +
                          std::to_string(row.consumerNumber) + ": " + message);
                any = true;
            }
        if (!any) line({{kLeft, "Keine Hinweise."}});
    }

    void printChecks() {
        block("Prüfungen der Teilstrecken", 3);
        for (const std::string& check : balance_.checks) paragraph(check);
        if (balance_.checks.empty()) line({{kLeft, "Keine Teilstrecke ist zu beanstanden."}});
    }

    void printPipes() {
        line({{kName, "Rohre"}, {kSize, "DN"}, {kLength, "Länge m"}, {kWater, "Wasser l"}});
        for (const balancing::PipeQuantity& pipe : quantities_.pipes)
            line({{kName, calc::materialReportName(pipe.material)},
                  {kSize, std::to_string(pipe.dn)},
                  {kLength, decimals(pipe.length, 2)},
                  {kWater, decimals(pipe.water, 1)}});
        line({{kName, "Summe"},
              {kLength, decimals(quantities_.totalLength, 2)},
              {kWater, decimals(quantities_.totalWater, 1)}});
    }

    void printFittings() {
        line({{kName, "Formstücke"}, {kCount, "Anzahl"}});
        line({{kName, "Bögen"}, {kCount, std::to_string(quantities_.bends)}});
        line({{kName, "T-Stücke"}, {kCount, std::to_string(quantities_.tees)}});
        line({{kName, "Anbindungen"}, {kCount, std::to_string(quantities_.connections)}});
        line({{kName, "Reduzierungen"}, {kCount, std::to_string(quantities_.reducers)}});
    }

    void printValves() {
        line({{kName, "Ventile"}, {kCount, "Anzahl"}, {kValveKv, "kv"}});
        for (const balancing::ValveGroup& valve : quantities_.valves)
            line({{kName, valve.text},
                  {kCount, std::to_string(valve.count)},
                  {kValveKv, decimals(valve.kv, 3)}});
    }

    void printQuantities() {
        block("Mengen", 4);
        printPipes();
        line({});
        printFittings();
        line({});
        printValves();
    }

    void printNotes() {
        CheckPageEnd(3);
        paragraph(
            "kv-Werte nach dem Ventilmodell dieses Programms; Herstellerangaben können um etwa "
            "2 % abweichen.");
        if (balance_.exampleValues) paragraph(balancing::kExampleValuesNote);
    }

    std::string tablesText() const {
        std::string names;
        for (const std::string& name : tables_) names += (names.empty() ? "" : "; ") + name;
        return names.empty() ? kNotShown : names;
    }

    void printConfirmation() {
        block("Bestätigung", 9);
        line({{kLeft, "Rohrnetzberechnung nach dem Restdruckverfahren"}});
        line({{kLeft, "Vorlauftemperatur: " + document_.supplyTemperature.text + " °C"},
              {kLeft + 28, "Rücklauftemperatur: " + document_.returnTemperature.text + " °C"}});
        line({{kLeft, "Förderstrom: " + pumpFlow()}, {kLeft + 42, "Förderhöhe: " + pumpHead()}});
        paragraph("Voreinstelltabellen: " + tablesText());
        line({});
        line({});
        line({{kLeft,
               "Ort: ____________________   Datum: ____________   Unterschrift: "
               "______________________"}});
    }

    const project::Document& document_;
    balancing::Balance balance_;
    balancing::Quantities quantities_;
    std::vector<std::string> tables_;
};

}  // namespace

std::string printSheet(tk::Printer& printer, const project::Document& document,
                       const steps::Calculation& calculation) {
    printer.beginDocument();
    if (!printer.failure().empty()) return printer.failure();
    Sheet(printer, document).print(calculation.results);
    printer.endDocument();
    return printer.failure();
}

}  // namespace report
