// The coefficient image LOWCOF: the user's wind, current, wave-drift and fourth coefficient tables in
// 680 four-byte words, every member at its word (pinned against the same layout table as TPCM).
#pragma once

#include "records/data_image.h"

namespace brevant {

inline constexpr Int kLowcofWords = 680;

struct Lowcof {

    // First copy: four counts and four tables of at most 21 attack angles.
    Int NUWNPT;                                  // 1 number of attack angles of the wind table, at most 21
    Int NUCRPT;                                  // 2 number of attack angles of the current table, at most 21
    Int NUWVPT;                                  // 3 number of attack angles of the wave-drift table, at most 21
    Int NUQQPT;                                  // 4 number of attack angles of the fourth table, at most 21
    FArray<Real, 21> UWNANG;                     // 5-25 attack angles of the wind table
    FArray<Real, 21, 3> UWNCFS;                  // 26-88 wind coefficients Cx, Cy, Cz at those angles
    FArray<Real, 21> UCRANG;                     // 89-109 attack angles of the current table
    FArray<Real, 21, 3> UCRCFS;                  // 110-172 current coefficients Cx, Cy, Cz (UCRCX, UCRCY, UCRCZ)
    FArray<Real, 21> UWVANG;                     // 173-193 attack angles of the wave-drift table
    FArray<Real, 21, 3> UWVCFS;                  // 194-256 wave-drift coefficients Cx, Cy, Cz (UWVCX, UWVCY, UWVCZ)
    FArray<Real, 21> UQQANG;                     // 257-277 attack angles of the fourth table
    FArray<Real, 21> UQQCX;                      // 278-298 fourth table: Cx
    FArray<Real, 21> UQQCY;                      // 299-319 fourth table: Cy
    FArray<Real, 21> UQQCZ;                      // 320-340 fourth table: Cz

    // Second copy of the same 340 words.
    Int BUWNPT;                                  // 341 second copy: angle count of the wind table
    Int BUCRPT;                                  // 342 second copy: angle count of the current table
    Int BUWVPT;                                  // 343 second copy: angle count of the wave-drift table
    Int BUQQPT;                                  // 344 second copy: angle count of the fourth table
    FArray<Real, 21> BWNANG;                     // 345-365 second copy: attack angles of the wind table
    FArray<Real, 21> BWNCX;                      // 366-386 second copy: wind Cx
    FArray<Real, 21> BWNCY;                      // 387-407 second copy: wind Cy
    FArray<Real, 21> BWNCZ;                      // 408-428 second copy: wind Cz
    FArray<Real, 21> BCRANG;                     // 429-449 second copy: attack angles of the current table
    FArray<Real, 21> BCRCX;                      // 450-470 second copy: current Cx
    FArray<Real, 21> BCRCY;                      // 471-491 second copy: current Cy
    FArray<Real, 21> BCRCZ;                      // 492-512 second copy: current Cz
    FArray<Real, 21> BWVANG;                     // 513-533 second copy: attack angles of the wave-drift table
    FArray<Real, 21> BWVCX;                      // 534-554 second copy: wave-drift Cx
    FArray<Real, 21> BWVCY;                      // 555-575 second copy: wave-drift Cy
    FArray<Real, 21> BWVCZ;                      // 576-596 second copy: wave-drift Cz
    FArray<Real, 21> BQQANG;                     // 597-617 second copy: attack angles of the fourth table
    FArray<Real, 21> BQQCX;                      // 618-638 second copy: fourth table: Cx
    FArray<Real, 21> BQQCY;                      // 639-659 second copy: fourth table: Cy
    FArray<Real, 21> BQQCZ;                      // 660-680 second copy: fourth table: Cz

    // Second names of words above. Same type: a reference to the word; another type: a value
    // read and written as bytes.
    // ILOWCF (words 1-680): the whole image as integer words, for copies and comparisons
    Int ILOWCF(int k) const {
        assert(k >= 1 && k <= 680);
        return image_word(*this, k);
    }
    void set_ILOWCF(int k, Int v) {
        assert(k >= 1 && k <= 680);
        set_image_word(*this, k, v);
    }
    // UWNCX (words 26-46): wind Cx at the table's attack angles, dimensionless (UWNCFS(i, 1))
    Real& UWNCX(int i) { return UWNCFS(i, 1); }
    const Real& UWNCX(int i) const { return UWNCFS(i, 1); }
    // UWNCY (words 47-67): wind Cy at the table's attack angles, dimensionless (UWNCFS(i, 2))
    Real& UWNCY(int i) { return UWNCFS(i, 2); }
    const Real& UWNCY(int i) const { return UWNCFS(i, 2); }
    // UWNCZ (words 68-88): wind Cz at the table's attack angles, dimensionless (UWNCFS(i, 3))
    Real& UWNCZ(int i) { return UWNCFS(i, 3); }
    const Real& UWNCZ(int i) const { return UWNCFS(i, 3); }
    // UCRCX (words 110-130): current Cx at the table's attack angles, dimensionless (UCRCFS(i, 1))
    Real& UCRCX(int i) { return UCRCFS(i, 1); }
    const Real& UCRCX(int i) const { return UCRCFS(i, 1); }
    // UCRCY (words 131-151): current Cy at the table's attack angles, dimensionless (UCRCFS(i, 2))
    Real& UCRCY(int i) { return UCRCFS(i, 2); }
    const Real& UCRCY(int i) const { return UCRCFS(i, 2); }
    // UCRCZ (words 152-172): current Cz at the table's attack angles, dimensionless (UCRCFS(i, 3))
    Real& UCRCZ(int i) { return UCRCFS(i, 3); }
    const Real& UCRCZ(int i) const { return UCRCFS(i, 3); }
    // UWVCX (words 194-214): wave-drift Cx at the table's attack angles, dimensionless (UWVCFS(i, 1))
    Real& UWVCX(int i) { return UWVCFS(i, 1); }
    const Real& UWVCX(int i) const { return UWVCFS(i, 1); }
    // UWVCY (words 215-235): wave-drift Cy at the table's attack angles, dimensionless (UWVCFS(i, 2))
    Real& UWVCY(int i) { return UWVCFS(i, 2); }
    const Real& UWVCY(int i) const { return UWVCFS(i, 2); }
    // UWVCZ (words 236-256): wave-drift Cz at the table's attack angles, dimensionless (UWVCFS(i, 3))
    Real& UWVCZ(int i) { return UWVCFS(i, 3); }
    const Real& UWVCZ(int i) const { return UWVCFS(i, 3); }
};

static_assert(sizeof(Lowcof) == 4 * 680);
static_assert(std::is_standard_layout_v<Lowcof> && std::is_trivially_copyable_v<Lowcof>);

static_assert(offsetof(Lowcof, NUWNPT) == 4 * (1 - 1));
static_assert(offsetof(Lowcof, NUCRPT) == 4 * (2 - 1));
static_assert(offsetof(Lowcof, NUWVPT) == 4 * (3 - 1));
static_assert(offsetof(Lowcof, NUQQPT) == 4 * (4 - 1));
static_assert(offsetof(Lowcof, UWNANG) == 4 * (5 - 1));
static_assert(offsetof(Lowcof, UWNCFS) == 4 * (26 - 1));
static_assert(offsetof(Lowcof, UCRANG) == 4 * (89 - 1));
static_assert(offsetof(Lowcof, UCRCFS) == 4 * (110 - 1));
static_assert(offsetof(Lowcof, UWVANG) == 4 * (173 - 1));
static_assert(offsetof(Lowcof, UWVCFS) == 4 * (194 - 1));
static_assert(offsetof(Lowcof, UQQANG) == 4 * (257 - 1));
static_assert(offsetof(Lowcof, UQQCX) == 4 * (278 - 1));
static_assert(offsetof(Lowcof, UQQCY) == 4 * (299 - 1));
static_assert(offsetof(Lowcof, UQQCZ) == 4 * (320 - 1));
static_assert(offsetof(Lowcof, BUWNPT) == 4 * (341 - 1));
static_assert(offsetof(Lowcof, BUCRPT) == 4 * (342 - 1));
static_assert(offsetof(Lowcof, BUWVPT) == 4 * (343 - 1));
static_assert(offsetof(Lowcof, BUQQPT) == 4 * (344 - 1));
static_assert(offsetof(Lowcof, BWNANG) == 4 * (345 - 1));
static_assert(offsetof(Lowcof, BWNCX) == 4 * (366 - 1));
static_assert(offsetof(Lowcof, BWNCY) == 4 * (387 - 1));
static_assert(offsetof(Lowcof, BWNCZ) == 4 * (408 - 1));
static_assert(offsetof(Lowcof, BCRANG) == 4 * (429 - 1));
static_assert(offsetof(Lowcof, BCRCX) == 4 * (450 - 1));
static_assert(offsetof(Lowcof, BCRCY) == 4 * (471 - 1));
static_assert(offsetof(Lowcof, BCRCZ) == 4 * (492 - 1));
static_assert(offsetof(Lowcof, BWVANG) == 4 * (513 - 1));
static_assert(offsetof(Lowcof, BWVCX) == 4 * (534 - 1));
static_assert(offsetof(Lowcof, BWVCY) == 4 * (555 - 1));
static_assert(offsetof(Lowcof, BWVCZ) == 4 * (576 - 1));
static_assert(offsetof(Lowcof, BQQANG) == 4 * (597 - 1));
static_assert(offsetof(Lowcof, BQQCX) == 4 * (618 - 1));
static_assert(offsetof(Lowcof, BQQCY) == 4 * (639 - 1));
static_assert(offsetof(Lowcof, BQQCZ) == 4 * (660 - 1));

// The coefficient image of the session; all zero when the program starts.
extern Lowcof LOWCOF;

// Puts LOWCOF back to all zero.
void reset_lowcof();

}  // namespace brevant
