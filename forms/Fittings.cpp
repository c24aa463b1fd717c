#include "forms/Fittings.h"

namespace forms {

bool checkFittings(FieldChecker& checker, FittingFields fields, FittingRules rules,
                   calc::CalcState& state) {
    auto kv = checker.number(rules.kv, fields.kv);
    if (!kv) return false;
    state.kvValue = *kv;
    auto consumer = checker.whole(rules.consumer, fields.consumer);
    if (!consumer) return false;
    state.consumerFlag = static_cast<float>(*consumer);
    struct Count {
        const FieldRule& rule;
        tk::TextField& field;
        std::int16_t& stored;
    };
    for (Count count : {Count{rules::bendCount, fields.bends, state.bendCount},
                        Count{rules::teeCount, fields.tees, state.teeCount},
                        Count{rules::connectionCount, fields.connections, state.connectionCount},
                        Count{rules::reducerCount, fields.reducers, state.reducerCount}}) {
        auto value = checker.whole(count.rule, count.field);
        if (!value) return false;
        count.stored = *value;
    }
    return true;
}

}  // namespace forms
