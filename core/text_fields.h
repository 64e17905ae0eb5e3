// Compute on plain texts: five field texts in, seven result texts out, no window.
#pragma once
#include "core/calc.h"
#include "core/format.h"

struct TextFields final : FieldIo {
    // In the order input width, input height, output width, viewing distance, resolution.
    const char* input[5] = {"", "", "", "", ""};
    // In the order of ShowResults: the four lengths, the viewing distance, the results.
    char result[7][2 * FIXED_TEXT_MAX + 8] = {};
    int rejectedId = 0;  // the field that was rejected, 0 when none was
    int computeDisabled = 0;

    const char* FieldText(int id, char* buffer, int size) override;
    void ShowRejection(int id) override;
    void SetFieldText(int id, const char* text) override;
    void DisableCompute() override;
};

// Position of a field id in INPUT_FIELDS or RESULT_FIELDS, or -1.
int InputIndex(int id);
int ResultIndex(int id);
