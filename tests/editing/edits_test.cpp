#include <gtest/gtest.h>

#include "editing/Edits.h"
#include "tests/editing/TypedProject.h"

namespace {

using testing_support::ProjectHarness;
using namespace testing_support::typed;

// Steel DN 15 (15.75 mm) and DN 20 (21.25 mm) become copper 18 (16 mm) and
// 28 (25 mm; 22 has only 20 mm), the smallest copper sizes at least as wide;
// each correction becomes the size the copper calculation selects.
TEST(Editing, AnotherMaterialMovesTheSizes) {
    ProjectHarness entered, typed;
    type(entered, entered.form.optStahlrohr, kCritical, kFurther);
    type(typed, typed.form.optCuRohr, {{"7", "10", "18", "2326"}, {"8", "5", "28", "2326"}},
         {{"4", "8", {{"21", "6", "", "1500"}}}, {"5", nullptr, {{"31", "4", "", "800"}}}});
    expectTypedAlike(editing::changeMaterial(*entered.state.document, hyd::kCopper), typed);
    project::Document wide = *entered.state.document;
    wide.circuits[0].sections[0].inputs->dn = 150;
    const editing::Outcome refused = editing::changeMaterial(wide, hyd::kCopper);
    ASSERT_TRUE(refused.refusal);
    EXPECT_TRUE(refused.refusal->text.starts_with("Die Rohrart Kupferrohr hat keine Nennweite mit "
                                                  "mindestens "));
    EXPECT_TRUE(refused.refusal->text.ends_with(" mm Innendurchmesser (TS 07)."));
}

}  // namespace
