#include "forms/ConsumerEntry.h"

#include "hydraulics/Operations.h"
#include "toolkit/NumberText.h"

namespace forms {

bool ConsumerEntry::check(const std::function<void()>& onFault) {
    std::optional<double> number = checker_.number(rules_.number, fields_.number, onFault);
    if (!number) return false;
    std::optional<double> load = checker_.number(rules_.load, fields_.load, onFault);
    if (!load) return false;
    state_.consumerLoad = *load;
    checked_ = {*number, *load};
    return true;
}

void ConsumerEntry::add() {
    if (state_.document)
        project::addConsumer(*state_.document, project::currentCircuit(*state_.document), checked_);
    hyd::AddConsumerLoad(state_);
    state_.consumerLoad = tk::localeValue(fields_.load.text()).value_or(state_.consumerLoad);
    fields_.number.setText("");
    fields_.load.setText("");
    fields_.sum.setText(tk::standardText(state_.loadSum));
}

}  // namespace forms
