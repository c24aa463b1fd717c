// Times each phase of a full project against a baseline that does the same
// work the plainest way, side by side in one run, and prints the ratios.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "balancing/Balance.h"
#include "bench/Project.h"
#include "editing/Edits.h"
#include "editing/Tree.h"
#include "listing/FormatMask.h"
#include "listing/Listing.h"
#include "listing/RemainingListing.h"
#include "projectfile/ProjectFile.h"
#include "report/Report.h"
#include "steps/Calculate.h"
#include "tests/support/TestDoubles.h"
#include "workfile/Encoding.h"
#include "workfile/Files.h"
#include "workfile/WorkFile.h"

namespace {

const project::Document& document() {
    static const project::Document full = bench::fullDocument();
    return full;
}

// The document calculated once; it must go through without a refusal and
// end with the report that the step-by-step computation leaves.
const calc::CalcState& project() {
    static const calc::CalcState state = [] {
        steps::Calculation calculation = steps::calculate(document());
        if (calculation.refusal) {
            std::fprintf(stderr, "%s\n", calculation.refusal->text.c_str());
            std::abort();
        }
        if (calculation.state.reportText != bench::computeProject().reportText) {
            std::fprintf(stderr, "Dokument und Einzelschritte ergeben verschiedene Berichte\n");
            std::abort();
        }
        return std::move(calculation.state);
    }();
    return state;
}

// --- Computing ---

void computeOurs(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(bench::computeProject());
}
std::string listingsSnprintf();
// The steps write both listings as they go; the plain loop writes them
// with snprintf.
void computeBaseline(benchmark::State& s) {
    for (auto _ : s) {
        benchmark::DoNotOptimize(bench::computeBare());
        benchmark::DoNotOptimize(listingsSnprintf());
    }
}

// The whole document at once, against the same steps run one by one.
void calculateOurs(benchmark::State& s) {
    project();  // the document built and checked outside the timing
    for (auto _ : s) benchmark::DoNotOptimize(steps::calculate(document()));
}

// --- One edit against one calculation ---

// Sets the length of a section in the middle of the critical circuit.
editing::Change lengthChange(double length) {
    return [length](project::Document& changed) {
        changed.circuits.front().sections[bench::kSections / 2].inputs->length = length;
        return steps::Outcome{};
    };
}

// One edit as the editor takes it: the length changed and the document
// calculated again, which writes the main form's listing; then the tree
// texts and the remaining-sections form's listing made anew, and each
// listing handed to its form's box.
// The length goes back and forth between two values, so that every edit is
// a real change of the document before it.
void editOurs(benchmark::State& s) {
    project::Document edited = document();
    bool longer = false;
    for (auto _ : s) {
        longer = !longer;
        editing::Outcome outcome = editing::apply(edited, lengthChange(longer ? 12.0 : 11.0));
        if (!outcome.document) {
            std::fprintf(stderr, "%s\n", outcome.refusal->text.c_str());
            std::abort();
        }
        edited = std::move(*outcome.document);
        const steps::Calculation& calculation = *outcome.calculation;
        benchmark::DoNotOptimize(editing::treeItems(edited, calculation.results));
        std::string mainFormBox = calculation.criticalListing;
        benchmark::DoNotOptimize(mainFormBox);
        std::string remainingFormBox = steps::remainingStageListing(calculation);
        benchmark::DoNotOptimize(remainingFormBox);
    }
}

// --- The balance against one calculation ---

// The balance of the whole project, its results calculated once.
void balanceOurs(benchmark::State& s) {
    static const steps::Results results = steps::calculate(document()).results;
    for (auto _ : s) benchmark::DoNotOptimize(balancing::balance(document(), results));
}

// --- Both listings ---

std::string listingsOurs() {
    calc::CalcState state = project();
    std::string text;
    state.riserIndex = 1;
    state.sectionIndex = 1;
    text += listing::headerBlock(state, "90", "70");
    for (int s = 1; s <= bench::kSections; ++s) {
        state.sectionIndex = static_cast<std::int16_t>(s);
        text += listing::lineFirstHalf(state);
        text += listing::lineSecondHalf(state);
    }
    text += listing::footer(state);
    for (int r = 2; r <= calc::kMaxRisers; ++r) {
        state.riserIndex = static_cast<std::int16_t>(r);
        state.sectionIndex = 1;
        text += listing::remaining::headerBlock(state);
        for (int s = 1; s <= bench::kSections; ++s) {
            state.sectionIndex = static_cast<std::int16_t>(s);
            text += listing::remaining::lineSizing(state);
            text += listing::remaining::lineCorrection(state);
        }
        text += listing::remaining::footer(state);
    }
    return text;
}

// The same pieces with snprintf, numbers to the same widths.
std::string listingsSnprintf() {
    const calc::CalcState& state = project();
    const auto& t = state.section;
    std::string text;
    char line[256];
    auto add = [&](int n) {
        for (int i = 0; i < n; ++i)
            if (line[i] == '.') line[i] = ',';
        text.append(line, static_cast<std::size_t>(n));
    };
    add(std::snprintf(line, sizeof line, "%s\r\n%16s\r\nUmtriebsdruck: %7g\r\nRohrmaterial:%s\r\n",
                      listing::heading::title.data(), "", 0.0, "Stahlrohr"));
    for (int s = 1; s <= bench::kSections; ++s)
        add(std::snprintf(line, sizeof line,
                          " %02d   %02d  %6g    %5.2f   %4.2f%8g  %04.1f   %3d   %4.2f   %05.1f   "
                          "%04.1f\r\n",
                          s, t.sectionNumber.at(1, s), t.sectionLoad.at(1, s),
                          t.sectionLength.at(1, s), t.designVelocity.at(1, s),
                          t.listedMassFlow.at(1, s),
                          static_cast<double>(t.requiredDiameter.at(1, s)), t.criticalDn.at(1, s),
                          t.velocity.at(1, s), t.zetaSum.at(1, s), t.pressureDrop.at(1, s)));
    for (int r = 2; r <= calc::kMaxRisers; ++r) {
        add(std::snprintf(line, sizeof line,
                          "%22s\r\n%22s\r\n%s\r\nStrang-Nummer:%2d   Verbr:%5d\r\n", "", "",
                          listing::remaining::title.data(), r, r));
        for (int s = 1; s <= bench::kSections; ++s)
            add(std::snprintf(
                line, sizeof line,
                " %02d  %02d  %6g  %5.2f %6g %7g   %04.1f %3d  %5g %7g%5d %3d  "
                "%05.1f  %04.1f\r\n",
                s, t.sectionNumber.at(r, s), t.sectionLoad.at(r, s), t.sectionLength.at(r, s),
                t.zetaSum.at(r, s), t.listedMassFlow.at(r, s),
                static_cast<double>(t.branchRequiredDiameter.at(r, s)), t.sectionDn.at(r, s),
                t.branchVelocity.at(r, s), t.branchPressureDrop.at(r, s), t.fitFlag.at(r, s),
                t.correctedDn.at(r, s), t.zetaSum.at(r, s), t.correctedLossTab.at(r, s)));
    }
    return text;
}

void listingsOurs(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(listingsOurs());
}
void listingsBaseline(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(listingsSnprintf());
}

// --- The work file, written and read back ---

std::string folder() {
    static const std::string path = [] {
        auto dir = std::filesystem::temp_directory_path() / "rohrweiten-benchmark";
        std::filesystem::create_directories(dir);
        return dir.string();
    }();
    return path;
}

void workFileOurs(benchmark::State& s) {
    const std::string path = folder() + "/projekt.txt";
    for (auto _ : s) {
        const calc::CalcState& state = project();
        workfile::writeFileAtomically(path, workfile::toWindows1252(workfile::workFileText(
                                                state, workfile::Lead::With, state.reportText)));
        auto bytes = workfile::readFileBytes(path);
        benchmark::DoNotOptimize(
            workfile::readWorkFile(workfile::fromWindows1252(*bytes), workfile::Lead::With));
    }
}

// The same numbers formatted with to_chars and parsed with from_chars, the
// same bytes written and read the same atomic way.
void workFileBaseline(benchmark::State& s) {
    const std::string path = folder() + "/baseline.txt";
    std::vector<double> numbers;
    const calc::CalcState& state = project();
    for (int r = 1; r <= calc::kMaxRisers; ++r)
        for (int s2 = 1; s2 <= bench::kSections; ++s2)
            for (double v :
                 {state.section.sectionLoad.at(r, s2), state.section.sectionLength.at(r, s2),
                  state.section.zetaSum.at(r, s2), state.section.massFlow.at(r, s2),
                  static_cast<double>(state.section.branchRequiredDiameter.at(r, s2)),
                  state.section.branchVelocity.at(r, s2),
                  state.section.branchPressureDrop.at(r, s2),
                  state.section.correctedLossTab.at(r, s2), 1.0, 2.0, 3.0, 4.0, 5.0})
                numbers.push_back(v);
    for (auto _ : s) {
        std::string text;
        char buffer[64];
        std::size_t field = 0;
        for (double v : numbers) {
            auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
            text.append(buffer, end);
            text += ++field % 13 == 0 ? "\r\n" : ",";
        }
        workfile::writeFileAtomically(path, text);
        auto bytes = workfile::readFileBytes(path);
        double sum = 0;
        for (const char* p = bytes->data(); p < bytes->data() + bytes->size();) {
            double v = 0;
            auto [next, ec] = std::from_chars(p, bytes->data() + bytes->size(), v);
            sum += v;
            p = next + 1;
            if (*next == '\r') ++p;
        }
        benchmark::DoNotOptimize(sum);
    }
}

// --- The project file, written and read back ---

// The full document with the further sections numbered as their form lets
// them be (1 to 45 on each riser); the reader must take it whole.
const project::Document& projectDocument() {
    static const project::Document numbered = [] {
        project::Document doc = document();
        for (std::size_t c = 1; c < doc.circuits.size(); ++c)
            for (std::size_t s = 0; s < doc.circuits[c].sections.size(); ++s)
                doc.circuits[c].sections[s].inputs->number = static_cast<std::int16_t>(s + 1);
        const projectfile::ReadOutcome read =
            projectfile::readProjectFile(projectfile::projectFileText(doc));
        if (!read.document || *read.document != doc) {
            std::fprintf(stderr, "Projektdatei nicht gelesen: %s\n", read.reason.c_str());
            std::abort();
        }
        return doc;
    }();
    return numbered;
}

void projectFileOurs(benchmark::State& s) {
    const std::string path = folder() + "/projekt.rohrprojekt";
    for (auto _ : s) {
        workfile::writeFileAtomically(path, projectfile::projectFileText(projectDocument()));
        auto bytes = workfile::readFileBytes(path);
        benchmark::DoNotOptimize(projectfile::readProjectFile(*bytes));
    }
}

std::vector<double> documentNumbers() {
    std::vector<double> numbers;
    for (const project::Circuit& c : projectDocument().circuits) {
        numbers.insert(numbers.end(), {double(c.id), double(c.riser), double(c.consumerNumber)});
        numbers.insert(numbers.end(), c.sharedSections.begin(), c.sharedSections.end());
        for (const project::Section& section : c.sections) {
            numbers.push_back(section.id);
            for (const project::Consumer& consumer : section.consumers)
                numbers.insert(numbers.end(), {consumer.number, consumer.load});
            if (const auto& in = section.inputs)
                numbers.insert(numbers.end(),
                               {double(in->number), in->length, in->designVelocity, double(in->dn),
                                in->valve.kv, in->consumerFlag, double(in->counts.bends),
                                double(in->counts.tees), double(in->counts.connections),
                                double(in->counts.reducers)});
            if (section.correctedDn) numbers.push_back(*section.correctedDn);
        }
    }
    return numbers;
}

// The document's numbers formatted with to_chars, filled up to the project
// file's length, written the same atomic way and parsed with from_chars.
void projectFileBaseline(benchmark::State& s) {
    const std::string path = folder() + "/baseline.rohrprojekt";
    const std::vector<double> numbers = documentNumbers();
    const std::size_t length = projectfile::projectFileText(projectDocument()).size();
    for (auto _ : s) {
        std::string text;
        char buffer[64];
        for (double v : numbers) {
            auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
            text.append(buffer, end);
            text += ',';
        }
        text.resize(std::max(length, text.size()), ' ');
        workfile::writeFileAtomically(path, text);
        auto bytes = workfile::readFileBytes(path);
        double sum = 0;
        const char* p = bytes->data();
        for (std::size_t k = 0; k < numbers.size(); ++k) {
            double v = 0;
            p = std::from_chars(p, bytes->data() + bytes->size(), v).ptr + 1;
            sum += v;
        }
        benchmark::DoNotOptimize(sum);
    }
}

// --- The report ---

void reportOurs(benchmark::State& s) {
    for (auto _ : s) {
        calc::CalcState state = project();
        tk::PageRecorder printer;
        report::printReport(printer, state, true);
        benchmark::DoNotOptimize(printer.pages);
    }
}

// The same lines, with the same numbers, appended to a buffer.
void reportBaseline(benchmark::State& s) {
    const calc::CalcState& state = project();
    const auto& t = state.section;
    for (auto _ : s) {
        std::string buffer;
        for (int r = 1; r <= calc::kMaxRisers; ++r) {
            buffer += "     Berechnung der Rohrweiten im 2-Rohrsystem\n";
            for (int s2 = 1; s2 <= bench::kSections; ++s2) {
                buffer += "      ";
                for (double v :
                     {static_cast<double>(s2), static_cast<double>(t.sectionNumber.at(r, s2)),
                      t.sectionLoad.at(r, s2), t.sectionLength.at(r, s2), t.zetaSum.at(r, s2),
                      t.listedMassFlow.at(r, s2),
                      static_cast<double>(t.branchRequiredDiameter.at(r, s2)),
                      static_cast<double>(t.sectionDn.at(r, s2)), t.branchVelocity.at(r, s2),
                      t.branchPressureDrop.at(r, s2), static_cast<double>(t.fitFlag.at(r, s2)),
                      static_cast<double>(t.correctedDn.at(r, s2)), t.zetaSum.at(r, s2),
                      t.correctedLossTab.at(r, s2)})
                    buffer += report::generalNumber(v);
                buffer += '\n';
            }
        }
        benchmark::DoNotOptimize(buffer);
    }
}

// Keeps the medians of every benchmark and prints the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times_[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
        ConsoleReporter::ReportRuns(runs);
    }
    void printRatios() const {
        struct Phase {
            const char* name;
            const char* ours;
            const char* baseline;
            double target;
        };
        const Phase phases[] = {
            {"Rechnen (ganzes Projekt)", "computeOurs", "computeBaseline", 2.0},
            {"Dokument berechnen", "calculateOurs", "computeOurs", 1.5},
            {"Eine Bearbeitung des Projekts", "editOurs", "calculateOurs", 3.0},
            {"Abgleich des Projekts", "balanceOurs", "calculateOurs", 0.5},
            {"Beide Listen", "listingsOurs", "listingsBaseline", 1.5},
            {"Arbeitsdatei schreiben und lesen", "workFileOurs", "workFileBaseline", 3.0},
            {"Projektdatei schreiben und lesen", "projectFileOurs", "projectFileBaseline", 3.0},
            {"Bericht umbrechen", "reportOurs", "reportBaseline", 2.0}};
        std::printf("\n%-34s %14s %14s %7s %7s\n", "Phase", "ours (us)", "baseline (us)", "ratio",
                    "target");
        for (const Phase& p : phases) {
            const double ours = median(p.ours) / 1000;
            const double base = median(p.baseline) / 1000;
            std::printf("%-34s %14.1f %14.1f %7.2f %7.2f %s\n", p.name, ours, base, ours / base,
                        p.target, ours / base <= p.target ? "ok" : "MISSED");
        }
    }

private:
    double median(const std::string& name) const {
        auto it = times_.find(name);
        if (it == times_.end() || it->second.empty()) return 0;
        std::vector<double> v = it->second;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }
    std::map<std::string, std::vector<double>> times_;
};

}  // namespace

BENCHMARK(computeOurs)->Repetitions(11);
BENCHMARK(computeBaseline)->Repetitions(11);
BENCHMARK(calculateOurs)->Repetitions(11);
BENCHMARK(editOurs)->Repetitions(11);
BENCHMARK(balanceOurs)->Repetitions(11);
BENCHMARK(listingsOurs)->Repetitions(11);
BENCHMARK(listingsBaseline)->Repetitions(11);
BENCHMARK(workFileOurs)->Repetitions(11);
BENCHMARK(workFileBaseline)->Repetitions(11);
BENCHMARK(projectFileOurs)->Repetitions(11);
BENCHMARK(projectFileBaseline)->Repetitions(11);
BENCHMARK(reportOurs)->Repetitions(11);
BENCHMARK(reportBaseline)->Repetitions(11);

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.push_back(interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    std::filesystem::remove_all(folder());
    benchmark::Shutdown();
    return 0;
}
