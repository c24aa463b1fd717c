#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "hydraulics/BranchFormulas.h"
#include "hydraulics/Operations.h"
#include "hydraulics/PipeTables.h"
#include "hydraulics/SectionFormulas.h"

namespace {

// The loss of the section written out from the friction law and the
// dynamic pressure, as a planner would compute it.
double lossByHand(int material, double length, double m, double zeta, double valvePa, double d) {
    const double coefficient[] = {0, 4356.8, 3623.16, 3896.12};
    const double a[] = {0, 1.82562, 1.70651, 1.76161};
    const double b[] = {0, -4.89186, -4.64237, -4.77308};
    return coefficient[material] * length * std::pow(m, a[material]) * std::pow(d, b[material]) +
           zeta * 64.3456 * (m / (d * d)) * (m / (d * d)) + valvePa;
}

// For every material, a steep and a flat gradient: at the diameter found the
// section loses exactly its allotment, within a few Newton passes.
TEST(BranchFormulas, TheSolverMeetsTheAllotmentForEveryMaterial) {
    struct Case {
        int material;
        double gradient;  // mbar per m
        double valvePa;
    };
    const Case cases[] = {{1, 6.0, 0}, {1, 0.15, 0},  {2, 6.0, 120}, {2, 0.15, 0},
                          {3, 6.0, 0}, {3, 0.15, 40}, {1, 1.0, 300}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "material " << c.material << ", " << c.gradient);
        const double m = 150, length = 12, zeta = 5.3;
        hyd::BranchSection section{*hyd::frictionLaw(c.material), length, m, zeta, c.valvePa,
                                   100 * c.gradient * length};
        hyd::BranchDiameter solved = hyd::solveBranchDiameter(section, hyd::initialDiameterMm(m));
        EXPECT_EQ(solved.outcome, hyd::SolveOutcome::Solved);
        EXPECT_LE(solved.passes, 8);
        const double loss = lossByHand(c.material, length, m, zeta, c.valvePa, solved.diameter);
        EXPECT_NEAR(loss / section.allottedLoss, 1.0, 1e-9);
    }
}

// A valve's loss depends on kv and flow only: the zeta derived at each size
// gives the same loss. kv 2,5 at 100 kg/h: A(15.75) = 194.83, zeta 15.18,
// 158.73 Pa; A(27) = 572.55, zeta 131.13, 158.77 Pa (the roundings of A and
// zeta make the difference).
TEST(BranchFormulas, AValveLosesTheSameAtEverySize) {
    const double small = hyd::valveLossPa(hyd::valveZetaFromKv(15.75, 2.5), 100, 15.75);
    const double large = hyd::valveLossPa(hyd::valveZetaFromKv(27.0, 2.5), 100, 27.0);
    EXPECT_NEAR(small, 158.733, 0.001);
    EXPECT_NEAR(large, 158.769, 0.001);
    EXPECT_NEAR(small / large, 1.0, 3e-4);
}

// kv 0,66 at 50 kg/h loses about 5.7 mbar whatever the pipe; an allotment of
// 4 mbar cannot be met by any size.
TEST(BranchFormulas, AValveThatAloneUsesUpTheAllotmentIsReported) {
    const double valve = hyd::valveLossPa(hyd::valveZetaFromKv(8.0, 0.66), 50, 8.0);
    EXPECT_NEAR(valve, 569.46, 0.01);
    hyd::BranchSection section{*hyd::frictionLaw(2), 5, 50, 2.5, valve, 400};
    EXPECT_EQ(hyd::solveBranchDiameter(section, 5.44).outcome, hyd::SolveOutcome::ValveAlone);
}

// f = (allotted − loss) / circulation pressure against the single-precision
// limits ±0.1; in the gaps the flag stays as it was.
TEST(BranchFormulas, TheFitFlagAtItsLimits) {
    struct Case {
        double f;
        std::int16_t previous, flag;
    };
    const Case cases[] = {{-0.2, 0, 1}, {-0.05, 7, 7}, {0.05, 7, 0}, {0.1, 7, 0},
                          {0.3, 0, -1}, {0.0, -1, -1}, {-0.1, 5, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f);
        EXPECT_EQ(hyd::fitFlag(50, 50 - 100 * c.f, 100, c.previous), c.flag);
    }
}

// Steel DN 40 as a correction is 39.25 mm (39.5 mm elsewhere). 800 kg/h over
// 20 m with zeta 2.5 + 1.5 + 0.5 = 4.5: F = 4356.8 × 20 × 800^1.82562 ×
// 39.25^-4.89186 = 277.52 Pa, Z = 4.5 × 64.3456 × (800 / 39.25²)² = 78.08 Pa;
// 355.60 Pa is 3.556 mbar, listed 3.6. The riser's branch losses so far,
// 0.2 mbar, become 3.8 (3.8000000000000003 in plain double precision).
TEST(BranchOperations, ASteelDn40SectionAndTheRisersSums) {
    calc::CalcState state;
    state.riserIndex = 2;
    state.sectionIndex = 3;
    state.pipeMaterial = 1;
    state.friction = *hyd::frictionLaw(1);
    state.massFlow = state.section.massFlow.at(2, 3) = 800;
    state.sectionLength = state.section.sectionLength.at(2, 3) = 20;
    state.consumerFlag = 1;
    state.connectionCount = state.reducerCount = 1;
    state.innerDiameter = 39.25;
    state.branchLossTotal = 0.2;
    hyd::EvaluateSelectedDn(state, false);
    EXPECT_EQ(state.section.branchPressureDrop.at(2, 3), 3.6);
    EXPECT_EQ(state.riser.riserBranchLoss.at(2), 3.8);

    state.riser.riserCorrectedLoss.at(2) = 1.2;
    state.correctedDn = 40;
    ASSERT_TRUE(hyd::LookupCorrectionDn(state));
    EXPECT_DOUBLE_EQ(state.innerDiameter, 39.25);
    ASSERT_TRUE(hyd::RecomputeCorrectedSection(state));
    EXPECT_DOUBLE_EQ(state.sectionWork.correctedLoss.at(2, 3), 3.556);
    EXPECT_DOUBLE_EQ(state.section.correctedLossTab.at(2, 3), 3.6);
    EXPECT_DOUBLE_EQ(state.riser.riserCorrectedLoss.at(2), 4.8);
}

// A critical circuit of 38.4 mbar over 30.3 m; the circuit shares 0.3 m with
// 1.1 mbar and 1.1 m with 6.7 mbar. Its sums are 1.4 m and 7.8 mbar, which
// leave 28.9 m and 30.6 mbar; in plain double precision these four read
// 1.4000000000000001, 7.800000000000001, 28.900000000000002, 30.599999999999998.
TEST(BranchOperations, SharedSumsAndWhatIsLeftKeepTheirDecimals) {
    calc::CalcState state;
    state.riserIndex = 2;
    state.circulationPressure = 38.4;
    state.totalLength = 30.3;
    for (auto [length, pressure] : {std::pair{0.3, 1.1}, std::pair{1.1, 6.7}}) {
        state.addedLength = length;
        state.addedPressure = pressure;
        hyd::AddCommonPart(state);
    }
    EXPECT_EQ(state.riserWork.commonLength.at(2), 1.4);
    EXPECT_EQ(state.riserWork.commonPressure.at(2), 7.8);
    ASSERT_EQ(hyd::ComputeResidualGradient(state), hyd::GradientOutcome::Computed);
    EXPECT_EQ(state.remainingLength, 28.9);
    EXPECT_EQ(state.riser.riserPressureDrop.at(2), 30.6);
    EXPECT_DOUBLE_EQ(state.residualGradient, 30.6 / 28.9);
}

// Sizes outside the table: below the smallest row the smallest size, above
// the largest the largest, and the caller is told.
TEST(BranchOperations, TheSelectionIsHeldToTheTable) {
    struct Case {
        int material;
        float diameter;
        std::int16_t dn;
        bool beyond;
    };
    const Case cases[] = {{1, 3.2f, 10, false},  {1, 12.3f, 15, false}, {1, 150.1f, 150, true},
                          {2, 93.1f, 100, true}, {3, 2.0f, 10, false},  {3, 32.1f, 35, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.diameter);
        calc::CalcState state;
        state.riserIndex = 2;
        state.sectionIndex = 1;
        state.pipeMaterial = static_cast<std::int16_t>(c.material);
        state.requiredDiameter = c.diameter;
        EXPECT_EQ(hyd::SelectNearestDn(state), c.beyond);
        EXPECT_EQ(state.section.sectionDn.at(2, 1), c.dn);
        EXPECT_GT(state.innerDiameter, 0);
    }
}

}  // namespace
