// The built resources read back from the test executable: arrow bitmap and icon.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "arrow_map.h"
#include "harness.h"
#include "resources/strings.h"

namespace {

HINSTANCE self() { return GetModuleHandleA(nullptr); }

TEST(Resources, ArrowBitmapIsFourBitBlackAndWhite) {
    HRSRC found = FindResourceA(self(), "IDDARROW", reinterpret_cast<LPCSTR>(RT_BITMAP));
    ASSERT_NE(nullptr, found);
    const auto* info = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(self(), found)));
    ASSERT_NE(nullptr, info);
    EXPECT_EQ(15, info->biWidth);
    EXPECT_EQ(15, info->biHeight);
    EXPECT_EQ(4, info->biBitCount);
    const auto* palette = reinterpret_cast<const RGBQUAD*>(info + 1);
    const RGBQUAD black = {0, 0, 0, 0}, white = {255, 255, 255, 0};
    EXPECT_EQ(0, std::memcmp(&palette[0], &black, sizeof black)) << "index 0 is not black";
    EXPECT_EQ(0, std::memcmp(&palette[15], &white, sizeof white)) << "index 15 is not white";
    // Only indexes 0 and 15 in the 15 pixels of each row (the 16th nibble is padding).
    const auto* bits = reinterpret_cast<const BYTE*>(palette + 16);
    for (int row = 0; row < 15; row++)
        for (int x = 0; x < 15; x++) {
            BYTE pair = bits[row * 8 + x / 2];
            int index = x % 2 ? pair & 15 : pair >> 4;
            EXPECT_TRUE(index == 0 || index == 15) << "index " << index << " at (" << x << ","
                                                   << 14 - row << ")";
        }
}

TEST(Resources, ArrowBitmapPixelsMatchTheMap) {
    HBITMAP bitmap = LoadBitmapA(self(), "IDDARROW");
    ASSERT_NE(nullptr, bitmap);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = kArrowSize;
    bi.bmiHeader.biHeight = -kArrowSize;  // top row first
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(kArrowSize * kArrowSize);
    HDC dc = GetDC(nullptr);
    int rows = GetDIBits(dc, bitmap, 0, kArrowSize, pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(bitmap);
    ASSERT_EQ(kArrowSize, rows);
    for (int y = 0; y < kArrowSize; y++)
        for (int x = 0; x < kArrowSize; x++) {
            DWORD got = pixels[y * kArrowSize + x] & 0xFFFFFF;
            DWORD expected = arrow_black(x, y) ? 0x000000 : 0xFFFFFF;
            EXPECT_EQ(expected, got) << "pixel (" << x << "," << y << ")";
        }
}

TEST(Resources, IconOneIsOneThirtyTwoPixelImage) {
    HRSRC found = FindResourceA(self(), MAKEINTRESOURCEA(IDI_APP),
                                reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
    ASSERT_NE(nullptr, found);
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE width, height, colours, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
    struct Group {
        WORD reserved, type, count;
        GroupEntry entries[1];
    };
#pragma pack(pop)
    const auto* group = static_cast<const Group*>(LockResource(LoadResource(self(), found)));
    ASSERT_NE(nullptr, group);
    ASSERT_EQ(1, group->count);
    EXPECT_EQ(32, group->entries[0].width);
    EXPECT_EQ(32, group->entries[0].height);
    EXPECT_EQ(4, group->entries[0].bitCount);

    HICON icon = LoadIconA(self(), MAKEINTRESOURCEA(IDI_APP));
    ASSERT_NE(nullptr, icon);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(32, mask.bmWidth);
    // A colour icon's mask bitmap holds only the AND mask; a monochrome one holds both.
    EXPECT_EQ(info.hbmColor ? 32 : 64, mask.bmHeight);
    ASSERT_NE(nullptr, info.hbmColor) << "icon 1 loaded as monochrome";
    BITMAP colour = {};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(32, colour.bmWidth);
    EXPECT_EQ(32, colour.bmHeight);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
}

// The icon's pixel map: each character's colour, or transparent.
struct IconMap {
    std::vector<std::string> rows;
    int colour[256];  // -1 transparent, else 0xRRGGBB
};

bool read_icon_map(IconMap* map) {
    static const int palette[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    FILE* f = std::fopen(VELORTIN_SOURCE_DIR "/resources/icon.txt", "r");
    if (!f) return false;
    char line[256];
    bool pixels = false;
    while (std::fgets(line, sizeof line, f)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        if (pixels) {
            if (!text.empty()) map->rows.push_back(text);
        } else if (text.rfind("key ", 0) == 0 && text.size() > 6) {
            std::string value = text.substr(6);
            map->colour[static_cast<unsigned char>(text[4])] =
                value == "clear" ? -1 : palette[std::atoi(value.c_str()) & 15];
        } else if (text == "pixels") {
            pixels = true;
        }
    }
    std::fclose(f);
    return true;
}

TEST(Resources, IconDrawsItsPixelMapOverAnyBackground) {
    IconMap map;
    ASSERT_TRUE(read_icon_map(&map)) << "cannot open " VELORTIN_SOURCE_DIR "/resources/icon.txt";
    ASSERT_EQ(32u, map.rows.size());
    HICON icon = LoadIconA(self(), MAKEINTRESOURCEA(IDI_APP));
    ASSERT_NE(nullptr, icon);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = SelectObject(dc, target);
    // Two backgrounds: transparent pixels must show each, the others neither.
    for (COLORREF background : {RGB(255, 0, 255), RGB(0, 96, 0)}) {
        HBRUSH brush = CreateSolidBrush(background);
        RECT all = {0, 0, 32, 32};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
        for (int y = 0; y < 32; y++)
            for (int x = 0; x < 32; x++) {
                int want = map.colour[static_cast<unsigned char>(map.rows[y][x])];
                COLORREF expected =
                    want < 0 ? background : RGB(want >> 16, (want >> 8) & 255, want & 255);
                COLORREF got = GetPixel(dc, x, y);
                EXPECT_EQ(expected, got) << "(" << x << "," << y << ") '" << map.rows[y][x]
                                         << "': got " << rgb_text(got) << ", expected "
                                         << rgb_text(expected);
            }
    }
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

}  // namespace
