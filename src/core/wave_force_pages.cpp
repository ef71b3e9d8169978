// Sections III and IV.
#include "core/wave_force_pages.h"

#include <array>
#include <string>

#include "core/drift_coefficient_pages.h"
#include "core/spectrum_pages.h"
#include "edlib/pages/reflection_factor_flag.h"
#include "lowlib/drag_entry.h"
#include "lowlib/drift_forces.h"
#include "lowlib/row_series_reuse.h"
#include "options/output_selection.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/wave_record.h"
#include "sysutl/angles.h"
#include "sysutl/captions.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/paging.h"
#include "sysutl/units.h"
#include "veslib/rao_refresh.h"

namespace brevant {

namespace {

constexpr Real kDegPerRad = 57.295776f;

enum class Kind { MeanReflection = 1, MeanAbsorption = 2, ReflectionSpectrum = 3, AbsorptionSpectrum = 4 };

bool reflection(Kind k) { return k == Kind::MeanReflection || k == Kind::ReflectionSpectrum; }
bool spectral(Kind k) { return k == Kind::ReflectionSpectrum || k == Kind::AbsorptionSpectrum; }

// The six values of one row: surge, sway, yaw of the sea, then of the swell.
struct RowValues {
    Real XFORCE = 0.0f, YFORCE = 0.0f, ZMOMNT = 0.0f;
    Real SWFRCX = 0.0f, SWFRCY = 0.0f, SWMOMZ = 0.0f;
};

bool sea_on() { return TPCM.LRANDM == 1; }
bool swell_on() { return TPCM.LSWELL == 1; }

Real* spectrum_of(Int IWAVID) { return IWAVID == 1 ? &WAVCOM.WPSD(1) : &WAVCOM.SWLPSD(1); }

// Mean reflection forces of one system: surge, sway, and the yaw moment moved to the arm.
void mean_drift(Int IWAVID, Real RELANG, Real& FX, Real& FY, Real& MZ) {
    const Real* PSD = spectrum_of(IWAVID);
    Real WC = 0.0f;
    FX = WAVCOM.BOWCF * DRIFTF(0, 1, RELANG, PSD, WC, 0, IWAVID);
    FY = WAVCOM.BEAMCF * DRIFTF(0, 2, RELANG, PSD, WC, 0, IWAVID);
    MZ = WAVCOM.BEAMCF * TPCM.LWL * DRIFTF(0, 3, RELANG, PSD, WC, 0, IWAVID);
    MZ = MZ - FY * EQUILB.YAWARM;
}

// Mean absorption forces of one system, the yaw moment moved to the arm.
void mean_drag(Int IWAVID, Real RELANG, Real& FX, Real& FY, Real& MZ) {
    const Real* PSD = spectrum_of(IWAVID);
    Real WC = 0.0f, FOUTR = 0.0f;
    DRAGF(0, 1, RELANG, PSD, WC, FX, FOUTR, IWAVID);
    DRAGF(0, 2, RELANG, PSD, WC, FY, FOUTR, IWAVID);
    DRAGF(0, 3, RELANG, PSD, WC, MZ, FOUTR, IWAVID);
    MZ = MZ - FY * EQUILB.YAWARM;
}

RowValues row_values(Kind kind, Real RELANG) {
    RowValues v;
    const bool sea = sea_on(), swell = swell_on();
    switch (kind) {
        case Kind::MeanReflection:
            if (sea) mean_drift(1, RELANG, v.XFORCE, v.YFORCE, v.ZMOMNT);
            if (swell) mean_drift(2, RELANG, v.SWFRCX, v.SWFRCY, v.SWMOMZ);
            break;
        case Kind::MeanAbsorption: {
            // The drag calls of one angle read the same records: what does not depend on the
            // component is kept for the next one.
            const RowSeriesScope components;
            if (sea) mean_drag(1, RELANG, v.XFORCE, v.YFORCE, v.ZMOMNT);
            if (swell) mean_drag(2, RELANG, v.SWFRCX, v.SWFRCY, v.SWMOMZ);
            break;
        }
        case Kind::ReflectionSpectrum: {
            // Surge, sway, yaw in turn, the sea before the swell, each scaled by twice the variable
            // reflection factor and the square of its force factor.
            const Real L = TPCM.LWL;
            const std::array<Real, 3> scale = {WAVCOM.BOWCF, WAVCOM.BEAMCF, L * WAVCOM.BEAMCF};
            std::array<Real*, 3> seaout = {&v.XFORCE, &v.YFORCE, &v.ZMOMNT};
            std::array<Real*, 3> swlout = {&v.SWFRCX, &v.SWFRCY, &v.SWMOMZ};
            for (Int k = 1; k <= 3; ++k) {
                const std::size_t j = static_cast<std::size_t>(k - 1);
                const Real factor = 2.0f * TPCM.VWDFAC * (scale[j] * scale[j]);
                if (sea) *seaout[j] = factor * DRIFTF(1, k, RELANG, spectrum_of(1), TPCM.BRVFRQ, 0, 1);
                if (swell) *swlout[j] = factor * DRIFTF(1, k, RELANG, spectrum_of(2), TPCM.BRVFRQ, 0, 2);
            }
            break;
        }
        case Kind::AbsorptionSpectrum: {
            std::array<Real*, 3> seaout = {&v.XFORCE, &v.YFORCE, &v.ZMOMNT};
            std::array<Real*, 3> swlout = {&v.SWFRCX, &v.SWFRCY, &v.SWMOMZ};
            Real FOUTR = 0.0f;
            const RowSeriesScope components;
            for (Int k = 1; k <= 3; ++k) {
                const std::size_t j = static_cast<std::size_t>(k - 1);
                if (sea) DRAGF(1, k, RELANG, spectrum_of(1), TPCM.BRVFRQ, *seaout[j], FOUTR, 1);
                if (swell) DRAGF(1, k, RELANG, spectrum_of(2), TPCM.BRVFRQ, *swlout[j], FOUTR, 2);
            }
            break;
        }
    }
    return v;
}

void write_wave_characteristics(const RunValues& R) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const CaptionFunction units = UNITS;
    write_record(U, Record().x(5).put("----  Wave Characteristics  ----").str());
    write_record(U, "");
    if (P.LRANDM != 0) write_sea_spectrum_lines(R);
    if (P.LSWELL != 0) {
        write_record(U, "");
        write_record(U, Record().x(10).put("+++ Background Swell Data +++").str());
        write_record(U, "");
        if (P.SWLTYP != 7 && P.SWLTYP != 8)
            ONELIN("Requested Significant swell height", 34, P.SWELHT, units, P.NUNTS + 7, U);
        ONELIN("Calculated Significant swell height", 35, WAVCOM.SWHSWL, units, P.NUNTS + 7, U);
        ONELIN("Swell period", 12, P.SWELPD, units, 16, U);
        ONELIN("Swell spectral bandwidth parameter", 34, P.SWLWID, units, -1, U);
    }
}

void write_model_lines(const RunValues& R, Kind kind) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const auto field = [&](Int k) { return NIBVAL(P.LWVCOF, k, P.EDUNIT); };
    const auto model = [&](Int k) { return model_caption(ModelList::WaveDrift, field(k)); };
    if (R.SWVFM != 1) {
        write_record(U, Record().x(10).put("Head-on Wave Coefficients (Cx) ....... ").put(" ").put(model(1)).str());
        write_record(U, Record().x(10).put("Beam-on Wave Coefficients (Cy) ....... ").put(" ").put(model(2)).str());
        write_record(U, Record().x(10).put("Wave Moment Coefficients  (Cz) ....... ").put(" ").put(model(3)).str());
        return;
    }
    write_record(U, "");
    write_record(U, Record().x(10).put("Wave force model ..................... ").put(" ").put(model(1)).str());
    if (R.DOUSER != 0) return;
    static constexpr ShapeFactorLabels kLabels = {
        "Bow-on shape factor .................. ", "Effective included bow angle ......... ",
        "Stern-on shape factor ................ ", "Effective included stern angle ....... ",
        "Head-on enhancement factor ........... ", "Beam-on enhancement factor ........... ",
        "Moment  enhancement factor ........... ",
    };
    write_shape_factor_lines(10, 9, kLabels,
                             kind == Kind::ReflectionSpectrum ? "Variable reflection enhancement factor " : "");
}

void write_table_header(const RunValues& R, Kind kind, std::string_view FSTCL) {
    const Int U = TPCM.IUNIT;
    const std::string T(R.TUNIT.view()), M(R.MUNIT.view());
    const std::string c2(R.FSTCL2.view()), c3(R.FSTCL3.view());
    const bool both = sea_on() && swell_on();
    const std::string first = both ? " " + std::string("          ------     Wave Data     ------     -") + "------   Swell Data    ------"
                                   : " " + std::string("          ------     ") + std::string(FSTCL.substr(0, 5)) + " Data      ------";
    write_record(U, first);
    if (!spectral(kind)) {
        write_record(U, c2 + (both ? "     Fx          Fy          Mz          Fx          Fy          Mz"
                                   : "     Fx          Fy          Mz          "));
        const std::string sea = "   (" + T + ")     (" + T + ")    (" + M + ")";
        write_record(U, c3 + sea + (both ? "     (" + T + ")     (" + T + ")    (" + M + ")" : ""));
    } else {
        write_record(U, c2 + (both ? "   SFx         SFy         SMz         SFx         SFy       SMz"
                                   : "   SFx         SFy         SMz"));
        const std::string sea = " <-- [" + T + "]^2*s -->   [" + M + "]^2*s";
        write_record(U, c3 + sea + (both ? "  <-- [" + T + "]^2*s -->  [" + M + "]^2*s" : ""));
    }
    write_record(U, "  (deg)");
    write_record(U, "");
}

void write_page(const RunValues& R, Kind kind) {
    Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const Int k = static_cast<Int>(kind);
    const std::string source = reflection(kind) ? "Reflection" : "Absorption";
    const std::string letter = reflection(kind) ? "a" : "b";

    start_report_page();
    if (!spectral(kind)) {
        progress_line({" >>> Computing mean wave", " ", source, " forces and moments..."});
    } else {
        progress_line({" >>> Computing \"low-frequency\" variable", " ", source, " force spectral densities..."});
    }
    const std::string FSTCL = P.LRANDM == 1 ? " Wave  " : "Swell  ";
    if (!spectral(kind)) {
        write_record(U, "   **************  III" + letter + ". Mean Wave " + source + " Forces & Moments   *************");
    } else {
        write_record(U, "   **  IV" + letter + ". \"Low-Frequency\" Wave " + source +
                            " Force & Moment Spectral Densities  **");
    }
    write_record(U, "");
    write_wave_characteristics(R);
    if (reflection(kind)) write_model_lines(R, kind);

    write_record(U, "");
    write_record(U, Record()
                        .put(" >>> NOTE: Moments in this table are ")
                        .put("computed about Xves = ")
                        .F(spectral(kind) ? 0.0f : P.BRVARM, 8, 2)
                        .put(" ")
                        .A(R.AUNIT.view())
                        .str());
    if (spectral(kind))
        write_record(U, Record()
                            .put("           Frequency of \"low-frequency\" ")
                            .put("oscillations     = ")
                            .F(P.BRVFRQ, 8, 3)
                            .put(" rad/sec")
                            .str());
    if (P.LCURNT != 0 && (k == 1 || k == 3)) {
        write_record(U, Record()
                            .put("           Current Angle Relative to ")
                            .A(R.FSTCL5.view())
                            .put("               =")
                            .F(R.RELCUR, 9, 2)
                            .put(" degrees")
                            .str());
        write_record(U, "");
    } else {
        write_record(U, " ");
    }
    write_table_header(R, kind, FSTCL);

    const Int count = P.NUMBRV;
    for (Int I = 1; I <= count; ++I) {
        const Real RELDEG = P.LANGARR == 0 ? static_cast<Real>(I - 1) * P.BRVINC + R.STARTA : P.BRVHDG(I);
        const Real RELANG = RELDEG / kDegPerRad;
        const Real OUTDEG = RELDEG + R.ZEDDEG;
        const Real TMPANG = P.LRANDM == 1 ? P.SEAHDG(1) : P.LSWELL == 1 ? P.SWLHDG : 180.0f;
        EQUILB.VESANG = TMPANG / kDegPerRad + 3.1415927f - RELANG;
        Real heading = RELDEG + 180.0f;
        RELRAOUP(heading, EQUILB.VESANG, 0, 0, 1);
        const RowValues v = row_values(kind, RELANG);
        Record row;
        row.x(1).F(REDDEG(OUTDEG), 6, 1);
        const auto value = [&](Real x) { row.x(2).PE(x, 10, 3); };
        if (sea_on()) {
            value(v.XFORCE);
            value(v.YFORCE);
            value(v.ZMOMNT);
        }
        if (swell_on()) {
            value(v.SWFRCX);
            value(v.SWFRCY);
            value(v.SWMOMZ);
        }
        if (sea_on() || swell_on()) write_record(U, row.str());
    }
    section_pause();
}

}  // namespace

void wave_force_pages(RunValues& R) {
    static constexpr std::array<std::pair<Kind, Int>, 4> kPages = {
        std::pair{Kind::MeanReflection, kBitReflectionMeanForces},
        std::pair{Kind::MeanAbsorption, kBitAbsorptionMeanForces},
        std::pair{Kind::ReflectionSpectrum, kBitReflectionSpectraByAngle},
        std::pair{Kind::AbsorptionSpectrum, kBitAbsorptionSpectraByAngle}};
    for (const auto& [kind, bit] : kPages) {
        if (BITVAL(TPCM.BRVFLG, bit, TPCM.EDUNIT) != 1) continue;
        write_page(R, kind);
    }
}

}  // namespace brevant
