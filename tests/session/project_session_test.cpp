#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "projectfile/ProjectFile.h"
#include "session/ProjectSession.h"
#include "tests/steps/RandomPlanner.h"
#include "workfile/Encoding.h"
#include "workfile/Files.h"
#include "workfile/WorkFile.h"
#include "workfile/WorkStorage.h"

namespace {

namespace fs = std::filesystem;
using testing_support::enterFirstProject;
using testing_support::ProjectHarness;

fs::path testFolder() {
    return fs::temp_directory_path() / ("rohrweiten-session-" + std::to_string(::getpid()));
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

    std::string folder;
    tk::ScriptedFileDialog files;
    session::ProjectSession session;
};

std::string bytesOf(const std::string& path) { return *workfile::readFileBytes(path); }

// The step a project was saved after, as the form that opens it shows it.
std::string openedStep(const SessionHarness& h) {
    if (h.rest.visible()) return "remaining " + std::to_string(static_cast<int>(h.rest.phase()));
    return "main " + std::to_string(static_cast<int>(h.form.phase()));
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A file that cannot be taken is told, with the warning icon, and the work
// in hand stays as it was.
TEST(ProjectFiles, ARefusedFileIsToldAndChangesNothing) {
    SessionHarness h("verweigert");
    enterFirstProject(h);
    ASSERT_TRUE(h.saveAs("gut.rohrprojekt"));
    const std::string good = bytesOf(h.path("gut.rohrprojekt"));
    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.rfind(from), from.size(), to);
        return text;
    };
    struct Case {
        const char* name;
        std::string bytes;  // none: the file is not there
        const char* title;
        std::string text;
    };
    const Case cases[] = {
        {"newer", replaced("\"version\": 3", "\"version\": 4"), "Projekt öffnen",
         "Diese Projektdatei stammt aus einer neueren Programmversion (Version 4)."},
        {"damaged", replaced("\"laenge\": 10", "\"laenge\": 150"), "Projektdatei nicht lesbar",
         "damaged.rohrprojekt: kreise/1/teilstrecken/1/eingaben/laenge: 150 liegt nicht "
         "zwischen 0,1 und 100"},
        {"refused", replaced("\"gemeinsam\": []", "\"gemeinsam\": [9]"), "Projekt öffnen",
         "Stromkreis 2 (Strang 4, Verbraucher 31): Keine berechnete Teilstrecke hat die Nummer "
         "9."},
        {"vanished", "", "Projekt öffnen", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = std::string(c.name) + ".rohrprojekt";
        if (!c.bytes.empty()) writeFile(h.path(name), c.bytes);
        const calc::Project before = h.state.project();
        const project::Document document = *h.state.document;
        h.messages.shown.clear();
        h.open(name);
        ASSERT_EQ(h.messages.shown.size(), 1u);
        EXPECT_EQ(h.messages.last().title, c.title);
        if (!c.text.empty()) {
            EXPECT_EQ(h.messages.last().text, c.text);
        }
        EXPECT_EQ(h.messages.last().style, tk::MessageStyle::Exclamation);
        EXPECT_TRUE(h.state.project() == before);
        EXPECT_EQ(*h.state.document, document);
        EXPECT_EQ(h.state.projectPath, h.path("gut.rohrprojekt"));
    }
}

// The captions name the project file and mark inputs it lacks; only a
// project save clears the mark and the question before the end.
TEST(ProjectFiles, CaptionsNameTheFileAndMarkInputsNotSaved) {
    SessionHarness h("titel");
    h.enterCircuit();
    h.addConsumer("1000");
    EXPECT_EQ(h.form.caption(), "Kalvoranberechnung");
    ASSERT_TRUE(h.saveAs("Schule"));
    EXPECT_EQ(h.form.caption(), "Kalvoranberechnung – Schule.rohrprojekt");
    h.addConsumer("500");
    EXPECT_EQ(h.form.caption(), "Kalvoranberechnung – Schule.rohrprojekt *");
    EXPECT_EQ(h.rest.caption(), h.form.caption());
    h.files.answers = {"/nicht/da/Schule.rohrprojekt"};  // a folder that is not there
    EXPECT_FALSE(h.session.save(h.form, true));
    EXPECT_EQ(h.messages.last().title, "Projekt speichern");
    EXPECT_EQ(h.form.caption(), "Kalvoranberechnung – Schule.rohrprojekt *");
    h.messages.shown.clear();
    ASSERT_TRUE(h.session.save(h.form, false));  // under the same name, no dialog
    EXPECT_TRUE(h.files.answers.empty());
    EXPECT_EQ(h.form.caption(), "Kalvoranberechnung – Schule.rohrprojekt");
    h.form.mnuExitItem.click();
    EXPECT_TRUE(h.messages.shown.empty());
    EXPECT_TRUE(h.windows.ended());
}

// After every completed step the inputs are in the recovery file, which one
// program at a time owns. At the next start "Ja" brings them back, marked
// unsaved; "Nein" keeps the file aside. A normal end removes it.
TEST(Recovery, KeepsTheLastCompletedStepForTheNextStart) {
    project::Document document;
    calc::Project work;
    std::string recovery;
    {
        SessionHarness died("wiederherstellung");
        ASSERT_FALSE(died.session.offerRecovery());  // takes the lock, nothing to offer
        enterFirstProject(died);
        died.session.recovery().flush();
        recovery = died.session.recovery().path();
        EXPECT_EQ(bytesOf(recovery), projectfile::projectFileText(*died.state.document));
        session::RecoveryFile second(died.folder);
        EXPECT_FALSE(second.lock());  // another program owns it
        document = *died.state.document;
        work = died.state.project();
    }  // the program dies: its lock goes, the file stays
    for (bool wanted : {true, false}) {
        SCOPED_TRACE(wanted);
        SessionHarness next("wiederherstellung");
        next.messages.answers = {wanted};
        EXPECT_EQ(next.session.offerRecovery(), wanted);
        ASSERT_EQ(next.messages.shown.size(), 1u);
        EXPECT_EQ(next.messages.last().title, "Wiederherstellung");
        EXPECT_EQ(next.messages.last().text,
                  "Die letzte Sitzung wurde nicht ordentlich beendet. Die Eingaben bis zum "
                  "letzten abgeschlossenen Schritt wiederherstellen?");
        if (!wanted) break;
        EXPECT_EQ(*next.state.document, document);
        EXPECT_TRUE(next.state.project() == work);
        EXPECT_EQ(next.rest.caption(), "Kalvoranberechnung *");
        next.messages.answers = {false};
        next.rest.mnuExitItem.click();  // the recovered inputs are not saved yet
        EXPECT_FALSE(next.windows.ended());
    }
    const fs::directory_iterator files(testFolder() / "wiederherstellung");
    EXPECT_EQ(std::count_if(begin(files), end(files), [](const fs::directory_entry& e) {
                  return e.path().filename().string().starts_with("Wiederherstellung-");
              }), 1);
    EXPECT_FALSE(fs::exists(recovery));
    SessionHarness ended("wiederherstellung");
    ended.session.offerRecovery();
    enterFirstProject(ended);
    ended.session.endNormally();
    EXPECT_FALSE(fs::exists(recovery));
}

// "Arbeitunterbrechen" keeps the document beside "Aufheben"; "Weiter
// Arbeiten" takes it only while "Aufheben" is what the document gives.
TEST(Interrupt, ResumesAsAProjectOnlyWhileAufhebenMatches) {
    SessionHarness h("unterbrochen");
    enterFirstProject(h);
    workfile::WorkStorage storage(h.state, h.messages, h.files, h.path("Aufheben"));
    EXPECT_FALSE(h.session.keepInterruptedDocument());
    ASSERT_TRUE(storage.interrupt(h.listing()));
    EXPECT_EQ(h.session.interruptedDocument(), h.state.document);
    writeFile(h.path("Aufheben"), bytesOf(h.path("Aufheben")) + " ");
    EXPECT_FALSE(h.session.interruptedDocument());
    storage.discardInterruptedWork();
    EXPECT_FALSE(fs::exists(h.path("Aufheben.rohrprojekt")));
}

// The README's first project and two hundred projects, each saved after a
// random completed step, opened in a program of its own and saved again:
// the files are identical, the opened work equals the work saved, and both
// finished alike give the same work file and pages. Between them the
// projects stop after every kind of completed step.
TEST(ProjectFiles, SaveOpenSaveKeepsEveryProjectAndGoesOnAlike) {
    std::set<std::string> steps;
    for (unsigned seed = 0; seed <= 200; ++seed) {  // 0: the README's first project
        SCOPED_TRACE(seed);
        SessionHarness entered;
        if (seed == 0)
            enterFirstProject(entered);
        else
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
        EXPECT_TRUE(testing_support::outputsOf(opened.state, opened.listing()) ==
                    testing_support::outputsOf(entered.state, entered.listing()));
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

// The tests' folders go when the tests are done.
const auto kCleanUp = [] {
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(testFolder(), ignored);
    });
    return 0;
}();
