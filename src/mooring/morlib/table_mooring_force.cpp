// Mooring loads at a displaced vessel position from the statics tables.
#include "mooring/morlib/table_mooring_force.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "mooring/catlib/line_spans.h"
#include "mooring/catlib/vertical_lines.h"
#include "mooring/morlib/cubic_splines.h"
#include "numeric/algebra.h"
#include "numeric/layered_tables.h"
#include "numeric/table_search.h"
#include "records/mooring_line_records.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr Real kDegPerRad = 57.295776f;

using Vec3 = FArray<Real, 3>;

// A v and A^T v for a matrix packed by columns.
Vec3 mul(const Mat3& A, const Vec3& v) {
    Vec3 r{};
    GMPRD(A.data(), v.data(), r.data(), 3, 3, 1);
    return r;
}
Vec3 tmul(const Mat3& A, const Vec3& v) {
    Vec3 r{};
    GTPRD(A.data(), v.data(), r.data(), 3, 3, 1);
    return r;
}
Vec3 vec(Real x, Real y, Real z) {
    Vec3 r{};
    r(1) = x;
    r(2) = y;
    r(3) = z;
    return r;
}
Vec3 cross(const Vec3& a, const Vec3& b) {
    Vec3 r{};
    XPROD(a.data(), b.data(), r.data());
    return r;
}
void set_rows(Mat3& M, Real a11, Real a12, Real a13, Real a21, Real a22, Real a23, Real a31, Real a32, Real a33) {
    M(1, 1) = a11, M(1, 2) = a12, M(1, 3) = a13;
    M(2, 1) = a21, M(2, 2) = a22, M(2, 3) = a23;
    M(3, 1) = a31, M(3, 2) = a32, M(3, 3) = a33;
}
// An arcsine of a rotated unit-vector component, which rounding may carry a hair past 1.
Real safe_asin(Real x) { return std::asin(std::clamp(x, -1.0f, 1.0f)); }

// The abort question after a warning; "A" ends the run.
void ask_to_go_on(Int IOSCRN, Int KBD) {
    Int LBACK = 0;
    ABORT0(IOSCRN, KBD, LBACK);
    if (LBACK == -1) stop_program(1);
}

// The warning for fairlead ILINE carried outside the vertical span of the tables.
void span_warning(Int IOSCRN, Int ILINE, Real ROTVAL_DEG, Real ZVES, const Vec3& ROTDIR, Real ROTMOD) {
    const std::string axis = "     (" + fmt_F(ROTDIR(1) * ROTMOD, 4, 1) + "," + fmt_F(ROTDIR(2) * ROTMOD, 4, 1) +
                             "," + fmt_F(ROTDIR(3) * ROTMOD, 4, 1) + ")" + " has carried fairlead number " +
                             fmt_I(ILINE, 2) + " outside ";
    const std::string rotation = fmt_F(ROTVAL_DEG, 5, 1);
    const std::string translation = fmt_F(ZVES, 8, 2);
    auto closing = [IOSCRN] {
        write_record(IOSCRN, "     the bounds of the specified vertical interpolation span.");
        write_record(IOSCRN, "     This may lead to interpolation errors. Consider increasing");
        write_record(IOSCRN, "     the vertical interpolation span.");
    };
    write_record(IOSCRN, "");
    if (ROTVAL_DEG != 0.0f && ZVES == 0.0f) {
        write_record(IOSCRN, " ++> Warning: A rotation of amount " + rotation + " degrees about direction");
        write_record(IOSCRN, axis);
        closing();
    } else if (ROTVAL_DEG == 0.0f && ZVES != 0.0f) {
        write_record(IOSCRN, " ++> Warning: A vertical translation of amount " + translation + " has carried");
        write_record(IOSCRN, "     fairlead number " + fmt_I(ILINE, 2) + " outside the bounds of the" +
                                 " specified vertical");
        write_record(IOSCRN, "     interpolation span. This may lead to interpolation errors.");
        write_record(IOSCRN, "     Consider increasing the vertical interpolation span.");
    } else {
        write_record(IOSCRN, " ++> Warning: A vertical translation of amount " + translation);
        write_record(IOSCRN, "     plus a rotation of amount " + rotation + " degrees about direction");
        write_record(IOSCRN, axis);
        closing();
    }
    write_record(IOSCRN, "");
}

}  // namespace

void LOADUP(Real RANCHR, Real DZFLDG, Real ZFLDV, Real DRAFT, Int ITYP, Int NLAYER, Real DLAYER, Int MIDLYR,
            Real ZSPAN, Int NTAB, const FArray<Real, 90>& HLOAD, const PerLine& ANCHGT, const PerLine& TOTWT,
            const LineTable& ANCDST, const LineTable& TOPTEN, const LineTable& BOTLEN, const LineTable& TOPANG,
            const LineTable& BOTANG, Real& DELZ, Int& MIN, Real& DELLAY, const LineTable& TT_SPLINE_DERIV,
            const FArray<Real, 29>& ZDIST_ARR, Real& RFORCE, Real& TTTMP, Real& FGZTMP, Real& TOPANQ, Real& BTANGQ,
            Real& BTLENQ, Int& ILAYER, Int IOSCRN, Int KBD) {
    Int OUTWRN = 0;
    SETLYR(NLAYER, MIDLYR, DLAYER, ZSPAN, DZFLDG, ILAYER, DELLAY, OUTWRN);
    const Real* X = &ANCDST(1, ILAYER, ITYP);
    Int IER = 0;
    BSRCHQ(X, DELLAY, RANCHR, IER, MIN, NTAB);
    INTRPR(X, HLOAD.data(), RANCHR, RFORCE, MIN, DELLAY);

    DELZ = ZFLDV - DRAFT + ANCHGT(ITYP) + DZFLDG;

    if (RFORCE < 0.001f) {
        RFORCE = 0.0f;
        Int VRTFLG = 0;
        Real BTLTMQ = 0.0f;
        VRTLIN(DELZ, ITYP, VRTFLG, TOTWT(ITYP), BTLTMQ, TOPANQ, TTTMP, BTLENQ, BTANGQ);
        FGZTMP = TOPANQ >= 0.0f ? -std::fabs(TTTMP) : std::fabs(TTTMP);
        if (std::fabs(BTLTMQ - BTLENQ) > 1e-5f) {
            write_record(IOSCRN, " Bottom length mismatch in LOADUP:VRTLIN");
            ask_to_go_on(IOSCRN, KBD);
        }
        return;
    }

    if (NLAYER <= 1) {
        INTRPQ(X, &TOPTEN(1, ILAYER, ITYP), RANCHR, TTTMP, MIN, DELLAY);
    } else {
        splin2(HLOAD.data(), ZDIST_ARR.data(), &TOPTEN(1, 1, ITYP), &TT_SPLINE_DERIV(1, 1, ITYP), NTAB, NLAYER,
               RFORCE, static_cast<Real>(ILAYER) + DELLAY, TTTMP);
    }

    INTRPQ(X, &TOPANG(1, ILAYER, ITYP), RANCHR, TOPANQ, MIN, DELLAY);
    FGZTMP = -RFORCE * std::tan(TOPANQ);

    const Real* BL = &BOTLEN(1, ILAYER, ITYP);
    const Real* BA = &BOTANG(1, ILAYER, ITYP);
    const Real b1 = MIDLAY(&BL[MIN], DELLAY);
    const Real b0 = MIDLAY(&BL[MIN - 1], DELLAY);
    if (b1 > 0.0f || b0 <= 0.0f) {
        INTRPQ(X, BL, RANCHR, BTLENQ, MIN, DELLAY);
        INTRPQ(X, BA, RANCHR, BTANGQ, MIN, DELLAY);
    } else {
        // The line lifts off the floor inside this interval: each value comes from the neighbouring
        // interval on its own side of the lift-off point.
        INTRPQ(X, BL, RANCHR, BTLENQ, MIN == 1 ? 1 : MIN - 1, DELLAY);
        BTLENQ = std::max(BTLENQ, 0.0f);
        INTRPQ(X, BA, RANCHR, BTANGQ, MIN + 1 < NTAB ? MIN + 1 : MIN, DELLAY);
        BTANGQ = std::max(BTANGQ, 0.0f);
    }
}

void FMOOR2(Real& PITANG, Real& ROLANG, Real& YAWANG, Real& FGXMOR, Real& FGYMOR, Real& FGZMOR, Real& TGXMOR,
            Real& TGYMOR, Real& TGZMOR, Real& FVXMOR, Real& FVYMOR, Real& FVZMOR, Real& TVXMOR, Real& TVYMOR,
            Real& TVZMOR, Real& ERGMOR, const FArray<Real, 3>& RVES, Real VESANG, Real VESAN0,
            const FArray<Real, 90>& HLOAD, const PerLine& ANGDEP, PerLine& ANGDPP, Real ZVES,
            const FArray<Real, 3>& ROTDIR_IN, Real ROTVAL_DEG, Real ROTMOD, Int MIDLYR, Real DLAYER, Int NLAYER,
            Real ZSPAN, Int DRVFLG, const Mat3& EPSROT, const Mat3& TRIMHL, Logical TRIMFL, const FArray<Real, 6>& EPS,
            Mat3& ASMCOR, const LineTable& ANCDST, const LineTable& TOPTEN, const LineTable& BOTLEN,
            const LineTable& TOPANG, const LineTable& BOTANG, Int& IOFLAG, Int& SPNERR,
            const LineTable& TT_SPLINE_DERIV, const FArray<Real, 29>& ZDIST_ARR, PerLine& TOPTH, PerLine& TOPTZ,
            PerLine& TOPTT, PerLine& TOPAN, PerLine& BOTLIN, PerLine& BOTAN, PerLine& /*BOTTZ*/, PerLine& /*BOTTH*/,
            PerLine& LINERG, const PerLine& RANC, PerLine& RANCP, PerLine& ZANCP, const FArray<Real, 3, 150>& RFLD,
            const FArray<Int, 150>& LINEID, Int MINLN, Int MAXLN, Int NTAB, Real XMCTR, Real YMCTR, Real ZMCTR,
            const PerLine& TOTWT, const PerLine& ANCHGT, Mat3& ROTVO, Mat3& ZROTL, Real ROTCTX, Real ROTCTY,
            Real ROTCTZ, Int /*NBUG0*/, Int IOSCRN, Int KBD, Int IEQSET, Real /*XCENTR*/, Logical /*LSPM*/,
            Real DRAFT, Int TENDON_FLG) {
    // Set-up: the turned rotation axis, the span of the tables, the rotation matrices.
    const Real c0 = std::cos(VESAN0);
    const Real s0 = std::sin(VESAN0);
    const Vec3 ROTDIR = vec(ROTDIR_IN(1) * c0 + ROTDIR_IN(2) * s0, ROTDIR_IN(2) * c0 - ROTDIR_IN(1) * s0, ROTDIR_IN(3));
    const Real THETA = std::acos(std::clamp(ROTDIR(3), -1.0f, 1.0f));
    const Real PHI = (ROTDIR(1) == 0.0f && ROTDIR(2) == 0.0f) ? 0.0f : std::atan2(ROTDIR(2), ROTDIR(1));
    const Real ROTVLP = ROTVAL_DEG / kDegPerRad;
    const Real ZBOT = static_cast<Real>(1 - MIDLYR) * DLAYER;
    const Real ZTOP = ZBOT + ZSPAN;
    if (DRVFLG == 3) ASMCOR.fill(0.0f);

    const Real ct = std::cos(THETA), st = std::sin(THETA), cp = std::cos(PHI), sp = std::sin(PHI);
    const Real cr = std::cos(ROTVLP), sr = std::sin(ROTVLP);
    set_rows(ZROTL, cr, -sr, 0.0f, sr, cr, 0.0f, 0.0f, 0.0f, 1.0f);
    set_rows(ROTVO, ct * cp, ct * sp, -st, -sp, cp, 0.0f, st * cp, st * sp, ct);
    Mat3 ROTGD{}, ROTGM{};
    set_rows(ROTGD, c0, s0, 0.0f, -s0, c0, 0.0f, 0.0f, 0.0f, 1.0f);
    const Real cm = std::cos(VESANG), sm = std::sin(VESANG);
    set_rows(ROTGM, cm, sm, 0.0f, -sm, cm, 0.0f, 0.0f, 0.0f, 1.0f);
    // The vessel's rotation R v = ROTVO^T (ZROTL (ROTVO v)) and its transpose.
    auto rotate = [&](const Vec3& v) { return tmul(ROTVO, mul(ZROTL, mul(ROTVO, v))); };
    auto unrotate = [&](const Vec3& v) { return tmul(ROTVO, tmul(ZROTL, mul(ROTVO, v))); };

    FGXMOR = FGYMOR = FGZMOR = 0.0f;
    TGXMOR = TGYMOR = TGZMOR = 0.0f;
    FVXMOR = FVYMOR = FVZMOR = 0.0f;
    TVXMOR = TVYMOR = TVZMOR = 0.0f;
    ERGMOR = 0.0f;

    const Vec3 ex = rotate(vec(1.0f, 0.0f, 0.0f));
    const Vec3 ey = rotate(vec(0.0f, 1.0f, 0.0f));
    PITANG = -safe_asin(ex(3));
    ROLANG = safe_asin(ey(3));
    YAWANG = safe_asin(ex(2));

    const Vec3 e = vec(EPS(1), EPS(2), EPS(3));
    for (Int ILINE = std::max<Int>(MINLN, 1); ILINE <= std::min<Int>(MAXLN, 150); ++ILINE) {
        const LineTypeWord word = line_type_of(LINEID(ILINE));
        if (word.excluded) {
            TOPTH(ILINE) = TOPTT(ILINE) = TOPTZ(ILINE) = 0.0f;
            TOPAN(ILINE) = BOTAN(ILINE) = BOTLIN(ILINE) = LINERG(ILINE) = 0.0f;
            if (IEQSET == 2) {
                RANCP(ILINE) = RANC(ILINE);
                ZANCP(ILINE) = 0.0f;
                ANGDPP(ILINE) = ANGDEP(ILINE);
            }
            continue;
        }
        const Int ITYP = word.ITYP;
        const Real DEPRAD = ANGDEP(ILINE) / kDegPerRad;
        const Vec3 RFLDV = vec(RFLD(1, ILINE), RFLD(2, ILINE), RFLD(3, ILINE));
        const Vec3 r0 = vec(RFLDV(1) - ROTCTX, RFLDV(2) - ROTCTY, RFLDV(3) - ROTCTZ);

        // The fairlead, perturbed, carried by the vessel's rotation and heading.
        Vec3 p = r0;
        if (DRVFLG == 1) {
            if (TRIMFL) {
                Vec3 t = tmul(TRIMHL, r0);
                for (Int k = 1; k <= 3; ++k) t(k) += e(k);
                p = mul(TRIMHL, mul(EPSROT, t));
            } else {
                p = mul(EPSROT, r0);
                for (Int k = 1; k <= 3; ++k) p(k) += e(k);
            }
        }
        Vec3 g = tmul(ROTGM, rotate(p));
        if (DRVFLG == 2) g = mul(EPSROT, g);
        const Vec3 home = tmul(ROTGD, r0);
        Vec3 d = vec(g(1) - home(1) + RVES(1), g(2) - home(2) + RVES(2), g(3) - home(3) + ZVES);
        if (DRVFLG == 2) {
            for (Int k = 1; k <= 3; ++k) d(k) += e(k);
        }

        if (d(3) > ZTOP || d(3) < ZBOT) {
            SPNERR = ILINE;
            if (IOFLAG != 99) {
                IOFLAG = 99;
                if (TENDON_FLG == 0 || d(3) < ZBOT) {
                    span_warning(IOSCRN, ILINE, ROTVAL_DEG, ZVES, ROTDIR, ROTMOD);
                    ask_to_go_on(IOSCRN, KBD);
                }
            }
        }

        // The new horizontal distance (law of cosines) and direction from fairlead to anchor.
        const Real R = RANC(ILINE);
        const Real DFLM2 = d(1) * d(1) + d(2) * d(2);
        const Real a = (d(1) == 0.0f && d(2) == 0.0f) ? -DEPRAD : std::atan2(d(2), d(1)) - DEPRAD;
        const Real radicand = R * R + DFLM2 - 2.0f * std::sqrt(DFLM2) * R * std::cos(a);
        const Real TMPDST = radicand > 0.0f ? std::sqrt(radicand) : 0.0f;
        const Real TMPANG = std::atan2(R * std::sin(DEPRAD) - d(2), R * std::cos(DEPRAD) - d(1));

        Real DZTOT = 0.0f, DELLAY = 0.0f, RFORCE = 0.0f, FTMPQ = 0.0f, FGZTMP = 0.0f;
        Real TPATMP = 0.0f, BTATMP = 0.0f, BTLTMP = 0.0f;
        Int MIN = 1, ILAYER = 1;
        LOADUP(TMPDST, d(3), RFLD(3, ILINE), DRAFT, ITYP, NLAYER, DLAYER, MIDLYR, ZSPAN, NTAB, HLOAD, ANCHGT, TOTWT,
               ANCDST, TOPTEN, BOTLEN, TOPANG, BOTANG, DZTOT, MIN, DELLAY, TT_SPLINE_DERIV, ZDIST_ARR, RFORCE, FTMPQ,
               FGZTMP, TPATMP, BTATMP, BTLTMP, ILAYER, IOSCRN, KBD);
        TOPTH(ILINE) = RFORCE;
        TOPTT(ILINE) = FTMPQ;
        TOPTZ(ILINE) = FGZTMP;
        TOPAN(ILINE) = TPATMP;
        BOTAN(ILINE) = BTATMP;
        BOTLIN(ILINE) = BTLTMP;

        // Potential energy: the trapezoidal rule from table point 1 of layer 1 out along layer 1 to the
        // distance, then up the layers to the fairlead's height.
        Int IER = 0, MINQ = 1;
        Real a1 = 0.0f, RFORCQ = 0.0f;
        auto look_up = [&](Int layer) {
            const Real* X = &ANCDST(1, layer, ITYP);
            BSRCH(X, TMPDST, IER, MINQ, NTAB);
            INTERP(X, &TOPANG(1, layer, ITYP), TMPDST, a1, MINQ);
            INTERP(X, HLOAD.data(), TMPDST, RFORCQ, MINQ);
        };
        look_up(1);
        Real FGZLO = -std::tan(a1) * RFORCQ;
        Real POTEN = 0.0f;
        for (Int i = 1; i <= MINQ - 1; ++i) {
            POTEN += 0.5f * (ANCDST(i + 1, 1, ITYP) - ANCDST(i, 1, ITYP)) * (HLOAD(i + 1) + HLOAD(i));
        }
        POTEN += 0.5f * (TMPDST - ANCDST(MINQ, 1, ITYP)) * (RFORCQ + HLOAD(MINQ));
        if (NLAYER > 1) {
            for (Int ILYR = 2; ILYR <= ILAYER; ++ILYR) {
                look_up(ILYR);
                const Real FGZHI = -std::tan(a1) * RFORCQ;
                POTEN -= 0.5f * DLAYER * (FGZHI + FGZLO);
                FGZLO = FGZHI;
            }
            POTEN -= 0.5f * DELLAY * DLAYER * (FGZTMP + FGZLO);
        }
        LINERG(ILINE) = POTEN;
        ERGMOR += POTEN;

        // Force and moment of the line on the vessel.
        Vec3 f = vec(RFORCE * std::cos(TMPANG), RFORCE * std::sin(TMPANG), FGZTMP);
        FGXMOR += f(1);
        FGYMOR += f(2);
        FGZMOR += f(3);
        if (DRVFLG == 2) f = tmul(EPSROT, f);

        Vec3 v = unrotate(mul(ROTGM, f));
        if (DRVFLG == 1) v = TRIMFL ? mul(TRIMHL, tmul(EPSROT, tmul(TRIMHL, v))) : tmul(EPSROT, v);
        FVXMOR += v(1);
        FVYMOR += v(2);
        FVZMOR += v(3);
        const Vec3 t = cross(vec(RFLDV(1) - XMCTR, RFLDV(2) - YMCTR, RFLDV(3) - ZMCTR), v);
        TVXMOR += t(1);
        TVYMOR += t(2);
        TVZMOR += t(3);

        Vec3 q = tmul(ROTGM, rotate(t));
        if (DRVFLG == 2) {
            q = mul(EPSROT, q);
            const Vec3 ef = cross(e, f);
            for (Int k = 1; k <= 3; ++k) q(k) += ef(k);
        }
        TGXMOR += q(1);
        TGYMOR += q(2);
        TGZMOR += q(3);
        if (DRVFLG == 3) {
            const Real s = DOTP(v.data(), r0.data());
            for (Int i = 1; i <= 3; ++i) {
                ASMCOR(i, i) -= s;
                for (Int j = 1; j <= 3; ++j) ASMCOR(i, j) += v(i) * r0(j);
            }
        }

        if (IEQSET == 2) {
            RANCP(ILINE) = TMPDST;
            ZANCP(ILINE) = d(3);
            ANGDPP(ILINE) = TMPANG * kDegPerRad;
        }
    }
}

void VARUPD(const FArray<Real, 6>& XVEC, FArray<Real, 3>& RVES, Real& ZCGVAR, Real& VESANG, Real VESAN0,
            FArray<Real, 3>& ROTDIR, Real& ROTVAL_DEG, Real& ROTMOD) {
    RVES(1) = XVEC(1);
    RVES(2) = XVEC(2);
    ZCGVAR = XVEC(3);
    VESANG = VESAN0;
    const Real r = VMOD(&XVEC(4));
    if (r != 0.0f) {
        for (Int k = 1; k <= 3; ++k) {
            const Real u = XVEC(3 + k) / r;
            ROTDIR(k) = std::fabs(u) > 1.0f ? std::copysign(1.0f, u) : u;
        }
    } else {
        ROTDIR(1) = 1.0f;
        ROTDIR(2) = 0.0f;
        ROTDIR(3) = 0.0f;
    }
    ROTVAL_DEG = r * kDegPerRad;
    ROTMOD = 1.0f;
}

}  // namespace brevant
