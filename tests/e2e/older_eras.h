// Data files of the older versions for the whole-program tests: a case written back into the layout
// and codes of the version class (era) of a file, and the case the update of such a file must give.
// The layouts are worked out from the old shapes of the arrays (edlib/image_moves.h), the codes from
// the renumberings of the version steps, independently of the updater.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>

#include "e2e_support.h"
#include "edlib/image_moves.h"

namespace brevant::e2e {

using testing::in_49_layout;
using testing::in_layout_before_4_9;

inline constexpr int kStoredWords = 4975;

// Nibble n (1-3) of a packed model word.
inline std::uint32_t nibble(std::uint32_t word, int n) { return (word >> (4 * (n - 1))) & 0xFu; }
inline std::uint32_t with_nibble(std::uint32_t word, int n, std::uint32_t v) {
    return (word & ~(0xFu << (4 * (n - 1)))) | (v << (4 * (n - 1)));
}
// Each of the three fields of a model word through `code`.
inline std::uint32_t by_field(std::uint32_t word, const std::function<std::uint32_t(std::uint32_t)>& code) {
    for (int n = 1; n <= 3; ++n) word = with_nibble(word, n, code(nibble(word, n)));
    return word;
}

// Named words of the current layout that the version steps read or set.
enum Word : int {
    NCURNT = 178, OCHI_LAMBDA1 = 442, DPTHI1 = 462, VELI1 = 467, ANGSEC = 478, BRVFRQ_DELTA = 489,
    WSPEC_HGT = 490, BRV_PD_MIN = 498, SEAHDG1 = 714, CURCOR = 771, GETSUCK = 772, FAST_SPAR = 773,
    LCBARG = 774, LWBARG = 775, VESTYP = 777, LWVCOF = 787, SEMI_LIKE = 791, WVFCY = 1364, VWDFAC = 1367,
    STRNFC = 1368, SIZE = 1389, LOADED = 1390, BOWWND = 1391, DFTPCT = 1392, BOWCUR = 1393, BOWWAV = 1395,
    WVFCX = 1404, WVFCM = 1405, XSHDOW = 1407, YSHDOW = 1408, XCURNTDN = 1652, WVDGCX = 1659,
    TOPCOM_LAST = 1987, BXCURNTDN = 2886, BWVDGCX = 2893, NUNTS = 117, DAT_ID = 15, VERNO = 217,
    LEGDFC = 184, LEGPKF = 185, LEGDRG = 186,
};

// A version class: a file just below one of the update's constants, or past them all; the last ones
// are files of the running version 6.80 (and one within its tolerance of 0.001) that still stand in
// the 49-line layout.
struct Era {
    const char* what;
    float version;
    std::uint32_t dat_id;
    bool layout_49() const { return version < 6.00999f || dat_id == 49; }
};

inline const Era kEras[] = {
    {"below 1.0", 0.99f, 49},   {"below 1.19", 1.18f, 49}, {"below 1.4", 1.39f, 49},  {"below 1.42", 1.41f, 49},
    {"below 1.5", 1.49f, 49},   {"below 4.28", 4.27f, 49}, {"below 4.41", 4.40f, 49}, {"below 4.9", 4.89f, 49},
    {"below 5.0", 4.99f, 49},   {"below 5.38", 5.37f, 49}, {"below 5.55", 5.54f, 49}, {"below 5.57", 5.56f, 49},
    {"below 5.59", 5.58f, 49},  {"below 6.01", 6.005f, 49}, {"6.05, 49 lines", 6.05f, 49},
    {"6.02, the control", 6.02f, 149}, {"6.80, 49 lines", 6.8f, 49}, {"6.8009, 49 lines", 6.8009f, 49},
};

// True for a file whose version counts as the running one (6.80) on loading.
inline bool at_running_version(const Era& e) { return std::abs(6.8f - e.version) <= 0.001f; }

// The word of the era's file that holds word c of the current layout; 0 when that file lacks it.
inline int era_word(const Era& e, int c) {
    if (!e.layout_49()) return c;
    return e.version < 4.9f ? in_layout_before_4_9(c) : in_49_layout(c);
}

// The case as a file of era `e` held it: every word where that layout kept it, the words it lacked
// left out, and the values the version steps convert in their older form.
inline WordFile era_file(const WordFile& now, const Era& e) {
    WordFile older = now;
    for (int k = 1; k <= kStoredWords; ++k) older.set(k, 0);
    for (int c = 1; c <= kStoredWords; ++c)
        if (const int w = era_word(e, c)) older.set(w, now.word(c));
    const auto put = [&](int c, std::uint32_t v) { older.set(era_word(e, c), v); };
    const float v = e.version;
    if (v < 5.0f) {
        // NSMB was code 7 of the current model before 5.0, and 6 before 4.28, where the other
        // codes were numbered apart too (a code without an older form stays as it is).
        const std::uint32_t vestyp = now.word(VESTYP);
        put(LCBARG, by_field(now.word(LCBARG), [&](std::uint32_t x) -> std::uint32_t {
                if (v >= 4.28f) return x == 15 ? 7 : x;
                switch (x) {
                    case 15: return 6;
                    case 6: return 1;
                    case 4: return 2;
                    case 5: return 3;
                    case 3: return 4;
                    case 1: return 5;
                    default: return x;
                }
            }));
        if (v < 4.28f) {
            put(LWBARG, by_field(now.word(LWBARG), [](std::uint32_t x) -> std::uint32_t {
                    return x == 4 ? 1 : x == 3 ? 2 : x == 1 ? 3 : x;
                }));
            const std::uint32_t own = vestyp == 3 ? 3 : vestyp == 4 ? 4 : 2;
            put(LWVCOF, by_field(now.word(LWVCOF), [&](std::uint32_t x) -> std::uint32_t {
                    return x == own ? 1 : x == 1 ? 2 : x;
                }));
        }
    }
    if (v < 4.41f) {
        // The legacy current profile still had its surface point first.
        const std::uint32_t n = now.word(NCURNT);
        if (n >= 1 && n <= 4) {
            put(NCURNT, n + 1);
            for (std::uint32_t i = 1; i <= n; ++i) {
                put(VELI1 + static_cast<int>(i), now.word(VELI1 + static_cast<int>(i) - 1));
                put(DPTHI1 + static_cast<int>(i), now.word(DPTHI1 + static_cast<int>(i) - 1));
            }
        }
    }
    if (v < 1.42f)
        for (int i = 0; i < 4; ++i) put(OCHI_LAMBDA1 + i, now.word(SEAHDG1 + i));  // the sea headings' old words
    if (v < 1.0f) {
        // The model values were integers in words 771-773.
        put(CURCOR, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::bit_cast<float>(now.word(SIZE)))));
        put(GETSUCK, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::bit_cast<float>(now.word(LOADED)))));
        put(FAST_SPAR, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::bit_cast<float>(now.word(BOWWND)))));
    }
    older.set_real(VERNO, v);
    older.set(DAT_ID, e.dat_id);
    return older;
}

inline std::uint32_t real_bits(float x) { return std::bit_cast<std::uint32_t>(x); }

// The case after the update of a file of era `e`: the case itself, with the words the era's file
// could not hold as 0 and every word the era's steps set, by name, to what the step sets it to.
inline WordFile updated_case(const WordFile& now, const WordFile& older, const Era& e) {
    WordFile after = now;
    for (int c = 1; c <= kStoredWords; ++c)
        if (era_word(e, c) == 0) after.set(c, 0);
    const float v = e.version;
    const auto was = [&](int c) { return older.word(era_word(e, c)); };
    const auto set1 = [&](std::initializer_list<int> words) {
        for (int c : words) after.set(c, real_bits(1.0f));
    };
    after.set(DAT_ID, 149);
    if (e.layout_49()) after.set(TOPCOM_LAST, now.word(TOPCOM_LAST + 1));  // keeps the word before its room
    if (v < 5.59f && now.word(WSPEC_HGT) == 0) after.set_real(WSPEC_HGT, now.word(NUNTS) == 0 ? 32.81f : 10.0f);
    if (v < 5.57f) {
        const std::uint32_t t = now.word(VESTYP);
        after.set(SEMI_LIKE, t == 3 || t == 5 || t == 6 ? 1 : 0);
    }
    if (v < 5.55f) {
        after.set_real(BRVFRQ_DELTA, 0.0025f);
        after.set_real(BRV_PD_MIN, 35.0f);
    }
    // The model words through the steps of the era, from the file's own value.
    std::uint32_t wind = was(LWBARG), current = was(LCBARG), drift = was(LWVCOF);
    if (v < 1.0f) {
        wind = wind == 0 ? 273 : 546;
        current = current == 0 ? 273 : 1092;
        drift = 273;
        after.set_real(SIZE, static_cast<float>(static_cast<std::int32_t>(was(CURCOR))));
        for (int c : {LOADED, DFTPCT}) after.set_real(c, static_cast<float>(static_cast<std::int32_t>(was(GETSUCK))));
        for (int c : {BOWCUR, BOWWND, BOWWAV})
            after.set_real(c, static_cast<float>(static_cast<std::int32_t>(was(FAST_SPAR))));
        after.set(CURCOR, 0);
        after.set(GETSUCK, 0);
        after.set(FAST_SPAR, 0);
    }
    if (v < 1.19f) set1({VWDFAC});
    if (v < 1.42f) {
        after.set_real(ANGSEC, 180.0f);
        for (int i = 0; i < 4; ++i) {
            after.set(SEAHDG1 + i, was(OCHI_LAMBDA1 + i));
            after.set(OCHI_LAMBDA1 + i, 0);
        }
    }
    if (v < 1.5f) {
        after.set(CURCOR, 1);
        set1({XSHDOW, YSHDOW});
    }
    if (v < 4.28f) {
        const std::uint32_t t = now.word(VESTYP);
        wind = by_field(wind, [](std::uint32_t x) -> std::uint32_t { return x == 1 ? 4 : x == 2 ? 3 : x == 3 ? 1 : x; });
        current = by_field(current, [](std::uint32_t x) -> std::uint32_t {
            constexpr std::uint32_t to[] = {0, 6, 4, 5, 3, 1, 15};
            return x >= 1 && x <= 6 ? to[x] : x;
        });
        drift = by_field(drift, [&](std::uint32_t x) -> std::uint32_t {
            return x == 1 ? (t == 3 ? 3 : t == 4 ? 4 : 2) : x == 2 ? 1 : x;
        });
    }
    if (v < 4.41f) {
        std::uint32_t n = was(NCURNT);
        if (n > 5) n = 5;
        if (n > 1) n -= 1;
        after.set(NCURNT, n);
        for (int i = 1; i <= 5; ++i) {
            const int from = i <= static_cast<int>(n) ? i + 1 : i;
            after.set(VELI1 + i - 1, was(VELI1 + from - 1));
            after.set(DPTHI1 + i - 1, was(DPTHI1 + from - 1));
        }
    }
    if (v < 4.9f) {
        set1({WVDGCX, WVDGCX + 1, WVDGCX + 2, WVDGCX + 3, BWVDGCX, BWVDGCX + 1, BWVDGCX + 2, BWVDGCX + 3});
        for (int c : {LEGDFC, LEGPKF, LEGDRG}) after.set(c, 1);
    }
    if (v < 5.0f) {
        after.set_real(STRNFC, 1.25f);
        set1({WVFCX, WVFCY, WVFCM, XCURNTDN, XCURNTDN + 1, XCURNTDN + 2, XCURNTDN + 3, BXCURNTDN, BXCURNTDN + 1,
              BXCURNTDN + 2, BXCURNTDN + 3});
        current = by_field(current, [](std::uint32_t x) -> std::uint32_t { return x == 7 ? 15 : x; });
    }
    after.set(LWBARG, wind);
    after.set(LCBARG, current);
    after.set(LWVCOF, drift);
    return after;
}

// Returns to answer: the version report's question, and the pager's pause once more than five
// counted notes come.
inline int returns_for(const Era& e, const WordFile& older) {
    const float v = e.version;
    int counted = 0;
    for (float step : {1.19f, 1.42f, 1.5f, 4.28f, 4.41f, 5.38f, 5.57f}) counted += v < step ? 1 : 0;
    if (e.layout_49()) ++counted;
    if (v < 1.4f) {
        const auto ntab = static_cast<std::int32_t>(older.word(era_word(e, 1915)));
        if (ntab < 0 || ntab > 90 || (ntab >= 1 && ntab <= 30)) ++counted;
    }
    return 1 + (counted >= 6 ? 1 : 0);
}

struct SampleCase {
    const char* what;
    std::function<void()> write;  // writes "BREVDAT" and "LOWDAT" in the current folder
};

}  // namespace brevant::e2e
