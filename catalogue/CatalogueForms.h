#pragma once
// The two modal catalogue dialogs ("KV-werte"): maker, kind and model boxes,
// the kv field and the return buttons, and the opening operation.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CatalogueData.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"

namespace catalogue {

class CatalogueForm : public tk::Form {
public:
    CatalogueForm(tk::WindowSystem& windows, const CatalogueFormData& data);

    tk::Label Label1{*this, "Label1", "Kv-Werte"};
    tk::Label Label2{*this, "Label2", "Kv Wert"};
    tk::Label Label3;
    tk::TextField txtKVWerte{*this, "txtKVWerte"};
    tk::ComboBox cboHersteller{*this, "cboHersteller"};

    // A kind or model box by its control name; null when the form has none.
    tk::ComboBox* box(const std::string& name) const;
    const CatalogueFormData& data() const { return data_; }
    // The kv value and text of the model picked last in this dialog; 0 and
    // empty until one is picked. A kv text typed into the field is not read.
    double pickedKv() const { return pickedKv_; }
    const std::string& pickedModel() const { return pickedModel_; }

    void Form_QueryUnload() override;

protected:
    void Form_Load() override;
    virtual void cboHersteller_Click();
    void showKindBox(std::size_t maker);

public:
    // The two return buttons, the one back to the remaining-sections form first.
    virtual std::vector<tk::Button*> returnButtons() = 0;

protected:
private:
    void kindChosen(std::size_t maker);
    void modelChosen(const tk::ComboBox& box, const ModelBox& model);

    const CatalogueFormData& data_;
    double pickedKv_ = 0;
    std::string pickedModel_;
    std::vector<std::unique_ptr<tk::ComboBox>> kindBoxes_;
    std::vector<std::unique_ptr<tk::ComboBox>> modelBoxes_;
};

// Mixers, control valves and flanged shut-off valves.
class FrmArmaturen2 : public CatalogueForm {
public:
    explicit FrmArmaturen2(tk::WindowSystem& windows);
    tk::Button cmdZethawert4{*this, "cmdZethawert4", ">"};  // back to the remaining sections
    tk::Button cmdZethawert3{*this, "cmdZethawert3", ">"};  // back to the main form

    void cmdZethawert3_Click();
    void cmdZethawert4_Click();
    std::vector<tk::Button*> returnButtons() override { return {&cmdZethawert4, &cmdZethawert3}; }
};

// Radiator fittings, riser valves and shut-off fittings; its third maker
// opens the second form.
class FrmArmaturen : public CatalogueForm {
public:
    FrmArmaturen(tk::WindowSystem& windows, FrmArmaturen2& second);
    tk::Button cmdZethawert{*this, "cmdZethawert", ">"};    // back to the remaining sections
    tk::Button cmdZethawert2{*this, "cmdZethawert2", ">"};  // back to the main form

    void cmdZethawert_Click();
    void cmdZethawert2_Click();
    std::vector<tk::Button*> returnButtons() override { return {&cmdZethawert, &cmdZethawert2}; }

protected:
    void cboHersteller_Click() override;

private:
    FrmArmaturen2& second_;
};

// Which workflow form opened the catalogue: its return buttons lead back
// there.
enum class Caller { CriticalCircuit, RemainingSections };

// What the catalogue hands back when it is closed.
struct CatalogueChoice {
    std::string kvText;          // the kv text to take over; empty: no valve
    double kv = 0;               // the kv value of the model picked there; 0: none
    std::string makerText;       // the maker text of the dialog it came from
    std::string model;           // the model picked there; empty: none
    std::string firstMakerText;  // the first dialog's maker text
    bool fromSecondDialog = false;
};

// Both dialogs and the opening operation shared by both workflows.
class Catalogue {
public:
    explicit Catalogue(tk::WindowSystem& windows);

    FrmArmaturen2 frmArmaturen2;
    FrmArmaturen frmArmaturen;

    // Shows the first dialog modally with the return buttons that lead back
    // to `caller`, and returns the user's choice once the catalogue is
    // closed: the first dialog's kv value, or when it has none the second
    // dialog's. Empty when the program was ended meanwhile.
    std::optional<CatalogueChoice> Arma(Caller caller);
    // Discards both dialogs: the next opening starts fresh.
    void unloadBoth();
};

}  // namespace catalogue
