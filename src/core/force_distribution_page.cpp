// Section II and DFTOUT's distribution pages.
#include "core/force_distribution_page.h"

#include <array>
#include <string>

#include "options/output_selection.h"
#include "records/data_image.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"

namespace brevant {

namespace {

bool bit_on(Int bit) { return BITVAL(TPCM.BRVFLG, bit, TPCM.EDUNIT) == 1; }

void write_column_header(const DriftPageSetup& S) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const std::string T(S.TUNIT.view()), M(S.MUNIT.view());
    write_record(U, "");
    if (P.LRANDM == 1 && P.LSWELL == 1) {
        write_record(U, std::string("  Wave   --------    Wave Data    --------   -") + "-------   Swell Data   --------");
        write_record(U, std::string(" Period    S(Fx)       S(Fy)      S(Mz)       S") + "(Fx)       S(Fy)       S(Mz)");
        write_record(U, " (sec)    <--- " + T + "*sec --->  (" + M + "*sec)  <--- " + T + "*sec --->   (" + M + "*sec)");
    } else {
        write_record(U, Record().put("  Wave   --------    ").A(S.FSTCL.view(), 5).put(" Data    --------").str());
        write_record(U, " Period    S(Fx)       S(Fy)        S(Mz)");
        write_record(U, " (sec)    <-- (" + T + "*sec) -->   (" + M + "*sec)");
    }
    write_record(U, "");
}

}  // namespace

ForceDistribution mean_force_distribution(Real RELANG) {
    const Tpcm& P = TPCM;
    const WavCom& V = WAVCOM;
    ForceDistribution D;
    const Int n = P.NWP < 100 ? P.NWP : 100;
    for (Int IW = 1; IW <= n; ++IW) {
        const std::array<Real, 3> C = reflection_coefficients(IW, RELANG);
        const Real X = V.BOWCF * C[0], Y = V.BEAMCF * C[1], Z = V.BEAMCF * P.LWL * C[2];
        D.XPSD1(IW) = X * V.WPSD(IW);
        D.YPSD1(IW) = Y * V.WPSD(IW);
        D.ZPSD1(IW) = Z * V.WPSD(IW);
        D.XPSD2(IW) = X * V.SWLPSD(IW);
        D.YPSD2(IW) = Y * V.SWLPSD(IW);
        D.ZPSD2(IW) = Z * V.SWLPSD(IW);
    }
    return D;
}

void mean_force_distribution_pages(RunValues& R) {
    const Tpcm& P = TPCM;
    const bool reflection = bit_on(kBitReflectionDistribution), absorption = bit_on(kBitAbsorptionDistribution);
    if (!reflection && !absorption) return;
    progress_line({" >>> Computing irregular wave", " reflection force/moment frequency distribution..."});
    for (Int I = 1; I <= P.NUMBRV; ++I) {
        const Real RELANG = turn_to_attack_angle(R, I);
        if (reflection) DFTOUT(RELANG, kReflectionDistributionPage, R.SWVFM);
        if (absorption) DFTOUT(RELANG, kAbsorptionDistributionPage, R.SWVFM);
        section_pause();
    }
}

void mean_force_distribution_page(const DriftPageSetup& S, Real RELANG, Int OUTTYP, Int SWVFM) {
    const Tpcm& P = TPCM;
    const Int U = P.IUNIT;
    const bool absorption = OUTTYP == kAbsorptionDistributionPage;
    start_report_page();
    write_record(U, absorption ? std::string("   ********    IIb. Mean Absorption Force Frequency ") + "Distribution     ********"
                               : std::string("   ********    IIa. Mean Reflection Force Frequency ") + "Distribution     ********");
    write_record(U, "");
    write_angle_and_current_lines(S, RELANG);
    if (!absorption) {
        if (SWVFM == 1) {
            write_record(U, "");
            write_record(U, Record()
                                .t(20)
                                .put("Wave force model:")
                                .put(" ")
                                .put(model_caption(ModelList::WaveDrift, NIBVAL(P.LWVCOF, 1, P.EDUNIT)))
                                .str());
        }
        if (S.DOUSER == 0) write_shape_factor_lines(19, 8);
    }
    write_record(U, "");
    write_record(U, std::string(" >>> NOTE: Moments in this table are ") + "computed about the center of gravity");
    write_record(U, "");
    write_column_header(S);

    // The grid holds at most 100 periods.
    const Int NWP = P.NWP < 100 ? P.NWP : 100;
    if (absorption) {
        // No distribution is defined from the absorption coefficients: they are evaluated, as the
        // page always has, and the page keeps its headings alone.
        for (Int IW = 1; IW <= NWP; ++IW) {
            const RegularWave wave = regular_wave(IW);
            (void)absorption_coefficients(S, IW, RELANG, wave.SIG0WV);
        }
        return;
    }
    if (P.LRANDM != 1 && P.LSWELL != 1) return;
    const ForceDistribution D = mean_force_distribution(RELANG);
    for (Int IW = 1; IW <= NWP; ++IW) {
        Record row;
        row.x(1).F(P.T(IW), 5, 2).x(2);
        const auto triple = [&](Real X, Real Y, Real Z) {
            row.E(X, 10, 3).x(2).E(Y, 10, 3).x(2).E(Z, 10, 3).x(2);
        };
        if (P.LRANDM == 1) triple(D.XPSD1(IW), D.YPSD1(IW), D.ZPSD1(IW));
        if (P.LSWELL == 1) triple(D.XPSD2(IW), D.YPSD2(IW), D.ZPSD2(IW));
        write_record(U, row.str());
    }
}

}  // namespace brevant
