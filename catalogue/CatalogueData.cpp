// clang-format off: one catalogue entry per line
#include "catalogue/CatalogueData.h"

namespace catalogue {

namespace {

// Regulating valves "Kombi III" of the second maker, red and blue series,
// DN 10 to DN 50 each. The list stands in the first form (kind 3 of the
// second maker) and is offered again under kind 3 of the second group in the
// second form, whose own list was delivered without entries.
const std::vector<FittingEntry>& kombiIIIRegulatingValves() {
    static const std::vector<FittingEntry> entries{
        {"Rgulvntl Kombi III rot DN 10    ", 1.5},
        {"Rgulvntl Kombi III rot DN 15    ", 2.5},
        {"Rgulvntl Kombi III rot DN 20    ", 4.5},
        {"Rgulvntl Kombi III rot DN 25    ", 6.5},
        {"Rgulvntl Kombi III rot DN 32    ", 13},
        {"Rgulvntl Kombi III rot DN 40    ", 20},
        {"Rgulvntl Kombi III rot DN 50    ", 35},
        {"Rgulvntl Kombi III blau DN 10   ", 2.4},
        {"Rgulvntl Kombi III blau DN 15   ", 2.7},
        {"Rgulvntl Kombi III blau DN 20   ", 6.4},
        {"Rgulvntl Kombi III blau DN 25   ", 6.8},
        {"Rgulvntl Kombi III blau DN 32   ", 21},
        {"Rgulvntl Kombi III blau DN 40   ", 22},
        {"Rgulvntl Kombi III blau DN 50   ", 38},
    };
    return entries;
}

}  // namespace

const CatalogueFormData& radiatorAndRiserFittings() {
    static const CatalogueFormData form{
        .formName = "frmArmaturen",
        .caption = "KV-werte",
        .headline = "HK , Regel- und Absperrarmaturen",
        .makerPrompt = "              Hersteller",
        .makers = {
            "Heimeier      ",
            "NMG-Honeywell ",
            "Ventile u. Regelarmaturen",  // opens the second form
        },
        .kindBoxes = {
            // Maker 1
            KindBox{
                .name = "cboArmaturart",
                .prompt = "                       Heimeier TA",
                .kinds = {
                    "HK-Armaturen                  ",
                    "Str.-Absperr u. Regulierarmat.",
                    "Absperrarmaturen              ",
                },
                .models = {
                    ModelBox{
                        .name = "cboHeimHK",
                        .prompt = "            Heizkörper-Armaturen",
                        .entries = {
                            {"HK-Vntl Stand DN10            ", 0.66},
                            {"HK-Vntl Stand DN15            ", 0.66},
                            {"HK-Vntl Stand DN20            ", 1.26},
                            {"HK-Vntl Stand DN25            ", 2.6},
                            {"HK-Vntl Stand DN32            ", 3.8},
                            {"HK-Vntl V-exakt DN10-DN20     ", 0.47},
                            {"HK-Vntl F-exakt DN10+DN15     ", 0.32},
                            {"HK-Vntl < Widerstand DN10+DN15", 0.32},
                            {"HK-Vntl < Widerstand DN20     ", 2.27},
                            {"HK-Vntl < Widerstand DN25     ", 2.6},
                            {"HK-Vntl < Widerstand DN32     ", 3.8},
                            {"HK-Vrschrbg Regulux DN10-DN20 ", 1.31},
                            {"VHK-Vrschrbg Vekolux DN15xDN20", 1.48},
                        },
                    },
                    // Three series, DN 15 to DN 50; the last one from DN 10.
                    ModelBox{
                        .name = "cboRegArm",
                        .prompt = "        Absperr- u.Regulier-Armaturen",
                        .entries = {
                            {"STS Absperr u.Entleervntl DN 15", 4.4},
                            {"STS Absperr u.Entleervntl DN 20", 6.8},
                            {"STS Absperr u.Entleervntl DN 25", 9.8},
                            {"STS Absperr u.Entleervntl DN 32", 18.3},
                            {"STS Absperr u.Entleervntl DN 40", 25.4},
                            {"STS Absperr u.Entleervntl DN 50", 42.4},
                            {"TA Regul Abspr u.Entlvntl DN 15", 2.52},
                            {"TA Regul Abspr u.Entlvntl DN 20", 5.7},
                            {"TA Regul Abspr u.Entlvntl DN 25", 8.7},
                            {"TA Regul Abspr u.Entlvntl DN 32", 14.2},
                            {"TA Regul Abspr u.Entlvntl DN 40", 19.2},
                            {"TA Regul Abspr u.Entlvntl DN 50", 33},
                            {"TAD Rgl, Dfdrck, Abspr, Entl DN 10", 1.47},
                            {"TAD Rgl, Dfdrck, Abspr, Entl DN 15", 2.52},
                            {"TAD Rgl, Dfdrck, Abspr, Entl DN 20", 5.7},
                            {"TAD Rgl, Dfdrck, Abspr, Entl DN 25", 8.7},
                            {"TAD Rgl, Dfdrck, Abspr, Entl DN 32", 14.2},
                            {"TAD Rgl, Dfdrck, Abspr, Entl DN 40", 19.2},
                            {"TAD Rgl, Dfdrck, Abspr, Entl DN 50", 33},
                        },
                    },
                    ModelBox{
                        .name = "cboAbsprArm",
                        .prompt = "         Absperr- u. Enleer-Armaturen",
                        .entries = {
                            {"Kugelhahn Globo DN 10+DN 15       ", 6},
                            {"Kugelhahn Globo DN 20             ", 14},
                            {"Kugelhahn Globo DN 25             ", 25},
                            {"Kugelhahn Globo DN 32             ", 42},
                            {"Kugelhahn Globo DN 40             ", 65},
                            {"Kugelhahn Globo DN 50             ", 100},
                            {"Kugelhahn Globo P DN 25           ", 25},
                            {"Kugelhahn Globo P DN 32           ", 42},
                            {"Kugelhahn Globo PS DN 25          ", 8},
                            {"Kugelhahn Globo PS DN 32          ", 10},
                            {"Muffenschieber DN 10              ", 6},
                            {"Muffenschieber DN 15              ", 13},
                            {"Muffenschieber DN 20              ", 40},
                            {"Muffenschieber DN 25              ", 60},
                            {"Muffenschieber DN 32              ", 100},
                            {"Muffenschieber DN 40              ", 150},
                            {"Muffenschieber DN 50              ", 270},
                            {"Muffenschieber DN 65              ", 450},
                        },
                    },
                },
            },
            // Maker 2
            KindBox{
                .name = "cboArmaturart1",
                .prompt = "                NMG Honeywell",
                .kinds = {
                    "HK-Armaturen                  ",
                    "Str.-Absperr u. Regulierarmat.",
                    "Absperrarmaturen              ",
                },
                .models = {
                    ModelBox{
                        .name = "cboNMGHK",
                        .prompt = "            HeizKörper-Armaturen",
                        .entries = {
                            {"Thrm Vntl BB DN10-DN20 Eck u Durchg. ", 0.62},
                            {"Thrm Vntl KV DN10-DN20 Eck u Durchg. ", 0.8},
                            {"Thrm Vntl UBG DN10 Eck               ", 1.9},
                            {"Thrm Vntl UBG DN15+DN20 Eck          ", 2.2},
                            {"Thrm Vntl UBG DN10 DG                ", 1.4},
                            {"Thrm Vntl UBG DN15 DG                ", 1.6},
                            {"Thrm Vntl UBG DN20 DG                ", 1.7},
                            {"Thrm Vntl V DN10-DN20 Eck u.Durchg.  ", 0.51},
                            {"Thrm Vntl FV DN10-DN20 Eck u.Durchg. ", 0.35},
                            {"Thrm Vntl SC DN10-DN Eck u.Durcuchg. ", 0.4},
                            {"Thrm Vntl H DN15 Eck u.Axial         ", 5},
                            {"Thrm Vntl H DN20+DN25 Eck u.Axial    ", 7},
                            {"Thrm Vntl H DN15 Durchg.             ", 3.5},
                            {"Thrm Vntl H DN20+DN25 Durchg.        ", 5.5},
                            {"HK-Vrschrbg Verafix DN10-DN20 Eck    ", 1.7},
                            {"HK-Vrschrbg Verafix DN10-DN20 Dg     ", 1.45},
                        },
                    },
                    ModelBox{
                        .name = "cboNMGRegArm",
                        .prompt = "     Absperr- u.Regulier-Armaturen",
                        .entries = {
                            {"Absp u Rglvntl Kombi II DN10+DN15", 2.5},
                            {"Absp u Rglvntl Kombi II DN20+DN25", 7},
                            {"Absp u Rglvntl Kombi II DN32+DN40", 22},
                            {"Absp u Rglvntl Kombi II DN50+DN65", 47},
                        },
                    },
                    ModelBox{
                        .name = "cboNMGAbsprArm",
                        .prompt = "      Absperr- u. Entleer-Armaturen",
                        .entries = kombiIIIRegulatingValves(),
                    },
                },
            },
            // Maker 3 has no kind box: it opens the second form.
        },
    };
    return form;
}

const CatalogueFormData& controlValvesAndMixers() {
    static const CatalogueFormData form{
        .formName = "frmArmaturen2",
        .caption = "KV-werte",
        .headline = "Regel- und Flanscharmaturen",
        .makerPrompt = "              Hersteller",
        .makers = {
            "  Zentra / Landis & Gyr",
            "  Ari und Boa",
        },
        .kindBoxes = {
            // Group 1
            KindBox{
                .name = "cboArmaturart3",
                .prompt = "             Zentra / Landis & Gyr",
                .kinds = {
                    "Mischer 3- u. 4-Wege          ",
                    "Zentra Regelventile           ",
                    "LG Regelventile               ",
                },
                .models = {
                    ModelBox{
                        .name = "cboZentraMisch",
                        .prompt = "         Zentra   Mischer 3 u 4-Wege",
                        .entries = {
                            {"Mischer ZR DR DRK DN 15       ", 4},
                            {"Mischer ZR DR DRK DN 20       ", 6.3},
                            {"Mischer ZR DR DRK DN 25       ", 10},
                            {"Mischer ZR DR DRK DN 32       ", 16},
                            {"Mischer ZR DR DRK DN 40       ", 25},
                            {"Mischer ZR DR DRK DN 50       ", 40},
                            {"Mischer ZR DR DRK DN 65       ", 63},
                            {"Mischer ZR DR DRK DN 80       ", 100},
                            {"Mischer ZR DR DRK DN 100      ", 160},
                            {"Mischer ZR DR DRK DN 125      ", 250},
                            {"Mischer ZR DR DRK DN 150      ", 360},
                            {"Mischer ZR DR DRK DN 200      ", 630},
                            {"Mischer ZRK  DN 20            ", 5.6},
                            {"Mischer ZRK  DN 25            ", 8.5},
                            {"Mischer ZRK  DN 32            ", 14},
                            {"Mischer ZRK  DN 40            ", 22},
                        },
                    },
                    // The maker's value list was out of step with its entries:
                    // it had eight identical "Sonderr DN 15 DG" entries for
                    // seven values, and the values after them did not follow
                    // the order of the entries. The list keeps seven "Sonderr"
                    // entries (40 entries for 40 values); from there on the
                    // values of each series are paired with its entries by
                    // rising size.
                    ModelBox{
                        .name = "cboZentraRegVentile",
                        .prompt = "    Zentra Regelventile 2 u. 3-Wege",
                        .entries = {
                            // Standard series DG, MG, VG
                            {"RgV 2+3-Wege DG,MG,VG DN 15.1", 0.63},
                            {"RgV 2+3-Wege DG,MG,VG DN 15.2", 1.6},
                            {"RgV 2+3-Wege DG,MG,VG DN 15.3", 4},
                            {"RgV 2+3-Wege DG,MG,VG DN 20 ", 6.3},
                            {"RgV 2+3-Wege DG,MG,VG DN 25 ", 10},
                            {"RgV 2+3-Wege DG,MG,VG DN 32 ", 16},
                            {"RgV 2+3-Wege DG,MG,VG DN 40 ", 25},
                            {"RgV 2+3-Wege DG,MG,VG DN 50 ", 40},
                            {"RgV 2+3-Wege DG,MG,VG DN 65 ", 63},
                            {"RgV 2+3-Wege DG,MG,VG DN 80 ", 100},
                            {"RgV 2+3-Wege DG,MG,VG DN 100", 160},
                            {"RgV 2+3-Wege DG,MG,VG DN 125", 250},
                            // Sonderreihe (Sonderr)
                            {"RgV 2+3-Wege Sonderr DN 15 DG", 0.25},
                            {"RgV 2+3-Wege Sonderr DN 15 DG", 0.315},
                            {"RgV 2+3-Wege Sonderr DN 15 DG", 0.4},
                            {"RgV 2+3-Wege Sonderr DN 15 DG", 0.5},
                            {"RgV 2+3-Wege Sonderr DN 15 DG", 1.25},
                            {"RgV 2+3-Wege Sonderr DN 15 DG", 2},
                            {"RgV 2+3-Wege Sonderr DN 15 DG", 3.15},
                            // Nebenreihe (Nebenr)
                            {"RgV 2+3-Wege Nebenr DN 15.1", 1},
                            {"RgV 2+3-Wege Nebenr DN 15.2", 2.5},
                            {"RgV 2+3-Wege Nebenr DN 20  ", 5},
                            {"RgV 2+3-Wege Nebenr DN 25  ", 8},
                            {"RgV 2+3-Wege Nebenr DN 32  ", 12.5},
                            {"RgV 2+3-Wege Nebenr DN 40  ", 20},
                            {"RgV 2+3-Wege Nebenr DN 50  ", 31.5},
                            {"RgV 2+3-Wege Nebenr DN 65  ", 50},
                            {"RgV 2+3-Wege Nebenr DN 80  ", 80},
                            {"RgV 2+3-Wege Nebenr DN 100 ", 125},
                            {"RgV 2+3-Wege Nebenr DN 125 ", 200},
                            // Kompaktreihe
                            {"RgV 2+3-Wege Kompakt  DN 15/1", 0.4},
                            {"RgV 2+3-Wege Kompakt  DN 15/2", 0.63},
                            {"RgV 2+3-Wege Kompakt  DN 15/3", 1},
                            {"RgV 2+3-Wege Kompakt  DN 15/4", 1.6},
                            {"RgV 2+3-Wege Kompakt  DN 15/5", 2.5},
                            {"RgV 2+3-Wege Kompakt  DN 20  ", 4},
                            {"RgV 2+3-Wege Kompakt  DN 25  ", 6.3},
                            {"RgV 2+3-Wege Kompakt  DN 32  ", 10},
                            {"RgV 2+3-Wege Kompakt  DN 40  ", 16},
                            {"RgV 2+3-Wege Kompakt  DN 50  ", 25},
                        },
                    },
                    ModelBox{
                        .name = "cboLGRegelVent",
                        .prompt = "      L&G Regelventile 2 u. 3-Wege",
                        .entries = {
                            {"RgV 2+3-Wege VVF/VXF21 DN 25.1 Flansch", 5},
                            {"RgV 2+3-Wege VVF/VXF21 DN 25.2 Flansch", 7.5},
                            {"RgV 2+3-Wege VVF/VXF21 DN 40.1 Flansch", 12},
                            {"RgV 2+3-Wege VVF/VXF21 DN 40.2 Flansch", 19},
                            {"RgV 2+3-Wege VVF/VXF21 DN 50.1 Flansch", 19},
                            {"RgV 2+3-Wege VVF/VXF21 DN 50.2 Flansch", 31},
                            {"RgV 2+3-Wege VVF/VXF21 DN 65 Flansch ", 49},
                            {"RgV 2+3-Wege VVF/VXF21 DN 80 Flansch ", 78},
                            {"RgV 2+3-Wege VVF/VXF21 DN 100 Flansch", 124},
                            {"RgV 2-Wege VVG41 DN 15.1 Verschraubg ", 0.63},
                            {"RgV 2-Wege VVG41 DN 15.2 Verschraubg ", 1},
                            {"RgV 2+3-Wege VVG/VXG41 DN 15.1 Verschr", 1.6},
                            {"RgV 2+3-Wege VVF/VXG41 DN 15.2 Verschr", 2.5},
                            {"RgV 2+3-Wege VVF/VXG41 DN 15.3 Verschr", 4},
                            {"RgV 2+3-Wege VVF/VXG41 DN 20 Verschr  ", 6.3},
                            {"RgV 2+3-Wege VVF/VXG41 DN 25 Verschr  ", 10},
                            {"RgV 2+3-Wege VVF/VXG41 DN 32 Verschr  ", 16},
                            {"RgV 2+3-Wege VVF/VXG41 DN 40 Verschr  ", 25},
                            {"RgV 2+3-Wege VVF/VXG41 DN 50 Verschr  ", 40},
                            {"RgV 2+3-Wege VVG/VXG45 DN 15 Verschr  ", 0.63},
                            {"RgV 2+3-Wege VVG/VXG45 DN 15.1 Verschr", 1},
                            {"RgV 2+3-Wege VVG/VXG45 DN 15.2 Verschr", 1.6},
                            {"RgV 2+3-Wege VVG/VXG45 DN 15.3 Verschr", 2.5},
                            {"RgV 2+3-Wege VVG/VXG45 DN 15.4 Verschr", 4},
                            {"RgV 2+3-Wege VVG/VXG45 DN 20 Verschr  ", 6.3},
                            {"RgV 2+3-Wege VVG/VXG45 DN 25 Verschr  ", 10},
                            {"RgV 2+3-Wege VVG/VXG45 DN 32 Verschr  ", 16},
                            {"RgV 2+3-Wege VVG/VXG45 DN 40 Verschr  ", 25},
                            {"RgV 2-Wege VVF41 DN 15.1 Flansch      ", 0.63},
                            {"RgV 2-Wege VVF41 DN 15.2 Flansch      ", 1},
                            {"RgV 2+3-Wege VVF/VXF41 DN 15.1 Flansch", 1.6},
                            {"RgV 2+3-Wege VVF/VXF41 DN 15.2 Flansch", 2.5},
                            {"RgV 2+3-Wege VVF/VXF41 DN 15.3 Flansch", 4},
                            {"RgV 2+3-Wege VVF/VXF41 DN 25.1 Flansch", 6.3},
                            {"RgV 2+3-Wege VVF/VXF41 DN 25.2 Flansch", 10},
                            {"RgV 2+3-Wege VVF/VXF41 DN 40.1 Flansch", 16},
                            {"RgV 2+3-Wege VVF/VXF41 DN 40.2 Flansch", 25},
                            {"RgV 2+3-Wege VVF/VXF41 DN 50 Flansch  ", 31},
                            {"RgV 2+3-Wege VVF/VXF41 DN 65 Flansch  ", 49},
                            {"RgV 2+3-Wege VVF/VXF41 DN 80 Flansch  ", 78},
                            {"RgV 2+3-Wege VVF/VXF41 DN 100 Flansch ", 124},
                            {"RgV 2+3-Wege VVF/VXF41 DN 125 Flansch ", 200},
                            {"RgV 2+3-Wege VVF/VXF41 DN 150 Flansch ", 300},
                        },
                    },
                },
            },
            // Group 2
            KindBox{
                .name = "cboArmaturart4",
                .prompt = "                    Ari / Boa",
                .kinds = {
                    "Ari Absperrventile            ",
                    "LG Absperrventile             ",
                    "Absperrarmaturen              ",
                },
                .models = {
                    // Two series, DN 15 to DN 200 each.
                    ModelBox{
                        .name = "cboAriAbsprArm",
                        .prompt = "          Ari  Flanschen-Ventile",
                        .entries = {
                            {"Flansch-Absperrventil FTF-1 DN 15     ", 19.6},
                            {"Flansch-Absperrventil FTF-1 DN 20     ", 26.3},
                            {"Flansch-Absperrventil FTF-1 DN 25     ", 32.2},
                            {"Flansch-Absperrventil FTF-1 DN 32     ", 53.6},
                            {"Flansch-Absperrventil FTF-1 DN 40     ", 62.8},
                            {"Flansch-Absperrventil FTF-1 DN 50     ", 94.5},
                            {"Flansch-Absperrventil FTF-1 DN 65     ", 156},
                            {"Flansch-Absperrventil FTF-1 DN 80     ", 242.5},
                            {"Flansch-Absperrventil FTF-1 DN 100    ", 369},
                            {"Flansch-Absperrventil FTF-1 DN 125    ", 532},
                            {"Flansch-Absperrventil FTF-1 DN 150    ", 878},
                            {"Flansch-Absperrventil FTF-1 DN 200    ", 1533},
                            {"Flansch-Absperrventil BOA-Compact DN 15    ", 15.3},
                            {"Flansch-Absperrventil BOA-Compact DN 20    ", 21.6},
                            {"Flansch-Absperrventil BOA-Compact DN 25    ", 31.1},
                            {"Flansch-Absperrventil BOA-Compact DN 32    ", 50},
                            {"Flansch-Absperrventil BOA-Compact DN 40    ", 62},
                            {"Flansch-Absperrventil BOA-Compact DN 50    ", 91},
                            {"Flansch-Absperrventil BOA-Compact DN 65    ", 136},
                            {"Flansch-Absperrventil BOA-Compact DN 80    ", 250},
                            {"Flansch-Absperrventil BOA-Compact DN 100   ", 383},
                            {"Flansch-Absperrventil BOA-Compact DN 125   ", 533},
                            {"Flansch-Absperrventil BOA-Compact DN 150   ", 833},
                            {"Flansch-Absperrventil BOA-Compact DN 200   ", 1518},
                        },
                    },
                    // Two series, DN 15 to DN 200 each. The "BOA-Compact"
                    // texts also stand in the Ari list, with other values.
                    ModelBox{
                        .name = "cboKSBVentile",
                        .prompt = "         Boa Flanschen-Ventile",
                        .entries = {
                            {"Flansch-Absperrventil BOA-W DN 15     ", 4.2},
                            {"Flansch-Absperrventil BOA-W DN 20     ", 9.1},
                            {"Flansch-Absperrventil BOA-W DN 25     ", 11.5},
                            {"Flansch-Absperrventil BOA-W DN 32     ", 21},
                            {"Flansch-Absperrventil BOA-W DN 40     ", 27},
                            {"Flansch-Absperrventil BOA-W DN 50     ", 52},
                            {"Flansch-Absperrventil BOA-W DN 65     ", 71},
                            {"Flansch-Absperrventil BOA-W DN 80     ", 122},
                            {"Flansch-Absperrventil BOA-W DN 100    ", 180},
                            {"Flansch-Absperrventil BOA-W DN 125    ", 290},
                            {"Flansch-Absperrventil BOA-W DN 150    ", 440},
                            {"Flansch-Absperrventil BOA-W DN 200    ", 674},
                            {"Flansch-Absperrventil BOA-Compact DN 15    ", 9.3},
                            {"Flansch-Absperrventil BOA-Compact DN 20    ", 19.6},
                            {"Flansch-Absperrventil BOA-Compact DN 25    ", 20.3},
                            {"Flansch-Absperrventil BOA-Compact DN 32    ", 31.1},
                            {"Flansch-Absperrventil BOA-Compact DN 40    ", 55.7},
                            {"Flansch-Absperrventil BOA-Compact DN 50    ", 82.9},
                            {"Flansch-Absperrventil BOA-Compact DN 65    ", 137},
                            {"Flansch-Absperrventil BOA-Compact DN 80    ", 192},
                            {"Flansch-Absperrventil BOA-Compact DN 100   ", 304},
                            {"Flansch-Absperrventil BOA-Compact DN 125   ", 438},
                            {"Flansch-Absperrventil BOA-Compact DN 150   ", 558},
                            {"Flansch-Absperrventil BOA-Compact DN 200   ", 1008},
                        },
                    },
                    // Offers the second maker's "Kombi III" list of the
                    // first form under this form's own prompt.
                    ModelBox{
                        .name = "cboNMGAbsprArm",
                        .prompt = "        Absperr u. Regelventile",
                        .entries = kombiIIIRegulatingValves(),
                    },
                },
            },
        },
    };
    return form;
}

}  // namespace catalogue
