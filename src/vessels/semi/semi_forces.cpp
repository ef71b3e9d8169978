// SEMFRC, SUMALL, GETRAO, PARTWY: first-order wave forces of the member-built hull, the square-law
// drag of its members, and the quasi-linear damping fixed at resonance.
#include "vessels/semi/semi_forces.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <string>

#include "numeric/algebra.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/member_table.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "veslib/natural_modes.h"
#include "veslib/wave_environment.h"
#include "vessels/semi/complex_solver.h"
#include "vessels/semi/member_built_hull.h"
#include "vessels/semi/member_forces.h"
#include "vessels/semi/semi_characteristics.h"

namespace brevant {

SemiForceSeams SEMI_FORCE_SEAMS;

namespace {

constexpr Real DEGRAD = 57.2957764f;
constexpr Real TINY = 1.0e-10f;
constexpr Int MAX_MEMBERS = 50;
constexpr Int KEYBOARD = 5;

constexpr Complex ZERO(0.0f, 0.0f);
constexpr Complex IMAG(0.0f, 1.0f);
constexpr Complex CEPS(0.01f, 0.01f);  // finite-difference step of the Jacobian
constexpr Real FAC2 = 0.84882635f;     // 8 / (3 pi): quadratic damping made linear at resonance
constexpr Real ABS_ERR = 0.001f;
constexpr Int MAX_ITER = 100;

// Once per run: the port-starboard asymmetry warning.
bool FRSTIM = true;

// Answers of the no-convergence question.
constexpr Int ANSWER_ABORT = -1;
constexpr Int ANSWER_AGAIN = 0;
constexpr Int ANSWER_ACCEPT = 1;
constexpr Int ANSWER_STOP_RAOS = 99;

void say(const std::string& line) { write_record(TPCM.EDUNIT, line); }

// Abort or continue after a warning; "A" ends the program.
void ask_abort() {
    ABORT0(TPCM.EDUNIT, KEYBOARD, TPCM.LBACK);
    if (TPCM.LBACK < 0) stop_program(1);
}

// The numbered question of the no-convergence warning: the prompt and rules of the program's
// numbered abort question, with the answer 1 (accept the estimate) besides A, an empty answer and
// 99. A silent run cannot answer and ends here; any other answer ends the program with a message.
Int ask_no_convergence(Int IOSCRN) {
    if (IOSCRN == SILENT_UNIT) stop_program(1);
    write_beep(IOSCRN);
    WRTLIN(kAbortPrompt, 50, IOSCRN);
    const std::string ANUM = fixed_len(read_keyboard_line(KEYBOARD), 12);
    if (ANUM.find_first_not_of(' ') == std::string::npos) return ANSWER_AGAIN;
    std::string letter = " ";
    read_list(ANUM, {ListTarget::of(letter, 1)});
    if (letter[0] == 'A' || letter[0] == 'a') return ANSWER_ABORT;
    Int number = 0;
    const ListResult read = read_list(ANUM, {ListTarget::of(number)});
    if (read.status == ListStatus::Complete && read.assigned == 1 &&
        (number == ANSWER_ACCEPT || number == ANSWER_STOP_RAOS))
        return number;
    write_record(SCREEN_UNIT, " ");
    write_record(SCREEN_UNIT, " >>> Unrecognized option in ABORT3: " + ANUM);
    write_record(SCREEN_UNIT, "     Press <Return> to continue");
    (void)read_keyboard_line(KEYBOARD);
    stop_program(1);
}

// The resonance denominator q + i d, with a zero q taken as 1.0e-10.
Complex resonance(Real WN2, Real WENC2, Real damping) {
    Real q = WN2 - WENC2;
    if (q == 0.0f) q = TINY;
    return Complex(q, damping);
}

// Everything the force passes of one call share.
struct Setup {
    Real MASDEN, WH2, WP2, WR2, W2SCAL, WSCAL;
    Real HVFC, PTFC, RLFC, HFCTLP, PFCTLP, RFCTLP;
    Real ACLFAC, GPSG, GPSW, YAWFAC;
};

// One frequency of one pass: PASS the resonance pass (0 roll, 1 pitch, 2 heave) or -1 on the grid,
// IW the period of the grid, W the wave frequency (rad/s).
struct Wave {
    Real WAVK, WKX, WKY, WENC, WENC2, EXTAMP, WVAMP, VCUR2;
    Real FCOFS[6];
    Int PASS, IW;
    Real W;
};

// A wave too short for the member drag integration ends the run, naming what made it: at a
// resonance pass the natural frequency (the user's period, or the hull's restoring term and inertia,
// as when the frequency itself cannot be computed); on the grid, the period of the table.
[[noreturn]] void drag_wave_too_short(const Wave& w) {
    const Tpcm& P = TPCM;
    if (w.PASS >= 0) {
        // The resonance passes run roll, pitch, heave; the modes come heave, pitch, roll.
        const NaturalMode m = natural_modes()[static_cast<std::size_t>(2 - std::clamp<Int>(w.PASS, 0, 2))];
        natural_mode_stop(m,
                          {"     its wave, of" + fmt_1PE(w.W, 12, 4) +
                           " rad/s, is too short for the member drag integration;"},
                          "is too short for the members (page 5).", P.LPHANTOM_WGHT == 1);
    }
    say("");
    say(" ++> The wave of period" + fmt_1PE(P.T(w.IW), 12, 4) + " s is too short for the member drag integration:");
    say("     recheck the table of wave periods (page 11, item 2) and the members (page 5), and retry.");
    PRSRET(P.EDUNIT, KEYBOARD, TPCM.LBACK);
    stop_program(1);
}

void drag_pass(Complex* C, const Wave& w, Real FORSCL, const Complex* CRAO) {
    if (!SUMALL(C, C + 3, w.WAVK, w.WKX, w.WKY, w.WENC, w.EXTAMP, w.WVAMP, 1, FORSCL, w.VCUR2, 0, CRAO[0], CRAO[1],
                CRAO[2], CRAO[3], CRAO[4], CRAO[5]))
        drag_wave_too_short(w);
}

void normalise(const Complex* C, Complex* CRFRC, Complex* CRAO, const Setup& s, const Wave& w) {
    const Himem& H = HIMEM;
    GETRAO(C, w.FCOFS, CRFRC, CRAO, H.WH, H.WP, H.WR, w.WENC, s.WH2, s.WP2, s.WR2, w.WENC2, SIMCOM.GAMHV,
           SIMCOM.GAMPT, SIMCOM.GAMRL, s.W2SCAL, w.WAVK, s.GPSG, s.GPSW, s.YAWFAC, s.HFCTLP, s.RFCTLP, s.PFCTLP);
}

// The forces with the drag of the motion CSAV: restored from the inertia forces CFK, the drag pass
// added, then normalised; CRAO receives F(CSAV).
void forces_of_motion(Complex* C, const Complex* CFK, const Complex* CSAV, Complex* CRFRC, Complex* CRAO,
                      const Setup& s, const Wave& w) {
    CEQUAL(C, CFK, 6);
    drag_pass(C, w, s.ACLFAC, CSAV);
    normalise(C, CRFRC, CRAO, s, w);
}

enum class Outcome { Done, StopRaos };

// The Newton iteration of the full square-law option at one frequency: on return CRAO holds the
// accepted RAOs and CRFRC the forces with their drag. StopRaos when the user ends the RAOs here.
Outcome square_law_iteration(Complex* C, const Complex* CFK, Complex* CRFRC, Complex* CRAO, const Setup& s,
                             const Wave& w, Real THETA) {
    const Tpcm& P = TPCM;
    const Real REL_ERR = SEMI_FORCE_SEAMS.rel_err;
    Int NCOUNT = 0;
    Int NTOTL = 0;
    Complex CSAV[6], CG0[6], CG1[6], FSAV[6], CTRY[6], GMATD[36];

    for (;;) {
        // a. The fixed-point value F(CSAV) and its residual.
        CEQUAL(CSAV, CRAO, 6);
        forces_of_motion(C, CFK, CSAV, CRFRC, CRAO, s, w);
        CDIFF(CG0, CSAV, CRAO);
        CEQUAL(FSAV, CRAO, 6);

        // b. The Jacobian of the residual by forward differences.
        for (int j = 0; j < 6; ++j) {
            const Complex kept = CSAV[j];
            CSAV[j] += CEPS;
            forces_of_motion(C, CFK, CSAV, CRFRC, CTRY, s, w);
            CDIFF(CG1, CSAV, CTRY);
            for (int i = 0; i < 6; ++i) GMATD[j * 6 + i] = (CG1[i] - CG0[i]) / CEPS;
            CSAV[j] = kept;
        }
        if (SEMI_FORCE_SEAMS.singular_jacobian)
            for (int i = 0; i < 6; ++i) GMATD[5 * 6 + i] = ZERO;

        // c-d. The Newton step. A singular matrix leaves the right-hand side half eliminated, which
        // is no step: that iteration takes the fixed-point value instead and counts as not converged.
        Int KS = 0;
        CSIMQ(GMATD, CG0, 6, KS);
        bool counted = false;
        if (KS != 0) {
            say("");
            say(" ++> Warning: singular solution matrix in SEMFRC; error index = " + fmt_I(KS, 2));
            ask_abort();
            CEQUAL(CRAO, FSAV, 6);
            CDIFF(CG0, CSAV, FSAV);
            NCOUNT = NCOUNT + 1;
            if (NCOUNT <= MAX_ITER) continue;
            counted = true;
        } else {
            for (int i = 0; i < 6; ++i) CRAO[i] = CSAV[i] - CG0[i];
        }

        // e. Convergence, degree by degree.
        bool again = false;
        for (int i = 1; i <= 6; ++i) {
            Real RAMP = std::abs(CRAO[i - 1]);
            if (RAMP == 0.0f) RAMP = ABS_ERR;
            Real AMPFAC = RAMP;
            if (i >= 4) AMPFAC = AMPFAC / w.WAVK;
            if (std::abs(CG0[i - 1]) / RAMP < REL_ERR || AMPFAC <= ABS_ERR) continue;
            if (!counted) NCOUNT = NCOUNT + 1;
            counted = false;
            if (NCOUNT <= MAX_ITER) {
                again = true;
                break;
            }
            NTOTL = NTOTL + MAX_ITER;
            say("");
            say(" ++> Warning: No RAO convergence after " + fmt_I(NTOTL, 4) + " iterations for");
            say("     heading, = " + fmt_F(THETA * DEGRAD, 5, 1) + ", wave period =" + fmt_F(P.T(HIMEM.IW), 5, 1) +
                ", DOF = " + fmt_I(i, 1));
            say("");
            say("     Enter 1 to continue with current estimate,");
            say(std::string("     enter 99 to terminate additional RAO ") + "determinations OR ...");
            say("");
            const Int answer = ask_no_convergence(P.EDUNIT);
            TPCM.LBACK = answer;
            if (answer == ANSWER_ABORT) stop_program(1);
            if (answer == ANSWER_STOP_RAOS) return Outcome::StopRaos;
            if (answer == ANSWER_ACCEPT) continue;
            NCOUNT = 1;
            again = true;
            break;
        }
        if (again) continue;

        // f. The forces of the accepted motion.
        forces_of_motion(C, CFK, CRAO, CRFRC, CRAO, s, w);
        return Outcome::Done;
    }
}

// The user ends the RAO determinations at the current period: the periods before it stay, and the
// grid record follows the shorter list so that later integrals end at its new last period. Fewer
// than two periods leave no grid: the program ends as on an abort.
void stop_raos_here() {
    Tpcm& P = TPCM;
    const Int kept = HIMEM.IW - 1;
    if (kept < 2) stop_program(1);
    P.NWP = kept;
    set_wave_grid(&P.T(1), P.NWP, P.NUNTS);
}

}  // namespace

void reset_semi_forces() {
    FRSTIM = true;
    SEMI_FORCE_SEAMS = SemiForceSeams{};
}

void PARTWY(const Real* RIN, Real* ROUT, Real ALEN) {
    for (int i = 0; i < 3; ++i) ROUT[i] = ALEN * RIN[i];
}

bool SUMALL(Complex* CFORCE, Complex* CMOMT, Real WAVK, Real WKX, Real WKY, Real WENC, Real EXTAMP, Real WVAMP,
            Int DRGFLG, Real FORSCL, Real VCUR2, Int WETMEM, Complex CSGRAO, Complex CSWRAO, Complex CHVRAO,
            Complex CRLRAO, Complex CPTRAO, Complex CYWRAO) {
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    const Simcom& S = SIMCOM;
    const Int last = std::min(P.NCYL, MAX_MEMBERS);

    for (Int ICYL = 1; ICYL <= last; ++ICYL) {
        // 1. Member data.
        const Real LEN = S.CYLLEN(ICYL);
        Real RBASE[3] = {P.RCYLB(1, ICYL), P.RCYLB(2, ICYL), P.RCYLB(3, ICYL)};
        Real DRMEM[3] = {S.DIRVEC(1, ICYL), S.DIRVEC(2, ICYL), S.DIRVEC(3, ICYL)};
        Real WKV[2] = {WKX, WKY};
        const Real DX = DRMEM[0];
        const Real DY = DRMEM[1];
        const Real RPERP = std::sqrt(DX * DX + DY * DY);
        Complex CANGLE[3] = {ZERO, ZERO, ZERO};
        Complex BASVEL[3] = {ZERO, ZERO, ZERO};
        const Real XB = RBASE[0];
        const Real ZB = RBASE[2];

        // 2. Drag pass: the motion of the base point and the angular motion in member axes.
        if (DRGFLG != 0) {
            const Real x = RBASE[0];
            const Real y = RBASE[1];
            const Real z = RBASE[2];
            const Complex motion[3] = {CSGRAO + (z - H.VTCRP) * CPTRAO - y * CYWRAO,
                                       CSWRAO + (x - H.XCRYW) * CYWRAO - (z - H.VTCRR) * CRLRAO,
                                       CHVRAO + y * CRLRAO - (x - H.XCRPT) * CPTRAO};
            for (int i = 0; i < 3; ++i) BASVEL[i] = IMAG * WENC * motion[i];
            CANGLE[0] = CRLRAO;
            CANGLE[1] = CPTRAO;
            CANGLE[2] = CYWRAO;
            Real THETAM = 0.0f;
            Real PHIM = 0.0f;
            Real ROTMAT[9];
            member_axes(DRMEM, DRMEM[2], THETAM, PHIM, ROTMAT);
            CMATPD(ROTMAT, CANGLE, CANGLE, 3, P.EDUNIT);
        }
        const bool GET_TOP_DRAG = P.TOPTYP(ICYL) == 0;

        // 3. The base height from the still water.
        RBASE[2] = RBASE[2] - H.EDRAFT;

        // 4. Into the member's vertical plane. A member pointing along -x turns half a circle, like
        // any member with a horizontal part off +x, so that the geometry, the base velocity, the wave
        // vector and the angular motion (whose member axes point the same way) share one frame.
        const bool turned = DY != 0.0f || DX < 0.0f;
        Real ROT[4] = {};
        if (turned) {
            ROT[0] = DX / RPERP;
            ROT[1] = -DY / RPERP;
            ROT[2] = DY / RPERP;
            ROT[3] = DX / RPERP;
            MATPRD(ROT, RBASE, RBASE, 2, P.EDUNIT);
            MATPRD(ROT, DRMEM, DRMEM, 2, P.EDUNIT);
            MATPRD(ROT, WKV, WKV, 2, P.EDUNIT);
            CMATPD(ROT, BASVEL, BASVEL, 2, P.EDUNIT);
            DRMEM[1] = 0.0f;
        }

        // 5. The member integrals.
        Complex F[3];
        Complex M[3];
        Int PIERCE = 0;
        Complex CWPFRC;
        Complex CQDBOT;
        Complex CQDTOP;
        if (!MEMFRC(LEN, RBASE, DRMEM, WKV[0], WKV[1], WAVK, P.DEPTH, F, M, P.EDUNIT, P.NBUG, WETMEM, VCUR2, BASVEL,
                    DRGFLG, CANGLE[1], CANGLE[0], WENC, KEYBOARD, EXTAMP, WVAMP, PIERCE, CWPFRC, GET_TOP_DRAG, CQDBOT,
                    CQDTOP))
            return false;

        // 6. Back to vessel axes.
        if (turned) {
            const Real BACK[4] = {ROT[0], ROT[2], ROT[1], ROT[3]};
            MATPRD(BACK, RBASE, RBASE, 2, P.EDUNIT);
            MATPRD(BACK, DRMEM, DRMEM, 2, P.EDUNIT);
            CMATPD(BACK, F, F, 2, P.EDUNIT);
            CMATPD(BACK, M, M, 2, P.EDUNIT);
        }

        // 7. A member along a vessel axis has no drag along it.
        const Int dir = P.MEMDIR(ICYL);
        if (DRGFLG != 0 && dir >= 1 && dir <= 3) {
            F[dir - 1] = ZERO;
            M[dir - 1] = ZERO;
        }

        // 8. At the member centre: coefficients, waterplane terms and end drag; then back to the base.
        Real RTEMP[3];
        PARTWY(DRMEM, RTEMP, 0.5f * LEN);
        Complex cross[3];
        CXPROD(RTEMP, F, cross);
        for (int i = 0; i < 3; ++i) M[i] -= cross[i];
        if (DRGFLG == 0) {
            CMATPD(&S.FRCCOF(1, 1, ICYL), F, F, 3, P.EDUNIT);
            CMATPD(&S.MNTCOF(1, 1, ICYL), M, M, 3, P.EDUNIT);
            if (P.DRAG_ONLY == 1) CWPFRC = ZERO;
            if (PIERCE != 0) {
                F[2] += CWPFRC;
                M[0] += CWPFRC * (RTEMP[1] - IMAG * WKY * S.MRWPG2(ICYL));
                M[1] -= CWPFRC * (RTEMP[0] - IMAG * WKX * S.MPWPG2(ICYL));
            }
            const Real scale = FORSCL * P.XAREA(ICYL);
            for (int i = 0; i < 3; ++i) {
                F[i] *= scale;
                M[i] *= scale;
            }
        } else {
            const Real axial = P.XAREA(ICYL) * P.CYLCD(3, ICYL);
            CQDBOT *= axial;
            CQDTOP *= axial;
            Complex FBOT[3];
            Complex FTOP[3];
            for (int i = 0; i < 3; ++i) {
                const Real factor = FORSCL * S.DRGFCF(i + 1, ICYL);
                F[i] *= factor;
                M[i] *= factor;
                FBOT[i] = FORSCL * CQDBOT * DRMEM[i];
                FTOP[i] = FORSCL * CQDTOP * DRMEM[i];
                F[i] += FBOT[i] + FTOP[i];
            }
            CXPROD(RTEMP, FBOT, cross);
            for (int i = 0; i < 3; ++i) M[i] -= cross[i];
            CXPROD(RTEMP, FTOP, cross);
            for (int i = 0; i < 3; ++i) M[i] += cross[i];
        }
        CXPROD(RTEMP, F, cross);
        for (int i = 0; i < 3; ++i) M[i] += cross[i];

        // 9. To the rotation centres of the hull.
        const Real rp[3] = {XB - H.XCRPT, RBASE[1], ZB - H.VTCRP};
        CXPROD(rp, F, cross);
        M[1] += cross[1];
        const Real ry[3] = {XB - H.XCRYW, RBASE[1], ZB - H.VTCRR};
        CXPROD(ry, F, cross);
        M[0] += cross[0];
        M[2] += cross[2];
        for (int i = 0; i < 3; ++i) {
            CFORCE[i] += F[i];
            CMOMT[i] += M[i];
        }
    }
    return true;
}

void GETRAO(const Complex* CFORCE, const Real* FCOFS, Complex* CRFRC, Complex* CRAO, Real WH, Real WP, Real WR,
            Real WENC, Real WH2, Real WP2, Real WR2, Real WENC2, Real GAMHV, Real GAMPT, Real GAMRL, Real W2SCAL,
            Real WAVK, Real GPSG, Real GPSW, Real YAWFAC, Real HFCTLP, Real RFCTLP, Real PFCTLP) {
    const Tpcm& P = TPCM;
    for (int i = 0; i < 6; ++i) CRFRC[i] = FCOFS[i] * CFORCE[i];
    if (P.SQLFRC != 1) return;

    // A wave met at zero encounter frequency leaves the inertia terms no divisor.
    const Real WE2 = WENC2 == 0.0f ? TINY : WENC2;
    if (WH2 > 0.0f) {
        const Real d = P.LHVDMP == 1 ? GAMHV * WENC * WH : 0.0f;
        CRAO[2] = WH2 * CRFRC[2] / resonance(WH2, WENC2, d);
    } else {
        CRAO[2] = -CRFRC[2] * W2SCAL / WE2;
    }
    CRAO[0] = -GPSG * WAVK * CRFRC[0] / WE2;
    CRAO[1] = -GPSW * WAVK * CRFRC[1] / WE2;
    // Pitch and roll: a rotation per unit wave slope.
    const auto rotation = [&](const Complex& force, Real WN, Real WN2, Int damped, Real GAM) -> Complex {
        if (WN2 > 0.0f) {
            const Real d = damped == 1 ? GAM * WENC * WN : 0.0f;
            return WAVK * WN2 * force / resonance(WN2, WENC2, d);
        }
        return -WAVK * force * W2SCAL / WE2;
    };
    CRAO[4] = rotation(CRFRC[4], WP, WP2, P.LPTDMP, GAMPT);
    CRAO[3] = rotation(CRFRC[3], WR, WR2, P.LRLDMP, GAMRL);
    CRAO[5] = -WAVK * YAWFAC * CRFRC[5] / WE2;
    if (P.SIMTYP == 14 || P.SIMTYP == 17) {
        CRAO[2] *= HFCTLP;
        CRAO[3] *= RFCTLP;
        CRAO[4] *= PFCTLP;
    }
}

void SEMFRC(Int& NPASS2) {
    Tpcm& P = TPCM;
    Himem& H = HIMEM;
    Simcom& SC = SIMCOM;
    WavCom& WV = WAVCOM;
    const Real G = WV.G;

    // 1. Set-up.
    WV.DWATRP() = 0.001f * P.DWATR;
    const Real DWATRP = WV.DWATRP();
    Setup s{};
    s.MASDEN = DWATRP / G;
    s.WH2 = H.WH * H.WH;
    s.WP2 = H.WP * H.WP;
    s.WR2 = H.WR * H.WR;
    s.W2SCAL = G / std::pow(H.DELTA, 0.33333334f);
    s.WSCAL = std::sqrt(s.W2SCAL);
    if (P.AWP > 0.0f) {
        s.HVFC = DWATRP * P.AWP;
        s.HFCTLP = G * P.AWP / H.HC;
    } else {
        s.HVFC = s.MASDEN * H.HVMAS * s.W2SCAL;
        s.HFCTLP = 1.0f;
    }
    // Pitch and roll: the force scale and the TLP's RAO factor from the metacentric height where
    // there is one, otherwise from the inertia (and no factor).
    const auto rotation_scales = [&](Real GM, Real restoring, Real inertia, Real& FC, Real& FCTLP) {
        if (GM != 0.0f) {
            FC = std::fabs(GM) * P.DISPL;
            FCTLP = G * std::fabs(GM) * H.DELTA / restoring;
        } else {
            FC = s.MASDEN * inertia * s.W2SCAL;
            FCTLP = 1.0f;
        }
    };
    rotation_scales(H.GML, H.PRMT, H.PTCHI, s.PTFC, s.PFCTLP);
    rotation_scales(H.GMT, H.RRMT, H.ROLI, s.RLFC, s.RFCTLP);
    H.SCALE(1) = P.DISPL / DEGRAD;
    H.SCALE(2) = H.SCALE(1);
    H.SCALE(3) = s.HVFC;
    H.SCALE(4) = s.RLFC / DEGRAD;
    H.SCALE(5) = s.PTFC / DEGRAD;
    H.SCALE(6) = H.SCALE(5);
    H.SDEPTH = P.DEPTH / H.EDRAFT;
    s.ACLFAC = DWATRP * 0.5642f / G;
    s.GPSG = G / (1.0f + H.CSG);
    s.GPSW = G / (1.0f + H.CSW);
    s.YAWFAC = G * H.GML * H.DELTA / H.YAWI;
    // Only 0 and the all-periods value come from the callers; a negative count is the roll pass.
    if (NPASS2 < 0) NPASS2 = 0;
    if (NPASS2 == 0) {
        SC.GAMHV = 0.1f;
        SC.GAMRL = 0.1f;
        SC.GAMPT = 0.1f;
    }

    for (;;) {
        // 2. Pass set-up.
        const bool resonance_pass = NPASS2 <= 2;
        Real THETA = 0.0f;
        Real WTMP = 0.0f;
        Real VTEMP = 0.0f;
        Real VCUR2 = 0.0f;
        Int ILAST = 1;
        if (resonance_pass) {
            if (NPASS2 == 0) {
                THETA = 1.5707964f;
                WTMP = H.WR;
            } else if (NPASS2 == 1) {
                WTMP = H.WP;
            } else {
                WTMP = H.WH;
            }
            if (WTMP == 0.0f) WTMP = s.WSCAL;
        } else {
            THETA = H.REDANG()(WV.IRAO) / DEGRAD;
            VTEMP = P.VFWD;
            VCUR2 = P.VFWD * P.VFWD;
            ILAST = P.NWP;
        }
        // The resonance passes have no speed, and need no heading of the table.
        const Real VCOMP = VTEMP == 0.0f ? 0.0f : VTEMP * std::cos((H.REDANG()(WV.IRAO) - P.VGLDIR) / DEGRAD);
        if (THETA == 0.0f) THETA = TINY;
        const Real SINT = std::sin(THETA);
        Real COST = std::cos(THETA);
        if (COST == 0.0f) COST = TINY;

        for (Int IW = 1; IW <= ILAST; ++IW) {
            Wave w{};
            w.PASS = resonance_pass ? NPASS2 : -1;
            w.IW = IW;
            if (resonance_pass) {
                Real KH = 0.0f;
                WAVVEC(H.WCONST * WTMP, KH, P.EDUNIT);
                w.WAVK = KH / P.DEPTH;
            } else {
                H.IW = IW;
                INDXUP();
                WTMP = H.RLDUM(H.LW);
                w.WAVK = H.RLDUM(H.LWK);
            }

            // 3. Encounter frequency, wave vector, amplitudes, normalisation.
            w.W = WTMP;
            w.WENC = WTMP - VCOMP * w.WAVK;
            w.WENC2 = w.WENC * w.WENC;
            w.WKX = w.WAVK * COST;
            w.WKY = w.WAVK * SINT;
            w.VCUR2 = VCUR2;
            Real WVAMP = 0.0f;
            if (P.LSLPHT <= 0) {
                WVAMP = 0.5f * P.SLPHT;
            } else {
                Real KH = 0.0f;
                WAVVEC(H.WCONST * WTMP, KH, P.EDUNIT);
                WVAMP = (P.SLPHT / DEGRAD) * P.DEPTH / KH;
            }
            WVAMP = 1.414f * WVAMP;
            w.WVAMP = WVAMP;
            w.EXTAMP = WVAMP;
            w.FCOFS[0] = 1.0f / (P.DISPL * w.WAVK);
            w.FCOFS[1] = w.FCOFS[0];
            w.FCOFS[2] = 1.0f / s.HVFC;
            w.FCOFS[3] = 1.0f / (s.RLFC * w.WAVK);
            w.FCOFS[4] = 1.0f / (s.PTFC * w.WAVK);
            w.FCOFS[5] = w.FCOFS[4];

            // 4. Inertia forces, and the drag of the fixed vessel where the option asks for it.
            Complex C[6] = {};
            Complex CFK[6] = {};
            Complex CRAO[6] = {};
            Complex CRFRC[6] = {};
            // The inertia pass has closed forms, with no count of points to run out of.
            (void)SUMALL(CFK, CFK + 3, w.WAVK, w.WKX, w.WKY, w.WENC, w.EXTAMP, w.WVAMP, 0, DWATRP, w.VCUR2, 0, ZERO, ZERO,
                   ZERO, ZERO, ZERO, ZERO);
            CEQUAL(C, CFK, 6);
            if (P.SQLFRC == 1 || P.SQLFRC == 2 || (P.SQLFRC == 0 && resonance_pass)) drag_pass(C, w, s.ACLFAC, CRAO);

            // 5. Normalised forces and the first trial RAOs.
            normalise(C, CRFRC, CRAO, s, w);

            if (!resonance_pass) {
                // 6. The full square-law iteration.
                if (P.SQLFRC == 1 && square_law_iteration(C, CFK, CRFRC, CRAO, s, w, THETA) == Outcome::StopRaos) {
                    stop_raos_here();
                    return;
                }
                // 7. Storing.
                H.CXDUM(H.LSG) = CRFRC[0];
                H.CXDUM(H.LSW) = CRFRC[1];
                H.CXDUM(H.LHV) = CRFRC[2];
                H.CXDUM(H.LRL) = CRFRC[3];
                H.CXDUM(H.LPT) = CRFRC[4];
                H.CXDUM(H.LYA) = CRFRC[5];
                continue;
            }

            // 9. Resonance passes: the asymmetry check on the first pitch pass, then the damping.
            if (NPASS2 == 1 && FRSTIM) {
                FRSTIM = false;
                if (std::abs(CRFRC[3]) > 0.005f) {
                    say("");
                    say(std::string(" ++> WARNING: This simulation does not rigorously support ") + "Semisubmersibles");
                    say(std::string("              lacking bilateral (port-starboard) ") +
                        "symmetry; proceed with caution");
                    ask_abort();
                }
            }
            const Real TRLFAC = std::abs(C[3]) * WVAMP;
            const Real TPTFAC = std::abs(C[4]) * WVAMP;
            const Real THVFAC = std::abs(C[2]) * WVAMP;
            if (NPASS2 == 0) {
                SC.GAMRL = P.LRLDMP == 0 ? std::sqrt(FAC2 * SC.CQRL * TRLFAC) / (WTMP * H.ROLI * s.MASDEN)
                                         : 0.02f * P.RLDAMP;
            } else if (NPASS2 == 1) {
                SC.GAMPT = P.LPTDMP == 0 ? std::sqrt(FAC2 * SC.CQPT * TPTFAC) / (WTMP * H.PTCHI * s.MASDEN)
                                         : 0.02f * P.PTDAMP;
            } else {
                SC.GAMHV = P.LHVDMP == 0 ? std::sqrt(FAC2 * SC.CQHV * THVFAC) / (WTMP * H.HVMAS * s.MASDEN)
                                         : 0.02f * P.HVDAMP;
            }
        }
        if (!resonance_pass) {
            H.IW = P.NWP + 1;
            return;
        }
        if (NPASS2 >= 2) return;
        NPASS2 = NPASS2 + 1;
    }
}

}  // namespace brevant
