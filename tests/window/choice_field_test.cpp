// The drop-down field on a test parent: its size, its pixels on the screen, picks,
// presses and the release of its state.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "arrow_map.h"
#include "core/ids.h"
#include "ui/main/messages.h"
#include "harness.h"
#include "program.h"
#include "ui/choice/choice.h"
#include "ui/main/app.h"
#include "ui/heap.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kGray = RGB(128, 128, 128),
               kLightGray = RGB(192, 192, 192), kNearBlack = RGB(1, 1, 1);
const int kFieldId = 321;
const int kX = 10, kY = 20;  // the field's place in the test parent

const char kUnits[] = "|mm|cm|in|ft|m|";
const char kPrinters[] = "|Continuous Tone|Dithered|Printing Press|";
const char kLabelled[] = "Units|mm|cm|";

// The texts of a list, read without the program's walkers.
std::vector<std::string> split(const char* list) {
    std::vector<std::string> parts(1);
    for (const char* p = list; *p; p++) {
        if (*p == '|')
            parts.emplace_back();
        else
            parts.back() += *p;
    }
    parts.pop_back();  // after the closing bar
    return parts;      // [0] is the label
}

// A field made on its own test parent, with the geometry it should have.
struct Field {
    HWND parent = nullptr, window = nullptr;
    std::vector<std::string> texts;
    int L = 0, W = 0, R = 0;

    Field(const char* list, int index) {
        start_program();
        texts = split(list);
        R = RowHeight;
        L = texts[0].empty() ? 0 : TextWidth(texts[0].c_str()) + Gap;
        for (size_t i = 1; i < texts.size(); i++)
            W = std::max(W, TextWidth(texts[i].c_str()) + 2 * Gap);
        parent = create_test_parent(520, 100, 480, 200);
        record_parent_range(MSG_MENU_CLOSED, MSG_KEY_COMPUTE);
        std::string writable(list);
        window = CreateChoiceField(kX, kY, parent, index, &writable[0], kFieldId);
        flush_events();
    }
    ~Field() { DestroyWindow(parent); }

    Snapshot shot() const { return snapshot_client(window); }
};

std::string at(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

// Compares a region of the field with an expected image drawn off-screen; reports the
// first few differences only.
void expect_region(const Snapshot& got, int left, int top, const Snapshot& expected,
                   const char* what) {
    int mismatches = 0;
    for (int y = 0; y < expected.height; y++)
        for (int x = 0; x < expected.width; x++) {
            COLORREF g = got.at(left + x, top + y), e = expected.at(x, y);
            if (g != e && ++mismatches <= 5)
                ADD_FAILURE() << what << " at field " << at(left + x, top + y) << ": got "
                              << rgb_text(g) << ", expected " << rgb_text(e);
        }
    EXPECT_EQ(0, mismatches) << what << ": pixels differing";
}

// A text as the field shows it: MainFont, black on the given background, single line,
// from the top-left corner of its rectangle and clipped to it.
Snapshot text_image(const std::string& text, int width, int height, COLORREF background) {
    return render_image(width, height, [&](HDC dc) {
        RECT r = {0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(background);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        HGDIOBJ old = SelectObject(dc, MainFont);
        SetTextColor(dc, kBlack);
        SetBkColor(dc, background);
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_SINGLELINE | DT_LEFT | DT_TOP);
        SelectObject(dc, old);
    });
}

TEST(ChoiceField, SizeIsLabelPlusBoxPlusSquareButton) {
    for (const char* list : {kUnits, kPrinters, kLabelled}) {
        Field f(list, 0);
        ASSERT_NE(nullptr, f.window) << list;
        RECT r;
        GetWindowRect(f.window, &r);
        MapWindowPoints(nullptr, f.parent, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(kX, r.left) << list;
        EXPECT_EQ(kY, r.top) << list;
        EXPECT_EQ(f.L + f.W + f.R, r.right - r.left)
            << list << ": L " << f.L << ", W " << f.W << ", R " << f.R;
        EXPECT_EQ(f.R, r.bottom - r.top) << list;
        EXPECT_EQ(kFieldId, GetDlgCtrlID(f.window)) << list;
    }
}

TEST(ChoiceField, LabelAreaIsGrayWithTheLabelText) {
    Field f(kLabelled, 0);
    Snapshot s = f.shot();
    ASSERT_GT(f.L, 0);
    for (int x = 0; x < f.L; x++) {
        EXPECT_EQ(kGray, s.at(x, 0)) << "top row " << at(x, 0) << " " << rgb_text(s.at(x, 0));
        EXPECT_EQ(kGray, s.at(x, f.R - 1)) << "bottom row " << at(x, f.R - 1) << " "
                                           << rgb_text(s.at(x, f.R - 1));
    }
    expect_region(s, 0, 1, text_image(f.texts[0], f.L, f.R - 2, kGray), "label");
}

TEST(ChoiceField, BoxAndButtonAreOutlinedInBlack) {
    for (const char* list : {kUnits, kLabelled}) {
        Field f(list, 0);
        Snapshot s = f.shot();
        int L = f.L, W = f.W, R = f.R, right = L + W + R - 1;
        for (int y = 0; y < R; y++)
            for (int x : {L, L + W, right})
                EXPECT_EQ(kBlack, s.at(x, y)) << list << ": outline column " << at(x, y) << " "
                                              << rgb_text(s.at(x, y));
        for (int x = L; x <= right; x++)
            for (int y : {0, R - 1})
                EXPECT_EQ(kBlack, s.at(x, y)) << list << ": outline row " << at(x, y) << " "
                                              << rgb_text(s.at(x, y));
        // The face inside the outline, beside the text's clip rectangle, is light gray.
        for (int y = 1; y < R - 1; y++)
            for (int x : {L + 1, L + Gap - 1, L + W - Gap, L + W - 1})
                EXPECT_EQ(kLightGray, s.at(x, y)) << list << ": box face " << at(x, y) << " "
                                                  << rgb_text(s.at(x, y));
    }
}

TEST(ChoiceField, BoxShowsTheCurrentItem) {
    const struct {
        const char* list;
        int index;
    } cases[] = {{kUnits, 0},    {kUnits, 4},      {kPrinters, 0},
                 {kPrinters, 2}, {kLabelled, 1},   {"|R&D|x|", 0}};  // '&' underlines the D
    for (const auto& c : cases) {
        Field f(c.list, c.index);
        std::string what = std::string(c.list) + " item " + std::to_string(c.index);
        expect_region(f.shot(), f.L + Gap, 1,
                      text_image(f.texts[c.index + 1], f.W - 2 * Gap, f.R - 2, kLightGray),
                      what.c_str());
    }
}

TEST(ChoiceField, ArrowSitsCentredInTheButton) {
    for (const char* list : {kUnits, kLabelled}) {
        Field f(list, 0);
        Snapshot s = f.shot();
        int inset = (f.R - 15) / 2, left = f.L + f.W + inset;
        for (int y = 0; y < kArrowSize; y++)
            for (int x = 0; x < kArrowSize; x++) {
                COLORREF expected = arrow_black(x, y) ? kBlack : kLightGray;
                COLORREF got = s.at(left + x, inset + y);
                EXPECT_EQ(expected, got) << list << ": arrow pixel " << at(x, y) << " at field "
                                         << at(left + x, inset + y) << " " << rgb_text(got);
            }
    }
}

TEST(ChoiceField, ButtonHasARaisedBevelInsideItsOutline) {
    Field f(kUnits, 0);
    Snapshot s = f.shot();
    int bx = f.L + f.W, R = f.R;
    // Two frames, the outer one just inside the outline. White owns each frame's left
    // column and top row but the top-right corner; near-black the right column and the
    // bottom row but the bottom-left corner.
    for (int i = 1; i <= 2; i++) {
        int left = bx + i, top = i, right = bx + R - 1 - i, bottom = R - 1 - i;
        for (int y = top; y <= bottom; y++) {
            EXPECT_EQ(kWhite, s.at(left, y)) << "frame " << i << " left " << at(left, y) << " "
                                             << rgb_text(s.at(left, y));
            EXPECT_EQ(kNearBlack, s.at(right, y)) << "frame " << i << " right " << at(right, y)
                                                  << " " << rgb_text(s.at(right, y));
        }
        for (int x = left; x < right; x++)
            EXPECT_EQ(kWhite, s.at(x, top)) << "frame " << i << " top " << at(x, top) << " "
                                            << rgb_text(s.at(x, top));
        for (int x = left + 1; x <= right; x++)
            EXPECT_EQ(kNearBlack, s.at(x, bottom)) << "frame " << i << " bottom " << at(x, bottom)
                                                   << " " << rgb_text(s.at(x, bottom));
    }
    // Inside the inner frame the face is light gray wherever the arrow is not.
    int inset = (R - 15) / 2;
    for (int y = 3; y <= R - 4; y++)
        for (int x = bx + 3; x <= bx + R - 4; x++) {
            int ax = x - bx - inset, ay = y - inset;
            bool arrow = ax >= 0 && ay >= 0 && ax < kArrowSize && ay < kArrowSize &&
                         arrow_black(ax, ay);
            if (!arrow) {
                EXPECT_EQ(kLightGray, s.at(x, y)) << "button face " << at(x, y) << " "
                                                  << rgb_text(s.at(x, y));
            }
        }
}

TEST(ChoiceField, PickShowsTheNewItemAndTellsTheParent) {
    Field f(kPrinters, 0);
    clear_parent_log();
    LRESULT result = SendMessageA(f.window, MSG_CHOICE_PICKED, 2, 0);
    EXPECT_EQ(0, result);
    const auto& log = parent_log();
    ASSERT_EQ(1u, log.size()) << "notifications to the parent";
    EXPECT_EQ(static_cast<UINT>(MSG_CHOICE_CHANGED), log[0].message);
    EXPECT_EQ(static_cast<WPARAM>(kFieldId), log[0].wParam);
    EXPECT_EQ(2, log[0].lParam);
    flush_events();
    expect_region(f.shot(), f.L + Gap, 1,
                  text_image(f.texts[3], f.W - 2 * Gap, f.R - 2, kLightGray), "after the pick");
    auto* state = reinterpret_cast<ChoiceFieldState*>(GetWindowLongPtrA(f.window, 0));
    ASSERT_NE(nullptr, state);
    EXPECT_EQ(2, state->currentIndex);
}

TEST(ChoiceField, StateDescribesTheField) {
    Field f("|mm|-|cm|-x|", 2);
    auto* s = reinterpret_cast<ChoiceFieldState*>(GetWindowLongPtrA(f.window, 0));
    ASSERT_NE(nullptr, s);
    EXPECT_EQ(2, s->currentIndex);
    EXPECT_EQ(4, s->itemCount);
    EXPECT_EQ(kFieldId, s->controlId);
    EXPECT_EQ(0, s->longList);
    EXPECT_EQ(f.parent, s->parent);
    EXPECT_EQ(f.window, s->self);
    EXPECT_EQ(nullptr, s->openMenu);
    EXPECT_EQ(f.L, s->labelWidth);
    EXPECT_EQ(f.W, s->boxWidth);
    EXPECT_EQ(4 * FontHeight, s->listHeight);
    EXPECT_STREQ("|mm|-|cm|-x|", s->list);
    // Separators ("-" first) are the items that cannot be chosen.
    const int separator[4] = {0, 1, 0, 1};
    for (int k = 0; k < 4; k++) EXPECT_EQ(separator[k], TestBit(s->itemFlags, k)) << "flag " << k;
}

TEST(ChoiceField, LongListShowsTwentyLines) {
    std::string list = "|";
    for (int i = 0; i < 25; i++) list += std::to_string(i) + "|";
    Field f(list.c_str(), 0);
    auto* s = reinterpret_cast<ChoiceFieldState*>(GetWindowLongPtrA(f.window, 0));
    ASSERT_NE(nullptr, s);
    EXPECT_EQ(25, s->itemCount);
    EXPECT_EQ(1, s->longList);
    EXPECT_EQ(MENU_LINES * FontHeight, s->listHeight);
}

TEST(ChoiceField, DestroyFreesItsBlocks) {
    start_program();
    long before = LiveBlocks;
    {
        Field f(kPrinters, 0);
        EXPECT_GT(LiveBlocks, before) << "a live field holds its state and list";
        DestroyWindow(f.window);
        EXPECT_EQ(before, LiveBlocks) << "after DestroyWindow of the field";
    }
    {
        Field f(kUnits, 0);
        Field g(kLabelled, 0);
    }  // destroyed with their parents
    EXPECT_EQ(before, LiveBlocks) << "after destroying the parents";
}

}  // namespace
