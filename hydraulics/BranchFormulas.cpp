#include "hydraulics/BranchFormulas.h"

#include <cmath>

#include "hydraulics/SectionFormulas.h"

namespace hyd {
namespace {

constexpr int kMaxPasses = 50;
constexpr double kConverged = 1e-10;

}  // namespace

ResidualGradient residualGradient(double circulationPressure, double totalLength,
                                  double commonPressure, double commonLength) {
    ResidualGradient result{};
    result.remainingLength = roundTo(totalLength - commonLength, kLengthDecimals);
    result.availablePressure = roundTo(circulationPressure - commonPressure, kPressureDecimals);
    result.gradient = result.availablePressure / result.remainingLength;
    return result;
}

float initialDiameterMm(double massFlow) { return static_cast<float>(0.77 * std::sqrt(massFlow)); }

double valveLossPa(double valveZeta, double massFlow, double innerDiameter) {
    return zetaLossPa(valveZeta, massFlow, innerDiameter);
}

double BranchSection::lossAt(double diameter) const {
    return frictionLossPa(law, length, massFlow, diameter) +
           zetaLossPa(fittingsZeta, massFlow, diameter) + valveLoss;
}

BranchDiameter solveBranchDiameter(const BranchSection& section, double start) {
    if (section.valveLoss >= section.allottedLoss) return {start, 0, SolveOutcome::ValveAlone};
    double diameter = start;
    const double target = std::log(section.allottedLoss);
    for (int pass = 1; pass <= kMaxPasses; ++pass) {
        const double friction =
            frictionLossPa(section.law, section.length, section.massFlow, diameter);
        const double fittings = zetaLossPa(section.fittingsZeta, section.massFlow, diameter);
        const double loss = friction + fittings + section.valveLoss;
        // d ln(loss) / d ln(D): the valve's loss does not change with D.
        const double slope = (section.law.diameterExponent * friction - 4 * fittings) / loss;
        const double next = diameter * std::exp(-(std::log(loss) - target) / slope);
        if (!std::isfinite(next) || !(next > 0)) break;
        const double change = std::fabs(next - diameter) / diameter;
        diameter = next;
        if (change < kConverged) return {diameter, pass, SolveOutcome::Solved};
    }
    return {diameter, kMaxPasses, SolveOutcome::NotConverged};
}

double branchVelocityMs(double massFlow, double innerDiameter) {
    return roundTo(0.3537 * massFlow / (innerDiameter * innerDiameter), 2);
}

std::int16_t fitFlag(double allottedDrop, double branchPressureDrop, double circulationPressure,
                     std::int16_t previous) {
    const double f = (allottedDrop - branchPressureDrop) / circulationPressure;
    const double lower = static_cast<double>(-0.1f);
    const double upper = static_cast<double>(0.1f);
    if (f < lower) return 1;
    if (f > 0 && f < upper) return 0;
    if (f > upper) return -1;
    return previous;
}

}  // namespace hyd
