#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "hydraulics/PipeTables.h"
#include "report/Report.h"
#include "steps/Calculate.h"
#include "tests/remaining/RemainingHarness.h"
#include "workfile/WorkFile.h"

namespace {

using testing_support::MainFormHarness;
using testing_support::ProjectHarness;

// What the forms keep, save (with the listing shown) and print.
struct Outputs {
    calc::Project project;
    std::string workFile;
    std::vector<std::vector<std::string>> pages;
    bool operator==(const Outputs&) const = default;
};

Outputs outputsOf(calc::CalcState state, const std::string& listing) {
    tk::PageRecorder printer;
    report::printReport(printer, state, state.riserCount > 1);
    return {state.project(), workfile::workFileText(state.project(), workfile::Lead::With, listing),
            printer.pages};
}

// Calculating the document that the forms kept gives what the forms showed,
// saved and printed.
void expectCalculatedAsEntered(ProjectHarness& h) {
    ASSERT_TRUE(h.state.document);
    steps::Calculation calculated = steps::calculate(*h.state.document);
    ASSERT_FALSE(calculated.refusal) << calculated.refusal->text;
    const bool furtherStage = h.state.riserCount > 1;
    const Outputs entered = outputsOf(
        h.state, (furtherStage ? h.rest.txtAusgabeDN : h.form.txtAusgabeBerechn).text());
    const Outputs replayed = outputsOf(calculated.state, furtherStage
                                                             ? calculated.remainingListing
                                                             : calculated.criticalListing);
    EXPECT_TRUE(replayed == entered);
}

// Ends a project at one of its completed steps.
struct Stop {};

// A planner who types a random valid project into the forms: all three
// materials, valves from both catalogue dialogs, typed and none, sections
// that feed no new consumer, shared sections and corrections. The last
// circuit may stop after any completed step.
class RandomPlanner {
public:
    struct Shape {
        int circuits;
        int criticalSections;
        int furtherSections;  // at most, per further circuit
    };

    RandomPlanner(ProjectHarness& h, unsigned seed) : h_(h), rng_(seed) {}

    void enter(Shape shape) {
        material_ = uniform(hyd::kSteel, hyd::kSoftSteel);
        const bool stopsEarly = chance(40);
        try {
            for (int c = 1; c <= shape.circuits; ++c) {
                const bool last = c == shape.circuits;
                if (last && stopsEarly) stepsLeft_ = uniform(1, 30);
                if (c == 1)
                    critical(shape.criticalSections, !last || !stopsEarly);
                else
                    further(c == 2, uniform(1, shape.furtherSections), !last || !stopsEarly);
            }
        } catch (const Stop&) {
        }
    }

private:
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool chance(int percent) { return uniform(1, 100) <= percent; }
    std::string decimal(int lowTenths, int highTenths) {
        const int tenths = uniform(lowTenths, highTenths);
        return std::to_string(tenths / 10) + (tenths % 10 ? "," + std::to_string(tenths % 10) : "");
    }
    template <typename List>
    const auto& any(const List& list) {
        return list[static_cast<std::size_t>(uniform(0, static_cast<int>(list.size()) - 1))];
    }

    void completed() {
        if (stepsLeft_ > 0 && --stepsLeft_ == 0) throw Stop{};
    }

    bool refused(std::size_t before) const {
        for (std::size_t i = before; i < h_.messages.shown.size(); ++i)
            if (h_.messages.shown[i].title != steps::kNoticeTitle) return true;
        return false;
    }

    // A model of either dialog, a valve typed after the catalogue was closed
    // empty, or none.
    void scriptValve(tk::TextField& kv, tk::TextField& valveText) {
        switch (uniform(0, 3)) {
            case 0:
                h_.returnWithoutChoice();
                break;
            case 1:
                h_.windows.whenModal("frmArmaturen", [this] {
                    pickAny(h_.catalogue.frmArmaturen, uniform(1, 2));
                    MainFormHarness::returnFrom(h_.catalogue.frmArmaturen);
                });
                break;
            case 2:
                h_.windows.whenModal("frmArmaturen",
                                     [this] { h_.catalogue.frmArmaturen.cboHersteller.choose(3); });
                h_.windows.whenModal("frmArmaturen2", [this] {
                    pickAny(h_.catalogue.frmArmaturen2, uniform(1, 2));
                    MainFormHarness::returnFrom(h_.catalogue.frmArmaturen2);
                });
                break;
            default:
                h_.returnWithoutChoice();
                typedValve_ = {&kv, &valveText};
        }
    }

    void pickAny(catalogue::CatalogueForm& dialog, int maker) {
        dialog.cboHersteller.choose(maker);
        tk::ComboBox& kinds = MainFormHarness::kindBox(dialog, maker);
        kinds.choose(uniform(1, static_cast<int>(kinds.items().size())));
        tk::ComboBox& models = MainFormHarness::modelBox(dialog, maker, kinds.position());
        models.choose(uniform(1, static_cast<int>(models.items().size())));
    }

    void typeValve() {
        if (!typedValve_.first) return;
        typedValve_.first->enter(decimal(1, 100));
        if (chance(50)) typedValve_.second->enter("Absperrventil");
        typedValve_ = {};
    }

    void typeFittings(std::initializer_list<tk::TextField*> fields) {
        auto f = fields.begin();
        (*f++)->enter(chance(30) ? "1" : "");
        for (; f != fields.end(); ++f) (*f)->enter(chance(50) ? std::to_string(uniform(0, 6)) : "");
    }

    // Clicks `button`; a refusal (a catalogue kv that is no number) is
    // answered by emptying the kv field once.
    void clickWithKv(tk::Button& button, tk::TextField& kv) {
        std::size_t before = h_.messages.shown.size();
        button.click();
        if (!refused(before)) return;
        kv.enter("");
        before = h_.messages.shown.size();
        button.click();
        ASSERT_FALSE(refused(before)) << h_.messages.last().text;
    }

    void critical(int sections, bool finish) {
        circuit::FrmHaupt& f = h_.form;
        (material_ == 1 ? f.optStahlrohr : material_ == 2 ? f.optCuRohr : f.optWeStahlrohr).click();
        f.txtStrNr.enter(std::to_string(uniform(1, 20)));
        f.txtHFlNr.enter(std::to_string(uniform(1, 9999)));
        const int supply = uniform(60, 95);
        f.txtVorlauf.enter(std::to_string(supply));
        f.txtRuecklauf.enter(std::to_string(uniform(40, supply - 5)));
        for (int s = 1; s <= sections; ++s) {
            if (s > 1) {
                f.cmdNaechsteTeilstrck.click();
                completed();
            }
            for (int k = uniform(1, 3); k > 0; --k) {
                const bool empty = s > 1 && chance(20);
                f.txtHzKprNr.enter(empty ? "" : std::to_string(uniform(1, 9999)));
                f.txtHkLstgW.enter(empty ? "" : std::to_string(uniform(100, 4000)));
                f.cmdNaechstVerbrauch.click();
                completed();
            }
            f.cmdWeiter.click();
            scriptValve(f.txtKVWert, f.txtVentDN);
            const std::string number = std::to_string(uniform(1, 70));
            numbers_.push_back(number);
            h_.takeSection(number.c_str(), decimal(5, 600).c_str(), decimal(2, 15).c_str());
            typeValve();
            f.txtRohrDN.enter(std::to_string(any(hyd::pipeTable(material_)).entryDn));
            typeFittings({&f.txtVrbrchr, &f.txtBoganzahl, &f.txtTAnzahl, &f.txtAnbindAnz,
                          &f.txtReduAnz});
            clickWithKv(f.cmdRechnen, f.txtKVWert);
            completed();
        }
        if (!finish) return;
        f.cmdFertig.click();
        completed();
    }

    void shared(remaining::FrmRohrDm& r) {
        r.txtStrNr.enter(std::to_string(uniform(1, 20)));
        r.txtHFlNr.enter(std::to_string(uniform(1, 9999)));
        for (int k = uniform(0, 3); k > 0; --k) {
            r.txtTlStrckNr.enter(any(numbers_));
            r.cmdAddition.click();
            completed();
        }
        const std::size_t before = h_.messages.shown.size();
        r.cmdStromkreis.click();
        if (refused(before)) r.cmdStromkreis.click();  // nothing shared then
        completed();
    }

    void further(bool first, int sections, bool finish) {
        remaining::FrmRohrDm& r = h_.rest;
        (first ? h_.form.cmdRstTeilstr : r.cmdNaechsterStrang).click();
        shared(r);
        for (int s = 1; s <= sections; ++s) {
            if (s > 1) {
                r.cmdNaechsteTeilstrck.click();
                completed();
            }
            for (int k = uniform(s == 1 ? 1 : 0, 3); k > 0; --k) {
                r.txtHzKprNr.enter(std::to_string(uniform(1, 9999)));
                r.txtHkLstgW.enter(std::to_string(uniform(100, 3000)));
                r.cmdNaechstVerbrauch.click();
                completed();
            }
            scriptValve(r.txtKVWert, r.txtVentDN);
            r.cmdWeiter.click();
            const std::string number = std::to_string(uniform(1, 70));
            r.txtTeistr.enter(number);
            r.txtTeilstrckmtr.enter(decimal(1, 300));
            typeValve();
            typeFittings({&r.txtVrbrchr, &r.txtBoganzahl, &r.txtTAnzahl, &r.txtAnbindAnz,
                          &r.txtReduAnz});
            clickWithKv(r.cmdTeilRohr, r.txtKVWert);
            completed();
            if (chance(30))
                r.txtKorrDm.enter(std::to_string(any(hyd::pipeTable(material_)).correctionDns[0]));
            r.cmdDNkorrektur.click();
            numbers_.push_back(number);
            completed();
        }
        if (!finish) return;
        r.cmdFertig.click();
        completed();
    }

    ProjectHarness& h_;
    std::mt19937 rng_;
    int material_ = 1;
    int stepsLeft_ = 0;
    std::vector<std::string> numbers_;  // of the computed sections
    std::pair<tk::TextField*, tk::TextField*> typedValve_{};
};

// The README's first project: the critical circuit of riser 3, one section,
// and the further circuit of riser 4, sharing nothing.
void enterFirstProject(ProjectHarness& h) {
    h.enterCircuit();
    h.form.txtHzKprNr.enter("1");
    h.enterConsumers({"2326"});
    h.returnWithoutChoice();
    h.takeSection("7", "10", "0,5");
    h.computeSection({"15"});
    h.form.cmdFertig.click();
    h.form.cmdRstTeilstr.click();
    h.shareSections("4", "31", {});
    h.addConsumers({"1500"});
    h.returnWithoutChoice();
    h.sizeSection("21", "6", {});
    h.correct();
    h.rest.cmdFertig.click();
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
    doc.circuits = {{1, 3, 12, {}, false, {critical}, true}, {3, 4, 31, {}, true, {further}, true}};
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
    EXPECT_TRUE(critical.finished);
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
    EXPECT_DOUBLE_EQ(further.ownLossSum, 0.7);
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
        {"a shared number that no computed section carries",
         [](project::Document& d) { d.circuits[1].sharedSections = {99}; },
         "Stromkreis 2 (Strang 4, Verbraucher 31): Keine berechnete Teilstrecke hat die "
         "Nummer 99."},
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
