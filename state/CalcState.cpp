#include "state/CalcState.h"

namespace calc {

std::string materialReportName(int materialCode) {
    switch (materialCode) {
        case 1:
            return "Stahlrohr";
        case 2:
            return "Kupferrohr";
        case 3:
            return "Weichstahlrohr";
        default:
            return {};
    }
}

}  // namespace calc
