#include "session/ProjectSession.h"

#include <filesystem>

#include "forms/EndOfWork.h"
#include "projectfile/ProjectFile.h"
#include "steps/Calculate.h"
#include "workfile/Encoding.h"
#include "workfile/Files.h"
#include "workfile/WorkFile.h"

namespace session {

namespace fs = std::filesystem;

namespace {

constexpr const char* kOpenTitle = "Projekt öffnen";

std::string fileName(const std::string& path) { return fs::path(path).filename().string(); }

// The listing the form of the document's last circuit shows.
std::string shownListing(const project::Document& document, const steps::Calculation& calculated) {
    return document.circuits.size() >= 2 ? steps::remainingStageListing(calculated)
                                         : calculated.criticalListing;
}

}  // namespace

ProjectSession::ProjectSession(calc::CalcState& state, tk::MessageBox& messages,
                               tk::FileDialog& files, std::string dataFolder,
                               circuit::FrmHaupt& main, remaining::FrmRohrDm& rest)
    : state_(state),
      messages_(messages),
      files_(files),
      interruptPath_(dataFolder + "/Aufheben"),
      main_(main),
      rest_(rest),
      recovery_(std::move(dataFolder)) {}

bool ProjectSession::save(const tk::Form& owner, bool askName) {
    if (!state_.document) return false;
    std::string path = state_.projectPath;
    if (askName || path.empty()) {
        path = files_.choose({tk::FileDialogMode::Save, kProjectFilter, "Projekt speichern unter",
                              &owner, "rohrprojekt", ""});
        if (path.empty()) return false;
        if (fs::path(path).extension().empty()) path += ".rohrprojekt";
    }
    if (!writeDocument(path)) return false;
    state_.projectPath = path;
    state_.savedDocument = *state_.document;
    state_.recovered = false;
    showCaptions();
    return true;
}

bool ProjectSession::writeDocument(const std::string& path) {
    const std::string text = projectfile::projectFileText(*state_.document);
    if (auto error = workfile::writeFileAtomically(path, text)) {
        messages_.show("Das Projekt konnte nicht in " + path + " gespeichert werden: " + *error +
                           ". Eine vorhandene Datei ist unverändert.",
                       "Projekt speichern", tk::MessageStyle::Exclamation);
        return false;
    }
    return true;
}

// Inputs not yet saved are only given up when the planner says so.
bool ProjectSession::maySetAside() {
    if (state_.document) {
        if (!calc::projectUnsaved(state_)) return true;
        return messages_.ask(std::string(forms::kProjectLostQuestion) + " Trotzdem öffnen?",
                             kOpenTitle);
    }
    if (!state_.unsavedChanges) return true;
    return messages_.ask("Die Eingaben seit dem letzten Speichern gehen verloren. Trotzdem öffnen?",
                         kOpenTitle);
}

void ProjectSession::open(const tk::Form& owner) {
    if (!maySetAside()) return;
    const std::string path = files_.choose(
        {tk::FileDialogMode::Open, kProjectFilter, kOpenTitle, &owner, "rohrprojekt", ""});
    if (path.empty()) return;
    if (std::optional<project::Document> document = readDocument(path))
        takeOver(std::move(*document), path);
}

std::optional<project::Document> ProjectSession::readDocument(const std::string& path) {
    std::string problem;
    std::optional<std::string> bytes = workfile::readFileBytes(path, &problem);
    if (!bytes) {
        messages_.show(problem, kOpenTitle, tk::MessageStyle::Exclamation);
        return std::nullopt;
    }
    projectfile::ReadOutcome read = projectfile::readProjectFile(*bytes);
    if (read.newerVersion > 0)
        messages_.show("Diese Projektdatei stammt aus einer neueren Programmversion (Version " +
                           std::to_string(read.newerVersion) + ").",
                       kOpenTitle, tk::MessageStyle::Exclamation);
    else if (!read.document)
        messages_.show(fileName(path) + ": " + read.reason, "Projektdatei nicht lesbar",
                       tk::MessageStyle::Exclamation);
    return std::move(read.document);
}

bool ProjectSession::takeOver(project::Document document, std::string path) {
    steps::Calculation calculated = steps::calculate(document);
    if (calculated.refusal) {
        messages_.show(calculated.refusal->text, kOpenTitle, tk::MessageStyle::Exclamation);
        return false;
    }
    calc::CalcState fresh = std::move(calculated.state);
    fresh.document = document;
    fresh.savedDocument = std::move(document);
    fresh.projectPath = std::move(path);
    showWork(std::move(fresh));
    return true;
}

// Both forms start afresh, so that nothing of the work before shows.
void ProjectSession::showWork(calc::CalcState fresh) {
    main_.unload();
    rest_.unload();
    state_ = std::move(fresh);
    if (state_.document->circuits.size() >= 2)
        rest_.showOpenedWork();
    else
        main_.showOpenedWork();
    showCaptions();
}

void ProjectSession::redrawListings() {
    if (main_.loaded()) main_.redrawListing();
    if (rest_.loaded()) rest_.redrawListing();
}

void ProjectSession::showEditedWork(const project::Document& before) {
    if (!state_.document || *state_.document == before) return;
    steps::Calculation calculated = steps::calculate(*state_.document);
    if (calculated.refusal) return;  // the editor takes no document that refuses
    calc::CalcState fresh = std::move(calculated.state);
    fresh.document = std::move(state_.document);
    fresh.savedDocument = std::move(state_.savedDocument);
    fresh.projectPath = std::move(state_.projectPath);
    fresh.recovered = state_.recovered;
    showWork(std::move(fresh));
    stepCompleted();
}

bool ProjectSession::showsUnsaved() const {
    return state_.document && (!state_.projectPath.empty() || state_.recovered) &&
           calc::projectUnsaved(state_);
}

void ProjectSession::stepCompleted() {
    showCaptions();
    if (!state_.document || !recovery_.locked() || lastRecovered_ == state_.document) return;
    recovery_.write(projectfile::projectFileText(*state_.document));
    lastRecovered_ = state_.document;
}

void ProjectSession::showCaptions() {
    std::string caption = kCaption;
    if (state_.document) {
        if (!state_.projectPath.empty()) caption += " – " + fileName(state_.projectPath);
        if (showsUnsaved()) caption += " *";
    }
    main_.setCaption(caption);
    rest_.setCaption(caption);
}

bool ProjectSession::offerRecovery() {
    if (!recovery_.lock() || !recovery_.exists()) return false;
    const bool wanted = messages_.ask(
        "Die letzte Sitzung wurde nicht ordentlich beendet. Die Eingaben bis zum letzten "
        "abgeschlossenen Schritt wiederherstellen?",
        "Wiederherstellung");
    if (wanted) {
        std::optional<project::Document> document = readDocument(recovery_.path());
        if (document && takeOver(std::move(*document), "")) {
            state_.recovered = true;
            showCaptions();
            return true;
        }
    }
    if (auto error = recovery_.keepAside())
        messages_.show(recovery_.path() + " konnte nicht umbenannt werden: " + *error + ".",
                       "Wiederherstellung", tk::MessageStyle::Exclamation);
    return false;
}

void ProjectSession::endNormally() { recovery_.remove(); }

std::optional<std::string> ProjectSession::keepInterruptedDocument() {
    if (!state_.document) return std::nullopt;
    return workfile::writeFileAtomically(interruptPath_ + ".rohrprojekt",
                                         projectfile::projectFileText(*state_.document));
}

std::optional<project::Document> ProjectSession::interruptedDocument() const {
    std::optional<std::string> bytes = workfile::readFileBytes(interruptPath_ + ".rohrprojekt");
    std::optional<std::string> interrupt = workfile::readFileBytes(interruptPath_);
    if (!bytes || !interrupt) return std::nullopt;
    projectfile::ReadOutcome read = projectfile::readProjectFile(*bytes);
    if (!read.document) return std::nullopt;
    const steps::Calculation calculated = steps::calculate(*read.document);
    if (calculated.refusal) return std::nullopt;
    const std::string text =
        workfile::workFileText(calculated.state.project(), workfile::Lead::Without,
                               shownListing(*read.document, calculated));
    if (workfile::toWindows1252(text) != *interrupt) return std::nullopt;
    return std::move(read.document);
}

}  // namespace session
