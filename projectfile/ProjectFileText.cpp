#include <algorithm>
#include <charconv>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <utility>

#include "projectfile/Keys.h"
#include "projectfile/ProjectFile.h"

namespace projectfile {
namespace {

using Json = nlohmann::ordered_json;

// An object whose keys stand in the order in which they are added.
class Object {
public:
    explicit Object(std::size_t size) { entries().reserve(size); }
    template <typename Value>
    Object& add(std::string_view key, Value&& value) {
        entries().emplace_back(std::string(key), Json(std::forward<Value>(value)));
        return *this;
    }
    Json done() { return std::move(json_); }

private:
    Json::object_t& entries() { return json_.get_ref<Json::object_t&>(); }
    Json json_ = Json::object();
};

Json temperature(const project::Temperature& t) {
    return Object(2).add("wert", t.value).add("text", t.text).done();
}

Json valve(const project::Valve& v) {
    return Object(6)
        .add("kv", v.kv)
        .add("text", v.shownText)
        .add("zaehltext", v.countingText)
        .add("dialog", kDialogNames.at(static_cast<std::size_t>(v.dialog)))
        .add("hersteller", v.maker)
        .add("modell", v.model)
        .done();
}

Json inputs(const project::SectionInputs& in) {
    return Object(10)
        .add("nummer", in.number)
        .add("laenge", in.length)
        .add("geschwindigkeit", in.designVelocity)
        .add("dn", in.dn)
        .add("ventil", valve(in.valve))
        .add("verbraucherzeichen", static_cast<double>(in.consumerFlag))
        .add("boegen", in.counts.bends)
        .add("tStuecke", in.counts.tees)
        .add("anbindungen", in.counts.connections)
        .add("reduzierungen", in.counts.reducers)
        .done();
}

Json section(const project::Section& s) {
    Json consumers = Json::array();
    consumers.get_ref<Json::array_t&>().reserve(s.consumers.size());
    for (const project::Consumer& c : s.consumers)
        consumers.push_back(Object(2).add("nummer", c.number).add("leistung", c.load).done());
    Object out(4);
    out.add("id", s.id).add("verbraucher", std::move(consumers));
    if (s.inputs) out.add("eingaben", inputs(*s.inputs));
    if (s.correctedDn) out.add("korrekturDn", *s.correctedDn);
    return out.done();
}

Json circuit(const project::Circuit& c) {
    Json sections = Json::array();
    sections.get_ref<Json::array_t&>().reserve(c.sections.size());
    for (const project::Section& s : c.sections) sections.push_back(section(s));
    return Object(9)
        .add("id", c.id)
        .add("strang", c.riser)
        .add("verbraucher", c.consumerNumber)
        .add("gemeinsam", c.sharedSections)
        .add("gemeinsamFertig", c.sharedSectionsDone)
        .add("teilstrecken", std::move(sections))
        .add("fertig", c.finished)
        .add("voreinstelltabelle", c.presettingTable)
        .add("abgleichventil", c.balancingValve ? Json(*c.balancingValve) : Json(nullptr))
        .done();
}

Json tables(const std::vector<project::PresettingTable>& tables) {
    Json out = Json::array();
    for (const project::PresettingTable& table : tables) {
        Json steps = Json::array();
        for (const project::PresettingStep& step : table.steps)
            steps.push_back(Object(2).add("name", step.name).add("kv", step.kv).done());
        out.push_back(Object(2).add("name", table.name).add("stufen", std::move(steps)).done());
    }
    return out;
}

Json balancing(const project::Balancing& b) {
    const project::Limits& l = b.limits;
    return Object(4)
        .add("voreinstelltabelle", b.presettingTable)
        .add("erzeugerverlust", b.generatorLoss)
        .add("grenzen", Object(4)
                            .add("durchmesser", l.velocityDiameters)
                            .add("geschwindigkeiten", l.velocities)
                            .add("druckgefaelle", l.frictionGradient)
                            .add("ventilgeraeusch", l.valveNoise)
                            .done())
        .add("tabellen", tables(b.tables))
        .done();
}

Json documentJson(const project::Document& d) {
    Json circuits = Json::array();
    for (const project::Circuit& c : d.circuits) circuits.push_back(circuit(c));
    return Object(10)
        .add("format", kFormat)
        .add("version", kVersion)
        .add("kopf", d.header)
        .add("rohrart", d.material)
        .add("vorlauf", temperature(d.supplyTemperature))
        .add("ruecklauf", temperature(d.returnTemperature))
        .add("zeilenschaetzungen", d.lineEstimates)
        .add("abgleich", balancing(d.balancing))
        .add("naechsteId", d.nextId)
        .add("kreise", std::move(circuits))
        .done();
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

// About what the file takes: a section with its inputs fills some 500
// bytes, a circuit's own keys some 300.
std::size_t expectedLength(const project::Document& d) {
    std::size_t sections = 0;
    for (const project::Circuit& c : d.circuits) sections += c.sections.size();
    return 4096 + 512 * sections + 384 * d.circuits.size();
}

}  // namespace

std::string plannerTablesText(const std::vector<project::PresettingTable>& planned) {
    std::string text;
    appendValue(text,
                Object(3)
                    .add("format", kTablesFormat)
                    .add("version", kTablesVersion)
                    .add("tabellen", tables(planned))
                    .done(),
                0);
    text += '\n';
    return text;
}

std::string projectFileText(const project::Document& document) {
    std::string text;
    text.reserve(expectedLength(document));
    appendValue(text, documentJson(document), 0);
    text += '\n';
    return text;
}

}  // namespace projectfile
