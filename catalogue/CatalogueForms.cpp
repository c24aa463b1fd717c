#include "catalogue/CatalogueForms.h"

#include "toolkit/NumberText.h"
#include "toolkit/WindowSystem.h"

namespace catalogue {

CatalogueForm::CatalogueForm(tk::WindowSystem& windows, const CatalogueFormData& data)
    : tk::Form(windows, data.formName, data.caption),
      Label3(*this, "Label3", data.headline),
      data_(data) {
    for (std::size_t maker = 0; maker < data.kindBoxes.size(); ++maker) {
        const KindBox& kind = data.kindBoxes[maker];
        auto& kindBox = kindBoxes_.emplace_back(std::make_unique<tk::ComboBox>(*this, kind.name));
        kindBox->designHidden();
        kindBox->onClick([this, maker] { kindChosen(maker); });
        for (const ModelBox& model : kind.models) {
            auto& modelBox =
                modelBoxes_.emplace_back(std::make_unique<tk::ComboBox>(*this, model.name));
            modelBox->designHidden();
            modelBox->onClick([this, box = modelBox.get(), &model] { modelChosen(*box, model); });
        }
    }
    cboHersteller.onClick([this] { cboHersteller_Click(); });
}

tk::ComboBox* CatalogueForm::box(const std::string& name) const {
    for (const auto& list : {&kindBoxes_, &modelBoxes_})
        for (const auto& box : *list)
            if (box->name() == name) return box.get();
    return nullptr;
}

void CatalogueForm::Form_Load() {
    txtKVWerte.setText("");
    pickedKv_ = 0;
    pickedModel_.clear();
    for (const std::string& maker : data_.makers) cboHersteller.addItem(maker);
    cboHersteller.setText(data_.makerPrompt);
    std::size_t model = 0;
    for (std::size_t maker = 0; maker < data_.kindBoxes.size(); ++maker) {
        const KindBox& kind = data_.kindBoxes[maker];
        for (const std::string& text : kind.kinds) kindBoxes_[maker]->addItem(text);
        kindBoxes_[maker]->setText(kind.prompt);
        for (const ModelBox& list : kind.models) {
            for (const FittingEntry& entry : list.entries) modelBoxes_[model]->addItem(entry.text);
            modelBoxes_[model]->setText(list.prompt);
            ++model;
        }
    }
    for (tk::Button* button : returnButtons()) button->setVisible(false);
}

void CatalogueForm::cboHersteller_Click() {
    showKindBox(static_cast<std::size_t>(cboHersteller.position()));
}

void CatalogueForm::showKindBox(std::size_t maker) {
    if (maker >= 1 && maker <= kindBoxes_.size()) kindBoxes_[maker - 1]->setVisible(true);
}

void CatalogueForm::kindChosen(std::size_t maker) {
    int kind = kindBoxes_[maker]->position();
    std::size_t first = 0;
    for (std::size_t m = 0; m < maker; ++m) first += data_.kindBoxes[m].models.size();
    if (kind >= 1 && static_cast<std::size_t>(kind) <= data_.kindBoxes[maker].models.size())
        modelBoxes_[first + static_cast<std::size_t>(kind) - 1]->setVisible(true);
}

void CatalogueForm::modelChosen(const tk::ComboBox& box, const ModelBox& model) {
    int position = box.position();
    if (position < 1 || static_cast<std::size_t>(position) > model.entries.size()) return;
    const FittingEntry& entry = model.entries[static_cast<std::size_t>(position) - 1];
    txtKVWerte.setText(tk::standardText(entry.kv));
    pickedKv_ = tk::localeValue(txtKVWerte.text()).value_or(0);
    pickedModel_ = entry.text;
}

// Closing the dialog through its title bar or Esc returns like its visible
// return button.
void CatalogueForm::Form_QueryUnload() {
    for (tk::Button* button : returnButtons()) {
        if (button->visible()) {
            button->click();
            return;
        }
    }
    hide();
}

FrmArmaturen2::FrmArmaturen2(tk::WindowSystem& windows)
    : CatalogueForm(windows, controlValvesAndMixers()) {
    cmdZethawert3.onClick([this] { cmdZethawert3_Click(); });
    cmdZethawert4.onClick([this] { cmdZethawert4_Click(); });
}

void FrmArmaturen2::cmdZethawert3_Click() {
    cmdZethawert3.setVisible(false);
    hide();
}

void FrmArmaturen2::cmdZethawert4_Click() {
    hide();
    cmdZethawert4.setVisible(false);
}

FrmArmaturen::FrmArmaturen(tk::WindowSystem& windows, FrmArmaturen2& second)
    : CatalogueForm(windows, radiatorAndRiserFittings()), second_(second) {
    cmdZethawert.onClick([this] { cmdZethawert_Click(); });
    cmdZethawert2.onClick([this] { cmdZethawert2_Click(); });
}

void FrmArmaturen::cboHersteller_Click() {
    constexpr int kSecondForm = 3;
    if (cboHersteller.position() != kSecondForm) {
        CatalogueForm::cboHersteller_Click();
        return;
    }
    second_.load();
    hide();
    second_.showModal();
    if (windows().ended()) return;
    // The user's latest choice holds: a kv value brought back from the
    // second dialog replaces one chosen here before.
    if (!tk::isBlank(second_.txtKVWerte.text())) txtKVWerte.setText("");
}

void FrmArmaturen::cmdZethawert_Click() {
    hide();
    cmdZethawert.setVisible(false);
}

void FrmArmaturen::cmdZethawert2_Click() {
    cmdZethawert2.setVisible(false);
    hide();
}

Catalogue::Catalogue(tk::WindowSystem& windows)
    : frmArmaturen2(windows), frmArmaturen(windows, frmArmaturen2) {}

std::optional<CatalogueChoice> Catalogue::Arma(Caller caller) {
    const bool toRemaining = caller == Caller::RemainingSections;
    for (CatalogueForm* dialog : {static_cast<CatalogueForm*>(&frmArmaturen),
                                  static_cast<CatalogueForm*>(&frmArmaturen2)}) {
        std::vector<tk::Button*> buttons = dialog->returnButtons();
        buttons[0]->setVisible(toRemaining);
        buttons[1]->setVisible(!toRemaining);
        dialog->setDefaultButton(buttons[toRemaining ? 0 : 1]);
    }
    frmArmaturen.showModal();
    if (frmArmaturen.windows().ended()) return std::nullopt;

    const bool fromSecond = tk::isBlank(frmArmaturen.txtKVWerte.text());
    const CatalogueForm& from = fromSecond ? static_cast<const CatalogueForm&>(frmArmaturen2)
                                           : static_cast<const CatalogueForm&>(frmArmaturen);
    return CatalogueChoice{.kvText = from.txtKVWerte.text(),
                           .kv = from.pickedKv(),
                           .makerText = from.cboHersteller.text(),
                           .model = from.pickedModel(),
                           .firstMakerText = frmArmaturen.cboHersteller.text(),
                           .fromSecondDialog = fromSecond};
}

void Catalogue::unloadBoth() {
    frmArmaturen.unload();
    frmArmaturen2.unload();
}

}  // namespace catalogue
