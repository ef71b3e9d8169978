// Pre-run consistency warnings: vessel, environment, wave and member checks of the data image.
#include "edlib/consistency_warnings.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "edlib/members/member_checks.h"
#include "edlib/members/member_table.h"
#include "numeric/wave_number.h"
#include "edlib/run_choice_checks.h"
#include "edlib/run_file_checks.h"
#include "edlib/run_input_checks.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/page_drawing.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr Int PAGER_LIMIT = 7;

enum class Kind { Warning, Fatal };

// One finding: an empty line, the message lines, and one more in the count of its kind.
struct Reporter {
    Int& WARNEM;
    Int& FWARN;
    Int EDUNIT;

    void operator()(Kind kind, std::initializer_list<std::string_view> lines) {
        write_record(EDUNIT, "");
        for (std::string_view line : lines) write_record(EDUNIT, line);
        count(kind);
    }
    void operator()(Kind kind, const std::vector<std::string>& lines) {
        write_record(EDUNIT, "");
        for (const std::string& line : lines) write_record(EDUNIT, line);
        count(kind);
    }
    void count(Kind kind) {
        Int& n = kind == Kind::Fatal ? FWARN : WARNEM;
        WRNINC(n, WARNEM, FWARN, EDUNIT, KBD_UNIT, PAGER_LIMIT);
    }
};

// The tests are written so that a value that is not a number fails them as well.
bool not_positive(Real v) { return !(v > 0.0f); }
bool negative(Real v) { return !(v >= 0.0f); }
bool any_not_positive(std::initializer_list<Real> values) {
    return std::any_of(values.begin(), values.end(), not_positive);
}
bool any_negative(std::initializer_list<Real> values) {
    return std::any_of(values.begin(), values.end(), negative);
}
bool any_zero(std::initializer_list<Real> values) {
    return std::any_of(values.begin(), values.end(), [](Real v) { return v == 0.0f; });
}

constexpr std::string_view kFwdSpeed = " ++> Warning: Nonzero forward speed with User-specified vessel RAOs.";
constexpr std::string_view kGmZero = " ++> Warning: A vessel GM is zero.";
constexpr std::string_view kGyradii = " ++> Fatal Warning: A vessel gyradii is nonpositive.";
constexpr std::string_view kShadow = " ++> Warning: Nonpositive semisubmersible geometry & shadowing factors detected.";
constexpr std::string_view kWindArea = " ++> Warning: A wind area or coefficient is nonpositive.";
constexpr std::string_view kCurrentArea = " ++> Warning: A current area or coefficient is nonpositive.";
constexpr std::string_view kGmNegative = " ++> Warning: A vessel GM is negative.";
constexpr std::string_view kSizes1 = " ++> Warning: A vessel beam, length, draft,";
constexpr std::string_view kSizes2 = "     or displacement is nonpositive.";
constexpr std::string_view kWaterplane = " ++> Fatal Warning: A vessel water plane area is nonpositive.";
constexpr std::string_view kDraftDepth = " ++> Fatal Warning: A vessel draft exceeds water depth.";
constexpr std::string_view kDriftFactor = " ++> Fatal Warning: A wave drift factor is nonpositive.";
constexpr std::string_view kAsym1 = " ++> Fatal Warning: Azimuthal ASSYMMETRY detected in vessel of";
constexpr std::string_view kAsym2 = "     \"Azimuthally Symmetric\" type.";

// The number of entries of a table that a count asks for, kept within the table.
Int within(Int count, Int size) { return std::clamp<Int>(count, 0, size); }

// Each of the three model fields of a drift word holds a value allowed for the vessel type; types
// without a rule pass.
bool drift_type_mismatch(Int word, Int vestyp, Logical semi_like, Int EDUNIT) {
    static constexpr Int ship[] = {1, 2, 6};
    static constexpr Int semi[] = {1, 3, 5, 7};
    static constexpr Int disc[] = {1, 4};
    std::span<const Int> allowed;
    if (vestyp == 1) {
        allowed = ship;
    } else if (semi_like != 0) {
        allowed = semi;
    } else if (vestyp == 4) {
        allowed = disc;
    } else {
        return false;
    }
    for (Int k = 1; k <= 3; ++k) {
        if (std::find(allowed.begin(), allowed.end(), NIBVAL(word, k, EDUNIT)) == allowed.end()) return true;
    }
    return false;
}

}  // namespace

std::vector<std::string> wave_specification_finding(const Tpcm& t, bool SECOND_SWELL) {
    const Int NSEAS = within(t.NPARM, 6);
    bool bad = false;
    if (t.LRANDM != 0 && t.NPARM >= 1) {
        for (Int i = 1; i <= NSEAS; ++i)
            if (not_positive(t.SWHT(i))) bad = true;
        // Pierson-Moskowitz takes its peak period from the height; the file and the table give theirs.
        if (t.WAVTYP != 1 && t.WAVTYP != 7 && t.WAVTYP != 8) {
            for (Int i = 1; i <= NSEAS; ++i)
                if (not_positive(t.SIGPD(i))) bad = true;
        }
    }
    if (t.LSWELL != 0 && (not_positive(t.SWELHT) || not_positive(t.SWELPD))) bad = true;
    if (SECOND_SWELL && t.LSWEL2 != 0 && (not_positive(t.SWELHT2) || not_positive(t.SWELPD2))) bad = true;
    if (!bad) return {};
    return {" ++> Fatal Warning: Irregular wave specification problem. Check for:",
            "                  - A nonpositive significant wave height.",
            "                  - A nonpositive peak period."};
}

std::vector<std::string> wave_period_table_finding(const Tpcm& t) {
    const Real EPS = 0.001f;
    const Int NWP = within(t.NWP, t.T.size());
    bool problem = false;
    if (NWP >= 2) {
        const Real DELTA1 = std::fabs(t.T(2) - t.T(1));
        for (Int i = 2; i <= NWP; ++i) {
            if (std::fabs(std::fabs(t.T(i) - t.T(i - 1)) - DELTA1) > EPS) {
                problem = true;
                break;
            }
            if (not_positive(t.T(i))) problem = true;
        }
    }
    if (t.NWP > NWP) {
        // The table holds 100 periods: the count of a damaged file is refused, with its value.
        return {" ++> Fatal Warning: Wave period array problem. Check for:",
                Record().put("                  - A count of").I(t.NWP, 11).put(" periods; at most").I(NWP, 4).put(".").str(),
                "",
                "     Go back to the RAO period table and correct the number of periods."};
    }
    if (t.NWP <= 1 || ((t.LRANDM != 0 || t.LSWELL != 0) && problem))
        return {" ++> Fatal Warning: Wave period array problem. Check for:",
                "                  - Unequal RAO period intervals.",
                "                  - A nonpositive wave period.",
                "                  - A period array of only one value.", "",
                "     Either deselect random wave option, or go back to the",
                "     RAO period table and correct the problem."};
    return {};
}

std::vector<std::string> draft_depth_finding(const Tpcm& t) {
    const Int CREATR = t.CREATR();
    const bool two_vessel = CREATR == 10 || CREATR == 13;
    if (t.TDRAFT() < t.DEPTH && (!two_vessel || t.BDRAFT < t.DEPTH)) return {};
    return {std::string(kDraftDepth)};
}

void tidy_case_for_checks(Tpcm& t) {
    if (t.LSWELL == 0) t.LSWEL2 = 0;
    if (t.TVFWD() == 0.0f) t.VGLDIR = 0.0f;
    if (t.BVFWD == 0.0f) t.BVGLDR = 0.0f;
    if (t.AUXFRC == 0) {
        t.AXFC2 = 0;
        t.AXFC3 = 0;
    } else if (t.AXFC2 == 0) {
        t.AXFC3 = 0;
    }
    t.SEMI_LIKE = semi_like_type(t.VESTYP) ? 1 : 0;
    t.IVERS_SUFX = 0;
}

void VESWRN(Int& WARNEM, Int& FWARN) {
    Tpcm& t = TPCM;
    const Int EDUNIT = t.EDUNIT;
    Reporter report{WARNEM, FWARN, EDUNIT};

    if (t.LCOPY == 0) CLEAR(EDUNIT);
    tidy_case_for_checks(t);
    const bool waves_present = t.LRANDM == 1 || t.LSWELL == 1;

    const Int CREATR = t.CREATR();
    const bool two_vessel = CREATR == 10 || CREATR == 13;
    const bool other_type = CREATR == 11 || CREATR == 12 || (CREATR >= 14 && CREATR <= 17);
    const bool semi = t.SEMI_LIKE != 0;
    const bool b_semi = t.B_SEMI_LIKE != 0;

    const Real GMT = t.TVKMT() - t.VKG;
    const Real GML = t.TVKML() - t.VKG;
    const Real BGMT = t.BVKMT - t.BVKG;
    const Real BGML = t.BVKML - t.BVKG;

    // Every member slot is checked; CHKPAK returns at once beyond NCYL. The crossing flag starts
    // set for two vessels, where the waterline warning does not apply.
    auto member_loop = [&](Int crossing_start) {
        Int PRCFLG = crossing_start;
        for (Int ICYL = 1; ICYL <= kMemberCapacity; ++ICYL) {
            Int WRNTMP = 0;
            Int FWTMP = 0;
            Int TMPFLG = 0;
            CHKPAK(ICYL, WRNTMP, FWTMP, TMPFLG, PRCFLG);
            if (FWTMP != 0) report.count(Kind::Fatal);
            if (WRNTMP != 0) report.count(Kind::Warning);
        }
        return PRCFLG;
    };

    // Checks 1 to 10: speed with user RAOs, GM, gyradii, members.
    if (two_vessel) {
        if ((t.TVFWD() != 0.0f && t.AUXVSH != 0) || (t.BVFWD != 0.0f && t.BAXVSH != 0))
            report(Kind::Warning, {kFwdSpeed});
        if (any_zero({GMT, BGMT, GML, BGML})) report(Kind::Warning, {kGmZero});
        if (any_not_positive({t.TYGYR(), t.TRGYR(), t.TPGYR(), t.BYGYR, t.BRGYR, t.BPGYR}))
            report(Kind::Fatal, {kGyradii});
        if (semi && b_semi)
            report(Kind::Fatal, {" ++> Fatal Warning: Only *ONE* vessel can be type \"Semisubmersible\"."});
        if (semi || b_semi) {
            member_loop(1);
            if (not_positive(t.XSHDOW) || not_positive(t.YSHDOW)) report(Kind::Warning, {kShadow});
        }
    } else {
        if (t.TVFWD() != 0.0f && t.AUXVSH != 0) report(Kind::Warning, {kFwdSpeed});
        if ((GMT == 0.0f || GML == 0.0f) && CREATR != 14) report(Kind::Warning, {kGmZero});
        if (any_not_positive({t.TYGYR(), t.TRGYR(), t.TPGYR()})) report(Kind::Fatal, {kGyradii});
        if (semi) {
            const Int crossed = member_loop(0);
            if (crossed == 0 && t.TAWP() != 0.0f)
                report(Kind::Warning, {" ++> Warning: No member crosses the waterline."});
            if ((not_positive(t.XSHDOW) || not_positive(t.YSHDOW)) && CREATR >= 10) report(Kind::Warning, {kShadow});
        }
    }

    // Checks 11 to 15: wind and current areas, storm duration.
    if (two_vessel) {
        if (t.LWIND != 0 && any_not_positive({t.TXWNDA(), t.YWNDAR, t.TWNDCF(), t.BXWNDA, t.BYWNDA, t.BWNDCF}))
            report(Kind::Warning, {kWindArea});
        if (t.LCURNT != 0 && any_not_positive({t.TXCURA(), t.YCURAR, t.BXCURA, t.BYCURA}))
            report(Kind::Warning, {kCurrentArea});
    }
    if (other_type) {
        if (t.LWIND != 0 && any_not_positive({t.TXWNDA(), t.YWNDAR, t.TWNDCF()})) report(Kind::Warning, {kWindArea});
        if (t.LCURNT != 0 && any_not_positive({t.TXCURA(), t.YCURAR})) report(Kind::Warning, {kCurrentArea});
        // Worded as a warning, counted as fatal.
        if (not_positive(t.DURATN)) report(Kind::Fatal, {" ++> Warning: Nonpositive storm duration detected."});
    }

    // Check 16: irregular seas and swells.
    const Int NSEAS = within(t.NPARM, 6);
    if (const std::vector<std::string> lines = wave_specification_finding(t, true); !lines.empty())
        report(Kind::Fatal, lines);

    // Check 17: the regular wave is expected near 1/sqrt(2) of one of the significant heights.
    if ((t.LRANDM == 1 && t.WAVTYP != 7 && t.WAVTYP != 8) || t.LSWELL == 1) {
        const Real G = t.NUNTS != 1 ? 32.152f : 9.8f;
        bool no_match = true;
        auto compare = [&](Real period, Real height) {
            if (t.LSLPHT == 1) {
                // The slope needs a wave number, from the frequency 6.283 / period x sqrt(depth / g)
                // that CNHTSP forms. Water without depth, a period of zero, or one so short that the
                // frequency squared overflows, has none (checks 16 and 18 report those): it matches
                // nothing. Only the square of the frequency enters, so a negative period has the
                // slope of its magnitude.
                const Real OMEGA = 6.283f / period * std::sqrt(t.DEPTH / G);
                if (!(t.DEPTH > 0.0f) || !std::isfinite(OMEGA * OMEGA)) return;
                CNHTSP(height, period, t.DEPTH, G, EDUNIT);
            }
            if (std::fabs(height / t.SLPHT - 1.0f) <= 0.2f) no_match = false;
        };
        if (t.LRANDM != 0) {
            for (Int i = 1; i <= NSEAS; ++i) {
                const Real period = t.WAVTYP == 1 ? 15.66f * std::sqrt(t.SWHT(i) / G) : t.SIGPD(i);
                compare(period, 0.707f * t.SWHT(i));
            }
        }
        if (t.LSWELL != 0) compare(t.SWELPD, 0.707f * t.SWELHT);
        if (no_match)
            report(Kind::Warning, {" ++> Warning: discrepancy between regular and irregular wave heights.",
                                   "     To disable warning, use regular ht. = (irregular ht.)/sqrt(2)."});
    }

    // Check 18.
    if (not_positive(t.DEPTH)) report(Kind::Fatal, {" ++> Fatal Warning: The water depth is nonpositive."});

    // Checks 19 to 26: GM, main dimensions, waterplane, draft against depth.
    if (two_vessel) {
        if (any_negative({GMT, BGMT, GML, BGML})) report(Kind::Warning, {kGmNegative});
        if (any_not_positive({t.TDISPL(), t.TDRAFT(), t.TLWL(), t.TBWL(), t.BDISPL, t.BDRAFT, t.BLWL, t.BBWL}))
            report(Kind::Warning, {kSizes1, kSizes2});
        if ((not_positive(t.TAWP()) && !semi) || (not_positive(t.BAWP) && !b_semi)) report(Kind::Fatal, {kWaterplane});
    } else {
        if ((GMT < 0.0f || GML < 0.0f) && CREATR != 14) report(Kind::Warning, {kGmNegative});
        if (any_not_positive({t.TDISPL(), t.TDRAFT(), t.TLWL(), t.TBWL()})) report(Kind::Warning, {kSizes1, kSizes2});
        if (not_positive(t.TAWP()) && !semi) report(Kind::Fatal, {kWaterplane});
    }
    if (const std::vector<std::string> lines = draft_depth_finding(t); !lines.empty()) report(Kind::Fatal, lines);

    // Checks 27 to 29: speeds and headings of two vessels.
    if (two_vessel) {
        if (t.TVFWD() != t.BVFWD) {
            report(Kind::Warning, {" ++> Warning: Unequal buoy/tug, tanker/barge speed values."});
        } else if (t.TVFWD() != 0.0f && t.VGLDIR != t.BVGLDR) {
            report(Kind::Warning, {" ++> Warning: Unequal buoy/tug, tanker/barge motion direction."});
        }
    }
    if (CREATR == 10 && (t.VGLDIR != 0.0f || t.BVGLDR != 0.0f))
        report(Kind::Warning, {" ++> Warning: Mardek rigorously supports only forward speed towards Golbal 0."});

    // Checks 30 and 31: wave-drift factors. The bow and stern shape factors set the included angle
    // of the wedge the drift loads are built on (an arcsine of the factor, then its tangent in a
    // divisor): a factor of exactly 0 gives no wedge, so it is refused with the negative ones.
    // Enhancement factors of 0 switch their load off and pass.
    auto present = [&](Int word, Int type) { return ONEON(word, type, EDUNIT) != 0; };
    {
        const bool first_bow =
            (present(t.LWVCOF, 2) || present(t.LWVCOF, 6)) && (not_positive(t.BOWFAC) || negative(t.VWDFAC));
        const bool first_semi =
            present(t.LWVCOF, 6) && (not_positive(t.STRNFC) || any_negative({t.WVFCX, t.WVFCY, t.WVFCM}));
        if (two_vessel) {
            const bool second_bow =
                (present(t.BWVCOF, 2) || present(t.BWVCOF, 6)) && (negative(t.BBOWCF) || negative(t.BVWDFC));
            const bool second_semi = present(t.BWVCOF, 6) && any_negative({t.BSTRNC, t.BWVFCX, t.BWVFCY, t.BWVFCM});
            if (first_bow || second_bow || first_semi || second_semi) report(Kind::Fatal, {kDriftFactor});
        } else if (other_type) {
            if (first_bow || first_semi) report(Kind::Fatal, {kDriftFactor});
        }
    }

    // Checks 32 and 33: legacy model flags and incompatible drift models of other types' data.
    const bool foreign_new = CREATR >= 10 && CREATR != 16;
    if (waves_present && foreign_new) {
        Int L = 0;
        if (t.LEGPKF == 0 && t.LEGDRG == 0) {
            if (t.LCURNT == 1 && t.LEGDFC != 0) L = 2;
        } else if (t.LEGPKF == 1 && t.LEGDRG == 1) {
            L = 1;
            if (t.LCURNT == 1 && t.LEGDFC != 1) L = 2;
        }
        const bool type2 = present(t.LWVCOF, 2);
        const bool type567 = present(t.LWVCOF, 5) || present(t.LWVCOF, 7) || present(t.LWVCOF, 6);
        if ((L != 1 && type2) || (L != 0 && type567) || L == 2)
            report(Kind::Warning,
                   {" ++> Warning: Mixed \"legacy\" flags detected for tanker, wave-current,",
                    "     wave dissipation and wave reflection peak load models;",
                    "     this is not generally recommended..."});
    }
    if (foreign_new && present(t.LWVCOF, 5) && present(t.LWVCOF, 7))
        report(Kind::Fatal, {" ++> Fatal Warning: Mixing \"spar\" and \"Semi (2001) wave force models",
                             "                    is not permitted."});

    // Checks 34 and 35: the user's damping and natural periods.
    if ((t.LHVDMP != 0 && not_positive(t.HVDAMP)) || (t.LPTDMP != 0 && not_positive(t.PTDAMP)) ||
        (t.LRLDMP != 0 && not_positive(t.RLDAMP)))
        report(Kind::Fatal, {" ++> Fatal Warning: Nonpositive user-specified damping coefficient."});
    if ((t.LHVPRD != 0 && not_positive(t.HEVPRD)) || (t.LPTPRD != 0 && not_positive(t.PITPRD)) ||
        (t.LRLPRD != 0 && not_positive(t.ROLPRD)))
        report(Kind::Fatal, {" ++> Fatal Warning: Nonpositive user-specified natural period."});

    // Check 36: drift models that do not suit the vessel type.
    {
        bool mismatch = false;
        if (CREATR > 10 && drift_type_mismatch(t.LWVCOF, t.VESTYP, t.SEMI_LIKE, EDUNIT)) mismatch = true;
        if (two_vessel && drift_type_mismatch(t.BWVCOF, t.BVSTYP, t.B_SEMI_LIKE, EDUNIT)) mismatch = true;
        if (mismatch) report(Kind::Warning, {" ++> Warning: Possible vessel type/wave drift force type mismatch."});
    }

    // Check 37: a user coefficient table chosen for Cy or Cz that does not vanish head-on.
    {
        const Lowcof& c = LOWCOF;
        const bool jump = (NIBVAL(t.LWBARG, 2, EDUNIT) == 1 && c.UWNCY(1) != 0.0f) ||
                          (NIBVAL(t.LWBARG, 3, EDUNIT) == 1 && c.UWNCZ(1) != 0.0f) ||
                          (NIBVAL(t.LCBARG, 2, EDUNIT) == 1 && c.UCRCY(1) != 0.0f) ||
                          (NIBVAL(t.LCBARG, 3, EDUNIT) == 1 && c.UCRCZ(1) != 0.0f);
        if (jump)
            report(Kind::Warning,
                   {" ++> Warning: Discontinuous user-specified wind/current coefficients about",
                    "              zero degrees can be very problematic. Be sure you have a",
                    "              second coefficient near zero (e.g., at 0.1 degree) to",
                    "              properly simulate your discontinuity using a LOWDAT file.", "",
                    "              That said, discontinuous coefficients are best represented",
                    "              using a user-supplied *text* file (e.g., WINDCOFS.txt)."});
    }

    // Checks 38 to 40.
    if (t.VESTYP == 4 && (t.TLWL() != t.TBWL() || t.TVKMT() != t.TVKML())) report(Kind::Fatal, {kAsym1, kAsym2});
    if (t.LSWELL == 1 && t.LSWLOK == 1 && t.LRANDM == 0)
        report(Kind::Fatal, {" ++> Fatal Warning: Swell direction locked to irregular waves ",
                             "     but no irregular waves are specified."});
    if (two_vessel && t.BVSTYP == 4 && (t.BLWL != t.BBWL || t.BVKMT != t.BVKML)) report(Kind::Fatal, {kAsym1, kAsym2});

    // Check 41: the RAO periods must be evenly spaced and positive.
    if (const std::vector<std::string> lines = wave_period_table_finding(t); !lines.empty()) report(Kind::Fatal, lines);

    // Values a run cannot compute with: no finite number, beyond the load laws, no unit system, a
    // user coefficient table that cannot be interpolated.
    for (const RunInputFinding& lines : run_input_findings()) {
        write_record(EDUNIT, "");
        for (const std::string& line : lines) write_record(EDUNIT, line);
        report.count(Kind::Fatal);
    }
    for (const RunInputFinding& lines : run_choice_findings()) {
        write_record(EDUNIT, "");
        for (const std::string& line : lines) write_record(EDUNIT, line);
        report.count(Kind::Fatal);
    }
    for (const RunFileFinding& finding : run_file_findings()) {
        write_record(EDUNIT, "");
        for (const std::string& line : finding.lines) write_record(EDUNIT, line);
        report.count(finding.fatal ? Kind::Fatal : Kind::Warning);
    }
}

}  // namespace brevant
