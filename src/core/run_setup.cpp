// The set-up of an analysis run.
#include "core/run_setup.h"

#include <cmath>
#include <vector>

#include "edlib/load_model_flags.h"
#include "edlib/run_reads.h"
#include "lowlib/current_profile.h"
#include "lowlib/drift_preparation.h"
#include "lowlib/load_constants.h"
#include "numeric/wave_number.h"
#include "records/data_image.h"
#include "records/equilibrium_record.h"
#include "records/motion_record.h"
#include "records/wave_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/option_words.h"
#include "sysutl/paging.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/report_files.h"
#include "sysutl/title.h"
#include "sysutl/units.h"
#include "vessels/hull_table.h"
#include "veslib/motion_phase1.h"
#include "veslib/wave_environment.h"
#include "veslib/wave_spectra.h"

namespace brevant {

namespace {

// A set-up message that stops the run: between empty lines on the console, a pause whatever the
// report unit, then the end (status 1).
[[noreturn]] void stop_with(std::string_view message) {
    Tpcm& P = TPCM;
    write_record(P.EDUNIT, "");
    write_record(P.EDUNIT, message);
    write_record(P.EDUNIT, "");
    PRSRET(P.EDUNIT, KBD_UNIT, P.LBACK);
    stop_program(1);
}

}  // namespace

void limit_attack_angles() {
    Tpcm& P = TPCM;
    const Int limit = P.LANGARR == 0 ? kMaxUniformAngles : kMaxListedAngles;
    if (P.NUMBRV <= limit) return;
    P.NUMBRV = limit;
    write_record(P.EDUNIT, "");
    write_record(P.EDUNIT, Record().put(" ++> Note: number of attack angles reduced to").I(limit, 4).str());
    write_record(P.EDUNIT, "");
}

void run_frequency_grid(const RunValues& R) {
    const Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    set_wave_grid(&P.T(1), P.NWP, P.NUNTS);
    const Int n = P.NWP < 100 ? P.NWP : 100;
    for (HIMEM.IW = 1; HIMEM.IW <= n; ++HIMEM.IW) {
        const Int IW = HIMEM.IW;
        Real QQ = 0.0f;
        WAVVEC(V.W(IW) * R.WDCNST, QQ, P.EDUNIT);
        V.WVK(IW) = QQ / P.DEPTH;
    }
}

void run_sea_spectrum(RunValues& R) {
    const Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    V.SWH = P.SWHT(1);
    V.TPK = P.SIGPD(1);
    // A Gaussian sea is centred on the grid point of its peak, so that point must be on the grid;
    // the other shapes are evaluated at every period and take a peak off the grid.
    if (P.WAVTYP == kGaussianSwell) {
        const Int peak = swell_peak_index(V.TPK);
        if (peak < 1 || peak > P.NWP) stop_with(" ++> Wave peak period outside wave period range");
    }
    WVSPEC(P.WAVTYP, &V.WPSD(1), V.SWH, V.TPK, V.WPK, V.WKPK, 0);
    SMPINT(&V.WPSD(1), R.VAR, R.VARDOT);
    R.NWAVPK = swell_peak_index(V.TPK);
    EQUILB.SWHC = 4.0f * std::sqrt(R.VAR);
}

void run_swell_spectrum(RunValues& R) {
    Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    V.NSWEL = swell_peak_index(P.SWELPD);
    if (V.NSWEL < 1 || V.NSWEL > P.NWP) stop_with(" ++> Swell outside wave period range");
    WVSPEC(P.SWLTYP, &V.SWLPSD(1), P.SWELHT, P.SWELPD, V.WSWLPK, V.WKSWLPK, 1);
    SMPINT(&V.SWLPSD(1), R.VAR, R.VARDOT);
    V.SWHSWL = 4.0f * std::sqrt(R.VAR);
}

// One external force instance is supported; the others are switched off for the run.
void single_external_force_note() {
    Tpcm& P = TPCM;
    if (P.AXFC2 == 0) return;
    write_record(P.EDUNIT, "");
    write_record(P.EDUNIT, " ++> Note: Brevant currently supports only a single external force instance.");
    write_record(P.EDUNIT, "");
    PRSRET(P.EDUNIT, KBD_UNIT, P.LBACK);
    P.AXFC2 = 0;
    P.AXFC3 = 0;
}

void set_run_constants(RunValues& R) {
    const Tpcm& P = TPCM;
    const bool metric = P.NUNTS != 0;

    const Real knots = P.NUNTS == 1 ? 0.5142f : 1.687f;
    R.TMPWSP = P.WNDSPD * knots;
    R.TMPCSP = P.CURSPD * knots;
    R.BOWTPW = above_water_bow_caption(P.BOWWND);
    R.BOWTPC = below_water_bow_caption(P.BOWCUR);
    R.NEED_SPEC_SUM = BITVAL(P.BRVFLG, 9, P.EDUNIT) == 1 || BITVAL(P.BRVFLG, 10, P.EDUNIT) == 1 ||
                      BITVAL(P.BRVFLG, 25, P.EDUNIT) == 1 || BITVAL(P.BRVFLG, 24, P.EDUNIT) == 1;
    R.CVER = VERSION_STRING(P.VERNO);
    R.STARTA = P.VESAN0;
    WAVCOM.G = gravity(P.NUNTS);
    WAVCOM.RHOAIR = air_density(P.NUNTS);
    R.WDCNST = std::sqrt(P.DEPTH / WAVCOM.G);

    R.CWAV = sea_spectrum_caption(P.WAVTYP, R.LENWAV);
    if (P.LSPRED == 0) {
        R.CWAV2 = "; Long-crested seas";
        R.LNWAV2 = 19;
    } else {
        R.CWAV2 = "; Short-crested seas";
        R.LNWAV2 = 20;
    }

    R.TUNIT = metric ? "m.ton" : "k.lbs";
    R.AUNIT = metric ? "m." : "ft";
    R.MUNIT = metric ? "ton-m." : "kip-ft";
    if (P.LSLPHT == 0) {
        R.SLHUN2 = "deg";
        R.CSLPH1 = "height";
        R.CSLPH2 = " slope";
    } else {
        R.SLHUN2 = R.AUNIT.view();
        R.CSLPH1 = " slope";
        R.CSLPH2 = "height";
    }
    R.GLBVES = P.CRDSYS == 0 ? "(Global System)" : P.CRDSYS == 1 ? "(Vessel System)" : "(Error Message)";
    // Without waves there is no leading system: the captions stay blank.
    R.FSTCL = "";
    R.FSTCL5 = "";
    R.RELCUR = 0.0f;
    if (const std::optional<LeadingSystem> L = leading_wave_system()) {
        R.FSTCL = L->caption;
        R.FSTCL5 = L->plural;
        R.RELCUR = L->RELCUR;
    }
}

std::optional<LeadingSystem> leading_wave_system() {
    const Tpcm& P = TPCM;
    if (P.LRANDM == 1) return LeadingSystem{"Wave ", "Waves", P.CURHDG - P.SEAHDG(1)};
    if (P.LSWELL == 1) return LeadingSystem{"Swell", "Swell", P.CURHDG - P.SWLHDG};
    return std::nullopt;
}

void run_setup(RunValues& R) {
    Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    // The depths where the member drag will look the current profile up, as the case stands before
    // the run sets anything: the profile file's depths given twice count there only, as the checks
    // before the run counted them.
    const std::vector<Real> look_ups = current_profile_look_up_depths(P);

    // 1-12 but the console: captions, constants, gravity. Then the screen.
    set_run_constants(R);
    CLEAR(P.EDUNIT);

    // 6. One-model flags, and the words brought into line with them.
    INITFM(P.LWBARG, R.SWNFM, P.LCBARG, R.SCRFM, P.LWVCOF, R.SWVFM, P.EDUNIT);
    Int WNDUSR = 0, CURUSR = 0, WAVUSR = 0, LCTNKR = 0, LWTNKR = 0, LWNBRG = 0, LCRBRG = 0;
    TNKRID(P.LWBARG, R.SWNFM, WNDUSR, P.LCBARG, R.SCRFM, CURUSR, P.LWVCOF, R.SWVFM, WAVUSR, LCTNKR, LWTNKR, LWNBRG,
           LCRBRG, P.EDUNIT);

    // 7. Banner, and the attack-angle count the run can hold.
    write_record(P.EDUNIT, "");
    write_record(P.EDUNIT, " >>> " + R.MAINPG + " " + R.CVER);
    write_record(P.EDUNIT, "");
    limit_attack_angles();

    // 13. The report and its title page. Any report unit other than the file is written as it is.
    if (P.IUNIT == DISK_UNIT) RHOPEN(R.OUTFIL.view(), 1, 0, P.IDRIVE, P.IUNIT, R.SIMNAM.view(), P.EDUNIT, P.CMPUTR);
    start_report_page();
    TITLPG(P.CREATR(), R.TITLE1.view(), R.NUMTIT, R.SIMNAM.view(), R.LENNAM, P.VERNO, P.CID1P.view(),
           P.CID2P.view(), P.IUNIT);
    P.LBACK = 0;
    section_pause();

    // 14-17. Grid, sea, swell.
    run_frequency_grid(R);
    if (P.LRANDM != 0) run_sea_spectrum(R);
    if (P.LSWELL != 0) run_swell_spectrum(R);

    // 18-19.
    V.DWATRP() = 0.001f * P.DWATR;
    single_external_force_note();

    // 20. Motion phase 1 with the real hulls. A second swell has no spectrum in this program.
    P.LSWEL2 = 0;
    install_hull_table(real_hull_table());
    VESL1();

    // 21-23. The current profile at the vessel's draft, the load terms, the moment arm.
    Real DZMIN = 0.0f;
    CURPROF_INIT(P.TDRAFT(), DZMIN, P.EDUNIT, KBD_UNIT, look_ups);
    CFPREP();
    EQUILB.YAWARM = P.BRVARM;
}

}  // namespace brevant
