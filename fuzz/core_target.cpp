// libFuzzer entry: the input is four selections (16 bytes, any ints) and then texts
// separated by tabs; the texts go through the reader, the values read and the raw bytes
// (as doubles) through the formatter, and the first five texts through a whole Compute.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz/core_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int selections[4] = {};
    size_t head = size < sizeof selections ? size : sizeof selections;
    std::memcpy(selections, data, head);
    data += head;
    size -= head;

    // The texts: tabs become terminators; a NUL inside a text ends it, as in a field.
    char* text = (char*)std::malloc(size + 1);
    std::memcpy(text, data, size);
    text[size] = 0;
    const char* texts[5] = {"", "", "", "", ""};
    int count = 0;
    char* start = text;
    for (size_t i = 0; i <= size; i++) {
        if (i < size && text[i] != '\t')
            continue;
        text[i] = 0;
        if (count < 5)
            texts[count++] = start;
        CheckFormats(CheckReader(start));
        start = text + i + 1;
    }
    CheckCompute(texts, selections);

    for (size_t i = 0; i + sizeof(double) <= size && i < 8 * sizeof(double); i += sizeof(double)) {
        double value;
        std::memcpy(&value, data + i, sizeof value);
        CheckFormats(value);
    }
    std::free(text);
    return 0;
}
