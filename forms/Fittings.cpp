#include "forms/Fittings.h"

#include "toolkit/NumberText.h"

namespace forms {

void showFittings(FittingFields fields, const project::SectionInputs& inputs) {
    fields.kv.setText(tk::standardText(inputs.valve.kv));
    fields.consumer.setText(tk::standardText(inputs.consumerFlag));
    fields.bends.setText(std::to_string(inputs.counts.bends));
    fields.tees.setText(std::to_string(inputs.counts.tees));
    fields.connections.setText(std::to_string(inputs.counts.connections));
    fields.reducers.setText(std::to_string(inputs.counts.reducers));
}

std::optional<FittingValues> checkFittings(FieldChecker& checker, FittingFields fields,
                                           FittingRules rules) {
    FittingValues values;
    auto kv = checker.number(rules.kv, fields.kv);
    if (!kv) return std::nullopt;
    values.kv = *kv;
    auto consumer = checker.whole(rules.consumer, fields.consumer);
    if (!consumer) return std::nullopt;
    values.consumerFlag = static_cast<float>(*consumer);
    struct Count {
        const FieldRule& rule;
        tk::TextField& field;
        std::int16_t& stored;
    };
    for (Count count :
         {Count{rules::bendCount, fields.bends, values.counts.bends},
          Count{rules::teeCount, fields.tees, values.counts.tees},
          Count{rules::connectionCount, fields.connections, values.counts.connections},
          Count{rules::reducerCount, fields.reducers, values.counts.reducers}}) {
        auto value = checker.whole(count.rule, count.field);
        if (!value) return std::nullopt;
        count.stored = *value;
    }
    return values;
}

}  // namespace forms
