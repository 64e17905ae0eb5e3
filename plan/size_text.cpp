// Reading sizes and lengths written as text.
#include "plan/size_text.h"

#include <cstring>

namespace {

// The unit that ends text, and the length before it; -1 when there is none. "m" comes
// last in the list, so "mm" and "cm" are found before it.
int UnitSuffix(const char* text, size_t* numberLength)
{
    size_t length = std::strlen(text);
    for (int unit = 0; unit < UNIT_COUNT; unit++) {
        size_t n = std::strlen(UNIT_NAMES[unit]);
        *numberLength = length - n;
        if (n <= length && std::strncmp(text + length - n, UNIT_NAMES[unit], n) == 0)
            return unit;
    }
    *numberLength = length;
    return -1;
}

}  // namespace

int ReadNumberText(const char* text, size_t n, double factor, double* value)
{
    char field[255];
    if (n >= sizeof field)
        return READ_TOO_LONG;
    std::memcpy(field, text, n);
    field[n] = 0;
    return ReadFieldText(field, factor, value) ? READ_NOT_POSITIVE : READ_OK;
}

int ReadLengthText(const char* text, double* mm)
{
    size_t n;
    int unit = UnitSuffix(text, &n);
    return unit < 0 ? READ_NO_UNIT : ReadNumberText(text, n, UNIT_TO_MM[unit], mm);
}

int ReadSizeText(const char* text, const NamedSize* table, int count, double mm[2])
{
    int named = FindNamedSize(table, count, text);
    if (named >= 0) {
        NamedSizeMm(&table[named], mm);
        return READ_OK;
    }
    size_t n;
    int unit = UnitSuffix(text, &n);
    const char* x = (const char*)std::memchr(text, 'x', n);
    if (!x)
        return unit < 0 ? READ_UNKNOWN : READ_NOT_WXH;
    if (unit < 0)
        return READ_NO_UNIT;
    size_t w = (size_t)(x - text);
    double factor = UNIT_TO_MM[unit];
    int width = ReadNumberText(text, w, factor, &mm[0]);
    int height = width == READ_TOO_LONG ? READ_TOO_LONG
                                        : ReadNumberText(x + 1, n - w - 1, factor, &mm[1]);
    return height ? height : width;
}
