// Compute on field texts: the worked results, the order of every read and write,
// rejections, unit changes on the stored record, and values beyond the display range.
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/calc.h"
#include "core/ids.h"
#include "core/reader.h"
#include "core/text.h"
#include "core/text_fields.h"
#include "double_bits.h"

namespace {

const char* const START_TEXTS[5] = {"24.0", "36.0", "8.0", "10.0", "720.0"};

// Logs every call, in order, as "read <id>", "reject <id>", "set <id> <text>", "disable".
struct RecordingFields final : FieldIo {
    std::string input[5];
    std::vector<std::string> calls;

    explicit RecordingFields(const char* const texts[5])
    {
        for (int i = 0; i < 5; i++)
            input[i] = texts[i];
    }
    const char* FieldText(int id, char* buffer, int size) override
    {
        calls.push_back("read " + std::to_string(id));
        int i = InputIndex(id);
        // Hand the text over in the caller's buffer, as the window does.
        CopyText(i < 0 ? "" : input[i].c_str(), buffer, size - 1);
        return buffer;
    }
    void ShowRejection(int id) override { calls.push_back("reject " + std::to_string(id)); }
    void SetFieldText(int id, const char* text) override
    {
        calls.push_back("set " + std::to_string(id) + " " + text);
    }
    void DisableCompute() override { calls.push_back("disable"); }
};

std::string Calls(const std::vector<std::string>& calls)
{
    std::string all;
    for (const std::string& call : calls)
        all += "  " + call + "\n";
    return all;
}

void SetTexts(TextFields* fields, const char* const texts[5])
{
    for (int i = 0; i < 5; i++)
        fields->input[i] = texts[i];
}

// The record as the window leaves it after opening: the start-up Compute has run.
CalcRecord StartedRecord()
{
    CalcRecord record;
    TextFields fields;
    SetTexts(&fields, START_TEXTS);
    EXPECT_EQ(0, ComputeScan(&record, &fields)) << "start-up Compute";
    return record;
}

std::string ResultText(const TextFields& fields, int id)
{
    return fields.result[ResultIndex(id)];
}

TEST(ComputeScan, WorkedExamples)
{
    // The record's results to the last bit, as the native build computes them: the
    // 32-bit Windows build must agree exactly, with no excess precision or fused steps.
    const struct {
        int printer, inputUnits, outputUnits, distanceUnits;
        const char* typed[5];
        const char* shown[7];
        double outputHeight, scanRes, scanPixelsX, scanPixelsY;
    } rows[] = {
        {PRINTER_DITHERED, UNIT_MM, UNIT_IN, UNIT_IN,
         {"24.0", "36.0", "8.0", "10.0", "720.0"},
         {"24.0", "36.0", "8.00", "12.00", "10.00", "1741.7", "1646 x 2469"},
         0x1.30ccf41f212d8p+8, 0x1.1249249249248p+6, 0x1.9b6db6db6db6cp+10, 0x1.3492492492491p+11},
        {PRINTER_CONTINUOUS, UNIT_MM, UNIT_IN, UNIT_IN,
         {"24.0", "36.0", "8.0", "10.0", "720.0"},
         {"24.0", "36.0", "8.00", "12.00", "10.00", "2116.7", "2000 x 3000"},
         0x1.30ccf41f212d8p+8, 0x1.4d55555555556p+6, 0x1.f400000000001p+10, 0x1.7700000000001p+11},
        {PRINTER_PRESS, UNIT_MM, UNIT_IN, UNIT_IN,
         {"24.0", "36.0", "8.0", "10.0", "150"},
         {"24.0", "36.0", "8.00", "12.00", "10.00", "1905.0", "1800 x 2700"},
         0x1.30ccf41f212d8p+8, 0x1.2c00000000001p+6, 0x1.c200000000002p+10, 0x1.5180000000001p+11},
        {PRINTER_CONTINUOUS, UNIT_MM, UNIT_IN, UNIT_IN,
         {"24.0", "36.0", "8.0", "20", "720.0"},
         {"24.0", "36.0", "8.00", "12.00", "20.00", "1058.3", "1000 x 1500"},
         0x1.30ccf41f212d8p+8, 0x1.4d55555555556p+5, 0x1.f400000000001p+9, 0x1.7700000000001p+10},
        {PRINTER_CONTINUOUS, UNIT_IN, UNIT_IN, UNIT_IN,
         {"4", "6", "8", "10", "300"},
         {"4.00", "6.00", "8.00", "12.00", "10.00", "500.0", "2000 x 3000"},
         0x1.30ccf41f212d8p+8, 0x1.3af5c335cf901p+4, 0x1.f400000000001p+10, 0x1.7700000000001p+11},
        {PRINTER_CONTINUOUS, UNIT_MM, UNIT_IN, UNIT_IN,
         {"24.0", "36.0", "8.0", "13", "720.0"},
         {"24.0", "36.0", "8.00", "12.00", "13.00", "1628.2", "1538 x 2308"},
         0x1.30ccf41f212d8p+8, 0x1.0069069069069p+6, 0x1.809d89d89d89ep+10, 0x1.2076276276276p+11},
        {PRINTER_DITHERED, UNIT_CM, UNIT_CM, UNIT_FT,
         {"2.4", "3.6", "20", "1", "1200"},
         {"2.40", "3.60", "20.00", "30.00", "1.00", "1736.1", "1640 x 2461"},
         0x1.2cp+8, 0x1.11671d02442d1p+6, 0x1.9a1aab836643ap+10, 0x1.339400a28cb2bp+11},
    };
    for (const auto& row : rows) {
        CalcRecord record;
        record.printerType = row.printer;
        record.inputUnits = row.inputUnits;
        record.outputUnits = row.outputUnits;
        record.distanceUnits = row.distanceUnits;
        TextFields fields;
        SetTexts(&fields, row.typed);
        std::string typed = std::string(row.typed[0]) + ", " + row.typed[1] + ", " + row.typed[2] +
                            ", " + row.typed[3] + ", " + row.typed[4] + ", printer type " +
                            std::to_string(row.printer);
        EXPECT_EQ(0, ComputeScan(&record, &fields)) << typed;
        EXPECT_EQ(0, fields.rejectedId) << typed;
        EXPECT_EQ(1, fields.computeDisabled) << typed;
        for (int i = 0; i < 7; i++)
            EXPECT_EQ(row.shown[i], std::string(fields.result[i]))
                << typed << ": field " << RESULT_FIELDS[i];
        EXPECT_TRUE(SameDouble(row.outputHeight, record.outputHeight)) << typed << ": outputHeight";
        EXPECT_TRUE(SameDouble(row.scanRes, record.scanRes)) << typed << ": scanRes";
        EXPECT_TRUE(SameDouble(row.scanPixelsX, record.scanPixelsX)) << typed << ": scanPixelsX";
        EXPECT_TRUE(SameDouble(row.scanPixelsY, record.scanPixelsY)) << typed << ": scanPixelsY";
    }
}

TEST(ReadInputs, ConvertsByOneMultiplicationByTheUnitsFactor)
{
    // A division by the reverse factor would differ in the last bit for these values.
    const struct {
        int field, unit;
        const char* text;
        double expected;
    } rows[] = {
        {0, UNIT_MM, "24.5", 24.5},
        {0, UNIT_CM, "2.4", 2.4 * 10},
        {1, UNIT_CM, "12.7", 12.7 * 10},
        {1, UNIT_IN, "36", 36 * 25.40005},
        {2, UNIT_IN, "12.7", 12.7 * 25.40005},
        {2, UNIT_FT, "0.3", 0.3 * 304.8006},
        {3, UNIT_M, "12.7", 12.7 * 1000},
        {3, UNIT_IN, "10", 10 * 25.40005},
        {4, -1, "720", 720 * 0.039370001240155036},
        {4, -1, "7", 7 * 0.039370001240155036},
    };
    double CalcRecord::*const values[5] = {&CalcRecord::inputWidth, &CalcRecord::inputHeight,
                                           &CalcRecord::outputWidth, &CalcRecord::viewDistance,
                                           &CalcRecord::printerRes};
    int CalcRecord::*const units[4] = {&CalcRecord::inputUnits, &CalcRecord::inputUnits,
                                       &CalcRecord::outputUnits, &CalcRecord::distanceUnits};
    for (const auto& row : rows) {
        CalcRecord record;
        if (row.field < 4)
            record.*units[row.field] = row.unit;
        TextFields fields;
        const char* typed[5] = {"24.0", "36.0", "8.0", "10.0", "720.0"};
        typed[row.field] = row.text;
        SetTexts(&fields, typed);
        ASSERT_EQ(0, ReadInputs(&record, &fields))
            << "'" << row.text << "' in field " << INPUT_FIELDS[row.field];
        EXPECT_TRUE(SameDouble(row.expected, record.*values[row.field]))
            << "'" << row.text << "' in field " << INPUT_FIELDS[row.field] << ", unit " << row.unit;
    }
}

TEST(ComputeScan, ReadsFiveFieldsThenWritesSevenThenDisablesCompute)
{
    CalcRecord record;
    RecordingFields fields(START_TEXTS);
    EXPECT_EQ(0, ComputeScan(&record, &fields));
    const std::vector<std::string> expected = {
        "read 102",       "read 103",       "read 104",      "read 106",
        "read 108",       "set 102 24.0",   "set 103 36.0",  "set 104 8.00",
        "set 105 12.00",  "set 106 10.00",  "set 109 1741.7", "set 110 1646 x 2469",
        "disable",
    };
    EXPECT_EQ(expected, fields.calls)
        << "expected:\n" << Calls(expected) << "got:\n" << Calls(fields.calls);
}

TEST(ComputeScan, RejectsAFieldThatIsNotOneNumberAboveZero)
{
    const char* const bad[] = {"12abc", "5 ", " 5", "abc", "", "0", "0.0", "-5", "-0", ".", "1e"};
    for (int field = 0; field < 5; field++) {
        for (const char* text : bad) {
            const CalcRecord before = StartedRecord();
            const char* typed[5] = {"30", "40", "9", "11", "600"};
            typed[field] = text;
            std::string what =
                "'" + std::string(text) + "' in field " + std::to_string(INPUT_FIELDS[field]);

            // The exact calls: the fields up to the rejected one are read, then the report.
            CalcRecord record = before;
            RecordingFields recording(typed);
            EXPECT_EQ(1, ComputeScan(&record, &recording)) << what;
            std::vector<std::string> expected;
            for (int i = 0; i <= field; i++)
                expected.push_back("read " + std::to_string(INPUT_FIELDS[i]));
            expected.push_back("reject " + std::to_string(INPUT_FIELDS[field]));
            EXPECT_EQ(expected, recording.calls)
                << what << "\nexpected:\n" << Calls(expected) << "got:\n" << Calls(recording.calls);

            // Results and the fields not yet read keep their values.
            EXPECT_TRUE(SameDouble(before.outputHeight, record.outputHeight)) << what;
            EXPECT_TRUE(SameDouble(before.scanRes, record.scanRes)) << what;
            EXPECT_TRUE(SameDouble(before.scanPixelsX, record.scanPixelsX)) << what;
            EXPECT_TRUE(SameDouble(before.scanPixelsY, record.scanPixelsY)) << what;
            const double CalcRecord::*order[5] = {
                &CalcRecord::inputWidth, &CalcRecord::inputHeight, &CalcRecord::outputWidth,
                &CalcRecord::viewDistance, &CalcRecord::printerRes};
            for (int later = field + 1; later < 5; later++)
                EXPECT_TRUE(SameDouble(before.*order[later], record.*order[later]))
                    << what << ": field " << INPUT_FIELDS[later] << " changed";

            TextFields fields;
            SetTexts(&fields, typed);
            record = before;
            EXPECT_EQ(1, ComputeScan(&record, &fields)) << what;
            EXPECT_EQ(INPUT_FIELDS[field], fields.rejectedId) << what;
            EXPECT_EQ(0, fields.computeDisabled) << what;
            for (int i = 0; i < 7; i++)
                EXPECT_STREQ("", fields.result[i]) << what << ": wrote field " << RESULT_FIELDS[i];
        }
    }
}

TEST(ComputeScan, ThousandsCommasAreSkipped)
{
    CalcRecord record;
    TextFields fields;
    const char* typed[5] = {"1,000", "1,500", "8.0", "10.0", "72,0.0"};
    SetTexts(&fields, typed);
    EXPECT_EQ(0, ComputeScan(&record, &fields));
    EXPECT_EQ("1000.0", ResultText(fields, ID_INPUT_WIDTH));
    EXPECT_EQ("1500.0", ResultText(fields, ID_INPUT_HEIGHT));
    EXPECT_EQ("12.00", ResultText(fields, ID_OUTPUT_HEIGHT));
    EXPECT_EQ("1646 x 2469", ResultText(fields, ID_SCAN_PIXELS));
}

TEST(ComputeScan, LengthsAreTakenInTheirUnits)
{
    // Typed in one unit, shown in millimetres. The inch is 25.40005 mm and the foot
    // 304.8006 mm, which enough of them make visible.
    const struct {
        int unit;
        const char* typed;
        const char* millimetres;
    } rows[] = {
        {UNIT_MM, "24", "24.0"},          {UNIT_CM, "2.40", "24.0"},
        {UNIT_IN, "10000", "254000.5"},     {UNIT_FT, "1000", "304800.6"},
        {UNIT_M, "0.02", "20.0"},
    };
    for (const auto& row : rows) {
        CalcRecord record;
        record.inputUnits = row.unit;
        TextFields fields;
        const char* typed[5] = {row.typed, row.typed, "8.0", "10.0", "720.0"};
        SetTexts(&fields, typed);
        ASSERT_EQ(0, ComputeScan(&record, &fields)) << "'" << row.typed << "' in unit " << row.unit;
        record.inputUnits = UNIT_MM;
        ShowResults(&record, &fields);
        EXPECT_EQ(row.millimetres, ResultText(fields, ID_INPUT_WIDTH))
            << "'" << row.typed << "' in unit " << row.unit;
    }
}

TEST(ShowResults, SameRecordInAnotherUnitWithoutReadingOrComputing)
{
    const struct {
        int unit;
        const char* width;
        const char* height;
    } rows[] = {
        {UNIT_IN, "0.94", "1.42"}, {UNIT_CM, "2.40", "3.60"}, {UNIT_FT, "0.08", "0.12"},
        {UNIT_M, "0.02", "0.04"},  {UNIT_MM, "24.0", "36.0"},
    };
    CalcRecord record = StartedRecord();
    for (const auto& row : rows) {
        record.inputUnits = row.unit;
        RecordingFields fields(START_TEXTS);
        ShowResults(&record, &fields);
        const std::vector<std::string> expected = {
            std::string("set 102 ") + row.width, std::string("set 103 ") + row.height,
            "set 104 8.00", "set 105 12.00", "set 106 10.00", "set 109 1741.7",
            "set 110 1646 x 2469",
        };
        EXPECT_EQ(expected, fields.calls) << "unit " << row.unit << "\nexpected:\n"
                                          << Calls(expected) << "got:\n" << Calls(fields.calls);
    }
}

TEST(StoreChoice, StoresOnlyPicksThatNameAUnitOrAType)
{
    // The selections after each pick, printer type first, from the start-up ones (1 0 2 2).
    const struct {
        int id, index, kind;
        const char* after;
    } rows[] = {
        {ID_INPUT_UNITS, 4, CHOICE_UNIT, "1 4 2 2"},
        {ID_OUTPUT_UNITS, 0, CHOICE_UNIT, "1 0 0 2"},
        {ID_DISTANCE_UNITS, 3, CHOICE_UNIT, "1 0 2 3"},
        {ID_PRINTER_TYPE, 2, CHOICE_PRINTER, "2 0 2 2"},
        {ID_PRINTER_TYPE, 3, CHOICE_NONE, "1 0 2 2"},
        {ID_INPUT_UNITS, 5, CHOICE_NONE, "1 0 2 2"},
        {ID_OUTPUT_UNITS, -1, CHOICE_NONE, "1 0 2 2"},
        {ID_INPUT_WIDTH, 1, CHOICE_NONE, "1 0 2 2"},
    };
    for (const auto& row : rows) {
        CalcRecord record;
        EXPECT_EQ(row.kind, StoreChoice(&record, row.id, row.index)) << row.id << " " << row.index;
        std::string after = std::to_string(record.printerType) + " " +
                            std::to_string(record.inputUnits) + " " +
                            std::to_string(record.outputUnits) + " " +
                            std::to_string(record.distanceUnits);
        EXPECT_EQ(row.after, after) << "pick " << row.index << " on " << row.id;
    }
}

TEST(ComputeScan, DisplayRoundingEntersTheRecord)
{
    CalcRecord record = StartedRecord();
    record.inputUnits = UNIT_M;
    TextFields fields;
    ShowResults(&record, &fields);
    ASSERT_EQ("0.02", ResultText(fields, ID_INPUT_WIDTH));
    ASSERT_EQ("0.04", ResultText(fields, ID_INPUT_HEIGHT));

    // Compute takes the texts as shown: 20 by 40 mm, so the print is twice as high as wide.
    const char* shown[5] = {fields.result[0], fields.result[1], fields.result[2], fields.result[4],
                            "720.0"};
    TextFields again;
    SetTexts(&again, shown);
    ASSERT_EQ(0, ComputeScan(&record, &again));
    EXPECT_EQ("8.00", ResultText(again, ID_OUTPUT_WIDTH));
    EXPECT_EQ("16.00", ResultText(again, ID_OUTPUT_HEIGHT));
    EXPECT_EQ("0.02", ResultText(again, ID_INPUT_WIDTH));
}

TEST(ComputeScan, RejectionLeavesAPartlyUpdatedRecord)
{
    CalcRecord record = StartedRecord();
    TextFields fields;
    const char* typed[5] = {"30", "36.0", "-3", "10.0", "720.0"};
    SetTexts(&fields, typed);
    ASSERT_EQ(1, ComputeScan(&record, &fields));
    ASSERT_EQ(ID_OUTPUT_WIDTH, fields.rejectedId);
    EXPECT_TRUE(SameDouble(-3.0, record.outputWidth)) << "the rejected value is kept unconverted";

    record.outputUnits = UNIT_CM;
    TextFields shown;
    ShowResults(&record, &shown);
    const char* expected[7] = {"30.0", "36.0", "-0.30", "30.48", "10.00", "1741.7", "1646 x 2469"};
    for (int i = 0; i < 7; i++)
        EXPECT_EQ(expected[i], std::string(shown.result[i])) << "field " << RESULT_FIELDS[i];
}

TEST(ComputeScan, RejectsTextsThatReadAsInfinity)
{
    const std::string nines(400, '9');
    for (int field = 0; field < 5; field++) {
        CalcRecord record = StartedRecord();
        TextFields fields;
        const char* typed[5] = {"24.0", "36.0", "8.0", "10.0", "720.0"};
        typed[field] = nines.c_str();
        SetTexts(&fields, typed);
        EXPECT_EQ(1, ComputeScan(&record, &fields)) << "400 nines in field " << INPUT_FIELDS[field];
        EXPECT_EQ(INPUT_FIELDS[field], fields.rejectedId)
            << "400 nines in field " << INPUT_FIELDS[field];
        EXPECT_EQ(0, fields.computeDisabled);
    }
}

TEST(ComputeScan, RejectsLengthsThatConvertToInfinity)
{
    // 1e306 m is beyond the largest double once in millimetres. The reader takes two
    // exponent digits, so the rest of the exponent is written out as zeros.
    const std::string huge = "1" + std::string(207, '0') + "e99";
    double typedValue;
    ASSERT_EQ(0, ParseWholeNumber(huge.c_str(), &typedValue));
    ASSERT_TRUE(std::isfinite(typedValue));
    const struct {
        int field;
        int CalcRecord::*unit;
        double CalcRecord::*value;
    } rows[] = {
        {0, &CalcRecord::inputUnits, &CalcRecord::inputWidth},
        {1, &CalcRecord::inputUnits, &CalcRecord::inputHeight},
        {2, &CalcRecord::outputUnits, &CalcRecord::outputWidth},
        {3, &CalcRecord::distanceUnits, &CalcRecord::viewDistance},
    };
    for (const auto& row : rows) {
        CalcRecord record = StartedRecord();
        record.*row.unit = UNIT_M;
        TextFields fields;
        const char* typed[5] = {"24.0", "36.0", "8.0", "10.0", "720.0"};
        typed[row.field] = huge.c_str();
        SetTexts(&fields, typed);
        EXPECT_EQ(1, ComputeScan(&record, &fields))
            << "1e306 m in field " << INPUT_FIELDS[row.field];
        EXPECT_EQ(INPUT_FIELDS[row.field], fields.rejectedId);
        EXPECT_TRUE(SameDouble(typedValue, record.*row.value))
            << "field " << INPUT_FIELDS[row.field] << " should keep the value as typed";
    }
}

// Splits "X x Y" into its two numbers as the reader takes them.
void ReadPixels(const std::string& text, double* x, double* y)
{
    size_t cross = text.find(" x ");
    ASSERT_NE(std::string::npos, cross) << "'" << text << "'";
    std::string first = text.substr(0, cross), second = text.substr(cross + 3);
    ASSERT_EQ(0, ParseWholeNumber(first.c_str(), x)) << "'" << text << "'";
    ASSERT_EQ(0, ParseWholeNumber(second.c_str(), y)) << "'" << text << "'";
}

TEST(ComputeScan, LargePrintsShowTrueCounts)
{
    // Continuous tone at 10 inches: the eye's 250 per inch over the print width.
    const struct {
        const char* outputWidth;  // inches
        double inches;
    } rows[] = {
        {"100000000", 1e8},
        {"1000000000000", 1e12},
        {"1e30", 1e30},
        {"1e99", 1e99},
    };
    for (const auto& row : rows) {
        CalcRecord record;
        record.printerType = PRINTER_CONTINUOUS;
        TextFields fields;
        const char* typed[5] = {"24.0", "36.0", row.outputWidth, "10.0", "720.0"};
        SetTexts(&fields, typed);
        ASSERT_EQ(0, ComputeScan(&record, &fields)) << "output width " << row.outputWidth;
        double x = 0, y = 0;
        std::string pixels = ResultText(fields, ID_SCAN_PIXELS);
        ReadPixels(pixels, &x, &y);
        EXPECT_NEAR(1.0, x / (250 * row.inches), 1e-8)
            << "output width " << row.outputWidth << ": '" << pixels << "'";
        EXPECT_NEAR(1.0, y / (375 * row.inches), 1e-8)
            << "output width " << row.outputWidth << ": '" << pixels << "'";

        // The output height and the scan resolution read back near their values too.
        double height = 0, res = 0;
        std::string heightText = ResultText(fields, ID_OUTPUT_HEIGHT);
        std::string resText = ResultText(fields, ID_SCAN_RES);
        ASSERT_EQ(0, ParseWholeNumber(heightText.c_str(), &height)) << "'" << heightText << "'";
        ASSERT_EQ(0, ParseWholeNumber(resText.c_str(), &res)) << "'" << resText << "'";
        EXPECT_NEAR(1.0, height / (1.5 * row.inches), 1e-8) << "'" << heightText << "'";
        EXPECT_NEAR(1.0, res / (250 * row.inches * 25.40005 / 24), 1e-8) << "'" << resText << "'";
    }
}

}  // namespace
