#include "shell/Layouts.h"

namespace shell {

const FormLayout& mainFormLayout() {
    static const FormLayout layout{
        QSize(920, 740),
        {
            {"lblUeberschrift", {QRect(10, 6, 560, 26), Look::Heading}},
            {"lblWassertemperatur", {QRect(600, 10, 300, 20)}},
            {"lblStrNr", {QRect(10, 44, 90, 18)}},
            {"txtStrNr", {QRect(10, 64, 50, 24)}},
            {"lblHFlNr", {QRect(110, 44, 110, 18)}},
            {"txtHFlNr", {QRect(110, 64, 70, 24)}},
            {"fraTemperaturen", {QRect(230, 34, 260, 66)}},
            {"lblVorlauf", {QRect(242, 62, 56, 18)}},
            {"txtVorlauf", {QRect(298, 59, 50, 24)}},
            {"lblRuecklauf", {QRect(362, 62, 62, 18)}},
            {"txtRuecklauf", {QRect(426, 59, 50, 24)}},
            {"fraRohrarten", {QRect(505, 34, 405, 66)}},
            {"optStahlrohr", {QRect(517, 60, 110, 22)}},
            {"optCuRohr", {QRect(637, 60, 100, 22)}},
            {"optWeStahlrohr", {QRect(747, 60, 150, 22)}},
            {"lblStromkreis", {QRect(10, 108, 200, 22), Look::Heading}},
            {"lblHzKprNr", {QRect(10, 132, 110, 18)}},
            {"txtHzKprNr", {QRect(10, 152, 70, 24)}},
            {"lblHkLstgW", {QRect(130, 132, 110, 18)}},
            {"txtHkLstgW", {QRect(130, 152, 80, 24)}},
            {"cmdNaechstVerbrauch", {QRect(220, 150, 40, 28)}},
            {"lblSumLstg", {QRect(280, 132, 100, 18)}},
            {"txtGesLstg", {QRect(280, 152, 90, 24)}},
            {"cmdWeiter", {QRect(380, 150, 40, 28)}},
            {"lblTeilstr", {QRect(10, 192, 110, 18)}},
            {"txtTeilstr", {QRect(10, 212, 60, 24)}},
            {"lblTeilstrckmtr", {QRect(130, 192, 160, 18)}},
            {"txtTeilstrckmtr", {QRect(130, 212, 80, 24)}},
            {"lblGeschw", {QRect(300, 192, 150, 18)}},
            {"txtGeschw", {QRect(300, 212, 80, 24)}},
            {"cmdTeilRohr", {QRect(460, 209, 120, 30)}},
            {"lblRohrDN", {QRect(10, 252, 120, 18)}},
            {"txtRohrDN", {QRect(10, 272, 60, 24)}},
            {"lblVentDN", {QRect(140, 252, 100, 18)}},
            {"txtVentDN", {QRect(140, 272, 260, 24)}},
            {"lblKVWert", {QRect(410, 252, 80, 18)}},
            {"txtKVWert", {QRect(410, 272, 70, 24)}},
            {"fraZethawerte", {QRect(10, 306, 620, 74)}},
            {"lblVrbrchr", {QRect(22, 328, 100, 18)}},
            {"txtVrbrchr", {QRect(22, 348, 40, 24)}},
            {"lblBoganzahl", {QRect(132, 328, 110, 18)}},
            {"txtBoganzahl", {QRect(132, 348, 40, 24)}},
            {"lblTAnzahl", {QRect(252, 328, 120, 18)}},
            {"txtTAnzahl", {QRect(252, 348, 40, 24)}},
            {"lblAnbindAnz", {QRect(382, 328, 110, 18)}},
            {"txtAnbindAnz", {QRect(382, 348, 40, 24)}},
            {"lblReduAnz", {QRect(502, 328, 110, 18)}},
            {"txtReduAnz", {QRect(502, 348, 40, 24)}},
            {"Label5", {QRect(660, 318, 250, 22), Look::Heading}},
            {"Label4", {QRect(660, 344, 250, 22), Look::Heading}},
            {"cmdRechnen", {QRect(10, 390, 110, 30)}},
            {"cmdNaechsteTeilstrck", {QRect(130, 390, 170, 30)}},
            {"cmdFertig", {QRect(310, 390, 100, 30)}},
            {"cmdRstTeilstr", {QRect(420, 390, 170, 30)}},
            {"txtAusgabeBerechn", {QRect(10, 430, 900, 300), Look::Listing}},
        }};
    return layout;
}

FormLayout catalogueLayout(const catalogue::CatalogueFormData& data) {
    constexpr int kColumnWidth = 390;
    FormLayout layout{QSize(820, 330),
                      {
                          {"Label1", {QRect(10, 8, 200, 24), Look::Heading}},
                          {"Label2", {QRect(640, 8, 100, 18)}},
                          {"txtKVWerte", {QRect(640, 28, 110, 24)}},
                          {"Label3", {QRect(230, 44, 380, 24), Look::Heading}},
                          {"cboHersteller", {QRect(250, 76, 320, 26), Look::Fixed}},
                      }};
    int x = 10;
    for (const catalogue::KindBox& kind : data.kindBoxes) {
        layout.controls[kind.name] = {QRect(x, 120, kColumnWidth, 26), Look::Fixed};
        int y = 156;
        for (const catalogue::ModelBox& model : kind.models) {
            layout.controls[model.name] = {QRect(x, y, kColumnWidth, 26), Look::Fixed};
            y += 34;
        }
        x += kColumnWidth + 20;
    }
    const bool firstForm = data.formName == "frmArmaturen";
    layout.controls[firstForm ? "cmdZethawert" : "cmdZethawert4"] = {QRect(320, 286, 80, 30)};
    layout.controls[firstForm ? "cmdZethawert2" : "cmdZethawert3"] = {QRect(420, 286, 80, 30)};
    return layout;
}

const FormLayout& remainingPreviewLayout() {
    static const FormLayout layout{QSize(920, 460),
                                   {
                                       {"lblUeberschrift", {QRect(10, 6, 600, 26), Look::Heading}},
                                       {"lblHinweis", {QRect(10, 40, 900, 22)}},
                                       {"txtAusgabeDN", {QRect(10, 70, 900, 380), Look::Listing}},
                                   }};
    return layout;
}

}  // namespace shell
