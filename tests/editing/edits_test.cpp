#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/Edits.h"
#include "editing/History.h"
#include "editing/Tree.h"
#include "tests/editing/TypedProject.h"

namespace {

using testing_support::ProjectHarness;
using namespace testing_support::typed;

TEST(Editing, AChangedLengthReachesEveryFurtherCircuit) {
    ProjectHarness entered, typed;
    type(entered, entered.form.optStahlrohr, {{"7", "10", "15", "2326"}, {"8", "5", "20", "2326"}},
         kFurther);
    type(typed, typed.form.optStahlrohr, {{"7", "20", "15", "2326"}, {"8", "5", "20", "2326"}},
         kFurther);
    const project::Document& doc = *entered.state.document;
    const project::Id first = doc.circuits[0].sections[0].id;
    const editing::Outcome edited = editing::apply(doc, [first](project::Document& d) {
        d.circuits[0].sections[0].inputs->length = 20;
        return steps::Outcome{};
    });
    expectTypedAlike(edited, typed);
    const steps::Results& results = edited.calculation->results;
    EXPECT_GT(results.circulationPressure, steps::calculate(doc).results.circulationPressure);
    // The circuit of riser 5 shares nothing: all of the circulation pressure is its own.
    EXPECT_DOUBLE_EQ(results.circuits[2].availablePressure, results.circulationPressure);
    EXPECT_EQ(editing::treeItems(*edited.document, results)[2].text, "TS 07 – 20,00 m – DN 15");
}

// A section inserted, moved and deleted; a shared section deleted is refused.
TEST(Editing, SectionsInsertedMovedAndDeleted) {
    ProjectHarness entered, inserted;
    type(entered, entered.form.optStahlrohr, {{"7", "10", "15", "2326"}, {"8", "5", "20", "2326"}},
         kFurther);
    type(inserted, inserted.form.optStahlrohr,
         {{"7", "10", "15", "2326"}, {"9", "3", "15", "0"}, {"8", "5", "20", "2326"}}, kFurther);
    const project::Document doc = *entered.state.document;
    const project::Id seven = doc.circuits[0].sections[0].id;
    const project::Id eight = doc.circuits[0].sections[1].id;
    project::Section nine = inserted.state.document->circuits[0].sections[1];
    editing::Outcome edited = editing::apply(doc, [&](project::Document& d) {
        return editing::insertSection(d, seven, true, nine);
    });
    expectTypedAlike(edited, inserted);
    const project::Id added = edited.document->circuits[0].sections[1].id;
    editing::Outcome moved = editing::apply(*edited.document, [&](project::Document& d) {
        return editing::moveSection(d, added, -1);
    });
    ASSERT_TRUE(moved.document);
    EXPECT_EQ(moved.document->circuits[0].sections[0].id, added);
    editing::Outcome deleted = editing::apply(*moved.document, [&](project::Document& d) {
        return editing::deleteSection(d, added);
    });
    ASSERT_TRUE(deleted.document);
    EXPECT_EQ(deleted.document->circuits, doc.circuits);

    const editing::Outcome refused = editing::apply(doc, [&](project::Document& d) {
        return editing::deleteSection(d, eight);
    });
    EXPECT_FALSE(refused.document);
    ASSERT_TRUE(refused.refusal);
    EXPECT_EQ(refused.refusal->text,
              "Stromkreis 2 (Strang 4, Verbraucher 31): Keine berechnete Teilstrecke hat die "
              "Nummer 8.");
}

// Steel DN 15 (15.75 mm) and DN 20 (21.25 mm) become copper 18 (16 mm) and
// 28 (25 mm; 22 has only 20 mm), the smallest copper sizes at least as wide;
// each correction becomes the size the copper calculation selects.
TEST(Editing, AnotherMaterialMovesTheSizes) {
    ProjectHarness entered, typed;
    type(entered, entered.form.optStahlrohr, {{"7", "10", "15", "2326"}, {"8", "5", "20", "2326"}},
         kFurther);
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

// Ten steps undone back to where they began and redone again.
TEST(Editing, TenStepsUndoneAndRedone) {
    ProjectHarness entered;
    type(entered, entered.form.optStahlrohr, {{"7", "10", "15", "2326"}});
    editing::History history;
    std::vector<project::Document> documents{*entered.state.document};
    for (int step = 1; step <= 10; ++step) {
        editing::Outcome edited = editing::apply(documents.back(), [step](project::Document& d) {
            d.circuits[0].sections[0].inputs->length = 10 + step;
            return steps::Outcome{};
        });
        history.record("Länge TS 07", documents.back(), *edited.document);
        documents.push_back(*edited.document);
    }
    EXPECT_EQ(history.undoCaption(), "Rückgängig: Länge TS 07");
    for (int step = 9; step >= 0; --step)
        EXPECT_EQ(history.undo(), documents[static_cast<std::size_t>(step)]);
    EXPECT_FALSE(history.undo());
    EXPECT_EQ(history.redoCaption(), "Wiederholen: Länge TS 07");
    for (int step = 1; step <= 10; ++step)
        EXPECT_EQ(history.redo(), documents[static_cast<std::size_t>(step)]);
    EXPECT_FALSE(history.canRedo());
}

}  // namespace
