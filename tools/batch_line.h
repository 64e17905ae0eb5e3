// One line of batch input read into the selections and texts of one Compute.
#pragma once
#include <cstddef>

#include "core/text_fields.h"

// line holds length bytes without the newline and may be changed; line[length] must be
// writable too. Sets record's selections and fields' five texts, and returns null; or,
// for a line that is not 9 columns or has a bad index, the reason: "columns" or "index".
const char* ReadBatchLine(char* line, size_t length, CalcRecord* record, TextFields* fields);
