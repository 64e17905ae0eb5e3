// Readers of velortin-calc's answers and checks of its number texts, for its fuzzer.
#pragma once
#include <string>
#include <vector>

// Stops the run with what failed and the text concerned.
[[noreturn]] void CalcFail(const char* what, const std::string& detail);

// One member of a JSON object: its key and its value's text, a string as the bytes it
// stands for, anything else as written (null as "").
struct JsonMember {
    std::string key, value;
};
// Reads [p, end) as exactly one flat JSON object, without spaces, whose values are strings,
// numbers or null, as velortin-calc writes them; returns 0 with its members, or 1 when it
// is not one. A \u00XX escape reads as byte XX, the Latin-1 reading of a byte that is not
// UTF-8, and UTF-8 as its own bytes.
int ReadJsonObject(const char* p, const char* end, std::vector<JsonMember>* members);

// Reads RFC 4180 records ending in CRLF; returns 0 with the unquoted cells, or 1 when
// [p, end) is not such records.
int ReadCsv(const char* p, const char* end, std::vector<std::vector<std::string>>* rows);

// Checks the shortest text of a finite value against strtod and the program's own reader.
void CheckShortestText(double value);
