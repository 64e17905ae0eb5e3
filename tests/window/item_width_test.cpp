// Measuring a list's items in place in the main font.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "program.h"
#include "ui/choice/choice.h"
#include "ui/main/app.h"
#include "tests/support/exact_text.h"

namespace {

TEST(ChoiceList, ItemWidthMeasuresInPlaceAndRestoresTheList) {
    start_program();
    for (const char* text : {"|mm|cm|in|ft|m|", "|Continuous Tone|Dithered|Printing Press|",
                             "Units|mm|cm|", "|a||b|", "|a|b"}) {
        ExactText list(text);
        int count = ChoiceCount(list.bytes);
        for (int n = 0; n <= count; n++) {
            char* item = ChoiceItem(list.bytes, n);
            std::string alone(item, ChoiceItemLength(item));
            EXPECT_EQ(TextWidth(alone.c_str()), ChoiceItemWidth(item))
                << "item " << n << " of \"" << text << "\"";
            EXPECT_EQ(0, std::memcmp(text, list.bytes, list.size))
                << "after measuring item " << n << ": \"" << list.bytes << "\", was \""
                << text << "\"";
        }
    }
}

}  // namespace
