#pragma once
// Every click, menu entry, choice and timer of the program runs through
// here. A fault that escapes its handler (a table index a damaged file
// brought, say) never ends the program: the calculation state, the listings
// and steps of the workflow forms and the mouse pointer are put back as they
// were before the event, the user is told, the fault is logged, and the
// program goes on.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/Phases.h"
#include "state/CalcState.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"
#include "toolkit/WindowSystem.h"

namespace forms {

inline constexpr std::uintmax_t kFaultLogLimit = 1024 * 1024;

// Appends `line` to the log at `path`, creating its folder. The oldest lines
// are dropped so that the file stays under `limit` bytes; the newest line is
// always kept. A log that cannot be written is left as it is.
void appendToLog(const std::string& path, const std::string& line,
                 std::uintmax_t limit = kFaultLogLimit) noexcept;

class FaultGuard : public tk::EventGuard {
public:
    // `logPath`: the file that keeps the faults for the planner to report;
    // empty for none. Every fault also goes to standard error.
    FaultGuard(calc::CalcState& state, tk::MessageBox& messages, std::string logPath = {})
        : state_(state), messages_(messages), logPath_(std::move(logPath)) {}

    // A workflow form whose listing box and step are put back with the
    // state: the step is the phase of `table` recorded in the state's `phase`.
    // `redraw`, when given, then draws the listing from the restored state.
    void watch(tk::Form& form, tk::TextField& listing, const PhaseTable& table,
               std::int16_t calc::CalcState::*phase, std::function<void()> redraw = {});

    void run(const tk::EventSource& source, const std::function<void()>& handler) override;

private:
    struct Watched {
        tk::Form& form;
        tk::TextField& listing;
        const PhaseTable& table;
        std::int16_t calc::CalcState::*phase;
        std::function<void()> redraw;
    };
    // What a form showed before the event.
    struct Screen {
        tk::Form& form;
        bool loaded;
        tk::MousePointer pointer;
        std::string listing;
    };
    std::vector<Screen> screensBefore(const tk::EventSource& source) const;
    void putBack(const std::vector<Screen>& screens);
    void log(const tk::EventSource& source, const std::string& fault) const;

    calc::CalcState& state_;
    tk::MessageBox& messages_;
    std::string logPath_;
    std::vector<Watched> watched_;
};

}  // namespace forms
