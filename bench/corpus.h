// Field texts and values as the program meets them, shared by the benchmarks.
#pragma once

// Texts a user types or the program writes back into its fields.
extern const char* const FIELD_TEXTS[];
extern const int FIELD_TEXT_COUNT;

// Values the program shows with "%2f": lengths in inches, cm, ft and m.
extern const double SHOWN_VALUES[];
extern const int SHOWN_VALUE_COUNT;
