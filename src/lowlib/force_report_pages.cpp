// The low-frequency force report pages.
#include "lowlib/force_report_pages.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "sysutl/angles.h"
#include "sysutl/fortran_format.h"
#include "sysutl/units.h"

namespace brevant {

namespace {

constexpr Real DEG_PER_RAD = 57.295776f;

// A fixed-length caption: blank-padded (or cut) to N characters.
std::string caption(std::string_view s, std::size_t N) {
    std::string out(s.substr(0, std::min(s.size(), N)));
    out.resize(N, ' ');
    return out;
}

void heading_line(Int U, std::string_view source, Real heading) {
    write_record(U,
                 Record().t(22).put("Global Heading of ").put(source).t(48).put("=").F(heading, 8, 2).put(" deg").str());
}

}  // namespace

void write_force_source_block(Int U, std::string_view TUNIT, std::string_view MUNIT, std::string_view GLBVES,
                              Real VESMOMQ) {
    const Tpcm& P = TPCM;
    if (P.LWIND == 1) heading_line(U, "Wind", P.WNDHDG);
    if (P.LCURNT == 1) heading_line(U, "Current", P.CURHDG);
    if (P.LRANDM == 1) heading_line(U, "Waves", P.SEAHDG(1));
    if (P.LSWELL == 1) heading_line(U, "Swell", P.SWLHDG);
    if (P.AUXFRC == 1) {
        const std::string T = caption(TUNIT, 5);
        write_record(U, "");
        write_record(U, Record().t(28).put("External Forces & Moments").str());
        write_record(U, Record().t(33).put(caption(GLBVES, 16)).str());
        write_record(U, "");
        write_record(U, Record().t(30).put("Fx = ").PE(P.XVFRC, 10, 2).put(" ").put(T).str());
        write_record(U, Record().t(30).put("Fy = ").PE(P.YVFRC, 10, 2).put(" ").put(T).str());
        write_record(U, Record().t(30).put("Mz = ").PE(VESMOMQ, 10, 2).put(" ").put(caption(MUNIT, 6)).str());
    }
}

void write_force_summary_page(const ForceSummaryPage& pg) {
    const Int U = pg.IOUNIT;
    const std::string T = caption(pg.TUNIT, 5);
    const std::string M = caption(pg.MUNIT, 6);
    write_record(U, "   ****************  X. Environmental Force & Moment Summary   ***************");
    write_record(U, "");
    write_force_source_block(U, pg.TUNIT, pg.MUNIT, pg.GLBVES, pg.VESMOMQ);
    write_record(U, "");
    write_record(U, "");
    write_record(U, Record()
                        .put("            Moments in this table are computed about Xves = ")
                        .F(pg.XVES, 8, 2)
                        .put(" ")
                        .put(caption(pg.AUNIT, 2))
                        .str());
    write_record(U, "");
    write_record(U, "");
    write_record(U, "  Vessel   ---  Vessel System  ---   ---  Global System  ---    Net      Net");
    write_record(U, " Heading    VFx      VFy    Angle     GFx      GFy    Angle    Force    Moment");
    write_record(U, "  (deg)   (" + T + ")  (" + T + ")  (deg)   (" + T + ")  (" + T + ")  (deg)   (" + T + ")  (" +
                        M + ")");
    write_record(U, "");

    for (Int I = 1; I <= pg.NUMBRVQ; ++I) {
        const auto k = static_cast<std::size_t>(I - 1);
        const Real HDG_DEG = pg.LANGARRQ != 0 ? 360.0f - pg.ANGLES[k]
                                              : 360.0f - static_cast<Real>(I - 1) * pg.BRVINCQ - pg.STARTA;
        const Real HDG = HDG_DEG / DEG_PER_RAD;
        if (pg.HEADING_OUT != nullptr) *pg.HEADING_OUT = HDG;
        const Real FX = pg.FXTMP[k];
        const Real FY = pg.FYTMP[k];
        const Real FMOD = std::sqrt(FX * FX + FY * FY);
        const Real FGX = FX * std::cos(HDG) - FY * std::sin(HDG);
        const Real FGY = FY * std::cos(HDG) + FX * std::sin(HDG);
        Real GFANG = 0.0f;
        Real VFANG = 0.0f;
        if (FGX != 0.0f || FGY != 0.0f) {
            GFANG = std::atan2(FGY, FGX) * DEG_PER_RAD;
            VFANG = std::atan2(FY, FX) * DEG_PER_RAD;
        }
        write_record(U, Record()
                            .x(1)
                            .F(REDDEG2(HDG_DEG), 6, 1)
                            .F(FX, 9, 1)
                            .F(FY, 9, 1)
                            .F(VFANG, 8, 1)
                            .F(FGX, 9, 1)
                            .F(FGY, 9, 1)
                            .F(GFANG, 8, 1)
                            .F(FMOD, 9, 1)
                            .PE(pg.MZTMP[k], 11, 2)
                            .str());
    }
}

ForceSummaryPage force_summary_page(Int IOUNIT, Int LANGARRQ, Int NUMBRVQ, Real BRVINCQ, Real STARTA,
                                    const Real* ANGLES, const Real* FXTMP, const Real* FYTMP, const Real* MZTMP,
                                    Real VESMOMQ, std::string_view TUNIT, std::string_view MUNIT,
                                    std::string_view AUNIT, std::string_view GLBVES) {
    ForceSummaryPage pg;
    pg.IOUNIT = IOUNIT;
    pg.LANGARRQ = LANGARRQ;
    pg.NUMBRVQ = NUMBRVQ;
    pg.BRVINCQ = BRVINCQ;
    pg.STARTA = STARTA;
    pg.ANGLES = ANGLES;
    pg.FXTMP = FXTMP;
    pg.FYTMP = FYTMP;
    pg.MZTMP = MZTMP;
    pg.VESMOMQ = VESMOMQ;
    pg.TUNIT = TUNIT;
    pg.MUNIT = MUNIT;
    pg.AUNIT = AUNIT;
    pg.GLBVES = GLBVES;
    return pg;
}

void WRITE_LF_NET_FRC_PG(Int IOUNIT, Int LANGARRQ, Int NUMBRVQ, Real BRVINCQ, Real STARTA,
                         const Real* GLOB_VES_ATTACK_ANG, const Real* FXTMP, const Real* FYTMP, const Real* MZTMP,
                         Real VESMOMQ, std::string_view TUNIT, std::string_view MUNIT, std::string_view AUNIT,
                         std::string_view GLBVES) {
    ForceSummaryPage pg = force_summary_page(IOUNIT, LANGARRQ, NUMBRVQ, BRVINCQ, STARTA, GLOB_VES_ATTACK_ANG, FXTMP,
                                             FYTMP, MZTMP, VESMOMQ, TUNIT, MUNIT, AUNIT, GLBVES);
    pg.XVES = EQUILB.YAWARM;
    write_force_summary_page(pg);
}

void WRITE_LF_FRC_PGS(Int IOUNIT, Int NUMBRVQ, Real /*DELTA_ANG*/, const Real* GLOB_VES_ATTACK_ANG, const Real* FXTMP,
                      const Real* FYTMP, const Real* MZTMP, Real STRENGTH, Real ENV_HEADING, Real /*VESANG_DEG*/,
                      Logical SCALED) {
    write_record(IOUNIT, Record().x(1).I(NUMBRVQ, 4).str());
    // The closing line reads the first and the last entries: with no entry there is nothing to close.
    if (NUMBRVQ < 1) return;
    const Real SCALE_FAC = SCALED ? STRENGTH * STRENGTH : 1.0f;
    auto line = [&](Real angle, std::size_t k) {
        write_record(IOUNIT, Record()
                                 .x(1)
                                 .F(angle, 8, 2)
                                 .E(FXTMP[k] / SCALE_FAC, 17, 8)
                                 .E(FYTMP[k] / SCALE_FAC, 17, 8)
                                 .E(MZTMP[k] / SCALE_FAC, 17, 8)
                                 .str());
    };
    for (Int I = 1; I <= NUMBRVQ - 1; ++I) {
        const auto k = static_cast<std::size_t>(I - 1);
        line(ENV_HEADING + GLOB_VES_ATTACK_ANG[k], k);
    }
    line(ENV_HEADING + GLOB_VES_ATTACK_ANG[NUMBRVQ - 1], 0);
}

void WRITE_LF_WND_FRC_PG(Int IOUNIT, Int NUMBRVQ, Real /*DELTA_ANG*/, const Real* BRVHDGQ, const Real* FXTMP,
                         const Real* FYTMP, const Real* MZTMP, Real WNDSPD, Real WNDHDG, Real /*VESANG_DEG*/) {
    write_record(IOUNIT, Record().x(1).I(NUMBRVQ, 3).str());
    // With no wind speed there is nothing to divide by: the loads are written as they are.
    const Real SQ = WNDSPD * WNDSPD;
    const Real SCALE = SQ != 0.0f ? SQ : 1.0f;
    for (Int I = 1; I <= NUMBRVQ; ++I) {
        const auto k = static_cast<std::size_t>(I - 1);
        write_record(IOUNIT, Record()
                                 .x(1)
                                 .F(WNDHDG - BRVHDGQ[k], 8, 2)
                                 .E(FXTMP[k] / SCALE, 13, 4)
                                 .E(FYTMP[k] / SCALE, 13, 4)
                                 .E(MZTMP[k] / SCALE, 13, 4)
                                 .str());
    }
}

}  // namespace brevant
