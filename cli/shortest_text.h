// The shortest decimal text of a double that reads back to exactly that double.
#pragma once

enum { SHORTEST_TEXT_MAX = 40 };

// Writes into out (SHORTEST_TEXT_MAX bytes) the shortest decimal that a correctly rounding
// reader (a JSON parser, strtod) takes back to exactly value, finite values only, and
// returns its length.
int ShortestText(double value, char* out);
