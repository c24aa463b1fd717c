#include "hydraulics/SectionFormulas.h"

#include <cmath>

namespace hyd {
namespace {

constexpr double kSpecificHeat = 1.163;
constexpr double kDiameterFactor = 0.6032;
constexpr double kPi = 3.14159;
constexpr double kDynamicPressureFactor = 64.3456;

}  // namespace

double roundTo(double value, int decimals) {
    double scale = std::pow(10.0, decimals);
    return std::floor(value * scale + 0.5) / scale;
}

double massFlowKgPerHour(double load, double temperatureSpread) {
    return load / (temperatureSpread * kSpecificHeat);
}

float requiredDiameterMm(double massFlow, double designVelocity) {
    return static_cast<float>(kDiameterFactor * std::sqrt(massFlow / designVelocity));
}

double crossSectionMm2(double innerDiameter) {
    return roundTo(innerDiameter * innerDiameter * (kPi / 4), 2);
}

double valveZetaFromKv(double innerDiameter, double kv) {
    double ratio = 0.05 * crossSectionMm2(innerDiameter) / kv;
    return roundTo(ratio * ratio, 2);
}

double sectionZetaSum(const FittingCounts& counts, double valveZeta) {
    // Each count is multiplied in single precision, as the counts are stored.
    float bends = static_cast<float>(counts.bends) * 0.3f;
    float tees = static_cast<float>(counts.tees) * 3.0f;
    float connections = static_cast<float>(counts.connections) * 1.5f;
    float reducers = static_cast<float>(counts.reducers) * 0.5f;
    double consumer = static_cast<double>(counts.consumerFlag) * 2.5;
    double sum = consumer + bends + tees + connections + reducers + valveZeta;
    return roundTo(sum, 1);
}

double velocityMs(double massFlow, double innerDiameter) {
    return roundTo(kDiameterFactor * kDiameterFactor * massFlow / (innerDiameter * innerDiameter),
                   2);
}

double zetaLossPa(double zetaSum, double massFlow, double innerDiameter) {
    double perArea = massFlow / (innerDiameter * innerDiameter);
    return zetaSum * kDynamicPressureFactor * perArea * perArea;
}

double frictionLossPa(const calc::FrictionLaw& law, double length, double massFlow,
                      double innerDiameter) {
    return law.coefficient * length * std::pow(massFlow, law.flowExponent) *
           std::pow(innerDiameter, law.diameterExponent);
}

double paToStoredMbar(double lossPa) { return roundTo(lossPa, 2) / 100; }

}  // namespace hyd
