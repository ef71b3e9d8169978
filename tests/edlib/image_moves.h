// Where a word of the data image stands after the layout resizes, worked out from the old shapes of
// the arrays (not from the updater's move tables), for the tests of the updater and UPDATE_TO_149.
#pragma once

#include <vector>

namespace brevant::testing {

// Position after the 149-line resize of the stored image of word w of the 49-line layout: no RTPCM2
// (200 words at 500), 4 words of ITPCM6, 49 motion points, a top block one word short, and the same
// for the second vessel. 0 when the word is pushed past word 4975.
inline int after_149(int w) {
    int p = w;
    if (w >= 1585) {
        p = w + 1001;
    } else if (w >= 1437) {
        p = w + 701;
    } else if (w >= 1387) {
        p = w + 601;
    } else if (w >= 752) {
        p = w + 600;
    } else if (w >= 604) {
        p = w + 300;
    } else if (w >= 500) {
        p = w + 200;
    }
    return p <= 4975 ? p : 0;
}

// Word of the 49-line layout that holds word c of the current layout (the inverse of after_149);
// 0 for the words that layout lacks (the room the 149-line resize opens, and TOPCOM_LAST).
inline int in_49_layout(int c) {
    if (c < 500) return c;
    if (c >= 700 && c <= 803) return c - 200;
    if (c >= 904 && c <= 1051) return c - 300;
    if (c >= 1352 && c <= 1986) return c - 600;
    if (c >= 1988 && c <= 2037) return c - 601;
    if (c >= 2138 && c <= 2285) return c - 701;
    if (c >= 2586 && c <= 4975) return c - 1001;
    return 0;
}

// Word of a file older than 4.9 that holds word w of the 49-line layout: USRPSD and T held 40
// entries, and the drag and drift blocks of both vessels (at 863 and 1696 of the 49-line layout)
// were not there yet. 0 for the words such a file lacks.
inline int before_version_5_of_49(int w) {
    if (w == 0) return 0;
    if ((w >= 258 && w <= 317) || (w >= 358 && w <= 417) || (w >= 863 && w <= 1062) || (w >= 1696 && w <= 1895))
        return 0;
    int p = w;
    if (p >= 1896) p -= 200;
    if (p >= 1063) p -= 200;
    if (p >= 418) p -= 60;
    if (p >= 318) p -= 60;
    return p;
}

// Word of a file older than 4.9 that holds word c of the current layout; 0 when it lacks it.
inline int in_layout_before_4_9(int c) { return before_version_5_of_49(in_49_layout(c)); }

// The words opened (and zeroed) by the 149-line resize.
inline bool opened_by_149(int w) {
    return (w >= 500 && w <= 699) || (w >= 804 && w <= 903) || (w >= 1052 && w <= 1351) ||
           (w >= 2038 && w <= 2137) || (w >= 2286 && w <= 2585);
}

}  // namespace brevant::testing
