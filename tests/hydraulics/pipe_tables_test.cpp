#include <gtest/gtest.h>

#include "hydraulics/Operations.h"
#include "hydraulics/PipeTables.h"

namespace {

using hyd::kCopper;
using hyd::kSoftSteel;
using hyd::kSteel;

struct Selection {
    int material;
    float required;
    int dn;  // 0: nothing selected
    double diameter;
};

// The smallest size not below the required diameter; none beyond the table
// or for an unknown material, and nothing stale is left.
TEST(PipeTables, SelectionPicksTheSmallestSizeNotBelowTheRequiredDiameter) {
    const Selection cases[] = {
        {kSteel, 12.3f, 15, 15.75},  {kSteel, 12.2f, 10, 12.25},   {kSteel, 12.25f, 10, 12.25},
        {kSteel, 4.0f, 10, 12.25},   {kSteel, 3.9f, 0, 0},         {kSteel, 150.0f, 150, 150.0},
        {kSteel, 150.1f, 0, 0},      {kSteel, 60.0f, 64, 64.0},    {kSteel, 90.0f, 94, 94.0},
        {kSteel, 51.9f, 50, 51.9},   {kCopper, 14.5f, 18, 16.0},   {kCopper, 4.0f, 8, 6.0},
        {kCopper, 93.0f, 100, 93.0}, {kCopper, 93.1f, 0, 0},       {kCopper, 84.9f, 88, 84.9},
        {kSoftSteel, 9.3f, 12, 9.6}, {kSoftSteel, 9.7f, 15, 12.6}, {kSoftSteel, 32.0f, 35, 32.0},
        {kSoftSteel, 32.1f, 0, 0},   {kSoftSteel, 3.9f, 0, 0},     {4, 20.0f, 0, 0},
    };
    for (const Selection& c : cases) {
        SCOPED_TRACE(testing::Message() << "material " << c.material << " d " << c.required);
        calc::CalcState state;
        state.riserIndex = 2;
        state.sectionIndex = 3;
        state.pipeMaterial = static_cast<std::int16_t>(c.material);
        state.requiredDiameter = c.required;
        state.innerDiameter = 99;  // stale
        state.section.sectionDn.at(2, 3) = 77;
        EXPECT_EQ(hyd::SelectDnByDiameter(state), c.dn != 0);
        EXPECT_EQ(state.section.sectionDn.at(2, 3), c.dn);
        EXPECT_DOUBLE_EQ(state.sectionWork.sectionInnerDiameter.at(2, 3), c.diameter);
        EXPECT_DOUBLE_EQ(state.innerDiameter, c.diameter);
        EXPECT_EQ(state.friction.coefficient != 0.0, c.material <= kSoftSteel);  // no law for 4
    }
}

struct Lookup {
    int material;
    double dn;
    std::optional<double> entry;
    std::optional<double> correction;
};

TEST(PipeTables, EntryAndCorrectionLookupsDifferWhereTheTablesSaySo) {
    const Lookup cases[] = {
        {kSteel, 10, 12.25, 12.25},
        {kSteel, 150, 150.0, 150.0},
        {kSteel, 65, 64.0, std::nullopt},
        {kSteel, 64, std::nullopt, 64.0},
        {kSteel, 63, std::nullopt, 64.0},
        {kSteel, 95, 94.0, std::nullopt},
        {kSteel, 94, std::nullopt, 94.0},
        {kSteel, 40, 39.5, 39.25},
        {kSteel, 17, std::nullopt, std::nullopt},
        {kCopper, 8, 6.0, 6.0},
        {kCopper, 100, 93.0, 93.0},
        {kCopper, 88, 84.9, 84.9},
        {kCopper, 20, std::nullopt, std::nullopt},
        {kSoftSteel, 10, 7.6, 7.6},
        {kSoftSteel, 35, 32.0, 32.0},
        {kSoftSteel, 40, std::nullopt, std::nullopt},
        {0, 15, std::nullopt, std::nullopt},
    };
    for (const Lookup& c : cases) {
        SCOPED_TRACE(testing::Message() << "material " << c.material << " DN " << c.dn);
        EXPECT_EQ(hyd::entryDiameter(c.material, c.dn), c.entry);
        EXPECT_EQ(hyd::correctionDiameter(c.material, static_cast<std::int16_t>(c.dn)),
                  c.correction);
    }
}

TEST(PipeTables, EntryLookupReportsAnUnlistedDnAndKeepsTheDiameter) {
    calc::CalcState state;
    state.innerDiameter = 21.25;
    state.enteredDn = 17;
    EXPECT_FALSE(hyd::LookupEntryDn(state, kSteel));
    EXPECT_EQ(state.innerDiameter, 21.25);
    EXPECT_EQ(state.friction.coefficient, 4356.8);  // the law is installed anyway
    state.enteredDn = 22;
    EXPECT_TRUE(hyd::LookupEntryDn(state, kCopper));
    EXPECT_EQ(state.innerDiameter, 20.0);
    EXPECT_EQ(state.friction.flowExponent, 1.70651);
    EXPECT_EQ(state.friction.diameterExponent, -4.64237);

    state.correctedDn = 65;
    state.pipeMaterial = kSteel;
    EXPECT_FALSE(hyd::LookupCorrectionDn(state));
    EXPECT_EQ(state.innerDiameter, 0.0);
}

}  // namespace
