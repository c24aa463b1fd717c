#pragma once
// Ending the program from a workflow form: work that was changed since the
// last save is only thrown away when the user says so.
#include "state/CalcState.h"
#include "toolkit/Dialogs.h"

namespace forms {

// True when the program may end: nothing unsaved, or the user answers "Ja".
bool mayEnd(const calc::CalcState& state, tk::MessageBox& messages);

}  // namespace forms
