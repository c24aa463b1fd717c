#include "forms/EndOfWork.h"

namespace forms {

bool mayEnd(const calc::CalcState& state, tk::MessageBox& messages) {
    if (state.document) {
        if (!calc::projectUnsaved(state)) return true;
        return messages.ask(std::string(kProjectLostQuestion) + " Trotzdem beenden?", "Beenden");
    }
    if (!state.unsavedChanges) return true;
    return messages.ask("Die Eingaben seit dem letzten Speichern gehen verloren. Trotzdem beenden?",
                        "Beenden");
}

}  // namespace forms
