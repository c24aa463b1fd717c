#include "balancing/Quantities.h"

#include <algorithm>
#include <map>
#include <numbers>
#include <utility>

#include "balancing/Balance.h"
#include "toolkit/NumberText.h"

namespace balancing {

namespace {

struct Pipe {
    double length = 0;  // m
    double water = 0;   // l
};

using PipeKey = std::pair<std::int16_t, std::int16_t>;  // material, DN

// π/4 × d² × L with d in mm and L in m gives mm² × m; / 1000 gives litres.
double waterContent(double innerDiameter, double length) {
    return std::numbers::pi / 4 * innerDiameter * innerDiameter * length / 1000;
}

const steps::CircuitResult* resultOf(const steps::Results& results, project::Id circuit) {
    for (const steps::CircuitResult& result : results.circuits)
        if (result.circuit == circuit) return &result;
    return nullptr;
}

const project::SectionInputs* inputsOf(const project::Circuit& circuit, project::Id id) {
    for (const project::Section& section : circuit.sections)
        if (section.id == id && section.inputs) return &*section.inputs;
    return nullptr;
}

void addValve(std::vector<ValveGroup>& groups, const project::Valve& valve) {
    ValveGroup group{tk::trimmed(valve.shownText), rounded(valve.kv, 3), 1};
    const auto same = [&](const ValveGroup& other) {
        return other.text == group.text && other.kv == group.kv;
    };
    const auto found = std::find_if(groups.begin(), groups.end(), same);
    if (found != groups.end())
        ++found->count;
    else
        groups.push_back(group);
}

void addFittings(Quantities& out, const project::FittingCounts& counts) {
    out.bends += counts.bends;
    out.tees += counts.tees;
    out.connections += counts.connections;
    out.reducers += counts.reducers;
}

struct Tally {
    Quantities out;
    std::map<PipeKey, Pipe> pipes;
    Pipe total;
};

void addSection(Tally& tally, std::int16_t material, const project::SectionInputs& inputs,
                const steps::SectionResult& result) {
    const double water = waterContent(result.innerDiameter, inputs.length);
    Pipe& pipe = tally.pipes[{material, result.dn}];
    pipe.length += inputs.length;
    pipe.water += water;
    tally.total.length += inputs.length;
    tally.total.water += water;
    addFittings(tally.out, inputs.counts);
    if (result.valveCounted) addValve(tally.out.valves, inputs.valve);
}

}  // namespace

Quantities quantities(const project::Document& document, const steps::Results& results) {
    Tally tally;
    for (std::size_t k = 0; k < document.circuits.size(); ++k) {
        const project::Circuit& circuit = document.circuits[k];
        const steps::CircuitResult* result = resultOf(results, circuit.id);
        if (!result || (k > 0 && !result->finished)) continue;
        for (const steps::SectionResult& section : result->sections)
            if (const project::SectionInputs* inputs = inputsOf(circuit, section.section))
                addSection(tally, document.material, *inputs, section);
    }
    for (const auto& [key, pipe] : tally.pipes)
        tally.out.pipes.push_back(
            {key.first, key.second, rounded(pipe.length, 2), rounded(pipe.water, 1)});
    tally.out.totalLength = rounded(tally.total.length, 2);
    tally.out.totalWater = rounded(tally.total.water, 1);
    return tally.out;
}

}  // namespace balancing
