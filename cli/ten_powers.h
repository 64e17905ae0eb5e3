// Powers of ten to 126 bits, and the 64-by-64-bit product they are used with.
#pragma once
#include <cstdint>

enum { TEN_POWER_MIN = -292, TEN_POWER_MAX = 324 };

// The high 64 bits of a * b; the low 64 in *low.
inline uint64_t MultiplyHigh(uint64_t a, uint64_t b, uint64_t* low)
{
#ifdef __SIZEOF_INT128__
    unsigned __int128 product = (unsigned __int128)a * b;
    *low = (uint64_t)product;
    return (uint64_t)(product >> 64);
#else
    // From 32-bit halves, for the 32-bit builds; the middle sum stays below 3 * 2^32.
    uint64_t a0 = (uint32_t)a, a1 = a >> 32, b0 = (uint32_t)b, b1 = b >> 32;
    uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0;
    uint64_t middle = (p00 >> 32) + (uint32_t)p01 + (uint32_t)p10;
    *low = middle << 32 | (uint32_t)p00;
    return a1 * b1 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
#endif
}

// floor(e log2(10)) for |e| up to 1233.
inline int FloorLog2Pow10(int e)
{
    return (e * 1741647) >> 19;
}

// 10^e for e from TEN_POWER_MIN to TEN_POWER_MAX as g = high 2^63 + low, low below 2^63,
// where g is one more than the floor of 10^e 2^-r and r puts that floor in [2^125, 2^126):
// r is FloorLog2Pow10(e) - 125.
void TenPower(int e, uint64_t* high, uint64_t* low);
