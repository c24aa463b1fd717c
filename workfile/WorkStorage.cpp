#include "workfile/WorkStorage.h"

#include <filesystem>
#include <system_error>

#include "workfile/Encoding.h"
#include "workfile/Files.h"
#include "workfile/WorkFile.h"

namespace workfile {
namespace {

std::string unreadable(const std::string& path, int line) {
    return path + " ist keine lesbare Kalvoran-Datei (Zeile " + std::to_string(line) + ").";
}

// The project of a file, or the message why not.
struct Loaded {
    std::optional<calc::Project> project;
    std::string problem;
};

Loaded load(const std::string& path, Lead lead) {
    std::string problem;
    std::optional<std::string> bytes = readFileBytes(path, &problem);
    if (!bytes) return {std::nullopt, problem};
    ReadOutcome read = readWorkFile(fromWindows1252(*bytes), lead);
    if (!read.project) return {std::nullopt, unreadable(path, std::max(read.failedLine, 1))};
    return {std::move(read.project), {}};
}

}  // namespace

bool WorkStorage::save(const tk::Form& owner, const std::string& listing) {
    std::string path =
        files_.choose({tk::FileDialogMode::Save, kSaveFilter, "", &owner, "txt", ""});
    if (path.empty()) return false;
    if (std::filesystem::path(path).extension().empty()) path += ".txt";
    const std::string text = workFileText(state_.project(), Lead::With, listing);
    if (auto error = writeFileAtomically(path, toWindows1252(text))) {
        messages_.show("Die Datei " + path + " konnte nicht gespeichert werden: " + *error +
                           ". Eine vorhandene Datei ist unverändert.",
                       "Speichern", tk::MessageStyle::Exclamation);
        return false;
    }
    return true;
}

bool WorkStorage::interrupt(const std::string& listing) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(interruptPath_).parent_path(),
                                        ignored);
    const std::string text = workFileText(state_.project(), Lead::Without, listing);
    if (auto error = writeFileAtomically(interruptPath_, toWindows1252(text))) {
        messages_.show(
            "Die Arbeit konnte nicht aufgehoben werden: " + *error + ". Das Programm bleibt offen.",
            "Arbeit unterbrechen", tk::MessageStyle::Exclamation);
        return false;
    }
    return true;
}

std::optional<calc::Project> WorkStorage::open(const tk::Form& owner) {
    const std::string path =
        files_.choose({tk::FileDialogMode::Open, kOpenFilter, kOpenTitle, &owner, "", ""});
    if (path.empty()) return std::nullopt;
    Loaded loaded = load(path, Lead::With);
    if (!loaded.project)
        messages_.show(loaded.problem, "Datei nicht lesbar", tk::MessageStyle::Exclamation);
    return std::move(loaded.project);
}

std::optional<calc::Project> WorkStorage::resume() {
    Loaded loaded = load(interruptPath_, Lead::Without);
    if (!loaded.project) {
        const std::string detail = interruptedWorkExists() ? "\n" + loaded.problem : "";
        messages_.show(std::string(kNoWorkSaved) + detail, "Weiter Arbeiten",
                       tk::MessageStyle::Information);
    }
    return std::move(loaded.project);
}

bool WorkStorage::interruptedWorkExists() const {
    std::error_code ignored;
    return std::filesystem::exists(interruptPath_, ignored);
}

void WorkStorage::discardInterruptedWork() {
    std::error_code ignored;
    std::filesystem::remove(interruptPath_, ignored);
    std::filesystem::remove(interruptPath_ + ".rohrprojekt", ignored);
}

void takeOver(calc::CalcState& state, calc::Project project) {
    state = calc::CalcState{};
    state.project() = std::move(project);
    // The forms take the temperatures from what was typed with the first
    // consumer; after a resume that is what the file kept.
    state.supplyTemperatureInput = state.supplyTemperature;
    state.returnTemperatureInput = state.returnTemperature;
    for (int code = 1; code <= 3; ++code)
        state.materialName[static_cast<std::size_t>(code - 1)] = calc::materialReportName(code);
}

}  // namespace workfile
