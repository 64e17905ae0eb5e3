// Writing answers in velortin-calc's formats: text, tsv, csv and json.
#pragma once

#include "cli/out_buffer.h"
#include "cli/report.h"

enum OutputFormat { FORMAT_NOT_GIVEN = -1, FORMAT_TEXT, FORMAT_TSV, FORMAT_CSV, FORMAT_JSON };

// Which optional groups of keys a run's answers hold: CSV has a column for each key of
// them, TSV a column for each text.
struct ReportColumns {
    int print;
    int scanner;
};

// CSV's header row; nothing in the other formats.
void WriteHeader(OutBuffer* out, int format, const ReportColumns* columns);
// One answer. A rejection in text is the field's label and the message, without a prefix.
void WriteReport(OutBuffer* out, int format, const ReportColumns* columns, const Report* report);
// With a warning in the report, the line that tells it on standard error; where is "" or
// names the batch line.
void WriteWarning(OutBuffer* err, const Report* report, const char* where);
