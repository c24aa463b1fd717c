#pragma once
#include <string>
#include <vector>

// Fixed content of the two fittings-catalogue forms: maker boxes, kind boxes
// and model lists with the kv value of every entry. The data are built in;
// nothing is read from files. Display texts keep their leading and trailing
// blanks exactly, because they are shown and handed on unchanged.

namespace catalogue {

struct FittingEntry {
    std::string text;  // display text, blanks kept
    double kv;         // m³/h
};

struct ModelBox {
    std::string name;    // control name, e.g. "cboHeimHK"
    std::string prompt;  // text shown before a choice
    std::vector<FittingEntry> entries;
};

struct KindBox {
    std::string name;  // e.g. "cboArmaturart"
    std::string prompt;
    std::vector<std::string> kinds;  // entry texts, position 1 first
    std::vector<ModelBox> models;    // models[i] is opened by kinds[i]
};

struct CatalogueFormData {
    std::string formName;             // "frmArmaturen" / "frmArmaturen2"
    std::string caption;              // "KV-werte"
    std::string headline;             // Label3
    std::string makerPrompt;          // prompt of cboHersteller
    std::vector<std::string> makers;  // entries of cboHersteller
    std::vector<KindBox> kindBoxes;   // kindBoxes[i] is opened by makers[i]
};

// Radiator fittings, riser valves and shut-off fittings of two makers; its
// third maker entry opens the second form and has no kind box.
const CatalogueFormData& radiatorAndRiserFittings();
// Mixers, control valves and flanged shut-off valves.
const CatalogueFormData& controlValvesAndMixers();

}  // namespace catalogue
