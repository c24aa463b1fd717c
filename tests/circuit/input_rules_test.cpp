#include <gtest/gtest.h>

#include "circuit/MainFormRules.h"

namespace {

using forms::CheckStatus;
namespace rules = circuit::rules;

struct Case {
    const forms::FieldRule& rule;
    const char* text;
    CheckStatus status;
    double stored;
    const char* textAfter = nullptr;  // the field's text after an empty field was filled
};

constexpr auto P = CheckStatus::Passed;
constexpr auto F = CheckStatus::Failed;
constexpr auto X = CheckStatus::Fault;

TEST(InputRules, EveryFieldAtItsBounds) {
    const Case cases[] = {
        {rules::riserNumber, "20", P, 20},
        {rules::riserNumber, "21", F, 0},
        {rules::riserNumber, "0", F, 0},
        {rules::riserNumber, "", F, 0},
        {rules::riserNumber, "1x", F, 0},  // passes on its leading 1, but is no whole number
        {rules::circuitConsumerNumber, "9999", P, 9999},
        {rules::circuitConsumerNumber, "20,7", P, 21},
        {rules::circuitConsumerNumber, "abc", F, 0},
        {rules::supplyTemperature, "120", P, 120},
        {rules::supplyTemperature, "121", F, 0},
        {rules::supplyTemperature, "40", F, 0},
        {rules::supplyTemperature, "41", P, 41},
        {rules::supplyTemperature, "80x", X, 0},
        {rules::returnTemperature, "99", P, 99},
        {rules::consumerNumber, "", P, 1, "1"},
        {rules::consumerNumber, "9999", F, 0},
        {rules::consumerNumber, "1", P, 1},
        {rules::consumerNumber, "0,95", P, 0.95},
        {rules::consumerNumber, "a", X, 0},
        {rules::consumerLoad, "", P, 0, "0"},
        {rules::consumerLoad, "50000", P, 50000},
        {rules::consumerLoad, "50001", F, 0},
        {rules::consumerLoad, "-0,5", F, 0},
        {rules::consumerLoad, "1.500", P, 1500},
        {rules::consumerLoad, "12.5", X, 0},
        {rules::sectionNumber, "7", P, 7},
        {rules::sectionNumber, "70", P, 70},
        {rules::sectionNumber, "71", F, 0},
        // the leading number 2.5 rounds to even; the whole text reads 2500
        {rules::sectionNumber, "2.500", P, 2},
        {rules::sectionNumber, "3.500", P, 4},
        {rules::sectionNumber, "7.6", F, 0},  // no number with the decimal comma
        {rules::sectionNumber, "7a", F, 0},
        {rules::sectionNumber, "1e1", F, 0},
        {rules::sectionNumber, "0.9", F, 0},
        {rules::sectionLength, "0", P, 0},
        {rules::sectionLength, "100,5", P, 100.5},
        {rules::sectionLength, "101", F, 0},
        {rules::sectionLength, "-0,05", F, 0},
        {rules::sectionLength, "12.5", F, 0},
        {rules::sectionLength, "", F, 0},
        {rules::designVelocity, "0,05", F, 0},
        {rules::designVelocity, "0,06", P, 0.06},
        {rules::designVelocity, "3", P, 3},
        {rules::designVelocity, "3,1", F, 0},
        {rules::pipeDn, "5", F, 0},
        {rules::pipeDn, "6", P, 6},
        {rules::pipeDn, "150", P, 150},
        {rules::pipeDn, "151", F, 0},
        {rules::pipeDn, "15a", F, 0},
        {rules::kv, "", P, 0, "0"},
        {rules::kv, "600", P, 600},
        {rules::kv, "601", F, 0},
        {rules::kv, "-1", F, 0},
        {rules::kv, "0,66", P, 0.66},
        {rules::kv, "0,315", P, 0.315},
        {rules::kv, "Heimeier", F, 0},
        {rules::consumerCount, "2", F, 0},
        {rules::consumerCount, "1", P, 1},
        {rules::consumerCount, "", P, 0, "0"},
        {rules::consumerCount, "x", F, 0},
        {rules::bendCount, "50", P, 50},
        {rules::bendCount, "51", F, 0},
        {rules::bendCount, "", P, 0, "0"},
        {rules::bendCount, "1x", F, 0},
        {rules::teeCount, "51", F, 0},
        {rules::connectionCount, "-1", F, 0},
        {rules::reducerCount, "3", P, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rule.field << " \"" << c.text << "\"");
        auto result = forms::checkField(c.rule, c.text);
        EXPECT_EQ(result.status, c.status);
        if (c.status == P) {
            EXPECT_DOUBLE_EQ(result.value, c.stored);
        }
        EXPECT_EQ(result.text, c.textAfter ? c.textAfter : c.text);
    }
}

}  // namespace
