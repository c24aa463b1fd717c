#include "balancing/Csv.h"

#include <cstdio>
#include <vector>

#include "listing/FormatMask.h"
#include "state/CalcState.h"

namespace balancing {

namespace {

using Fields = std::vector<std::string>;

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kLineEnd = "\r\n";

std::string field(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string line(const Fields& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ';';
        out += field(fields[i]);
    }
    return out + kLineEnd;
}

std::string number(double value, const char* mask) { return listing::formatNumber(value, mask); }

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

template <class T>
std::string optionalText(const std::optional<T>& value, auto&& toText) {
    return value ? toText(*value) : std::string();
}

std::string joined(const std::vector<std::string>& messages) {
    std::string out;
    for (const std::string& message : messages) out += (out.empty() ? "" : " ") + message;
    return out;
}

Fields circuitFields(const CircuitRow& row) {
    Fields fields(14);
    fields[0] = std::to_string(row.riser);
    fields[1] = std::to_string(row.consumerNumber);
    fields[13] = joined(row.messages);
    if (!row.finished) return fields;
    const auto kv = [](double value) { return number(value, "0.000"); };
    const auto whole = [](int value) { return std::to_string(value); };
    if (row.valveSection) {
        fields[2] = twoDigits(row.valveSectionNumber);
        fields[3] = row.valveText;
        fields[4] = kv(row.kv);
        fields[10] = row.table;
        fields[11] = row.step.value_or("");
        fields[12] = optionalText(row.share, whole);
    }
    fields[5] = number(row.massFlow, "0.0");
    fields[6] = number(row.need, "0.0");
    fields[7] = number(row.excess, "0.0");
    fields[8] = number(row.throttle, "0.0");
    fields[9] = optionalText(row.requiredKv, kv);
    return fields;
}

Fields pipeFields(const PipeQuantity& pipe) {
    return {"Rohr", calc::materialReportName(pipe.material), std::to_string(pipe.dn), "",
            number(pipe.length, "0.00"), number(pipe.water, "0.0"), "", ""};
}

Fields countFields(const std::string& kind, int count) {
    return {kind, "", "", "", "", "", std::to_string(count), ""};
}

Fields valveFields(const ValveGroup& valve) {
    return {"Ventil", "", "", valve.text, "", "", std::to_string(valve.count),
            number(valve.kv, "0.000")};
}

}  // namespace

std::string balanceCsv(const Balance& balance) {
    std::string out = kByteOrderMark;
    out += line({"Strang", "Verbraucher", "TS Ventil", "Ventil", "kv", "Massenstrom kg/h",
                 "Bedarf mbar", "Überschuss mbar", "Drosseldruck mbar", "kv erforderlich",
                 "Tabelle", "Stufe", "Durchfluss %", "Hinweise"});
    for (const CircuitRow& row : balance.circuits) out += line(circuitFields(row));
    return out;
}

std::string quantitiesCsv(const Quantities& quantities) {
    std::string out = kByteOrderMark;
    out += line({"Art", "Rohrart", "DN", "Bezeichnung", "Länge m", "Wasserinhalt l", "Anzahl",
                 "kv"});
    for (const PipeQuantity& pipe : quantities.pipes) out += line(pipeFields(pipe));
    out += line(countFields("Bogen", quantities.bends));
    out += line(countFields("T-Stück", quantities.tees));
    out += line(countFields("Anbindung", quantities.connections));
    out += line(countFields("Reduzierung", quantities.reducers));
    for (const ValveGroup& valve : quantities.valves) out += line(valveFields(valve));
    out += line({"Summe", "", "", "", number(quantities.totalLength, "0.00"),
                 number(quantities.totalWater, "0.0"), "", ""});
    return out;
}

}  // namespace balancing
