#pragma once
// The work file: the project header, the position in the workflow, every
// riser's sections of both stages, and the listing text, as lines of
// comma-separated records ended by CR LF. Numbers are written and read
// without any locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/CalcState.h"

namespace workfile {

// The shortest text that reads back to the same value, with a point and
// never an exponent; an integral value has no point ("86"). Singles are
// written as singles.
std::string numberText(double value);
std::string numberText(float value);

// Saves carry two lead records (material and position) before the main
// body; the interrupt's file has none.
enum class Lead { With, Without };

// The file's text in UTF-8: lead records, main body, remaining body and the
// listing (its own line breaks become the file's lines).
std::string workFileText(const calc::Project& project, Lead lead, std::string_view listing);

struct ReadOutcome {
    std::optional<calc::Project> project;  // with the listing as `reportText`
    int failedLine = 0;                    // the first line that could not be read
};

// Reads a file's text (UTF-8) into a fresh project; a project only when the
// whole file was read.
ReadOutcome readWorkFile(std::string_view text, Lead lead);

}  // namespace workfile
