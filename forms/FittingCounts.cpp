#include "forms/FittingCounts.h"

namespace forms {

bool checkFittingCounts(FieldChecker& checker, CountFields fields, calc::CalcState& state) {
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
