#pragma once
// The main form and the remaining-sections form over one state, as the
// program wires them: "Nächster   Strang" opens the remaining-sections form.
#include "tests/circuit/FourSectionCircuit.h"
#include "remaining/FrmRohrDm.h"

namespace testing_support {

struct ProjectHarness : MainFormHarness {
    ProjectHarness() {
        services.openRemaining = [this](const std::string& listing) { rest.open(listing); };
    }

    // A steel critical circuit of three sections, 40 mbar over 50 m, put
    // into the state as "Nächster   Strang" leaves it, and this form opened
    // for riser 2.
    void openAfterThreeSections() {
        state.materialCode = state.pipeMaterial = 1;
        state.temperatureSpread = 20;
        state.circulationPressure = 40;
        state.totalLength = 50;
        struct Slot {
            std::int16_t number;
            double length, drop;
        };
        const Slot slots[] = {{7, 10, 25}, {8, 5, 15}, {9, 35, 0}};
        for (int s = 1; s <= 3; ++s) {
            const Slot& slot = slots[s - 1];
            state.section.sectionNumber.at(1, s) = slot.number;
            state.section.sectionLength.at(1, s) = slot.length;
            state.section.pressureDrop.at(1, s) = slot.drop;
            state.section.criticalDn.at(1, s) = 15;
        }
        state.riserIndex = state.lastRiserIndex = state.riserCount = 2;
        rest.open("");
    }

    // Shared sections by number, then ">"; a refused section ends there.
    void shareSections(const char* riser, const char* consumer,
                       std::initializer_list<const char*> numbers) {
        rest.txtStrNr.enter(riser);
        rest.txtHFlNr.enter(consumer);
        for (const char* number : numbers) {
            rest.txtTlStrckNr.enter(number);
            const std::size_t shown = messages.shown.size();
            rest.cmdAddition.click();
            if (messages.shown.size() > shown) return;
        }
        rest.cmdStromkreis.click();
    }

    // Consumers numbered from 1 (this form refuses an empty number).
    void addConsumers(std::initializer_list<const char*> loads) {
        int number = 0;
        for (const char* load : loads) {
            rest.txtHzKprNr.enter(std::to_string(++number));
            rest.txtHkLstgW.enter(load);
            rest.cmdNaechstVerbrauch.click();
        }
    }

    // The consumers' ">" with the catalogue's user already scripted, then the
    // section's fields and "Teilstrecke": number, length, then Verbraucher,
    // bends, tees, connections and reducers.
    void sizeSection(const char* number, const char* length,
                     std::initializer_list<const char*> fittings) {
        rest.cmdWeiter.click();
        rest.txtTeistr.enter(number);
        rest.txtTeilstrckmtr.enter(length);
        tk::TextField* fields[] = {&rest.txtVrbrchr, &rest.txtBoganzahl, &rest.txtTAnzahl,
                                   &rest.txtAnbindAnz, &rest.txtReduAnz};
        std::size_t i = 0;
        for (const char* text : fittings) fields[i++]->enter(text);
        rest.cmdTeilRohr.click();
    }

    // " Korrektur DN" with the proposed size, or with `dn` instead.
    void correct(const char* dn = nullptr) {
        if (dn) rest.txtKorrDm.enter(dn);
        rest.cmdDNkorrektur.click();
    }

    // The listing in front: the remaining-sections form's once a further
    // circuit has begun.
    std::string listing() const {
        return (state.riserCount > 1 ? rest.txtAusgabeDN : form.txtAusgabeBerechn).text();
    }

    remaining::FrmRohrDm rest{windows, state, messages, catalogue, services};
};

}  // namespace testing_support
