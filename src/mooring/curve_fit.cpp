// The stress-strain curve dialogue and its least-squares fit.
#include "mooring/curve_fit.h"

#include <stdexcept>
#include <string>

#include "sysutl/answers.h"
#include "sysutl/fortran_format.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/units.h"
#include "sysutl/value_entry.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

FitcrvState fitcrv{};

constexpr Int kMaxPoints = 20;
constexpr Int kRowsShown = 15;

}  // namespace

FitcrvState& fitcrv_state() { return fitcrv; }
void reset_fitcrv() { fitcrv = FitcrvState{}; }

Real DETRM(FitMatrix& ARRAY, Int NORDER) {
    Real det = 1.0f;
    for (Int k = 1; k <= NORDER; ++k) {
        if (ARRAY(k, k) == 0.0) {
            Int j = k;
            while (j <= NORDER && ARRAY(k, j) == 0.0) ++j;
            if (j > NORDER) return 0.0f;
            for (Int i = k; i <= NORDER; ++i) std::swap(ARRAY(i, j), ARRAY(i, k));
            det = -det;
        }
        det = static_cast<Real>(static_cast<double>(det) * ARRAY(k, k));
        if (k < NORDER) {
            for (Int i = k + 1; i <= NORDER; ++i) {
                for (Int j = k + 1; j <= NORDER; ++j) ARRAY(i, j) -= ARRAY(i, k) * ARRAY(k, j) / ARRAY(k, k);
            }
        }
    }
    return det;
}

void POLFIT(const Real* X, const Real* Y, const Real* SIGMAY, Int NPTS, Int NTERMS, Int MODE, Real* A, Real& CHISQR) {
    if (NTERMS < 1 || NTERMS > MAX_FIT_TERMS) throw std::invalid_argument("POLFIT: NTERMS outside 1..20");
    const Int NMAX = 2 * NTERMS - 1;
    FArray<double, 2 * MAX_FIT_TERMS - 1> SUMX{};
    FArray<double, MAX_FIT_TERMS> SUMY{};
    double CHISQ = 0.0;
    for (Int i = 1; i <= NPTS; ++i) {
        const Real XI = X[i - 1];
        const Real YI = Y[i - 1];
        Real WEIGHT = 1.0f;
        if (MODE < 0) {
            if (YI > 0.0f) {
                WEIGHT = 1.0f / YI;
            } else if (YI < 0.0f) {
                WEIGHT = 1.0f / -YI;
            }
        } else if (MODE > 0) {
            WEIGHT = 1.0f / (SIGMAY[i - 1] * SIGMAY[i - 1]);
        }
        double XTERM = static_cast<double>(WEIGHT);
        for (Int n = 1; n <= NMAX; ++n) {
            SUMX(n) += XTERM;
            XTERM *= static_cast<double>(XI);
        }
        double YTERM = static_cast<double>(WEIGHT) * static_cast<double>(YI);
        for (Int j = 1; j <= NTERMS; ++j) {
            SUMY(j) += YTERM;
            YTERM *= static_cast<double>(XI);
        }
        CHISQ += static_cast<double>(WEIGHT) * static_cast<double>(YI) * static_cast<double>(YI);
    }

    FitMatrix ARRAY{};
    auto build = [&] {
        for (Int j = 1; j <= NTERMS; ++j) {
            for (Int k = 1; k <= NTERMS; ++k) ARRAY(j, k) = SUMX(j + k - 1);
        }
    };
    build();
    const Real DELTA = DETRM(ARRAY, NTERMS);
    if (DELTA == 0.0f) {
        CHISQR = 0.0f;
        for (Int j = 1; j <= NTERMS; ++j) A[j - 1] = 0.0f;
        return;
    }
    for (Int l = 1; l <= NTERMS; ++l) {
        build();
        for (Int j = 1; j <= NTERMS; ++j) ARRAY(j, l) = SUMY(j);
        A[l - 1] = DETRM(ARRAY, NTERMS) / DELTA;
    }
    for (Int j = 1; j <= NTERMS; ++j) {
        CHISQ -= 2.0 * static_cast<double>(A[j - 1]) * SUMY(j);
        for (Int k = 1; k <= NTERMS; ++k) {
            CHISQ += static_cast<double>(A[j - 1]) * static_cast<double>(A[k - 1]) * SUMX(j + k - 1);
        }
    }
    const Real FREE = static_cast<Real>(NPTS - NTERMS);
    if (FREE != 0.0f) CHISQR = static_cast<Real>(CHISQ / static_cast<double>(FREE));
}

void ARAYIN(Int NWP, Int /*NUMPRD*/, Int EDUNIT, Int KBD, Real* USRPSD, Int& ITEMP, std::string_view THENAM) {
    static constexpr std::string_view kValuePrompt = "Enter new value for # ";
    for (;;) {
        CLEAR(EDUNIT);
        write_record(EDUNIT, " -->> Array input for " + std::string(THENAM));
        write_record(EDUNIT, "");
        for (Int i = 1; i <= std::min(NWP, kRowsShown); ++i) {
            std::string row = " " + fmt_I(i, 2) + ")" + fmt_F(USRPSD[i - 1], 13, 4);
            if (i + kRowsShown <= NWP) {
                row += "  " + fmt_I(i + kRowsShown, 2) + ")" + fmt_F(USRPSD[i + kRowsShown - 1], 13, 4);
            }
            write_record(EDUNIT, row);
        }
        Int IPAG = 0;
        ITEMP = 0;
        ENTSEL(ITEMP, EDUNIT, KBD, IPAG);
        if (ITEMP == NAV_HELP) {
            NOHELP(EDUNIT, KBD, IPAG);
            continue;
        }
        if (ITEMP == 0) return;
        if (ITEMP < 0) continue;
        MAXCHK(ITEMP, NWP);
        while (ITEMP >= 1 && ITEMP <= NWP) {
            WRTLNI(kValuePrompt, static_cast<Int>(kValuePrompt.size()), ITEMP, EDUNIT);
            Real value = USRPSD[ITEMP - 1];
            Logical CR = 0;
            CRREAD(value, CR, KBD);
            if (CR != 0) break;
            USRPSD[ITEMP - 1] = value;
            ++ITEMP;
        }
    }
}

void FITCRV(Real* A, Int EDUNIT, Int KBD) {
    FitcrvState& s = fitcrv;
    s.NTERMS = 3;
    std::string ENTNUM = "Enter number of data points (max ??, min 4; -1 to abort): ";
    ENTNUM.replace(ENTNUM.find("??"), 2, fmt_I(kMaxPoints, 2));

    enum class Step { Count, Tensions, Elongations, Check };
    Step step = Step::Count;
    for (;;) {
        switch (step) {
            case Step::Count: {
                write_record(EDUNIT, "");
                WRTLIN(ENTNUM, static_cast<Int>(ENTNUM.size()), EDUNIT);
                Int IPAG = 0;
                READI(s.NPTS, KBD, IPAG);
                if (s.NPTS < 1) return;
                MAXCHK(s.NPTS, kMaxPoints);
                if (s.NPTS >= 4) step = Step::Tensions;
                break;
            }
            case Step::Tensions: {
                Int ITEMP = 0;
                ARAYIN(s.NPTS, 0, EDUNIT, KBD, s.X.data(), ITEMP, "NONZERO Tension values (a point at [0,0] is ASSUMED)");
                step = ITEMP < 0 ? Step::Count : Step::Elongations;
                break;
            }
            case Step::Elongations: {
                Int ITEMP = 0;
                ARAYIN(s.NPTS, 0, EDUNIT, KBD, s.Y.data(), ITEMP,
                       "NONZERO Elongation values (a point at [0,0] is ASSUMED)");
                step = ITEMP < 0 ? Step::Tensions : Step::Check;
                break;
            }
            case Step::Check: {
                bool zero = false;
                for (Int i = 1; i <= s.NPTS; ++i) {
                    if (s.Y(i) == 0.0f || s.X(i) == 0.0f) {
                        write_record(EDUNIT, "");
                        write_record(EDUNIT, " A tension or elongation of zero is not allowed;");
                        write_record(EDUNIT, " a point at (0,0) is ASSUMED! - reenter arrays");
                        zero = true;
                        break;
                    }
                    s.YP(i) = s.Y(i) / s.X(i);
                }
                if (zero) {
                    step = Step::Count;
                    break;
                }
                for (;;) {
                    write_record(EDUNIT, "");
                    write_record(EDUNIT, std::string(" Curve fit will be ") +
                                             (s.MODE == 0 ? "unweighted" : "weighted by 1/elongation") +
                                             "; to CHANGE weighting method,");
                    static constexpr std::string_view kPrompt = "enter \"C\"; otherwise press <Return> to continue:";
                    WRTLIN(kPrompt, static_cast<Int>(kPrompt.size()), EDUNIT);
                    if (EDUNIT == SILENT_UNIT) break;
                    READC(s.ANSWER, KBD);
                    if (s.ANSWER != 'C' && s.ANSWER != 'c') break;
                    s.MODE = s.MODE == 0 ? -1 : 0;
                }
                POLFIT(s.X.data(), s.YP.data(), s.SIGMAY.data(), s.NPTS, s.NTERMS, s.MODE, A, s.CHISQR);
                return;
            }
        }
    }
}

}  // namespace brevant
