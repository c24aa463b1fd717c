// The editor's fields: how each one's text is checked with the rule of the
// form it was first typed on and taken as one step on the document.
#include <algorithm>
#include <cctype>

#include "circuit/MainFormRules.h"
#include "editor/FieldText.h"
#include "editor/FrmProjektBearbeiten.h"
#include "forms/Fittings.h"
#include "remaining/RemainingRules.h"
#include "toolkit/NumberText.h"

namespace editor {

using Kind = editing::TreeItem::Kind;

bool FrmProjektBearbeiten::unapplied(const tk::TextField& field) const {
    const auto shown = shown_.find(&field);
    return field.visible() && field.enabled() && shown != shown_.end() &&
           shown->second != field.text();
}

tk::TextField* FrmProjektBearbeiten::pendingField() {
    for (auto& [field, reader] : readers_)
        if (unapplied(*field)) return const_cast<tk::TextField*>(field);
    return nullptr;
}

bool FrmProjektBearbeiten::applyPending() {
    if (insertion_) return true;
    tk::TextField* field = pendingField();
    return !field || applyField(*field);
}

bool FrmProjektBearbeiten::refuse(tk::TextField& field) {
    refusedField_ = &field;
    refusedText_ = field.text();
    field.setFocus();
    return false;
}

bool FrmProjektBearbeiten::applyField(tk::TextField& field) {
    if (showing_ || insertion_ || !unapplied(field)) return true;
    if (&field == refusedField_ && field.text() == refusedText_) {
        field.setFocus();
        return false;
    }
    std::optional<Edit> edit = readers_.at(&field)(field);
    if (!edit || !commit(edit->name, edit->change)) return refuse(field);
    return true;
}

void FrmProjektBearbeiten::bindField(tk::TextField& field, FieldReader reader) {
    readers_[&field] = std::move(reader);
    field.onApply([this, &field] { return applyField(field); });
}

// A field read by its rule: the value, or none after the rule's message. A
// text with line breaks or control characters is no number.
std::optional<double> FrmProjektBearbeiten::readNumber(const forms::FieldRule& rule,
                                                       tk::TextField& field) {
    if (tk::hasControlCharacters(field.text())) {
        checker_.correction(rule.message, field);
        return std::nullopt;
    }
    if (!rule.conversionIsFault) return checker_.number(rule, field);
    return checker_.number(rule, field, [this, &field] {
        checker_.inputFault();
        field.setFocus();
    });
}

std::optional<std::int16_t> FrmProjektBearbeiten::readWhole(const forms::FieldRule& rule,
                                                            tk::TextField& field) {
    if (tk::hasControlCharacters(field.text())) {
        checker_.correction(rule.message, field);
        return std::nullopt;
    }
    return checker_.whole(rule, field);
}

std::optional<FrmProjektBearbeiten::Edit> FrmProjektBearbeiten::sectionInput(
    tk::TextField&, const std::string& what,
    const std::function<std::optional<std::function<void(project::SectionInputs&)>>()>& read) {
    std::optional<std::function<void(project::SectionInputs&)>> set = read();
    if (!set) return std::nullopt;
    const project::Id id = selection_.id;
    return Edit{what + " " + sectionName(),
                [id, set = std::move(*set)](project::Document& document) -> steps::Outcome {
                    project::Section* section = project::findSection(document, id);
                    if (!section || !section->inputs) return steps::correction(kSectionGone);
                    set(*section->inputs);
                    return std::nullopt;
                }};
}

void FrmProjektBearbeiten::defineReaders() {
    using Set = std::optional<std::function<void(project::SectionInputs&)>>;
    namespace cr = circuit::rules;
    namespace rr = remaining::rules;
    auto number = [this](const forms::FieldRule& r, tk::TextField& f) { return readNumber(r, f); };
    auto whole = [this](const forms::FieldRule& r, tk::TextField& f) { return readWhole(r, f); };
    auto input = [this](tk::TextField& field, std::string what, auto read) {
        bindField(field, [this, what, read](tk::TextField& f) {
            return sectionInput(f, what, [&]() -> Set { return read(f); });
        });
    };
    input(txtTeilstr, "Nummer", [=, this](tk::TextField& f) -> Set {
        auto v = whole(rule(cr::sectionNumber, rr::sectionNumber), f);
        if (!v) return std::nullopt;
        return [n = *v](project::SectionInputs& in) { in.number = n; };
    });
    input(txtTeilstrckmtr, "Länge", [=, this](tk::TextField& f) -> Set {
        auto v = number(rule(cr::sectionLength, rr::sectionLength), f);
        if (!v) return std::nullopt;
        return [x = *v](project::SectionInputs& in) { in.length = x; };
    });
    input(txtGeschw, "Geschwindigkeit", [=](tk::TextField& f) -> Set {
        auto v = number(cr::designVelocity, f);
        if (!v) return std::nullopt;
        return [x = *v](project::SectionInputs& in) { in.designVelocity = x; };
    });
    input(txtRohrDN, "DN", [=](tk::TextField& f) -> Set {
        auto v = whole(cr::pipeDn, f);
        if (!v) return std::nullopt;
        return [n = *v](project::SectionInputs& in) { in.dn = n; };
    });
    input(txtKVWert, "KV-Wert", [=, this](tk::TextField& f) -> Set {
        auto v = number(rule(cr::kv, rr::kv), f);
        if (!v) return std::nullopt;
        return [x = *v](project::SectionInputs& in) { in.valve.kv = x; };
    });
    input(txtVrbrchr, "Verbraucher", [=, this](tk::TextField& f) -> Set {
        auto v = whole(rule(cr::consumerCount, rr::consumerCount), f);
        if (!v) return std::nullopt;
        return [x = *v](project::SectionInputs& in) { in.consumerFlag = static_cast<float>(x); };
    });
    struct Count {
        tk::TextField& field;
        const char* what;
        const forms::FieldRule& rule;
        std::int16_t project::FittingCounts::*count;
    };
    for (Count c :
         {Count{txtBoganzahl, "Bogen", cr::bendCount, &project::FittingCounts::bends},
          Count{txtTAnzahl, "T-Stücke", cr::teeCount, &project::FittingCounts::tees},
          Count{txtAnbindAnz, "Anbindungen", cr::connectionCount,
                &project::FittingCounts::connections},
          Count{txtReduAnz, "Reduzierung", cr::reducerCount, &project::FittingCounts::reducers}})
        input(c.field, c.what, [=, &rule = c.rule, count = c.count](tk::TextField& f) -> Set {
            auto v = whole(rule, f);
            if (!v) return std::nullopt;
            return [n = *v, count](project::SectionInputs& in) { in.counts.*count = n; };
        });
    input(txtVentDN, "Armatur", [this](tk::TextField& f) -> Set {
        const bool critical = inCritical();
        return [text = cleaned(f.text()), critical](project::SectionInputs& in) {
            in.valve.shownText = text;
            if (!critical) in.valve.countingText = text;
        };
    });
    bindField(txtKorrDm, [=, this](tk::TextField& f) -> std::optional<Edit> {
        auto v = whole(rr::correctionDn, f);
        if (!v) return std::nullopt;
        return Edit{"Korrektur DN " + sectionName(),
                    [id = selection_.id, n = *v](project::Document& d) -> steps::Outcome {
                        project::Section* section = project::findSection(d, id);
                        if (!section) return steps::correction(kSectionGone);
                        section->correctedDn = n;
                        return std::nullopt;
                    }};
    });
    // The chosen consumer's number and load.
    struct ConsumerValue {
        tk::TextField& field;
        const char* what;
        const forms::FieldRule& critical;
        const forms::FieldRule& further;
        double project::Consumer::*value;
    };
    for (ConsumerValue c : {ConsumerValue{txtHzKprNr, "Verbraucher Nr", cr::consumerNumber,
                                          rr::consumerNumber, &project::Consumer::number},
                            ConsumerValue{txtHkLstgW, "Leistung", cr::consumerLoad,
                                          rr::consumerLoad, &project::Consumer::load}})
        bindField(c.field, [=, this](tk::TextField& f) -> std::optional<Edit> {
            auto v = number(rule(c.critical, c.further), f);
            if (!v) return std::nullopt;
            return Edit{std::string(c.what) + " " + sectionName(),
                        [id = selection_.id, k = consumer_, x = *v,
                         value = c.value](project::Document& d) -> steps::Outcome {
                            project::Section* section = project::findSection(d, id);
                            if (!section || k >= section->consumers.size())
                                return steps::correction(kSectionGone);
                            section->consumers[k].*value = x;
                            return std::nullopt;
                        }};
        });
    defineCircuitReaders();
    defineProjectReaders();
}

void FrmProjektBearbeiten::defineCircuitReaders() {
    using Set = std::function<void(project::Circuit&)>;
    auto circuitField = [this](tk::TextField& field, std::string name, auto read) {
        bindField(field, [this, name, read](tk::TextField& f) -> std::optional<Edit> {
            std::optional<Set> set = read(f);
            if (!set) return std::nullopt;
            return Edit{name,
                        [id = selectedCircuit()->id,
                         set = std::move(*set)](project::Document& d) -> steps::Outcome {
                            project::Circuit* circuit = project::findCircuit(d, id);
                            if (!circuit)
                                return steps::correction("Diesen Stromkreis gibt es nicht mehr.");
                            set(*circuit);
                            return std::nullopt;
                        }};
        });
    };
    circuitField(txtStrNr, "Strang", [this](tk::TextField& f) -> std::optional<Set> {
        auto v = readWhole(rule(circuit::rules::riserNumber, remaining::rules::riserNumber), f);
        if (!v) return std::nullopt;
        return [n = *v](project::Circuit& c) { c.riser = n; };
    });
    circuitField(txtHFlNr, "Verbraucher Nr", [this](tk::TextField& f) -> std::optional<Set> {
        auto v = readWhole(
            rule(circuit::rules::circuitConsumerNumber, remaining::rules::circuitConsumerNumber),
            f);
        if (!v) return std::nullopt;
        return [n = *v](project::Circuit& c) { c.consumerNumber = n; };
    });
    circuitField(txtGemeinsam, "Gemeinsame Teilstrecken",
                 [this](tk::TextField& f) -> std::optional<Set> {
                     std::optional<std::vector<std::int16_t>> numbers = sharedNumbers(f);
                     if (!numbers) return std::nullopt;
                     return [n = *numbers](project::Circuit& c) { c.sharedSections = n; };
                 });
}

// "4, 31": each number by the rule of the shared sections' number field.
std::optional<std::vector<std::int16_t>> FrmProjektBearbeiten::sharedNumbers(tk::TextField& field) {
    const forms::FieldRule& rule = remaining::rules::commonSectionNumber;
    std::vector<std::int16_t> numbers;
    std::string item;
    const std::string text = field.text() + ",";
    for (char c : text) {
        if (c != ',' && c != ';' && c != ' ') {
            item += c;
            continue;
        }
        if (item.empty()) continue;
        const forms::CheckResult checked = forms::checkField(rule, item);
        const std::optional<std::int16_t> number =
            checked.status == forms::CheckStatus::Passed && !tk::hasControlCharacters(item)
                ? tk::toInt16(checked.value)
                : std::nullopt;
        if (!number) {
            checker_.correction(rule.message, field);
            return std::nullopt;
        }
        numbers.push_back(*number);
        item.clear();
    }
    return numbers;
}

void FrmProjektBearbeiten::defineProjectReaders() {
    using Set = std::function<void(project::Document&)>;
    auto projectField = [this](tk::TextField& field, std::string name, auto read) {
        bindField(field, [name, read](tk::TextField& f) -> std::optional<Edit> {
            std::optional<Set> set = read(f);
            if (!set) return std::nullopt;
            return Edit{name, [set = std::move(*set)](project::Document& d) -> steps::Outcome {
                            set(d);
                            return std::nullopt;
                        }};
        });
    };
    std::size_t k = 0;
    for (tk::TextField* field : headerFields())
        projectField(*field, "Kopfdaten", [k = k++](tk::TextField& f) -> std::optional<Set> {
            return [k, text = cleaned(f.text())](project::Document& d) { d.header[k] = text; };
        });
    struct Temperature {
        tk::TextField& field;
        const char* name;
        const forms::FieldRule& rule;
        project::Temperature project::Document::*kept;
    };
    for (Temperature t : {Temperature{txtVorlauf, "Vorlauf", circuit::rules::supplyTemperature,
                                      &project::Document::supplyTemperature},
                          Temperature{txtRuecklauf, "Rücklauf", circuit::rules::returnTemperature,
                                      &project::Document::returnTemperature}})
        projectField(t.field, t.name,
                     [this, &rule = t.rule, kept = t.kept](tk::TextField& f) -> std::optional<Set> {
                         auto v = readNumber(rule, f);
                         if (!v) return std::nullopt;
                         return [kept, x = *v, text = f.text()](project::Document& d) {
                             d.*kept = {x, text};
                         };
                     });
}

// --- Changes ---

}  // namespace editor
