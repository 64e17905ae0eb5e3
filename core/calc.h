// The scan calculation: the record, units and printer types, the start-up texts, and Compute.
#pragma once

#include "core/ids.h"

enum LengthUnit { UNIT_MM, UNIT_CM, UNIT_IN, UNIT_FT, UNIT_M, UNIT_COUNT };
enum PrinterType { PRINTER_CONTINUOUS, PRINTER_DITHERED, PRINTER_PRESS, PRINTER_COUNT };

// Lengths in millimetres, resolutions per millimetre.
struct CalcRecord {
    double inputWidth = 0;
    double inputHeight = 0;
    double outputWidth = 0;
    double outputHeight = 0;
    double printerRes = 0;
    double viewDistance = 0;
    int printerType = PRINTER_DITHERED;
    int outputUnits = UNIT_IN;
    int distanceUnits = UNIT_IN;
    double scanRes = 0;
    double scanPixelsX = 0;
    double scanPixelsY = 0;
    int inputUnits = UNIT_MM;
};

// Each factor is the double nearest the decimal written; conversion is always one
// multiplication. The inch is 25.40005 mm and the foot 304.8006 mm, not 25.4 and 304.8.
constexpr double UNIT_TO_MM[UNIT_COUNT] = {1, 10, 25.40005, 304.8006, 1000};
constexpr double UNIT_FROM_MM[UNIT_COUNT] = {1, 0.1, 0.039370001240155036, 0.003280833436679587,
                                             0.001};
constexpr double PRINTER_FACTOR[PRINTER_COUNT] = {1, 0.2857142857142857, 1.5};
constexpr double PER_INCH_TO_PER_MM = 0.039370001240155036;
constexpr double PER_MM_TO_PER_INCH = 25.40005;
constexpr double TEN_INCHES = 254.0005;
constexpr double EYE_LIMIT = 9.84250031003876;  // 250 dots per inch, per millimetre

// The editable fields in the order Compute reads them, and the texts it writes, in order.
constexpr int INPUT_FIELDS[5] = {ID_INPUT_WIDTH, ID_INPUT_HEIGHT, ID_OUTPUT_WIDTH,
                                 ID_VIEW_DISTANCE, ID_PRINTER_RES};
// The texts the editable fields start with, in the same order. The record's own defaults
// are the start-up choices: Dithered; mm, in, in.
constexpr const char* START_TEXTS[5] = {"24.0", "36.0", "8.0", "10.0", "720.0"};
constexpr int RESULT_FIELDS[7] = {ID_INPUT_WIDTH, ID_INPUT_HEIGHT, ID_OUTPUT_WIDTH,
                                  ID_OUTPUT_HEIGHT, ID_VIEW_DISTANCE, ID_SCAN_RES,
                                  ID_SCAN_PIXELS};

// What Compute needs from whatever holds the fields: a window, a test, a line of a batch.
struct FieldIo {
    // The text of an editable field, taken just before it is read: either written into
    // buffer (size bytes, terminated) and returned, or a text of the caller's own.
    virtual const char* FieldText(int id, char* buffer, int size) = 0;
    // Called at the moment a field is rejected, before Compute returns.
    virtual void ShowRejection(int id) = 0;
    virtual void SetFieldText(int id, const char* text) = 0;
    virtual void DisableCompute() = 0;

protected:
    ~FieldIo() = default;
};

// One field text read as Compute reads it: 0 with the value multiplied by factor when
// accepted; 1 when rejected, the value then left unconverted as the reader stored it.
int ReadFieldText(const char* text, double factor, double* value);
int ReadInputs(CalcRecord* record, FieldIo* io);
// The step after reading, on a record whose five values are already set: the formula,
// ShowResults, then the disabling of Compute. ComputeScan is ReadInputs followed by this.
void ComputeRecord(CalcRecord* record, FieldIo* io);
int ComputeScan(CalcRecord* record, FieldIo* io);
void ShowResults(const CalcRecord* record, FieldIo* io);
// A pick in one of the four lists stored in the record: CHOICE_UNIT for a unit, after which
// the record is shown again in it; CHOICE_PRINTER for the printer type, which waits for the
// next Compute; CHOICE_NONE, storing nothing, for any other id or an index past the list.
enum ChoiceKind { CHOICE_NONE, CHOICE_PRINTER, CHOICE_UNIT };
int StoreChoice(CalcRecord* record, int id, int index);
// A length held in millimetres as ShowResults writes it in unit: "%1f" for mm, otherwise
// "%2f" of the converted value. size bytes of room (FIXED_TEXT_MAX is always enough).
void FormatLength(double mm, int unit, char* out, int size);
