#include "forms/ConsumerEntry.h"

#include "toolkit/NumberText.h"

namespace forms {

std::optional<project::Consumer> ConsumerEntry::check(const std::function<void()>& onFault) {
    std::optional<double> number = checker_.number(rules_.number, fields_.number, onFault);
    if (!number) return std::nullopt;
    std::optional<double> load = checker_.number(rules_.load, fields_.load, onFault);
    if (!load) return std::nullopt;
    return project::Consumer{*number, *load};
}

void ConsumerEntry::added(const project::Consumer& consumer) {
    if (state_.document)
        project::addConsumer(*state_.document, project::currentCircuit(*state_.document), consumer);
    fields_.number.setText("");
    fields_.load.setText("");
    fields_.sum.setText(tk::standardText(state_.loadSum));
}

}  // namespace forms
