#include "workfile/WorkFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

namespace workfile {
namespace {

constexpr std::string_view crlf = "\r\n";

template <typename T>
std::string shortestFixed(T value) {
    char buffer[512];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (error != std::errc()) return "0";
    return std::string(buffer, end);
}

// --- Writing ---

class Writer {
public:
    void text(std::string_view line) {
        for (char c : line)
            if (c != '\r' && c != '\n') out_ += c;
        out_ += crlf;
    }
    template <typename... Values>
    void record(const Values&... values) {
        bool first = true;
        ((out_ += first ? "" : ",", out_ += field(values), first = false), ...);
        out_ += crlf;
    }
    std::string take() { return std::move(out_); }
    std::string& raw() { return out_; }

private:
    static std::string field(double value) { return numberText(value); }
    static std::string field(float value) { return numberText(value); }
    static std::string field(std::int16_t value) { return std::to_string(value); }
    std::string out_;
};

void writePosition(Writer& w, const calc::Project& p) {
    w.record(p.riserIndex, calc::lastCriticalRiser(p), p.riserCount, p.materialCode,
             p.temperatureSpread, p.supplyTemperature, p.returnTemperature, p.sectionIndex,
             p.lastRiserIndex);
}

void writeMainBody(Writer& w, const calc::Project& p) {
    for (const std::string& line : p.projectHeader) w.text(line);
    w.record(p.circulationPressure, p.totalLength);
    w.record(p.pipeMaterial);
    writePosition(w, p);
    const auto& t = p.section;
    for (int r = 1; r <= calc::lastCriticalRiser(p); ++r) {
        w.record(p.riser.riserNumber.at(r), p.riser.consumerNumber.at(r));
        const std::int16_t count = p.riser.sectionsPerRiser.at(r);
        w.record(count);
        for (int s = 1; s <= count; ++s)
            w.record(t.sectionNumber.at(r, s), t.sectionLoad.at(r, s), t.sectionLength.at(r, s),
                     t.designVelocity.at(r, s), t.massFlow.at(r, s), t.requiredDiameter.at(r, s),
                     t.criticalDn.at(r, s), t.velocity.at(r, s), t.zetaSum.at(r, s),
                     t.pressureDrop.at(r, s));
        w.record(p.riser.riserPressureDrop.at(r), p.spareValue, p.riser.blockLineEstimate.at(r));
    }
}

void writeRemainingBody(Writer& w, const calc::Project& p) {
    const auto& t = p.section;
    for (int r = calc::lastCriticalRiser(p) + 1; r <= p.riserIndex; ++r) {
        w.record(p.riser.riserNumber.at(r), p.riser.consumerNumber.at(r));
        const std::int16_t count = p.riser.sectionsPerRiser.at(r);
        w.record(p.circulationPressure, p.riser.riserPressureDrop.at(r), count);
        for (int s = 1; s <= count; ++s)
            w.record(t.sectionNumber.at(r, s), t.sectionLoad.at(r, s), t.sectionLength.at(r, s),
                     t.zetaSumCopy1.at(r, s), t.listedMassFlow.at(r, s),
                     t.branchRequiredDiameter.at(r, s), t.sectionDn.at(r, s),
                     t.branchVelocity.at(r, s), t.branchPressureDrop.at(r, s), t.fitFlag.at(r, s),
                     t.zetaSumCopy2.at(r, s), t.correctedDn.at(r, s), t.correctedLossTab.at(r, s));
        w.record(p.riser.riserBranchLoss.at(r), p.riser.riserCorrectedLoss.at(r), p.spareValue,
                 p.riser.blockLineEstimate.at(r));
    }
}

// --- Reading ---

// A line that cannot be read; carries its number.
struct Unreadable {
    int line;
};

class Reader {
public:
    explicit Reader(std::string_view text) {
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            lines_.push_back(line);
            start = end + 1;
        }
    }

    std::string_view text() { return next(); }

    // The next record split at its commas.
    std::vector<std::string_view> record(std::size_t fields) {
        std::vector<std::string_view> values = split(next());
        if (values.size() != fields) fail();
        return values;
    }
    // The number of fields of the next record, without taking it.
    std::size_t peekFields() {
        if (index_ >= lines_.size()) fail(index_ + 1);
        return split(lines_[index_]).size();
    }

    double real(std::string_view field) {
        double value = 0;
        if (!parse(field, value) || !std::isfinite(value)) fail();
        return value;
    }
    float single(std::string_view field) {
        float value = 0;
        if (!parse(field, value) || !std::isfinite(value)) fail();
        return value;
    }
    std::int16_t whole(std::string_view field, int lowest, int highest) {
        double value = real(field);
        if (value != std::floor(value) || value < lowest || value > highest) fail();
        return static_cast<std::int16_t>(value);
    }

    // The rest of the file: its lines joined by CR LF, none after the last.
    // Every file ends with the listing's line, empty as it may be.
    std::string rest() {
        if (index_ >= lines_.size()) fail(index_ + 1);
        std::string joined;
        for (std::size_t i = index_; i < lines_.size(); ++i) {
            if (i > index_) joined += crlf;
            joined += lines_[i];
        }
        index_ = lines_.size();
        return joined;
    }

    // The number of the line read last.
    std::size_t line() const { return index_; }
    [[noreturn]] void fail() { fail(index_); }
    [[noreturn]] static void fail(std::size_t line) { throw Unreadable{static_cast<int>(line)}; }

private:
    std::string_view next() {
        if (index_ >= lines_.size()) fail(index_ + 1);
        return lines_[index_++];
    }
    static std::vector<std::string_view> split(std::string_view line) {
        std::vector<std::string_view> fields;
        std::size_t start = 0;
        while (true) {
            std::size_t comma = line.find(',', start);
            fields.push_back(line.substr(start, comma - start));
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
        return fields;
    }
    template <typename T>
    static bool parse(std::string_view field, T& value) {
        while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
        while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
        if (field.empty()) return false;
        auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        return error == std::errc() && end == field.data() + field.size();
    }

    std::vector<std::string_view> lines_;
    std::size_t index_ = 0;
};

constexpr int kShortMax = std::numeric_limits<std::int16_t>::max();
constexpr int kShortMin = std::numeric_limits<std::int16_t>::min();

// The position record's nine fields. The counters stay within the tables, so
// that counting them up later can neither wrap nor index past a table.
struct Position {
    std::int16_t riserIndex = 0, lastRiser = 0, riserCount = 0, materialCode = 0;
    double temperatureSpread = 0, supplyTemperature = 0, returnTemperature = 0;
    std::int16_t sectionIndex = 0, lastRiserIndex = 0;
    bool operator==(const Position&) const = default;
};

// The lead's copy may carry 0 as `lastRiser`, as the original writer leaves it.
Position readPosition(Reader& in, bool lead) {
    auto f = in.record(9);
    Position p;
    p.riserIndex = in.whole(f[0], 1, calc::kMaxRisers);
    p.lastRiser = in.whole(f[1], 0, calc::kMaxRisers);
    p.riserCount = in.whole(f[2], 1, calc::kMaxRisers);
    p.materialCode = in.whole(f[3], 0, 3);
    p.temperatureSpread = in.real(f[4]);
    p.supplyTemperature = in.real(f[5]);
    p.returnTemperature = in.real(f[6]);
    p.sectionIndex = in.whole(f[7], 1, calc::kMaxSections);
    p.lastRiserIndex = in.whole(f[8], 0, calc::kMaxRisers);
    if (p.lastRiser != calc::lastCriticalRiser(p.riserIndex, p.riserCount) &&
        !(lead && p.lastRiser == 0))
        in.fail();
    return p;
}

void takePosition(calc::Project& project, const Position& p) {
    project.riserIndex = p.riserIndex;
    project.riserCount = p.riserCount;
    project.materialCode = p.materialCode;
    project.temperatureSpread = p.temperatureSpread;
    project.supplyTemperature = p.supplyTemperature;
    project.returnTemperature = p.returnTemperature;
    project.sectionIndex = p.sectionIndex;
    project.lastRiserIndex = p.lastRiserIndex;
}

// The lead records, to be compared with the main body's.
struct LeadRecords {
    std::int16_t pipeMaterial = 0;
    Position position;
};

// A body's riser blocks share one layout: each holds as many section records
// as its own count, or each as many as the count of the body's last riser
// (the original writer's). A block's records beyond its own count must be
// numbers but are not kept; sections it counts but lacks stay empty.
class BodyLayout {
public:
    // Reads a riser's section records, `fields` each, after its count.
    template <typename ReadSection>
    void readSections(Reader& in, std::int16_t count, std::size_t fields, ReadSection readSection) {
        const std::size_t first = in.line() + 1;
        int records = 0;
        while (in.peekFields() == fields) {
            if (++records > calc::kMaxSections) Reader::fail(in.line() + 1);
            auto record = in.record(fields);
            if (records <= count) {
                readSection(records, record);
            } else {
                for (std::string_view field : record) in.real(field);  // numbers all the same
            }
        }
        blocks_.push_back({count, records, first});
    }

    // After the body: fails at the line where the first block that breaks
    // the layout holding so far ends too soon or goes on too long.
    void check() const {
        if (blocks_.empty()) return;
        const int lastCount = blocks_.back().count;
        bool own = true, lastBounds = true;
        for (const Block& b : blocks_) {
            const bool ownStill = own && b.records == b.count;
            const bool lastStill = lastBounds && b.records == lastCount;
            if (!ownStill && !lastStill)
                Reader::fail(b.first + static_cast<std::size_t>(
                                           std::min(b.records, own ? b.count : lastCount)));
            own = ownStill;
            lastBounds = lastStill;
        }
    }

private:
    struct Block {
        int count;
        int records;
        std::size_t first;  // the line of its first section record, or of its foot
    };
    std::vector<Block> blocks_;
};

// A value that the file holds more than once must be the same each time.
template <typename T>
void same(Reader& in, std::optional<T>& seen, T value) {
    if (seen && !(*seen == value)) in.fail();
    seen = value;
}

void readMainBody(Reader& in, calc::Project& p, const std::optional<LeadRecords>& lead,
                  std::optional<std::int16_t>& spare) {
    for (std::string& line : p.projectHeader) {
        line = std::string(in.text());
        if (line.find('\r') != std::string::npos) in.fail();
    }
    auto totals = in.record(2);
    p.circulationPressure = in.real(totals[0]);
    p.totalLength = in.real(totals[1]);
    p.pipeMaterial = in.whole(in.record(1)[0], 0, 3);
    if (lead && lead->pipeMaterial != p.pipeMaterial) in.fail();
    const Position position = readPosition(in, false);
    if (lead) {
        Position leadPosition = lead->position;
        if (leadPosition.lastRiser == 0) leadPosition.lastRiser = position.lastRiser;
        if (!(leadPosition == position)) in.fail();
    }
    takePosition(p, position);
    auto& t = p.section;
    BodyLayout layout;
    for (int r = 1; r <= position.lastRiser; ++r) {
        auto head = in.record(2);
        p.riser.riserNumber.at(r) = in.whole(head[0], kShortMin, kShortMax);
        p.riser.consumerNumber.at(r) = in.whole(head[1], kShortMin, kShortMax);
        const std::int16_t count = in.whole(in.record(1)[0], 1, calc::kMaxSections);
        p.riser.sectionsPerRiser.at(r) = count;
        layout.readSections(in, count, 10, [&](int s, const std::vector<std::string_view>& f) {
            t.sectionNumber.at(r, s) = in.whole(f[0], kShortMin, kShortMax);
            t.sectionLoad.at(r, s) = in.real(f[1]);
            t.sectionLength.at(r, s) = in.real(f[2]);
            t.designVelocity.at(r, s) = in.real(f[3]);
            t.massFlow.at(r, s) = in.real(f[4]);
            t.listedMassFlow.at(r, s) = t.massFlow.at(r, s);
            t.requiredDiameter.at(r, s) = in.single(f[5]);
            t.criticalDn.at(r, s) = in.whole(f[6], kShortMin, kShortMax);
            t.velocity.at(r, s) = in.real(f[7]);
            t.zetaSum.at(r, s) = in.real(f[8]);
            t.zetaSumCopy1.at(r, s) = t.zetaSumCopy2.at(r, s) = t.zetaSum.at(r, s);
            t.pressureDrop.at(r, s) = in.real(f[9]);
        });
        auto foot = in.record(3);
        p.riser.riserPressureDrop.at(r) = in.real(foot[0]);
        same(in, spare, in.whole(foot[1], kShortMin, kShortMax));
        p.riser.blockLineEstimate.at(r) = in.whole(foot[2], kShortMin, kShortMax);
    }
    layout.check();
}

void readRemainingBody(Reader& in, calc::Project& p, std::optional<std::int16_t>& spare) {
    auto& t = p.section;
    const int lastMain = calc::lastCriticalRiser(p);
    BodyLayout layout;
    for (int r = lastMain + 1; r <= p.riserIndex; ++r) {
        auto head = in.record(2);
        p.riser.riserNumber.at(r) = in.whole(head[0], kShortMin, kShortMax);
        p.riser.consumerNumber.at(r) = in.whole(head[1], kShortMin, kShortMax);
        auto pressure = in.record(3);
        if (in.real(pressure[0]) != p.circulationPressure) in.fail();
        p.riser.riserPressureDrop.at(r) = in.real(pressure[1]);
        const std::int16_t count = in.whole(pressure[2], 1, calc::kMaxSections);
        p.riser.sectionsPerRiser.at(r) = count;
        layout.readSections(in, count, 13, [&](int s, const std::vector<std::string_view>& f) {
            t.sectionNumber.at(r, s) = in.whole(f[0], kShortMin, kShortMax);
            t.sectionLoad.at(r, s) = in.real(f[1]);
            t.sectionLength.at(r, s) = in.real(f[2]);
            t.zetaSumCopy1.at(r, s) = in.real(f[3]);
            t.listedMassFlow.at(r, s) = in.real(f[4]);
            t.massFlow.at(r, s) = t.listedMassFlow.at(r, s);
            t.branchRequiredDiameter.at(r, s) = in.single(f[5]);
            t.sectionDn.at(r, s) = in.whole(f[6], kShortMin, kShortMax);
            t.branchVelocity.at(r, s) = in.real(f[7]);
            t.branchPressureDrop.at(r, s) = in.real(f[8]);
            t.fitFlag.at(r, s) = in.whole(f[9], kShortMin, kShortMax);
            t.zetaSumCopy2.at(r, s) = in.real(f[10]);
            t.zetaSum.at(r, s) = t.zetaSumCopy2.at(r, s);  // the sum last formed
            t.correctedDn.at(r, s) = in.whole(f[11], kShortMin, kShortMax);
            t.correctedLossTab.at(r, s) = in.real(f[12]);
        });
        auto foot = in.record(4);
        p.riser.riserBranchLoss.at(r) = in.real(foot[0]);
        p.riser.riserCorrectedLoss.at(r) = in.real(foot[1]);
        same(in, spare, in.whole(foot[2], kShortMin, kShortMax));
        p.riser.blockLineEstimate.at(r) = in.whole(foot[3], kShortMin, kShortMax);
    }
    layout.check();
}

}  // namespace

std::string numberText(double value) { return shortestFixed(value); }
std::string numberText(float value) { return shortestFixed(value); }

std::string workFileText(const calc::Project& project, Lead lead, std::string_view listing) {
    Writer w;
    if (lead == Lead::With) {
        w.record(project.pipeMaterial);
        writePosition(w, project);
    }
    writeMainBody(w, project);
    writeRemainingBody(w, project);
    w.raw() += listing;
    w.raw() += crlf;
    return w.take();
}

ReadOutcome readWorkFile(std::string_view text, Lead lead) {
    Reader in(text);
    calc::Project project;
    try {
        std::optional<LeadRecords> leadRecords;
        if (lead == Lead::With) {
            leadRecords.emplace();
            leadRecords->pipeMaterial = in.whole(in.record(1)[0], 0, 3);
            leadRecords->position = readPosition(in, true);
        }
        std::optional<std::int16_t> spare;
        readMainBody(in, project, leadRecords, spare);
        readRemainingBody(in, project, spare);
        project.spareValue = spare.value_or(0);
        project.reportText = in.rest();
    } catch (const Unreadable& unreadable) {
        return {std::nullopt, unreadable.line};
    } catch (const std::out_of_range&) {
        return {std::nullopt, 0};
    }
    return {std::move(project), 0};
}

}  // namespace workfile
