#include <gtest/gtest.h>

#include <functional>

#include "hydraulics/PipeTables.h"
#include "steps/Calculate.h"
#include "RandomPlanner.h"

namespace {

using testing_support::enterFirstProject;
using testing_support::outputsOf;
using testing_support::Outputs;
using testing_support::ProjectHarness;
using testing_support::RandomPlanner;

// Calculating the document that the forms kept gives what the forms showed,
// saved and printed.
void expectCalculatedAsEntered(ProjectHarness& h) {
    ASSERT_TRUE(h.state.document);
    steps::Calculation calculated = steps::calculate(*h.state.document);
    ASSERT_FALSE(calculated.refusal) << calculated.refusal->text;
    const Outputs entered = outputsOf(h.state, h.listing());
    const Outputs replayed =
        outputsOf(calculated.state, h.state.riserCount > 1 ? calculated.remainingListing
                                                           : calculated.criticalListing);
    EXPECT_TRUE(replayed == entered);
}

// The document of the README's first project. A catalogue closed without a
// kv answers from the second dialog, with its maker prompt as the valve text.
project::Document firstProjectDocument() {
    const char* const prompt = "              Hersteller";
    const project::Valve none{0, prompt, prompt, project::ValveDialog::Second, prompt, ""};
    const project::Section critical{2, {{1, 2326}}, {{7, 10, 0.5, 15, none, 0, {}}}, {}};
    const project::Section further{4, {{1, 1500}}, {{21, 6, 0, 0, none, 0, {}}}, 15};
    project::Document doc;
    doc.material = 1;
    doc.supplyTemperature = {90, "90"};
    doc.returnTemperature = {70, "70"};
    doc.circuits = {{1, 3, 12, {}, false, {critical}, true, {}, {}},
                    {3, 4, 31, {}, true, {further}, true, {}, {}}};
    doc.nextId = 5;
    return doc;
}

TEST(CalculatedDocument, GivesTheResultsWorkedByHand) {
    ProjectHarness h;
    enterFirstProject(h);
    ASSERT_TRUE(h.state.document);
    EXPECT_EQ(*h.state.document, firstProjectDocument());
    expectCalculatedAsEntered(h);
    const steps::Results results = steps::calculate(*h.state.document).results;
    EXPECT_DOUBLE_EQ(results.circulationPressure, 2.7);
    EXPECT_DOUBLE_EQ(results.totalLength, 10);
    ASSERT_EQ(results.circuits.size(), 2u);
    const steps::CircuitResult& critical = results.circuits[0];
    const steps::CircuitResult& further = results.circuits[1];
    ASSERT_EQ(critical.sections.size(), 1u);
    ASSERT_EQ(further.sections.size(), 1u);
    // 2326 W at 20 K: 100 kg/h, 8.5 mm at 0.5 m/s; DN 15 (15.75 mm) at
    // 0.15 m/s loses 2.7 mbar by friction alone, 27 Pa/m.
    const steps::SectionResult& first = critical.sections[0];
    EXPECT_DOUBLE_EQ(first.massFlow, 100);
    EXPECT_FLOAT_EQ(static_cast<float>(first.requiredDiameter), 8.5f);
    EXPECT_EQ(first.dn, 15);
    EXPECT_DOUBLE_EQ(first.innerDiameter, 15.75);
    EXPECT_DOUBLE_EQ(first.velocity, 0.15);
    EXPECT_NEAR(first.frictionGradient, 27, 0.5);
    EXPECT_FALSE(first.valveCounted);
    EXPECT_DOUBLE_EQ(first.loss, 2.7);
    EXPECT_DOUBLE_EQ(critical.ownLossSum, 2.7);
    // The further circuit has the whole 2.7 mbar over 10 m: its 6 m may lose
    // 1.62 mbar. 1500 W: 64.5 kg/h need 13.4 mm; DN 15 loses 0.7 mbar, and
    // f = (1.62 - 0.7) / 2.7 = 0.34 flags -1.
    EXPECT_DOUBLE_EQ(further.availablePressure, 2.7);
    EXPECT_DOUBLE_EQ(further.remainingLength, 10);
    EXPECT_DOUBLE_EQ(further.gradient, 0.27);
    const steps::SectionResult& own = further.sections[0];
    EXPECT_DOUBLE_EQ(own.massFlow, 64.5);
    EXPECT_FLOAT_EQ(static_cast<float>(own.requiredDiameter), 13.4f);
    EXPECT_EQ(own.dn, 15);
    EXPECT_NEAR(own.allottedDrop, 1.62, 1e-12);
    EXPECT_DOUBLE_EQ(own.loss, 0.7);
    EXPECT_EQ(own.fitFlag, -1);
    EXPECT_EQ(results.section(h.state.document->circuits[1].sections[0].id), &own);
}

// A step that refuses ends the calculation with its message, prefixed with
// the circuit and the section.
TEST(CalculatedDocument, NamesTheStepThatRefused) {
    ProjectHarness h;
    enterFirstProject(h);
    struct Case {
        const char* name;
        std::function<void(project::Document&)> damage;
        const char* text;
    };
    const Case cases[] = {
        {"a DN the material does not list",
         [](project::Document& d) { d.circuits[0].sections[0].inputs->dn = 17; },
         "Stromkreis 1 (Strang 3, Verbraucher 12), TS 07: Diese Nennweite gibt es für "
         "Stahlrohr nicht. Mögliche Nennweiten: "},
        {"a correction the material does not list",
         [](project::Document& d) { d.circuits[1].sections[0].correctedDn = 17; },
         "Stromkreis 2 (Strang 4, Verbraucher 31), TS 21: Diese Nennweite gibt es für "
         "Stahlrohr nicht."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        project::Document document = *h.state.document;
        c.damage(document);
        const steps::Calculation calculated = steps::calculate(document);
        ASSERT_TRUE(calculated.refusal);
        EXPECT_EQ(calculated.refusal->title, "Eingabeberichtigung:");
        EXPECT_EQ(calculated.refusal->text.rfind(c.text, 0), 0u) << calculated.refusal->text;
    }
}

// Two hundred and forty projects typed in, each calculated again from the
// document the forms kept. The first three are the largest: a critical
// circuit of 45 sections, a further circuit of 45, and 20 risers.
TEST(CalculatedDocument, GivesWhatTheFormsShowedSavedAndPrinted) {
    for (unsigned seed = 1; seed <= 240; ++seed) {
        SCOPED_TRACE(seed);
        RandomPlanner::Shape shape{1 + static_cast<int>(seed % 4), 1 + static_cast<int>(seed % 6),
                                   1 + static_cast<int>(seed % 5)};
        if (seed == 1) shape = {1, 45, 1};
        if (seed == 2) shape = {2, 3, 45};
        if (seed == 3) shape = {20, 4, 3};
        ProjectHarness h;
        RandomPlanner(h, seed).enter(shape);
        expectCalculatedAsEntered(h);
        if (HasFatalFailure() || HasNonfatalFailure()) return;
    }
}

}  // namespace
