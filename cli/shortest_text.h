// The shortest decimal text of a double that reads back to exactly that double, the nearest
// of those.
#pragma once

enum { SHORTEST_TEXT_MAX = 40 };

// Writes into out (SHORTEST_TEXT_MAX bytes) the shortest decimal that a correctly rounding
// reader (a JSON parser, strtod) takes back to exactly value, of two as short the nearer to
// value (ties to an even last digit), finite values only, and returns its length.
int ShortestText(double value, char* out);
