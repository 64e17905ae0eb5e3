// Compute on plain texts, for the command line, the benchmarks and the tests.
#include "core/text_fields.h"

#include "core/text.h"

int InputIndex(int id)
{
    for (int i = 0; i < 5; i++)
        if (INPUT_FIELDS[i] == id)
            return i;
    return -1;
}

int ResultIndex(int id)
{
    for (int i = 0; i < 7; i++)
        if (RESULT_FIELDS[i] == id)
            return i;
    return -1;
}

const char* TextFields::FieldText(int id, char* buffer, int size)
{
    (void)buffer;
    (void)size;
    int i = InputIndex(id);
    return i < 0 ? "" : input[i];
}

void TextFields::ShowRejection(int id)
{
    rejectedId = id;
}

void TextFields::SetFieldText(int id, const char* text)
{
    int i = ResultIndex(id);
    if (i >= 0)
        CopyText(text, result[i], (int)sizeof result[i] - 1);
}

void TextFields::DisableCompute()
{
    computeDisabled = 1;
}
