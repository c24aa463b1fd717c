#include "forms/Phases.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "toolkit/Controls.h"

namespace forms {
namespace {

tk::Control& control(const tk::Form& form, std::string_view name) {
    tk::Control* found = form.find(std::string(name));
    if (!found) throw std::logic_error(form.name() + " has no control " + std::string(name));
    return *found;
}

bool named(const Names& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

Names join(std::initializer_list<Names> groups) {
    Names names;
    for (const Names& group : groups) names.insert(names.end(), group.begin(), group.end());
    return names;
}

void showPhase(tk::Form& form, const PhaseTable& table, int phase, std::int16_t& currentPhase) {
    const PhaseRow& row = table.rows.at(static_cast<std::size_t>(phase));
    for (std::string_view name : table.shown)
        control(form, name).setVisible(named(row.visible, name));
    for (std::string_view name : table.enabled)
        control(form, name).setEnabled(named(row.enabled, name));
    for (std::string_view name : table.readOnly) {
        auto* field = dynamic_cast<tk::TextField*>(&control(form, name));
        if (!field) throw std::logic_error(std::string(name) + " is no text field");
        field->setReadOnly(named(row.readOnly, name));
    }
    if (!row.focus.empty()) control(form, row.focus).setFocus();
    form.setDefaultButton(row.defaultButton.empty()
                              ? nullptr
                              : dynamic_cast<tk::Button*>(&control(form, row.defaultButton)));
    currentPhase = static_cast<std::int16_t>(phase);
}

}  // namespace forms
