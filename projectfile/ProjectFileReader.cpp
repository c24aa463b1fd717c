#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "balancing/TableRules.h"
#include "circuit/MainFormRules.h"
#include "hydraulics/PipeTables.h"
#include "projectfile/Keys.h"
#include "projectfile/ProjectFile.h"
#include "remaining/RemainingRules.h"
#include "state/CalcState.h"
#include "toolkit/NumberText.h"
#include "workfile/Files.h"

namespace projectfile {
namespace {

using Json = nlohmann::json;
using forms::FieldRule;
using Keys = std::initializer_list<std::string_view>;

constexpr int kMaxDepth = 16;
// The header window's fields set no maximum of their own, so each takes
// what a line edit takes.
constexpr std::size_t kHeaderFieldLength = 32767;
constexpr double kMaxGeneratorLoss = 9999;  // mbar
constexpr std::size_t kMaxTableName = 200;
constexpr std::size_t kMostTables = 1000;
constexpr std::size_t kMaxSharedSections = std::size_t{calc::kMaxRisers} * calc::kMaxSections;

using R = forms::Reading;
using S = forms::Stored;
const FieldRule kMaterial{"rohrart",      R::WholeNumber,    0, true, 4,
                          S::WholeNumber, "zwischen 0 und 3"};
const FieldRule kChosenMaterial{"rohrart",      R::WholeNumber,    1, true, 4,
                                S::WholeNumber, "zwischen 1 und 3"};
const FieldRule kLineEstimate{"zeilenschaetzungen", R::WholeNumber,        0, true, 32768,
                              S::WholeNumber,       "zwischen 0 und 32767"};
const FieldRule kNextId{"naechsteId",
                        R::WholeNumber,
                        1,
                        true,
                        4294967296.0,
                        S::WholeNumber,
                        "zwischen 1 und 4294967295"};
const FieldRule kVersionRule{
    "version", R::WholeNumber, 1, true, 2147483648.0, S::WholeNumber, "zwischen 1 und 2147483647"};

// The rules of the form on which a circuit was entered.
struct CircuitRules {
    const FieldRule& riser;
    const FieldRule& circuitConsumer;
    const FieldRule& consumerNumber;
    const FieldRule& consumerLoad;
    const FieldRule& sectionNumber;
    const FieldRule& length;
    const FieldRule& kv;
    const FieldRule& consumerFlag;
};
namespace main = circuit::rules;
namespace rest = remaining::rules;
const CircuitRules kCriticalRules{
    main::riserNumber,  main::circuitConsumerNumber, main::consumerNumber,
    main::consumerLoad, main::sectionNumber,         main::sectionLength,
    main::kv,           main::consumerCount};
const CircuitRules kFurtherRules{
    rest::riserNumber,  rest::circuitConsumerNumber, rest::consumerNumber,
    rest::consumerLoad, rest::sectionNumber,         rest::sectionLength,
    rest::kv,           rest::consumerCount};

struct Refused {
    std::string reason;
};

bool isWhole(const FieldRule& rule) {
    return rule.reading == R::WholeNumber || rule.stored == S::WholeNumber ||
           rule.stored == S::RoundedEven;
}

// A field that rounds its value after the check may keep it up to half a
// unit beyond a bound: "20,7" passes the riser's check as 20 and is kept
// as 21. The reader takes what the field can keep.
bool inBounds(const FieldRule& rule, double value) {
    const bool roundedAfterCheck = rule.reading != R::WholeNumber &&
                                   (rule.stored == S::WholeNumber || rule.stored == S::RoundedEven);
    if (roundedAfterCheck) return value >= rule.lower - 0.5 && value <= rule.upper;
    const bool aboveLower = rule.lowerIncluded ? value >= rule.lower : value > rule.lower;
    return aboveLower && value < rule.upper;
}

// "zwischen 0,1 und 100", as the field's message names the bounds; a
// message without them gets the whole numbers the bounds let through.
std::string boundsText(const FieldRule& rule) {
    const std::string_view message = rule.message;
    const auto from = message.find("zwischen ");
    if (from != std::string_view::npos)
        return std::string(message.substr(from, message.find(" eingeben", from) - from));
    const double low = rule.lowerIncluded ? std::ceil(rule.lower) : std::floor(rule.lower) + 1;
    return "zwischen " + tk::standardText(low) + " und " +
           tk::standardText(std::ceil(rule.upper) - 1);
}

std::string inQuotes(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The file's values as the parser hands them over, in one flat list in
// which the entries of each object or list stand side by side.
struct Span {
    std::uint32_t from = 0;
    std::uint32_t length = 0;
};

struct Value {
    enum class Kind : std::uint8_t { Null, Flag, Number, Text, Object, List };
    Kind kind = Kind::Null;
    bool flag = false;
    double number = 0;
    Span text;
    Span key;  // within an object
    std::uint32_t first = 0;  // entries, in Tree::values
    std::uint32_t count = 0;
};

struct Tree {
    std::string characters;  // of every key and text
    std::vector<Value> values;
    Value root;

    std::string_view chars(Span span) const {
        return std::string_view(characters).substr(span.from, span.length);
    }
    const Value& entry(const Value& container, std::size_t k) const {
        return values[container.first + k];
    }
};

// A value of the file and its place, "kreise/2/teilstrecken/5", which is
// spelt out only for a refusal.
class Node {
public:
    explicit Node(const Tree& tree) : tree_(tree), value_(tree.root) {}
    Node(const Value& value, const Node* parent, std::string_view key, std::size_t index)
        : tree_(parent->tree_), value_(value), parent_(parent), key_(key), index_(index) {}

    [[noreturn]] void refuse(const std::string& what) const {
        const std::string where = place();
        throw Refused{(where.empty() ? "Datei" : where) + ": " + what};
    }

    // An object with exactly these keys; the optional ones may be missing.
    // `alsoRequired` holds the keys that only some versions require.
    void keys(Keys required, Keys optional = {}, Keys alsoRequired = {}) const {
        if (!is(Value::Kind::Object)) refuse("ist kein Objekt");
        if (const auto unknown = firstUnknownKey({required, alsoRequired, optional}))
            refuse("unbekannter Schlüssel " + inQuotes(*unknown));
        for (Keys keys : {required, alsoRequired})
            for (std::string_view key : keys)
                if (!has(key)) refuse("Schlüssel " + inQuotes(key) + " fehlt");
    }
    bool is(Value::Kind kind) const { return value_.kind == kind; }
    bool has(std::string_view key) const { return find(key) != nullptr; }
    Node at(std::string_view key) const { return {*find(key), this, key, 0}; }
    Node at(std::size_t index) const { return {tree_.entry(value_, index), this, {}, index}; }
    // A list of at most `most` entries.
    std::size_t list(std::size_t most, std::string_view entries) const {
        if (!is(Value::Kind::List)) refuse("ist keine Liste");
        if (value_.count > most)
            refuse("mehr als " + std::to_string(most) + " " + std::string(entries));
        return value_.count;
    }
    double number() const {
        if (!is(Value::Kind::Number)) refuse("ist keine Zahl");
        return value_.number;
    }
    double whole() const {
        const double value = number();
        if (value != std::floor(value)) refuse(tk::standardText(value) + " ist keine ganze Zahl");
        return value;
    }
    // The number within the field's bounds; whole where the field is.
    double ruled(const FieldRule& rule) const {
        const double value = isWhole(rule) ? whole() : number();
        if (!inBounds(rule, value))
            refuse(tk::standardText(value) + " liegt nicht " + boundsText(rule));
        return value;
    }
    // A number from `lower` to `upper`, both included.
    double between(double lower, double upper) const {
        const double value = number();
        if (!(value >= lower && value <= upper))
            refuse(tk::standardText(value) + " liegt nicht zwischen " + tk::standardText(lower) +
                   " und " + tk::standardText(upper));
        return value;
    }
    std::int16_t shortRuled(const FieldRule& rule) const {
        return static_cast<std::int16_t>(ruled(rule));
    }
    bool flag() const {
        if (!is(Value::Kind::Flag)) refuse("ist kein Wahrheitswert");
        return value_.flag;
    }
    std::string_view textView() const {
        if (!is(Value::Kind::Text)) refuse("ist kein Text");
        return tree_.chars(value_.text);
    }
    std::string text() const {
        const std::string_view text = textView();
        if (tk::hasControlCharacters(text)) refuse("enthält ein Steuerzeichen");
        return std::string(text);
    }

private:
    static bool contains(std::initializer_list<Keys> lists, std::string_view key) {
        return std::any_of(lists.begin(), lists.end(), [key](Keys keys) {
            return std::find(keys.begin(), keys.end(), key) != keys.end();
        });
    }
    const Value* find(std::string_view key) const {
        for (std::size_t k = 0; k < value_.count; ++k)
            if (tree_.chars(tree_.entry(value_, k).key) == key) return &tree_.entry(value_, k);
        return nullptr;
    }
    // The first in the order of the keys' bytes, as the refusal names it.
    std::optional<std::string_view> firstUnknownKey(std::initializer_list<Keys> known) const {
        std::optional<std::string_view> first;
        for (std::size_t k = 0; k < value_.count; ++k) {
            const std::string_view key = tree_.chars(tree_.entry(value_, k).key);
            if (!contains(known, key) && (!first || key < *first)) first = key;
        }
        return first;
    }
    std::string place() const {
        if (!parent_) return {};
        const std::string up = parent_->place();
        const std::string step = key_.empty() ? std::to_string(index_ + 1) : std::string(key_);
        return up.empty() ? step : up + "/" + step;
    }
    const Tree& tree_;
    const Value& value_;
    const Node* parent_ = nullptr;
    std::string_view key_;
    std::size_t index_ = 0;
};

// Ids are handed out once: each nonzero, below the next one, and only once.
class Ids {
public:
    explicit Ids(project::Id next) : next_(next) {}
    project::Id take(const Node& node) {
        const double id = node.whole();
        const std::string text = tk::standardText(id);
        if (id < 1) node.refuse(text + " ist keine Kennung");
        if (id >= next_)
            node.refuse(text + " ist nicht kleiner als naechsteId " + tk::standardText(next_));
        if (!seen_.insert(static_cast<project::Id>(id)).second)
            node.refuse(text + " ist schon vergeben");
        return static_cast<project::Id>(id);
    }

private:
    project::Id next_;
    std::unordered_set<project::Id> seen_;
};

project::PresettingTable presettingTable(const Node& node) {
    node.keys({"name", "stufen"});
    project::PresettingTable table{node.at("name").text(), {}};
    const Node steps = node.at("stufen");
    for (std::size_t k = 0, n = steps.list(balancing::kMostSteps, "Stufen"); k < n; ++k) {
        const Node step = steps.at(k);
        step.keys({"name", "kv"});
        table.steps.push_back({step.at("name").text(), step.at("kv").number()});
    }
    return table;
}

// Tables that keep the dialog's rules, each name once and none a built-in one.
std::vector<project::PresettingTable> presettingTables(const Node& node) {
    std::vector<project::PresettingTable> tables;
    for (std::size_t k = 0, n = node.list(kMostTables, "Tabellen"); k < n; ++k) {
        tables.push_back(presettingTable(node.at(k)));
        const std::string fault = balancing::tableFault(
            tables.back(), balancing::takenNames(tables, tables.size() - 1));
        if (!fault.empty()) node.at(k).refuse(fault);
    }
    return tables;
}

class DocumentReader {
public:
    DocumentReader(const Node& root, int version)
        : root_(root), balanced_(version >= 2), tablesKept_(version >= 3) {}

    project::Document read() {
        root_.keys({"format", "version", "kopf", "rohrart", "vorlauf", "ruecklauf",
                    "zeilenschaetzungen", "naechsteId", "kreise"},
                   {}, balanced_ ? Keys{"abgleich"} : Keys{});
        readHeader(root_.at("kopf"));
        doc_.material = root_.at("rohrart").shortRuled(kMaterial);
        doc_.supplyTemperature = temperature(root_.at("vorlauf"), main::supplyTemperature);
        doc_.returnTemperature = temperature(root_.at("ruecklauf"), main::returnTemperature);
        if (doc_.material != 0 && !(doc_.supplyTemperature.value > doc_.returnTemperature.value))
            root_.at("ruecklauf")
                .at("wert")
                .refuse(tk::standardText(doc_.returnTemperature.value) +
                        " ist nicht kleiner als der Vorlauf " +
                        tk::standardText(doc_.supplyTemperature.value));
        const Node estimates = root_.at("zeilenschaetzungen");
        for (std::size_t k = 0, n = estimates.list(calc::kMaxRisers, "Einträge"); k < n; ++k)
            doc_.lineEstimates.push_back(estimates.at(k).shortRuled(kLineEstimate));
        if (balanced_) doc_.balancing = balancing(root_.at("abgleich"));
        doc_.nextId = static_cast<project::Id>(root_.at("naechsteId").ruled(kNextId));
        ids_.emplace(doc_.nextId);
        const Node circuits = root_.at("kreise");
        for (std::size_t k = 0, n = circuits.list(calc::kMaxRisers, "Stromkreise"); k < n; ++k)
            doc_.circuits.push_back(circuit(circuits.at(k), k == 0));
        return std::move(doc_);
    }

private:
    void readHeader(const Node& header) {
        if (header.list(doc_.header.size(), "Einträge") != doc_.header.size())
            header.refuse("weniger als 11 Einträge");
        for (std::size_t k = 0; k < doc_.header.size(); ++k) {
            const Node field = header.at(k);
            doc_.header[k] = field.text();
            if (tk::characterCount(doc_.header[k]) > kHeaderFieldLength)
                field.refuse("länger als " + std::to_string(kHeaderFieldLength) + " Zeichen");
        }
    }

    project::Balancing balancing(const Node& node) const {
        node.keys({"voreinstelltabelle", "erzeugerverlust", "grenzen"}, {},
                  tablesKept_ ? Keys{"tabellen"} : Keys{});
        return {tableName(node.at("voreinstelltabelle")),
                node.at("erzeugerverlust").between(0, kMaxGeneratorLoss),
                limits(node.at("grenzen")),
                tablesKept_ ? presettingTables(node.at("tabellen"))
                            : std::vector<project::PresettingTable>{}};
    }

    static project::Limits limits(const Node& node) {
        node.keys({"durchmesser", "geschwindigkeiten", "druckgefaelle", "ventilgeraeusch"});
        project::Limits l;
        const Node diameters = node.at("durchmesser");
        listOf(diameters, l.velocityDiameters.size());
        for (std::size_t k = 0; k < l.velocityDiameters.size(); ++k) {
            l.velocityDiameters[k] = diameters.at(k).between(1, 1000);
            if (k > 0 && l.velocityDiameters[k] <= l.velocityDiameters[k - 1])
                diameters.at(k).refuse(tk::standardText(l.velocityDiameters[k]) +
                                       " ist nicht größer als der Durchmesser davor");
        }
        const Node velocities = node.at("geschwindigkeiten");
        listOf(velocities, l.velocities.size());
        for (std::size_t k = 0; k < l.velocities.size(); ++k)
            l.velocities[k] = velocities.at(k).between(0.01, 10);
        l.frictionGradient = node.at("druckgefaelle").between(1, 10000);
        l.valveNoise = node.at("ventilgeraeusch").between(1, 10000);
        return l;
    }

    static void listOf(const Node& node, std::size_t count) {
        if (node.list(count, "Einträge") != count)
            node.refuse("weniger als " + std::to_string(count) + " Einträge");
    }

    static std::string tableName(const Node& node) {
        std::string name = node.text();
        if (tk::characterCount(name) > kMaxTableName)
            node.refuse("länger als " + std::to_string(kMaxTableName) + " Zeichen");
        return name;
    }

    // None, or one of the circuit's own sections.
    static std::optional<project::Id> balancingValve(const Node& node,
                                                     const project::Circuit& c) {
        if (node.is(Value::Kind::Null)) return std::nullopt;
        const double id = node.whole();
        const bool own = std::any_of(c.sections.begin(), c.sections.end(),
                                     [id](const project::Section& s) { return s.id == id; });
        if (!own) node.refuse(tk::standardText(id) + " ist keine Teilstrecke dieses Stromkreises");
        return static_cast<project::Id>(id);
    }

    // Until the first consumer a temperature may still be unentered: 0.
    project::Temperature temperature(const Node& node, const FieldRule& rule) const {
        node.keys({"wert", "text"});
        const Node value = node.at("wert");
        const bool unentered = doc_.material == 0 && value.number() == 0;
        return {unentered ? 0 : value.ruled(rule), node.at("text").text()};
    }

    // A consumer or a computed section needs the material chosen.
    void requireMaterial() const { root_.at("rohrart").ruled(kChosenMaterial); }

    project::Circuit circuit(const Node& node, bool critical) {
        node.keys({"id", "strang", "verbraucher", "gemeinsam", "gemeinsamFertig", "teilstrecken",
                   "fertig"},
                  {}, balanced_ ? Keys{"voreinstelltabelle", "abgleichventil"} : Keys{});
        const CircuitRules& rules = critical ? kCriticalRules : kFurtherRules;
        project::Circuit c;
        c.id = ids_->take(node.at("id"));
        c.riser = node.at("strang").shortRuled(rules.riser);
        c.consumerNumber = node.at("verbraucher").shortRuled(rules.circuitConsumer);
        const Node shared = node.at("gemeinsam");
        const std::size_t sharedCount = shared.list(kMaxSharedSections, "Einträge");
        if (critical && sharedCount > 0)
            shared.refuse("der erste Stromkreis hat keine gemeinsamen Teilstrecken");
        for (std::size_t k = 0; k < sharedCount; ++k)
            c.sharedSections.push_back(shared.at(k).shortRuled(rest::commonSectionNumber));
        c.sharedSectionsDone = node.at("gemeinsamFertig").flag();
        c.finished = node.at("fertig").flag();
        const Node sections = node.at("teilstrecken");
        const std::size_t count = sections.list(calc::kMaxSections, "Teilstrecken");
        if (count > 0 && !critical && !c.sharedSectionsDone)
            sections.refuse("Teilstrecken vor dem Ende der gemeinsamen Teilstrecken");
        for (std::size_t k = 0; k < count; ++k) {
            c.sections.push_back(section(sections.at(k), rules, critical));
            if (c.sections.back().inputs) continue;
            if (k + 1 < count) sections.at(k).refuse("eingaben fehlen vor weiteren Teilstrecken");
            if (c.finished) sections.at(k).refuse("eingaben fehlen im fertigen Stromkreis");
        }
        if (!balanced_) return c;
        c.presettingTable = tableName(node.at("voreinstelltabelle"));
        c.balancingValve = balancingValve(node.at("abgleichventil"), c);
        return c;
    }

    project::Section section(const Node& node, const CircuitRules& rules, bool critical) {
        node.keys({"id", "verbraucher"}, {"eingaben", "korrekturDn"});
        project::Section s;
        s.id = ids_->take(node.at("id"));
        const Node consumers = node.at("verbraucher");
        const std::size_t count = consumers.list(std::numeric_limits<std::size_t>::max(), "");
        for (std::size_t k = 0; k < count; ++k) {
            const Node consumer = consumers.at(k);
            consumer.keys({"nummer", "leistung"});
            requireMaterial();
            s.consumers.push_back({consumer.at("nummer").ruled(rules.consumerNumber),
                                   consumer.at("leistung").ruled(rules.consumerLoad)});
        }
        if (node.has("eingaben")) s.inputs = inputs(node.at("eingaben"), rules, critical);
        if (node.has("korrekturDn")) s.correctedDn = correction(node, critical, s);
        return s;
    }

    std::int16_t correction(const Node& section, bool critical, const project::Section& s) const {
        const Node node = section.at("korrekturDn");
        if (critical) node.refuse("gibt es nur in weiteren Stromkreisen");
        if (!s.inputs) node.refuse("gibt es nur nach den eingaben");
        const std::int16_t dn = node.shortRuled(rest::correctionDn);
        if (!hyd::correctionDiameter(doc_.material, dn)) unlisted(node, dn);
        return dn;
    }

    [[noreturn]] void unlisted(const Node& node, std::int16_t dn) const {
        node.refuse(std::to_string(dn) + " gibt es für " + calc::materialReportName(doc_.material) +
                    " nicht");
    }

    project::SectionInputs inputs(const Node& node, const CircuitRules& rules,
                                  bool critical) const {
        node.keys({"nummer", "laenge", "geschwindigkeit", "dn", "ventil", "verbraucherzeichen",
                   "boegen", "tStuecke", "anbindungen", "reduzierungen"});
        requireMaterial();
        project::SectionInputs in;
        in.number = node.at("nummer").shortRuled(rules.sectionNumber);
        in.length = node.at("laenge").ruled(rules.length);
        if (critical) {
            in.designVelocity = node.at("geschwindigkeit").ruled(main::designVelocity);
            in.dn = node.at("dn").shortRuled(main::pipeDn);
            if (!hyd::entryDiameter(doc_.material, in.dn)) unlisted(node.at("dn"), in.dn);
        } else {
            zero(node.at("geschwindigkeit"));
            zero(node.at("dn"));
        }
        in.valve = valve(node.at("ventil"), rules);
        in.consumerFlag =
            static_cast<float>(node.at("verbraucherzeichen").ruled(rules.consumerFlag));
        in.counts = {node.at("boegen").shortRuled(forms::rules::bendCount),
                     node.at("tStuecke").shortRuled(forms::rules::teeCount),
                     node.at("anbindungen").shortRuled(forms::rules::connectionCount),
                     node.at("reduzierungen").shortRuled(forms::rules::reducerCount)};
        return in;
    }

    // A further circuit's size and velocity are the program's to choose.
    static void zero(const Node& node) {
        const double value = node.number();
        if (value != 0)
            node.refuse(tk::standardText(value) + " ist in weiteren Stromkreisen immer 0");
    }

    static project::Valve valve(const Node& node, const CircuitRules& rules) {
        node.keys({"kv", "text", "zaehltext", "dialog", "hersteller", "modell"});
        project::Valve v;
        v.kv = node.at("kv").ruled(rules.kv);
        v.shownText = node.at("text").text();
        v.countingText = node.at("zaehltext").text();
        const Node dialog = node.at("dialog");
        const std::string name = dialog.text();
        const auto known = std::find(kDialogNames.begin(), kDialogNames.end(), name);
        if (known == kDialogNames.end()) dialog.refuse(inQuotes(name) + " ist kein Dialog");
        v.dialog = static_cast<project::ValveDialog>(known - kDialogNames.begin());
        v.maker = node.at("hersteller").text();
        v.model = node.at("modell").text();
        return v;
    }

    const Node& root_;
    const bool balanced_;    // the file keeps the balance: version 2 and on
    const bool tablesKept_;  // and the planner's tables it uses: version 3 and on
    project::Document doc_;
    std::optional<Ids> ids_;
};

// Builds the tree as the parser reads. Refuses nesting deeper than
// kMaxDepth when it opens, and an object that names a key twice when it
// closes, so that the first fault in the file is the one told.
class TreeBuilder {
public:
    explicit TreeBuilder(Tree& tree) : tree_(tree) {}

    bool null() { return add(Value{}); }
    bool boolean(bool flag) {
        Value value = of(Value::Kind::Flag);
        value.flag = flag;
        return add(value);
    }
    bool number_integer(std::int64_t number) { return addNumber(static_cast<double>(number)); }
    bool number_unsigned(std::uint64_t number) { return addNumber(static_cast<double>(number)); }
    bool number_float(double number, const std::string&) { return addNumber(number); }
    bool string(std::string& text) {
        Value value = of(Value::Kind::Text);
        value.text = keep(text);
        return add(value);
    }
    bool binary(Json::binary_t&) { return add(Value{}); }
    bool key(std::string& key) {
        key_ = keep(key);
        return true;
    }
    bool start_object(std::size_t) { return open(Value::Kind::Object); }
    bool start_array(std::size_t) { return open(Value::Kind::List); }
    bool end_object() {
        if (namesAKeyTwice())
            throw Refused{"Ein Objekt der Datei nennt einen Schlüssel zweimal."};
        return close();
    }
    bool end_array() { return close(); }
    template <typename Error>
    bool parse_error(std::size_t, const std::string&, const Error& error) {
        throw error;
    }

    void finish() { tree_.root = pending_.front(); }

private:
    static Value of(Value::Kind kind) {
        Value value;
        value.kind = kind;
        return value;
    }
    bool addNumber(double number) {
        Value value = of(Value::Kind::Number);
        value.number = number;
        return add(value);
    }
    bool add(Value value) {
        value.key = std::exchange(key_, {});
        pending_.push_back(value);
        return true;
    }
    Span keep(const std::string& text) {
        const Span span{static_cast<std::uint32_t>(tree_.characters.size()),
                        static_cast<std::uint32_t>(text.size())};
        tree_.characters += text;
        return span;
    }
    bool open(Value::Kind kind) {
        if (open_.size() + 1 > kMaxDepth)
            throw Refused{"Die Datei ist tiefer als " + std::to_string(kMaxDepth) +
                          " Ebenen verschachtelt."};
        open_.push_back(pending_.size());
        return add(of(kind));
    }
    // The open container's entries move behind those already closed.
    bool close() {
        const std::size_t at = open_.back();
        open_.pop_back();
        Value& container = pending_[at];
        container.first = static_cast<std::uint32_t>(tree_.values.size());
        container.count = static_cast<std::uint32_t>(pending_.size() - at - 1);
        tree_.values.insert(tree_.values.end(), pending_.begin() + at + 1, pending_.end());
        pending_.resize(at + 1);
        return true;
    }
    bool namesAKeyTwice() {
        const auto first = pending_.begin() + static_cast<std::ptrdiff_t>(open_.back()) + 1;
        if (pending_.end() - first <= 16) {
            for (auto it = first; it != pending_.end(); ++it)
                for (auto other = first; other != it; ++other)
                    if (tree_.chars(other->key) == tree_.chars(it->key)) return true;
            return false;
        }
        keys_.clear();
        for (auto it = first; it != pending_.end(); ++it) keys_.push_back(tree_.chars(it->key));
        std::sort(keys_.begin(), keys_.end());
        return std::adjacent_find(keys_.begin(), keys_.end()) != keys_.end();
    }

    Tree& tree_;
    std::vector<Value> pending_;    // the entries of the open containers
    std::vector<std::size_t> open_;  // where each open container stands in pending_
    Span key_;
    std::vector<std::string_view> keys_;
};

std::size_t lineOf(std::string_view bytes, std::size_t position) {
    const std::size_t end = std::min(position > 0 ? position - 1 : 0, bytes.size());
    return 1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + end, '\n'));
}

Tree parse(std::string_view bytes) {
    Tree tree;
    tree.values.reserve(bytes.size() / 16);
    tree.characters.reserve(bytes.size() / 4);
    TreeBuilder builder(tree);
    try {
        Json::sax_parse(bytes.begin(), bytes.end(), &builder);
    } catch (const Json::parse_error& e) {
        throw Refused{"Die Datei ist kein gültiges JSON (Zeile " +
                      std::to_string(lineOf(bytes, e.byte)) + ")."};
    } catch (const Json::exception&) {
        throw Refused{"Die Datei ist kein gültiges JSON."};
    }
    builder.finish();
    return tree;
}

ReadOutcome readTree(const Tree& tree) {
    const Node root(tree);
    const bool ours = root.is(Value::Kind::Object) && root.has("format") &&
                      root.at("format").is(Value::Kind::Text) &&
                      root.at("format").textView() == kFormat;
    if (!ours) return {std::nullopt, 0, "Die Datei ist keine Rohrweiten-Projektdatei."};
    if (!root.has("version")) root.refuse("Schlüssel \"version\" fehlt");
    const int version = static_cast<int>(root.at("version").ruled(kVersionRule));
    if (version > kVersion) return {std::nullopt, version, ""};
    return {DocumentReader(root, version).read(), 0, ""};
}

TablesOutcome readTablesTree(const Tree& tree) {
    const Node root(tree);
    const bool ours = root.is(Value::Kind::Object) && root.has("format") &&
                      root.at("format").is(Value::Kind::Text) &&
                      root.at("format").textView() == kTablesFormat;
    if (!ours) throw Refused{"Die Datei ist keine Datei mit Voreinstelltabellen."};
    if (!root.has("version")) root.refuse("Schlüssel \"version\" fehlt");
    const int version = static_cast<int>(root.at("version").ruled(kVersionRule));
    if (version > kTablesVersion) return {std::nullopt, "", version};
    root.keys({"format", "version", "tabellen"});
    return {presettingTables(root.at("tabellen")), "", 0};
}

}  // namespace

TablesOutcome readPlannerTables(std::string_view bytes) {
    if (bytes.size() > workfile::kMaxFileBytes) return {std::nullopt, "Die Datei ist größer als 16 MiB."};
    try {
        return readTablesTree(parse(bytes));
    } catch (const Refused& refused) {
        return {std::nullopt, refused.reason};
    }
}

ReadOutcome readProjectFile(std::string_view bytes) {
    if (bytes.size() > workfile::kMaxFileBytes)
        return {std::nullopt, 0, "Die Datei ist größer als 16 MiB."};
    try {
        return readTree(parse(bytes));
    } catch (const Refused& refused) {
        return {std::nullopt, 0, refused.reason};
    }
}

}  // namespace projectfile
