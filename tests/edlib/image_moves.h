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

// Word of a file older than 4.9 that stands at word w once the 5.0 resize has run (USRPSD and T
// grew from 40 to 100 entries, and 200 words were added to each vessel's block at 1463 and 2697).
inline int before_version_5(int w) {
    int p = w;
    if (p >= 2897) p -= 200;
    if (p >= 1663) p -= 200;
    if (p >= 418) p -= 60;
    if (p >= 318) p -= 60;
    return p;
}

// The words opened (and zeroed) by the 149-line resize.
inline bool opened_by_149(int w) {
    return (w >= 500 && w <= 699) || (w >= 804 && w <= 903) || (w >= 1052 && w <= 1351) ||
           (w >= 2038 && w <= 2137) || (w >= 2286 && w <= 2585);
}

}  // namespace brevant::testing
