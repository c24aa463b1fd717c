#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "projectfile/ProjectFile.h"
#include "report/Report.h"
#include "session/ProjectSession.h"
#include "tests/steps/RandomPlanner.h"
#include "workfile/Encoding.h"
#include "workfile/Files.h"
#include "workfile/WorkFile.h"
#include "workfile/WorkStorage.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ProjectHarness;

fs::path testFolder() {
    static const fs::path folder =
        fs::temp_directory_path() / ("rohrweiten-session-" + std::to_string(::getpid()));
    return folder;
}

// The forms with a project session over a folder of the test's own, which
// the session also keeps its recovery and interrupt files in.
struct SessionHarness : ProjectHarness {
    explicit SessionHarness(const std::string& subfolder = "daten")
        : folder((testFolder() / subfolder).string()),
          session(state, messages, files, folder, form, rest) {
        fs::create_directories(folder);
        services.onStep = [this] { session.stepCompleted(); };
    }
    std::string path(const std::string& name) const { return folder + "/" + name; }
    bool saveAs(const std::string& name) {
        files.answers = {path(name)};
        return session.save(form, true);
    }
    void open(const std::string& name) {
        files.answers = {path(name)};
        session.open(form);
    }
    std::string listing() const {
        return (state.riserCount > 1 ? rest.txtAusgabeDN : form.txtAusgabeBerechn).text();
    }

    std::string folder;
    tk::ScriptedFileDialog files;
    session::ProjectSession session;
};

std::string bytesOf(const std::string& path) { return *workfile::readFileBytes(path); }

// What the work keeps, saves and prints.
struct Outputs {
    calc::Project project;
    std::string workFile;
    std::vector<std::vector<std::string>> pages;
    bool operator==(const Outputs&) const = default;
};

Outputs outputsOf(SessionHarness& h) {
    calc::CalcState copy = h.state;
    tk::PageRecorder printer;
    report::printReport(printer, copy, copy.riserCount > 1);
    return {h.state.project(),
            workfile::workFileText(h.state.project(), workfile::Lead::With, h.listing()),
            printer.pages};
}

// The step a project was saved after, as the form that opens it shows it.
std::string openedStep(const SessionHarness& h) {
    if (h.rest.visible()) return "remaining " + std::to_string(static_cast<int>(h.rest.phase()));
    return "main " + std::to_string(static_cast<int>(h.form.phase()));
}

// Two hundred projects, each saved after a random completed step, opened
// in a program of its own and saved again: the files are identical, the
// opened work equals the work saved, and both finished alike give the same
// work file and pages. Between them the projects stop after every kind of
// completed step.
TEST(ProjectFiles, SaveOpenSaveKeepsEveryProjectAndGoesOnAlike) {
    std::set<std::string> steps;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        SessionHarness entered;
        testing_support::RandomPlanner(entered, seed)
            .enter({1 + static_cast<int>(seed % 3), 1 + static_cast<int>(seed % 4), 3});
        ASSERT_TRUE(entered.saveAs("a.rohrprojekt"));
        SessionHarness opened;
        opened.open("../daten/a.rohrprojekt");
        ASSERT_TRUE(opened.messages.shown.empty()) << opened.messages.last().text;
        ASSERT_TRUE(opened.saveAs("b.rohrprojekt"));
        EXPECT_EQ(bytesOf(opened.path("b.rohrprojekt")), bytesOf(entered.path("a.rohrprojekt")));
        // "Nächster   Strang" is no completed step: such work opens as after "Fertig".
        if (std::cmp_greater(entered.state.riserCount, entered.state.document->circuits.size()))
            continue;
        EXPECT_TRUE(opened.state.project() == entered.state.project());
        EXPECT_EQ(opened.listing(), entered.listing());
        steps.insert(openedStep(opened));
        testing_support::finishWork(entered);
        testing_support::finishWork(opened);
        EXPECT_TRUE(outputsOf(opened) == outputsOf(entered));
        EXPECT_EQ(*opened.state.document, *entered.state.document);
        if (HasFailure()) return;
    }
    // The main form's "+", "Rechnen", "Nächste Teilstrecke", "Fertig"; the
    // remaining form's shared "+" or ">", "+", "Teilstrecke", " Korrektur
    // DN", "Nächste Teilstrecke", "Fertig".
    EXPECT_EQ(steps, (std::set<std::string>{"main 1", "main 4", "main 5", "main 6", "remaining 0",
                                            "remaining 1", "remaining 2", "remaining 4",
                                            "remaining 5", "remaining 6", "remaining 7"}));
}

}  // namespace
