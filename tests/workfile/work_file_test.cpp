#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "workfile/Encoding.h"
#include "workfile/Files.h"
#include "workfile/WorkFile.h"

// Every flush of the disk, with what the file `watched` holds at that time.
namespace {
std::string watched;
std::vector<std::pair<std::string, std::optional<std::string>>> flushes;
}  // namespace

extern "C" int fsync(int fd) {
    static const auto system = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    if (!watched.empty())
        flushes.emplace_back(std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd)),
                             workfile::readFileBytes(watched));
    return system(fd);
}

namespace {

using workfile::Lead;

TEST(WorkFileNumbers, ShortestTextThatReadsBackWithAPoint) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{86.0, "86"},        {0.1, "0.1"},
                          {-1.5, "-1.5"},      {25.8 + 4.7 + 6.2 + 1.7, "38.400000000000006"},
                          {1e-7, "0.0000001"}, {1e20, "100000000000000000000"}};
    for (const Case& c : cases) EXPECT_EQ(workfile::numberText(c.value), c.text);
    EXPECT_EQ(workfile::numberText(12.3f), "12.3");  // a single as a single
    EXPECT_EQ(workfile::numberText(8.5f), "8.5");
}

TEST(WorkFileEncoding, Windows1252BothWays) {
    const std::string text = "Müller, „Söhne“ & Co. – 5 € ß";
    const std::string bytes = workfile::toWindows1252(text);
    EXPECT_EQ(bytes.size(), 29u);  // one byte per character
    EXPECT_EQ(bytes[1], '\xFC');   // ü
    EXPECT_EQ(bytes[8], '\x84');   // „
    EXPECT_EQ(workfile::fromWindows1252(bytes), text);
    EXPECT_EQ(workfile::toWindows1252("日本x"), "??x");
    EXPECT_EQ(workfile::toWindows1252(std::string("a\xFF") + 'b'), "a?b");  // not UTF-8: one "?"
    for (int byte = 0; byte < 256; ++byte) {  // every byte decodes and comes back
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(workfile::toWindows1252(workfile::fromWindows1252(one)), one) << byte;
    }
}

// A project in the remaining stage: riser 1 with three sections, risers 2
// to 4 with five, four and two, each field with a value; header fields with
// umlauts, commas and quotation marks.
calc::Project sampleProject() {
    calc::Project p;
    p.projectHeader = {"0815",     "Jörg Maier", "07.12.2026", "Bau, \"Süd\" GmbH", "",
                       "Straße 1", "12345 Köln", "0221 / 12",  "Baustelle, Nord",   "Am Hang 3",
                       "0221-9"};
    p.circulationPressure = 25.8 + 4.7 + 6.2;
    p.totalLength = 30.5;
    p.pipeMaterial = p.materialCode = 2;
    p.riserIndex = p.riserCount = p.lastRiserIndex = 4;
    p.temperatureSpread = 20;
    p.supplyTemperature = 90;
    p.returnTemperature = 70;
    p.sectionIndex = 2;
    const std::int16_t counts[] = {3, 5, 4, 2};
    auto& t = p.section;
    for (int r = 1; r <= 4; ++r) {
        const std::int16_t n = counts[r - 1];
        p.riser.riserNumber.at(r) = static_cast<std::int16_t>(r + 2);
        p.riser.consumerNumber.at(r) = static_cast<std::int16_t>(10 * r);
        p.riser.sectionsPerRiser.at(r) = n;
        p.riser.riserPressureDrop.at(r) = 0.1 * r + 0.2;
        p.riser.blockLineEstimate.at(r) = static_cast<std::int16_t>(n + 15);
        p.riser.riserBranchLoss.at(r) = r > 1 ? 9.5 : 0;
        p.riser.riserCorrectedLoss.at(r) = r > 1 ? 3.1 : 0;
        for (int s = 1; s <= n; ++s) {
            const double x = r * 10 + s;
            t.sectionNumber.at(r, s) = static_cast<std::int16_t>(x);
            t.sectionLoad.at(r, s) = 1150.5 * s;
            t.sectionLength.at(r, s) = x / 3;
            t.massFlow.at(r, s) = t.listedMassFlow.at(r, s) = x * 1.1;
            // The main form keeps the sum and both copies alike; a further
            // circuit the sum at the selected size, then the one at the
            // corrected size, which the section keeps as its sum.
            t.zetaSumCopy1.at(r, s) = r == 1 ? 7.8 : 59.2;
            t.zetaSum.at(r, s) = t.zetaSumCopy2.at(r, s) = r == 1 ? 7.8 : 61.1;
            if (r == 1) {
                t.designVelocity.at(r, s) = 0.5;
                t.requiredDiameter.at(r, s) = 12.3f;
                t.criticalDn.at(r, s) = 15;
                t.velocity.at(r, s) = 0.34;
                t.pressureDrop.at(r, s) = 3.2;
                continue;
            }
            t.branchRequiredDiameter.at(r, s) = 20.5f;
            t.sectionDn.at(r, s) = 20;
            t.branchVelocity.at(r, s) = 0.07;
            t.branchPressureDrop.at(r, s) = 1.8;
            t.fitFlag.at(r, s) = -1;
            t.correctedDn.at(r, s) = 25;
            t.correctedLossTab.at(r, s) = 0.6;
        }
    }
    p.reportText = "Zeile 1\r\n  Zeile 2: Rücklauf\r\n";
    return p;
}

// One riser of two sections, saved from the main form, line by line as the
// format lays it out: it reads into the fields that the format names and
// writes back unchanged.
TEST(WorkFile, TheLayoutOfASmallProject) {
    const std::string text =
        "1\r\n"
        "1,1,1,1,20,90,70,2,1\r\n"
        "1\r\nB\r\nD\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
        "29,22.5\r\n"
        "1\r\n"
        "1,1,1,1,20,90,70,2,1\r\n"
        "3,12\r\n"
        "2\r\n"
        "7,2326,10,0.5,100,8.5,15,0.15,221,25.8\r\n"
        "8,4652,12.5,0.6,200,11,20,0.16,15.6,3.2\r\n"
        "29,0,16\r\n"
        "L1\r\nL2\r\n";
    workfile::ReadOutcome read = workfile::readWorkFile(text, Lead::With);
    ASSERT_TRUE(read.project) << read.failedLine;
    const calc::Project& p = *read.project;
    EXPECT_EQ(workfile::workFileText(p, Lead::With, p.reportText), text);
    EXPECT_EQ(std::tuple(p.projectHeader[2], p.totalLength, p.supplyTemperature,
                         p.returnTemperature, p.riser.consumerNumber.at(1), p.reportText),
              std::tuple("D", 22.5, 90.0, 70.0, 12, "L1\r\nL2"));
    const auto& t = p.section;
    EXPECT_EQ(std::tuple(t.sectionNumber.at(1, 2), t.sectionLoad.at(1, 2), t.sectionLength.at(1, 2),
                         t.designVelocity.at(1, 2), t.massFlow.at(1, 2),
                         t.requiredDiameter.at(1, 2), t.criticalDn.at(1, 2), t.velocity.at(1, 2),
                         t.zetaSum.at(1, 2), t.pressureDrop.at(1, 2)),
              std::tuple(8, 4652.0, 12.5, 0.6, 200.0, 11.0f, 20, 0.16, 15.6, 3.2));
}

// The text with its lines `first` to `last` (from 1) replaced by `lines`.
std::string edited(const std::string& text, int first, int last, const std::string& lines) {
    std::size_t begin = 0, end = 0;
    for (int n = 1; n <= last; ++n) {
        if (n == first) begin = end;
        end = text.find("\r\n", end) + 2;
    }
    return text.substr(0, begin) + lines + text.substr(end);
}

// The blocks of a body follow one layout: each holds its own count of
// section records, or each that of the body's last riser (the original
// layout, where sections beyond a block's records stay empty). A mix of the
// two is refused where the block that breaks it ends.
TEST(WorkFile, RisersOfDifferentLengthsKeepTheirSections) {
    const calc::Project project = sampleProject();
    // Riser 2 bounded by riser 4's two sections, riser 3 not yet.
    std::string text = edited(workfile::workFileText(project, Lead::With, ""), 27, 29, "");
    workfile::ReadOutcome read = workfile::readWorkFile(text, Lead::With);
    EXPECT_FALSE(read.project);
    EXPECT_EQ(read.failedLine, 32);  // riser 3's third section record
    read = workfile::readWorkFile(edited(text, 32, 33, ""), Lead::With);
    ASSERT_TRUE(read.project) << read.failedLine;
    const auto& t = read.project->section;
    EXPECT_EQ(
        std::tuple(t.sectionNumber.at(2, 2), t.sectionNumber.at(2, 3), t.sectionNumber.at(3, 2),
                   t.sectionNumber.at(3, 3), t.sectionNumber.at(4, 2)),
        std::tuple(22, 0, 32, 0, 42));
    EXPECT_EQ(read.project->riser.sectionsPerRiser.at(2), 5);
}

// A file cut anywhere inside its records, one with a field that is no number
// or a counter out of its range, or one that disagrees with itself, is
// refused with the line; nothing is taken over. Whole, it reads back to the
// project, also when the lead's last riser is 0 as the original writer
// leaves it.
TEST(WorkFile, DamagedFilesAreRefusedWithTheirLine) {
    const calc::Project project = sampleProject();
    const std::string text = workfile::workFileText(project, Lead::With, project.reportText);
    const std::size_t listing = text.rfind(project.reportText);
    for (std::size_t cut = 0; cut < listing; cut += 7) {
        workfile::ReadOutcome read = workfile::readWorkFile(text.substr(0, cut), Lead::With);
        EXPECT_FALSE(read.project) << "cut at " << cut;
        EXPECT_GT(read.failedLine, 0) << "cut at " << cut;
    }
    struct Damage {
        int line;  // replaced by `text`
        const char* text;
        int failedLine = 0;  // where the reader must stop, when not at `line`
    };
    const Damage damages[] = {
        {2, "4,1,4,2,zwanzig,90,70,2,4"},  // the lead position record
        {2, "21,1,21,2,20,90,70,2,4"},     // a 21st riser
        {2, "4,1,32767,2,20,90,70,2,4"},   // a riser count that would wrap
        {2, "4,1,4,2,20,90,70,46,4"},      // a 46th section
        {2, "4,2,4,2,20,90,70,2,4"},       // the last riser neither 1 nor 0
        {4, "Jörg\rMaier"},                // a line break inside a header line
        {14, "36.7,x"},                    // text where a number belongs
        {14, "36.7.1,30.5"},
        {15, "7"},                     // material code 7
        {15, "1"},                     // not the lead's material
        {16, "4,1,4,2,20,95,70,2,4"},  // not the lead's position
        {16, "4,0,4,2,20,90,70,2,4"},  // 0 is the lead's only
        {17, "3,10,7"},                // a riser head of three fields
        {18, "46"},                    // 46 sections
        {18, "0"},                     // none
        {18, "2", 21},                 // two counted, three there
        {19, "11,1150.5"},             // a section record cut short
        {24, "36.7,0.4"},              // the remaining body's pressure record
        {24, "36.8,0.4,5"},            // not the totals' circulation pressure
        {24, "36.7,0.4,3", 28},        // three counted, five there
        {24, "36.7,0.4,6", 30},        // six counted, five there
        {30, "9.5,3.1,1,20"},          // not the spare value of riser 1
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.text);
        workfile::ReadOutcome read = workfile::readWorkFile(
            edited(text, d.line, d.line, d.text + std::string("\r\n")), Lead::With);
        EXPECT_FALSE(read.project);
        EXPECT_EQ(read.failedLine, d.failedLine ? d.failedLine : d.line);
    }
    EXPECT_FALSE(workfile::readWorkFile(std::string("\0\xFF\x01junk", 7), Lead::Without).project);
    const workfile::ReadOutcome read =
        workfile::readWorkFile(edited(text, 2, 2, "4,0,4,2,20,90,70,2,4\r\n"), Lead::With);
    EXPECT_TRUE(read.project && *read.project == project);
}

// A save replaces the file that the name leads to, through a symbolic link,
// and keeps its permission bits; a new file gets 0666 less the umask. The
// folder is flushed after the rename.
TEST(WorkFileDisk, ASaveReplacesTheFileThatTheNameLeadsTo) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("rohrweiten-write-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    watched = (folder / "Projekt.txt").string();
    const mode_t umask = ::umask(027);
    EXPECT_FALSE(workfile::writeFileAtomically(watched, "alt\r\n"));
    ::umask(umask);
    EXPECT_EQ(fs::status(watched).permissions(), fs::perms(0640));
    fs::permissions(watched, fs::perms(0604));
    fs::create_symlink("Projekt.txt", folder / "Verweis.txt");
    flushes.clear();
    EXPECT_FALSE(workfile::writeFileAtomically((folder / "Verweis.txt").string(), "neu\r\n"));
    EXPECT_TRUE(fs::is_symlink(folder / "Verweis.txt"));
    EXPECT_EQ(fs::status(watched).permissions(), fs::perms(0604));
    ASSERT_EQ(flushes.size(), 2u);  // the new bytes, then the folder after the rename
    EXPECT_EQ(flushes[1], (std::pair{folder.string(), std::optional<std::string>("neu\r\n")}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2);  // no temporary left
    EXPECT_EQ(workfile::writeFileAtomically((folder / "fehlt" / "x.txt").string(), "x"),
              "Der Ordner oder die Datei ist nicht vorhanden");
    watched.clear();
    fs::remove_all(folder);
}

}  // namespace
