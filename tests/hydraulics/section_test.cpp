#include <gtest/gtest.h>

#include "hydraulics/Operations.h"
#include "hydraulics/PipeTables.h"
#include "hydraulics/SectionFormulas.h"

namespace {

TEST(SectionFormulas, RoundingFloorsHalvesUp) {
    EXPECT_EQ(hyd::roundTo(2.345, 1), 2.3);
    EXPECT_EQ(hyd::roundTo(2.35, 1), 2.4);
    EXPECT_EQ(hyd::roundTo(-2.35, 1), -2.3);  // floor(x + 0.5): halves go up
    EXPECT_EQ(hyd::roundTo(20.9351, 1), 20.9);
    EXPECT_DOUBLE_EQ(hyd::paToStoredMbar(2093.508), 20.9351);
}

TEST(SectionFormulas, EdgeValuesWorkedByHand) {
    // 2326 W at 90/70 °C: 2326 / (20 × 1.163) = 100 kg/h; at 0.5 m/s
    // 0.6032 × sqrt(200) = 8.5305.
    EXPECT_DOUBLE_EQ(hyd::massFlowKgPerHour(2326, 20), 100.0);
    EXPECT_FLOAT_EQ(hyd::requiredDiameterMm(100, 0.5), 8.530537f);
    // 16 mm: A = 201.06 mm², zeta = (201.06 × 0.05 / 1)² = 101.06.
    EXPECT_DOUBLE_EQ(hyd::crossSectionMm2(16.0), 201.06);
    EXPECT_DOUBLE_EQ(hyd::valveZetaFromKv(16.0, 1.0), 101.06);
    // 15.75 mm: A = 194.83; kv 0,66: (9.7415 / 0.66)² = 217.85; kv 33: 0.09.
    EXPECT_DOUBLE_EQ(hyd::crossSectionMm2(15.75), 194.83);
    EXPECT_DOUBLE_EQ(hyd::valveZetaFromKv(15.75, 0.66), 217.85);
    EXPECT_DOUBLE_EQ(hyd::valveZetaFromKv(15.75, 33), 0.09);
    // 27 mm: A = 572.55; kv 4,4: (28.6275 / 4.4)² = 42.33.
    EXPECT_DOUBLE_EQ(hyd::valveZetaFromKv(27.0, 4.4), 42.33);
    // One of each fitting and the consumer: 2.5 + 0.3 + 3 + 1.5 + 0.5 = 7.8.
    EXPECT_DOUBLE_EQ(hyd::sectionZetaSum({1, 1, 1, 1, 1}, 0), 7.8);
    EXPECT_DOUBLE_EQ(hyd::sectionZetaSum({0, 0, 0, 0, 0}, 0), 0.0);
    EXPECT_DOUBLE_EQ(hyd::sectionZetaSum({0, 50, 50, 50, 50}, 0), 265.0);
    // Steel, 200 kg/h in 21.25 mm: about 22 Pa per metre.
    EXPECT_NEAR(hyd::frictionLossPa(*hyd::frictionLaw(1), 1, 200, 21.25), 22.2, 0.05);
}

struct SectionCase {
    const char* name;
    int material;
    double load, supply, ret, designVelocity;
    int dn;
    double length, kv;
    float consumerFlag;
    std::int16_t bends, tees, connections, reducers;
    // expected, worked by hand
    double massFlow;
    float requiredDiameter;
    double innerDiameter, valveZeta, zetaSum, velocity, lossMbar, pressureDrop;
    double riserTotal, totalLength;  // after 0.2 mbar and 1.1 m before
};

// Worked by hand from the formulas:
// steel: m = 2326 / (20 × 1.163) = 100; d_req = 0.6032 × sqrt(100/0.5) = 8.53 → 8.5;
//   DN 10: d = 12.25, A = 117.86, zeta_v = (5.893 / 1)² = 34.73;
//   zeta = 2.5 + 2 × 0.3 + 3 + 34.73 = 40.83 → 40.8; w = 0.36385 × 100 / 150.0625 = 0.24;
//   Z = 40.8 × 64.3456 × (100/150.0625)² = 1165.83 Pa;
//   F = 4356.8 × 10 × 100^1.82562 × 12.25^-4.89186 = 927.68 Pa;
//   loss = 2093.51 Pa = 20.9351 mbar, stored 20.9.
// copper: m = 3489 / (20 × 1.163) = 150; d_req = 0.6032 × sqrt(150/0.7) = 8.83 → 8.8;
//   DN 18: d = 16, A = 201.06, zeta_v = (10.053 / 2.5)² = 16.17;
//   zeta = 0.3 + 2 × 1.5 + 0.5 + 16.17 = 19.97 → 20.0; w = 0.36385 × 150 / 256 = 0.21;
//   Z = 20 × 64.3456 × (150/256)² = 441.83; F = 3623.16 × 7.5 × 150^1.70651 × 16^-4.64237
//   = 361.16; loss = 802.99 Pa = 8.0299 mbar, stored 8.0.
// soft steel: m = 1163 / (20 × 1.163) = 50; d_req = 0.6032 × sqrt(50/0.3) = 7.79 → 7.8;
//   DN 12: d = 9.6, no valve, zeta = 2.5; w = 0.36385 × 50 / 92.16 = 0.20 (0.1974);
//   Z = 2.5 × 64.3456 × (50/92.16)² = 47.35; F = 3896.12 × 4.2 × 50^1.76161 × 9.6^-4.77308
//   = 329.87; loss = 377.22 Pa = 3.7722 mbar, stored 3.8.
// The riser's totals keep one and three decimals where double precision
// leaves 0.2 + 20.9 = 21.099999999999998 and 1.1 + 4.2 = 5.300000000000001.
const SectionCase kSections[] = {
    {"steel", 1, 2326,  90,   70,    0.5,   10,   10,   1.0,     1,    2,    1,
     0,       0, 100.0, 8.5f, 12.25, 34.73, 40.8, 0.24, 20.9351, 20.9, 21.1, 11.1},
    {"copper", 2, 3489,  80,   60,   0.7,   18,   7.5,  2.5,    0,   1,   0,
     2,        1, 150.0, 8.8f, 16.0, 16.17, 20.0, 0.21, 8.0299, 8.0, 8.2, 8.6},
    {"soft steel", 3,    1163, 70,  50,  0.3,  12,     4.2, 0,   1,  0, 0, 0, 0,
     50.0,         7.8f, 9.6,  0.0, 2.5, 0.20, 3.7722, 3.8, 4.0, 5.3},
};

TEST(SectionOperations, OneSectionOfEachMaterial) {
    for (const SectionCase& c : kSections) {
        SCOPED_TRACE(c.name);
        calc::CalcState state;
        state.riserIndex = 3;
        state.sectionIndex = 30;  // beyond the 25th slot: the zeta table has 45
        state.materialCode = static_cast<std::int16_t>(c.material);
        state.consumerLoad = c.load;
        state.supplyTemperatureInput = c.supply;
        state.returnTemperatureInput = c.ret;
        state.riser.riserPressureDrop.at(3) = 0.2;
        state.totalLength = 1.1;
        hyd::AddConsumerLoad(state);
        state.designVelocity = c.designVelocity;
        state.sectionLength = c.length;
        ASSERT_TRUE(hyd::ComputeFlowAndDiameter(state));
        EXPECT_DOUBLE_EQ(state.massFlow, c.massFlow);
        EXPECT_FLOAT_EQ(state.requiredDiameter, c.requiredDiameter);
        EXPECT_FLOAT_EQ(state.section.requiredDiameter.at(3, 30), c.requiredDiameter);

        state.enteredDn = c.dn;
        ASSERT_TRUE(hyd::SelectMaterial(state));
        EXPECT_EQ(state.pipeMaterial, c.material);
        EXPECT_DOUBLE_EQ(state.innerDiameter, c.innerDiameter);
        state.currentKv = c.kv;
        EXPECT_EQ(hyd::ValveZetaFromKv(state), c.kv > 0);
        EXPECT_DOUBLE_EQ(state.valveZeta, c.valveZeta);
        state.consumerFlag = c.consumerFlag;
        state.bendCount = c.bends;
        state.teeCount = c.tees;
        state.connectionCount = c.connections;
        state.reducerCount = c.reducers;
        hyd::SumSectionZeta(state);
        EXPECT_DOUBLE_EQ(state.section.zetaSum.at(3, 30), c.zetaSum);
        EXPECT_EQ(state.valveZeta, 0.0);
        ASSERT_TRUE(hyd::ComputeSectionLoss(state));
        EXPECT_DOUBLE_EQ(state.section.velocity.at(3, 30), c.velocity);
        EXPECT_NEAR(state.sectionLoss, c.lossMbar, 1e-9);
        EXPECT_DOUBLE_EQ(state.section.pressureDrop.at(3, 30), c.pressureDrop);
        EXPECT_EQ(state.riser.riserPressureDrop.at(3), c.riserTotal);
        EXPECT_EQ(state.circulationPressure, c.riserTotal);
        EXPECT_EQ(state.totalLength, c.totalLength);
    }
}

TEST(SectionOperations, ConsumersAddUpAndGuardsRefuseBadInput) {
    calc::CalcState state;
    state.riserIndex = 1;
    state.sectionIndex = 1;
    state.supplyTemperatureInput = 70;
    state.returnTemperatureInput = 70;
    state.consumerLoad = 1000;
    hyd::AddConsumerLoad(state);
    hyd::AddConsumerLoad(state);
    EXPECT_EQ(state.section.sectionLoad.at(1, 1), 2000);
    state.designVelocity = 0.5;
    EXPECT_FALSE(hyd::ComputeFlowAndDiameter(state));  // no spread
    EXPECT_EQ(state.massFlow, 0.0);
    state.currentKv = 0;
    state.innerDiameter = 20;
    EXPECT_FALSE(hyd::ValveZetaFromKv(state));
    state.innerDiameter = 0;
    EXPECT_FALSE(hyd::ComputeSectionLoss(state));
    EXPECT_EQ(state.totalLength, 0.0);
}

}  // namespace
