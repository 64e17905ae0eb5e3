// A number as a text that the program's reader takes back to exactly the same double.
#pragma once

enum { EXACT_TEXT_MAX = 40 };

// Writes into out (EXACT_TEXT_MAX bytes) a text that ParseWholeNumber reads as exactly
// value, so a computed length enters Compute unchanged. Not finite: "inf" or "nan", which
// Compute rejects. For the rare double that no searched text reaches, the text that
// reads back nearest to it.
void ExactText(double value, char* out);

// Writes into out (EXACT_TEXT_MAX bytes) the shortest decimal that a correctly rounding
// reader (a JSON parser, strtod) takes back to exactly value, finite values only, and
// returns its length.
int ShortestText(double value, char* out);
