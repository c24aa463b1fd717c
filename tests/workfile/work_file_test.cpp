#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "workfile/Encoding.h"
#include "workfile/Files.h"
#include "workfile/WorkFile.h"

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
    EXPECT_EQ(workfile::toWindows1252("a\xFF"
                                      "b"),
              "a?b");                         // not UTF-8: one "?"
    for (int byte = 0; byte < 256; ++byte) {  // every byte decodes and comes back
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(workfile::toWindows1252(workfile::fromWindows1252(one)), one) << byte;
    }
}

// A project in the remaining stage: riser 1 with three sections, riser 2
// with five, riser 3 with two; header fields with umlauts, commas and
// quotation marks.
calc::Project sampleProject() {
    calc::Project p;
    p.projectHeader = {"0815",     "Jörg Maier", "07.12.2026", "Bau, \"Süd\" GmbH", "",
                       "Straße 1", "12345 Köln", "0221 / 12",  "Baustelle, Nord",   "Am Hang 3",
                       "0221-9"};
    p.circulationPressure = 25.8 + 4.7 + 6.2;
    p.totalLength = 30.5;
    p.pipeMaterial = p.materialCode = 2;
    p.riserIndex = p.lastRiserIndex = 3;
    p.riserCount = 3;
    p.temperatureSpread = 20;
    p.supplyTemperature = 90;
    p.returnTemperature = 70;
    p.sectionIndex = 2;
    const int counts[] = {3, 5, 2};
    for (int r = 1; r <= 3; ++r) {
        p.riser.riserNumber.at(r) = static_cast<std::int16_t>(r + 2);
        p.riser.consumerNumber.at(r) = static_cast<std::int16_t>(10 * r);
        p.riser.sectionsPerRiser.at(r) = static_cast<std::int16_t>(counts[r - 1]);
        p.riser.riserPressureDrop.at(r) = 0.1 * r + 0.2;
        p.riser.blockLineEstimate.at(r) = static_cast<std::int16_t>(counts[r - 1] + 15);
        for (int s = 1; s <= counts[r - 1]; ++s) {
            auto& t = p.section;
            const double x = r * 10 + s;
            t.sectionNumber.at(r, s) = static_cast<std::int16_t>(x);
            t.sectionLoad.at(r, s) = 1150.5 * s;
            t.sectionLength.at(r, s) = x / 3;
            t.massFlow.at(r, s) = t.listedMassFlow.at(r, s) = x * 1.1;
            if (r == 1) {
                t.designVelocity.at(r, s) = 0.5;
                t.requiredDiameter.at(r, s) = 12.3f;
                t.criticalDn.at(r, s) = 15;
                t.velocity.at(r, s) = 0.34;
                // As the main form forms them: the sum and both copies alike.
                t.zetaSum.at(r, s) = t.zetaSumCopy1.at(r, s) = t.zetaSumCopy2.at(r, s) = 7.8;
                t.pressureDrop.at(r, s) = 3.2;
            } else {
                // The sum at the selected size, then the one at the corrected size,
                // which the section keeps as its sum.
                t.zetaSumCopy1.at(r, s) = 59.2;
                t.branchRequiredDiameter.at(r, s) = 20.5f;
                t.sectionDn.at(r, s) = 20;
                t.branchVelocity.at(r, s) = 0.07;
                t.branchPressureDrop.at(r, s) = 1.8;
                t.fitFlag.at(r, s) = -1;
                t.zetaSumCopy2.at(r, s) = t.zetaSum.at(r, s) = 61.1;
                t.correctedDn.at(r, s) = 25;
                t.correctedLossTab.at(r, s) = 0.6;
            }
        }
        if (r > 1) {
            p.riser.riserBranchLoss.at(r) = 9.5;
            p.riser.riserCorrectedLoss.at(r) = 3.1;
        }
    }
    p.reportText = "Zeile 1\r\n  Zeile 2: Rücklauf\r\n";
    return p;
}

TEST(WorkFile, ASavedProjectReadsBackTheSame) {
    const calc::Project project = sampleProject();
    for (Lead lead : {Lead::With, Lead::Without}) {
        const std::string text = workfile::workFileText(project, lead, project.reportText);
        workfile::ReadOutcome read = workfile::readWorkFile(text, lead);
        ASSERT_TRUE(read.project) << "line " << read.failedLine;
        EXPECT_TRUE(*read.project == project);
        EXPECT_EQ(read.project->reportText, project.reportText);
        EXPECT_EQ(read.project->projectHeader[3], "Bau, \"Süd\" GmbH");
    }
}

// One riser of two sections, saved from the main form, line by line as the
// format lays it out.
TEST(WorkFile, TheLayoutOfASmallProject) {
    calc::Project p;
    p.projectHeader = {"1", "B", "D", "", "", "", "", "", "", "", ""};
    p.circulationPressure = 29.0;
    p.totalLength = 22.5;
    p.pipeMaterial = p.materialCode = 1;
    p.riserIndex = p.riserCount = p.lastRiserIndex = 1;
    p.temperatureSpread = 20;
    p.supplyTemperature = 90;
    p.returnTemperature = 70;
    p.sectionIndex = 2;
    p.riser.riserNumber.at(1) = 3;
    p.riser.consumerNumber.at(1) = 12;
    p.riser.sectionsPerRiser.at(1) = 2;
    p.riser.riserPressureDrop.at(1) = 29;
    for (int s = 1; s <= 2; ++s) {
        p.section.sectionNumber.at(1, s) = static_cast<std::int16_t>(6 + s);
        p.section.sectionLoad.at(1, s) = 2326.0 * s;
        p.section.sectionLength.at(1, s) = s == 1 ? 10 : 12.5;
        p.section.designVelocity.at(1, s) = 0.5;
        p.section.massFlow.at(1, s) = 100.0 * s;
        p.section.requiredDiameter.at(1, s) = s == 1 ? 8.5f : 11.0f;
        p.section.criticalDn.at(1, s) = s == 1 ? 15 : 20;
        p.section.velocity.at(1, s) = s == 1 ? 0.15 : 0.16;
        p.section.zetaSum.at(1, s) = s == 1 ? 221.0 : 15.6;
        p.section.pressureDrop.at(1, s) = s == 1 ? 25.8 : 3.2;
    }
    EXPECT_EQ(workfile::workFileText(p, Lead::With, "L1\r\nL2"),
              "1\r\n"
              "1,1,1,1,20,90,70,2,1\r\n"
              "1\r\nB\r\nD\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
              "29,22.5\r\n"
              "1\r\n"
              "1,1,1,1,20,90,70,2,1\r\n"
              "3,12\r\n"
              "2\r\n"
              "7,2326,10,0.5,100,8.5,15,0.15,221,25.8\r\n"
              "8,4652,12.5,0.5,200,11,20,0.16,15.6,3.2\r\n"
              "29,0,0\r\n"
              "L1\r\nL2\r\n");
}

// A riser with more sections than the last one keeps them all; a file in
// the old layout, where the last riser's count bounds every riser, reads too.
TEST(WorkFile, RisersOfDifferentLengthsKeepTheirSections) {
    const calc::Project project = sampleProject();
    const std::string text = workfile::workFileText(project, Lead::Without, "");
    workfile::ReadOutcome read = workfile::readWorkFile(text, Lead::Without);
    ASSERT_TRUE(read.project);
    EXPECT_EQ(read.project->section.sectionNumber.at(2, 5), 25);
    EXPECT_DOUBLE_EQ(read.project->section.sectionLoad.at(2, 5), 5752.5);

    // The old layout: riser 2's loop bounded by riser 3's two sections.
    std::string old = text;
    const std::size_t third = old.find("\r\n23,") + 2;
    const std::size_t foot = old.find("\r\n9.5,", third) + 2;
    old.erase(third, foot - third);
    read = workfile::readWorkFile(old, Lead::Without);
    ASSERT_TRUE(read.project) << read.failedLine;
    EXPECT_EQ(read.project->section.sectionNumber.at(2, 2), 22);
    EXPECT_EQ(read.project->section.sectionNumber.at(2, 3), 0);
    EXPECT_EQ(read.project->section.sectionNumber.at(3, 2), 32);
}

// A file cut anywhere inside its records, or with a field that is no
// number, is refused with the line; nothing is taken over.
TEST(WorkFile, DamagedFilesAreRefusedWithTheirLine) {
    const calc::Project project = sampleProject();
    const std::string text = workfile::workFileText(project, Lead::With, "Liste");
    const std::size_t listing = text.rfind("Liste");
    for (std::size_t cut = 0; cut < listing; cut += 7) {
        workfile::ReadOutcome read = workfile::readWorkFile(text.substr(0, cut), Lead::With);
        EXPECT_FALSE(read.project) << "cut at " << cut;
        EXPECT_GT(read.failedLine, 0) << "cut at " << cut;
    }
    struct Damage {
        int line;  // replaced by `text`; the reader must stop there
        const char* text;
    };
    const Damage damages[] = {
        {2, "3,1,3,2,zwanzig,90,70,2,3"},  // the lead position record
        {14, "36.7,x"},                    // text where a number belongs
        {14, "36.7.1,30.5"},
        {15, "7"},                      // material code 7
        {16, "21,1,3,2,20,90,70,2,3"},  // a 21st riser
        {16, "3,1,3,2,20,90,70,46,3"},  // a 46th section
        {17, "3,10,7"},                 // a riser head of three fields
        {18, "46"},                     // 46 sections
        {19, "11,1150.5"},              // a section record cut short
        {24, "36.7,0.4"},               // the remaining body's pressure record
    };
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.text);
        std::vector<std::string> damaged = lines;
        damaged[static_cast<std::size_t>(d.line - 1)] = d.text;
        std::string joined;
        for (const std::string& line : damaged) joined += line + "\r\n";
        workfile::ReadOutcome read = workfile::readWorkFile(joined, Lead::With);
        EXPECT_FALSE(read.project);
        EXPECT_EQ(read.failedLine, d.line);
    }
    EXPECT_FALSE(workfile::readWorkFile(std::string("\0\xFF\x01junk", 7), Lead::Without).project);
}

TEST(WorkFileDisk, AFailedWriteLeavesTheOldFile) {
    const auto folder = std::filesystem::temp_directory_path() / "rohrweiten-atomic-write";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "Projekt.txt").string();
    ASSERT_FALSE(workfile::writeFileAtomically(path, "alt\r\n"));
    EXPECT_EQ(workfile::readFileBytes(path), "alt\r\n");
    ASSERT_FALSE(workfile::writeFileAtomically(path, "neu\r\n"));
    EXPECT_EQ(workfile::readFileBytes(path), "neu\r\n");
    const auto error = workfile::writeFileAtomically((folder / "fehlt" / "x.txt").string(), "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Der Ordner oder die Datei ist nicht vorhanden");
    std::filesystem::remove_all(folder);
}

}  // namespace
