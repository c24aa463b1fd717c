#include "shell/Layouts.h"

namespace shell {

// Fits a 1366×768 screen with a desktop panel: the fields fill the upper
// rows, the fittings frame sits beside the DN and valve fields, and the
// listing takes the rest and grows with the window.
const FormLayout& mainFormLayout() {
    static const FormLayout layout{
        QSize(1130, 600),
        {
            {"lblUeberschrift", {QRect(10, 6, 560, 26), Look::Heading}},
            {"lblWassertemperatur", {QRect(600, 10, 300, 20)}},
            {"lblStrNr", {QRect(10, 40, 90, 18)}},
            {"txtStrNr", {QRect(10, 60, 50, 24)}},
            {"lblHFlNr", {QRect(110, 40, 110, 18)}},
            {"txtHFlNr", {QRect(110, 60, 70, 24)}},
            {"fraTemperaturen", {QRect(230, 32, 260, 62)}},
            {"lblVorlauf", {QRect(242, 58, 56, 18)}},
            {"txtVorlauf", {QRect(298, 55, 50, 24)}},
            {"lblRuecklauf", {QRect(362, 58, 62, 18)}},
            {"txtRuecklauf", {QRect(426, 55, 50, 24)}},
            {"fraRohrarten", {QRect(505, 32, 405, 62)}},
            {"optStahlrohr", {QRect(517, 56, 110, 22)}},
            {"optCuRohr", {QRect(637, 56, 100, 22)}},
            {"optWeStahlrohr", {QRect(747, 56, 150, 22)}},
            {"Label5", {QRect(925, 40, 200, 22), Look::Heading}},
            {"Label4", {QRect(925, 66, 200, 22), Look::Heading}},
            {"lblStromkreis", {QRect(10, 100, 200, 22), Look::Heading}},
            {"lblHzKprNr", {QRect(10, 124, 110, 18)}},
            {"txtHzKprNr", {QRect(10, 144, 70, 24)}},
            {"lblHkLstgW", {QRect(130, 124, 110, 18)}},
            {"txtHkLstgW", {QRect(130, 144, 80, 24)}},
            {"cmdNaechstVerbrauch", {QRect(220, 142, 40, 28)}},
            {"lblSumLstg", {QRect(280, 124, 100, 18)}},
            {"txtGesLstg", {QRect(280, 144, 90, 24)}},
            {"cmdWeiter", {QRect(380, 142, 40, 28)}},
            {"lblTeilstr", {QRect(10, 178, 110, 18)}},
            {"txtTeilstr", {QRect(10, 198, 60, 24)}},
            {"lblTeilstrckmtr", {QRect(130, 178, 160, 18)}},
            {"txtTeilstrckmtr", {QRect(130, 198, 80, 24)}},
            {"lblGeschw", {QRect(300, 178, 150, 18)}},
            {"txtGeschw", {QRect(300, 198, 80, 24)}},
            {"cmdTeilRohr", {QRect(460, 195, 120, 30)}},
            {"lblRohrDN", {QRect(10, 236, 120, 18)}},
            {"txtRohrDN", {QRect(10, 256, 60, 24)}},
            {"lblVentDN", {QRect(140, 236, 100, 18)}},
            {"txtVentDN", {QRect(140, 256, 260, 24)}},
            {"lblKVWert", {QRect(410, 236, 80, 18)}},
            {"txtKVWert", {QRect(410, 256, 70, 24)}},
            {"fraZethawerte", {QRect(500, 228, 620, 72)}},
            {"lblVrbrchr", {QRect(512, 250, 100, 18)}},
            {"txtVrbrchr", {QRect(512, 270, 40, 24)}},
            {"lblBoganzahl", {QRect(632, 250, 110, 18)}},
            {"txtBoganzahl", {QRect(632, 270, 40, 24)}},
            {"lblTAnzahl", {QRect(752, 250, 120, 18)}},
            {"txtTAnzahl", {QRect(752, 270, 40, 24)}},
            {"lblAnbindAnz", {QRect(872, 250, 110, 18)}},
            {"txtAnbindAnz", {QRect(872, 270, 40, 24)}},
            {"lblReduAnz", {QRect(992, 250, 110, 18)}},
            {"txtReduAnz", {QRect(992, 270, 40, 24)}},
            {"cmdRechnen", {QRect(10, 312, 110, 30)}},
            {"cmdNaechsteTeilstrck", {QRect(130, 312, 170, 30)}},
            {"cmdFertig", {QRect(310, 312, 100, 30)}},
            {"cmdRstTeilstr", {QRect(420, 312, 170, 30)}},
            {"txtAusgabeBerechn", {QRect(10, 352, 1110, 240), Look::Listing}},
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

// The shared sections across the top, the consumers and the section below,
// the correction beside the fittings, and the listing taking the rest.
const FormLayout& remainingFormLayout() {
    static const FormLayout layout{QSize(1130, 600),
                                   {
                                       {"lblUeberschrift", {QRect(10, 6, 600, 26), Look::Heading}},
                                       {"lblWassertemperatur", {QRect(650, 10, 320, 20)}},
                                       {"lblStrNr", {QRect(10, 44, 90, 18)}},
                                       {"txtStrNr", {QRect(10, 64, 50, 24)}},
                                       {"lblHFlNr", {QRect(100, 44, 110, 18)}},
                                       {"txtHFlNr", {QRect(100, 64, 70, 24)}},
                                       {"fraGemeinsam", {QRect(210, 32, 910, 66)}},
                                       {"lblTlStrckNr", {QRect(222, 50, 110, 18)}},
                                       {"txtTlStrckNr", {QRect(222, 68, 60, 24)}},
                                       {"lblTlStLng", {QRect(342, 50, 150, 18)}},
                                       {"txtTlStLng", {QRect(342, 68, 80, 24)}},
                                       {"lblPverbrcht", {QRect(502, 50, 140, 18)}},
                                       {"txtPverbrcht", {QRect(502, 68, 80, 24)}},
                                       {"cmdAddition", {QRect(652, 66, 40, 28)}},
                                       {"lblTlStrLngSum", {QRect(712, 50, 100, 18)}},
                                       {"txtTlStrLngSum", {QRect(712, 68, 80, 24)}},
                                       {"lblPVerlSum", {QRect(822, 50, 130, 18)}},
                                       {"txtPVerlSum", {QRect(822, 68, 90, 24)}},
                                       {"cmdStromkreis", {QRect(932, 66, 40, 28)}},
                                       {"lblStromkreis", {QRect(10, 104, 200, 22), Look::Heading}},
                                       {"lblHzKprNr", {QRect(10, 128, 110, 18)}},
                                       {"txtHzKprNr", {QRect(10, 148, 70, 24)}},
                                       {"lblHkLstgW", {QRect(130, 128, 110, 18)}},
                                       {"txtHkLstgW", {QRect(130, 148, 80, 24)}},
                                       {"cmdNaechstVerbrauch", {QRect(220, 146, 40, 28)}},
                                       {"lblSumLstg", {QRect(280, 128, 100, 18)}},
                                       {"txtGesLstg", {QRect(280, 148, 90, 24)}},
                                       {"cmdWeiter", {QRect(380, 146, 40, 28)}},
                                       {"lblTeistr", {QRect(10, 182, 110, 18)}},
                                       {"txtTeistr", {QRect(10, 202, 60, 24)}},
                                       {"lblTeilstrckmtr", {QRect(130, 182, 160, 18)}},
                                       {"txtTeilstrckmtr", {QRect(130, 202, 80, 24)}},
                                       {"lblVentDN", {QRect(280, 182, 100, 18)}},
                                       {"txtVentDN", {QRect(280, 202, 240, 24)}},
                                       {"lblKVWert", {QRect(530, 182, 80, 18)}},
                                       {"txtKVWert", {QRect(530, 202, 70, 24)}},
                                       {"cmdTeilRohr", {QRect(620, 199, 120, 30)}},
                                       {"fraZethawerte", {QRect(10, 236, 620, 72)}},
                                       {"lblVrbrchr", {QRect(22, 258, 100, 18)}},
                                       {"txtVrbrchr", {QRect(22, 278, 40, 24)}},
                                       {"lblBoganzahl", {QRect(142, 258, 110, 18)}},
                                       {"txtBoganzahl", {QRect(142, 278, 40, 24)}},
                                       {"lblTAnzahl", {QRect(262, 258, 120, 18)}},
                                       {"txtTAnzahl", {QRect(262, 278, 40, 24)}},
                                       {"lblAnbindAnz", {QRect(382, 258, 110, 18)}},
                                       {"txtAnbindAnz", {QRect(382, 278, 40, 24)}},
                                       {"lblReduAnz", {QRect(502, 258, 110, 18)}},
                                       {"txtReduAnz", {QRect(502, 278, 40, 24)}},
                                       {"lblKorrDm", {QRect(650, 258, 120, 18)}},
                                       {"txtKorrDm", {QRect(650, 278, 60, 24)}},
                                       {"cmdDNkorrektur", {QRect(720, 275, 130, 30)}},
                                       {"cmdNaechsteTeilstrck", {QRect(10, 318, 170, 30)}},
                                       {"cmdFertig", {QRect(190, 318, 100, 30)}},
                                       {"cmdNaechsterStrang", {QRect(300, 318, 170, 30)}},
                                       {"txtAusgabeDN", {QRect(10, 358, 1110, 234), Look::Listing}},
                                   }};
    return layout;
}

const FormLayout& titleLayout() {
    static const FormLayout layout{QSize(520, 340),
                                   {
                                       {"Image1", {QRect(20, 20, 220, 150)}},
                                       {"Image2", {QRect(280, 20, 220, 150)}},
                                       {"Label3", {QRect(20, 186, 480, 30), Look::Heading}},
                                       {"Label1", {QRect(170, 230, 80, 26), Look::Heading}},
                                       {"Label6", {QRect(250, 230, 80, 26), Look::Heading}},
                                       {"Label2", {QRect(170, 260, 240, 22)}},
                                       {"cmdLesen", {QRect(210, 296, 100, 30)}},
                                   }};
    return layout;
}

const FormLayout& readMeLayout() {
    static const FormLayout layout{QSize(760, 600),
                                   {
                                       {"Kopf", {QRect(10, 8, 200, 26), Look::Heading}},
                                       {"Kopf2", {QRect(220, 12, 300, 22)}},
                                       {"LeseTextRhr", {QRect(10, 42, 740, 506)}},
                                       {"cdmWeiter", {QRect(650, 560, 100, 30)}},
                                   }};
    return layout;
}

// Project number, person and date side by side; the client's and the
// site's data in their own groups below.
const FormLayout& headerLayout() {
    static const FormLayout layout{QSize(760, 476),
                                   {
                                       {"lblUeberschrift", {QRect(10, 8, 500, 28), Look::Heading}},
                                       {"lblPersDat1", {QRect(20, 48, 150, 18)}},
                                       {"txtPersDat1", {QRect(20, 68, 150, 24)}},
                                       {"lblPersDat2", {QRect(200, 48, 250, 18)}},
                                       {"txtPersDat2", {QRect(200, 68, 250, 24)}},
                                       {"lblPersDat3", {QRect(480, 48, 150, 18)}},
                                       {"txtPersDat3", {QRect(480, 68, 150, 24)}},
                                       {"fraAuftraggeber", {QRect(10, 104, 740, 180)}},
                                       {"lblPersDat4", {QRect(22, 124, 330, 18)}},
                                       {"txtPersDat4", {QRect(22, 144, 330, 24)}},
                                       {"lblPersDat5", {QRect(372, 124, 330, 18)}},
                                       {"txtPersDat5", {QRect(372, 144, 330, 24)}},
                                       {"lblPersDat6", {QRect(22, 174, 330, 18)}},
                                       {"txtPersDat6", {QRect(22, 194, 330, 24)}},
                                       {"lblPersDat7", {QRect(372, 174, 330, 18)}},
                                       {"txtPersDat7", {QRect(372, 194, 330, 24)}},
                                       {"lblPersDat8", {QRect(22, 224, 330, 18)}},
                                       {"txtPersDat8", {QRect(22, 244, 330, 24)}},
                                       {"fraBaustelle", {QRect(10, 292, 740, 130)}},
                                       {"lblPersDat9", {QRect(22, 312, 330, 18)}},
                                       {"txtPersDat9", {QRect(22, 332, 330, 24)}},
                                       {"lblPersDat10", {QRect(372, 312, 330, 18)}},
                                       {"txtPersDat10", {QRect(372, 332, 330, 24)}},
                                       {"lblPersDat11", {QRect(22, 362, 330, 18)}},
                                       {"txtPersDat11", {QRect(22, 382, 330, 24)}},
                                       {"cmdWeiter", {QRect(640, 436, 110, 30)}},
                                   }};
    return layout;
}

const FormLayout& displayLayout() {
    static const FormLayout layout{QSize(1130, 600),
                                   {
                                       {"Label1", {QRect(10, 6, 400, 26), Look::Heading}},
                                       {"txtRohrAnzeig", {QRect(10, 40, 1110, 552), Look::Listing}},
                                   }};
    return layout;
}

// The tree down the left; beside it the selected item's fields, whose
// groups for the project, a circuit and a section share the same place, and
// under them the results. Fits 1366×768 with its frame and menu.
const FormLayout& editorLayout() {
    static const FormLayout layout{
        QSize(1200, 625),
        {
            {"tvwProjekt", {QRect(10, 10, 420, 605), Look::Column}},
            {"lblAuswahl", {QRect(445, 8, 740, 24), Look::Heading}},
            {"fraKopf", {QRect(445, 38, 740, 262)}},
            {"lblPersDat1", {QRect(455, 63, 115, 18)}},
            {"txtPersDat1", {QRect(575, 60, 200, 24)}},
            {"lblPersDat2", {QRect(455, 89, 115, 18)}},
            {"txtPersDat2", {QRect(575, 86, 200, 24)}},
            {"lblPersDat3", {QRect(455, 115, 115, 18)}},
            {"txtPersDat3", {QRect(575, 112, 200, 24)}},
            {"lblAuftraggeber", {QRect(455, 140, 300, 20), Look::Heading}},
            {"lblPersDat4", {QRect(455, 167, 115, 18)}},
            {"txtPersDat4", {QRect(575, 164, 200, 24)}},
            {"lblPersDat5", {QRect(455, 193, 115, 18)}},
            {"txtPersDat5", {QRect(575, 190, 200, 24)}},
            {"lblPersDat6", {QRect(455, 219, 115, 18)}},
            {"txtPersDat6", {QRect(575, 216, 200, 24)}},
            {"lblPersDat7", {QRect(455, 245, 115, 18)}},
            {"txtPersDat7", {QRect(575, 242, 200, 24)}},
            {"lblPersDat8", {QRect(455, 271, 115, 18)}},
            {"txtPersDat8", {QRect(575, 268, 200, 24)}},
            {"lblBaustelle", {QRect(800, 140, 300, 20), Look::Heading}},
            {"lblPersDat9", {QRect(800, 167, 115, 18)}},
            {"txtPersDat9", {QRect(920, 164, 250, 24)}},
            {"lblPersDat10", {QRect(800, 193, 115, 18)}},
            {"txtPersDat10", {QRect(920, 190, 250, 24)}},
            {"lblPersDat11", {QRect(800, 219, 115, 18)}},
            {"txtPersDat11", {QRect(920, 216, 250, 24)}},
            {"fraRohrarten", {QRect(445, 306, 480, 58)}},
            {"optStahlrohr", {QRect(457, 330, 110, 22)}},
            {"optCuRohr", {QRect(577, 330, 100, 22)}},
            {"optWeStahlrohr", {QRect(687, 330, 150, 22)}},
            {"lblVorlauf", {QRect(445, 378, 70, 18)}},
            {"txtVorlauf", {QRect(520, 375, 60, 24)}},
            {"lblRuecklauf", {QRect(600, 378, 75, 18)}},
            {"txtRuecklauf", {QRect(680, 375, 60, 24)}},
            {"lblStrNr", {QRect(445, 40, 130, 18)}},
            {"txtStrNr", {QRect(445, 60, 70, 24)}},
            {"lblHFlNr", {QRect(590, 40, 130, 18)}},
            {"txtHFlNr", {QRect(590, 60, 70, 24)}},
            {"lblGemeinsam", {QRect(445, 94, 220, 18)}},
            {"txtGemeinsam", {QRect(445, 114, 300, 24)}},
            {"cmdStromkreisLoeschen", {QRect(445, 150, 180, 30)}},
            {"lblTeilstr", {QRect(445, 40, 110, 18)}},
            {"txtTeilstr", {QRect(445, 60, 60, 24)}},
            {"lblTeilstrckmtr", {QRect(560, 40, 155, 18)}},
            {"txtTeilstrckmtr", {QRect(560, 60, 80, 24)}},
            {"lblGeschw", {QRect(720, 40, 150, 18)}},
            {"txtGeschw", {QRect(720, 60, 80, 24)}},
            {"lblKorrDm", {QRect(720, 40, 150, 18)}},
            {"txtKorrDm", {QRect(720, 60, 60, 24)}},
            {"lblRohrDN", {QRect(880, 40, 130, 18)}},
            {"txtRohrDN", {QRect(880, 60, 60, 24)}},
            {"lblVentDN", {QRect(445, 94, 100, 18)}},
            {"txtVentDN", {QRect(445, 114, 260, 24)}},
            {"lblKVWert", {QRect(720, 94, 80, 18)}},
            {"txtKVWert", {QRect(720, 114, 80, 24)}},
            {"cmdKatalog", {QRect(820, 111, 110, 30)}},
            {"lblVrbrchr", {QRect(445, 148, 115, 18)}},
            {"txtVrbrchr", {QRect(445, 168, 50, 24)}},
            {"lblBoganzahl", {QRect(565, 148, 115, 18)}},
            {"txtBoganzahl", {QRect(565, 168, 50, 24)}},
            {"lblTAnzahl", {QRect(685, 148, 115, 18)}},
            {"txtTAnzahl", {QRect(685, 168, 50, 24)}},
            {"lblAnbindAnz", {QRect(805, 148, 115, 18)}},
            {"txtAnbindAnz", {QRect(805, 168, 50, 24)}},
            {"lblReduAnz", {QRect(925, 148, 115, 18)}},
            {"txtReduAnz", {QRect(925, 168, 50, 24)}},
            {"fraVerbraucher", {QRect(445, 200, 740, 112)}},
            {"cboVerbraucher", {QRect(457, 241, 230, 26)}},
            {"lblHzKprNr", {QRect(705, 222, 110, 18)}},
            {"txtHzKprNr", {QRect(705, 242, 70, 24)}},
            {"lblHkLstgW", {QRect(800, 222, 110, 18)}},
            {"txtHkLstgW", {QRect(800, 242, 90, 24)}},
            {"cmdVerbraucherPlus", {QRect(457, 274, 190, 30)}},
            {"cmdVerbraucherMinus", {QRect(657, 274, 190, 30)}},
            {"cmdDavor", {QRect(445, 324, 160, 30)}},
            {"cmdDanach", {QRect(615, 324, 160, 30)}},
            {"cmdHoch", {QRect(785, 324, 110, 30)}},
            {"cmdRunter", {QRect(905, 324, 110, 30)}},
            {"cmdLoeschen", {QRect(1025, 324, 120, 30)}},
            {"cmdUebernehmen", {QRect(445, 324, 160, 30)}},
            {"cmdVerwerfen", {QRect(615, 324, 160, 30)}},
            {"lblErgebnisse", {QRect(445, 418, 300, 20), Look::Heading}},
            {"txtErgebnisse", {QRect(445, 442, 620, 173), Look::Fixed}},
            {"cmdSchliessen", {QRect(1075, 585, 110, 30)}},
        }};
    return layout;
}

// The pump and the loss outside the network at the top, the circuit table
// across the window, the choices of one circuit under it, then the checks.
const FormLayout& balanceLayout() {
    static const FormLayout layout{QSize(1200, 625),
                                   {
                                       {"lblPumpe", {QRect(10, 8, 300, 22), Look::Heading}},
                                       {"txtPumpe", {QRect(10, 34, 560, 64), Look::Fixed}},
                                       {"lblErzeuger", {QRect(590, 34, 260, 18)}},
                                       {"txtErzeuger", {QRect(590, 54, 80, 24)}},
                                       {"lblProjektTabelle", {QRect(860, 34, 330, 18)}},
                                       {"cboProjektTabelle", {QRect(860, 54, 330, 26)}},
                                       {"lblKreise", {QRect(10, 108, 300, 22), Look::Heading}},
                                       {"txtKreise", {QRect(10, 134, 1180, 250), Look::Fixed}},
                                       {"lblKreis", {QRect(10, 392, 250, 18)}},
                                       {"cboKreis", {QRect(10, 412, 250, 26)}},
                                       {"lblKreisTabelle", {QRect(275, 392, 330, 18)}},
                                       {"cboKreisTabelle", {QRect(275, 412, 330, 26)}},
                                       {"lblVentil", {QRect(620, 392, 330, 18)}},
                                       {"cboVentil", {QRect(620, 412, 330, 26)}},
                                       {"lblBeispiel", {QRect(10, 446, 900, 20)}},
                                       {"lblPruefungen", {QRect(10, 472, 300, 22), Look::Heading}},
                                       {"txtPruefungen", {QRect(10, 498, 940, 120), Look::Fixed}},
                                       {"cmdTabellen", {QRect(960, 550, 230, 30)}},
                                       {"cmdGrenzwerte", {QRect(960, 588, 110, 30)}},
                                       {"cmdSchliessen", {QRect(1080, 588, 110, 30)}},
                                   }};
    return layout;
}

// The limits in one column, the buttons beneath.
const FormLayout& limitsLayout() {
    static const FormLayout layout{
        QSize(470, 300),
        {
            {"lblGeschwindigkeit", {QRect(10, 8, 450, 22), Look::Heading}},
            {"lblGeschw16", {QRect(10, 38, 360, 18)}},
            {"txtGeschw16", {QRect(380, 35, 80, 24)}},
            {"lblGeschw27", {QRect(10, 68, 360, 18)}},
            {"txtGeschw27", {QRect(380, 65, 80, 24)}},
            {"lblGeschw40", {QRect(10, 98, 360, 18)}},
            {"txtGeschw40", {QRect(380, 95, 80, 24)}},
            {"lblGeschwDarueber", {QRect(10, 128, 360, 18)}},
            {"txtGeschwDarueber", {QRect(380, 125, 80, 24)}},
            {"lblReibung", {QRect(10, 168, 360, 18)}},
            {"txtReibung", {QRect(380, 165, 80, 24)}},
            {"lblVentil", {QRect(10, 208, 360, 18)}},
            {"txtVentil", {QRect(380, 205, 80, 24)}},
            {"cmdUebernehmen", {QRect(10, 256, 140, 30)}},
            {"cmdStandardwerte", {QRect(165, 256, 140, 30)}},
            {"cmdAbbrechen", {QRect(320, 256, 140, 30)}},
        }};
    return layout;
}

// The table to edit and its name at the top, a row per step beneath, the
// buttons at the bottom.
const FormLayout& tablesLayout() {
    static const FormLayout layout = [] {
        FormLayout out{QSize(470, 530),
                       {
                           {"lblTabelle", {QRect(10, 10, 100, 18)}},
                           {"cboTabelle", {QRect(120, 6, 340, 26)}},
                           {"lblName", {QRect(10, 44, 100, 18)}},
                           {"txtName", {QRect(120, 40, 340, 24)}},
                           {"lblStufe", {QRect(120, 74, 80, 18)}},
                           {"lblKv", {QRect(210, 74, 120, 18)}},
                           {"lblHinweis", {QRect(10, 446, 450, 20)}},
                           {"cmdSpeichern", {QRect(10, 488, 140, 30)}},
                           {"cmdLoeschen", {QRect(165, 488, 140, 30)}},
                           {"cmdSchliessen", {QRect(320, 488, 140, 30)}},
                       }};
        for (int row = 0; row < 12; ++row) {
            const std::string number = std::to_string(row + 1);
            const int top = 96 + row * 28;
            out.controls["txtStufe" + number] = {QRect(120, top, 80, 24)};
            out.controls["txtKv" + number] = {QRect(210, top, 100, 24)};
        }
        return out;
    }();
    return layout;
}

}  // namespace shell
