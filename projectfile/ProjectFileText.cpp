#include <algorithm>
#include <charconv>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "projectfile/Keys.h"
#include "projectfile/ProjectFile.h"

namespace projectfile {
namespace {

using Json = nlohmann::ordered_json;

Json temperature(const project::Temperature& t) {
    return Json{{"wert", t.value}, {"text", t.text}};
}

Json valve(const project::Valve& v) {
    return Json{{"kv", v.kv},
                {"text", v.shownText},
                {"zaehltext", v.countingText},
                {"dialog", kDialogNames.at(static_cast<std::size_t>(v.dialog))},
                {"hersteller", v.maker},
                {"modell", v.model}};
}

Json inputs(const project::SectionInputs& in) {
    return Json{{"nummer", in.number},
                {"laenge", in.length},
                {"geschwindigkeit", in.designVelocity},
                {"dn", in.dn},
                {"ventil", valve(in.valve)},
                {"verbraucherzeichen", static_cast<double>(in.consumerFlag)},
                {"boegen", in.counts.bends},
                {"tStuecke", in.counts.tees},
                {"anbindungen", in.counts.connections},
                {"reduzierungen", in.counts.reducers}};
}

Json section(const project::Section& s) {
    Json consumers = Json::array();
    for (const project::Consumer& c : s.consumers)
        consumers.push_back(Json{{"nummer", c.number}, {"leistung", c.load}});
    Json out{{"id", s.id}, {"verbraucher", std::move(consumers)}};
    if (s.inputs) out["eingaben"] = inputs(*s.inputs);
    if (s.correctedDn) out["korrekturDn"] = *s.correctedDn;
    return out;
}

Json circuit(const project::Circuit& c) {
    Json sections = Json::array();
    for (const project::Section& s : c.sections) sections.push_back(section(s));
    return Json{{"id", c.id},
                {"strang", c.riser},
                {"verbraucher", c.consumerNumber},
                {"gemeinsam", c.sharedSections},
                {"gemeinsamFertig", c.sharedSectionsDone},
                {"teilstrecken", std::move(sections)},
                {"fertig", c.finished}};
}

Json documentJson(const project::Document& d) {
    Json circuits = Json::array();
    for (const project::Circuit& c : d.circuits) circuits.push_back(circuit(c));
    return Json{{"format", kFormat},
                {"version", kVersion},
                {"kopf", d.header},
                {"rohrart", d.material},
                {"vorlauf", temperature(d.supplyTemperature)},
                {"ruecklauf", temperature(d.returnTemperature)},
                {"zeilenschaetzungen", d.lineEstimates},
                {"naechsteId", d.nextId},
                {"kreise", std::move(circuits)}};
}

template <typename Number>
void appendNumber(std::string& out, Number value) {
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Printable ASCII without quote or backslash stands in the file as it is;
// anything else nlohmann escapes.
void appendString(std::string& out, const std::string& text) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return c >= 0x20 && c < 0x7f && c != '"' && c != '\\';
    });
    if (!plain) {
        out += Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
        return;
    }
    out += '"';
    out += text;
    out += '"';
}

// As nlohmann's dump with an indent of two, except that a double is the
// shortest text that reads back to it (std::to_chars): "1e-04", "10".
void appendValue(std::string& out, const Json& value, std::size_t indent);

void appendItems(std::string& out, const Json& value, std::size_t indent) {
    const bool object = value.is_object();
    if (value.empty()) {
        out += object ? "{}" : "[]";
        return;
    }
    out += object ? "{\n" : "[\n";
    for (auto it = value.begin(); it != value.end(); ++it) {
        if (it != value.begin()) out += ",\n";
        out.append(indent + 2, ' ');
        if (object) {
            appendString(out, it.key());
            out += ": ";
        }
        appendValue(out, *it, indent + 2);
    }
    out += '\n';
    out.append(indent, ' ');
    out += object ? '}' : ']';
}

void appendValue(std::string& out, const Json& value, std::size_t indent) {
    switch (value.type()) {
        case Json::value_t::object:
        case Json::value_t::array:
            return appendItems(out, value, indent);
        case Json::value_t::number_float:
            return appendNumber(out, value.get<double>());
        case Json::value_t::number_integer:
            return appendNumber(out, value.get<std::int64_t>());
        case Json::value_t::number_unsigned:
            return appendNumber(out, value.get<std::uint64_t>());
        case Json::value_t::string:
            return appendString(out, value.get_ref<const std::string&>());
        default:
            out += value.dump();
    }
}

}  // namespace

std::string projectFileText(const project::Document& document) {
    std::string text;
    appendValue(text, documentJson(document), 0);
    text += '\n';
    return text;
}

}  // namespace projectfile
