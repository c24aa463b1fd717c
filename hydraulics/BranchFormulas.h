#pragma once
// Sizing a section of a further circuit against the pressure that the
// critical circuit leaves over. Pure functions of numbers; units as in the
// section formulas (W, kg/h, mm, m, Pa; stored losses in mbar).
#include <cstdint>

#include "state/CalcState.h"

namespace hyd {

struct ResidualGradient {
    double remainingLength;    // m
    double availablePressure;  // mbar
    double gradient;           // mbar per m
};

// The pressure left for the circuit's own sections, spread over their length;
// pressure and length rounded as stored ones are.
ResidualGradient residualGradient(double circulationPressure, double totalLength,
                                  double commonPressure, double commonLength);

// First estimate of the inner diameter, 0.77 × √m, single precision.
float initialDiameterMm(double massFlow);

// Loss of a valve in Pa from its zeta at the inner diameter it was derived
// at; it depends on kv and flow only.
double valveLossPa(double valveZeta, double massFlow, double innerDiameter);

// What the section loses in a pipe of inner diameter D: friction, fittings
// (zeta sum without the valve) and the valve's fixed loss, in Pa.
struct BranchSection {
    calc::FrictionLaw law;
    double length = 0;        // m
    double massFlow = 0;      // kg/h
    double fittingsZeta = 0;  // zeta sum of the fittings, one decimal
    double valveLoss = 0;     // Pa
    double allottedLoss = 0;  // Pa
    double lossAt(double diameter) const;
};

enum class SolveOutcome {
    Solved,
    NotConverged,  // the last good diameter is kept
    ValveAlone,    // the valve alone uses up the allotment: no size meets it
};

struct BranchDiameter {
    double diameter;  // mm
    int passes;
    SolveOutcome outcome;
};

// The inner diameter at which the section loses exactly its allotment,
// found by Newton's method on ln(loss) against ln(D) from `start`. The loss
// falls strictly with D, so the root is unique; at most 50 passes.
BranchDiameter solveBranchDiameter(const BranchSection& section, double start);

// Velocity in m/s at a density of 1000 kg/m³, two decimals.
double branchVelocityMs(double massFlow, double innerDiameter);

// The fit of the selected size: 1 a larger size is advised, 0 it fits, −1 a
// smaller size would do; in the gaps between the single-precision limits of
// ±0.1 the flag keeps `previous`.
std::int16_t fitFlag(double allottedDrop, double branchPressureDrop, double circulationPressure,
                     std::int16_t previous);

}  // namespace hyd
