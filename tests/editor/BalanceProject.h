#pragma once
#include "project/Document.h"

namespace testing_support {
// The project of balance_by_hand.md: a critical circuit of two sections and three further circuits,
// each with a typed valve: riser 4 shares TS 02, riser 5 shares nothing, riser 6 shares TS 01.
inline project::Document balanceProject() {
    project::Document d;
    d.material = 1;
    d.supplyTemperature = {90, "90"};
    d.returnTemperature = {70, "70"};
    auto section = [&d](project::Circuit& c, double load, std::int16_t number, double length,
                        double velocity, std::int16_t dn, double kv, const char* valve) {
        project::Section& s = project::beginSection(d, c);
        s.consumers.push_back({1, load});
        project::SectionInputs in;
        in.number = number;
        in.length = length;
        in.designVelocity = velocity;
        in.dn = dn;
        in.valve.kv = kv;
        in.valve.shownText = in.valve.countingText = valve;
        in.counts.bends = 2;
        s.inputs = in;
        if (velocity == 0) s.correctedDn = dn;
    };
    project::Circuit* c = &project::beginCircuit(d, 3, 12);
    section(*c, 9000, 1, 20, 0.5, 25, 0, "");
    section(*c, 2300, 2, 8, 0.5, 25, 2.5, "Thermostatventil");
    c->finished = true;
    struct Further {
        std::int16_t riser, consumer, shared, number;
        double load, length, kv;
    };
    for (Further f : {Further{4, 31, 2, 11, 1500, 6, 0.66}, Further{5, 41, 0, 21, 1200, 25, 0.3},
                      Further{6, 51, 1, 31, 3000, 4, 1.0}}) {
        c = &project::beginCircuit(d, f.riser, f.consumer);
        if (f.shared) c->sharedSections.push_back(f.shared);
        c->sharedSectionsDone = true;
        section(*c, f.load, f.number, f.length, 0, 15, f.kv, "Thermostatventil");
        c->finished = true;
    }
    return d;
}
}  // namespace testing_support
