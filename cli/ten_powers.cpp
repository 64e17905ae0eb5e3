// Powers of ten to 126 bits, rebuilt from every 28th one and the powers of five that fit
// in 64 bits, so the table stays small.
#include "cli/ten_powers.h"

namespace {

enum { STEP = 28 };

// For e = TEN_POWER_MIN + STEP i: the floor of 5^e scaled by a power of two into
// [2^127, 2^128) as high and low words, and in bit j whether the 126-bit floor for e + j
// is one more than that floor times 5^j cut to 126 bits. Those 128 bits keep what the cut
// product lacks below a half, so one bit tells it.
struct TenBase {
    uint64_t high, low;
    uint32_t carries;
};

const TenBase BASES[] = {
    {0xff77b1fcbebcdc4f, 0x25e8e89c13bb0f7a, 0x0008000},
    {0x80fa687f881c7f8e, 0x7ce66634bc9d0b99, 0x11b114e},
    {0x823c12795db6ce57, 0x76c53d08d6b70858, 0x0000008},
    {0x8380dea93da4bc60, 0x4247cb9e59f71e6d, 0x4281200},
    {0x84c8d4dfd2c63f3b, 0x29ecd9f40041e073, 0x0200026},
    {0x8613fd0145877585, 0xbd06742ce95f5f36, 0x0018322},
    {0x87625f056c7c4a8b, 0x11471cd764ad4972, 0x0908010},
    {0x88b402f7fd75539b, 0x11dbcb0218ebb414, 0x1260200},
    {0x8a08f0f8bf0f156b, 0x1b8e9ecb641b58ff, 0x84c8650},
    {0x8b61313bbabce2c6, 0x2323ac4b3b3da015, 0x0100000},
    {0x8cbccc096f5088cb, 0xf93f87b7442e45d3, 0xffff922},
    {0x8e1bc9bf04000000, 0x0000000000000000, 0x0000000},
    {0x8f7e32ce7bea5c6f, 0xe4820023a2000000, 0x0000000},
    {0x90e40fbeea1d3a4a, 0xbc8955e946fe31cd, 0x030ac80},
    {0x924d692ca61be758, 0x593c2626705f9c56, 0x640004a},
    {0x93ba47c980e98cdf, 0xc66f336c36b10137, 0x0000000},
    {0x952ab45cfa97a0b2, 0xdd945a747bf26183, 0x0004802},
    {0x969eb7c47859e743, 0x9f644ae5a4b1b325, 0x0980080},
    {0x98165af37b2153de, 0xc3727a337a8b704a, 0x0000000},
    {0x9991a6f3d6bf1765, 0xacca6da1e0a8ef29, 0x0000000},
    {0x9b10a4e5e9913128, 0xca7cf2b4191c8326, 0x0011016},
    {0x9c935e00d4b9d8d2, 0x6ed1bf9a569f33d3, 0x7c20022},
    {0x9e19db92b4e31ba9, 0x6c07a2c26a8346d1, 0x0000000},
};

struct FivePowers {
    uint64_t p[STEP];  // 5^27 is the last below 2^64
};

constexpr FivePowers MakeFivePowers()
{
    FivePowers f = {};
    f.p[0] = 1;
    for (int i = 1; i < STEP; i++)
        f.p[i] = f.p[i - 1] * 5;
    return f;
}

constexpr FivePowers FIVES = MakeFivePowers();

}  // namespace

void TenPower(int e, uint64_t* high, uint64_t* low)
{
    int i = (e - TEN_POWER_MIN) / STEP, j = (e - TEN_POWER_MIN) % STEP;
    const TenBase* base = &BASES[i];
    uint64_t five = FIVES.p[j];
    // The 192-bit product base * 5^j in w2:w1:w0, then shifted down to 126 bits.
    uint64_t w0, w1, w2;
    uint64_t middle = MultiplyHigh(base->low, five, &w0);
    w2 = MultiplyHigh(base->high, five, &w1);
    w1 += middle;
    w2 += w1 < middle;
    int shift = FloorLog2Pow10(e) - FloorLog2Pow10(e - j) - j + 2;
    if (shift >= 64) {
        w0 = w1;
        w1 = w2;
        w2 = 0;
        shift -= 64;
    }
    if (shift) {
        w0 = w0 >> shift | w1 << (64 - shift);
        w1 = w1 >> shift | w2 << (64 - shift);
    }
    uint64_t add = 1 + (base->carries >> j & 1);
    w0 += add;
    w1 += w0 < add;
    *high = w1 << 1 | w0 >> 63;
    *low = w0 & ~(1ull << 63);
}
