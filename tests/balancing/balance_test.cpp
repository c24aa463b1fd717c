// Every expected number is worked by hand in balance_by_hand.md.
#include "balancing/Balance.h"

#include <gtest/gtest.h>

namespace {

using project::ValveDialog;

struct Own {
    std::int16_t number = 0;
    double massFlow = 0;
    double loss = 0;
    double kv = 0;  // 0: no counting valve
    ValveDialog dialog = ValveDialog::First;
    double diameter = 100;
    double gradient = 50;
};

struct Net {
    project::Document document;
    steps::Results results;

    std::size_t circuit(std::int16_t riser, std::int16_t consumer, double shared, bool finished) {
        project::beginCircuit(document, riser, consumer).finished = finished;
        steps::CircuitResult& result = results.circuits.emplace_back();
        result.circuit = document.circuits.back().id;
        result.sharedPressure = shared;
        result.finished = finished;
        return document.circuits.size() - 1;
    }

    project::Id section(std::size_t circuit, const Own& own) {
        project::Section& section = project::beginSection(document, document.circuits[circuit]);
        project::SectionInputs inputs;
        inputs.number = own.number;
        inputs.valve = {own.kv, own.kv > 0 ? "  Ventil " : "", "", own.dialog, "", ""};
        section.inputs = inputs;
        steps::SectionResult result;
        result.section = section.id;
        result.massFlow = own.massFlow;
        result.innerDiameter = own.diameter;
        result.valveCounted = own.kv > 0;
        result.frictionGradient = own.gradient;
        result.loss = own.loss;
        results.circuits[circuit].sections.push_back(result);
        return section.id;
    }
};

struct RowCase {
    const char* name;
    double criticalNeed, furtherNeed, massFlow, kv;
    ValveDialog dialog;
    bool picked, finished;
    double criticalExcess, excess, throttle;
    std::optional<double> requiredKv;
    std::optional<int> step, share;
    std::vector<std::string> messages, criticalMessages;
};

TEST(Balance, CircuitRowsFollowTheirNeedsAndValves) {
    const std::string moreThanCritical =
        "Dieser Stromkreis braucht 50,0 mbar, mehr als der ungünstigste Stromkreis (40,0 mbar). "
        "Die Pumpe muss 10,0 mbar mehr fördern; größere Nennweiten in diesem Stromkreis würden "
        "helfen.";
    const std::string noValve =
        "Kein Ventil in diesem Stromkreis: 30,0 mbar sind abzudrosseln, dafür braucht es ein "
        "Ventil mit kv 0,371.";
    const std::string criticalNoValve =
        "Kein Ventil in diesem Stromkreis: 10,0 mbar sind abzudrosseln, dafür braucht es ein "
        "Ventil mit kv 0,996.";
    const std::string largest =
        "Auch die größte Voreinstellung (kv 0,720) reicht nicht: Durchfluss 92 %.";
    const std::string noise =
        "Am Ventil sind 350,9 mbar abzudrosseln, mehr als 200,0 mbar: Geräusche möglich. Ein "
        "Differenzdruckregler im Strang hilft.";
    const std::string smallest =
        "Die kleinste Voreinstellung (kv 0,050) drosselt nicht genug: Durchfluss 144 %. Ein "
        "Strangregulierventil vorsehen.";
    const auto First = ValveDialog::First, Second = ValveDialog::Second;
    // clang-format off
    const RowCase cases[] = {
        {"worked check", 80, 50, 64.5, 0.66, First, false, true, 0, 30, 39.5, 0.323, 5, 94, {}, {}},
        {"no excess", 50, 50, 64.5, 0.66, First, false, true, 0, 0, 9.5, 0.66, 8, 104, {}, {}},
        {"further needs more", 40, 50, 64.5, 0.66, First, false, true, 10, 0, 9.5, 0.66, 8, 104,
         {moreThanCritical}, {criticalNoValve}},
        {"equal distance", 50, 50, 30, 0.6, First, false, true, 0, 0, 2.5, 0.6, 8, 102, {}, {}},
        {"above the table", 50, 50, 64.5, 1.0, First, false, true, 0, 0, 4.1, 1.0, 8, 92,
         {largest}, {}},
        {"below the table", 400, 50, 20, 0.66, First, false, true, 0, 350, 350.9, 0.034, 1, 144,
         {noise, smallest}, {}},
        {"no valve", 80, 50, 64.5, 0, First, false, true, 0, 30, 30, 0.371, {}, {}, {noValve}, {}},
        {"second dialog passed over", 80, 50, 64.5, 0.66, Second, false, true, 0, 30, 30, 0.371,
         {}, {}, {noValve}, {}},
        {"second dialog picked", 80, 50, 64.5, 0.66, Second, true, true, 0, 30, 39.5, 0.323, 5,
         94, {}, {}},
        {"unfinished", 80, 500, 64.5, 0.66, First, false, false, 0, 0, 0, {}, {}, {},
         {"noch nicht fertig"}, {}},
    };
    // clang-format on
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.name);
        Net net;
        net.results.circulationPressure = c.criticalNeed;
        net.section(net.circuit(1, 7, 0, true), {1, 100, 30});
        const std::size_t further = net.circuit(2, 9, 30, c.finished);
        net.section(further, {3, c.massFlow, 12});
        const project::Id valve =
            net.section(further, {4, c.massFlow, c.furtherNeed - 42, c.kv, c.dialog});
        if (c.picked) net.document.circuits[further].balancingValve = valve;

        const balancing::Balance balance = balancing::balance(net.document, net.results);
        ASSERT_EQ(balance.circuits.size(), 2u);
        const balancing::CircuitRow& critical = balance.circuits[0];
        const balancing::CircuitRow& row = balance.circuits[1];
        EXPECT_DOUBLE_EQ(critical.excess, c.criticalExcess);
        EXPECT_EQ(critical.messages, c.criticalMessages);
        EXPECT_EQ(row.finished, c.finished);
        EXPECT_DOUBLE_EQ(row.need, c.finished ? c.furtherNeed : 0);
        EXPECT_DOUBLE_EQ(row.excess, c.excess);
        EXPECT_DOUBLE_EQ(row.throttle, c.throttle);
        EXPECT_DOUBLE_EQ(row.requiredKv.value_or(-1), c.requiredKv.value_or(-1));
        EXPECT_EQ(row.step, c.step ? std::optional(std::to_string(*c.step)) : std::nullopt);
        EXPECT_EQ(row.share, c.share);
        EXPECT_EQ(row.messages, c.messages);
        EXPECT_EQ(row.valveSection.has_value(), c.step.has_value());
        EXPECT_EQ(row.table, c.step ? project::kDefaultPresettingTable : "");
        EXPECT_EQ(row.valveText, c.step ? "Ventil" : "");
        EXPECT_EQ(balance.exampleValues, c.step.has_value());
        EXPECT_EQ(
            balancing::valveSections(net.document, net.results, net.document.circuits[further]),
            c.kv > 0 ? std::vector<project::Id>{valve} : std::vector<project::Id>{});
    }
}

TEST(Balance, PumpAndSectionChecksCompareTheShownValues) {
    Net net;
    net.results.circulationPressure = 80;
    net.document.balancing.generatorLoss = 150;
    const std::size_t critical = net.circuit(1, 7, 0, true);
    const std::tuple<double, double> velocities[] = {{350, 16},     {358, 16},    {1600, 27},
                                                     {1620, 27},    {4400, 40},   {4420, 40},
                                                     {7000, 41.25}, {7040, 41.25}};
    std::int16_t number = 0;
    for (const auto& [massFlow, diameter] : velocities)
        net.section(critical, {++number, massFlow, 1, 0, ValveDialog::None, diameter});
    net.section(critical, {9, 10, 1, 0, ValveDialog::None, 100, 200.4});
    net.section(critical, {10, 10, 1, 0, ValveDialog::None, 100, 200.5});
    const std::size_t further = net.circuit(2, 9, 30, true);
    net.section(further, {11, 7040.5, 12});
    net.section(further, {12, 7040, 8});
    const std::size_t unfinished = net.circuit(3, 4, 30, false);
    net.section(unfinished, {13, 9000, 12, 0, ValveDialog::None, 10, 900});

    const balancing::Balance balance = balancing::balance(net.document, net.results);
    const balancing::Pump& pump = balance.pump;
    EXPECT_DOUBLE_EQ(pump.massFlow, 7040);
    EXPECT_EQ(pump.sectionNumber, 8);
    EXPECT_DOUBLE_EQ(pump.volumeFlow, 7.244);
    EXPECT_DOUBLE_EQ(pump.referencePressure, 80);
    EXPECT_DOUBLE_EQ(pump.generatorLoss, 150);
    EXPECT_DOUBLE_EQ(pump.pressure, 230);
    EXPECT_DOUBLE_EQ(pump.pressureKpa, 23);
    EXPECT_DOUBLE_EQ(pump.head, 2.41);
    const std::vector<std::string> checks = {
        "Strang 2, Verbraucher 9, TS 11: führt mehr Wasser als die Pumpe fördert – fehlen "
        "Verbraucher im ungünstigsten Stromkreis?",
        "Strang 1, Verbraucher 7, TS 02: Geschwindigkeit 0,51 m/s über 0,50 m/s – Geräusche "
        "möglich.",
        "Strang 1, Verbraucher 7, TS 04: Geschwindigkeit 0,81 m/s über 0,80 m/s – Geräusche "
        "möglich.",
        "Strang 1, Verbraucher 7, TS 06: Geschwindigkeit 1,01 m/s über 1,00 m/s – Geräusche "
        "möglich.",
        "Strang 1, Verbraucher 7, TS 08: Geschwindigkeit 1,51 m/s über 1,50 m/s – Geräusche "
        "möglich.",
        "Strang 1, Verbraucher 7, TS 10: Druckgefälle 201 Pa/m über 200 Pa/m.",
    };
    EXPECT_EQ(balance.checks, checks);
}

}  // namespace
