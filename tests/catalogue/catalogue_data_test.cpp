#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/CatalogueData.h"

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

const char* labelOf(Form form) { return form == Form::First ? "first form" : "second form"; }

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
    // One entry of every box, texts with their blanks as listed.
    const std::vector<Case> cases{
        {Form::First, "cboHeimHK", 2, "HK-Vntl Stand DN15            ", 0.66},
        {Form::First, "cboRegArm", 12, "TA Regul Abspr u.Entlvntl DN 50", 33},
        {Form::First, "cboAbsprArm", 18, "Muffenschieber DN 65              ", 450},
        {Form::First, "cboNMGHK", 10, "Thrm Vntl SC DN10-DN Eck u.Durcuchg. ", 0.4},
        {Form::First, "cboNMGRegArm", 4, "Absp u Rglvntl Kombi II DN50+DN65", 47},
        {Form::First, "cboNMGAbsprArm", 8, "Rgulvntl Kombi III blau DN 10   ", 2.4},
        {Form::Second, "cboZentraMisch", 12, "Mischer ZR DR DRK DN 200      ", 630},
        {Form::Second, "cboZentraRegVentile", 22, "RgV 2+3-Wege Nebenr DN 20  ", 5},
        {Form::Second, "cboLGRegelVent", 13, "RgV 2+3-Wege VVF/VXG41 DN 15.2 Verschr", 2.5},
        {Form::Second, "cboAriAbsprArm", 12, "Flansch-Absperrventil FTF-1 DN 200    ", 1533},
        {Form::Second, "cboKSBVentile", 13, "Flansch-Absperrventil BOA-Compact DN 15    ", 9.3},
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

// ---------------------------------------------------------------------------
// Checks over all entries.

TEST(CatalogueData, EveryKvIsPositiveAndOnlyKnownLargeValuesReach601) {
    // Entries of the big flanged valves and the largest mixer.
    const std::set<std::pair<std::string, std::size_t>> expectedLarge{
        {"cboZentraMisch", 12}, {"cboAriAbsprArm", 11}, {"cboAriAbsprArm", 12},
        {"cboAriAbsprArm", 23}, {"cboAriAbsprArm", 24}, {"cboKSBVentile", 12},
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
                    EXPECT_LT(kv, 2000.0)
                        << labelOf(form) << " " << box.name << " position " << i + 1;
                    if (kv >= 601.0) {
                        foundLarge.insert({box.name, i + 1});
                    }
                }
            }
        }
    }
    EXPECT_EQ(foundLarge, expectedLarge);
}

}  // namespace
