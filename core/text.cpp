// Byte and string routines: byte loops, no reads past a terminator.
#include "core/text.h"

int StringLength(const char* text)
{
    const char* p = text;
    while (*p)
        p++;
    return (int)(p - text);
}

void FillBytes(void* destination, int count, int value)
{
    unsigned char* d = (unsigned char*)destination;
    for (int i = 0; i < count; i++)
        d[i] = (unsigned char)value;
}

void MoveBytes(const void* source, void* destination, int count)
{
    const unsigned char* s = (const unsigned char*)source;
    unsigned char* d = (unsigned char*)destination;
    if (s == d || count <= 0)
        return;
    // Copying upwards is safe whenever the destination starts below the source;
    // otherwise a forward copy could overwrite source bytes not yet read.
    if (d < s) {
        for (int i = 0; i < count; i++)
            d[i] = s[i];
    } else {
        for (int i = count; i-- > 0;)
            d[i] = s[i];
    }
}

void CopyText(const char* source, char* destination, int limit)
{
    int n = 0;
    // Counting stops at the limit, so a source without a nearby terminator is never over-read.
    while (n < limit && source[n])
        n++;
    MoveBytes(source, destination, n);
    destination[n] = 0;
}
