// The point-motion report of the second motion phase: the kinematics of the user's points, their
// line-axis and ball-hinge components at a fairlead, the point-motion file records, the pages and
// the squared-amplitude series of the statistics.
#include "veslib/point_motion_report.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "numeric/algebra.h"
#include "numeric/table_search.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/binary_records.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"
#include "veslib/motion_export.h"
#include "veslib/motion_pages.h"
#include "veslib/motion_phase2.h"
#include "veslib/response_statistics.h"
#include "veslib/relative_headings.h"

namespace brevant {

namespace {

constexpr Real kDegPerRad = 57.2957763671875f;
constexpr Int kMaxPoints = 149;
constexpr Int kMaxFreq = 100;
constexpr Int kKeyboard = 5;
const Complex kI(0.0f, 1.0f);

// Ends the run when a read of the line-angle or exchange file fails.
[[noreturn]] void read_failed() { FILERR("Unknown", "ACCOUT", TPCM.EDUNIT, kKeyboard); }

void read_record(Int unit, BinaryRecord& r) {
    if (read_binary_record(unit, r) != RecordRead::Ok) read_failed();
}

Complex get_complex(BinaryRecord& r) {
    const Real re = r.get_real();
    const Real im = r.get_real();
    return {re, im};
}

// Reads one record of n complex values; a record too short for them ends the run.
void read_complex_record(Int unit, Complex* out, int n) {
    BinaryRecord r;
    read_record(unit, r);
    for (int i = 0; i < n; ++i) out[i] = get_complex(r);
    if (!r.ok()) read_failed();
}

void write_complex_record(const Complex* v, int n) {
    BinaryRecord r;
    for (int i = 0; i < n; ++i) r.add_real(v[i].real()).add_real(v[i].imag());
    write_binary_record(kExportUnit, r);
}


Complex cdot(const Real* u, const Complex* d) { return u[0] * d[0] + u[1] * d[1] + u[2] * d[2]; }

// Phase in whole degrees, truncated toward zero; a response that is not a number gives 0 rather than an
// undefined conversion.
Int whole_phase(Complex c) { return clamp_to_int(static_cast<double>(PHASE(c))); }

bool group_a(Int ISPM, Int SIMTYP) {
    return ISPM == 4 || ISPM == 5 || ISPM == 6 || ISPM == 8 || (ISPM == 2 && SIMTYP == 13);
}
bool group_b(Int ISPM, Int SIMTYP) { return ISPM == 3 || (ISPM == 2 && SIMTYP != 13); }

std::string amp_phase(Real amp, Int iph) { return fmt_F(amp, 7, 3) + "/" + fmt_I(iph, 4); }

// The print test of every heading and row of the pages.
bool pages_printed() {
    const Tpcm& P = TPCM;
    return P.NEGSUM == 0 && (P.ALLRAO != 0 || (HIMEM.LRAO(WAVCOM.IRAO) != 0 && P.LMOTN != 0));
}

// Straight-line value at the wave frequency w of a series kept by encounter frequency; an interval
// of equal encounter frequencies (or a one-point table) gives its first value.
Complex regrid(const Real* WENCTR, const Complex* series, Real w, Int NWP) {
    if (NWP < 2) return series[0];
    Int IER = 0;
    Int MIN = 1;
    BSRCH(WENCTR, w, IER, MIN, NWP);
    if (WENCTR[MIN - 1] == WENCTR[MIN]) return series[MIN - 1];
    Complex out;
    CINTRP(WENCTR, series, w, out, MIN);
    return out;
}

}  // namespace

void ACC_HEADER(const FArray<Real, 3, 149>& RRR, Int IMIN, Int IMAX, bool HINGE_PASS) {
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    const Int u = P.IUNIT;
    const std::string AMPPH = "AM/PHASE";
    bool ROLINF = false;
    HEADR2(ROLINF);
    if (P.AUXVSH != 0) {
        write_record(u, " >>> NOTE:  The following RAO data are USER-SUPPLIED");
        write_record(u, "");
    }
    if (P.ISPM >= 2) {
        write_record(u, "");
        if (P.TRIMDG == 0.0f && P.HEELDG == 0.0f) {
            write_record(u, " >>> Notes: Coordinates in the vessel system.");
            write_record(u, "     Vectorial components along rotated axes comprising:");
            write_record(u, "     Origin at the fairlead;");
            write_record(u, "     (x,z) in the (vertical) line plane;");
            write_record(u, "     z points away from the anchor along the line tangent;");
            write_record(u, "     [x,y] orientations set by z (and the right hand rule).");
        } else {
            write_record(u, std::string(" >>> Note: Coordinates are relative to an earth-vertical ") +
                                "global system with");
            write_record(u, std::string("     origin at keel level below the plan-view waterplane ") +
                                "centroid of the");
            write_record(u, std::string("     untrimmed vessel. Vectorial motion components are ") +
                                "in a rotated r.h.");
            write_record(u, std::string("     system with (x,z) in plane of line, z upwards along ") + "line tangent.");
        }
        write_record(u, "");
    }
    const std::string CHRTMP = " PER UNIT WAVE AMP. (S.A./S.A.)  +++";
    const std::string caption = fixed_len(CAPUN(P.NUNTS + 2), 2);
    std::string title;
    bool has_title = true;
    if (H.LFRFLG == 2) {
        title = fmt_X(5) + "+++  ACCELERATION RAOS IN " + caption + "/SEC**2" + CHRTMP;
    } else if (H.LFRFLG == 3) {
        title = fmt_X(9) + "+++  VELOCITY RAOS IN " + caption + "/SEC" + CHRTMP;
    } else if (H.LFRFLG == 4 && HINGE_PASS) {
        title = fmt_X(5) + "+++  BALL HINGE RAOS (HA_ves) IN DEG. PER UNIT WAVE AMP. (S.A./S.A.) +++";
    } else if (H.LFRFLG == 4) {
        const std::string DSPGAP = P.LGAP != 0 ? "+++ RELATIVE MOTION RAOS IN " : "+++   DISPLACEMENT RAOS IN  ";
        title = fmt_X(8) + DSPGAP + caption + CHRTMP;
    } else {
        has_title = false;
    }
    if (has_title) {
        write_record(u, title);
        write_record(u, "");
        write_record(u, "");
    }
    const std::string coord = "----     COORDINATES     ----";
    write_record(u, fmt_X(10) + coord + (H.NCOL == 2 ? fmt_X(7) + coord : std::string()));
    auto point = [&RRR](Int I) {
        return "(" + fmt_F(RRR(1, I), 7, 1) + "," + fmt_F(RRR(2, I), 7, 1) + "," + fmt_F(RRR(3, I), 7, 1) + ")";
    };
    std::string line = fmt_X(12) + point(IMIN);
    if (H.NCOL != 1) line += fmt_X(11) + point(IMAX);
    write_record(u, line);
    write_record(u, "");
    write_record(u, "");
    line = "  WAVE";
    for (Int i = 1; i <= H.NCOL; ++i) line += fmt_X(3) + "   X COMP      Y COMP      Z COMP";
    write_record(u, line);
    const Int NCOLP = 3 * H.NCOL;
    line = " PERIOD" + fmt_X(2);
    for (Int i = 1; i <= NCOLP; ++i) line += fmt_X(2) + AMPPH + (i == 6 ? std::string() : fmt_X(2));
    write_record(u, line);
    write_record(u, "  (SEC)");
    write_record(u, "");
    write_record(u, "");
}

void ACCOUT(Int& NNN, FArray<Real, 3, 149>& RRR) {
    Tpcm& P = TPCM;
    Himem& H = HIMEM;
    const WavCom& V = WAVCOM;
    const Int IRAO = V.IRAO;
    const Int ISPM = P.ISPM;
    const Int NWP = std::clamp<Int>(P.NWP, 0, kMaxFreq);
    const Real ZUNIT[3] = {0.0f, 0.0f, 1.0f};
    const bool speed = P.VFWD != 0.0f;
    const bool tilt = P.TRIMDG != 0.0f || P.HEELDG != 0.0f;
    const bool printed = pages_printed();

    // Set-up.
    const Real VCOMP = P.VFWD * std::cos((H.REDANG()(IRAO) - P.VGLDIR) / kDegPerRad);
    Int n = NNN;
    MAXCHK(n, kMaxPoints);
    const Int NREP = (n + 1) / 2;
    Int ISWLFG = IRAO == V.ISWELL ? 1 : 0;
    Int ISWLFG2 = IRAO == V.ISWEL2 ? 1 : 0;
    Int IRANFG = 0;
    if (V.LEXP == 0) {
        if (IRAO == H.IRAN(1)) IRANFG = 1;
    } else {
        for (Int IA = 1; IA <= spreading_angle_count(); ++IA)
            if (IRAO == H.INTGFL(IA, 1)) IRANFG = 1;
    }
    Int NLIN = 0;
    if (ISPM > 1) {
        BinaryRecord r;
        read_record(kLineAngleUnit, r);
        NLIN = r.get_int();
        if (!r.ok()) read_failed();
    }
    const Real TMPANG = H.REDANG()(IRAO) / kDegPerRad;
    if (ISPM != 0) {
        BinaryRecord r;
        r.add_int(V.NRAO).add_int(ISWLFG).add_int(ISWLFG2).add_int(IRANFG).add_real(TMPANG);
        write_binary_record(kExportUnit, r);
    }
    if (ISPM == 3) {
        BinaryRecord r;
        read_record(H.IUNX, r);
        for (int i = 0; i < 4; ++i) r.get_int();
        r.get_real();
        if (!r.ok()) read_failed();
        if (P.SIMTYP == 13) {
            Complex skipped[6];
            for (Int ILIN = 1; ILIN <= NLIN; ++ILIN)
                for (Int iw = 1; iw <= NWP; ++iw) read_complex_record(H.IUNX, skipped, 6);
        }
    }
    const bool in_group_a = group_a(ISPM, P.SIMTYP);
    const bool in_group_b = group_b(ISPM, P.SIMTYP);

    // Values of one page, by frequency index (0-based) and column.
    std::array<Real, kMaxFreq> WENCTR{};
    std::array<std::array<std::array<Complex, kMaxFreq>, 3>, 2> CENC{};
    std::array<std::array<std::array<Complex, kMaxFreq>, 3>, 2> CHING_ENC{};
    std::array<std::array<std::array<Real, kMaxFreq>, 3>, 2> AMP_HING{};
    std::array<std::array<std::array<Int, kMaxFreq>, 3>, 2> IPH_HING{};
    std::array<std::array<Complex, 9>, kMaxFreq> second{};
    std::vector<std::string> rows;

    for (H.IREP = 1; H.IREP <= NREP; ++H.IREP) {
        const Int IMIN = 2 * H.IREP - 1;
        const Int IMAX = H.IREP == NREP ? n : IMIN + 1;
        H.NCOL = IMAX % 2 == 0 ? 2 : 1;
        if (printed) ACC_HEADER(RRR, IMIN, IMAX, false);
        H.LBASEX = H.LACRAO;
        Int LBASEY = H.LBASEX + H.NARRAY;
        Int LBASEZ = LBASEY + H.NARRAY;
        const Real SINTMP = std::sin(TMPANG);
        const Real COSTMP = std::cos(TMPANG);
        Real ANGLAT[2] = {0.0f, 0.0f};
        Real ANGVRT[2] = {0.0f, 0.0f};
        rows.clear();

        for (H.IW = 1; H.IW <= NWP; ++H.IW) {
            INDXUP();
            const Int iw = H.IW - 1;
            const Real w = H.RLDUM(H.LW);
            const Real k = H.RLDUM(H.LWK);
            Real WENC = w;
            if (speed) {
                WENC = w - k * VCOMP;
                WENCTR[iw] = WENC;
            }
            const Complex S = H.CXDUM(H.LSG);
            const Complex W = H.CXDUM(H.LSW);
            const Complex HV = H.CXDUM(H.LHV);
            const Complex CRRAOP = H.CXDUM(H.LRL);
            const Complex CPRAOP = H.CXDUM(H.LPT);
            const Complex CYRAOP = H.CXDUM(H.LYA);
            Real AMP[2][3] = {};
            Int IPH[2][3] = {};

            for (Int I = IMIN; I <= IMAX; ++I) {
                const Int J = I - IMIN + 1;
                const Real x = RRR(1, I);
                const Real y = RRR(2, I);
                const Real z = RRR(3, I);
                // Rigid-body displacement, the lever heights taken from the pitch centre for surge and
                // from the roll centre for sway.
                const Complex D0[3] = {S + (z - H.VTCRP) * CPRAOP - y * CYRAOP,
                                       W + x * CYRAOP - (z - H.VTCRR) * CRRAOP, HV + y * CRRAOP - x * CPRAOP};
                Complex D[3] = {D0[0], D0[1], D0[2]};
                if (P.LGAP != 0) {
                    // At a zero encounter frequency the horizontal factor uses 1e-10 for it.
                    const Real we = WENC == 0.0f ? 1.0e-10f : WENC;
                    const Real f = k * V.G / (we * we);
                    const Complex HORRAO(0.0f, f);
                    const Real c = P.LGAP == 2 && z < P.DRAFT ? std::exp(k * (z - P.DRAFT)) : 1.0f;
                    const Complex PHSHFT(0.0f, -k * (x * COSTMP + y * SINTMP));
                    const Complex E = std::exp(PHSHFT);
                    D[0] = D0[0] + HORRAO * c * E * COSTMP;
                    D[1] = D0[1] + HORRAO * c * E * SINTMP;
                    D[2] = D0[2] - c * E;
                }
                if (H.LFRFLG == 3) {
                    for (int i = 0; i < 3; ++i) D[i] = kI * WENC * D0[i];
                } else if (H.LFRFLG == 2) {
                    const Real we2 = WENC * WENC;
                    D[0] = we2 * D0[0] + V.G * CPRAOP;
                    D[1] = we2 * D0[1] - V.G * CRRAOP;
                    D[2] = we2 * D0[2];
                }
                if (ISPM == 1) {
                    const Complex rec[6] = {D[0], D[1], D[2], CRRAOP, CYRAOP, CPRAOP};
                    write_complex_record(rec, 6);
                }
                Complex CQFLD[3] = {};
                if (ISPM > 1) {
                    if (H.IW == 1) {
                        BinaryRecord r;
                        read_record(kLineAngleUnit, r);
                        ANGLAT[J - 1] = r.get_real();
                        ANGVRT[J - 1] = r.get_real();
                        if (!r.ok()) read_failed();
                    }
                    Real RUNIT[3];
                    RCTNGL(ANGVRT[J - 1], ANGLAT[J - 1], RUNIT);
                    Complex CQR[3];
                    if (P.SIMTYP == 14) {
                        CQR[2] = -RUNIT[2] * D[2] + PASCOM.DSTRECH_DX * D[0] + PASCOM.DSTRECH_DY * D[1];
                    } else {
                        CQR[2] = -cdot(RUNIT, D);
                    }
                    Real cross[3];
                    Real YPUNIT[3];
                    Real XPUNIT[3];
                    XPROD(ZUNIT, RUNIT, cross);
                    if (VMOD(cross) > 0.0f) {
                        UNITIZ(cross, YPUNIT);
                    } else {
                        YPUNIT[0] = 0.0f;
                        YPUNIT[1] = 1.0f;
                        YPUNIT[2] = 0.0f;
                    }
                    XPROD(YPUNIT, RUNIT, XPUNIT);
                    CQR[0] = -cdot(XPUNIT, D);
                    CQR[1] = cdot(YPUNIT, D);
                    const Complex THETA[3] = {CRRAOP, CPRAOP, CYRAOP};
                    CQFLD[0] = -cdot(XPUNIT, THETA);
                    CQFLD[1] = cdot(YPUNIT, THETA);
                    CQFLD[2] = -cdot(RUNIT, THETA);
                    if (in_group_a) {
                        const Complex rec[9] = {CQR[0], CQR[1], CQR[2], CRRAOP, CYRAOP, CPRAOP,
                                                CQFLD[0], CQFLD[1], CQFLD[2]};
                        if (J == 1) {
                            write_complex_record(rec, 9);
                        } else {
                            std::copy(rec, rec + 9, second[iw].begin());
                        }
                        std::copy(CQR, CQR + 3, D);
                    } else if (in_group_b) {
                        if (ISPM == 3) {
                            const Complex sep = std::exp(kI * (k * P.CNTSEP * COSTMP));
                            for (auto& c : CQR) c *= sep;
                            if (J == 2) {
                                Complex other[9];
                                read_complex_record(H.IUNX, other, 9);
                                CQR[0] = other[0] - CQR[0];
                                CQR[1] = other[1] + CQR[1];
                                CQR[2] = other[2] + CQR[2];
                            }
                        }
                        if (J == 1) {
                            const Real sign = ISPM == 3 ? -1.0f : 1.0f;
                            const Complex rec[9] = {sign * CQR[0], sign * CQR[1], sign * CQR[2], CRRAOP, CYRAOP,
                                                    CPRAOP, CQFLD[0], CQFLD[1], CQFLD[2]};
                            write_complex_record(rec, 9);
                        }
                        std::copy(CQR, CQR + 3, D);
                    }
                    if (tilt) {
                        Complex turned[3];
                        GMPDCX(H.ROTVES.data(), D, turned, 3, 3, 1);
                        std::copy(turned, turned + 3, D);
                    }
                }
                // Amplitudes, phases and the kept copies.
                const Int IN = (J - 1) * 3 * H.NARRAY + H.IWM;
                const Int base[3] = {H.LBASEX, LBASEY, LBASEZ};
                for (int c = 0; c < 3; ++c) {
                    AMP[J - 1][c] = std::abs(D[c]);
                    IPH[J - 1][c] = whole_phase(D[c]);
                    AMP_HING[J - 1][c][iw] = std::abs(CQFLD[c]) * kDegPerRad;
                    IPH_HING[J - 1][c][iw] = whole_phase(CQFLD[c]);
                    if (speed) {
                        CENC[J - 1][c][iw] = D[c];
                        CHING_ENC[J - 1][c][iw] = CQFLD[c];
                    } else {
                        H.RLDUM(base[c] + IN) = AMP[J - 1][c] * AMP[J - 1][c];
                    }
                }
            }
            const Real TENC = speed ? kTwoPi / (w - k * VCOMP) : P.T(H.IW);
            std::string row = " " + fmt_F(TENC, 6, 2);
            for (Int J = 1; J <= H.NCOL; ++J)
                for (int c = 0; c < 3; ++c) row += amp_phase(AMP[J - 1][c], IPH[J - 1][c]);
            rows.push_back(row);
            if (printed) write_record(P.IUNIT, row);
        }

        // The pause. An answer of -1 or below shows the page just written once more from what was
        // kept for it; nothing is computed, read, written or filed again.
        P.LBACK = 0;
        if (P.IUNIT == P.EDUNIT && P.NEGSUM == 0) {
            for (;;) {
                PRSRET(P.EDUNIT, kKeyboard, P.LBACK);
                if (P.LBACK > -1) break;
                if (printed) {
                    ACC_HEADER(RRR, IMIN, IMAX, false);
                    for (const auto& row : rows) write_record(P.IUNIT, row);
                }
            }
        }
        if (H.NCOL == 2 && in_group_a)
            for (Int iw = 0; iw < NWP; ++iw) write_complex_record(second[iw].data(), 9);
        if (speed) {
            for (H.IW = 1; H.IW <= NWP; ++H.IW) {
                INDXUP();
                const Int base[3] = {H.LBASEX, LBASEY, LBASEZ};
                for (Int J = 1; J <= H.NCOL; ++J) {
                    const Int IN = (J - 1) * 3 * H.NARRAY + H.IWM;
                    for (int c = 0; c < 3; ++c) {
                        const Complex v = regrid(WENCTR.data(), CENC[J - 1][c].data(), H.RLDUM(H.LW), NWP);
                        H.RLDUM(base[c] + IN) = std::norm(v);
                    }
                }
            }
        }
        if (H.LSKIP == 0) STAT1();

        // The ball-hinge pass.
        if (ISPM > 1) {
            if (printed) ACC_HEADER(RRR, IMIN, IMAX, true);
            H.LBASEX = LBASEZ + H.NARRAY;
            LBASEY = H.LBASEX + H.NARRAY;
            LBASEZ = LBASEY + H.NARRAY;
            const Int base[3] = {H.LBASEX, LBASEY, LBASEZ};
            for (H.IW = 1; H.IW <= NWP; ++H.IW) {
                INDXUP();
                const Int iw = H.IW - 1;
                Real TENC = P.T(H.IW);
                if (speed) TENC = kTwoPi / (H.RLDUM(H.LW) - H.RLDUM(H.LWK) * VCOMP);
                for (Int J = 1; J <= H.NCOL; ++J) {
                    const Int IN = (J - 1) * 3 * H.NARRAY + H.IWM;
                    for (int c = 0; c < 3; ++c) {
                        Real a = AMP_HING[J - 1][c][iw];
                        if (speed) {
                            a = std::abs(regrid(WENCTR.data(), CHING_ENC[J - 1][c].data(), H.RLDUM(H.LW), NWP) *
                                         kDegPerRad);
                        }
                        H.RLDUM(base[c] + IN) = a * a;
                    }
                }
                if (printed) {
                    std::string row = " " + fmt_F(TENC, 6, 2);
                    for (Int J = 1; J <= H.NCOL; ++J)
                        for (int c = 0; c < 3; ++c) row += amp_phase(AMP_HING[J - 1][c][iw], IPH_HING[J - 1][c][iw]);
                    write_record(P.IUNIT, row);
                }
            }
            if (H.LSKIP == 0) {
                const Int LOCSIG_SAV = H.LOCSIG;
                H.LOCSIG = H.LCNHNG;
                STAT1();
                H.LOCSIG = LOCSIG_SAV;
            }
        }
    }
}

}  // namespace brevant
