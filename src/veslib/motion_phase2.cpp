// Motion phase 2 of a stand-alone vessel-motion run.
#include "veslib/motion_phase2.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "numeric/algebra.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/binary_records.h"
#include "sysutl/error_exits.h"
#include "sysutl/fortran_format.h"
#include "sysutl/report_files.h"
#include "sysutl/units.h"
#include "veslib/hull_dispatch.h"
#include "veslib/motion_export.h"
#include "veslib/motion_pages.h"
#include "veslib/point_motion_report.h"
#include "veslib/response_statistics.h"
#include "veslib/user_raos.h"
#include "veslib/relative_headings.h"

namespace brevant {

namespace {

constexpr const char* kMainpg = "TORMEDA2";
constexpr Int kBinary = 0;
constexpr Int kText = 1;
constexpr Int kMustExist = 1;
constexpr Int kCreateNew = 0;
// The running type of this program: its motion runs open no file and write no progress line.
constexpr Int kOwnRunningType = 16;

struct FileNames {
    std::string RAOFL;
    std::string RAOPFL;
    std::string AUXFIL;
    std::string TUGFIL;
    std::string USRDAT = "USERRAOS.txt";
};

// The names by mooring type and, for types 2 and 3, by running type; the other types by hull. A
// combination without names keeps them blank, and opening a blank name is refused with the
// file-access report.
FileNames file_names() {
    const Tpcm& P = TPCM;
    FileNames f;
    auto set = [&f](const char* page, const char* plot, const char* aux, const char* tug, const char* usr) {
        f.RAOFL = page;
        f.RAOPFL = plot;
        f.AUXFIL = aux;
        f.TUGFIL = tug;
        f.USRDAT = usr;
    };
    if (P.ISPM == 1) {
        set("TANKRAO.stxt", "TANKRAO.plt", "YOKEMOT", "", "USERRAOS.txt");
    } else if (P.ISPM == 2) {
        if (P.SIMTYP == 10) set("TUGRAO.stxt", "TUGRAO.plt", "TUGSTERN", "", "UTUGSRAO.txt");
        if (P.SIMTYP == 13) set("BUOYRAO.stxt", "BUOYRAO.plt", "BUOYMOTN", "", "UBUOYRAO.txt");
    } else if (P.ISPM == 3) {
        if (P.SIMTYP == 10) set("BARGRAO.stxt", "BARGRAO.plt", "BARGEBOW", "TUGSTERN", "UBARGRAO.txt");
        if (P.SIMTYP == 13) set("TANKRAO.stxt", "TANKRAO.plt", "TANKBOW", "BUOYMOTN", "UTANKRAO.txt");
    } else {
        f.AUXFIL = "FAIRMOT";
        switch (selected_hull()) {
            case HullModel::Ship:
                f.RAOFL = "KORVRAO.stxt";
                f.RAOPFL = "KORVRAO.plt";
                break;
            case HullModel::JackUp:
                f.RAOFL = "TANDRAO.stxt";
                f.RAOPFL = "TANDRAO.plt";
                break;
            case HullModel::MemberBuilt:
                f.RAOFL = "PELMRAO.stxt";
                f.RAOPFL = "PELMRAO.plt";
                break;
            case HullModel::DiscBuoy:
                f.RAOFL = "VOSKRAO.stxt";
                f.RAOPFL = "VOSKRAO.plt";
                break;
            case HullModel::None:
                break;
        }
    }
    return f;
}

// The units this call opened, so that it closes exactly those.
struct OpenUnits {
    bool relmot = false;
    bool companion = false;
    bool line_angle = false;
    bool export_file = false;
    bool pages = false;
    bool plot = false;
};

void open_file(const std::string& name, Int form, Int must_exist, Int unit) {
    const Tpcm& P = TPCM;
    RHOPEN(name, form, must_exist, P.IDRIVE, unit, kMainpg, P.EDUNIT, P.CMPUTR);
}

void close_file(Int unit, const std::string& name) { HCLOSE(unit, name, kMainpg, TPCM.EDUNIT); }

// One record of the companion-body file, or the read-failure report that ends the run.
void read_companion(const std::string& TUGFIL, bool heading_record) {
    BinaryRecord rec;
    bool ok = read_binary_record(kCompanionUnit, rec) == RecordRead::Ok;
    if (ok && heading_record) {
        rec.get_real();
        rec.get_logical();
    } else if (ok) {
        rec.get_int();
    }
    if (!ok || !rec.ok()) FILERR(TUGFIL, kMainpg, TPCM.EDUNIT, KBD_UNIT);
}

// Whether heading IRAO takes statistics: used by a sea heading's spread angles or long-crested
// heading, a locked swell, or the free swells.
bool heading_used(Int IRAO) {
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    const WavCom& V = WAVCOM;
    bool used = false;
    for (Int IHD = 1; IHD <= std::min<Int>(P.NSEAHG, 37); ++IHD) {
        for (Int IA = 1; IA <= spreading_angle_count(); ++IA)
            if (IRAO == H.INTGFL(IA, IHD)) used = true;
        if (IRAO == H.IRAN(IHD)) used = true;
        if (P.LSWELL == 1 && P.LSWLOK == 1) {
            if (IRAO == H.ISWL(IHD)) used = true;
            if (P.LSWEL2 == 1 && IRAO == H.ISWL2(IHD)) used = true;
        }
    }
    if (P.LSWLOK == 0 && (IRAO == V.ISWELL || IRAO == V.ISWEL2)) used = true;
    return used;
}

void zero_heave_roll_pitch() {
    Himem& H = HIMEM;
    for (H.IW = 1; H.IW <= std::clamp<Int>(TPCM.NWP, 0, 100); ++H.IW) {
        INDXUP();
        H.CXDUM(H.LHV) = Complex(0.0f, 0.0f);
        H.CXDUM(H.LRL) = Complex(0.0f, 0.0f);
        H.CXDUM(H.LPT) = Complex(0.0f, 0.0f);
    }
}

void blank_progress(const std::string& line) {
    const Int U = TPCM.EDUNIT;
    write_record(U, "");
    write_record(U, line);
    write_record(U, "");
}

}  // namespace

void set_ROTVES(Real TRIMDG, Real HEELDG) {
    const Real T = TRIMDG / 57.295776f;
    const Real Hh = HEELDG / 57.295776f;
    const Real cT = std::cos(T);
    const Real sT = std::sin(T);
    const Real cH = std::cos(Hh);
    const Real sH = std::sin(Hh);
    auto& R = HIMEM.ROTVES;
    R(1, 1) = cT;
    R(1, 2) = 0.0f;
    R(1, 3) = -sT;
    R(2, 1) = sT * sH;
    R(2, 2) = cH;
    R(2, 3) = cT * sH;
    R(3, 1) = sT * cH;
    R(3, 2) = -sH;
    R(3, 3) = cT * cH;
}

void rotate_rao_triples(bool back) {
    Himem& H = HIMEM;
    for (H.IW = 1; H.IW <= std::clamp<Int>(TPCM.NWP, 0, 100); ++H.IW) {
        INDXUP();
        const Int translation[3] = {H.LSG, H.LSW, H.LHV};
        const Int rotation[3] = {H.LRL, H.LPT, H.LYA};
        for (const Int* loc : {translation, rotation}) {
            const Complex v[3] = {H.CXDUM(loc[0]), H.CXDUM(loc[1]), H.CXDUM(loc[2])};
            Complex r[3];
            if (back) {
                GTPDCX(H.ROTVES.data(), v, r, 3, 3, 1);
            } else {
                GMPDCX(H.ROTVES.data(), v, r, 3, 3, 1);
            }
            for (int i = 0; i < 3; ++i) H.CXDUM(loc[i]) = r[i];
        }
    }
}

void VESL2() {
    Tpcm& P = TPCM;
    WavCom& V = WAVCOM;
    Himem& H = HIMEM;
    set_ROTVES(P.TRIMDG, P.HEELDG);
    const bool tilt = P.TRIMDG != 0.0f || P.HEELDG != 0.0f;
    H.IUNX = kCompanionUnit;
    const bool own_type = P.SIMTYP == kOwnRunningType;
    FileNames names;
    OpenUnits opened;

    if (!own_type) {
        names = file_names();
        if (P.ISPM == 3) {
            open_file("RELMOT", kBinary, kCreateNew, kSecondBodyUnit);
            opened.relmot = true;
            open_file(names.TUGFIL, kBinary, kMustExist, kCompanionUnit);
            opened.companion = true;
            if (P.IANC == 0) read_companion(names.TUGFIL, false);
        }
        if (P.ISPM > 1) {
            open_file("LINEANG", kBinary, kMustExist, kLineAngleUnit);
            opened.line_angle = true;
        }
        if (P.ISPM != 0) {
            open_file(names.AUXFIL, kBinary, kCreateNew, kExportUnit);
            opened.export_file = true;
        }
        if (P.IUNIT == 1 && P.NEGSUM == 0 && P.LFORCE + P.LODRAO() != 0) {
            open_file(names.RAOFL, kText, kCreateNew, P.IUNIT);
            opened.pages = true;
        }
        if (P.IPLOTS != 0) {
            open_file(names.RAOPFL, kText, kCreateNew, PLOT_UNIT);
            opened.plot = true;
            if (P.IPLOTS == 2) {
                write_record(PLOT_UNIT, fmt_X(1) + fmt_I(P.IUNIT, 5));
                write_record(PLOT_UNIT, fmt_X(1) + fmt_I(1000, 5));
                H.NCURV = 1;
                H.IXFLAG = 1;
            }
        }
        if (P.ISPM > 1) write_export_header();
    }
    const bool progress = !own_type && P.hideTorMedaReports == 0;
    FixedText<13> USRDAT(names.USRDAT);

    for (V.IRAO = 1; V.IRAO <= std::min<Int>(V.NRAO, 500); ++V.IRAO) {
        const Int IRAO = V.IRAO;
        H.LSKIP = heading_used(IRAO) ? 0 : 1;
        if (progress) {
            write_record(P.EDUNIT, "");
            write_record(P.EDUNIT,
                         " --> Computing driving forces/torques for relative wave heading " + fmt_F(H.RAOANG(IRAO), 7, 2));
            write_record(P.EDUNIT, "");
        }
        Int NPASS2 = 5;
        hull_forces(NPASS2);
        if (tilt) rotate_rao_triples(false);
        const bool pages_wanted = P.NEGSUM == 0 && (H.LRAO(IRAO) != 0 || P.ALLRAO != 0);
        H.LFRFLG = 1;
        if (P.LFORCE != 0 && pages_wanted) RUTIL();
        H.LOCSIG = H.LCNFTQ;
        if (progress) blank_progress(" --> Computing raos and irregular wave statistics...");
        if (H.LSKIP == 0) STAT1();
        if (P.AUXVSH != 0) {
            USRRAO(USRDAT);
        } else {
            if (tilt) rotate_rao_triples(true);
            hull_raos();
            if (PASCOM.QUASQUENCH == 1) zero_heave_roll_pitch();
        }
        if (tilt && (P.AUXVSH == 0 || P.DECKUP == 0)) rotate_rao_triples(false);
        H.LFRFLG = 0;
        if (P.LODRAO() != 0 && pages_wanted) RUTIL();
        H.LOCSIG = H.LCNMOT;
        if (H.LSKIP == 0) STAT1();
        if (tilt && (P.AUXVSH == 0 || P.DECKUP == 1)) rotate_rao_triples(true);
        if (P.ISPM > 1 && opened.export_file) write_export_heading();
        if (P.NBUG == 1) {
            write_record(P.EDUNIT, "IRAO,NRAO,RAOANG(IRAO),LRAO(IRAO),LRAO(IRAO)");
            write_record(P.EDUNIT, fmt_I(IRAO, 5) + fmt_I(V.NRAO, 5) + fmt_E(H.RAOANG(IRAO), 12, 4) +
                                       fmt_L(H.LRAO(IRAO) != 0, 5) + fmt_I(H.LRAO(IRAO), 5));
        }
        if (P.ISPM == 3 && opened.companion) read_companion(names.TUGFIL, true);
        if (P.LACC != 0) {
            H.LOCSIG = H.LCNACC;
            H.LFRFLG = 2;
            ACCOUT(P.NACC(), P.RACC);
        }
        if (P.LVEL != 0) {
            H.LOCSIG = H.LCNVEL;
            H.LFRFLG = 3;
            ACCOUT(P.NACC(), P.RACC);
        }
        if (P.LDSP != 0) {
            H.LOCSIG = H.LCNDSP;
            H.LFRFLG = 4;
            ACCOUT(P.NACC(), P.RACC);
        }
    }

    if (P.NBUG == 1) write_record(P.EDUNIT, "LABEL 85");
    if (opened.export_file) {
        write_export_statistics();
        close_file(kExportUnit, names.AUXFIL);
    }
    if (opened.companion) close_file(kCompanionUnit, names.TUGFIL);
    if (opened.relmot) close_file(kSecondBodyUnit, "RELMOT");
    if (opened.line_angle) close_file(kLineAngleUnit, "LINEANG");
    if (opened.pages) close_file(P.IUNIT, names.RAOFL);
    if (opened.plot) close_file(PLOT_UNIT, names.RAOPFL);
}

}  // namespace brevant
