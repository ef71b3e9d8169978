// MEMFRC: closed-form inertia integrals and the Simpson drag integral along one member.
#include "vessels/semi/member_forces.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "numeric/algebra.h"
#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr Real OVFLO = 70.0f;      // cap on k d, limit on the base exponent, second warning threshold
constexpr Real OVFLOP = 2.0f;      // first warning threshold on k |d3| L
constexpr Real SINGULAR = 0.001f;  // |k.n| L below which the closed forms give way to their limits
constexpr Real DEPTH_CUT = -30.0f;
constexpr Real PERIOD_FACTOR = 6.283f;
constexpr Int MIN_SIMPSON = 5;
// Real part beyond which a combined exponent is held: e^88 is near the top of the float range.
constexpr Real EXP_LIMIT = 80.0f;

constexpr Complex I1C{0.0f, 1.0f};

// Once per run: the two wave-period warnings.
bool FRSTM1 = true;
bool FRSTM2 = true;

// e^z with the real part held below the float range, so that a sum of exponents that runs beyond
// what single precision holds gives a large finite value, never an infinity.
Complex bounded_exp(Complex z) {
    if (z.real() > EXP_LIMIT) z = Complex(EXP_LIMIT, z.imag());
    return std::exp(z);
}

void ask_abort(Int EDUNIT, Int KBD) {
    Int LBACK = 0;
    ABORT0(EDUNIT, KBD, LBACK);
    if (LBACK < 0) stop_program(1);
}

// A diagnostic line: the label, then the values six to a line in E12.4.
void debug_values(Int EDUNIT, const std::string& label, std::initializer_list<Real> values) {
    write_record(EDUNIT, label);
    std::string line;
    int count = 0;
    for (Real v : values) {
        line += fmt_E(v, 12, 4);
        if (++count == 6) {
            write_record(EDUNIT, line);
            line.clear();
            count = 0;
        }
    }
    if (!line.empty()) write_record(EDUNIT, line);
}

struct Pass {
    bool portion_b;  // from the still-water crossing to the far end
    bool above;      // above-water treatment: the vertical wave factor stays at its value at the start
};

}  // namespace

void reset_member_forces() {
    FRSTM1 = true;
    FRSTM2 = true;
}

bool member_drag_points_resolvable(Real k, Real L) { return k * L <= kMostDragPoints; }

bool MEMFRC(Real LEN, const Real* RBASE, const Real* DIRMEM, Real KX, Real KY, Real WVK, Real WDEPTH, Complex* CFORCE,
            Complex* CMOMT, Int EDUNIT, Int NBUG, Int WETELM, Real VCUR2, const Complex* BASVEL, Int DRGFLG,
            Complex DELPHI, Complex DELTHA, Real WFREQ, Int KBD, Real EXTAMP, Real WVAMP, Int& PIERCE,
            Complex& CWPFRC, bool GET_TOP_DRAG, Complex& CQDBOT, Complex& CQDTOP) {
    for (int j = 0; j < 3; ++j) CFORCE[j] = CMOMT[j] = Complex(0.0f, 0.0f);
    CWPFRC = CQDBOT = CQDTOP = Complex(0.0f, 0.0f);

    // 1. The axis must lie in the member plane.
    if (DIRMEM[1] != 0.0f) {
        write_record(EDUNIT, "");
        write_record(EDUNIT, "");
        write_record(EDUNIT, std::string(" ++> WARNING: Elemental unit vector out of member") + " plane in MEMFRC.");
        write_record(EDUNIT, "");
        ask_abort(EDUNIT, KBD);
    }

    // 2. Set-up.
    const Real d1 = DIRMEM[0];
    const Real d3 = DIRMEM[2];
    const Real k = WVK;
    const Complex KAPPA[3] = {Complex(KX, 0.0f), Complex(KY, 0.0f), Complex(0.0f, -k)};
    const Real TOP = RBASE[2] + LEN * d3;
    PIERCE = 0;
    if (TOP * RBASE[2] < 0.0f) PIERCE = TOP > 0.0f ? 1 : -1;
    const Real L_A = PIERCE != 0 ? -RBASE[2] / d3 : LEN;
    if (NBUG != 0) debug_values(EDUNIT, " TOP,LEN,COSANG", {TOP, LEN, d3});

    // 3. Wetting code.
    Int WETVAL = WETELM;
    if (WETVAL == 5) WETVAL = 1;
    if (WETVAL == 6) WETVAL = 2;
    if (WETVAL == 4) WETVAL = 3;
    if (RBASE[2] > 0.0f && TOP > 0.0f && WETVAL == 0) return true;

    // 4. Depth factors, kept as exponents: C1 = 1/(2 cosh kd') = e^(-kd') / (1 + e^(-2kd')), and the
    // velocity factor 1/(2 sinh kd') = e^(-kd') / (1 - e^(-2kd')); the e^(+-kd') parts join the
    // exponents of the wave terms so that no factor leaves the float range on its own.
    const Real kdp = std::min(k * WDEPTH, OVFLO);
    const Real C1N = 1.0f / (1.0f + std::exp(-2.0f * kdp));
    const Real SDN = -std::expm1(-2.0f * kdp);

    // 5. The passes by piercing code and wetting code.
    const bool wet_above = WETVAL == 1 || WETVAL == 2;
    Pass passes[2];
    int npass = 0;
    if (PIERCE == 0) {
        passes[npass++] = {false, RBASE[2] > 0.0f};
    } else if (PIERCE == 1) {
        passes[npass++] = {false, false};
        if (wet_above) passes[npass++] = {true, true};
    } else {
        if (wet_above) passes[npass++] = {false, true};
        passes[npass++] = {true, false};
    }

    // Rotation of the member about the base: velocity increment per unit length along the axis.
    const Complex ROTINC[3] = {I1C * WFREQ * d3 * DELPHI, -I1C * WFREQ * DELTHA, -I1C * WFREQ * d1 * DELPHI};
    bool waterplane_done = false;

    for (int ip = 0; ip < npass; ++ip) {
        const Pass& pass = passes[ip];
        Real r0[3] = {RBASE[0], RBASE[1], RBASE[2]};
        Complex vB[3] = {BASVEL[0], BASVEL[1], BASVEL[2]};
        Real QLEN = 0.0f;
        Real L = PIERCE != 0 ? L_A : LEN;
        if (pass.portion_b) {
            for (int j = 0; j < 3; ++j) {
                r0[j] = RBASE[j] + L_A * DIRMEM[j];
                vB[j] += L_A * ROTINC[j];
            }
            QLEN = L_A;
            L = LEN - L_A;
        }

        // 6. Common part of a pass.
        Complex KAPPAP[3] = {KAPPA[0], KAPPA[1], KAPPA[2]};
        if (pass.above) KAPPAP[2] = Complex(0.0f, 0.0f);
        const Complex kn = CXDOTP(KAPPA, DIRMEM);
        const Complex knp = CXDOTP(KAPPAP, DIRMEM);
        Complex a0 = -I1C * CXDOTP(KAPPAP, r0);
        if (NBUG != 0) {
            debug_values(EDUNIT, " KAPPA(3*2),DIRMEM(*3),KDOTN(*2) = KAPPA.DIR",
                         {KAPPA[0].real(), KAPPA[0].imag(), KAPPA[1].real(), KAPPA[1].imag(), KAPPA[2].real(),
                          KAPPA[2].imag(), DIRMEM[0], DIRMEM[1], DIRMEM[2], kn.real(), kn.imag()});
            debug_values(EDUNIT, " KAPPA(2*3),RBASEP(*3),IKDOTR(*2) =i.KAPPA.RBASEP",
                         {KAPPAP[0].real(), KAPPAP[1].real(), KAPPAP[2].imag(), r0[0], r0[1], r0[2], a0.real(),
                          a0.imag()});
        }
        const Complex aL = -I1C * kn * L;
        if (NBUG != 0) debug_values(EDUNIT, " IKDOTR,IDKDTNL before", {a0.real(), a0.imag(), aL.real(), aL.imag()});
        CEXLIM(a0, OVFLO);
        if (NBUG != 0) debug_values(EDUNIT, " IKDOTR,IDKDTNL after", {a0.real(), a0.imag(), aL.real(), aL.imag()});
        const Real TESTR = std::fabs(aL.real());

        // Depth cut-off: a portion lying wholly deeper than 30/k, and every pass after it, is dropped.
        const Real upper = std::max(r0[2], r0[2] + L * d3);
        if (k * RBASE[2] < DEPTH_CUT && k * upper < DEPTH_CUT) return true;

        if (TESTR > OVFLOP && FRSTM1) {
            FRSTM1 = false;
            if (pass.above) {
                write_record(EDUNIT, "");
                write_record(EDUNIT, "");
                write_record(EDUNIT, std::string(" ++> WARNING: A (wave period,") + " above-water element length)");
                write_record(EDUNIT, " combination of (" + fmt_F(PERIOD_FACTOR / WFREQ, 5, 2) + ", " +
                                         fmt_F(L, 8, 2) + ") may exaggerate" + " member forces.");
                write_record(EDUNIT, " Subdivide element, increase minimum wave period or deactivate");
                write_record(EDUNIT, " submerged member option.");
                write_record(EDUNIT, "");
                ask_abort(EDUNIT, KBD);
            }
        }
        if (TESTR > OVFLO && FRSTM2) {
            write_record(EDUNIT, "");
            write_record(EDUNIT, "");
            write_record(EDUNIT, std::string(" ++> WARNING: A (wave period,") + " submerged element length) combination");
            write_record(EDUNIT, "              of (" + fmt_F(PERIOD_FACTOR / WFREQ, 5, 2) + ", " + fmt_F(L, 8, 2) +
                                     ") MAY exceed " + "IEEE precision in MEMFRC.");
            write_record(EDUNIT, std::string("              Subdivide element or increase minimum ") + "wave period");
            write_record(EDUNIT, "");
            FRSTM2 = false;
            ask_abort(EDUNIT, KBD);
        }

        if (DRGFLG == 0) {
            // 7. Inertia mode. The two exponential terms of the pressure head, e^(-(kz + kd')) carried
            // by KAPPA and e^(+(kz + kd')) by its conjugate, at the start (0) and the end (L) of the
            // portion, with C1 already applied: E1 = C1 e^(a0 + aL) / e^kd', E2 = C1 e^kd' / conj(e^(a0 + aL)).
            const bool singular = std::abs(aL) <= SINGULAR;
            const Complex E1_0 = C1N * bounded_exp(a0 - 2.0f * kdp);
            const Complex E2_0 = C1N * bounded_exp(-std::conj(a0));
            const Complex E1_L = C1N * bounded_exp(a0 + aL - 2.0f * kdp);
            const Complex E2_L = C1N * bounded_exp(-std::conj(a0) - std::conj(aL));
            Complex I1, I2, J1, J2;
            if (!singular) {
                // I1 = -i times the integral of e^(-i kn s) over 0..L; J1 the integral of s e^(-i kn s).
                I1 = (E1_L - E1_0) / kn;
                I2 = (E2_L - E2_0) / std::conj(kn);
                const Complex c = 1.0f / (-I1C * kn);
                const Complex c2 = -std::conj(c);
                J1 = (c * L - c * c) * E1_L + c * c * E1_0;
                J2 = (c2 * L - c2 * c2) * E2_L + c2 * c2 * E2_0;
            } else {
                I1 = -I1C * L * E1_0;
                I2 = -I1C * L * E2_0;
                J1 = 0.5f * L * L * E1_0;
                J2 = 0.5f * L * L * E2_0;
            }
            if (NBUG != 0) {
                debug_values(EDUNIT, " SNGLAR,WETELM,CABS(IKDTNL),EXPKD",
                             {singular ? 1.0f : 0.0f, static_cast<Real>(WETELM), std::abs(aL), std::exp(kdp)});
                const Complex EXPKR = std::exp(a0);
                debug_values(EDUNIT, " LENP,LEN,IKDTNL(*2),EXPKR(*2)",
                             {L, LEN, aL.real(), aL.imag(), EXPKR.real(), EXPKR.imag()});
            }
            Complex F[3];
            for (int j = 0; j < 3; ++j) {
                F[j] = -(I1 * KAPPA[j] + I2 * std::conj(KAPPA[j]));
                CFORCE[j] += F[j];
            }

            if (PIERCE != 0 && !waterplane_done && WETVAL != 1 && WETELM != 4) {
                waterplane_done = true;
                const Real K0[3] = {KX, KY, 0.0f};
                const Real L_W = -RBASE[2] / d3;
                const Real phase = DOTP(K0, RBASE) + L_W * DOTP(K0, DIRMEM);
                CWPFRC = std::exp(-I1C * phase) / std::fabs(d3);
            }

            Complex N[3], Nc[3];
            CXPROD(DIRMEM, KAPPA, N);
            for (int j = 0; j < 3; ++j) Nc[j] = std::conj(N[j]);
            if (NBUG != 0) {
                write_record(EDUNIT, " NCROSK(2*3):");
                debug_values(EDUNIT, "", {N[0].real(), N[0].imag(), N[1].real(), N[1].imag(), N[2].real(), N[2].imag()});
            }
            // Moment about r0: i C1 (n x KAPPA) J1 + i C1 conj(n x KAPPA) J2 (C1 is in J1, J2).
            for (int j = 0; j < 3; ++j) CMOMT[j] += I1C * (J1 * N[j] + J2 * Nc[j]);
            if (pass.portion_b) {
                const Real arm[3] = {r0[0] - RBASE[0], r0[1] - RBASE[1], r0[2] - RBASE[2]};
                Complex carried[3];
                CXPROD(arm, F, carried);
                for (int j = 0; j < 3; ++j) CMOMT[j] += carried[j];
            }
        } else {
            // 8. Drag mode: composite Simpson on an odd count of points, about one per unit of k L.
            // A wave too short for that count to be summed in single precision is left to the caller.
            if (!member_drag_points_resolvable(k, L)) return false;
            Int NSIMP = 2 * (clamp_to_int(static_cast<double>(clamp_to_int(static_cast<double>(k * L))) / 2.0)) - 1;
            if (NSIMP < MIN_SIMPSON) NSIMP = MIN_SIMPSON;
            if (NBUG != 0) {
                write_record(EDUNIT, " IN MEMFRC; drag calculation.");
                debug_values(EDUNIT, " WETELM,DRGFLG,KBD,VCUR2,WFREQ,EXTAMP,WVAMP",
                             {static_cast<Real>(WETELM), static_cast<Real>(DRGFLG), static_cast<Real>(KBD), VCUR2,
                              WFREQ, EXTAMP, WVAMP});
                debug_values(EDUNIT, " BASVLP(3*2),DELPHI(*2),DELTHA(*2)",
                             {vB[0].real(), vB[0].imag(), vB[1].real(), vB[1].imag(), vB[2].real(), vB[2].imag(),
                              DELPHI.real(), DELPHI.imag(), DELTHA.real(), DELTHA.imag()});
                WRTLIN("Input NSIMP: ", 13, EDUNIT);
                // Nobody can answer in a silent run.
                if (EDUNIT != SILENT_UNIT) {
                    Int answer = NSIMP;
                    Int PAGNO = 0;
                    READI(answer, KBD, PAGNO);
                    // Only an odd count of at least 3 keeps the Simpson weights whole; anything else
                    // (a page-command letter comes as a negative code) keeps the computed count.
                    if (answer >= 3 && answer % 2 == 1) NSIMP = answer;
                }
            }
            const Real DELQ = L / static_cast<Real>(NSIMP - 1);

            // Wave velocity terms at r0: V1 the e^(+(kz + kd')) part, V2 the e^(-(kz + kd')) part.
            Complex V1(0.0f, 0.0f), V2(0.0f, 0.0f);
            if (WVAMP != 0.0f) {
                V1 = WFREQ * bounded_exp(-std::conj(a0)) / SDN;
                V2 = WFREQ * bounded_exp(a0 - 2.0f * kdp) / SDN;
            }
            const Complex DELPH1 = std::exp(-I1C * knp * DELQ);
            const Complex DELPH1C = std::conj(DELPH1);
            Complex v[3] = {vB[0], vB[1], vB[2]};
            for (Int p = 1; p <= NSIMP; ++p) {
                // The wave term that grows along the portion, e^(kz), starts from an exponent held
                // at OVFLO; across a portion of many wave lengths it leaves the float range, and the
                // sums would with it: no number can be made of that wave here.
                if (!std::isfinite(V1.real()) || !std::isfinite(V1.imag()) || !std::isfinite(V2.real()) ||
                    !std::isfinite(V2.imag()))
                    return false;
                const Real w = (p == 1 || p == NSIMP) ? 1.0f : (p % 2 == 0 ? 4.0f : 2.0f);
                const Complex u[3] = {(V1 + V2) * (KX / k), (V1 + V2) * (KY / k), I1C * (V1 - V2)};
                Real sum = 0.0f;
                for (int j = 0; j < 3; ++j) sum += ABS2(WVAMP * u[j] - EXTAMP * v[j]);
                const Real VREL2 = VCUR2 + 0.5f * sum;
                const Real VREL = std::sqrt(VREL2);
                if (NBUG != 0)
                    debug_values(EDUNIT, " DELQ,QLEN,VREL2,WKXOVK,WKYOVK,SMPFQ",
                                 {DELQ, QLEN, VREL2, KX / k, KY / k, w, DELPH1.real(), DELPH1.imag(), V1.real(),
                                  V1.imag(), V2.real(), V2.imag(), ROTINC[0].real(), ROTINC[0].imag(), v[0].real(),
                                  v[0].imag(), u[0].real(), u[0].imag()});
                Complex D[3];
                for (int j = 0; j < 3; ++j) D[j] = (DELQ / 3.0f) * w * VREL * (u[j] - v[j]);
                const Complex axial = VREL * (d1 * (u[0] - v[0]) + d3 * (u[2] - v[2]));
                if (p == 1) CQDBOT = axial;
                if (p == NSIMP && GET_TOP_DRAG) {
                    if (PIERCE == 0) {
                        CQDTOP = axial;
                    } else if (PIERCE == -1) {
                        CQDTOP = axial;
                        CQDBOT = Complex(0.0f, 0.0f);
                    }
                }
                for (int j = 0; j < 3; ++j) CFORCE[j] += D[j];
                CMOMT[0] += -QLEN * d3 * D[1];
                CMOMT[1] += QLEN * (d3 * D[0] - d1 * D[2]);
                CMOMT[2] += QLEN * d1 * D[1];
                QLEN += DELQ;
                for (int j = 0; j < 3; ++j) v[j] += DELQ * ROTINC[j];
                V2 *= DELPH1;
                V1 /= DELPH1C;
            }
        }
    }
    return true;
}

}  // namespace brevant
