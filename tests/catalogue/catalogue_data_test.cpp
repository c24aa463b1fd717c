#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>

#include "catalogue/CatalogueData.h"

namespace {

using catalogue::ModelBox;

const catalogue::CatalogueFormData& formOf(bool second) {
    return second ? catalogue::controlValvesAndMixers() : catalogue::radiatorAndRiserFittings();
}

// Every model box under its kind, with its prompt, its count of entries and
// one entry's text (blanks as listed) and kv value.
TEST(CatalogueData, EveryModelBoxUnderItsKindWithPromptCountAndOneEntry) {
    struct Case {
        bool second;
        std::size_t kindBox, kind;
        const char* name;
        const char* prompt;
        std::size_t count, position;  // position counted from 1
        const char* text;
        double kv;
    };
    const Case cases[] = {
        {false, 0, 0, "cboHeimHK", "            Heizkörper-Armaturen", 13, 2,
         "HK-Vntl Stand DN15            ", 0.66},
        {false, 0, 1, "cboRegArm", "        Absperr- u.Regulier-Armaturen", 19, 12,
         "TA Regul Abspr u.Entlvntl DN 50", 33},
        {false, 0, 2, "cboAbsprArm", "         Absperr- u. Enleer-Armaturen", 18, 18,
         "Muffenschieber DN 65              ", 450},
        {false, 1, 0, "cboNMGHK", "            HeizKörper-Armaturen", 16, 10,
         "Thrm Vntl SC DN10-DN Eck u.Durcuchg. ", 0.4},
        {false, 1, 1, "cboNMGRegArm", "     Absperr- u.Regulier-Armaturen", 4, 4,
         "Absp u Rglvntl Kombi II DN50+DN65", 47},
        {false, 1, 2, "cboNMGAbsprArm", "      Absperr- u. Entleer-Armaturen", 14, 8,
         "Rgulvntl Kombi III blau DN 10   ", 2.4},
        {true, 0, 0, "cboZentraMisch", "         Zentra   Mischer 3 u 4-Wege", 16, 12,
         "Mischer ZR DR DRK DN 200      ", 630},
        {true, 0, 1, "cboZentraRegVentile", "    Zentra Regelventile 2 u. 3-Wege", 40, 22,
         "RgV 2+3-Wege Nebenr DN 20  ", 5},
        {true, 0, 2, "cboLGRegelVent", "      L&G Regelventile 2 u. 3-Wege", 43, 13,
         "RgV 2+3-Wege VVF/VXG41 DN 15.2 Verschr", 2.5},
        {true, 1, 0, "cboAriAbsprArm", "          Ari  Flanschen-Ventile", 24, 12,
         "Flansch-Absperrventil FTF-1 DN 200    ", 1533},
        {true, 1, 1, "cboKSBVentile", "         Boa Flanschen-Ventile", 24, 13,
         "Flansch-Absperrventil BOA-Compact DN 15    ", 9.3},
        {true, 1, 2, "cboNMGAbsprArm", "        Absperr u. Regelventile", 14, 14,
         "Rgulvntl Kombi III blau DN 50   ", 38},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.second ? "second form " : "first form ") + c.name);
        const auto& kindBoxes = formOf(c.second).kindBoxes;
        ASSERT_LT(c.kindBox, kindBoxes.size());
        ASSERT_LT(c.kind, kindBoxes[c.kindBox].models.size());
        const ModelBox& box = kindBoxes[c.kindBox].models[c.kind];
        EXPECT_EQ(box.name, c.name);
        EXPECT_EQ(box.prompt, c.prompt);
        ASSERT_EQ(box.entries.size(), c.count);
        EXPECT_EQ(box.entries[c.position - 1].text, c.text);
        EXPECT_DOUBLE_EQ(box.entries[c.position - 1].kv, c.kv);
    }
}

// Every kv is positive and below 2000; only the big flanged valves and the
// largest mixer reach 601.
TEST(CatalogueData, EveryKvIsPositiveAndOnlyKnownLargeValuesReach601) {
    const std::set<std::pair<std::string, std::size_t>> expectedLarge{
        {"cboZentraMisch", 12}, {"cboAriAbsprArm", 11}, {"cboAriAbsprArm", 12},
        {"cboAriAbsprArm", 23}, {"cboAriAbsprArm", 24}, {"cboKSBVentile", 12},
        {"cboKSBVentile", 24},
    };
    std::set<std::pair<std::string, std::size_t>> foundLarge;
    for (bool second : {false, true})
        for (const auto& kindBox : formOf(second).kindBoxes)
            for (const ModelBox& box : kindBox.models)
                for (std::size_t i = 0; i < box.entries.size(); ++i) {
                    const double kv = box.entries[i].kv;
                    EXPECT_TRUE(std::isfinite(kv) && kv > 0.0 && kv < 2000.0)
                        << second << " " << box.name << " position " << i + 1;
                    if (kv >= 601.0) foundLarge.insert({box.name, i + 1});
                }
    EXPECT_EQ(foundLarge, expectedLarge);
}

}  // namespace
