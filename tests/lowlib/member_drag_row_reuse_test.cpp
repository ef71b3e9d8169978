// What the member drag keeps down the rows of a spectra page changes no bit: DRAGF_SEMI and
// G_FRC_PREP give the same outputs, bit for bit, inside a row scope (kept preparations, group terms,
// member integrals and grid intervals) as with the reuse switched off, over rows, components, wave
// headings and members, with a current and without one; and nothing kept is taken in another scope
// or outside one.
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "drift_fixture.h"
#include "member_drag_case.h"
#include "lowlib/depth_current_drag.h"
#include "lowlib/drag_entry.h"
#include "lowlib/group_variance.h"
#include "lowlib/member_spectral_preparation.h"
#include "lowlib/row_series_reuse.h"
#include "numeric/grid_integrals.h"
#include "records/member_table.h"
#include "records/response_record.h"

namespace brevant::testing {
namespace {

std::uint32_t bits(Real x) { return std::bit_cast<std::uint32_t>(x); }

// Every output of one DRAGF_SEMI call, as bits.
std::vector<std::uint32_t> drag_outputs(Int LCOMP, Real RELANG, const Real* PSD, Real WC) {
    CrossSpectra X{}, XC{}, D{}, DC{};
    Real FOUTD = -99.0f, FOUTR = -99.0f;
    DRAGF_SEMI(1, LCOMP, RELANG, PSD, WC, FOUTD, FOUTR, 1, X, XC, D, DC, 1);
    std::vector<std::uint32_t> out = {bits(FOUTD), bits(FOUTR), bits(WC)};
    for (Real v : X) out.push_back(bits(v));
    for (Real v : D) out.push_back(bits(v));
    return out;
}

// Every output of one G_FRC_PREP call, as bits.
std::vector<std::uint32_t> prep_outputs(Real WC, Real XCOL, const Real* PSD, Real SIG0WV, Logical LVARST = 1) {
    Real FSURF = -7, FSUB = -7, PAR = -7, PRP = -7, ANG = -7, RR = -7, BB = -7, WD = -7, BR = -7, WB = -7, WR = -7,
         COR = -7;
    Int NDEPTHQ = 11;
    G_FRC_PREP(WC, FSURF, FSUB, PAR, PRP, ANG, RR, BB, WD, BR, WB, WR, COR, LVARST, PSD, SIG0WV, 0.0f, XCOL, 8.0f,
               &PASCOM.HOR_WAV_RAO(1, 1), &PASCOM.ANG_WAV_RAO(1, 1), 27, 0, 7, "Not Defined", 0.3f, 1, "DRAGF ",
               TPCM.LCURNT != 0 ? 0.8f : 1.0f, TPCM.LCURNT != 0 ? 0.6f : 0.0f, 180.0f, 1, NDEPTHQ);
    return {bits(WC), bits(FSURF), bits(FSUB), bits(PAR), bits(PRP), bits(ANG), bits(RR),
            bits(BB), bits(WD),    bits(BR),   bits(WB),  bits(WR),  bits(COR), static_cast<std::uint32_t>(NDEPTHQ)};
}

class MemberDragRowReuse : public MemberDragCase {
protected:
    Real SIG0WV = 0.0f;

    void SetUp() override {
        DriftTest::SetUp();
        set_up_case(true);
        Real VAR = 0.0f, VARDOT = 0.0f;
        SMPINT(PSD.data(), VAR, VARDOT);
        SIG0WV = std::sqrt(VAR);
        CURPROF.NCURNTPF = 2;
        CURPROF.DPTHIPF(1) = 150.0f;
        CURPROF.DPTHIPF(2) = 300.0f;
        no_current();
    }
    void TearDown() override {
        set_row_series_reuse(true);
        set_member_drift_reuse(true);
        DriftTest::TearDown();
    }
    static void no_current() {
        TPCM.LCURNT = 0;
        TPCM.CURSPD = 0.0f;
        CURPROF.VELIPF(1) = CURPROF.VELIPF(2) = 0.0f;
    }
    // The rows of a page: the row frequencies in turn, per row the three components, as ANGSPEC asks.
    std::vector<std::vector<std::uint32_t>> page(Real RELANG) {
        std::vector<std::vector<std::uint32_t>> out;
        for (Int row = 0; row < 5; ++row) {
            const Real WC = 0.02f * static_cast<Real>(row);
            for (Int LCOMP = 1; LCOMP <= 3; ++LCOMP) out.push_back(drag_outputs(LCOMP, RELANG, PSD.data(), WC));
        }
        return out;
    }
    // The same page with every reuse off, then in a row scope with the reuse on.
    void expect_same_page(Real RELANG) {
        set_row_series_reuse(false);
        set_member_drift_reuse(false);
        const auto off = page(RELANG);
        set_row_series_reuse(true);
        set_member_drift_reuse(true);
        const unsigned long long before = row_series_reuse_count();
        std::vector<std::vector<std::uint32_t>> on;
        {
            const RowSeriesScope rows;
            on = page(RELANG);
        }
        EXPECT_GT(row_series_reuse_count(), before);
        ASSERT_EQ(on.size(), off.size());
        for (std::size_t i = 0; i < on.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(on[i], off[i]);
        }
    }
};

TEST_F(MemberDragRowReuse, DragPageIsBitIdenticalWithoutCurrent) {
    for (Real RELANG : {0.3f, 1.2f}) {
        SCOPED_TRACE(RELANG);
        expect_same_page(RELANG);
    }
}

TEST_F(MemberDragRowReuse, DragPageIsBitIdenticalWithCurrent) {
    current(1.5f, 30.0f);
    for (Real RELANG : {0.3f, 1.2f}) {
        SCOPED_TRACE(RELANG);
        expect_same_page(RELANG);
    }
}

// G_FRC_PREP itself for two members (two positions along the waves), rows and both modes, the
// members' calls interleaved as the member passes make them.
TEST_F(MemberDragRowReuse, PreparationIsBitIdenticalForTwoMembersOverRows) {
    for (bool with_current : {false, true}) {
        SCOPED_TRACE(with_current);
        if (with_current) current(1.0f, 200.0f);
        const auto rows = [&] {
            std::vector<std::vector<std::uint32_t>> out;
            for (Int row = 0; row < 4; ++row) {
                const Real WC = 0.03f * static_cast<Real>(row);
                for (Int pass = 0; pass < 2; ++pass) {
                    for (Real XCOL : {12.0f, -9.5f}) {
                        out.push_back(prep_outputs(WC, XCOL, PSD.data(), SIG0WV, 0));
                        out.push_back(prep_outputs(WC, XCOL, PSD.data(), SIG0WV, 1));
                    }
                }
            }
            return out;
        };
        set_row_series_reuse(false);
        const auto off = rows();
        set_row_series_reuse(true);
        std::vector<std::vector<std::uint32_t>> on;
        const unsigned long long before = row_series_reuse_count();
        {
            const RowSeriesScope scope;
            on = rows();
        }
        EXPECT_GT(row_series_reuse_count(), before);
        EXPECT_EQ(on, off);
    }
}

// A kept preparation belongs to its scope: the same inputs with another spectrum behind the same
// pointer, in the next scope or outside any, are computed afresh.
TEST_F(MemberDragRowReuse, NothingKeptOutlivesItsScope) {
    std::vector<std::uint32_t> first;
    {
        const RowSeriesScope scope;
        first = prep_outputs(0.05f, 12.0f, PSD.data(), SIG0WV);
    }
    for (Int i = 1; i <= NWP; ++i) PSD(i) = 2.0f * PSD(i);
    set_row_series_reuse(false);
    const auto fresh = prep_outputs(0.05f, 12.0f, PSD.data(), SIG0WV);
    set_row_series_reuse(true);
    EXPECT_NE(fresh, first);
    EXPECT_EQ(prep_outputs(0.05f, 12.0f, PSD.data(), SIG0WV), fresh);
    const RowSeriesScope next;
    EXPECT_EQ(prep_outputs(0.05f, 12.0f, PSD.data(), SIG0WV), fresh);
}

// The group integrals keep the intervals of their shifted frequencies for the last grid and
// frequency: a grid whose values change behind the same pointer is searched again, in a scope or not.
TEST_F(MemberDragRowReuse, GroupIntegralsFollowTheGridTheyAreGiven) {
    FArray<Real, 100> W = WAVCOM.W;
    const auto gvar = [&](Real WC) {
        Real G = 0, GD = 0, V1 = 0, V2 = 0;
        GET_GVAR(WC, W.data(), NWP, PSD.data(), G, GD, V1, V2);
        Real G2 = 0, GD2 = 0;
        GET_GVAR2(WC, W.data(), NWP, PSD.data(), PSD.data(), G2, GD2);
        return std::array<std::uint32_t, 4>{bits(G), bits(GD), bits(G2), bits(GD2)};
    };
    set_row_series_reuse(false);
    const auto plain = gvar(0.1f);
    FArray<Real, 100> shifted = W;
    for (Int i = 1; i <= NWP; ++i) shifted(i) = 1.1f * W(i);
    std::swap(W, shifted);
    const auto plain_shifted = gvar(0.1f);
    std::swap(W, shifted);
    set_row_series_reuse(true);
    EXPECT_NE(plain, plain_shifted);

    const unsigned long long before = group_grid_reuse_count();
    EXPECT_EQ(gvar(0.1f), plain);
    EXPECT_EQ(gvar(0.1f), plain);
    EXPECT_GE(group_grid_reuse_count() - before, 3u);
    std::swap(W, shifted);
    EXPECT_EQ(gvar(0.1f), plain_shifted);
    std::swap(W, shifted);
    const RowSeriesScope scope;
    EXPECT_EQ(gvar(0.1f), plain);
    std::swap(W, shifted);
    EXPECT_EQ(gvar(0.1f), plain_shifted);
    EXPECT_EQ(gvar(0.1f), plain_shifted);
}

}  // namespace
}  // namespace brevant::testing
