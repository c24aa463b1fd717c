#pragma once
// Ending the program from a workflow form: work that was changed since the
// last save is only thrown away when the user says so.
#include <string_view>

#include "state/CalcState.h"
#include "toolkit/Dialogs.h"

namespace forms {

// Asked before the program ends or another project is opened.
inline constexpr std::string_view kProjectLostQuestion =
    "Die Eingaben seit dem letzten Speichern des Projekts gehen verloren.";

// True when the program may end: nothing unsaved, or the user answers "Ja".
bool mayEnd(const calc::CalcState& state, tk::MessageBox& messages);

}  // namespace forms
