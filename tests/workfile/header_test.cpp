#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/TestDoubles.h"
#include "workfile/Files.h"
#include "workfile/FrmPersoForm2.h"
#include "workfile/WorkFile.h"

namespace {

namespace fs = std::filesystem;

class RecordingHandOver : public workfile::HeaderHandOver {
public:
    void startNewWork() override { calls.push_back("new"); }
    void showLoadedFile() override { calls.push_back("file"); }
    void resumeWork() override { calls.push_back("resume"); }
    void openProject() override { calls.push_back("open project"); }
    std::vector<std::string> calls;
};

// The header window over a folder of its own for interrupted work.
class HeaderWindow : public testing::Test {
protected:
    HeaderWindow() {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~HeaderWindow() override { fs::remove_all(folder); }

    void write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // A small project as the interrupt would keep it.
    std::string keptWork() {
        calc::Project p;
        p.projectHeader[0] = "4711";
        p.riserIndex = p.riserCount = p.lastRiserIndex = 1;
        p.materialCode = p.pipeMaterial = 1;
        p.riser.sectionsPerRiser.at(1) = 1;
        return workfile::workFileText(p, workfile::Lead::Without, "Liste");
    }
    void open() {
        form.load();
        form.showModeless();
    }

    // A folder of each test's own: the tests run side by side.
    const fs::path folder =
        fs::temp_directory_path() / ("rohrweiten-" + std::to_string(::getpid()) +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    const std::string aufheben = (folder / "Aufheben").string();
    tk::ScriptedWindowSystem windows;
    tk::RecordingMessageBox messages;
    tk::ScriptedFileDialog files;
    calc::CalcState state;
    workfile::WorkStorage storage{state, messages, files, aufheben};
    RecordingHandOver handOver;
    workfile::FrmPersoForm2 form{windows, state, messages, storage, handOver};
};

// New work needs one of the first three fields; what was typed stays.
TEST_F(HeaderWindow, OnlyTheDateLeadsToNewWork) {
    open();
    EXPECT_FALSE(form.mnuItemWeiter.enabled());  // nothing interrupted
    form.txtPersDat4.enter("Müller, \"Bau\"");
    form.cmdWeiter.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().title, "Eingabe fehlt");
    EXPECT_EQ(messages.last().style, tk::MessageStyle::Exclamation);
    EXPECT_TRUE(form.txtPersDat1.hasFocus());
    EXPECT_TRUE(handOver.calls.empty());
    form.txtPersDat3.enter("07.12.2026");
    ASSERT_TRUE(form.cmdWeiter.click());
    EXPECT_EQ(handOver.calls, (std::vector<std::string>{"new"}));
    EXPECT_EQ(state.projectHeader[2], "07.12.2026");
    EXPECT_EQ(state.projectHeader[3], "Müller, \"Bau\"");
    EXPECT_FALSE(form.visible());
}

// New work gives up kept work only when the user says so.
TEST_F(HeaderWindow, NewWorkAsksBeforeItGivesUpInterruptedWork) {
    write(aufheben, keptWork());
    open();
    EXPECT_TRUE(form.mnuItemWeiter.enabled());
    form.txtPersDat1.enter("1");
    messages.answers = {false, true};
    form.cmdWeiter.click();
    EXPECT_TRUE(fs::exists(aufheben));
    EXPECT_TRUE(handOver.calls.empty());
    EXPECT_EQ(messages.last().title, "Unterbrochene Arbeit");
    form.cmdWeiter.click();
    EXPECT_FALSE(fs::exists(aufheben));
    EXPECT_FALSE(form.mnuItemWeiter.enabled());
    EXPECT_EQ(handOver.calls, (std::vector<std::string>{"new"}));
}

// A file that cannot be read: the message says why, under "Datei nicht
// lesbar" or after "Keine Arbeit gespeicher"; the state stays as it was and
// "&Weiter Arbeiten" is no longer offered.
TEST_F(HeaderWindow, DamagedFilesChangeNothing) {
    write(aufheben, keptWork().substr(0, 40));
    const std::string damaged = (folder / "Projekt.txt").string();
    write(damaged, "1\r\nkeine Zahlen\r\n");
    const std::string locked = (folder / "Gesperrt.txt").string();
    write(locked, keptWork());
    fs::permissions(locked, fs::perms::none);
    const std::string large = (folder / "Groß.txt").string();
    write(large, "");
    fs::resize_file(large, 16 * 1024 * 1024 + 1);
    open();
    state.projectHeader[0] = "im Speicher";
    form.mnuItemWeiter.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, "Keine Arbeit gespeicher\n" + aufheben +
                                        " ist keine lesbare Kalvoran-Datei (Zeile 14).");
    EXPECT_FALSE(form.mnuItemWeiter.enabled());
    EXPECT_TRUE(form.txtPersDat1.hasFocus());
    // As a user without rights, also where the tests run as root.
    ASSERT_TRUE(::geteuid() != 0 || ::seteuid(65534) == 0);
    for (auto [path, why] :
         {std::pair{damaged, " ist keine lesbare Kalvoran-Datei (Zeile 2)."},
          {(folder / "Fehlt.txt").string(), " kann nicht geöffnet werden: Datei nicht gefunden."},
          {locked, " kann nicht geöffnet werden: keine Leseberechtigung."},
          {large, " ist größer als 16 MiB und wird nicht gelesen."}}) {
        files.answers = {path};
        form.mnuItemOpen.click();
        EXPECT_EQ(messages.last().title, "Datei nicht lesbar");
        EXPECT_EQ(messages.last().text, path + why);
    }
    EXPECT_TRUE(::getuid() != 0 || ::seteuid(0) == 0);
    EXPECT_EQ(messages.shown.size(), 5u);
    EXPECT_EQ(files.asked.back().filter, " Textdateien (*.txt)|*.txt|Dateien (*.Dat)|*.Dat|");
    EXPECT_EQ(files.asked.back().title, "Öffnen der Kalvoran Datei");
    EXPECT_TRUE(form.mnuItemOpen.enabled());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(state.projectHeader[0], "im Speicher");
    EXPECT_TRUE(handOver.calls.empty());
}

// A save goes through a temporary file: a failed one leaves the file that
// was there whole, and says so.
TEST_F(HeaderWindow, SavesAreWholeOrNotAtAll) {
    open();
    state.riserIndex = state.riserCount = 1;
    const std::string path = (folder / "Projekt").string();
    files.answers = {path, path + ".txt", ""};
    EXPECT_TRUE(storage.save(form, "Liste"));
    EXPECT_EQ(files.asked.back().filter, "Textdateien(*.txt)|*.txt|Dateien(*.DAT)|*.DAT");
    EXPECT_EQ(files.asked.back().defaultSuffix, "txt");
    EXPECT_EQ(files.asked.back().owner, &form);
    const std::optional<std::string> saved = workfile::readFileBytes(path + ".txt");
    ASSERT_TRUE(saved);  // a name without suffix gets ".txt"
    // The disk takes no more than the file's size now.
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{saved->size(), limit.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &full);
    EXPECT_FALSE(storage.save(form, std::string(4000, 'L')));
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(messages.last().title, "Speichern");
    EXPECT_EQ(messages.last().text, "Die Datei " + path +
                                        ".txt konnte nicht gespeichert werden: Die Datei wird zu "
                                        "groß. Eine vorhandene Datei ist unverändert.");
    EXPECT_EQ(workfile::readFileBytes(path + ".txt"), saved);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);  // no temporary left
    EXPECT_FALSE(storage.save(form, "Liste"));  // cancelled: nothing written, nothing said
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
