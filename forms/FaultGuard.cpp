#include "forms/FaultGuard.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <utility>

#include "forms/FieldChecker.h"

namespace forms {
namespace {

constexpr std::size_t kMaxFaultText = 500;  // bytes of a fault's text in the log

std::string timeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string sourceName(const tk::EventSource& source) {
    if (!source.control) return source.form.name() + " (Fenster geschlossen)";
    return source.form.name() + "." + source.control->name();
}

// The fault's text on one line of bounded length, cut between characters.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    if (text.size() <= kMaxFaultText) return text;
    std::size_t end = kMaxFaultText;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool writeWhole(const std::string& path, std::string_view text) {
    std::ofstream out(path, std::ios::trunc | std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

// Where the text stays under `limit` bytes once its oldest lines are gone;
// its last line is kept whatever its length.
std::size_t firstKeptLine(const std::string& text, std::uintmax_t limit) {
    std::size_t start = 0;
    while (text.size() - start >= limit) {
        const std::size_t next = text.find('\n', start) + 1;
        if (next == 0 || next >= text.size()) break;
        start = next;
    }
    return start;
}

}  // namespace

void appendToLog(const std::string& path, const std::string& line, std::uintmax_t limit) noexcept {
    namespace fs = std::filesystem;
    try {
        std::error_code error;
        fs::create_directories(fs::path(path).parent_path(), error);
        const std::uintmax_t size = fs::file_size(path, error);
        if ((error ? 0 : size) + line.size() + 1 < limit) {
            std::ofstream(path, std::ios::app | std::ios::binary) << line << '\n';
            return;
        }
        const std::string text = readAll(path) + line + '\n';
        const std::string trimmed = path + ".neu";
        if (writeWhole(trimmed, std::string_view(text).substr(firstKeptLine(text, limit))))
            fs::rename(trimmed, path, error);
        else
            fs::remove(trimmed, error);
    } catch (...) {
        // The log is a help for reporting faults; the program goes on without it.
    }
}

void FaultGuard::watch(tk::Form& form, tk::TextField& listing, const PhaseTable& table,
                       std::int16_t calc::CalcState::*phase, std::function<void()> redraw) {
    watched_.push_back({form, listing, table, phase, std::move(redraw)});
}

void FaultGuard::run(const tk::EventSource& source, const std::function<void()>& handler) {
    calc::CalcState before = state_;
    const std::vector<Screen> screens = screensBefore(source);
    std::string fault;
    try {
        handler();
        return;
    } catch (const std::exception& error) {
        fault = error.what();
    } catch (...) {
        fault = "unbekannter Fehler";
    }
    state_ = std::move(before);
    try {
        putBack(screens);
    } catch (...) {
        // A screen that cannot be put back stays as the fault left it.
    }
    log(source, fault);
    FieldChecker(messages_).inputFault();
}

// The watched forms in their order, then the form of the event.
std::vector<FaultGuard::Screen> FaultGuard::screensBefore(const tk::EventSource& source) const {
    std::vector<Screen> screens;
    for (const Watched& w : watched_) {
        const bool loaded = w.form.loaded();
        screens.push_back(
            {w.form, loaded, w.form.mousePointer(), loaded ? w.listing.text() : std::string()});
    }
    const bool watched = std::any_of(watched_.begin(), watched_.end(),
                                     [&](const Watched& w) { return &w.form == &source.form; });
    if (!watched)
        screens.push_back({source.form, source.form.loaded(), source.form.mousePointer(), {}});
    return screens;
}

void FaultGuard::putBack(const std::vector<Screen>& screens) {
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const Screen& screen = screens[i];
        if (!screen.loaded) continue;
        if (i < watched_.size()) {
            const Watched& w = watched_[i];
            if (w.listing.text() != screen.listing) w.listing.setText(screen.listing);
            std::int16_t& phase = state_.*w.phase;
            showPhase(w.form, w.table, phase, phase);
            if (w.redraw) w.redraw();
        }
        if (screen.form.mousePointer() != screen.pointer)
            screen.form.setMousePointer(screen.pointer);
    }
}

void FaultGuard::log(const tk::EventSource& source, const std::string& fault) const {
    try {
        const std::string line =
            timeNow() + "  Fehler bei " + sourceName(source) + ": " + oneLine(fault);
        std::cerr << "rohrweiten: " << line << std::endl;
        if (!logPath_.empty()) appendToLog(logPath_, line);
    } catch (...) {
        // Nothing more to tell than the message box will.
    }
}

}  // namespace forms
