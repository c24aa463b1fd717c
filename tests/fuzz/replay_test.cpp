#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/Targets.h"

namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every seed and every input that once failed a fuzzer goes through its
// target again, in both suites. The work files among the seeds are written
// by tests/workfile/resume_test.cpp.
TEST(FuzzInputs, EveryKeptInputIsTakenAgain) {
    const fs::path root = fs::path(ROHR_SOURCE_DIR) / "fuzz";
    std::size_t inputs = 0;
    for (const char* kind : {"corpus", "regressions"})
        for (auto [target, run] :
             {std::pair{"workfile", &fuzz::workFile}, std::pair{"projectfile", &fuzz::projectFile},
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

}  // namespace
