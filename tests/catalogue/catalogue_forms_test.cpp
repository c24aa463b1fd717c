#include <gtest/gtest.h>

#include "catalogue/CatalogueForms.h"
#include "tests/support/TestDoubles.h"

namespace {

class CatalogueDialogs : public testing::Test {
protected:
    CatalogueDialogs() {
        catalogue.frmArmaturen.returnToMainForm = [this] { returns.push_back("main"); };
        catalogue.frmArmaturen2.returnToMainForm = [this] {
            returns.push_back("main from second");
        };
    }
    void open(std::function<void()> user) {
        catalogue.frmArmaturen.load();
        catalogue.frmArmaturen.cmdZethawert2.setVisible(true);
        catalogue.frmArmaturen2.cmdZethawert3.setVisible(true);
        windows.whenModal("frmArmaturen", std::move(user));
        catalogue.Arma();
    }
    void choose(catalogue::CatalogueForm& form, const char* box, int position) {
        ASSERT_TRUE(form.box(box)->choose(position)) << box << " " << position;
    }

    tk::ScriptedWindowSystem windows;
    calc::CalcState state;
    catalogue::Catalogue catalogue{windows, state};
    catalogue::FrmArmaturen& first = catalogue.frmArmaturen;
    catalogue::FrmArmaturen2& second = catalogue.frmArmaturen2;
    std::vector<std::string> returns;
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
        open([&] {
            first.cboHersteller.choose(pick.maker);
            first.box(first.data().kindBoxes[pick.maker - 1].name)->choose(pick.kind);
            EXPECT_TRUE(first.box(pick.box)->visible());
            choose(first, pick.box, pick.position);
            first.cmdZethawert2.click();
        });
        EXPECT_EQ(first.txtKVWerte.text(), pick.kvText);
        EXPECT_DOUBLE_EQ(state.currentKv, pick.kv);
        catalogue.unloadBoth();
    }
    EXPECT_EQ(returns.size(), 4u);
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

TEST_F(CatalogueDialogs, NestedChoiceReachesTheSecondDialogsKvField) {
    windows.whenModal("frmArmaturen2", [&] {
        second.cboHersteller.choose(1);
        second.box("cboArmaturart3")->choose(2);
        choose(second, "cboZentraRegVentile", 14);
        second.cmdZethawert3.click();
    });
    open([&] {
        first.cboHersteller.choose(3);
        EXPECT_FALSE(first.visible());
    });
    EXPECT_EQ(windows.modalShown, (std::vector<std::string>{"frmArmaturen", "frmArmaturen2"}));
    EXPECT_EQ(first.txtKVWerte.text(), "");
    EXPECT_EQ(second.txtKVWerte.text(), "0,315");
    EXPECT_DOUBLE_EQ(state.currentKv, 0.315);
    EXPECT_EQ(returns, (std::vector<std::string>{"main from second"}));
    EXPECT_FALSE(second.cmdZethawert3.visible());
}

TEST_F(CatalogueDialogs, ClosingTheWindowReturnsLikeTheButtonAndTypedKvIsNotConverted) {
    open([&] {
        first.txtKVWerte.enter("1,7");
        first.Form_QueryUnload();
    });
    EXPECT_EQ(returns, (std::vector<std::string>{"main"}));
    EXPECT_EQ(first.txtKVWerte.text(), "1,7");
    EXPECT_EQ(state.currentKv, 0.0);
    EXPECT_FALSE(first.visible());
}

}  // namespace
