#pragma once
// The main form and the remaining-sections form over one state, as the
// program wires them: "Nächster   Strang" opens the remaining-sections form.
#include "../circuit/FourSectionCircuit.h"
#include "remaining/FrmRohrDm.h"

namespace testing_support {

struct ProjectHarness : MainFormHarness {
    ProjectHarness() {
        services.openRemaining = [this](const std::string& listing) { rest.open(listing); };
    }

    // Shared sections by number, then ">".
    void shareSections(const char* riser, const char* consumer,
                       std::initializer_list<const char*> numbers) {
        rest.txtStrNr.enter(riser);
        rest.txtHFlNr.enter(consumer);
        for (const char* number : numbers) {
            rest.txtTlStrckNr.enter(number);
            rest.cmdAddition.click();
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

    remaining::FrmRohrDm rest{windows, state, messages, catalogue, services};
};

}  // namespace testing_support
