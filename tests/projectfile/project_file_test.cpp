#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>

#include "projectfile/ProjectFile.h"
#include "workfile/Files.h"

namespace {

using Json = nlohmann::ordered_json;
using project::ValveDialog;

// Copper; every field set; the third circuit is work in hand. Its
// numbers include 0.1, 12.5, 1e-7 and 1e-4 (whose shortest text is "1e-04").
project::Document everyField() {
    project::Document doc;
    doc.header = {"P-17", "Jörg \"Jo\" Maß", "1.2.2024", "a\\b", "é", "", "", "", "", "", "x"};
    doc.material = 2;
    doc.supplyTemperature = {75.5, "75,5"};
    doc.returnTemperature = {60, "60"};
    doc.lineEstimates = {12, 0, 7};
    const project::Valve first{2.5, "Heimeier", "Heimeier", ValveDialog::First, "Heimeier", "V"};
    const project::Valve second{1e-4, "Oventrop", "", ValveDialog::Second, "Oventrop", "AV 6"};
    const project::SectionInputs critical{7, 0.1, 0.5, 8, first, 1, {1, 2, 3, 50}};
    const project::SectionInputs further{21, 12.5, 0, 0, second, 0, {0, 0, 0, 0}};
    auto add = [&doc](project::Circuit& c, project::Section s) {
        s.id = project::newId(doc);
        c.sections.push_back(std::move(s));
    };
    project::Circuit& main = project::beginCircuit(doc, 1, 9999);
    add(main, {0, {{1.5, 2326.5}, {1, 0}}, critical, {}});
    add(main, {0, {{2, 1e-7}}, project::SectionInputs{critical}, {}});
    main.sections[1].inputs->length = 1e-7;
    main.sections[1].inputs->valve = second;
    main.finished = true;
    project::Circuit& two = project::beginCircuit(doc, 21, 31);  // "20,7" passes and is kept as 21
    two.sharedSections = {7, 70};
    two.sharedSectionsDone = two.finished = true;
    for (int k = 0; k < 5; ++k)
        add(two, {0, {{3, 800}}, further, k == 2 ? 8 : std::optional<std::int16_t>{}});
    project::Circuit& three = project::beginCircuit(doc, 3, 1);
    three.sharedSections = {7};
    three.sharedSectionsDone = true;
    add(three, {0, {{4, 1}}, further, 100});
    add(three, {0, {{5, 2}}, {}, {}});
    doc.balancing.presettingTable = "Ventil \"A\" DN 20";
    doc.balancing.generatorLoss = 150;
    doc.balancing.limits = {{10, 20.5, 1000}, {0.01, 0.3, 1, 10}, 1, 10000};
    project::Circuit& balanced = doc.circuits[1];
    balanced.presettingTable = "Heimeier V-exakt";
    doc.balancing.tables = {{"Heimeier V-exakt", {{"1", 0.01}, {"2,5", 0.3}, {"N", 600}}}};
    balanced.balancingValve = balanced.sections[2].id;
    return doc;
}

TEST(ProjectFile, WritesWhatReadsBackToTheSameDocument) {
    for (const project::Document& doc : {project::Document{}, everyField()}) {
        const std::string text = projectfile::projectFileText(doc);
        SCOPED_TRACE(text);
        EXPECT_TRUE(
            text.starts_with("{\n  \"format\": \"rohrweiten-projekt\",\n  \"version\": 3,\n"));
        const projectfile::ReadOutcome read = projectfile::readProjectFile(text);
        ASSERT_TRUE(read.document) << read.reason;
        EXPECT_EQ(*read.document, doc);
        EXPECT_EQ(projectfile::projectFileText(*read.document), text);
    }
    const std::string text = projectfile::projectFileText(everyField());
    for (const char* number : {"\"laenge\": 0.1,", "\"laenge\": 12.5,", "\"laenge\": 1e-07,",
                               "\"kv\": 1e-04,", "\"leistung\": 1e-07\n", "\"wert\": 60,"})
        EXPECT_NE(text.find(number), std::string::npos) << number;
    // Apart from the doubles, the layout is nlohmann's own.
    const std::string plain = projectfile::projectFileText(project::Document{});
    EXPECT_EQ(Json::parse(plain).dump(2) + "\n", plain);
}

// A version 1 file has no balance and opens with the default one; a
// version 2 file keeps no copies of the planner's tables.
TEST(ProjectFile, ReadsOlderVersionsWithoutWhatTheyDidNotKeep) {
    for (const int version : {1, 2}) {
        project::Document doc = everyField();
        Json json = Json::parse(projectfile::projectFileText(doc));
        json["version"] = version;
        json["abgleich"].erase("tabellen");
        doc.balancing.tables.clear();
        if (version == 1) {
            json.erase("abgleich");
            for (Json& circuit : json["kreise"]) {
                circuit.erase("voreinstelltabelle");
                circuit.erase("abgleichventil");
            }
            doc.balancing = {};
            for (project::Circuit& circuit : doc.circuits) circuit.presettingTable.clear();
            doc.circuits[1].balancingValve.reset();
        }
        const projectfile::ReadOutcome read = projectfile::readProjectFile(json.dump(2));
        ASSERT_TRUE(read.document) << read.reason;
        EXPECT_EQ(*read.document, doc) << version;
    }
}

TEST(ProjectFile, RefusesADamagedFileNamingTheFirstWrongPlace) {
    struct Case {
        std::function<void(Json&)> damage;
        std::string reason;
        int newerVersion = 0;
    };
    const std::string deep = std::string(17, '[') + std::string(17, ']');
    const Case cases[] = {
        {[](Json& j) { j["version"] = 4; }, "", 4},
        {[](Json& j) { j["version"] = 2; },
         "abgleich: unbekannter Schlüssel \"tabellen\""},
        {[](Json& j) { j["abgleich"]["tabellen"][0]["stufen"][2]["kv"] = 0.3; },
         "abgleich/tabellen/1: Die kv-Werte müssen von Stufe zu Stufe steigen."},
        {[](Json& j) { j["abgleich"]["tabellen"][0]["name"] = "Thermostatventil DN 15, 8 Stufen"; },
         "abgleich/tabellen/1: Diesen Namen gibt es schon."},
        {[](Json& j) { j["abgleich"]["tabellen"][0]["stufen"][0].erase("kv"); },
         "abgleich/tabellen/1/stufen/1: Schlüssel \"kv\" fehlt"},
        {[](Json& j) { j["version"] = 1; }, "Datei: unbekannter Schlüssel \"abgleich\""},
        {[](Json& j) { j["kreise"][1].erase("abgleichventil"); },
         "kreise/2: Schlüssel \"abgleichventil\" fehlt"},
        {[](Json& j) { j["abgleich"]["erzeugerverlust"] = 10000; },
         "abgleich/erzeugerverlust: 10000 liegt nicht zwischen 0 und 9999"},
        {[](Json& j) { j["abgleich"]["grenzen"]["durchmesser"][1] = 10; },
         "abgleich/grenzen/durchmesser/2: 10 ist nicht größer als der Durchmesser davor"},
        {[](Json& j) { j["abgleich"]["grenzen"]["geschwindigkeiten"][3] = 10.5; },
         "abgleich/grenzen/geschwindigkeiten/4: 10,5 liegt nicht zwischen 0,01 und 10"},
        {[](Json& j) { j["abgleich"]["grenzen"]["ventilgeraeusch"] = 0.5; },
         "abgleich/grenzen/ventilgeraeusch: 0,5 liegt nicht zwischen 1 und 10000"},
        {[](Json& j) { j["kreise"][0]["voreinstelltabelle"] = std::string(201, 'x'); },
         "kreise/1/voreinstelltabelle: länger als 200 Zeichen"},
        {[](Json& j) { j["abgleich"]["voreinstelltabelle"] = "a\tb"; },
         "abgleich/voreinstelltabelle: enthält ein Steuerzeichen"},
        {[](Json& j) { j["kreise"][2]["abgleichventil"] = 7; },
         "kreise/3/abgleichventil: 7 ist keine Teilstrecke dieses Stromkreises"},
        {[](Json& j) { j.erase("version"); }, "Datei: Schlüssel \"version\" fehlt"},
        {[](Json& j) { j["format"] = "rohrweiten"; },
         "Die Datei ist keine Rohrweiten-Projektdatei."},
        {[](Json& j) { j["kreise"][2]["farbe"] = 1; }, "kreise/3: unbekannter Schlüssel \"farbe\""},
        {[](Json& j) { j["kreise"][1].erase("fertig"); }, "kreise/2: Schlüssel \"fertig\" fehlt"},
        {[](Json& j) { j["kreise"][0]["fertig"] = "ja"; },
         "kreise/1/fertig: ist kein Wahrheitswert"},
        {[](Json& j) { j["kreise"][1]["teilstrecken"][4]["eingaben"]["laenge"] = 150; },
         "kreise/2/teilstrecken/5/eingaben/laenge: 150 liegt nicht zwischen 0,1 und 100"},
        {[](Json& j) { j["kreise"][0]["teilstrecken"][0]["eingaben"]["laenge"] = 101; },
         "kreise/1/teilstrecken/1/eingaben/laenge: 101 liegt nicht zwischen 0,1 und 100"},
        {[](Json& j) { j["kreise"][1]["teilstrecken"][0]["verbraucher"][0]["leistung"] = 0.5; },
         "kreise/2/teilstrecken/1/verbraucher/1/leistung: 0,5 liegt nicht zwischen 1 und 50000"},
        {[](Json& j) { j["kreise"][0]["teilstrecken"][1]["eingaben"]["verbraucherzeichen"] = 2; },
         "kreise/1/teilstrecken/2/eingaben/verbraucherzeichen: 2 liegt nicht zwischen 0 und 1"},
        {[](Json& j) { j["kreise"][0]["strang"] = 3.5; },
         "kreise/1/strang: 3,5 ist keine ganze Zahl"},
        {[](Json& j) { j["kreise"][0]["teilstrecken"][1]["eingaben"]["dn"] = 17; },
         "kreise/1/teilstrecken/2/eingaben/dn: 17 gibt es für Kupferrohr nicht"},
        {[](Json& j) { j["kreise"][2]["teilstrecken"][0]["korrekturDn"] = 17; },
         "kreise/3/teilstrecken/1/korrekturDn: 17 gibt es für Kupferrohr nicht"},
        {[](Json& j) { j["kreise"][1]["teilstrecken"][0]["eingaben"]["dn"] = 15; },
         "kreise/2/teilstrecken/1/eingaben/dn: 15 ist in weiteren Stromkreisen immer 0"},
        {[](Json& j) {
             j["kreise"] = Json::array({j["kreise"][0]});
             j["kreise"][0]["gemeinsam"] = {7};
         },
         "kreise/1/gemeinsam: der erste Stromkreis hat keine gemeinsamen Teilstrecken"},
        {[](Json& j) { j["kreise"][2]["gemeinsamFertig"] = false; },
         "kreise/3/teilstrecken: Teilstrecken vor dem Ende der gemeinsamen Teilstrecken"},
        {[](Json& j) { j["kreise"][1]["teilstrecken"][3].erase("eingaben"); },
         "kreise/2/teilstrecken/4: eingaben fehlen vor weiteren Teilstrecken"},
        {[](Json& j) { j["kreise"][2]["fertig"] = true; },
         "kreise/3/teilstrecken/2: eingaben fehlen im fertigen Stromkreis"},
        {[](Json& j) {
             for (int k = 0; k < 18; ++k) j["kreise"].push_back(j["kreise"][2]);
         },
         "kreise: mehr als 20 Stromkreise"},
        {[](Json& j) { j["kreise"][2]["id"] = 2; }, "kreise/3/id: 2 ist schon vergeben"},
        {[](Json& j) { j["naechsteId"] = 12; },
         "kreise/3/teilstrecken/2/id: 12 ist nicht kleiner als naechsteId 12"},
        {[](Json& j) { j["ruecklauf"]["wert"] = 75.5; },
         "ruecklauf/wert: 75,5 ist nicht kleiner als der Vorlauf 75,5"},
        {[](Json& j) { j["rohrart"] = 0; }, "rohrart: 0 liegt nicht zwischen 1 und 3"},
        {[](Json& j) { j["kopf"][1] = "a\nb"; }, "kopf/2: enthält ein Steuerzeichen"},
        {[](Json& j) { j["kopf"][10] = std::string(32768, 'x'); },
         "kopf/11: länger als 32767 Zeichen"},
        {[](Json& j) {
             j["kreise"][0]["teilstrecken"][0]["eingaben"]["ventil"]["dialog"] = "dritter";
         },
         "kreise/1/teilstrecken/1/eingaben/ventil/dialog: \"dritter\" ist kein Dialog"},
    };
    const std::string intact = projectfile::projectFileText(everyField());
    for (const Case& c : cases) {
        Json json = Json::parse(intact);
        c.damage(json);
        const projectfile::ReadOutcome read = projectfile::readProjectFile(json.dump(2));
        EXPECT_FALSE(read.document) << c.reason;
        EXPECT_EQ(read.reason, c.reason);
        EXPECT_EQ(read.newerVersion, c.newerVersion) << c.reason;
    }
    const std::pair<std::string, std::string> texts[] = {
        {"{\n\"format\":\n\n1,,\n}", "Die Datei ist kein gültiges JSON (Zeile 4)."},
        {"{\"kopf\": \"\xC3\x28\"}", "Die Datei ist kein gültiges JSON (Zeile 1)."},
        {deep, "Die Datei ist tiefer als 16 Ebenen verschachtelt."},
        {"{\"a\": 1, \"a\": 2}", "Ein Objekt der Datei nennt einen Schlüssel zweimal."},
        {std::string(workfile::kMaxFileBytes + 1, ' '), "Die Datei ist größer als 16 MiB."}};
    for (const auto& [text, reason] : texts)
        EXPECT_EQ(projectfile::readProjectFile(text).reason, reason);
}

}  // namespace
