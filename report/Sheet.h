#pragma once
// The presetting sheet of the hydraulic balance: the project header block,
// the pump, every circuit's valve and step, the messages and section checks,
// the quantities, and a block to confirm the balance, on the report's page
// grid. It reads the project and its calculation and changes neither.
#include <string>

#include "project/Document.h"
#include "steps/Calculate.h"
#include "toolkit/Printer.h"

namespace report {

// Prints and sends the sheet of a document whose calculation passed.
// Returns the printer's failure, empty when the document was sent.
std::string printSheet(tk::Printer& printer, const project::Document& document,
                       const steps::Calculation& calculation);

}  // namespace report
