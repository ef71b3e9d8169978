// The reference cases and their runner: each case is written as "BREVDAT" and "LOWDAT" through the
// named words of the data image (the program's own new case with the words of the case set), then
// the built program executes it in a fresh folder and the report is collected.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "e2e/e2e_support.h"
#include "test_support.h"

namespace brevant::e2e::reference {

// Unit factors between the metric and the English twin of a case.
inline constexpr float kFeetPerMetre = 3.28084f;
inline constexpr float kKipsPerTonne = 2.20462f;

enum class Units { metric, english };

enum class Hull { ship, disc, semi };

struct ShipOptions {
    Units units = Units::metric;
    bool current = true;  // off: the drift coefficients have their current-free closed form
    Hull hull = Hull::ship;
    bool swell = true;  // a Pierson-Moskowitz swell of 2 m, 14 s peak, from 180 degrees as well
    bool api_wind = false;  // the A.P.I. wind spectrum (peak parameter 0.025) in place of Davenport's
    // A General JONSWAP sea (gamma 3.3, widths 0.07 below and 0.09 above the peak) of 4 m with a 10 s
    // peak in place of the Pierson-Moskowitz sea, and the 2001 tanker drift model, which has a yaw
    // moment, in place of the tanh law (ship only).
    bool jonswap_tanker = false;
};

// The JONSWAP sea of the jonswap_tanker cases.
inline constexpr float kJonswapGamma = 3.3f, kJonswapSigmaA = 0.07f, kJonswapSigmaB = 0.09f, kJonswapPeak = 10.0f;

// Waterline length, breadth and draft of the hull in metres.
struct HullSize {
    float L, B, T;
};
inline HullSize hull_size(Hull h) {
    return h == Hull::ship ? HullSize{150.0f, 25.0f, 8.0f} : h == Hull::disc ? HullSize{16.0f, 16.0f, 3.0f} : HullSize{70.0f, 70.0f, 20.0f};
}

// Word of element (j, i) of a (3, 50) member array starting at word `first`.
inline int member_triple_word(int first, int j, int i) { return first + 3 * (i - 1) + (j - 1); }

// The semi-submersible's members (metres, keel at z 0): four columns of 10 m diameter at (+-30, +-30)
// and two pontoons of 8 m diameter along x at y +-30, axis 4 m above the keel, 70 m long.
inline void add_semi_members(std::vector<std::pair<int, std::uint32_t>>& w, float len) {
    struct Member {
        float base[3], top[3], diameter;
        int dir;  // 1 along x, 3 along z
    };
    const Member members[] = {
        {{30, 30, 0}, {30, 30, 40}, 10, 3},   {{30, -30, 0}, {30, -30, 40}, 10, 3},
        {{-30, 30, 0}, {-30, 30, 40}, 10, 3}, {{-30, -30, 0}, {-30, -30, 40}, 10, 3},
        {{-35, 30, 4}, {35, 30, 4}, 8, 1},    {{-35, -30, 4}, {35, -30, 4}, 8, 1},
    };
    w.push_back({3661, 6u});  // NCYL
    for (int i = 1; i <= 6; ++i) {
        const Member& m = members[i - 1];
        const float d = m.diameter * len;
        const float length = (m.dir == 3 ? 40.0f : 70.0f) * len;
        w.push_back({3307 + i, 0u});                                           // BOTTYP free
        w.push_back({3357 + i, m.dir == 3 ? 1u : 0u});                         // TOPTYP piercing or free
        w.push_back({3407 + i, static_cast<std::uint32_t>(m.dir)});            // MEMDIR
        w.push_back({3457 + i, 0u});                                           // MEMTYP
        w.push_back({3507 + i, 1u});                                           // NCYLTP circular
        w.push_back({3557 + i, 0u});                                           // MASCMP typed
        w.push_back({3607 + i, 0u});                                           // DRGCMP typed
        w.push_back({3975 + i, real_word(0.785398f * d * d)});                 // XAREA
        const float diams[3] = {d, d, length}, cm[3] = {1.0f, 1.0f, 0.0f};
        for (int j = 1; j <= 3; ++j) {
            w.push_back({member_triple_word(3676, j, i), real_word(m.base[j - 1] * len)});
            w.push_back({member_triple_word(3826, j, i), real_word(m.top[j - 1] * len)});
            w.push_back({member_triple_word(4026, j, i), real_word(diams[j - 1])});
            w.push_back({member_triple_word(4176, j, i), real_word(cm[j - 1])});
            w.push_back({member_triple_word(4326, j, i), real_word(0.0f)});
            w.push_back({member_triple_word(4476, j, i), real_word(0.0f)});
            w.push_back({member_triple_word(4626, j, i), real_word(0.0f)});
        }
    }
}

// BRVFLG of the reference cases: every table of the report.
inline std::uint32_t reference_output_bits(bool swell) {
    const int bits[] = {1, 2, 3, 4, 5, 7, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 27};
    std::uint32_t brvflg = 0;
    for (int b : bits) brvflg |= 1u << (b - 1);
    if (swell) brvflg |= (1u << 5) | (1u << 7);  // the swell spectrum (VIII) and group spectrum (VIIIp)
    return brvflg;
}

// The reference ship: an exact box 150 x 25 m at 8 m draft in 100 m of water, regular-wave periods
// 3 to 30 s by 0.5, a Pierson-Moskowitz sea of 4 m and a Pierson-Moskowitz swell of 2 m with a
// 14 s peak, wind 30 knots (Davenport) and current 1 knot, every source from 180 degrees, the cylindrical wind and current
// models, the tanh-law drift model with unit factors, an external force, every table of the
// report for 13 attack angles from 0 by 15 degrees, BRVFRQ 0.05 rad/s on the low-frequency grid,
// the report on disk. The English twin is the same physical case in feet and kips.
// The disc buoy is a disc of 16 m diameter at 3 m draft with the same sea, wind, current and report,
// unmoored (MORFBK 0): the program's data file holds no mooring block.
inline void write_reference_ship(const ShipOptions& o = {}) {
    create_case();
    make_runnable();
    const bool en = o.units == Units::english;
    const float len = en ? kFeetPerMetre : 1.0f;        // metres to the case's length unit
    const float frc = en ? kKipsPerTonne : 1.0f;        // tonnes to the case's force unit
    const bool disc = o.hull == Hull::disc;
    const bool semi = o.hull == Hull::semi;
    const HullSize m = hull_size(o.hull);
    const float L = m.L * len, B = m.B * len, T = m.T * len;
    const float rho = en ? 64.0f : 1025.0f;              // water, lb/ft^3 or kg/m^3
    const float pi = 3.14159265f;
    // Displacement (t or kips), waterplane area and the metacentric heights of a box or a disc.
    const float volume = disc ? pi * 0.25f * m.L * m.L * m.T : m.L * m.B * m.T;
    const float displ = volume * 1.025f * frc;
    const float awp = disc ? pi * 0.25f * L * L : L * B;
    const float bmt = disc ? (pi * std::pow(0.5f * m.L, 4.0f) / 4.0f) / volume * len : B * B / (12.0f * T);
    const float bml = disc ? bmt : L * L / (12.0f * T);
    const std::uint32_t brvflg = reference_output_bits(o.swell);
    std::vector<std::pair<int, std::uint32_t>> words = {
        {117, en ? 0u : 1u},                                 // NUNTS
        {777, disc ? 4u : 1u},                               // VESTYP ship or disc buoy
        {780, 0},                                            // MORFBK: no mooring feedback
        {446, real_word(100.0f * len)},                      // DEPTH
        {447, real_word(rho)},                               // DWATR
        {1409, real_word(displ)},                            // DISPL
        {1410, real_word(T / 2.0f)},                         // VKB
        {1411, real_word((disc ? 2.5f : 8.0f) * len)},       // VKG
        {1412, real_word(T)},                                // DRAFT
        {1413, real_word(awp)},                              // AWP
        {1414, real_word(disc ? 3.0f * len : 0.25f * L)},    // PGYR
        {1415, real_word(disc ? 3.0f * len : 0.35f * B)},    // RGYR
        {1416, real_word(disc ? 3.0f * len : 0.25f * L)},    // YGYR
        {1417, real_word(T / 2.0f + bmt)},                   // VKMT
        {1418, real_word(T / 2.0f + bml)},                   // VKML
        {1419, real_word(L)},                                // LWL
        {1420, real_word(B)},                                // BWL
        {167, 55},                                           // NWP: 3 to 30 s by 0.5
        {164, 1},                                            // WAVTYP Pierson-Moskowitz
        {172, 1},                                            // LRANDM
        {430, real_word(4.0f * len)},                        // SWHT(1)
        {436, real_word(15.66f * std::sqrt(4.0f / 9.81f))},  // SIGPD(1), the P-M peak of 4 m
        {714, real_word(180.0f)},                            // SEAHDG(1)
        {418, real_word(180.0f)},                            // WAVHDG(1)
        {174, 0},                                            // LSWELL
        {175, 1},                                            // LWIND
        {165, 1},                                            // WNDTYP Davenport
        {454, real_word(180.0f)},                            // WNDHDG
        {455, real_word(30.0f)},                             // WNDSPD, knots in both units
        {176, o.current ? 1u : 0u},                          // LCURNT
        {457, real_word(180.0f)},                            // CURHDG
        {458, real_word(1.0f)},                              // CURSPD, knots
        {775, 0x555},                                        // LWBARG cylindrical
        {774, 0x777},                                        // LCBARG cylindrical
        {787, 0x444},                                        // LWVCOF tanh-law drift
        {1404, real_word(1.0f)},                             // WVFCX
        {1364, real_word(1.0f)},                             // WVFCY
        {1353, real_word(B * (disc ? 3.0f : 15.0f) * len)},  // XWNDAR
        {1355, real_word(L * (disc ? 3.0f : 15.0f) * len)},  // YWNDAR
        {1357, real_word(B * T)},                            // XCURAR
        {1359, real_word(L * T)},                            // YCURAR
        {448, real_word(4.0f * len / std::sqrt(2.0f))},      // SLPHT, the sea's height / sqrt 2
        {1441, 1},                                           // AUXFRC
        {1442, 0},                                           // CRDSYS global
        {1435, real_word(50.0f * frc)},                      // XVFRC
        {1436, real_word(-20.0f * frc)},                     // YVFRC
        {1437, real_word(300.0f * frc * len)},               // VESMOM
        {180, brvflg},                                       // BRVFLG: every table
        {179, 13},                                           // NUMBRV
        {187, 0},                                            // LANGARR uniform
        {1438, real_word(0.0f)},                             // VESAN0
        {472, real_word(15.0f)},                             // BRVINC
        {473, real_word(0.05f)},                             // BRVFRQ, on the grid of 0.005
        {489, real_word(0.005f)},                            // BRVFRQ_DELTA
        {498, real_word(30.0f)},                             // BRV_PD_MIN
        {109, 1},                                            // IUNIT: the report on disk
        {104, 1},                                            // NEGSUM: no vessel summary
    };
    for (int i = 1; i <= 55; ++i) words.push_back({317 + i, real_word(3.0f + 0.5f * static_cast<float>(i - 1))});
    if (o.swell) {
        for (auto& [k, value] : words) {
            if (k == 174) value = 1u;  // LSWELL
        }
        words.push_back({190, 1u});                             // SWLTYP Pierson-Moskowitz
        words.push_back({451, real_word(2.0f * len)});          // SWELHT
        words.push_back({452, real_word(14.0f)});               // SWELPD
        words.push_back({453, real_word(180.0f)});              // SWLHDG
    }
    if (o.api_wind) {
        for (auto& [k, value] : words) {
            if (k == 165) value = 4u;  // WNDTYP A.P.I.
        }
        words.push_back({460, real_word(0.025f)});  // APIPRM
    }
    if (o.jonswap_tanker) {
        for (auto& [k, value] : words) {
            if (k == 164) value = 5u;                         // WAVTYP General JONSWAP
            if (k == 436) value = real_word(kJonswapPeak);    // SIGPD(1)
            if (k == 787) value = 0x666u;                     // LWVCOF the 2001 tanker drift model
        }
        words.push_back({477, real_word(kJonswapGamma)});   // JONGAM
        words.push_back({475, real_word(kJonswapSigmaA)});  // JONPL, sigma a below the peak
        words.push_back({476, real_word(kJonswapSigmaB)});  // JONPG, sigma b above the peak
    }
    if (semi) {
        // Members' volume 13 320 m^3 at a centre of buoyancy 6.83 m up; waterplane of four columns.
        const float v = 13320.0f, awp_semi = 314.159f * len * len, kb = 6.83f * len;
        const float bm = (4.0f * (490.87f + 78.5398f * 900.0f)) / v * len;
        for (auto& [k, value] : words) {
            if (k == 1409) value = real_word(v * 1.025f * frc);
            if (k == 1410) value = real_word(kb);
            if (k == 1411) value = real_word(15.0f * len);
            if (k == 1413) value = real_word(awp_semi);
            if (k == 1414 || k == 1415 || k == 1416) value = real_word(25.0f * len);
            if (k == 1417 || k == 1418) value = real_word(kb + bm);
            if (k == 777) value = 3u;
            if (k == 787) value = 0x777;
        }
        words.push_back({144, 1u});  // NOWARN: the members' estimate of KB and displacement differs slightly
        // What the vessel and member pages keep beside a member-built hull: the hull-of-members
        // flag, the member count's copy and the member capacity.
        words.push_back({791, 1u});   // SEMI_LIKE
        words.push_back({3658, 6u});  // NMEM
        words.push_back({3663, 50u});  // MAXCYL
        add_semi_members(words, len);
    }
    edit_on_disk(words);
}

// ---- The same cases entered through the program's own pages ----------------------------------

// A value as a user types it: the shortest decimal that reads back as the same float.
inline std::string typed(float v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

// Scripted answers to the editor's pages, in the order the pages come: an item number at the
// page's "Enter number of selection" prompt, then what the item asks for; RETURN goes on to the
// next page.
class PageAnswers {
public:
    PageAnswers& line(const std::string& s) {
        text_ += s;
        text_ += '\n';
        return *this;
    }
    PageAnswers& pick(int item) { return line(std::to_string(item)); }
    PageAnswers& value(int item, float v) { return pick(item).line(typed(v)); }
    PageAnswers& number(int item, int n) { return pick(item).line(std::to_string(n)); }
    PageAnswers& point(int item, float x, float y, float z) {
        return pick(item).line(typed(x) + "," + typed(y) + "," + typed(z));
    }
    PageAnswers& next_page() { return line(""); }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// The answers that enter the reference case `o` on a new case ("C"), page by page, and save it
// (1 on the last page): the same case as write_reference_ship() writes through the data image.
inline std::string reference_page_answers(const ShipOptions& o = {}) {
    const bool en = o.units == Units::english;
    const float len = en ? kFeetPerMetre : 1.0f;
    const float frc = en ? kKipsPerTonne : 1.0f;
    const bool disc = o.hull == Hull::disc;
    const bool semi = o.hull == Hull::semi;
    const HullSize m = hull_size(o.hull);
    const float L = m.L * len, B = m.B * len, T = m.T * len;
    const float pi = 3.14159265f;
    const float volume = disc ? pi * 0.25f * m.L * m.L * m.T : m.L * m.B * m.T;
    const float bmt = disc ? (pi * std::pow(0.5f * m.L, 4.0f) / 4.0f) / volume * len : B * B / (12.0f * T);
    const float bml = disc ? bmt : L * L / (12.0f * T);
    PageAnswers a;
    a.line("C");

    // Page 1, the site: metric units relabel the new case, then depth and a typed density.
    if (!en) a.number(3, 1);
    a.value(4, 100.0f * len);
    a.number(5, 3).line(typed(en ? 64.0f : 1025.0f));
    a.next_page();

    // Page 2, the hydrostatics and the vessel type.
    float displ = volume * 1.025f * frc, kb = T / 2.0f, kg = (disc ? 2.5f : 8.0f) * len;
    float awp = disc ? pi * 0.25f * L * L : L * B, kmt = T / 2.0f + bmt, kml = T / 2.0f + bml;
    float gyr[3] = {disc ? 3.0f * len : 0.25f * L, disc ? 3.0f * len : 0.35f * B, disc ? 3.0f * len : 0.25f * L};
    if (semi) {
        const float v = 13320.0f;
        kb = 6.83f * len;
        const float bm = (4.0f * (490.87f + 78.5398f * 900.0f)) / v * len;
        displ = v * 1.025f * frc;
        kg = 15.0f * len;
        awp = 314.159f * len * len;
        kmt = kml = kb + bm;
        gyr[0] = gyr[1] = gyr[2] = 25.0f * len;
    }
    a.number(11, disc ? 4 : semi ? 3 : 1);
    a.value(1, displ).value(2, kmt).value(3, kml).value(4, kb).value(5, kg).value(7, awp).value(8, L).value(9, B).value(10, T);
    a.next_page();

    // Page 3, the gyradii; page 4 as it comes.
    a.value(1, gyr[0]).value(2, gyr[1]).value(3, gyr[2]).next_page();
    a.next_page();

    // Page 5 (member-built hulls only): the members, one sub-page each; RETURN after the last goes on.
    if (semi) {
        a.number(1, 6).pick(5).next_page();
        struct Member {
            float base[3], top[3], diameter;
            bool column;
        };
        const Member members[] = {
            {{30, 30, 0}, {30, 30, 40}, 10, true},   {{30, -30, 0}, {30, -30, 40}, 10, true},
            {{-30, 30, 0}, {-30, 30, 40}, 10, true}, {{-30, -30, 0}, {-30, -30, 40}, 10, true},
            {{-35, 30, 4}, {35, 30, 4}, 8, false},   {{-35, -30, 4}, {35, -30, 4}, 8, false},
        };
        for (const Member& mem : members) {
            const float d = mem.diameter * len;
            a.number(3, 2);  // circular profile
            a.point(4, d, d, (mem.column ? 40.0f : 70.0f) * len);
            a.value(5, 0.785398f * d * d);
            a.point(10, mem.base[0] * len, mem.base[1] * len, mem.base[2] * len);
            a.point(12, mem.top[0] * len, mem.top[1] * len, mem.top[2] * len);
            if (mem.column) a.number(13, 2);  // water-piercing top
            a.point(16, 1.0f, 1.0f, 0.0f);
            a.next_page();
        }
    }

    // Page 6, the load models: cylindrical wind and current, the tanh-law (disc buoy) or the member
    // drift model.
    a.number(2, 5).number(12, 7).number(22, semi ? 7 : o.jonswap_tanker ? 6 : 4).next_page();

    // Page 7, the external force in the global system.
    a.pick(1).value(2, 50.0f * frc).value(3, -20.0f * frc).value(4, 300.0f * frc * len).next_page();

    // Page 8, wind and current on, with their areas.
    const float freeboard_m = disc ? 3.0f : 15.0f;
    a.pick(1).value(2, B * freeboard_m * len).value(5, L * freeboard_m * len);
    if (o.current) a.pick(11);
    a.value(12, B * T).value(15, L * T).next_page();

    // Page 9, the wind; page 10, the current.
    a.value(1, 30.0f).value(2, 180.0f);
    if (o.api_wind) a.number(3, 4).line(typed(0.025f));  // the A.P.I. spectrum asks its peak parameter
    a.next_page();
    if (o.current) a.value(1, 1.0f).value(2, 180.0f).next_page();

    // Page 11, the regular waves: 55 periods 3 to 30 s by 0.5 typed into the table, the height.
    a.number(1, 55).pick(2).pick(1);
    for (int i = 1; i <= 55; ++i) a.line(typed(3.0f + 0.5f * static_cast<float>(i - 1)));
    a.line("");  // the entry stops after the last row; RETURN leaves the table
    a.value(4, 4.0f * len / std::sqrt(2.0f)).next_page();

    // Page 12, the Pierson-Moskowitz sea of 4 m from 180 degrees; or the General JONSWAP sea, which
    // takes its peak period and shape too.
    if (o.jonswap_tanker) {
        a.pick(1).number(2, 6).value(4, 180.0f).value(6, 4.0f * len).value(7, kJonswapPeak);
        a.value(8, kJonswapGamma).value(9, kJonswapSigmaA).value(10, kJonswapSigmaB).next_page();
    } else {
        a.pick(1).number(2, 2).value(4, 180.0f).value(6, 4.0f * len).next_page();
    }

    // Page 13, the swell.
    if (o.swell) a.pick(1).number(2, 2).value(4, 180.0f).value(6, 2.0f * len).value(7, 14.0f);
    a.next_page();

    // Output options 1: every table the page offers (the swell's spectra with the swell).
    for (int item = 1; item <= (o.swell ? 13 : 11); ++item) a.pick(item);
    a.next_page();
    // Output options 2: every table, 13 attack angles from 0 by 15 degrees, the low-frequency values.
    for (int item : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13}) a.pick(item);
    a.number(15, 13).value(17, 15.0f).value(18, 0.0f).value(21, 0.05f).value(22, 0.005f).value(23, 30.0f);
    a.next_page();
    // The member model's output options (member-built hulls), as they come.
    if (semi) a.next_page();

    // The last page: save and exit.
    a.line("1");
    return a.text();
}

// The words of a reference case that its page entry does not set, each with the reason; they are
// written through the data image after the pages, as write_reference_ship() writes them.
struct WordAfterPages {
    int word;
    std::uint32_t value;
    const char* reason;
};
inline std::vector<WordAfterPages> words_after_pages(const ShipOptions& o = {}) {
    std::vector<WordAfterPages> words;
    if (!o.jonswap_tanker) {
        words.push_back({436, real_word(15.66f * std::sqrt(4.0f / 9.81f)),
                         "SIGPD(1): the irregular wave page asks a Pierson-Moskowitz sea for its height alone (the "
                         "spectrum takes its peak period from the height), so the sea's peak period word keeps the "
                         "new case's 0"});
    }
    if (!o.current) {
        // The case without current keeps the current's words and output bits of the case with it.
        const char* why = "the current page and the current items of output options 2 are not shown "
                          "while the current is off, and the last page clears the current's table bits "
                          "then";
        words.push_back({457, real_word(180.0f), why});  // CURHDG
        words.push_back({458, real_word(1.0f), why});    // CURSPD
        words.push_back({180, reference_output_bits(o.swell), why});  // BRVFLG with the current tables
    }
    return words;
}

// Enters the reference case `o` through the pages in the current folder (a new case, saved), then
// writes the words no page sets.
inline void enter_reference_case(const ShipOptions& o = {}) {
    const ProgramResult r = run_brevant(reference_page_answers(o));
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(files_here(), (Files{"BREVDAT", "LOWDAT"}));
    std::vector<std::pair<int, std::uint32_t>> words;
    for (const WordAfterPages& w : words_after_pages(o)) words.push_back({w.word, w.value});
    edit_on_disk(words);
}

struct RunOutcome {
    ProgramResult program;
    std::string report;  // "BREVOUT.stxt"
};

// Writes the case in a fresh folder, executes it ("E" at the title screen) and collects the report.
// The tanh-law drift model is the disc buoy's: on the ship the program's check of the vessel type
// against the drift model warns once, waits for RETURN and offers the last page, where 4 executes
// the case silently.
// The disc buoy's drift model is its own: "E" alone executes it. The semi-submersible's run gives
// notice that its members' summed waterlines differ from LWL and BWL (the overall 70 m), and one
// RETURN continues it.
template <typename WriteCase>
RunOutcome run_reference(WriteCase&& write_case, const std::string& answers = "E\n\n4\n") {
    brevant::testing::ScratchDir dir;
    write_case();
    RunOutcome out;
    out.program = run_brevant(answers);
    out.report = file_bytes("BREVOUT.stxt");
    return out;
}

}  // namespace brevant::e2e::reference
