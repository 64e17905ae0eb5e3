// Choice lists ("label|item 1|item 2|...|item N|"), their per-item flags and the pop-up
// list's height in lines: plain data, without the window system.
#pragma once

enum { MENU_LINES = 20, CHOICE_FLAG_BYTES = 256, CHOICE_MAX_ITEMS = 2048 };

// Item n (from 1) of a list, unterminated: use ChoiceItemLength. 0 or less gives the
// label; past the last item, the closing bar, which reads as an empty item.
char* ChoiceItem(char* list, int n);
const char* ChoiceItem(const char* list, int n);
int ChoiceCount(const char* list);  // bars in the list: one more than its items
int ChoiceItemLength(const char* item);

// Per-item flags, 2048 bits in 256 bytes, most significant bit first.
int TestBit(const unsigned char* flags, int k);
void SetBit(unsigned char* flags, int k);
void ClearBit(unsigned char* flags, int k);
