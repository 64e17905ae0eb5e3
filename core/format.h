// The program's own formatter: '%' conversions for fixed-point numbers, integers,
// characters and texts, and backslash escapes that it interprets itself.
#pragma once
#include <cstdarg>
#include <cstddef>

// Unbounded forms: the caller guarantees room for the whole text and its NUL.
int FormatText(char* out, const char* format, ...);
int FormatTextV(char* out, const char* format, va_list args);

// Bounded forms, used by every caller in the program: never write past size bytes and
// always terminate (when size > 0). They give the same text as the unbounded forms for
// everything that fits and return the number of bytes stored before the terminating NUL.
int FormatTextN(char* out, size_t size, const char* format, ...);
int FormatTextVN(char* out, size_t size, const char* format, va_list args);

// Room FormatFixed and FormatCount may need, terminator included: a sign, a 10-digit
// mantissa, 199 zeros standing in for a decimal exponent above 99, and "e+99".
enum { FIXED_TEXT_MAX = 224 };

void FormatInt(int value, char* out);
void FormatFixed(double value, char* out, int decimals, int trim);

// The integer part of a value, truncated toward zero, in full up to 2^63 and in the
// exponent form of FormatFixed beyond; "inf", "-inf" or "nan" for what is not finite.
void FormatCount(double value, char* out);
