#pragma once
// Every click, menu entry, choice and timer of the program runs through
// here. A fault that escapes its handler (a table index a damaged file
// brought, say) never ends the program: the calculation state is put back as
// it was before the event, the user is told, and the program goes on.
#include <functional>

#include "state/CalcState.h"
#include "toolkit/Dialogs.h"
#include "toolkit/WindowSystem.h"

namespace forms {

class FaultGuard : public tk::EventGuard {
public:
    FaultGuard(calc::CalcState& state, tk::MessageBox& messages)
        : state_(state), messages_(messages) {}
    void run(const std::function<void()>& handler) override;

private:
    calc::CalcState& state_;
    tk::MessageBox& messages_;
};

}  // namespace forms
