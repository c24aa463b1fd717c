#pragma once
// Projects typed into the forms the way a planner would, for the tests that
// compare an edited project with the same project typed fresh.
#include <gtest/gtest.h>

#include <vector>

#include "tests/steps/RandomPlanner.h"

namespace testing_support::typed {

struct Typed {
    const char* number;
    const char* length;
    const char* dn;  // typed in the critical circuit; the correction in a further one
    const char* load;
};
struct TypedCircuit {
    const char* riser;
    const char* shared;  // the section it shares; none: nullptr
    std::vector<Typed> sections;
};

// Types a project into the forms: 90/70 °C, riser 3, consumer 12; each
// section with one consumer and no valve; every circuit finished.
inline void type(ProjectHarness& h, tk::OptionButton& material, const std::vector<Typed>& critical,
                 const std::vector<TypedCircuit>& further = {}) {
    h.enterCircuit();
    material.click();
    for (const Typed& s : critical) {
        if (&s != &critical.front()) h.form.cmdNaechsteTeilstrck.click();
        h.form.txtHzKprNr.enter("1");
        h.enterConsumers({s.load});
        h.returnWithoutChoice();
        h.takeSection(s.number, s.length, "0,5");
        h.computeSection({s.dn});
    }
    h.form.cmdFertig.click();
    for (const TypedCircuit& c : further) {
        (&c == &further.front() ? h.form.cmdRstTeilstr : h.rest.cmdNaechsterStrang).click();
        if (c.shared)
            h.shareSections(c.riser, "31", {c.shared});
        else
            h.shareSections(c.riser, "31", {});
        for (const Typed& s : c.sections) {
            if (&s != &c.sections.front()) h.rest.cmdNaechsteTeilstrck.click();
            h.addConsumers({s.load});
            h.returnWithoutChoice();
            h.sizeSection(s.number, s.length, {});
            h.correct(*s.dn ? s.dn : nullptr);
        }
        h.rest.cmdFertig.click();
    }
    ASSERT_TRUE(h.messages.shown.empty()) << h.messages.last().text;
}

// Steel DN 15 and DN 20, the second section shared by the first further
// circuit of kFurther.
inline const std::vector<Typed> kCritical = {{"7", "10", "15", "2326"}, {"8", "5", "20", "2326"}};
inline const std::vector<TypedCircuit> kFurther = {{"4", "8", {{"21", "6", "", "1500"}}},
                                                   {"5", nullptr, {{"31", "4", "20", "800"}}}};

}  // namespace testing_support::typed
