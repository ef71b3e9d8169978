// Section I and DFTOUT's coefficient pages.
#include "core/drift_coefficient_pages.h"

#include <cmath>
#include <optional>
#include <string>

#include "core/force_distribution_page.h"
#include "core/member_wave_drag.h"
#include "core/run_setup.h"
#include "edlib/pages/reflection_factor_flag.h"
#include "lowlib/drift_coefficients.h"
#include "lowlib/heading_functions.h"
#include "lowlib/row_series_reuse.h"
#include "lowlib/user_drift_table.h"
#include "lowlib/wind_current_coefficients.h"
#include "options/output_selection.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/response_record.h"
#include "records/sines_record.h"
#include "records/wave_record.h"
#include "sysutl/angles.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/two_pi.h"
#include "sysutl/units.h"
#include "veslib/rao_refresh.h"

namespace brevant {

namespace {

constexpr Real kDegPerRad = 57.295776f;

bool bit_on(Int bit) { return BITVAL(TPCM.BRVFLG, bit, TPCM.EDUNIT) == 1; }

Int drift_field(Int k) { return NIBVAL(TPCM.LWVCOF, k, TPCM.EDUNIT); }

bool all_user_fields() { return drift_field(1) == 1 && drift_field(2) == 1 && drift_field(3) == 1; }

std::string drift_model(Int field) { return model_caption(ModelList::WaveDrift, field); }

// The notes that define the dimensional forces of the coefficients.
void write_definition_note(const DriftPageSetup& S, bool absorption) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const std::string kind = absorption ? "absorption" : "reflection";
    write_record(U, " >>> NOTE: Dimensional regular wave " + kind + " forces & moments are defined by:");
    write_record(U, "");
    const std::string T(S.TUNIT.view()), M(S.MUNIT.view());
    if (absorption) {
        write_record(U, Record().x(12).put("Head-on force (" + T + ") = .5*Dm*B*(w^2)*(a^3)*Cx").str());
        write_record(U, Record().x(12).put("Beam-on force (" + T + ") = .5*Dm*L*(w^2)*(a^3)*Cy").str());
        write_record(U, Record().x(12).put("Moment at CG (" + M + ") = .5*Dm*(L^2)*(w^2)*(a^3)*Cz").str());
    } else {
        write_record(U, Record().x(12).put("Head-on force (" + T + ") = .5*B*Dm*g*(a^2)*Cx").str());
        write_record(U, Record().x(12).put("Beam-on force (" + T + ") = .5*L*Dm*g*(a^2)*Cy").str());
        write_record(U, Record().x(12).put("Moment at CG (" + M + ") = .5*(L^2)*Dm*g*(a^2)*Cz").str());
    }
    write_record(U, "");
    write_record(U, Record().x(12).put("a = wave amplitude = .5*(wave height)").str());
    if (absorption) write_record(U, Record().x(12).put("w = wave frequency").str());
    write_record(U, "");
    write_record(U, Record().x(12).put("L    =").F(P.LWL, 9, 3).put(" ").A(S.AUNIT.view()).str());
    write_record(U, Record().x(12).put("B    =").F(P.BWL, 9, 3).put(" ").A(S.AUNIT.view()).str());
    write_record(U, Record()
                        .x(12)
                        .put("Dm*g =")
                        .F(P.DWATR / 1000.0f, 9, 3)
                        .put(" ")
                        .A(S.FUNIT.view())
                        .put("/(")
                        .A(S.AUNIT.view())
                        .put("^3)")
                        .str());
    if (absorption)
        write_record(U, Record()
                            .x(12)
                            .put("g    =")
                            .F(S.GRAVCNST, 9, 3)
                            .put(" ")
                            .A(S.AUNIT.view())
                            .put("/(sec^2)")
                            .str());
}

// Page Ia or Ib.
void coefficient_page(const DriftPageSetup& S, Real RELANG, Int OUTTYP, Int SWVFM) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const bool absorption = OUTTYP == kAbsorptionCoefficientPage;
    start_report_page();
    write_record(U, absorption ? "   *********  Ib. Dimensionless Regular Wave Absorption Coefficients  *********"
                               : "   *********  Ia. Dimensionless Regular Wave Reflection Coefficients  *********");
    write_record(U, "");
    write_angle_and_current_lines(S, RELANG);
    write_record(U, " ");
    write_definition_note(S, absorption);
    if (!absorption) {
        if (SWVFM == 1) {
            write_record(U, "");
            write_record(U, Record().x(12).put("Wave force model:").put(" ").put(drift_model(drift_field(1))).str());
        }
        if (S.DOUSER == 0) write_shape_factor_lines(12, 6);
    }
    write_record(U, "");
    if (P.LSLPHT == 0) {
        write_record(U, Record()
                            .x(5)
                            .put(">>> Wave height for slope calculation = ")
                            .F(P.SLPHT, 6, 2)
                            .put(" ")
                            .A(S.AUNIT.view())
                            .str());
    } else {
        write_record(U,
                     Record().x(5).put(">>> Wave slope for height calculation = ").F(P.SLPHT, 6, 2).put(" degrees").str());
    }
    write_record(U, "");
    write_record(U, "  Wave      Wave         Wave        Wave         Cx          Cy          Cz");
    write_record(U, Record().put(" Period   Frequency     Length      ").A(S.CSLPH2.view(), 6).str());
    write_record(U, Record()
                        .put(" (sec)    (rad/sec)      (")
                        .A(S.AUNIT.view())
                        .put(")        (")
                        .A(S.SLHUN2.view(), 3)
                        .put(")")
                        .str());
    write_record(U, "");
    const WavCom& V = WAVCOM;
    for (Int IW = 1; IW <= P.NWP; ++IW) {
        const RegularWave wave = regular_wave(IW);
        const std::array<Real, 3> C =
            absorption ? absorption_coefficients(S, IW, RELANG, wave.SIG0WV) : reflection_coefficients(IW, RELANG);
        write_record(U, Record()
                            .F(P.T(IW), 8, 3)
                            .F(V.W(IW), 10, 4)
                            .F(kTwoPi / V.WVK(IW), 12, 3)
                            .F(wave.HTORSL, 12, 3)
                            .F(C[0], 12, 5)
                            .F(C[1], 12, 5)
                            .F(C[2], 12, 5)
                            .str());
    }
}

}  // namespace

void set_angle_convention(RunValues& R) {
    const bool relative = bit_on(kBitRelativeHeadings);
    R.FSTCL2 = relative ? " Relative" : " Angle of";
    R.FSTCL3 = relative ? " Heading " : "  Attack ";
    R.ZEDDEG = relative ? 180.0f : 0.0f;
    R.DOUSER = all_user_fields() ? 1 : 0;
}

void drift_coefficient_pages(RunValues& R) {
    Tpcm& P = TPCM;
    if (!bit_on(kBitReflectionCoefficients) && !bit_on(kBitAbsorptionCoefficients)) return;
    progress_line({" >>> Computing dimensionless regular wave", " reflection force/moment coefficients..."});
    const Int count = P.NUMBRV;
    for (Int I = 1; I <= count; ++I) {
        const Real RELANG = turn_to_attack_angle(R, I);
        if (bit_on(kBitReflectionCoefficients)) DFTOUT(RELANG, kReflectionCoefficientPage, R.SWVFM);
        if (bit_on(kBitAbsorptionCoefficients)) DFTOUT(RELANG, kAbsorptionCoefficientPage, R.SWVFM);
        section_pause();
    }
}

Real turn_to_attack_angle(const RunValues& R, Int I) {
    const Tpcm& P = TPCM;
    const Real RELDEG = P.LANGARR != 0 ? P.BRVHDG(I) : static_cast<Real>(I - 1) * P.BRVINC + R.STARTA;
    const Real RELANG = RELDEG / kDegPerRad;
    const Real TMPANG = P.LRANDM == 1 ? P.SEAHDG(1) : P.LSWELL == 1 ? P.SWLHDG : 180.0f;
    EQUILB.VESANG = TMPANG / kDegPerRad + 3.1415927f - RELANG;
    Real heading = RELDEG + 180.0f;
    RELRAOUP(heading, EQUILB.VESANG, 0, 0, 1);
    return RELANG;
}

DriftPageSetup drift_page_setup(Real RELANG) {
    Tpcm& P = TPCM;
    DriftPageSetup S;
    TRIGLD(RELANG);
    const auto current = [&](Int k) {
        return CRNTCF(k, P.LCBARG, P.DFTPCT, P.BOWCUR, SINES.HOVERD, RELANG, P.XCURAR, P.YCURAR, P.XCARM, P.YCARM,
                      P.LWL, P.BWL, P.EDUNIT, P.ISPM, P.CREATR());
    };
    S.CDEFFX = P.WVDGCX * current(1);
    S.CDEFFY = P.WVDGCY * current(2);
    S.CDEFFZ = P.WVDGCM * current(3) / P.LWL;
    S.DOUSER = all_user_fields() ? 1 : 0;

    const bool metric = P.NUNTS != 0;
    S.TUNIT = metric ? "m.ton" : "k.lbs";
    S.AUNIT = metric ? "m." : "ft";
    S.MUNIT = metric ? "ton-m." : "kip-ft";
    S.FUNIT = metric ? "m.t." : "kips";
    S.GRAVCNST = metric ? 9.81f : 32.2f;

    // Without waves there is no leading system: the captions stay blank.
    if (const std::optional<LeadingSystem> L = leading_wave_system()) {
        S.FSTCL = L->caption;
        S.FSTCL2 = L->plural;
        S.RELCUR = L->RELCUR;
    }

    P.LBACK = 0;
    const bool relative = bit_on(kBitRelativeHeadings);
    S.ATTACK = relative ? "Wave Heading " : "Attack Angle ";
    S.ZEDDEG = relative ? 180.0f : 0.0f;
    if (P.LSLPHT == 0) {
        S.CSLPH2 = " slope";
        S.SLHUN2 = "deg";
    } else {
        S.CSLPH2 = "height";
        S.SLHUN2 = S.AUNIT.view();
    }
    return S;
}

void DFTOUT(Real RELANG, Int OUTTYP, Int SWVFM) {
    const DriftPageSetup S = drift_page_setup(RELANG);
    switch (OUTTYP) {
        case kReflectionCoefficientPage:
        case kAbsorptionCoefficientPage: coefficient_page(S, RELANG, OUTTYP, SWVFM); break;
        case kReflectionDistributionPage:
        case kAbsorptionDistributionPage: mean_force_distribution_page(S, RELANG, OUTTYP, SWVFM); break;
        default: break;
    }
}

RegularWave regular_wave(Int IW) {
    const Tpcm& P = TPCM;
    RegularWave wave;
    if (P.LSLPHT == 0) {
        wave.WVAMP = 0.5f * P.SLPHT;
        const Real SLOPE = WAVCOM.WVK(IW) * wave.WVAMP;
        wave.HTORSL = kDegPerRad * SLOPE;
    } else {
        const Real SLOPE = P.SLPHT / kDegPerRad;
        wave.WVAMP = SLOPE / WAVCOM.WVK(IW);
        wave.HTORSL = 2.0f * wave.WVAMP;
    }
    wave.SIG0WV = wave.WVAMP / std::sqrt(2.0f);
    return wave;
}

std::array<Real, 3> reflection_coefficients(Int IW, Real RELANG) {
    std::array<Real, 3> C{};
    // The regular-wave tables read this program's own file whatever the vessel.
    const FixedText<13> USERDAT(kDriftCoefficientFile);
    for (Int k = 1; k <= 3; ++k) {
        const Int DRFTYP = drift_field(k);
        const Int DOUSER = DRFTYP == 1 ? 1 : 0;
        // DRFTC clears the flag; every coefficient here stands alone.
        Logical FRSTIM = 1;
        C[static_cast<std::size_t>(k - 1)] = DRFTC(k, IW, DOUSER, DRFTYP, USERDAT.view(), RELANG, FRSTIM, "BRVCOR", 1);
    }
    return C;
}

std::array<Real, 3> absorption_coefficients(const DriftPageSetup& S, Int IW, Real RELANG, Real SIG0WV) {
    const Tpcm& P = TPCM;
    std::array<Real, 3> C{};
    if (P.SEMI_LIKE == 0) {
        // 1.5958 is kept as the program has always printed it (sqrt(8/pi) is 1.59577).
        C[0] = 1.5958f * S.CDEFFX * PASCOM.RLRAO2(IW, 1);
        C[1] = 1.5958f * S.CDEFFY * PASCOM.FDRGLAT(IW, 1);
        C[2] = 1.5958f * S.CDEFFZ * PASCOM.MDRGLAT(IW, 1);
        return C;
    }
    const Int IWAVID = P.LRANDM != 0 ? 1 : 2;
    // The three components read the same records at the same period: the member integrals, which
    // do not depend on the component, are kept for the second and third.
    const RowSeriesScope components;
    for (Int k = 1; k <= 3; ++k) NB_DRAG_RAO(k, IWAVID, RELANG, SIG0WV, IW, C[static_cast<std::size_t>(k - 1)]);
    return C;
}

void write_angle_and_current_lines(const DriftPageSetup& S, Real RELANG) {
    const Tpcm& P = TPCM;
    write_record(P.IUNIT, Record()
                              .t(20)
                              .A(S.ATTACK.view())
                              .put("Relative to Vessel = ")
                              .F(REDDEG(RELANG * kDegPerRad + S.ZEDDEG), 8, 2)
                              .put(" degrees")
                              .str());
    if (P.LCURNT != 0 && (S.DOUSER == 0 || P.CURCOR == 1)) {
        write_record(P.IUNIT, Record()
                                  .t(20)
                                  .put("Current Angle Relative to ")
                                  .A(S.FSTCL2.view())
                                  .put(" = ")
                                  .F(S.RELCUR, 8, 2)
                                  .put(" degrees")
                                  .str());
    }
}

void write_shape_factor_lines(int INDENT, int WIDTH, const ShapeFactorLabels& LABELS, std::string_view REFLECTION) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const auto line = [&](std::string_view label, Real value, std::string_view tail = "") {
        write_record(U, Record().x(INDENT).put(label).F(value, WIDTH, 2).put(tail).str());
    };
    if (ONEON(P.LWVCOF, 2, P.EDUNIT) || ONEON(P.LWVCOF, 6, P.EDUNIT)) {
        line(LABELS.bow, P.BOWFAC);
        line(LABELS.bow_angle, 2.0f * EQUILB.BOWANG * kDegPerRad, " degrees");
        if (!REFLECTION.empty()) line(REFLECTION, P.VWDFAC);
    }
    if (ONEON(P.LWVCOF, 6, P.EDUNIT)) {
        const Int NEWTKR = 1;
        Int SHONEW = 0;
        SETFGS(P.BOWFAC, P.VWDFAC, P.STRNFC, P.WVFCX, P.WVFCY, P.WVFCM, P.EDUNIT, NEWTKR, SHONEW);
        line(LABELS.stern, P.STRNFC);
        line(LABELS.stern_angle, 2.0f * EQUILB.STRNAN * kDegPerRad, " degrees");
        if (SHONEW == 1) {
            write_record(U, "");
            line(LABELS.head_on, P.WVFCX);
            line(LABELS.beam_on, P.WVFCY);
            line(LABELS.moment, P.WVFCM);
        }
    }
}

void write_shape_factor_lines(int INDENT, int WIDTH) {
    static constexpr ShapeFactorLabels kLabels = {
        "Bow-on shape factor            = ", "Effective included bow angle   = ",
        "Stern-on shape factor          = ", "Effective included stern angle = ",
        "Head-on enhancement factor     = ", "Beam-on enhancement factor     = ",
        "Moment  enhancement factor     = ",
    };
    write_shape_factor_lines(INDENT, WIDTH, kLabels);
}

}  // namespace brevant
