#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/remaining/RemainingHarness.h"
#include "report/Report.h"
#include "workfile/Encoding.h"
#include "workfile/Files.h"
#include "workfile/WorkFile.h"
#include "workfile/WorkStorage.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ProjectHarness;

// The work of the four-section circuit up to riser `last`: the critical
// circuit finished, then further risers of one section each.
void workUpTo(ProjectHarness& h, int last, int first = 1) {
    if (first == 1) {
        testing_support::enterFourSections(h);
        h.form.cmdFertig.click();
    }
    for (int riser = std::max(first, 2); riser <= last; ++riser) {
        (riser == 2 ? h.form.cmdRstTeilstr : h.rest.cmdNaechsterStrang).click();
        h.shareSections(riser == 2 ? "4" : "5", "31", {"7"});
        h.addConsumers({"1500"});
        h.returnWithoutChoice();
        h.sizeSection(riser == 2 ? "21" : "31", "6", {"1", "2"});
        h.correct("20");
        h.rest.cmdFertig.click();
    }
}

// The saved file of the work in hand, which the program reads back whole.
std::string savedFile(ProjectHarness& h) {
    using workfile::Lead;
    const std::string text = workfile::workFileText(h.state.project(), Lead::With, h.listing());
    workfile::ReadOutcome read = workfile::readWorkFile(text, Lead::With);
    EXPECT_TRUE(read.project) << "line " << read.failedLine;
    const calc::Project again = read.project ? *read.project : calc::Project{};
    EXPECT_EQ(workfile::workFileText(again, Lead::With, again.reportText), text);
    return text;
}

std::vector<std::vector<std::string>> report(ProjectHarness& h) {
    tk::PageRecorder printer;
    report::printReport(printer, h.state, true);
    return printer.pages;
}

// Work interrupted after the critical circuit or after riser 2, resumed and
// finished with riser 3, saves and prints as work that never stopped: the
// temperatures stay those of the file. With ROHR_WRITE_FUZZ_SEEDS set to the
// source's fuzz folder, its files become the seeds of the work-file fuzzer.
TEST(ResumedWork, GoesOnAsWorkThatNeverStopped) {
    const char* seeds = std::getenv("ROHR_WRITE_FUZZ_SEEDS");
    auto seed = [seeds](const char* name, const std::string& bytes) {
        if (seeds) std::ofstream(fs::path(seeds) / "corpus" / "workfile" / name) << bytes;
    };
    ProjectHarness straight;
    workUpTo(straight, 3);
    const std::string saved = savedFile(straight);
    seed("saved.txt", workfile::toWindows1252(saved));
    const auto pages = report(straight);

    const auto folder =
        fs::temp_directory_path() / ("rohrweiten-resumed-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    tk::ScriptedFileDialog files;
    for (int stoppedAfter : {1, 2}) {
        SCOPED_TRACE(stoppedAfter);
        ProjectHarness before;
        workUpTo(before, stoppedAfter);
        savedFile(before);
        workfile::WorkStorage kept{before.state, before.messages, files,
                                   (folder / "Aufheben").string()};
        ASSERT_TRUE(kept.interrupt(before.listing()));
        if (stoppedAfter == 2) seed("Aufheben", *workfile::readFileBytes(kept.interruptPath()));
        ProjectHarness after;
        workfile::WorkStorage storage{after.state, after.messages, files, kept.interruptPath()};
        workfile::takeOver(after.state, *storage.resume());
        if (stoppedAfter == 1)
            after.form.resumeFinishedCircuit();
        else
            after.rest.resumeFinishedRiser();
        workUpTo(after, 3, stoppedAfter + 1);
        EXPECT_EQ(savedFile(after), saved);
        EXPECT_EQ(report(after), pages);
    }
    fs::remove_all(folder);
}

}  // namespace
