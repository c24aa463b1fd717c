#include "editor/FrmGrenzwerte.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "editor/FieldText.h"
#include "toolkit/NumberText.h"

namespace editor {
namespace {

constexpr const char* kVelocityMessage = "Bitte Zahlen zwischen 0,1 und 3 eingeben.";
constexpr const char* kPressureMessage = "Bitte Zahlen zwischen 50 und 1000 eingeben.";

// Both bounds included; a rule excludes its upper bound, so it lies just above.
forms::FieldRule between(std::string_view field, double lower, double upper,
                         std::string_view message) {
    return {.field = field,
            .reading = forms::Reading::Locale,
            .lower = lower,
            .lowerIncluded = true,
            .upper = std::nextafter(upper, 2 * upper),
            .stored = forms::Stored::Locale,
            .message = message};
}

// In the order of the fields: four velocities, friction gradient, valve noise.
const std::array<forms::FieldRule, 6> kRules = {
    between("txtGeschw16", 0.1, 3, kVelocityMessage),
    between("txtGeschw27", 0.1, 3, kVelocityMessage),
    between("txtGeschw40", 0.1, 3, kVelocityMessage),
    between("txtGeschwDarueber", 0.1, 3, kVelocityMessage),
    between("txtReibung", 50, 1000, kPressureMessage),
    between("txtVentil", 50, 1000, kPressureMessage)};

}  // namespace

FrmGrenzwerte::FrmGrenzwerte(tk::WindowSystem& windows, tk::MessageBox& messages,
                             ProjectChanges& changes)
    : tk::Form(windows, "frmGrenzwerte", "Grenzwerte"), changes_(changes), checker_(messages) {
    cmdUebernehmen.onClick([this] { cmdUebernehmen_Click(); });
    cmdStandardwerte.onClick([this] { cmdStandardwerte_Click(); });
    cmdAbbrechen.onClick([this] { cmdAbbrechen_Click(); });
}

void FrmGrenzwerte::showLimits() {
    load();
    setDefaultButton(&cmdUebernehmen);
    show(changes_.document().balancing.limits);
    txtGeschw16.setFocus();
    showModal();
}

std::array<tk::TextField*, 6> FrmGrenzwerte::fields() {
    return {&txtGeschw16, &txtGeschw27, &txtGeschw40, &txtGeschwDarueber, &txtReibung, &txtVentil};
}

void FrmGrenzwerte::show(const project::Limits& limits) {
    for (std::size_t i = 0; i < limits.velocities.size(); ++i)
        fields()[i]->setText(tk::standardText(limits.velocities[i]));
    txtReibung.setText(tk::standardText(limits.frictionGradient));
    txtVentil.setText(tk::standardText(limits.valveNoise));
}

void FrmGrenzwerte::cmdStandardwerte_Click() { show(project::Limits{}); }

std::optional<double> FrmGrenzwerte::checked(std::size_t index) {
    tk::TextField& field = *fields()[index];
    const forms::FieldRule& rule = kRules[index];
    if (!tk::hasControlCharacters(field.text())) return checker_.number(rule, field);
    checker_.correction(rule.message, field);
    return std::nullopt;
}

// Every field in order; none after the first refused one was told.
std::optional<project::Limits> FrmGrenzwerte::checkedLimits() {
    std::array<double, 6> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::optional<double> value = checked(i);
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    project::Limits limits = changes_.document().balancing.limits;
    std::copy_n(values.begin(), limits.velocities.size(), limits.velocities.begin());
    limits.frictionGradient = values[4];
    limits.valveNoise = values[5];
    return limits;
}

// Limits as they are close the dialog without a step.
bool FrmGrenzwerte::take(const project::Limits& limits) {
    if (limits == changes_.document().balancing.limits) return true;
    return changes_.commit("Grenzwerte", [limits](project::Document& d) {
        d.balancing.limits = limits;
        return steps::Outcome{};
    });
}

void FrmGrenzwerte::cmdUebernehmen_Click() {
    const std::optional<project::Limits> limits = checkedLimits();
    if (limits && take(*limits)) unload();
}

}  // namespace editor
