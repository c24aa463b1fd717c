#pragma once
// The project in hand as a file: "Projekt speichern", "… unter" and
// "Projekt öffnen", the captions that name the file and mark inputs not yet
// saved, and the files that keep the inputs when the program dies or the
// work is interrupted.
#include <optional>
#include <string>

#include "circuit/FrmHaupt.h"
#include "project/Document.h"
#include "remaining/FrmRohrDm.h"
#include "session/RecoveryFile.h"
#include "state/CalcState.h"
#include "toolkit/Dialogs.h"

namespace session {

inline constexpr const char* kProjectFilter =
    "Rohrweiten-Projekte (*.rohrprojekt)|*.rohrprojekt";
inline constexpr const char* kCaption = "Kalvoranberechnung";

class ProjectSession {
public:
    // `dataFolder` holds "Aufheben", the recovery file and its lock.
    ProjectSession(calc::CalcState& state, tk::MessageBox& messages, tk::FileDialog& files,
                   std::string dataFolder, circuit::FrmHaupt& main, remaining::FrmRohrDm& rest);

    // "&Projekt speichern" (asking for a name the first time) and "Projekt
    // speichern &unter…" (`askName`). True when the file was written.
    bool save(const tk::Form& owner, bool askName);
    // "Projekt ö&ffnen…": asks before inputs not yet saved are given up,
    // then for the file; a file that is refused changes nothing.
    void open(const tk::Form& owner);
    // Calculates the document and shows its work on the form where it
    // stood. False, after the message, when a step refuses it.
    bool takeOver(project::Document document, std::string path);

    // After every completed step: the captions follow, and the recovery
    // file takes the inputs.
    void stepCompleted();
    // The editor changed the document: both forms draw their listings anew.
    void redrawListings();
    // The editor has closed on a document other than `before`: both forms
    // show the recalculated work where its last circuit stands, with the
    // project file and what was saved as before.
    void showEditedWork(const project::Document& before);
    // True while the captions mark inputs not yet saved.
    bool showsUnsaved() const;
    // Both working forms' captions: "Kalvoranberechnung – <Datei>" with " *"
    // while the document differs from its file.
    void showCaptions();

    // At start: takes the recovery lock and, when a session before did not
    // end normally, offers its inputs. True when they were taken over.
    bool offerRecovery();
    // A normal end: the recovery file goes.
    void endNormally();

    // "Arbeitunterbrechen" keeps the document beside "Aufheben" first; the
    // German reason when it could not.
    std::optional<std::string> keepInterruptedDocument();
    // "Weiter Arbeiten": the document kept with the interrupt, when the
    // interrupt file calculated from it equals "Aufheben" byte for byte.
    std::optional<project::Document> interruptedDocument() const;

    RecoveryFile& recovery() { return recovery_; }

private:
    std::optional<project::Document> readDocument(const std::string& path);
    bool writeDocument(const std::string& path);
    bool maySetAside();
    void showWork(calc::CalcState fresh);

    calc::CalcState& state_;
    tk::MessageBox& messages_;
    tk::FileDialog& files_;
    std::string interruptPath_;
    circuit::FrmHaupt& main_;
    remaining::FrmRohrDm& rest_;
    RecoveryFile recovery_;
    std::optional<project::Document> lastRecovered_;
};

}  // namespace session
