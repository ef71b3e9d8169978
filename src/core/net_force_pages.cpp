// Section IX: the net environmental force pages.
#include "core/net_force_pages.h"

#include <string>

#include "lowlib/force_report_pages.h"
#include "lowlib/net_environmental_forces.h"
#include "records/equilibrium_record.h"
#include "records/data_image.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

// The work arrays of GET_LF_NET_FORCES whose values by source the pages do not keep.
struct SourceArrays {
    FArray<Real, kMaxUniformAngles> WIND_DUM{}, CRNT_DUM{}, WAVDFT_DUM{}, WAVDRG_DUM{}, SWLDFT_DUM{}, SWLDRG_DUM{},
        SWLDFT2_DUM{}, SWLDRG2_DUM{}, FEXT_DUM{};
};

}  // namespace

void write_source_headings(const RunValues& R) {
    write_force_source_block(TPCM.IUNIT, R.TUNIT.view(), R.MUNIT.view(), R.GLBVES.view(), TPCM.VESMOM);
}

void write_net_force_table_head(std::string_view CAPTION, std::string_view UNIT) {
    const Int U = TPCM.IUNIT;
    const bool drag = TPCM.LEGDRG == 0;
    const std::string hyphens(drag ? 31 : 19, '-');
    write_record(U, Record().t(13).put(hyphens).x(3).put(CAPTION).x(2).put(hyphens).str());
    write_record(U, Record().t(drag ? 54 : 42).put("(").put(UNIT).put(")").str());
    write_net_force_column_headers();
}

void write_net_force_column_headers() {
    const Int U = TPCM.IUNIT;
    const bool drag = TPCM.LEGDRG == 0;
    write_record(U, "  Vessel");
    if (drag) {
        write_record(U, " Heading     Wave        Wave       Wind       Current      Swell       Swell      External      NET");
        write_record(U, "  (deg)   Reflection  Absorption                          Reflection  Absorption");
    } else {
        write_record(U, " Heading    Wave        Wind       Current     Swell      External      NET");
        write_record(U, "  (deg)");
    }
    write_record(U, "");
}

void net_force_pages(RunValues& R) {
    Tpcm& P = TPCM;
    const bool pages = BITVAL(P.BRVFLG, 23, P.EDUNIT) == 1;
    const bool spectra = BITVAL(P.BRVFLG, 27, P.EDUNIT) == 1;
    if (pages || spectra) progress_line({" >>> Computing net environmental", " forces and moments..."});
    if (!pages) return;

    const std::string title = P.LEGDRG == 0
                                  ? "*********************  IX. Net Environmental Forces & Moments   ********************"
                                  : "****************  IX. Net Environmental Forces & Moments   ***************";
    SourceArrays work;
    for (Int k = 1; k <= 3; ++k) {
        const Int U = P.IUNIT;
        start_report_page();
        write_record(U, "   " + title);
        write_record(U, "");
        write_source_headings(R);
        write_record(U, "");
        if (k == 3) {
            write_record(U, Record()
                                .x(12)
                                .put("Moments in this table are computed about Xves = ")
                                .F(P.BRVARM, 8, 2)
                                .put(" ")
                                .A(R.AUNIT.view())
                                .str());
            write_record(U, "");
        }
        static constexpr std::string_view kCaptions[] = {"Vessel-Based X Forces ", "Vessel-Based Y Forces ",
                                                         "Vessel-Based Z Moments "};
        write_net_force_table_head(kCaptions[k - 1], k == 3 ? R.MUNIT.view() : R.TUNIT.view());
        FArray<Real, kMaxUniformAngles>& net = k == 1 ? R.FXTMP : k == 2 ? R.FYTMP : R.MZTMP;
        GET_LF_NET_FORCES(U, k, &net(1), &work.WIND_DUM(1), &work.CRNT_DUM(1), &work.WAVDFT_DUM(1),
                          &work.WAVDRG_DUM(1), &work.SWLDFT_DUM(1), &work.SWLDRG_DUM(1), &work.SWLDFT2_DUM(1),
                          &work.SWLDRG2_DUM(1), &work.FEXT_DUM(1), P.NUMBRV, &P.BRVHDG(1), P.LANGARR, R.STARTA);
        if (k < 3 || !spectra) section_pause();
    }
}

void WRITE_LF_NETFRC_PG(Int /*IOUNIT*/, Int NUMBRVQ, Real BRVINCQ, Real STARTA, const Real* BRVHDGQ,
                        const Real* FXTMP, const Real* FYTMP, const Real* MZTMP, Real VESMOMQ, std::string_view TUNIT,
                        std::string_view MUNIT, std::string_view AUNIT, std::string_view GLBVES) {
    ForceSummaryPage pg = force_summary_page(TPCM.IUNIT, TPCM.LANGARR, NUMBRVQ, BRVINCQ, STARTA, BRVHDGQ, FXTMP, FYTMP,
                                             MZTMP, VESMOMQ, TUNIT, MUNIT, AUNIT, GLBVES);
    pg.XVES = TPCM.BRVARM;
    pg.HEADING_OUT = &EQUILB.VESANG;
    write_force_summary_page(pg);
}

void net_force_summary_page(RunValues& R) {
    Tpcm& P = TPCM;
    if (BITVAL(P.BRVFLG, 23, P.EDUNIT) != 1) return;
    start_report_page();
    WRITE_LF_NET_FRC_PG(P.IUNIT, P.LANGARR, P.NUMBRV, P.BRVINC, R.STARTA, &P.BRVHDG(1), &R.FXTMP(1), &R.FYTMP(1),
                        &R.MZTMP(1), P.VESMOM, R.TUNIT.view(), R.MUNIT.view(), R.AUNIT.view(), R.GLBVES.view());
    section_pause();
}

}  // namespace brevant
