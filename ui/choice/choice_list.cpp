// Choice lists ("label|item|item|") and the per-item flag bits.
#include "ui/choice/choice_list.h"

// Every walker also stops at the terminator, so a list without its closing bar (or with
// no bar at all) reads as ending in an empty item instead of running off its end.

char* ChoiceItem(char* list, int n)
{
    char* p = list;
    for (int i = 0; i < n; i++) {
        if (*p != '|') {
            while (*p && *p != '|')
                p++;
            if (!*p)
                return p;
        }
        p++;
        if (!*p)
            return p - 1;
    }
    return p;
}

const char* ChoiceItem(const char* list, int n)
{
    // The walk only reads; the writable form exists for callers that measure in place.
    return ChoiceItem(const_cast<char*>(list), n);
}

int ChoiceCount(const char* list)
{
    int bars = 0;
    for (; *list; list++)
        if (*list == '|')
            bars++;
    return bars;
}

int ChoiceItemLength(const char* item)
{
    int n = 0;
    while (item[n] && item[n] != '|')
        n++;
    return n;
}

static const unsigned char BIT_MASK[8] = {128, 64, 32, 16, 8, 4, 2, 1};

// Flags outside the 2048 that the bytes hold read as clear and are never written.
static int FlagInRange(int k)
{
    return k >= 0 && k < CHOICE_FLAG_BYTES * 8;
}

int TestBit(const unsigned char* flags, int k)
{
    return FlagInRange(k) && (flags[k / 8] & BIT_MASK[k % 8]) ? 1 : 0;
}

void SetBit(unsigned char* flags, int k)
{
    if (FlagInRange(k))
        flags[k / 8] |= BIT_MASK[k % 8];
}

void ClearBit(unsigned char* flags, int k)
{
    if (FlagInRange(k))
        flags[k / 8] &= (unsigned char)~BIT_MASK[k % 8];
}
