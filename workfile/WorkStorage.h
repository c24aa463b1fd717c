#pragma once
// The commands that write and read work files, with their dialogs and
// messages: save, open, interrupt and resume.
#include <optional>
#include <string>

#include "state/CalcState.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"

namespace workfile {

inline constexpr const char* kSaveFilter = "Textdateien(*.txt)|*.txt|Dateien(*.DAT)|*.DAT";
inline constexpr const char* kOpenFilter = " Textdateien (*.txt)|*.txt|Dateien (*.Dat)|*.Dat|";
inline constexpr const char* kOpenTitle = "Öffnen der Kalvoran Datei";
inline constexpr const char* kNoWorkSaved = "Keine Arbeit gespeicher";

class WorkStorage {
public:
    // `interruptPath` is where interrupted work is kept ("Aufheben").
    WorkStorage(calc::CalcState& state, tk::MessageBox& messages, tk::FileDialog& files,
                std::string interruptPath)
        : state_(state),
          messages_(messages),
          files_(files),
          interruptPath_(std::move(interruptPath)) {}

    // "&Speichern unter": the project with the form's listing as it stands.
    // True when written; a failure is told and leaves an existing file as it was.
    bool save(const tk::Form& owner, const std::string& listing);
    // "Arbeitunterbrechen": true when the work was kept; a failure is told.
    bool interrupt(const std::string& listing);
    // "&Laden": the project of the chosen file, read whole; nothing when the
    // dialog was cancelled or the file could not be read (then told under
    // "Datei nicht lesbar").
    std::optional<calc::Project> open(const tk::Form& owner);
    // "&Weiter Arbeiten": the interrupted project, or nothing after the
    // message "Keine Arbeit gespeicher", followed by the reason on the next
    // line when the file is there.
    std::optional<calc::Project> resume();

    bool interruptedWorkExists() const;
    // Interrupted work is given up: "Aufheben" goes with the document kept
    // beside it.
    void discardInterruptedWork();
    const std::string& interruptPath() const { return interruptPath_; }

private:
    calc::CalcState& state_;
    tk::MessageBox& messages_;
    tk::FileDialog& files_;
    std::string interruptPath_;
};

// Puts a project read from a file in place of the state in memory: the
// values of any step in hand are dropped; the material names follow the
// material code, and the typed temperatures are the project's.
void takeOver(calc::CalcState& state, calc::Project project);

}  // namespace workfile
