#include <gtest/gtest.h>

#include <functional>

#include "RemainingHarness.h"

namespace {

using project::Circuit;
using project::Document;
using project::Section;
using project::SectionInputs;
using project::ValveDialog;

const char* const kPrompt = "              Hersteller";

struct Case {
    const char* name;
    // A DN, a shared section and a correction refused before those that pass.
    bool refusals;
    // The critical section's valve picked in the catalogue.
    bool catalogueValve;
    // Changes to the plain project's document.
    std::function<void(Document&)> expect;
};

// The README's first project: the critical circuit of riser 3 and the
// further circuit of riser 4, each of one section, both finished. A
// catalogue closed without a kv answers from the second dialog, with its
// maker prompt as the valve text.
Document firstProject() {
    const project::Valve none{0, kPrompt, kPrompt, ValveDialog::Second, kPrompt, ""};
    Section critical{2, {{1, 2326}}, SectionInputs{7, 10, 0.5, 15, none, 0, {}}, {}};
    Section further{4, {{1, 1500}}, SectionInputs{21, 6, 0, 0, none, 0, {}}, 15};
    Document doc;
    doc.material = 1;
    doc.supplyTemperature = {90, "90"};
    doc.returnTemperature = {70, "70"};
    doc.circuits = {Circuit{1, 3, 12, {}, false, {critical}, true},
                    Circuit{3, 4, 31, {}, true, {further}, true}};
    doc.nextId = 5;
    return doc;
}

TEST(PlannersDocument, KeepsWhatTheCompletedStepsTook) {
    const Case cases[] = {
        {"plain", false, false, {}},
        {"refused steps record nothing", true, false, {}},
        {"valve from the catalogue", false, true,
         [](Document& doc) {
             const char* const maker = "Heimeier      ";
             doc.circuits[0].sections[0].inputs->valve = {
                 0.66, maker, maker, ValveDialog::First, maker, "HK-Vntl Stand DN15            "};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::ProjectHarness h;
        h.enterCircuit();
        h.form.txtHzKprNr.enter("1");
        h.enterConsumers({"2326"});
        if (c.catalogueValve)
            h.pickInFirstDialog(1, 1, 2);
        else
            h.returnWithoutChoice();
        h.takeSection("7", "10", "0,5");
        if (c.refusals) h.computeSection({"17"});
        h.computeSection({"15"});
        h.form.cmdFertig.click();
        ASSERT_TRUE(h.form.cmdRstTeilstr.click());
        h.shareSections("4", "31",
                        c.refusals ? std::initializer_list<const char*>{"99"}
                                   : std::initializer_list<const char*>{});
        if (c.refusals) h.rest.cmdStromkreis.click();
        h.addConsumers({"1500"});
        h.returnWithoutChoice();
        h.sizeSection("21", "6", {});
        if (c.refusals) h.correct("17");
        h.correct("15");
        h.rest.cmdFertig.click();

        Document expected = firstProject();
        if (c.expect) c.expect(expected);
        ASSERT_TRUE(h.state.document);
        EXPECT_EQ(*h.state.document, expected);
        EXPECT_EQ(h.messages.shown.size(), c.refusals ? 3u : 0u);
    }
}

}  // namespace
