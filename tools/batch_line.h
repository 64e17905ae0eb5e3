// One line of batch input turned into one line of output.
#pragma once
#include <cstddef>

#include "core/text_fields.h"

// Room one output line may need: seven result texts, their tabs and the newline.
constexpr size_t BATCH_OUT_MAX = 7 * sizeof(TextFields::result[0]) + 16;

// line holds length bytes without the newline and may be changed; line[length] must be
// writable too. Writes the output line and its '\n' to out (BATCH_OUT_MAX bytes) and
// returns its length: the seven results tab-separated, "ERROR" for a rejected field, or
// "INVALID" and a reason for a line that is not 9 columns or has a bad index.
size_t BatchLine(char* line, size_t length, TextFields* fields, char* out);
