// The names the front ends share: units, printer types, fits, the originals and prints
// known by name, and which label the resolution row shows.
#pragma once

#include "core/calc.h"

// What velortin-calc reads and writes and the page's links carry, in the order of the
// record's indices. They are not the window's display texts, which a translation changes.
constexpr const char* UNIT_NAMES[UNIT_COUNT] = {"mm", "cm", "in", "ft", "m"};
constexpr const char* PRINTER_NAMES[PRINTER_COUNT] = {"continuous", "dithered", "press"};
constexpr const char* FIT_NAMES[2] = {"inside", "fill"};

// A size known by name: width x height as it is commonly named, in one unit.
struct NamedSize {
    const char* name;
    double width, height;
    int unit;
};

// The page's build reads these rows too: keep each on one line, in this form.
constexpr NamedSize NAMED_ORIGINALS[] = {
    {"35mm", 36, 24, UNIT_MM},
    {"half", 24, 18, UNIT_MM},
    {"aps", 30.2, 16.7, UNIT_MM},
    {"645", 56, 41.5, UNIT_MM},
    {"6x6", 56, 56, UNIT_MM},
    {"6x7", 56, 70, UNIT_MM},
    {"6x9", 56, 84, UNIT_MM},
    {"4x5", 4, 5, UNIT_IN},
    {"5x7", 5, 7, UNIT_IN},
    {"8x10", 8, 10, UNIT_IN},
};
constexpr NamedSize NAMED_PRINTS[] = {
    {"4x6", 4, 6, UNIT_IN},
    {"5x7", 5, 7, UNIT_IN},
    {"8x10", 8, 10, UNIT_IN},
    {"11x14", 11, 14, UNIT_IN},
    {"16x20", 16, 20, UNIT_IN},
    {"a5", 148, 210, UNIT_MM},
    {"a4", 210, 297, UNIT_MM},
    {"a3", 297, 420, UNIT_MM},
    {"a2", 420, 594, UNIT_MM},
    {"letter", 8.5, 11, UNIT_IN},
};
constexpr int NAMED_ORIGINAL_COUNT = sizeof NAMED_ORIGINALS / sizeof NAMED_ORIGINALS[0];
constexpr int NAMED_PRINT_COUNT = sizeof NAMED_PRINTS / sizeof NAMED_PRINTS[0];

// The name of a unit index; one outside the list is read as the calculation reads it.
const char* UnitName(int unit);
// The position of name among count names, or -1; exact and case-sensitive.
int FindName(const char* const* names, int count, const char* name);
// The same among the names of a table of named sizes.
int FindNamedSize(const NamedSize* table, int count, const char* name);
// A named size in millimetres, as the record holds lengths: one multiplication each.
void NamedSizeMm(const NamedSize* size, double mm[2]);

// The string-table id of the resolution row's label: a printing press is given by its
// line screen, every other printer by its resolution. An index past the list is a press,
// as the calculation takes it.
int ResolutionLabelId(int printerType);
// The same label's text.
const char* ResolutionLabel(int printerType);
