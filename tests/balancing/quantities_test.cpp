// Every expected number is worked by hand in balance_by_hand.md.
#include "balancing/Csv.h"
#include "balancing/Quantities.h"

#include <gtest/gtest.h>

namespace {

struct Piece {
    std::int16_t dn = 0;
    double diameter = 0, length = 0;
    project::FittingCounts counts;
    std::string valveText;
    double kv = 0;
    bool counted = false;
};

void addCircuit(project::Document& document, steps::Results& results, bool finished,
                const std::vector<Piece>& pieces) {
    project::Circuit& circuit = project::beginCircuit(document, 1, 1);
    if (document.circuits.size() > 1) circuit.sharedSections = {1};
    steps::CircuitResult& result = results.circuits.emplace_back();
    result.circuit = circuit.id;
    result.finished = finished;
    std::int16_t number = 0;
    for (const Piece& piece : pieces) {
        project::Section& section = project::beginSection(document, circuit);
        project::SectionInputs inputs;
        inputs.number = ++number;
        inputs.length = piece.length;
        inputs.counts = piece.counts;
        inputs.valve = {piece.kv, piece.valveText, "", project::ValveDialog::First, "", ""};
        section.inputs = inputs;
        steps::SectionResult& own = result.sections.emplace_back();
        own.section = section.id;
        own.dn = piece.dn;
        own.innerDiameter = piece.diameter;
        own.valveCounted = piece.counted;
    }
}

const std::string kQuotedText = "TRV ; \"A\"";

TEST(Quantities, SumsTheSectionsOfTheCircuitsInTheBalance) {
    project::Document document;
    document.material = 1;
    steps::Results results;
    addCircuit(document, results, false,
               {{15, 16.0, 10, {2, 1, 0, 1}, "  " + kQuotedText + " ", 0.66, true},
                {20, 21.6, 5.59, {1, 0, 1, 0}, "Strangventil", 2.5, false}});
    addCircuit(document, results, true,
               {{15, 15.75, 20, {3, 1, 2, 0}, kQuotedText, 0.66, true},
                {15, 16.0, 0.5, {}, kQuotedText, 0.5, true}});
    addCircuit(document, results, false,
               {{15, 16.0, 100, {9, 9, 9, 9}, kQuotedText, 0.66, true}});

    const balancing::Quantities q = balancing::quantities(document, results);
    const std::vector<balancing::PipeQuantity> pipes = {{1, 15, 30.5, 6.0}, {1, 20, 5.59, 2.0}};
    EXPECT_EQ(q.pipes, pipes);
    EXPECT_EQ(q.bends, 6);
    EXPECT_EQ(q.tees, 2);
    EXPECT_EQ(q.connections, 3);
    EXPECT_EQ(q.reducers, 1);
    const std::vector<balancing::ValveGroup> valves = {{kQuotedText, 0.66, 2},
                                                       {kQuotedText, 0.5, 1}};
    EXPECT_EQ(q.valves, valves);
    EXPECT_DOUBLE_EQ(q.totalLength, 36.09);
    EXPECT_DOUBLE_EQ(q.totalWater, 8.1);
}

TEST(Csv, QuantitiesFileHoldsEveryRowWithEmptyCellsWhereNothingApplies) {
    balancing::Quantities q;
    q.pipes = {{1, 15, 30.5, 6.0}, {1, 20, 5.59, 2.0}};
    q.bends = 6;
    q.tees = 2;
    q.reducers = 1;
    q.valves = {{kQuotedText, 0.66, 2}, {"Strangventil", 2.5, 1}};
    q.totalLength = 36.09;
    q.totalWater = 8.1;
    EXPECT_EQ(balancing::quantitiesCsv(q),
              "\xEF\xBB\xBF"
              "Art;Rohrart;DN;Bezeichnung;Länge m;Wasserinhalt l;Anzahl;kv\r\n"
              "Rohr;Stahlrohr;15;;30,50;6,0;;\r\n"
              "Rohr;Stahlrohr;20;;5,59;2,0;;\r\n"
              "Bogen;;;;;;6;\r\n"
              "T-Stück;;;;;;2;\r\n"
              "Anbindung;;;;;;0;\r\n"
              "Reduzierung;;;;;;1;\r\n"
              "Ventil;;;\"TRV ; \"\"A\"\"\";;;2;0,660\r\n"
              "Ventil;;;Strangventil;;;1;2,500\r\n"
              "Summe;;;;36,09;8,1;;\r\n");
}

TEST(Csv, BalanceFileHasOneLinePerCircuitAsTheWindowShowsIt) {
    balancing::Balance balance;
    balancing::CircuitRow& valve = balance.circuits.emplace_back();
    valve = {1, 1, 7, true, 5, 4, kQuotedText, 0.66, 64.5, 50, 30, 39.5, 0.323,
             project::kDefaultPresettingTable, "5", 94, {"Eins.", "Zwei\nzeilig."}};
    balancing::CircuitRow& none = balance.circuits.emplace_back();
    none = {2, 2, 9, true, {}, 0, "", 0, 64.5, 50, 30, 30, 0.371, "", {}, {}, {"Kein Ventil."}};
    balancing::CircuitRow& open = balance.circuits.emplace_back();
    open.riser = 3;
    open.consumerNumber = 4;
    open.messages = {"noch nicht fertig"};
    EXPECT_EQ(balancing::balanceCsv(balance),
              "\xEF\xBB\xBF"
              "Strang;Verbraucher;TS Ventil;Ventil;kv;Massenstrom kg/h;Bedarf mbar;"
              "Überschuss mbar;Drosseldruck mbar;kv erforderlich;Tabelle;Stufe;Durchfluss %;"
              "Hinweise\r\n"
              "1;7;04;\"TRV ; \"\"A\"\"\";0,660;64,5;50,0;30,0;39,5;0,323;"
              "Thermostatventil DN 15, 8 Stufen;5;94;\"Eins. Zwei\nzeilig.\"\r\n"
              "2;9;;;;64,5;50,0;30,0;30,0;0,371;;;;Kein Ventil.\r\n"
              "3;4;;;;;;;;;;;;noch nicht fertig\r\n");
}

}  // namespace
