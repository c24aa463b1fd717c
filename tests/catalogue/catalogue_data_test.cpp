#include "catalogue/CatalogueData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using catalogue::CatalogueFormData;
using catalogue::FittingEntry;
using catalogue::KindBox;
using catalogue::ModelBox;

enum class Form { First, Second };

const CatalogueFormData& formOf(Form form) {
    return form == Form::First ? catalogue::radiatorAndRiserFittings()
                               : catalogue::controlValvesAndMixers();
}

const char* labelOf(Form form) {
    return form == Form::First ? "first form" : "second form";
}

// Looks a model box up by its control name; nullptr if the form has none.
const ModelBox* findBox(const CatalogueFormData& data, const std::string& name) {
    for (const KindBox& kindBox : data.kindBoxes) {
        for (const ModelBox& box : kindBox.models) {
            if (box.name == name) {
                return &box;
            }
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// Form level: names, captions, headlines, maker boxes.

TEST(CatalogueData, FormsCarryTheirNamesCaptionsAndMakers) {
    struct Case {
        Form form;
        const char* formName;
        const char* headline;
        std::vector<std::string> makers;
        std::size_t kindBoxCount;
    };
    const std::vector<Case> cases{
        {Form::First, "frmArmaturen", "HK , Regel- und Absperrarmaturen",
         {"Heimeier      ", "NMG-Honeywell ", "Ventile u. Regelarmaturen"}, 2},
        {Form::Second, "frmArmaturen2", "Regel- und Flanscharmaturen",
         {"  Zentra / Landis & Gyr", "  Ari und Boa"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(labelOf(c.form));
        const CatalogueFormData& data = formOf(c.form);
        EXPECT_EQ(data.formName, c.formName);
        EXPECT_EQ(data.caption, "KV-werte");
        EXPECT_EQ(data.headline, c.headline);
        EXPECT_EQ(data.makerPrompt, "              Hersteller");
        EXPECT_EQ(data.makers, c.makers);
        // The third maker of the first form opens the second form and
        // therefore has no kind box of its own.
        EXPECT_EQ(data.kindBoxes.size(), c.kindBoxCount);
    }
}

TEST(CatalogueData, KindBoxesCarryTheirPromptsAndKinds) {
    struct Case {
        Form form;
        std::size_t index;
        const char* name;
        const char* prompt;
        std::vector<std::string> kinds;
    };
    const std::vector<std::string> firstFormKinds{
        "HK-Armaturen                  ",
        "Str.-Absperr u. Regulierarmat.",
        "Absperrarmaturen              ",
    };
    const std::vector<Case> cases{
        {Form::First, 0, "cboArmaturart", "                       Heimeier TA", firstFormKinds},
        {Form::First, 1, "cboArmaturart1", "                NMG Honeywell", firstFormKinds},
        {Form::Second, 0, "cboArmaturart3", "             Zentra / Landis & Gyr",
         {"Mischer 3- u. 4-Wege          ", "Zentra Regelventile           ",
          "LG Regelventile               "}},
        {Form::Second, 1, "cboArmaturart4", "                    Ari / Boa",
         {"Ari Absperrventile            ", "LG Absperrventile             ",
          "Absperrarmaturen              "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(labelOf(c.form)) + " " + c.name);
        const CatalogueFormData& data = formOf(c.form);
        ASSERT_LT(c.index, data.kindBoxes.size());
        const KindBox& kindBox = data.kindBoxes[c.index];
        EXPECT_EQ(kindBox.name, c.name);
        EXPECT_EQ(kindBox.prompt, c.prompt);
        EXPECT_EQ(kindBox.kinds, c.kinds);
        EXPECT_EQ(kindBox.models.size(), kindBox.kinds.size());
    }
}

// ---------------------------------------------------------------------------
// Model boxes: which kind opens which box, prompts and entry counts.

TEST(CatalogueData, ModelBoxesSitUnderTheirKindsWithPromptAndCount) {
    struct Case {
        Form form;
        std::size_t kindBox;
        std::size_t kind;
        const char* name;
        const char* prompt;
        std::size_t count;
    };
    const std::vector<Case> cases{
        {Form::First, 0, 0, "cboHeimHK", "            Heizkörper-Armaturen", 13},
        {Form::First, 0, 1, "cboRegArm", "        Absperr- u.Regulier-Armaturen", 19},
        {Form::First, 0, 2, "cboAbsprArm", "         Absperr- u. Enleer-Armaturen", 18},
        {Form::First, 1, 0, "cboNMGHK", "            HeizKörper-Armaturen", 16},
        {Form::First, 1, 1, "cboNMGRegArm", "     Absperr- u.Regulier-Armaturen", 4},
        {Form::First, 1, 2, "cboNMGAbsprArm", "      Absperr- u. Entleer-Armaturen", 14},
        {Form::Second, 0, 0, "cboZentraMisch", "         Zentra   Mischer 3 u 4-Wege", 16},
        {Form::Second, 0, 1, "cboZentraRegVentile", "    Zentra Regelventile 2 u. 3-Wege", 40},
        {Form::Second, 0, 2, "cboLGRegelVent", "      L&G Regelventile 2 u. 3-Wege", 43},
        {Form::Second, 1, 0, "cboAriAbsprArm", "          Ari  Flanschen-Ventile", 24},
        {Form::Second, 1, 1, "cboKSBVentile", "         Boa Flanschen-Ventile", 24},
        {Form::Second, 1, 2, "cboNMGAbsprArm", "        Absperr u. Regelventile", 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(labelOf(c.form)) + " " + c.name);
        const CatalogueFormData& data = formOf(c.form);
        ASSERT_LT(c.kindBox, data.kindBoxes.size());
        ASSERT_LT(c.kind, data.kindBoxes[c.kindBox].models.size());
        const ModelBox& box = data.kindBoxes[c.kindBox].models[c.kind];
        EXPECT_EQ(box.name, c.name);
        EXPECT_EQ(box.prompt, c.prompt);
        EXPECT_EQ(box.entries.size(), c.count);
    }
}

// ---------------------------------------------------------------------------
// Spot checks of single entries, text with its blanks and kv value.

TEST(CatalogueData, SpotChecksOfEntryTextsAndValues) {
    struct Case {
        Form form;
        const char* box;
        std::size_t position;  // counted from 1
        const char* text;
        double kv;
    };
    const std::vector<Case> cases{
        // Heimeier radiator fittings: DN10 and DN15 standard valves alike.
        {Form::First, "cboHeimHK", 1, "HK-Vntl Stand DN10            ", 0.66},
        {Form::First, "cboHeimHK", 2, "HK-Vntl Stand DN15            ", 0.66},
        {Form::First, "cboHeimHK", 8, "HK-Vntl < Widerstand DN10+DN15", 0.32},
        {Form::First, "cboHeimHK", 9, "HK-Vntl < Widerstand DN20     ", 2.27},
        {Form::First, "cboHeimHK", 13, "VHK-Vrschrbg Vekolux DN15xDN20", 1.48},
        // Heimeier/TA riser valves.
        {Form::First, "cboRegArm", 1, "STS Absperr u.Entleervntl DN 15", 4.4},
        {Form::First, "cboRegArm", 6, "STS Absperr u.Entleervntl DN 50", 42.4},
        {Form::First, "cboRegArm", 7, "TA Regul Abspr u.Entlvntl DN 15", 2.52},
        {Form::First, "cboRegArm", 12, "TA Regul Abspr u.Entlvntl DN 50", 33},
        {Form::First, "cboRegArm", 13, "TAD Rgl, Dfdrck, Abspr, Entl DN 10", 1.47},
        {Form::First, "cboRegArm", 19, "TAD Rgl, Dfdrck, Abspr, Entl DN 50", 33},
        // Heimeier shut-off fittings.
        {Form::First, "cboAbsprArm", 1, "Kugelhahn Globo DN 10+DN 15       ", 6},
        {Form::First, "cboAbsprArm", 7, "Kugelhahn Globo P DN 25           ", 25},
        {Form::First, "cboAbsprArm", 10, "Kugelhahn Globo PS DN 32          ", 10},
        {Form::First, "cboAbsprArm", 11, "Muffenschieber DN 10              ", 6},
        {Form::First, "cboAbsprArm", 18, "Muffenschieber DN 65              ", 450},
        // Honeywell radiator fittings.
        {Form::First, "cboNMGHK", 1, "Thrm Vntl BB DN10-DN20 Eck u Durchg. ", 0.62},
        {Form::First, "cboNMGHK", 10, "Thrm Vntl SC DN10-DN Eck u.Durcuchg. ", 0.4},
        {Form::First, "cboNMGHK", 12, "Thrm Vntl H DN20+DN25 Eck u.Axial    ", 7},
        {Form::First, "cboNMGHK", 16, "HK-Vrschrbg Verafix DN10-DN20 Dg     ", 1.45},
        // Honeywell shut-off and regulating valves: 2.5, 7, 22, 47.
        {Form::First, "cboNMGRegArm", 1, "Absp u Rglvntl Kombi II DN10+DN15", 2.5},
        {Form::First, "cboNMGRegArm", 2, "Absp u Rglvntl Kombi II DN20+DN25", 7},
        {Form::First, "cboNMGRegArm", 3, "Absp u Rglvntl Kombi II DN32+DN40", 22},
        {Form::First, "cboNMGRegArm", 4, "Absp u Rglvntl Kombi II DN50+DN65", 47},
        // Honeywell regulating valves, red series first, then blue.
        {Form::First, "cboNMGAbsprArm", 1, "Rgulvntl Kombi III rot DN 10    ", 1.5},
        {Form::First, "cboNMGAbsprArm", 7, "Rgulvntl Kombi III rot DN 50    ", 35},
        {Form::First, "cboNMGAbsprArm", 8, "Rgulvntl Kombi III blau DN 10   ", 2.4},
        {Form::First, "cboNMGAbsprArm", 14, "Rgulvntl Kombi III blau DN 50   ", 38},

        // Zentra mixers.
        {Form::Second, "cboZentraMisch", 1, "Mischer ZR DR DRK DN 15       ", 4},
        {Form::Second, "cboZentraMisch", 12, "Mischer ZR DR DRK DN 200      ", 630},
        {Form::Second, "cboZentraMisch", 13, "Mischer ZRK  DN 20            ", 5.6},
        {Form::Second, "cboZentraMisch", 16, "Mischer ZRK  DN 40            ", 22},
        // Zentra control valves, standard series.
        {Form::Second, "cboZentraRegVentile", 1, "RgV 2+3-Wege DG,MG,VG DN 15.1", 0.63},
        {Form::Second, "cboZentraRegVentile", 4, "RgV 2+3-Wege DG,MG,VG DN 20 ", 6.3},
        {Form::Second, "cboZentraRegVentile", 12, "RgV 2+3-Wege DG,MG,VG DN 125", 250},
        // Zentra control valves after the "Sonderr" entries.
        {Form::Second, "cboZentraRegVentile", 20, "RgV 2+3-Wege Nebenr DN 15.1", 1},
        {Form::Second, "cboZentraRegVentile", 22, "RgV 2+3-Wege Nebenr DN 20  ", 5},
        {Form::Second, "cboZentraRegVentile", 30, "RgV 2+3-Wege Nebenr DN 125 ", 200},
        {Form::Second, "cboZentraRegVentile", 31, "RgV 2+3-Wege Kompakt  DN 15/1", 0.4},
        {Form::Second, "cboZentraRegVentile", 36, "RgV 2+3-Wege Kompakt  DN 20  ", 4},
        {Form::Second, "cboZentraRegVentile", 40, "RgV 2+3-Wege Kompakt  DN 50  ", 25},
        // Landis & Gyr control valves: DN 40.2 and DN 50.1 both give 19.
        {Form::Second, "cboLGRegelVent", 1, "RgV 2+3-Wege VVF/VXF21 DN 25.1 Flansch", 5},
        {Form::Second, "cboLGRegelVent", 4, "RgV 2+3-Wege VVF/VXF21 DN 40.2 Flansch", 19},
        {Form::Second, "cboLGRegelVent", 5, "RgV 2+3-Wege VVF/VXF21 DN 50.1 Flansch", 19},
        {Form::Second, "cboLGRegelVent", 7, "RgV 2+3-Wege VVF/VXF21 DN 65 Flansch ", 49},
        {Form::Second, "cboLGRegelVent", 10, "RgV 2-Wege VVG41 DN 15.1 Verschraubg ", 0.63},
        {Form::Second, "cboLGRegelVent", 13, "RgV 2+3-Wege VVF/VXG41 DN 15.2 Verschr", 2.5},
        {Form::Second, "cboLGRegelVent", 20, "RgV 2+3-Wege VVG/VXG45 DN 15 Verschr  ", 0.63},
        {Form::Second, "cboLGRegelVent", 29, "RgV 2-Wege VVF41 DN 15.1 Flansch      ", 0.63},
        {Form::Second, "cboLGRegelVent", 43, "RgV 2+3-Wege VVF/VXF41 DN 150 Flansch ", 300},
        // Ari flanged valves.
        {Form::Second, "cboAriAbsprArm", 1, "Flansch-Absperrventil FTF-1 DN 15     ", 19.6},
        {Form::Second, "cboAriAbsprArm", 8, "Flansch-Absperrventil FTF-1 DN 80     ", 242.5},
        {Form::Second, "cboAriAbsprArm", 12, "Flansch-Absperrventil FTF-1 DN 200    ", 1533},
        {Form::Second, "cboAriAbsprArm", 13, "Flansch-Absperrventil BOA-Compact DN 15    ", 15.3},
        {Form::Second, "cboAriAbsprArm", 24, "Flansch-Absperrventil BOA-Compact DN 200   ", 1518},
        // Boa flanged valves: the same BOA-Compact text with other values.
        {Form::Second, "cboKSBVentile", 1, "Flansch-Absperrventil BOA-W DN 15     ", 4.2},
        {Form::Second, "cboKSBVentile", 12, "Flansch-Absperrventil BOA-W DN 200    ", 674},
        {Form::Second, "cboKSBVentile", 13, "Flansch-Absperrventil BOA-Compact DN 15    ", 9.3},
        {Form::Second, "cboKSBVentile", 21, "Flansch-Absperrventil BOA-Compact DN 100   ", 304},
        {Form::Second, "cboKSBVentile", 24, "Flansch-Absperrventil BOA-Compact DN 200   ", 1008},
        // The Kombi III list offered in the second form.
        {Form::Second, "cboNMGAbsprArm", 1, "Rgulvntl Kombi III rot DN 10    ", 1.5},
        {Form::Second, "cboNMGAbsprArm", 14, "Rgulvntl Kombi III blau DN 50   ", 38},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(labelOf(c.form)) + " " + c.box + " position " +
                     std::to_string(c.position));
        const ModelBox* box = findBox(formOf(c.form), c.box);
        ASSERT_NE(box, nullptr);
        ASSERT_GE(c.position, 1u);
        ASSERT_LE(c.position, box->entries.size());
        const FittingEntry& entry = box->entries[c.position - 1];
        EXPECT_EQ(entry.text, c.text);
        EXPECT_DOUBLE_EQ(entry.kv, c.kv);
    }
}

TEST(CatalogueData, WholeListsWhereTheValueSequenceMatters) {
    struct Case {
        Form form;
        const char* box;
        std::size_t firstPosition;  // counted from 1
        std::vector<double> kvs;
    };
    const std::vector<Case> cases{
        {Form::First, "cboNMGAbsprArm", 1,
         {1.5, 2.5, 4.5, 6.5, 13, 20, 35, 2.4, 2.7, 6.4, 6.8, 21, 22, 38}},
        {Form::Second, "cboZentraRegVentile", 1,
         {0.63, 1.6, 4, 6.3, 10, 16, 25, 40, 63, 100, 160, 250}},
        // Seven "Sonderr" entries with rising values.
        {Form::Second, "cboZentraRegVentile", 13, {0.25, 0.315, 0.4, 0.5, 1.25, 2, 3.15}},
        {Form::Second, "cboZentraRegVentile", 20,
         {1, 2.5, 5, 8, 12.5, 20, 31.5, 50, 80, 125, 200}},
        {Form::Second, "cboZentraRegVentile", 31,
         {0.4, 0.63, 1, 1.6, 2.5, 4, 6.3, 10, 16, 25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(labelOf(c.form)) + " " + c.box + " from position " +
                     std::to_string(c.firstPosition));
        const ModelBox* box = findBox(formOf(c.form), c.box);
        ASSERT_NE(box, nullptr);
        ASSERT_LE(c.firstPosition - 1 + c.kvs.size(), box->entries.size());
        for (std::size_t i = 0; i < c.kvs.size(); ++i) {
            EXPECT_DOUBLE_EQ(box->entries[c.firstPosition - 1 + i].kv, c.kvs[i])
                << "at position " << c.firstPosition + i;
        }
    }
}

TEST(CatalogueData, ZentraControlValveSeriesFollowEachOther) {
    const ModelBox* box = findBox(formOf(Form::Second), "cboZentraRegVentile");
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->entries.size(), 40u);
    // Series marker and the positions (from 1) it must occupy.
    const std::vector<std::pair<std::string, std::pair<std::size_t, std::size_t>>> series{
        {"DG,MG,VG", {1, 12}},
        {"Sonderr", {13, 19}},
        {"Nebenr", {20, 30}},
        {"Kompakt", {31, 40}},
    };
    for (const auto& [marker, range] : series) {
        SCOPED_TRACE(marker);
        for (std::size_t pos = range.first; pos <= range.second; ++pos) {
            const FittingEntry& entry = box->entries[pos - 1];
            EXPECT_NE(entry.text.find(marker), std::string::npos) << "position " << pos;
            if (pos > range.first) {
                EXPECT_GT(entry.kv, box->entries[pos - 2].kv) << "position " << pos;
            }
        }
    }
    for (std::size_t pos = 13; pos <= 19; ++pos) {
        EXPECT_EQ(box->entries[pos - 1].text, "RgV 2+3-Wege Sonderr DN 15 DG") << "position " << pos;
    }
}

// ---------------------------------------------------------------------------
// Checks over all entries.

TEST(CatalogueData, EveryKvIsPositiveAndOnlyKnownLargeValuesReach601) {
    // Entries of the big flanged valves and the largest mixer.
    const std::set<std::pair<std::string, std::size_t>> expectedLarge{
        {"cboZentraMisch", 12},
        {"cboAriAbsprArm", 11},
        {"cboAriAbsprArm", 12},
        {"cboAriAbsprArm", 23},
        {"cboAriAbsprArm", 24},
        {"cboKSBVentile", 12},
        {"cboKSBVentile", 24},
    };
    std::set<std::pair<std::string, std::size_t>> foundLarge;
    for (Form form : {Form::First, Form::Second}) {
        for (const KindBox& kindBox : formOf(form).kindBoxes) {
            for (const ModelBox& box : kindBox.models) {
                for (std::size_t i = 0; i < box.entries.size(); ++i) {
                    const double kv = box.entries[i].kv;
                    EXPECT_TRUE(std::isfinite(kv) && kv > 0.0)
                        << labelOf(form) << " " << box.name << " position " << i + 1;
                    EXPECT_LT(kv, 2000.0) << labelOf(form) << " " << box.name << " position " << i + 1;
                    if (kv >= 601.0) {
                        foundLarge.insert({box.name, i + 1});
                    }
                }
            }
        }
    }
    EXPECT_EQ(foundLarge, expectedLarge);
}

TEST(CatalogueData, NoTextRepeatsWithinABoxExceptTheSonderrEntries) {
    for (Form form : {Form::First, Form::Second}) {
        for (const KindBox& kindBox : formOf(form).kindBoxes) {
            for (const ModelBox& box : kindBox.models) {
                std::map<std::string, int> counts;
                for (const FittingEntry& entry : box.entries) {
                    ++counts[entry.text];
                }
                for (const auto& [text, count] : counts) {
                    SCOPED_TRACE(std::string(labelOf(form)) + " " + box.name + " \"" + text + "\"");
                    if (box.name == "cboZentraRegVentile" &&
                        text == "RgV 2+3-Wege Sonderr DN 15 DG") {
                        EXPECT_EQ(count, 7);
                    } else {
                        EXPECT_EQ(count, 1);
                    }
                }
            }
        }
    }
}

TEST(CatalogueData, SecondFormOffersTheKombiIIIListOfTheFirstForm) {
    const ModelBox* first = findBox(formOf(Form::First), "cboNMGAbsprArm");
    const ModelBox* second = findBox(formOf(Form::Second), "cboNMGAbsprArm");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(first->entries.size(), 14u);
    ASSERT_EQ(second->entries.size(), first->entries.size());
    for (std::size_t i = 0; i < first->entries.size(); ++i) {
        SCOPED_TRACE("position " + std::to_string(i + 1));
        EXPECT_EQ(second->entries[i].text, first->entries[i].text);
        EXPECT_DOUBLE_EQ(second->entries[i].kv, first->entries[i].kv);
        // Red series in positions 1 to 7, blue in 8 to 14.
        const char* colour = i < 7 ? " rot " : " blau ";
        EXPECT_NE(first->entries[i].text.find(colour), std::string::npos);
    }
    EXPECT_NE(first->prompt, second->prompt);
}

}  // namespace
