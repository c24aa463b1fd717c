#include <gtest/gtest.h>

#include "RemainingHarness.h"
#include "circuit/MainFormRules.h"
#include "remaining/RemainingRules.h"

namespace {

namespace main = circuit::rules;
namespace rest = remaining::rules;
using forms::CheckStatus;

// The step of either form whose button checks the field.
enum class Step { MainConsumer, MainSection, MainFittings, Shared, Consumer, Section, Correction };

// Brings the form to the step with every field of it valid; returns the
// step's button.
tk::Button& reach(testing_support::ProjectHarness& h, Step step) {
    auto& form = h.form;
    auto& rest = h.rest;
    if (step < Step::Shared) {
        h.enterCircuit();
        form.txtHkLstgW.enter("800");
        if (step == Step::MainConsumer) return form.cmdNaechstVerbrauch;
        form.cmdNaechstVerbrauch.click();
        form.cmdWeiter.click();
        h.enterSection("4", "3", "0,4");
        if (step == Step::MainSection) return form.cmdTeilRohr;
        h.returnWithoutChoice();
        form.cmdTeilRohr.click();
        form.txtRohrDN.enter("15");
        return form.cmdRechnen;
    }
    h.openAfterThreeSections();
    rest.txtStrNr.enter("2");
    rest.txtHFlNr.enter("1");
    rest.txtTlStrckNr.enter("7");
    if (step == Step::Shared) return rest.cmdAddition;
    rest.cmdAddition.click();
    rest.cmdStromkreis.click();
    rest.txtHzKprNr.enter("1");
    rest.txtHkLstgW.enter("1000");
    if (step == Step::Consumer) return rest.cmdNaechstVerbrauch;
    rest.cmdNaechstVerbrauch.click();
    h.returnWithoutChoice();
    rest.cmdWeiter.click();
    rest.txtTeistr.enter("1");
    rest.txtTeilstrckmtr.enter("10");
    if (step == Step::Section) return rest.cmdTeilRohr;
    rest.cmdTeilRohr.click();
    return rest.cmdDNkorrektur;
}

constexpr auto MC = Step::MainConsumer, MS = Step::MainSection, MF = Step::MainFittings,
               RSh = Step::Shared, RC = Step::Consumer, RS = Step::Section, RK = Step::Correction;
constexpr const char* k1to20 = "Bitte Zahlen zwischen 1 und 20 eingeben.";
constexpr const char* k1to9999 = "Bitte Zahlen zwischen 1 und 9999 eingeben.";
constexpr const char* k40to120 = "Bitte Zahlen zwischen 40 und 120 eingeben.";
constexpr const char* kLoad = " Bitte Zahlen zwischen 1 und 50000 eingeben.";
constexpr const char* k1to70 = "Bitte Zahlen zwischen 1 und 70 eingeben.";
constexpr const char* kLength = "Bitte Zahlen zwischen 0,1 und 100 eingeben.";
constexpr const char* kKv = "Bitte Werte zwischen 0,1 und 600 eingeben.";
constexpr const char* k1to50 = "Bitte Zahlen zwischen 1 und 50 eingeben.";
constexpr const char* kTees = "Bitte Nennweiten zwischen 1 und 50 eingeben.";

struct Passing {
    const char* text;
    double stored;
    const char* filled = nullptr;  // what an empty field becomes
};

struct Case {
    Step step;
    const forms::FieldRule& rule;
    std::initializer_list<Passing> passes;
    std::initializer_list<const char*> fails;  // with the field's message
    const char* message = nullptr;
    std::initializer_list<const char*> faults = {};  // the consumer step's fault
};

// The field's text fails its step: the message, the focus back in the field
// for a failed check, and the step goes no further.
void expectRefused(Step step, const forms::FieldRule& rule, const char* text, const char* title,
                   const char* message) {
    SCOPED_TRACE(testing::Message() << rule.field << " \"" << text << "\"");
    testing_support::ProjectHarness h;
    tk::Button& action = reach(h, step);
    const bool onMain = step < Step::Shared;
    tk::Form& form = onMain ? static_cast<tk::Form&>(h.form) : h.rest;
    const tk::TextField& listing = onMain ? h.form.txtAusgabeBerechn : h.rest.txtAusgabeDN;
    const std::int16_t& phase = onMain ? h.state.mainPhase : h.state.remainingPhase;
    const std::string listed = listing.text();
    const std::int16_t phaseBefore = phase;
    const double load = h.state.loadSum;
    auto& field = dynamic_cast<tk::TextField&>(*form.find(std::string(rule.field)));
    field.setText(text);
    ASSERT_TRUE(h.messages.shown.empty());
    ASSERT_TRUE(action.click());
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.last().title, title);
    if (message) {
        EXPECT_EQ(h.messages.last().text, message);
        EXPECT_TRUE(field.hasFocus());
    }
    EXPECT_EQ(phase, phaseBefore);
    EXPECT_TRUE(action.visible());
    EXPECT_EQ(listing.text(), listed);
    EXPECT_EQ(h.state.loadSum, load);
}

// Every field of both forms at its bounds, with the reading its form uses:
// what passes and is stored, and what fails in the form with the field's
// message under "Eingabeberichtigung:". A consumer step's fault shows
// "Eingabefehler:". No field takes a text that is no number with the decimal
// comma, whatever its reading.
TEST(FieldRules, EveryFieldOfBothForms) {
    // One field per row.
    // clang-format off
    const Case cases[] = {
        {MC, main::riserNumber, {{"20", 20}}, {"21", "0", "", "1x"}, k1to20},
        // "1.000.000" reads 1, but its whole number does not fit 16 bits
        {MC, main::circuitConsumerNumber, {{"9999", 9999}, {"20,7", 21}}, {"abc", "1.000.000"},
            k1to9999},
        {MC, main::supplyTemperature, {{"120", 120}, {"41", 41}}, {"121", "40"}, k40to120, {"80x"}},
        {MC, main::returnTemperature, {{"99", 99}}, {"40"}, k40to120},
        {MC, main::consumerNumber, {{"", 1, "1"}, {"0,95", 0.95}}, {"9999"}, k1to9999, {"a"}},
        {MC, main::consumerLoad, {{"", 0, "0"}, {"50000", 50000}, {"1.500", 1500}},
            {"50001", "-0,5"}, kLoad, {"12.5"}},
        // the leading number 2.5 rounds to even; the whole text reads 2500
        {MS, main::sectionNumber, {{"70", 70}, {"2.500", 2}, {"3.500", 4}}, {"71", "0.9", "7.6"},
            k1to70},
        {MS, main::sectionLength, {{"0", 0}, {"100,5", 100.5}}, {"101", "-0,05", "12.5", ""},
            kLength},
        {MS, main::designVelocity, {{"0,06", 0.06}, {"3", 3}}, {"0,05", "3,1"},
            "Bitte Zahlen zwischen 0,1 und 3 eingeben."},
        {MF, main::pipeDn, {{"6", 6}, {"150", 150}}, {"5", "151", "15a"},
            "Bitte Nennweiten zwischen 6 und 150 eingeben."},
        {MF, main::kv, {{"", 0, "0"}, {"600", 600}, {"0,315", 0.315}}, {"601", "-1", "Heimeier"},
            kKv},
        {MF, main::consumerCount, {{"1", 1}, {"", 0, "0"}}, {"2"}, "Bitte nur 1 eingeben."},
        {MF, main::bendCount, {{"50", 50}, {"", 0, "0"}}, {"51"}, k1to50},
        {MF, main::teeCount, {}, {"51"}, kTees},
        {MF, main::connectionCount, {}, {"1x"}, k1to50},
        {MF, main::reducerCount, {{"3", 3}}, {"-1"}, k1to50},
        {RSh, rest::riserNumber, {{"20,5", 20}}, {"21"}, k1to20},
        {RSh, rest::circuitConsumerNumber, {}, {"0"}, k1to9999},
        {RSh, rest::commonSectionNumber, {}, {""}, k1to70},  // "0" first, below 1
        {RSh, rest::commonLength, {}, {"abc"}, "Bitte Zahlen zwischen 0,1 und 99 eingeben."},
        {RSh, rest::commonPressure, {}, {"10000"}, "Bitte Zahlen zwischen 0,1 und 9999 eingeben."},
        {RC, rest::consumerNumber, {{"9999", 9999}}, {"10000"}, k1to9999, {""}},
        // checked on the leading number, stored with the decimal comma
        {RC, rest::consumerLoad, {{"50000", 50000}, {"1000,5", 1000.5}},
            {"50001", "0,5", "", "abc", "12abc", "1.5", "1e3"}, kLoad},
        {RS, rest::sectionNumber, {}, {"71"}, k1to70},
        {RS, rest::sectionLength, {{"0,1", 0.1}, {"0,5", 0.5}, {"100,5", 100.5}},
            {"0,05", "101", "abc"}, kLength},
        {RS, rest::kv, {}, {"601"}, kKv},
        {RS, rest::consumerCount, {}, {"2"}, "Bitte nur Zahl 1 eingeben."},
        {RS, rest::teeCount, {}, {"51"}, kTees},
        {RK, rest::correctionDn, {{"5", 5}}, {"151", "abc"},  // the table refuses 5 later
            "Bitte Nennweiten zwischen 10 und 150 eingeben."},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule.field);
        for (const Passing& pass : c.passes) {
            forms::CheckResult result = forms::checkField(c.rule, pass.text);
            EXPECT_EQ(result.status, CheckStatus::Passed) << pass.text;
            EXPECT_DOUBLE_EQ(result.value, pass.stored) << pass.text;
            EXPECT_EQ(result.text, pass.filled ? pass.filled : pass.text);
        }
        for (const char* text : {"7.6", "7a", "1e1", "1,5x"})
            EXPECT_NE(forms::checkField(c.rule, text).status, CheckStatus::Passed) << text;
        for (const char* text : c.fails) {
            EXPECT_EQ(forms::checkField(c.rule, text).status, CheckStatus::Failed) << text;
            expectRefused(c.step, c.rule, text, "Eingabeberichtigung:", c.message);
        }
        for (const char* text : c.faults) {
            EXPECT_EQ(forms::checkField(c.rule, text).status, CheckStatus::Fault) << text;
            expectRefused(c.step, c.rule, text, "Eingabefehler:", nullptr);
        }
    }
}

}  // namespace
