// Strict readers of JSON and CSV, written apart from the program's writers so that they
// judge them: the flat JSON objects velortin-calc writes, by RFC 8259's grammar in valid
// UTF-8, and CSV by RFC 4180.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fuzz/calc_checks.h"

namespace {

struct Json {
    const unsigned char* p;
    const unsigned char* end;
};

int Peek(const Json* j)
{
    return j->p < j->end ? *j->p : -1;
}

int Take(Json* j, const char* word)
{
    size_t n = std::strlen(word);
    if ((size_t)(j->end - j->p) < n || std::memcmp(j->p, word, n) != 0)
        return 0;
    j->p += n;
    return 1;
}

// One UTF-8 character of 2 to 4 bytes as the standard allows it (no overlong forms,
// surrogates or code points past U+10FFFF): its length, or 0.
int Utf8Character(const unsigned char* p, const unsigned char* end)
{
    int n = *p >= 0xF0 ? 4 : *p >= 0xE0 ? 3 : *p >= 0xC0 ? 2 : 0;
    if (n == 0 || end - p < n)
        return 0;
    long code = *p & (0x7F >> n);
    for (int i = 1; i < n; i++) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (p[i] & 0x3F);
    }
    static const long LEAST[5] = {0, 0, 0x80, 0x800, 0x10000};
    return code >= LEAST[n] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF) ? n : 0;
}

int HexDigit(int c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// A string and the bytes it stands for. velortin-calc escapes only a quote, a backslash and,
// as \u00XX, a byte that is a control or not part of valid UTF-8.
int String(Json* j, std::string* bytes)
{
    if (!Take(j, "\""))
        return 1;
    for (;;) {
        int c = Peek(j);
        if (c < 0x20)  // the end, or a control byte unescaped
            return 1;
        if (c >= 0x80) {
            int n = Utf8Character(j->p, j->end);
            if (!n)
                return 1;
            bytes->append((const char*)j->p, (size_t)n);
            j->p += n;
            continue;
        }
        j->p++;
        if (c == '"')
            return 0;
        if (c != '\\') {
            bytes->push_back((char)c);
        } else if (Take(j, "\"") || Take(j, "\\")) {
            bytes->push_back((char)j->p[-1]);
        } else {
            if (!Take(j, "u00") || j->end - j->p < 2 || HexDigit(j->p[0]) < 0 || HexDigit(j->p[1]) < 0)
                return 1;
            bytes->push_back((char)(HexDigit(j->p[0]) << 4 | HexDigit(j->p[1])));
            j->p += 2;
        }
    }
}

int Digits(Json* j)
{
    const unsigned char* start = j->p;
    while (Peek(j) >= '0' && Peek(j) <= '9')
        j->p++;
    return j->p > start;
}

// A number by JSON's grammar.
int Number(Json* j)
{
    Take(j, "-");
    if (!Take(j, "0") && !(Peek(j) >= '1' && Peek(j) <= '9' && Digits(j)))
        return 1;
    if (Take(j, ".") && !Digits(j))
        return 1;
    if (Take(j, "e") || Take(j, "E")) {
        if (!Take(j, "+"))
            Take(j, "-");
        if (!Digits(j))
            return 1;
    }
    return 0;
}

}  // namespace

int ReadJsonObject(const char* p, const char* end, std::vector<JsonMember>* members)
{
    Json j = {(const unsigned char*)p, (const unsigned char*)end};
    members->clear();
    if (!Take(&j, "{"))
        return 1;
    do {
        JsonMember m;
        if (String(&j, &m.key) || !Take(&j, ":"))
            return 1;
        const unsigned char* start = j.p;
        if (Peek(&j) == '"') {
            if (String(&j, &m.value))
                return 1;
        } else if (!Take(&j, "null")) {
            if (Number(&j))
                return 1;
            m.value.assign((const char*)start, (size_t)(j.p - start));
        }
        members->push_back(m);
    } while (Take(&j, ","));
    return Take(&j, "}") && j.p == j.end ? 0 : 1;
}

int ReadCsv(const char* p, const char* end, std::vector<std::vector<std::string>>* rows)
{
    rows->clear();
    while (p < end) {
        rows->emplace_back();
        for (;;) {
            std::string cell;
            if (p < end && *p == '"') {
                for (p++;; p += 2) {
                    const char* quote = (const char*)std::memchr(p, '"', (size_t)(end - p));
                    if (!quote)
                        return 1;
                    cell.append(p, quote);
                    p = quote;
                    if (end - p < 2 || p[1] != '"')
                        break;
                    cell.push_back('"');
                }
                p++;
            } else {
                const char* start = p;
                while (p < end && !std::memchr(",\"\r\n", *p, 4))
                    p++;
                cell.assign(start, p);
            }
            rows->back().push_back(cell);
            if (p < end && *p == ',') {
                p++;
                continue;
            }
            if (end - p < 2 || p[0] != '\r' || p[1] != '\n')
                return 1;
            p += 2;
            break;
        }
    }
    return 0;
}

void CalcFail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "property failed: %s\n  concerning: \"%.2000s\"\n", what, detail.c_str());
    std::abort();
}
