// Wind and current force coefficients by model type, and the readers of the user coefficient files.
#include "lowlib/wind_current_coefficients.h"

#include <cassert>
#include <cmath>
#include <memory>
#include <string>
#include <type_traits>

#include "lowlib/heading_functions.h"
#include "lowlib/tanker_coefficient_sets.h"
#include "numeric/angles.h"
#include "numeric/table_search.h"
#include "records/coefficient_image.h"
#include "records/sines_record.h"
#include "sysutl/captions.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

constexpr Real PI = 3.1415927f;
constexpr Real DEG_PER_RAD = 57.295776f;
// Points of the coefficient-image tables.
constexpr Int kImageTablePoints = 21;

using FileName = FixedText<13>;

// An internal selector the routine cannot act on: the line, the pause, the end of the run.
[[noreturn]] void invalid_selector(Int IOSCRN, const std::string& text) {
    write_record(IOSCRN, text);
    Int LBACK = 0;
    PRSRET(IOSCRN, KBD_UNIT, LBACK);
    stop_program(1);
}

// The consistency checks of the data only warn about a zero waterline length or beam; a
// coefficient divided by one would be no number, so the run ends here instead.
void require_divisor(Real word, Int IOSCRN, const char* routine) {
    if (word == 0.0f) invalid_selector(IOSCRN, std::string(" =+> Zero waterline length or beam in ") + routine);
}

// Component IXYZ of a coefficient set at the angle of the last TRIGLD.
Real series(const CoefficientSet& set, Int IXYZ) { return IXYZ == 1 ? CCOF(&set(1, 1)) : SCOF(&set(1, IXYZ)); }

// ---------------------------------------------------------------------------------------------
// User coefficient files.

// What one reader keeps for the run: the last table read and the name it came from.
struct UserCoefficients {
    Int NAZ = 0;
    FArray<Real, kMaxUserCoefficientPoints> HDGARR{};
    FArray<Real, kMaxUserCoefficientPoints, 3> COF{};  // columns CFX, CFY, CMZ
    FileName LASTFILE{"========     "};
    Int FRSTIM = 1;
};

UserCoefficients wind_file;
UserCoefficients current_file;

// Reads the table of FILE into T: a count of 2 to 145 headings, then per heading a record of the
// heading in degrees (stored in radians) and Cx, Cy, Cz. The headings rise or fall; equal neighbours
// are taken where no look-up (0 to 2 pi, extrapolated beyond the table) picks the interval of no
// width between them. The file is left open. False when it cannot be read whole (the outcome of
// FILE says why).
bool read_coefficient_rows(UserTableFile& file, UserCoefficients& t) {
    if (!file.open()) return false;
    // Interpolation needs a bracketing pair: fewer than two headings is an unreadable table.
    Int count = 0;
    if (!file.read_count(count, 2, kMaxUserCoefficientPoints, "headings")) return false;
    t.NAZ = count;
    Int second_line = 0;
    for (Int i = 1; i <= count; ++i) {
        Real heading = 0.0f;
        if (!file.read_record({ListTarget::of(heading), ListTarget::of(t.COF(i, 1)), ListTarget::of(t.COF(i, 2)),
                               ListTarget::of(t.COF(i, 3))}))
            return false;
        t.HDGARR(i) = heading / DEG_PER_RAD;
        if (!file.check_order(i < 2 || keeps_order(t.HDGARR.data(), i), "headings")) return false;
        if (i == 2) second_line = file.lines();
    }
    // The look-up heading is reduced to 0 .. 2 pi (2 pi itself by rounding).
    const Int picked = empty_interval_picked(t.HDGARR.data(), count, 0.0f, kTwoPi);
    return file.check_interval(picked != 0, picked == 1 ? second_line : file.lines(), "headings");
}

void read_user_coefficients(UserCoefficients& t, const FileName& USERDAT, const char* read_caption, Int IOOUT,
                            Int IOIN) {
    t.FRSTIM = 0;
    t.LASTFILE = USERDAT;
    // The table of the file read before goes: values the new file leaves out (a short record ended
    // by a slash) read as zero rather than as another file's.
    t.NAZ = 0;
    t.HDGARR.fill(0.0f);
    t.COF.fill(0.0f);

    const std::string name(USERDAT.view());
    UserTableFile file(name, read_caption, "USERWC", IOOUT, IOIN);
    if (read_coefficient_rows(file, t)) {
        file.close();
        return;
    }
    if (file.outcome().fault == TableFault::Missing) {
        write_record(IOOUT, "");
        write_record(IOOUT, " ++>  User-supplied force coefficients \"" + name + "\" not found");
        write_record(IOOUT, "");
        Int LBACK = 0;
        ABORT0(IOOUT, IOIN, LBACK);
        stop_program(1);
    }
    file.refuse([IOOUT, &name](Int n) {
        write_record(IOOUT, "");
        write_record(IOOUT, " ++>  User-supplied force coefficient array in " + name);
        write_record(IOOUT, "      dimension = [" + fmt_I(n, 3) + "] out of range; allowable");
        write_record(IOOUT, "      dimension = [" + fmt_I(kMaxUserCoefficientPoints, 3) + "]");
        write_record(IOOUT, "");
    });
}

// The file's headings are measured half a circle from the program's angle; no mirroring.
Real user_coefficient(UserCoefficients& t, const char* read_caption, Int LCOMP, Real ANGLE, Int IOOUT, Int IOIN,
                      std::string_view USERDAT) {
    assert(LCOMP >= 1 && LCOMP <= 3);
    const FileName name(USERDAT);
    if (t.FRSTIM == 1 || !(t.LASTFILE == name)) read_user_coefficients(t, name, read_caption, IOOUT, IOIN);

    const Real HDGTMP = REDRAD(ANGLE + PI);
    return table_value(t.HDGARR.data(), &t.COF(1, LCOMP), HDGTMP, t.NAZ);
}

// The user file of a vessel kind: the buoy (ISPM 2) and tanker (ISPM 3) of the turret-mooring
// data (CREATR 13), the tug (2) and barge (3) of the towing data (CREATR 10), the generic file
// otherwise, also for those creators with another ISPM.
FileName user_file_name(Int CREATR, Int ISPM, const char* buoy, const char* tanker, const char* tug, const char* barge,
                        const char* generic) {
    if (CREATR == 13 && ISPM == 2) return FileName(buoy);
    if (CREATR == 13 && ISPM == 3) return FileName(tanker);
    if (CREATR == 10 && ISPM == 2) return FileName(tug);
    if (CREATR == 10 && ISPM == 3) return FileName(barge);
    return FileName(generic);
}

// ---------------------------------------------------------------------------------------------
// Models shared by wind and current.

// The coefficient-image table of one side (attack angles 0 to 180 degrees) at ABSANG degrees,
// linear inside and extrapolated from the end intervals outside. At most 21 points are read; one
// point holds at every angle, none gives 0.
Real image_table(Int NPT, const FArray<Real, kImageTablePoints>& ANG, const FArray<Real, kImageTablePoints, 3>& CFS,
                 Int IXYZ, Real ABSANG) {
    Int count = NPT;
    MAXCHK(count, kImageTablePoints);
    if (count == 0) return 0.0f;
    if (count == 1) return CFS(1, IXYZ);
    return table_value(ANG.data(), &CFS(1, IXYZ), ABSANG, count);
}

// The box model: the cosine and sine of the angle scaled by the projected area over the component's
// own area (not scaled when that area is 0); the moment by the levers over the side area and LWL.
Real box_model(Int IXYZ, Real ANGLE, Real XAREA, Real YAREA, Real XARM, Real YARM, Real LWL, Int IOSCRN,
               const char* routine) {
    const Real ASCALE = APERP(XAREA, YAREA, ANGLE);
    const Real C1 = SINES.C1();
    const Real S1 = SINES.S1();
    if (IXYZ == 1) return XAREA != 0.0f ? -(C1 * ASCALE / XAREA) : -C1;
    if (IXYZ == 2) return YAREA != 0.0f ? -(S1 * ASCALE / YAREA) : -S1;
    require_divisor(LWL, IOSCRN, routine);
    if (YAREA != 0.0f) return (XARM * C1 - YARM * S1) * ASCALE / (YAREA * LWL);
    return (XARM * C1 - YARM * S1) / LWL;
}

// The cylinder: the cosine and sine of the angle, the moment by the levers over LWL.
Real cylinder_model(Int IXYZ, Real XARM, Real YARM, Real LWL, Int IOSCRN, const char* routine) {
    const Real C1 = SINES.C1();
    const Real S1 = SINES.S1();
    if (IXYZ == 1) return -C1;
    if (IXYZ == 2) return -S1;
    require_divisor(LWL, IOSCRN, routine);
    return (XARM * C1 - YARM * S1) / LWL;
}

// ---------------------------------------------------------------------------------------------
// Wind.

constexpr const char* kWindcf = "WINDCF";

// The tanker sets: the small tanker blended by load, the large one by bow and load, the two by size.
Real tanker_wind(Int IXYZ, Real LOADED, Real BOWTYP, Real SIZE) {
    constexpr Real BOWLO = 0.0f;
    constexpr Real BOWHI = 1.0f;
    Real CCFTL = 0.0f;
    Real CCFTS = 0.0f;
    if (SIZE != 1.0f) {
        const Real CCFL = series(wind_set(WindSet::SMLBAL), IXYZ);
        const Real CCFH = series(wind_set(WindSet::SMLLOD), IXYZ);
        CCFTS = INTRPB(LOADED, 32.0f, 100.0f, CCFL, CCFH);
    }
    if (SIZE != 0.0f) {
        const Real CCFL = INTRPA(BOWTYP, BOWLO, BOWHI, wind_set(WindSet::CNVBAL), wind_set(WindSet::CYLBAL), IXYZ);
        const Real CCFH = INTRPA(BOWTYP, BOWLO, BOWHI, wind_set(WindSet::CNVLOD), wind_set(WindSet::CYLLOD), IXYZ);
        CCFTL = INTRPB(LOADED, 32.0f, 100.0f, CCFL, CCFH);
    }
    return INTRPB(SIZE, 0.0f, 1.0f, CCFTS, CCFTL);
}

// ---------------------------------------------------------------------------------------------
// Current.

constexpr const char* kCrntcf = "CRNTCF";

// Component c of the conventional-bow set W and the cylindrical-bow set N, blended by BOWTYP.
Real bow(CurrentSet W, CurrentSet N, Int c, Real BOWTYP) {
    return INTRPA(BOWTYP, 0.0f, 1.0f, current_set(W), current_set(N), c);
}

// The ballast value B at 40 % load and the loaded value L at 100 %, on the straight line through both.
Real load(Real LOADED, Real B, Real L) { return INTRPB(LOADED, 40.0f, 100.0f, B, L); }

// Depth points of the OCIMF sets (depth over draft) with their conventional and cylindrical sets.
constexpr int kOcimfPoints = 6;
constexpr Real kOcimfDepth[kOcimfPoints] = {1.05f, 1.1f, 1.2f, 1.5f, 3.0f, 6.0f};
constexpr CurrentSet kOcimfConventional[kOcimfPoints] = {CurrentSet::CNV105, CurrentSet::CNV110, CurrentSet::CNV120,
                                                         CurrentSet::CNV150, CurrentSet::CNV300, CurrentSet::CNV600};
constexpr CurrentSet kOcimfCylindrical[kOcimfPoints] = {CurrentSet::CYL105, CurrentSet::CYL110, CurrentSet::CYL120,
                                                        CurrentSet::CYL150, CurrentSet::CYL300, CurrentSet::CYL600};

Real ocimf_current(Int c, Real BOWTYP, Real HOVERD) {
    const auto P = [&](int k) { return bow(kOcimfConventional[k], kOcimfCylindrical[k], c, BOWTYP); };
    if (HOVERD <= kOcimfDepth[0]) return P(0);
    for (int i = 0; i + 1 < kOcimfPoints; ++i)
        if (HOVERD <= kOcimfDepth[i + 1]) return INTRPB(HOVERD, kOcimfDepth[i], kOcimfDepth[i + 1], P(i), P(i + 1));
    return P(kOcimfPoints - 1);  // deeper than the last point (or no number): the last point
}

// Depth points of the NSMB sets (depth over full-load draft) up to 3.0 with their four sets each;
// 4.4 and, for Cy and Cmz, 6.0 follow.
constexpr int kNsmbPoints = 5;
constexpr Real kNsmbDepth[kNsmbPoints + 1] = {1.05f, 1.1f, 1.2f, 1.5f, 3.0f, 4.4f};
constexpr Real kNsmbLastDepth = 6.0f;
constexpr CurrentSet kLoadedWithBulb[kNsmbPoints] = {CurrentSet::LWB105, CurrentSet::LWB11, CurrentSet::LWB12,
                                                     CurrentSet::LWB15, CurrentSet::LWB30};
constexpr CurrentSet kLoadedNoBulb[kNsmbPoints] = {CurrentSet::LNB105, CurrentSet::LNB11, CurrentSet::LNB12,
                                                   CurrentSet::LNB15, CurrentSet::LNB30};
constexpr CurrentSet kBallastWithBulb[kNsmbPoints] = {CurrentSet::BWB105, CurrentSet::BWB11, CurrentSet::BWB12,
                                                      CurrentSet::BWB15, CurrentSet::BWB30};
constexpr CurrentSet kBallastNoBulb[kNsmbPoints] = {CurrentSet::BNB105, CurrentSet::BNB11, CurrentSet::BNB12,
                                                    CurrentSet::BNB15, CurrentSet::BNB30};

// MEAN_BALLAST_CX: the ballast Cx at the points up to 3.0 is the mean 40 % curve.
Real nsmb_current(Int c, Real LOADED, Real BOWTYP, Real HOVERD, bool MEAN_BALLAST_CX) {
    // Point k (0 .. 4 the points up to 3.0, 5 the point 4.4).
    const auto P = [&](int k) {
        if (k == kNsmbPoints) {
            const Real CFLOD = bow(CurrentSet::LWB44, CurrentSet::LNB44, c, BOWTYP);
            const Real CFBAL = series(current_set(CurrentSet::BLST44), c);
            return load(LOADED, CFBAL, CFLOD);
        }
        const Real CFLOD = bow(kLoadedWithBulb[k], kLoadedNoBulb[k], c, BOWTYP);
        const Real CFBAL =
            MEAN_BALLAST_CX && c == 1 ? CCOF(BLSTMN().data()) : bow(kBallastWithBulb[k], kBallastNoBulb[k], c, BOWTYP);
        return load(LOADED, CFBAL, CFLOD);
    };
    // The point 6.0 of Cy and Cmz: the OCIMF pair loaded, the one ballast set of 4.4 ballasted.
    const auto P_LAST = [&]() {
        const Real CFLOD = bow(CurrentSet::CNV600, CurrentSet::CYL600, c, BOWTYP);
        const Real CFBAL = series(current_set(CurrentSet::BLST44), c);
        return load(LOADED, CFBAL, CFLOD);
    };

    const Real HOV100 = LOADED * 0.01f * HOVERD;
    if (HOV100 <= kNsmbDepth[0]) return P(0);
    for (int i = 0; i < kNsmbPoints; ++i)
        if (HOV100 <= kNsmbDepth[i + 1]) return INTRPB(HOV100, kNsmbDepth[i], kNsmbDepth[i + 1], P(i), P(i + 1));
    // Deeper than 4.4: Cx stays at 4.4; Cy and Cmz go on to 6.0 and stay there.
    if (c == 1) return P(kNsmbPoints);
    if (HOV100 <= kNsmbLastDepth)
        return INTRPB(HOV100, kNsmbDepth[kNsmbPoints], kNsmbLastDepth, P(kNsmbPoints), P_LAST());
    return P_LAST();
}

// Cx of the built-in current sets is given per waterline length over beam.
Real length_over_beam(Real CCFT, Real LWL, Real BWL, Int IOSCRN) {
    require_divisor(BWL, IOSCRN, kCrntcf);
    return CCFT * LWL / BWL;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

Real WINDCF(Int IXYZ, Int NIBPAK, Real LOADED, Real BOWTYP, Real SIZE, Real WNDANG, Real XWNDAR, Real YWNDAR,
            Real XWARM, Real YWARM, Real LWL, Real /*BWL*/, Int IOSCRN, Int ISPM, Int CREATR) {
    assert(IXYZ >= 1 && IXYZ <= 3);
    const Int COFTYP = NIBVAL(NIBPAK, IXYZ, IOSCRN);
    switch (COFTYP) {
        case 1: {
            const Real ANGTMP = ANGSYM(WNDANG) * DEG_PER_RAD;
            const Real ABSANG = std::fabs(ANGTMP);
            const Real value = image_table(LOWCOF.NUWNPT, LOWCOF.UWNANG, LOWCOF.UWNCFS, IXYZ, ABSANG);
            // The table holds one side: Cy and Cz change sign with the angle (a negative zero
            // counts as negative), Cx does not.
            return IXYZ == 1 ? value : value * std::copysign(1.0f, ANGTMP);
        }
        case 2: {
            return USRWND(IXYZ, WNDANG, IOSCRN, KBD_UNIT, wind_coefficient_file(CREATR, ISPM).view());
        }
        case 3:
            return box_model(IXYZ, WNDANG, XWNDAR, YWNDAR, XWARM, YWARM, LWL, IOSCRN, kWindcf);
        case 4:
            return tanker_wind(IXYZ, LOADED, BOWTYP, SIZE);
        case 5:
            return cylinder_model(IXYZ, XWARM, YWARM, LWL, IOSCRN, kWindcf);
        default:
            // A field outside the wind caption list (an imported file can carry one) is no model.
            static_assert(std::tuple_size_v<std::remove_cvref_t<decltype(TNKWND())>> == 5);
            invalid_selector(IOSCRN, " =+> Invalid COFTYP in WINDCF");
    }
}

Real USRWND(Int LCOMP, Real ANGLE, Int IOOUT, Int IOIN, std::string_view USERDAT) {
    return user_coefficient(wind_file, "USRWND", LCOMP, ANGLE, IOOUT, IOIN, USERDAT);
}

Real CRNTCF(Int IXYZ, Int NIBPAK, Real LOADED, Real BOWTYP, Real HOVERD, Real CURANG, Real XCURAR, Real YCURAR,
            Real XCARM, Real YCARM, Real LWL, Real BWL, Int IOSCRN, Int ISPM, Int CREATR) {
    assert(IXYZ >= 1 && IXYZ <= 3);
    const Int COFTYP = NIBVAL(NIBPAK, IXYZ, IOSCRN);
    if (COFTYP == 6) {
        const Real CCFT = ocimf_current(IXYZ, BOWTYP, HOVERD);
        return IXYZ == 1 ? length_over_beam(CCFT, LWL, BWL, IOSCRN) : CCFT;
    }
    if (COFTYP == 4 || COFTYP == kNsmbMeanCurrent) {
        const Real CCFT = nsmb_current(IXYZ, LOADED, BOWTYP, HOVERD, COFTYP == kNsmbMeanCurrent);
        return IXYZ == 1 ? length_over_beam(CCFT, LWL, BWL, IOSCRN) : CCFT;
    }
    if (COFTYP == 5) {
        const Real CCFT = series(current_set(CurrentSet::LCY11), IXYZ);
        return IXYZ == 1 ? length_over_beam(CCFT, LWL, BWL, IOSCRN) : CCFT;
    }
    if (COFTYP == 3) return box_model(IXYZ, CURANG, XCURAR, YCURAR, XCARM, YCARM, LWL, IOSCRN, kCrntcf);
    if (COFTYP == 1) {
        const Real ANGTMP = ANGSYM(CURANG) * DEG_PER_RAD;
        const Real ABSANG = std::fabs(ANGTMP);
        const Real value = image_table(LOWCOF.NUCRPT, LOWCOF.UCRANG, LOWCOF.UCRCFS, IXYZ, ABSANG);
        // One side in the table: Cy and Cmz odd in the heading, Cx even.
        return IXYZ != 1 && ANGTMP < 0.0f ? value * -1.0f : value;
    }
    if (COFTYP == 2) {
        return USRCRN(IXYZ, CURANG, IOSCRN, KBD_UNIT, current_coefficient_file(CREATR, ISPM).view());
    }
    if (COFTYP == 7) return cylinder_model(IXYZ, XCARM, YCARM, LWL, IOSCRN, kCrntcf);
    // A field outside the current caption list and not the mean-curve NSMB value is no model.
    static_assert(std::tuple_size_v<std::remove_cvref_t<decltype(TNKCUR())>> == 7);
    invalid_selector(IOSCRN, " =+> Invalid COFTYP in CRNTCF");
}

Real USRCRN(Int LCOMP, Real ANGLE, Int IOOUT, Int IOIN, std::string_view USERDAT) {
    return user_coefficient(current_file, "USERWC", LCOMP, ANGLE, IOOUT, IOIN, USERDAT);
}

FixedText<13> wind_coefficient_file(Int CREATR, Int ISPM) {
    return user_file_name(CREATR, ISPM, "BUOYWIND.txt", "TANKWIND.txt", "TUGWIND.txt", "BARGWIND.txt", "WINDCOFS.txt");
}

FixedText<13> current_coefficient_file(Int CREATR, Int ISPM) {
    return user_file_name(CREATR, ISPM, "BUOYCRNT.txt", "TANKCRNT.txt", "TUGCRNT.txt", "BARGCRNT.txt", "CRNTCOFS.txt");
}

TableOutcome read_user_coefficient_file(std::string_view NAME, Int IOOUT) {
    const auto scratch = std::make_unique<UserCoefficients>();
    UserTableFile file(NAME, "USERWC", IOOUT, KBD_UNIT);
    read_coefficient_rows(file, *scratch);
    return file.close_check();
}

void reset_usrwnd() { wind_file = UserCoefficients{}; }
void reset_usrcrn() { current_file = UserCoefficients{}; }

}  // namespace brevant
