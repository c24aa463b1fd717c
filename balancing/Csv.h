#pragma once
// The balance and the quantities as CSV files for German spreadsheet
// programs: UTF-8 with a byte-order mark, ";" between fields, the decimal
// comma, CR LF after every line; a field holding ";", a quote or a line
// break is enclosed in quotes, its quotes doubled. Cells that do not apply
// stay empty. Each function returns the file's bytes.
#include <string>

#include "balancing/Balance.h"
#include "balancing/Quantities.h"

namespace balancing {

// One line per circuit, in the balance's order.
std::string balanceCsv(const Balance& balance);

// The pipes by material and DN, the four fittings, the valve groups and
// the total.
std::string quantitiesCsv(const Quantities& quantities);

}  // namespace balancing
