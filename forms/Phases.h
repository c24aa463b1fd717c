#pragma once
// The steps of a workflow form as data: for each phase, which of the
// controls that the steps move are shown, enabled and read-only, and where
// the focus goes. Controls a table does not name are left alone.
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "toolkit/Form.h"

namespace forms {

using Names = std::vector<std::string_view>;

// The names of several groups, one after the other.
Names join(std::initializer_list<Names> groups);

struct PhaseRow {
    Names visible;           // of the table's `shown`; the others are hidden
    Names enabled;           // of the table's `enabled`; the others are disabled
    Names readOnly;          // of the table's `readOnly`; the others are editable
    std::string_view focus;  // empty: the focus stays where it is
    // The button that Enter in a field presses: the step's own; empty for none.
    std::string_view defaultButton = {};
};

struct PhaseTable {
    Names shown;                 // the controls whose visibility the steps set
    Names enabled;               // ... whose enabled state they set
    Names readOnly;              // ... whose read-only state they set
    std::vector<PhaseRow> rows;  // indexed by phase
};

// Puts the phase on the form's screen and records it in `currentPhase`. A
// name that the form lacks is a fault of the table (std::logic_error).
void showPhase(tk::Form& form, const PhaseTable& table, int phase, std::int16_t& currentPhase);

}  // namespace forms
