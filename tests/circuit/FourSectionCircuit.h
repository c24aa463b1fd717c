#pragma once
// The four-section steel circuit worked by hand in critical_circuit_by_hand.md:
// its listing, and the user's input that gives it.
#include <string>

#include "MainFormHarness.h"

namespace testing_support {

// Worked by hand in critical_circuit_by_hand.md.
inline const std::string kFourSectionListing =
    "            Berechnung der Rohrweiten im 2-Rohrsystem\r\n"
    "                \r\n"
    "Umtriebsdruck:       0\r\n"
    "Rohrmaterial:Stahlrohr\r\n"
    "Strang-Nummer: 3  Verbraucher-Nr: 12\r\n"
    "Vorlauftemperatur: 90°C    Rücklauftemperatur: 70°C\r\n"
    "___________________________________________________________________________\r\n"
    "  Lf|TS | Leistg |Länge |Geschw|Wasser-|Rohr |Rohr |Geschw|Zetha |Druck |\r\n"
    "  Nr|Nr |    Q   | TS   |  W   | menge |Di re| DN  |  W   | Wert |  P   |\r\n"
    "    |   |   kW   |  m   | m/s  |  l/h  | mm  | mm  |  m/s |      |  mb  |\r\n"
    " ---|---|--------|------|------|-------|-----|-----|------|------|------|\r\n"
    " 01   07    2326    10,00   0,50     100  08,5   15   0,15   221,0   25,8\r\n"
    " 02   08    4652    12,50   0,60     200  11,0   20   0,16   015,6   04,7\r\n"
    " 03   09    6978    8,00   0,70     300  12,5   25   0,15   046,3   06,2\r\n"
    " 04   10   10467    20,00   1,00     450  12,8   32   0,13   001,7   01,7\r\n"
    "                                                                  -------\r\n"
    "                                                   Druckverlust:    38,40";

// Types the circuit into the main form up to the fourth section's
// "Rechnen": steel, riser 3, consumer 12, 90/70 °C, sections 7 to 10, with a
// valve from each catalogue dialog, a typed kv and a section without valve.
inline void enterFourSections(MainFormHarness& h) {
    h.enterCircuit();
    h.enterConsumers({"1200", "1126"});
    h.pickInFirstDialog(1, 1, 2);  // HK-Vntl Stand DN15, kv 0,66
    h.takeSection("7", "10", "0,5");
    h.computeSection({"15", "1", "2"});
    h.form.cmdNaechsteTeilstrck.click();
    h.enterConsumers({"2326"});
    h.pickInSecondDialog(1, 2, 22);  // Nebenr DN 20, kv 5
    h.takeSection("8", "12,5", "0,6");
    h.computeSection({"20", "", "", "1"});
    h.form.cmdNaechsteTeilstrck.click();
    h.enterConsumers({"1163", "1163"});
    h.returnWithoutChoice();
    h.takeSection("9", "8", "0,7");
    h.form.txtKVWert.enter("4,4");
    h.computeSection({"25", "1", "", "", "1"});
    h.form.cmdNaechsteTeilstrck.click();
    h.enterConsumers({"3489"});
    h.returnWithoutChoice();
    h.takeSection("10", "20", "1");
    h.computeSection({"32", "", "4", "", "", "1"});
}

}  // namespace testing_support
