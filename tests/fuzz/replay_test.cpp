#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../remaining/RemainingHarness.h"
#include "fuzz/Targets.h"
#include "workfile/Encoding.h"
#include "workfile/WorkFile.h"

namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every seed and every input that once failed a fuzzer goes through its
// target again, in both suites.
TEST(FuzzInputs, EveryKeptInputIsTakenAgain) {
    const fs::path root = fs::path(ROHR_SOURCE_DIR) / "fuzz";
    std::size_t inputs = 0;
    for (const char* kind : {"corpus", "regressions"})
        for (auto [target, run] : {std::pair{"workfile", &fuzz::workFile},
                                   std::pair{"numbers", &fuzz::fieldText}}) {
            const fs::path folder = root / kind / target;
            if (!fs::exists(folder)) continue;
            for (const auto& entry : fs::directory_iterator(folder)) {
                SCOPED_TRACE(entry.path().string());
                run(bytesOf(entry.path()));
                ++inputs;
            }
        }
    EXPECT_GT(inputs, 0u);
}

// With ROHR_WRITE_FUZZ_SEEDS set to the source's fuzz folder, writes the
// seed corpus: work files of a real project and typical field texts.
TEST(FuzzInputs, SeedsAreMadeByTheTests) {
    const char* folder = std::getenv("ROHR_WRITE_FUZZ_SEEDS");
    if (!folder) GTEST_SKIP() << "set ROHR_WRITE_FUZZ_SEEDS to write the seeds";
    testing_support::ProjectHarness h;
    testing_support::enterFourSectionCircuit(h);
    h.shareSections("4", "31", {"7"});
    h.addConsumers({"1500"});
    h.returnWithoutChoice();
    h.sizeSection("21", "6", {"1", "2"});
    h.correct("20");
    h.rest.cmdFertig.click();
    const fs::path root(folder);
    auto write = [&](const fs::path& file, const std::string& bytes) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    };
    for (auto [lead, name] : {std::pair{workfile::Lead::With, "saved.txt"},
                              std::pair{workfile::Lead::Without, "Aufheben"}})
        write(root / "corpus" / "workfile" / name,
              workfile::toWindows1252(workfile::workFileText(h.state.project(), lead,
                                                             h.rest.txtAusgabeDN.text())));
    int n = 0;
    for (const char* text : {"40,5", "1.234,5", "12abc", "-0,05", "", " 7 ", "1e3", "3,1",
                             "20,7", "0,95", "50001", "1.000.000"})
        write(root / "corpus" / "numbers" / ("text" + std::to_string(++n)), text);
}

}  // namespace
