#pragma once
// A planner who types a random valid project into the forms, for the tests
// that compare what the forms did with what their document gives.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "hydraulics/PipeTables.h"
#include "report/Report.h"
#include "steps/Steps.h"
#include "tests/remaining/RemainingHarness.h"
#include "workfile/WorkFile.h"

namespace testing_support {

// What the forms keep, save (with the listing shown) and print.
struct Outputs {
    calc::Project project;
    std::string workFile;
    std::vector<std::vector<std::string>> pages;
    bool operator==(const Outputs&) const = default;
};

inline Outputs outputsOf(calc::CalcState state, const std::string& listing) {
    tk::PageRecorder printer;
    report::printReport(printer, state, state.riserCount > 1);
    return {state.project(), workfile::workFileText(state.project(), workfile::Lead::With, listing),
            printer.pages};
}

// The README's first project: the critical circuit of riser 3, one section,
// and the further circuit of riser 4, sharing nothing.
inline void enterFirstProject(ProjectHarness& h) {
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
                if (last && stopsEarly) stepsLeft_ = uniform(1, 12);
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
        const int kind = uniform(0, 3);
        if (kind == 1) {
            h_.windows.whenModal("frmArmaturen", [this] {
                pickAny(h_.catalogue.frmArmaturen, uniform(1, 2));
                MainFormHarness::returnFrom(h_.catalogue.frmArmaturen);
            });
        } else if (kind == 2) {
            h_.windows.whenModal("frmArmaturen",
                                 [this] { h_.catalogue.frmArmaturen.cboHersteller.choose(3); });
            h_.windows.whenModal("frmArmaturen2", [this] {
                pickAny(h_.catalogue.frmArmaturen2, uniform(1, 2));
                MainFormHarness::returnFrom(h_.catalogue.frmArmaturen2);
            });
        } else {
            h_.returnWithoutChoice();
        }
        if (kind == 3) typedValve_ = {&kv, &valveText};
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
            // The smaller sizes, so that the critical circuit loses pressure.
            f.txtRohrDN.enter(std::to_string(hyd::pipeTable(material_)[uniform(0, 3)].entryDn));
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
        std::size_t before = h_.messages.shown.size();
        r.cmdStromkreis.click();
        if (refused(before)) {
            before = h_.messages.shown.size();
            r.cmdStromkreis.click();  // nothing shared then
            if (refused(before)) throw Stop{};  // the critical circuit loses nothing
        }
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


// Completes the circuit in hand from the completed step it stands at, with
// plain inputs: a consumer, a section without a valve, the proposed size.
inline void finishWork(ProjectHarness& h) {
    using M = circuit::MainPhase;
    using R = remaining::RemainingPhase;
    const std::string dn = std::to_string(hyd::pipeTable(h.state.materialCode)[2].entryDn);
    for (int step = 0; step < 12; ++step) {
        if (h.rest.visible()) {
            const R phase = h.rest.phase();
            if (phase == R::Shared) h.rest.cmdStromkreis.click();
            if (phase == R::Consumers || phase == R::NextSection) h.addConsumers({"800"});
            if (phase == R::ConsumerAdded) {
                h.returnWithoutChoice();
                h.sizeSection("33", "4", {});
            }
            if (phase == R::Correction) h.correct();
            if (phase == R::SectionDone) h.rest.cmdFertig.click();
            if (phase == R::RiserDone) return;
        } else {
            const M phase = h.form.phase();
            if (phase == M::Start || phase == M::NextSection) {
                h.form.txtHzKprNr.enter("1");
                h.addConsumer("800");
            }
            if (phase == M::ConsumerAdded) {
                h.form.cmdWeiter.click();
                h.returnWithoutChoice();
                h.takeSection("33", "4", "0,5");
                h.computeSection({dn.c_str()});
            }
            if (phase == M::SectionComputed) h.form.cmdFertig.click();
            if (phase == M::CircuitFinished) return;
        }
    }
}

}  // namespace testing_support
