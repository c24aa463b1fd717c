#include "listing/Listing.h"

#include "listing/FormatMask.h"

namespace listing {

std::string heading::ruleLine() { return std::string(75, '_'); }

std::string heading::sumRule() { return std::string(66, ' ') + "-------"; }

std::string headerBlock(const calc::CalcState& state, std::string_view supplyText,
                        std::string_view returnText) {
    const int r = state.riserIndex;
    std::string material;
    if (state.materialCode >= 1 && state.materialCode <= 3)
        material = state.materialName[static_cast<std::size_t>(state.materialCode - 1)];
    std::string block;
    auto line = [&block](std::string_view text) { (block += text) += crlf; };
    line(heading::title);
    line(std::string(16, ' '));
    line("Umtriebsdruck: " + formatCharacters(state.circulationPressure, "@@@@@@@"));
    line("Rohrmaterial:" + material);
    line("Strang-Nummer:" + formatCharacters(state.riser.riserNumber.at(r), "@@  ") +
         "Verbraucher-Nr:" + formatCharacters(state.riser.consumerNumber.at(r), "@@@"));
    line("Vorlauftemperatur:" + formatText(supplyText, "@@@") + "°C    " +
         "Rücklauftemperatur:" + formatText(returnText, "@@@") + "°C");
    line(heading::ruleLine());
    for (std::string_view header :
         {heading::headerLine1, heading::headerLine2, heading::headerLine3, heading::headerLine4})
        line(header);
    return block;
}

std::string lineFirstHalf(const calc::CalcState& state) {
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    const auto& table = state.section;
    return formatNumber(s, " 00   ") + formatNumber(table.sectionNumber.at(r, s), "#00  ") +
           formatCharacters(table.sectionLoad.at(r, s), "@@@@@@    ") +
           formatNumber(table.sectionLength.at(r, s), "##0.00   ") +
           formatNumber(table.designVelocity.at(r, s), "#0.00") +
           formatCharacters(table.listedMassFlow.at(r, s), "@@@@@@@@  ") +
           formatNumber(table.requiredDiameter.at(r, s), "#00.0 ");
}

std::string lineSecondHalf(const calc::CalcState& state) {
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    const auto& table = state.section;
    return formatNumber(table.criticalDn.at(r, s), "  ##0 ") +
           formatNumber(table.velocity.at(r, s), "  0.00   ") +
           formatNumber(table.zetaSum.at(r, s), "000.0 ") +
           formatNumber(table.pressureDrop.at(r, s), "  00.0") + std::string(crlf);
}

std::string footer(const calc::CalcState& state) {
    return heading::sumRule() + std::string(crlf) + std::string(heading::lossLabel) +
           formatNumber(state.riser.riserPressureDrop.at(state.riserIndex), "  ####0.00");
}

}  // namespace listing
