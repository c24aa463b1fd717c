#include <gtest/gtest.h>

#include "catalogue/CatalogueForms.h"
#include "tests/support/TestDoubles.h"

namespace {

class CatalogueDialogs : public testing::Test {
protected:
    // The main form opens the catalogue; the user acts in the first dialog.
    catalogue::CatalogueChoice open(std::function<void()> user,
                                    catalogue::Caller caller = catalogue::Caller::CriticalCircuit) {
        windows.whenModal("frmArmaturen", std::move(user));
        std::optional<catalogue::CatalogueChoice> choice = catalogue.Arma(caller);
        EXPECT_TRUE(choice.has_value());
        return choice.value_or(catalogue::CatalogueChoice{});
    }
    void choose(catalogue::CatalogueForm& form, const char* box, int position) {
        ASSERT_TRUE(form.box(box)->choose(position)) << box << " " << position;
    }

    tk::ScriptedWindowSystem windows;
    catalogue::Catalogue catalogue{windows};
    catalogue::FrmArmaturen& first = catalogue.frmArmaturen;
    catalogue::FrmArmaturen2& second = catalogue.frmArmaturen2;
};

TEST_F(CatalogueDialogs, AModelChoiceWritesItsKvWithTheDecimalComma) {
    struct Pick {
        int maker, kind;
        const char* box;
        int position;
        const char* kvText;
        double kv;
    };
    const Pick picks[] = {
        {1, 1, "cboHeimHK", 1, "0,66", 0.66},
        {1, 2, "cboRegArm", 12, "33", 33},
        {2, 2, "cboNMGRegArm", 4, "47", 47},
        {2, 3, "cboNMGAbsprArm", 8, "2,4", 2.4},
    };
    for (const Pick& pick : picks) {
        SCOPED_TRACE(pick.box);
        catalogue::CatalogueChoice choice = open([&] {
            first.cboHersteller.choose(pick.maker);
            first.box(first.data().kindBoxes[pick.maker - 1].name)->choose(pick.kind);
            EXPECT_TRUE(first.box(pick.box)->visible());
            choose(first, pick.box, pick.position);
            first.cmdZethawert2.click();
        });
        EXPECT_EQ(first.txtKVWerte.text(), pick.kvText);
        EXPECT_EQ(choice.kvText, pick.kvText);
        EXPECT_FALSE(choice.fromSecondDialog);
        EXPECT_DOUBLE_EQ(choice.kv, pick.kv);
        catalogue.unloadBoth();
    }
}

TEST_F(CatalogueDialogs, TheLastModelChosenWinsAndAReopenedDialogKeepsIt) {
    open([&] {
        first.cboHersteller.choose(1);
        first.box("cboArmaturart")->choose(1);
        choose(first, "cboHeimHK", 5);  // 3,8
        first.cboHersteller.choose(2);
        first.box("cboArmaturart1")->choose(2);
        choose(first, "cboNMGRegArm", 1);  // 2,5
        first.cmdZethawert2.click();
    });
    EXPECT_EQ(first.txtKVWerte.text(), "2,5");
    EXPECT_EQ(first.cboHersteller.text(), "NMG-Honeywell ");
    open([&] {
        EXPECT_TRUE(first.box("cboHeimHK")->visible());  // boxes stay open
        EXPECT_EQ(first.txtKVWerte.text(), "2,5");
        first.cmdZethawert2.click();
    });
    catalogue.unloadBoth();
    EXPECT_EQ(first.txtKVWerte.text(), "");  // fresh after unloading
    EXPECT_FALSE(first.box("cboHeimHK")->visible());
    EXPECT_EQ(first.cboHersteller.text(), "              Hersteller");
}

// The same dialogs answer the main form and then the remaining-sections
// form, each through its own return buttons: the first dialog's third maker
// opens the second, whose model is the choice, with both makers' texts.
TEST_F(CatalogueDialogs, BothDialogsAnswerTwoCallersOneAfterTheOther) {
    struct Opening {
        catalogue::Caller caller;
        const char* firstReturn;
        const char* secondReturn;
        int model;
        const char* modelText;
        const char* kvText;
        double kv;
    };
    const Opening openings[] = {
        {catalogue::Caller::CriticalCircuit, "cmdZethawert2", "cmdZethawert3", 14,
         "RgV 2+3-Wege Sonderr DN 15 DG", "0,315", 0.315},
        {catalogue::Caller::RemainingSections, "cmdZethawert", "cmdZethawert4", 22,
         "RgV 2+3-Wege Nebenr DN 20  ", "5", 5},
    };
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.firstReturn);
        windows.modalShown.clear();
        windows.whenModal("frmArmaturen2", [&] {
            for (tk::Button* button : second.returnButtons())
                EXPECT_EQ(button->visible(), button->name() == o.secondReturn) << button->name();
            second.cboHersteller.choose(1);
            second.box("cboArmaturart3")->choose(2);
            choose(second, "cboZentraRegVentile", o.model);
            ASSERT_TRUE(dynamic_cast<tk::Button&>(*second.find(o.secondReturn)).click());
        });
        catalogue::CatalogueChoice choice = open(
            [&] {
                for (tk::Button* button : first.returnButtons())
                    EXPECT_EQ(button->visible(), button->name() == o.firstReturn) << button->name();
                first.cboHersteller.choose(3);
                EXPECT_FALSE(first.visible());
            },
            o.caller);
        EXPECT_EQ(windows.modalShown, (std::vector<std::string>{"frmArmaturen", "frmArmaturen2"}));
        EXPECT_EQ(first.txtKVWerte.text(), "");
        EXPECT_EQ(choice.model, o.modelText);
        EXPECT_DOUBLE_EQ(choice.kv, o.kv);
        EXPECT_EQ(choice.kvText, o.kvText);
        EXPECT_TRUE(choice.fromSecondDialog);
        EXPECT_EQ(choice.makerText, "  Zentra / Landis & Gyr");
        EXPECT_EQ(choice.firstMakerText, "Ventile u. Regelarmaturen");
        EXPECT_FALSE(second.visible());
        EXPECT_FALSE(second.find(o.secondReturn)->visible());
    }
}

TEST_F(CatalogueDialogs, ClosingTheWindowReturnsLikeTheButtonAndTypedKvIsNotConverted) {
    catalogue::CatalogueChoice choice = open([&] {
        first.txtKVWerte.enter("1,7");
        first.Form_QueryUnload();
    });
    EXPECT_FALSE(first.cmdZethawert2.visible());  // pressed by the close
    EXPECT_EQ(choice.kvText, "1,7");
    EXPECT_EQ(first.txtKVWerte.text(), "1,7");
    EXPECT_EQ(choice.kv, 0.0);
    EXPECT_FALSE(first.visible());
}

}  // namespace
