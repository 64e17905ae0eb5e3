// libFuzzer entry over velortin-calc, in memory. The first byte, modulo 4, says what the
// rest is: 0 batch lines, answered in every format (with bit 2 of the byte set, the first
// line is a scanner's dpi); 1 an option's name, a newline and its value; 2 numbers for their
// shortest texts (raw doubles, and the whole read as a number); 3 a command line, its
// arguments separated by NUL bytes, then a newline and what standard input holds.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/reader.h"
#include "fuzz/calc_checks.h"
#include "cli/batch.h"
#include "cli/cli.h"
#include "cli/options.h"
#include "cli/report.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A stream written in memory.
struct Memory {
    char* data = nullptr;
    size_t size = 0;
    FILE* file = open_memstream(&data, &size);
};

std::string Close(Memory* m)
{
    std::fclose(m->file);
    std::string written(m->data, m->size);
    std::free(m->data);
    return written;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    return parts;
}

std::string Member(const std::vector<JsonMember>& members, const std::string& key)
{
    for (const JsonMember& m : members)
        if (m.key == key)
            return m.value;
    return "";
}

// The lines' answers in one format, as a batch gives them, and the warnings in *told.
std::string Answer(const std::vector<std::string>& lines, int format, const double* scanner,
                   std::string* told)
{
    static Answers run;
    Memory out, err;
    if (StartAnswers(&run, out.file, err.file, format, 0, scanner))
        CalcFail("a batch starts", "");
    for (const std::string& line : lines) {
        // An exactly sized copy, so the sanitizer sees any access past line[length].
        char* copy = (char*)std::malloc(line.size() + 1);
        std::memcpy(copy, line.data(), line.size());
        AnswerLine(&run, copy, line.size());
        std::free(copy);
    }
    if (EndAnswers(&run))
        CalcFail("a batch's answers are written", "");
    *told = Close(&err);
    return Close(&out);
}

// The text of a rejected field as the line gives it: up to a NUL, as a field hands it over.
std::string GivenText(const std::string& line, const std::string& field)
{
    static const char* const FIELDS[5] = {"input_width", "input_height", "output_width",
                                          "viewing_distance", "resolution"};
    std::vector<std::string> columns = Split(line, '\t');
    for (int i = 0; columns.size() == 9 && i < 5; i++)
        if (field == FIELDS[i])
            return columns[4 + i].c_str();
    CalcFail("a rejection names a field of a line of nine columns", line);
}

void CheckBatch(const std::string& input, int scannerGiven)
{
    std::vector<std::string> lines = Split(input, '\n');
    if (lines.back().empty())  // a final newline adds no line
        lines.pop_back();
    double dpi;
    const double* scanner = nullptr;
    if (scannerGiven && !lines.empty()) {
        CliOptions options;
        char message[MESSAGE_MAX];
        char* argv[] = {(char*)"velortin-calc", (char*)"--batch", (char*)"--scanner",
                        &lines[0][0], nullptr};
        if (!ParseOptions(4, argv, &options, message))
            scanner = &(dpi = options.scannerDpi);
        lines.erase(lines.begin());
    }
    size_t count = lines.size();
    std::string told, unused;
    std::vector<std::string> tsv = Split(Answer(lines, FORMAT_TSV, scanner, &unused), '\n');
    std::string text = Answer(lines, FORMAT_TEXT, scanner, &unused);
    std::string csv = Answer(lines, FORMAT_CSV, scanner, &unused);
    std::vector<std::string> json = Split(Answer(lines, FORMAT_JSON, scanner, &told), '\n');

    // One answer per line: a line of tsv or JSON, a paragraph of text, a record of CSV.
    Rows rows;
    if (tsv.size() != count + 1 || !tsv.back().empty())
        CalcFail("one tsv line per batch line", input);
    if (json.size() != count + 1 || !json.back().empty())
        CalcFail("one JSON line per batch line", input);
    // Text: every line ends in a newline, and an empty line parts two answers.
    std::vector<std::string> textLines = Split(text, '\n');
    textLines.pop_back();
    size_t empty = (size_t)std::count(textLines.begin(), textLines.end(), "");
    if (text.empty() ? count != 0
                     : text.back() != '\n' || empty + 1 != count || textLines.front().empty() ||
                           textLines.back().empty() || text.find("\n\n\n") != std::string::npos)
        CalcFail("one paragraph of text per batch line", text);
    if (ReadCsv(csv.data(), csv.data() + csv.size(), &rows) || rows.size() != count + 1)
        CalcFail("CSV is a header and one record per batch line", csv);

    size_t warnings = 0;
    for (size_t i = 0; i < count; i++) {
        std::vector<JsonMember> members;
        if (ReadJsonObject(json[i].data(), json[i].data() + json[i].size(), &members))
            CalcFail("a JSON answer is one JSON object", json[i]);
        if (rows[i + 1].size() != rows[0].size())
            CalcFail("a CSV record has the header's number of cells", csv);
        // CSV holds what JSON holds, key for key; a key out of the run has no answer.
        for (size_t c = 0; c < rows[0].size(); c++)
            if (rows[i + 1][c] != Member(members, rows[0][c]))
                CalcFail("CSV and JSON hold the same texts", rows[0][c] + ": " + rows[i + 1][c]);
        for (const JsonMember& m : members)
            if (std::find(rows[0].begin(), rows[0].end(), m.key) == rows[0].end())
                CalcFail("a JSON key has its CSV column", m.key);
        // A rejected text comes back as the bytes given.
        std::string field = Member(members, "field");
        if (!field.empty() && Member(members, "text") != GivenText(lines[i], field))
            CalcFail("a rejected text reads back as given", lines[i]);
        // tsv: INVALID and why, ERROR, or the seven texts and a scanner's three.
        std::string invalid = Member(members, "invalid"), expected = "INVALID\t" + invalid;
        int result = invalid.empty() && field.empty();
        if (invalid.empty())
            expected = result ? Member(members, REPORT_KEYS[0]) : "ERROR";
        for (int key = 1; key < KEY_COUNT && result; key++)
            if (key < 7 || (scanner && key >= KEY_LARGEST_WIDTH && key <= KEY_WARNING))
                expected += "\t" + Member(members, REPORT_KEYS[key]);
        if (tsv[i] != expected)
            CalcFail("tsv holds the texts JSON holds", tsv[i] + "\nand " + json[i]);
        warnings += !Member(members, "warning").empty();
    }
    if ((size_t)std::count(told.begin(), told.end(), '\n') != warnings)
        CalcFail("each warning is told once on standard error", told);
}

// The unit that ends a value, as in 8in or 36x24mm, and the length of what comes before it.
int UnitOf(const std::string& value, size_t* numberLength)
{
    static const char* const UNITS[UNIT_COUNT] = {"mm", "cm", "in", "ft", "m"};
    for (int unit = 0; unit < UNIT_COUNT; unit++) {
        size_t n = std::strlen(UNITS[unit]);
        *numberLength = value.size() - n;
        if (value.size() >= n && value.compare(*numberLength, n, UNITS[unit]) == 0)
            return unit;
    }
    return -1;
}

void CheckOption(const std::string& input)
{
    size_t newline = input.find('\n');
    std::string name = input.substr(0, newline);
    // As an argument, the value ends at a NUL.
    std::string value = newline == std::string::npos ? "" : input.c_str() + newline + 1;
    CliOptions options;
    char message[MESSAGE_MAX];
    std::memset(message, 0x5a, sizeof message);
    char* argv[] = {(char*)"velortin-calc", &name[0], &value[0], nullptr};
    int refused = ParseOptions(3, argv, &options, message);
    if (refused && (!std::memchr(message, 0, sizeof message) || !message[0]))
        CalcFail("a refused value has a message", name + " " + value);
    if (refused)
        return;

    // An accepted length, size or resolution is read whole, none of its numbers longer than a
    // field's 254 characters.
    auto whole = [&](const std::string& number, double factor, double got) {
        double read;
        if (number.size() > 254 || ReadFieldText(number.c_str(), factor, &read) || read != got)
            CalcFail("a value is read whole, never cut short", name + " " + value);
    };
    size_t length;
    int unit = UnitOf(value, &length);
    std::string number = value.substr(0, unit < 0 ? 0 : length);
    size_t x = number.find('x');
    const Plan* plan = &options.plan;
    if (name == "--resolution")
        whole(value, PER_INCH_TO_PER_MM, plan->resolution);
    else if (unit >= 0 && (name == "--output-width" || name == "--distance"))
        whole(number, UNIT_TO_MM[unit], name == "--distance" ? plan->distance : plan->outputWidth);
    if (unit >= 0 && x != std::string::npos && (name == "--original" || name == "--print")) {
        const double* size = name == "--original" ? plan->original : plan->print;
        whole(number.substr(0, x), UNIT_TO_MM[unit], size[0]);
        whole(number.substr(x + 1), UNIT_TO_MM[unit], size[1]);
    }
}

void CheckNumbers(const std::string& input)
{
    for (size_t i = 0; i + sizeof(double) <= input.size() && i < 8 * sizeof(double);
         i += sizeof(double)) {
        double value;
        std::memcpy(&value, input.data() + i, sizeof value);
        if (std::isfinite(value))
            CheckShortestText(value);
    }
    double read;
    if (!ParseWholeNumber(input.c_str(), &read) && std::isfinite(read))
        CheckShortestText(read);
}

void CheckCommandLine(const std::string& input)
{
    size_t newline = input.find('\n');
    std::string head = input.substr(0, newline);
    std::string in = newline == std::string::npos ? "" : input.substr(newline + 1);
    std::vector<std::string> arguments = Split(head, '\0');
    std::vector<char*> argv = {(char*)"velortin-calc"};
    for (size_t i = 0; !head.empty() && i < arguments.size(); i++)
        argv.push_back(&arguments[i][0]);
    argv.push_back(nullptr);
    FILE* stdinFile = fmemopen(&in[0], in.size(), "r");
    Memory out, err;
    int status = RunCalc((int)argv.size() - 1, argv.data(), stdinFile, out.file, err.file);
    std::fclose(stdinFile);
    std::string written = Close(&out), told = Close(&err);
    if (status < 0 || status > 2)
        CalcFail("the exit status is 0, 1 or 2", told);
    if (status == 2 && (!written.empty() || told.compare(0, 15, "velortin-calc: ") != 0))
        CalcFail("a usage error is told on standard error alone", told);
    // What is written as JSON or CSV reads as such.
    std::vector<std::string> lines = Split(written, '\n');
    std::vector<JsonMember> members;
    for (size_t i = 0; written[0] == '{' && i < lines.size(); i++) {
        const std::string& line = lines[i];
        if (i + 1 < lines.size() ? ReadJsonObject(line.data(), line.data() + line.size(), &members)
                                 : !line.empty())
            CalcFail("a JSON answer is one JSON object on a line", line);
    }
    Rows rows;
    if (written.compare(0, 12, "input_width,") == 0) {
        if (ReadCsv(written.data(), written.data() + written.size(), &rows))
            CalcFail("CSV is records", written);
        for (const std::vector<std::string>& row : rows)
            if (row.size() != rows[0].size())
                CalcFail("a CSV record has the header's number of cells", written);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::string rest((const char*)data + 1, size - 1);
    switch (data[0] % 4) {
    case 0: CheckBatch(rest, data[0] >> 2 & 1); break;
    case 1: CheckOption(rest); break;
    case 2: CheckNumbers(rest); break;
    default: CheckCommandLine(rest); break;
    }
    return 0;
}
