#include "forms/FaultGuard.h"

#include "forms/FieldChecker.h"

namespace forms {

void FaultGuard::run(const std::function<void()>& handler) {
    calc::CalcState before = state_;
    try {
        handler();
    } catch (...) {
        state_ = std::move(before);
        FieldChecker(messages_).inputFault();
    }
}

}  // namespace forms
