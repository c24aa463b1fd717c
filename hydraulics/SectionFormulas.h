#pragma once
// The formulas of one section, for water at a mean temperature of 80 °C.
// Pure functions of numbers; units: W, °C, kg/h, m/s, mm, m, Pa.
#include <cstdint>

#include "state/CalcState.h"

namespace hyd {

// floor(x × 10^n + 0.5) / 10^n in double precision.
double roundTo(double value, int decimals);

// Sums and differences of stored pressures keep their one decimal, those of
// lengths the three a length field can hold ("0,125"), so that no binary
// remainder shows on the page or in the work file.
inline constexpr int kPressureDecimals = 1;
inline constexpr int kLengthDecimals = 3;

// Mass flow m in kg/h of a load in W at a temperature spread in K
// (1.163 Wh/(kg·K) is the specific heat of water).
double massFlowKgPerHour(double load, double temperatureSpread);

// Inner diameter in mm that carries m at the design velocity, single precision.
float requiredDiameterMm(double massFlow, double designVelocity);

// Cross-section of the pipe in mm², two decimals.
double crossSectionMm2(double innerDiameter);

// Zeta of a valve of the given kv (m³/h) on the pipe, two decimals.
double valveZetaFromKv(double innerDiameter, double kv);

struct FittingCounts {
    float consumerFlag = 0;
    std::int16_t bends = 0;
    std::int16_t tees = 0;
    std::int16_t connections = 0;
    std::int16_t reducers = 0;
};

// Zeta sum of the section's fittings and valve, one decimal.
double sectionZetaSum(const FittingCounts& counts, double valveZeta);

// Velocity in m/s in a pipe of the inner diameter, two decimals.
double velocityMs(double massFlow, double innerDiameter);

// Loss of the fittings (dynamic pressure × zeta sum) in Pa.
double zetaLossPa(double zetaSum, double massFlow, double innerDiameter);

// Friction loss C × L × m^a × d^b in Pa.
double frictionLossPa(const calc::FrictionLaw& law, double length, double massFlow,
                      double innerDiameter);

// A loss in Pa as stored in mbar: two decimals of Pa, divided by 100.
double paToStoredMbar(double lossPa);

}  // namespace hyd
