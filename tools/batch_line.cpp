// One line of batch input: 9 tab-separated columns, the printer, three units and five
// texts.
#include "tools/batch_line.h"

namespace {

// An index column is exactly one digit from 0 to last; returns it or -1.
int IndexColumn(const char* column, size_t length, int last)
{
    if (length != 1 || column[0] < '0' || column[0] > '0' + last)
        return -1;
    return column[0] - '0';
}

}  // namespace

const char* ReadBatchLine(char* line, size_t length, CalcRecord* record, TextFields* fields)
{
    const char* column[9];
    size_t columnLength[9];
    int count = 0;
    size_t start = 0;
    // Tabs become terminators, so each text ends at its own tab (or at an earlier NUL,
    // as a text handed over by an edit field would).
    for (size_t i = 0; i <= length; i++) {
        if (i < length && line[i] != '\t')
            continue;
        if (count == 9)
            return "columns";
        column[count] = line + start;
        columnLength[count] = i - start;
        count++;
        line[i] = 0;
        start = i + 1;
    }
    if (count != 9)
        return "columns";

    record->printerType = IndexColumn(column[0], columnLength[0], PRINTER_COUNT - 1);
    record->inputUnits = IndexColumn(column[1], columnLength[1], UNIT_COUNT - 1);
    record->outputUnits = IndexColumn(column[2], columnLength[2], UNIT_COUNT - 1);
    record->distanceUnits = IndexColumn(column[3], columnLength[3], UNIT_COUNT - 1);
    if (record->printerType < 0 || record->inputUnits < 0 || record->outputUnits < 0 ||
        record->distanceUnits < 0)
        return "index";

    for (int i = 0; i < 5; i++)
        fields->input[i] = column[4 + i];
    return nullptr;
}
