#include "listing/RemainingListing.h"

#include "listing/FormatMask.h"
#include "listing/Listing.h"

namespace listing::remaining {

std::string headerBlock(const calc::CalcState& state) {
    const int r = state.riserIndex;
    std::string block;
    auto line = [&block](std::string_view text) { (block += text) += crlf; };
    line(std::string(22, ' '));
    line(std::string(22, ' '));
    line(title);
    line("Strang-Nummer:" + formatCharacters(state.riser.riserNumber.at(r), "@@   ") +
         "Verbraucher-Nr:" + formatCharacters(state.riser.consumerNumber.at(r), "@@@@@"));
    line("Verfügbarer Druck:" + formatCharacters(state.riser.riserPressureDrop.at(r), "@@@@@"));
    line(heading::ruleLine());
    for (std::string_view header : {headerLine1, headerLine2, headerLine3, headerLine4})
        line(header);
    return block;
}

std::string lineSizing(const calc::CalcState& state) {
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    const auto& table = state.section;
    return formatNumber(s, " 00 ") + formatNumber(table.sectionNumber.at(r, s), " 00 ") +
           formatCharacters(table.sectionLoad.at(r, s), " @@@@@@") +
           formatNumber(table.sectionLength.at(r, s), "  #0.00 ") +
           formatCharacters(table.zetaSum.at(r, s), "@@@@@@ ") +
           formatCharacters(table.listedMassFlow.at(r, s), "@@@@@@@   ") +
           formatNumber(table.branchRequiredDiameter.at(r, s), "00.0 ") +
           formatCharacters(table.sectionDn.at(r, s), "@@@ ") +
           formatCharacters(table.branchVelocity.at(r, s), " @@@@@ ") +
           formatCharacters(table.branchPressureDrop.at(r, s), "@@@@@@@") +
           formatCharacters(table.fitFlag.at(r, s), "@@@@@ ");
}

std::string lineCorrection(const calc::CalcState& state) {
    const int r = state.riserIndex;
    const int s = state.sectionIndex;
    const auto& table = state.section;
    return formatCharacters(table.correctedDn.at(r, s), "@@@  ") +
           formatNumber(table.zetaSum.at(r, s), "000.0") +
           formatNumber(table.correctedLossTab.at(r, s), "  00.0") + std::string(crlf);
}

std::string footer(const calc::CalcState& state) {
    const int r = state.riserIndex;
    return std::string(55, ' ') + std::string(9, '-') + std::string(14, ' ') + std::string(8, '-') +
           std::string(crlf) + std::string(lossLabel) +
           formatCharacters(state.riser.riserBranchLoss.at(r), "@@@@@") + std::string(16, ' ') +
           formatCharacters(state.riser.riserCorrectedLoss.at(r), " @@@@@") + std::string(crlf);
}

}  // namespace listing::remaining
