// The drop arrow's black pixels, row by row, as an independent copy of its pixel map.
#pragma once

struct ArrowRow {
    int first, last;  // black columns, inclusive; first > last for a white row
};

const int kArrowSize = 15;
const ArrowRow kArrowRows[kArrowSize] = {
    {1, 0}, {6, 8}, {6, 8}, {6, 8},  {6, 8}, {6, 8},  {3, 11}, {4, 10},
    {5, 9}, {6, 8}, {7, 7}, {1, 0},  {3, 11}, {3, 11}, {1, 0},
};

inline bool arrow_black(int x, int y) {
    return x >= kArrowRows[y].first && x <= kArrowRows[y].last;
}
