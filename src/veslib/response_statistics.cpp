// The irregular-wave statistics of the second motion phase.
#include "veslib/response_statistics.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numeric/algebra.h"
#include "numeric/quadrature.h"
#include "numeric/table_search.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"
#include "veslib/wave_spectra.h"
#include "veslib/relative_headings.h"

namespace brevant {

namespace {

// Grid points in use, within the 100 of every pool array.
Int grid_points() { return std::clamp<Int>(TPCM.NWP, 0, 100); }

// The pair of sea height IHT, sea heading IHD and response IIN in the block at LOCSIG.
Int insert_location(Int IHT, Int IHD, Int IIN) {
    const Himem& H = HIMEM;
    return LOCAT0(H.NHTNHD, H.MAXHT, IHD, IHT, IIN, H.LOCSIG);
}

// Responses of one call: the six degrees of freedom, or three components of each point.
Int response_count() { return HIMEM.LFRFLG > 1 ? 3 * HIMEM.NCOL : 6; }

bool response_skipped(Int II) { return HIMEM.LFRFLG <= 1 && TPCM.MOTION(II) == 0; }

Int response_index(Int II) { return HIMEM.LFRFLG > 1 ? 6 * (HIMEM.IREP - 1) + II : II; }

// One response's moments against the spectrum at LWPSD into the pair LSIG: from its complex RAO
// block in the RAO modes, from its squared-modulus array at LBASE in the point-motion modes.
void response_moments(Int II, Int LBASE, Int LWPSD, Int LSIG) {
    if (HIMEM.LFRFLG <= 1) {
        STATCM((II - 1) * HIMEM.NARRAY + 1, LWPSD, LSIG);
    } else {
        STATCP(&HIMEM.RLDUM(LBASE), LWPSD, LSIG);
    }
}

void add_pair(Int INSERT, Int LSIG, Real VAL) {
    HIMEM.RLDUM(INSERT) = HIMEM.RLDUM(INSERT) + HIMEM.RLDUM(LSIG) * VAL;
    HIMEM.RLDUM(INSERT + 1) = HIMEM.RLDUM(INSERT + 1) + HIMEM.RLDUM(LSIG + 1) * VAL;
}

void swell_part() {
    Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    Himem& H = HIMEM;
    Int IHDSAV = 0;
    Int IHDSAV2 = 0;
    if (P.LSWLOK == 1) {
        for (Int IHD = 1; IHD <= std::min<Int>(P.NSEAHG, 37); ++IHD) {
            if (V.IRAO == H.ISWL(IHD)) {
                V.ISWELL = V.IRAO;
                IHDSAV = IHD;
            }
            if (V.IRAO == H.ISWL2(IHD)) {
                V.ISWEL2 = V.IRAO;
                IHDSAV2 = IHD;
            }
        }
    }
    const bool swell = V.ISWELL == V.IRAO;
    const bool swell2 = V.ISWEL2 == V.IRAO;
    if (!swell && !swell2) return;
    const Int slot = H.LCNPSD + H.MAXHT * H.NARRAY;
    const Int slot2 = H.LCNPSD + (H.MAXHT + 1) * H.NARRAY;
    if (swell) {
        WVSPEC(P.SWLTYP, &H.RLDUM(slot), P.SWELHT, P.SWELPD, V.WSWLPK, V.WKSWLPK, 1);
        SMPIN2(&H.RLDUM(slot), H.LCNSWL);
    }
    if (swell2) {
        WVSPEC(P.SWLTYP2, &H.RLDUM(slot2), P.SWELHT2, P.SWELPD2, V.WSWLPK2, V.WKSWLPK2, 2);
        SMPIN2(&H.RLDUM(slot2), H.LCNSWL2);
    }
    Int LBASE = H.LBASEX;
    for (Int II = 1; II <= response_count(); ++II) {
        if (response_skipped(II)) continue;
        if (swell) response_moments(II, LBASE, slot, H.LCNSIG);
        if (swell2) response_moments(II, LBASE, slot2, H.LCNSIG2);
        for (H.IHT = 1; H.IHT <= std::max<Int>(P.NSEAHT(), 1); ++H.IHT) {
            for (H.IHD = 1; H.IHD <= std::max<Int>(P.NSEAHG, 1); ++H.IHD) {
                const Int INSERT = insert_location(H.IHT, H.IHD, response_index(II));
                if (P.LSWLOK == 0) {
                    if (swell) add_pair(INSERT, H.LCNSIG, 1.0f);
                    if (swell2) add_pair(INSERT, H.LCNSIG2, 1.0f);
                } else {
                    if (swell && H.IHD == IHDSAV) add_pair(INSERT, H.LCNSIG, 1.0f);
                    if (swell2 && H.IHD == IHDSAV2) add_pair(INSERT, H.LCNSIG2, 1.0f);
                }
            }
        }
        LBASE = LBASE + H.NARRAY;
    }
}

// The share of spread angle IANG in its sea: ANGNRM x Simpson weight x |cos|^COSEXP. Both edge
// angles take the formula's weight: a sector wider than a circle has a non-zero cosine at its
// edges, and dropping one edge there would leave the weights short of 1.
Real spreading_weight(Int IANG) {
    const Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    Real SPDVAL = 0.0f;
    SEIVE(IANG, 1, spreading_angle_count(), SPDVAL);
    const Int IDEL = IANG - 1 - V.NA2;
    const Real c = std::fabs(std::cos(static_cast<Real>(IDEL) * V.DA * 180.0f / P.ANGSEC));
    return V.ANGNRM * SPDVAL * std::pow(c, P.COSEXP);
}

void sea_part() {
    Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    Himem& H = HIMEM;
    const bool spread = V.LEXP != 0;
    const Int LOOP = spread ? spreading_angle_count() : 1;
    for (H.IHT = 1; H.IHT <= std::min<Int>(P.NSEAHT(), 6); ++H.IHT) {
        const Int IHT = H.IHT;
        const Int slot = H.LCNPSD + (IHT - 1) * H.NARRAY;
        if (V.LWVCMP == 0) {
            V.TPK = P.SIGPD(IHT);
            V.SWH = P.SWHT(IHT);
            WVSPEC(P.WAVTYP, &H.RLDUM(slot), V.SWH, V.TPK, V.WPK, V.WKPK, 0);
            SMPIN2(&H.RLDUM(slot), H.LCNWV + 3 * (IHT - 1));
        }
        Int LBASE = H.LBASEX;
        for (Int II = 1; II <= response_count(); ++II) {
            if (response_skipped(II)) continue;
            response_moments(II, LBASE, slot, H.LCNSIG);
            LBASE = LBASE + H.NARRAY;
            Real VAL = 1.0f;
            for (Int IHD = 1; IHD <= std::min<Int>(P.NSEAHG, 37); ++IHD) {
                if (!spread && V.IRAO != H.IRAN(IHD)) continue;
                for (Int IANG = 1; IANG <= LOOP; ++IANG) {
                    if (spread && (IANG > 500 || V.IRAO != H.INTGFL(IANG, IHD))) continue;
                    if (spread) VAL = spreading_weight(IANG);
                    H.IHD = IHD;
                    add_pair(insert_location(IHT, IHD, response_index(II)), H.LCNSIG, VAL);
                }
            }
        }
    }
    V.LWVCMP = 1;
}

}  // namespace

void SMPIN2(const Real* PSDEN, Int LSIG) {
    const Himem& H = HIMEM;
    const Int n = grid_points();
    const Real DT = WAVCOM.DT;
    auto w2 = [&H](Int j) { return H.RLDUM(H.LCNW2 + j - 1); };
    auto f = [&](Int j) { return PSDEN[j - 1] * w2(j); };
    auto g = [&](Int j) { return PSDEN[j - 1] * w2(j) * w2(j); };
    Real m0 = 0.0f;
    Real m2 = 0.0f;
    if (n == 2) {
        // Two points: the trapezoid, 3 (f1 + f2) / 2 over the Simpson divisor.
        m0 = 1.5f * (f(1) + f(2));
        m2 = 1.5f * (g(1) + g(2));
    } else if (n > 2) {
        // Odd and even sums of Simpson's 1, 4, 2, ..., 4, 1 over points 1..ns (ns odd); an even count
        // of points ends with the 3/8 rule over the last three intervals, not the weight 5 that the
        // plain sums would give the last point.
        const Int ns = (n % 2 != 0) ? n : n - 3;
        Real SO = 0.0f;
        Real SE = 0.0f;
        Real SOP = 0.0f;
        Real SEP = 0.0f;
        for (Int JW = 1; JW + 1 <= ns; JW += 2) {
            SO = SO + f(JW);
            SOP = SOP + g(JW);
            SE = SE + f(JW + 1);
            SEP = SEP + g(JW + 1);
        }
        if (ns > 1) {
            m0 = 4.0f * SE + 2.0f * SO - f(1) + f(ns);
            m2 = 4.0f * SEP + 2.0f * SOP - g(1) + g(ns);
        }
        if (ns != n) {
            m0 = m0 + 1.125f * (f(n - 3) + 3.0f * f(n - 2) + 3.0f * f(n - 1) + f(n));
            m2 = m2 + 1.125f * (g(n - 3) + 3.0f * g(n - 2) + 3.0f * g(n - 1) + g(n));
        }
    }
    HIMEM.RLDUM(LSIG) = m0 * DT / 18.849556f;
    HIMEM.RLDUM(LSIG + 1) = m2 * DT / 18.849556f;
}

void STATCP(const Real* RAOSQ, Int LWPSD, Int LSIG) {
    Himem& H = HIMEM;
    for (H.IW = 1; H.IW <= grid_points(); ++H.IW) H.PSD(H.IW) = RAOSQ[H.IW - 1] * H.RLDUM(LWPSD + H.IW - 1);
    SMPIN2(H.PSD.data(), LSIG);
}

void STATCM(Int LCNRAO, Int LWPSD, Int LSIG) {
    const Tpcm& P = TPCM;
    Himem& H = HIMEM;
    const Int n = grid_points();
    const Real VCOMP = P.VFWD * std::cos((H.RAOANG(WAVCOM.IRAO) - P.VGLDIR) / 57.29578f);
    const Complex CTMPR(H.VTCRR - P.VKG, 0.0f);
    const Complex CTMPP(H.VTCRP - P.VKG, 0.0f);
    const Complex CTMPRF = CTMPR / Complex(H.GMT, 0.0f);
    const Complex CTMPPF = CTMPP / Complex(H.GML, 0.0f);
    const bool HEVFLG = H.LFRFLG == 1 && LCNRAO != H.LCNHV;
    bool SRGFLG = false;
    bool SWYFLG = false;
    bool ROLFLG = false;
    bool PITFLG = false;
    if (P.LCGFLG == 1) {
        if (H.LFRFLG == 1) {
            ROLFLG = LCNRAO == H.LCNROL;
            PITFLG = LCNRAO == H.LCNPIT;
        } else {
            SRGFLG = LCNRAO == H.LCNSG;
            SWYFLG = LCNRAO == H.LCNSWY;
        }
    }
    std::vector<Real> WENCTR(static_cast<std::size_t>(std::max<Int>(n, 1)), 0.0f);
    std::vector<Complex> CENCTR(WENCTR.size());
    for (H.IW = 1; H.IW <= n; ++H.IW) {
        INDXUP();
        const Complex R = H.CXDUM(LCNRAO + H.IW - 1);
        Complex C = R;
        if (SRGFLG) {
            C = R - CTMPP * H.CXDUM(H.LPT);
        } else if (SWYFLG) {
            C = R + CTMPR * H.CXDUM(H.LRL);
        } else if (ROLFLG) {
            C = R - CTMPRF * H.CXDUM(H.LSW);
        } else if (PITFLG) {
            C = R + CTMPPF * H.CXDUM(H.LSG);
        }
        if (HEVFLG) C = C * H.RLDUM(H.LWK);
        if (P.VFWD != 0.0f) WENCTR[static_cast<std::size_t>(H.IW - 1)] = H.RLDUM(H.LW) - H.RLDUM(H.LWK) * VCOMP;
        CENCTR[static_cast<std::size_t>(H.IW - 1)] = C;
    }
    for (H.IW = 1; H.IW <= n; ++H.IW) {
        const std::size_t i = static_cast<std::size_t>(H.IW - 1);
        Complex C = CENCTR[i];
        if (P.VFWD != 0.0f && n >= 2) {
            INDXUP();
            const Real omega = H.RLDUM(H.LW);
            Int IER = 0;
            Int MIN = 1;
            BSRCH(WENCTR.data(), omega, IER, MIN, n);
            MIN = std::clamp<Int>(MIN, 1, n - 1);
            const std::size_t m = static_cast<std::size_t>(MIN - 1);
            // Two equal encounter frequencies (following seas at speed) bracket no interval: the
            // value at the first of them is taken instead of a division by zero.
            if (WENCTR[m + 1] == WENCTR[m]) {
                C = CENCTR[m];
            } else {
                CINTRP(WENCTR.data(), CENCTR.data(), omega, C, MIN);
            }
        }
        H.PSD(H.IW) = H.RLDUM(LWPSD + H.IW - 1) * ABS2(C);
    }
    SMPIN2(H.PSD.data(), LSIG);
}

void STAT1() {
    Tpcm& P = TPCM;
    if (P.NBUG == 1) {
        write_record(P.EDUNIT, fmt_X(1) + fmt_A(" IN STAT1. IRAO,LRFGLG = ", 30) + fmt_I(WAVCOM.IRAO, 5) +
                                   fmt_I(HIMEM.LFRFLG, 5));
        INBUG(P.NBUG, P.EDUNIT, KBD_UNIT);
    }
    if (P.LSWELL != 0) swell_part();
    if (P.LRANDM != 0) sea_part();
}

}  // namespace brevant
