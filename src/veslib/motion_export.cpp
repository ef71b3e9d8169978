// The export records of the second motion phase.
#include "veslib/motion_export.h"

#include <algorithm>
#include <cmath>

#include "records/data_image.h"
#include "records/motion_record.h"
#include "records/response_record.h"
#include "records/wave_record.h"
#include "sysutl/binary_records.h"

namespace brevant {

namespace {

Real pool(Int k) { return HIMEM.RLDUM(k); }

Int motion_slot(Int IHT, Int IHD, Int IDOF) {
    return LOCAT0(HIMEM.NHTNHD, HIMEM.MAXHT, IHD, IHT, IDOF, HIMEM.LCNMOT);
}

// Significant height, sea peak period, swell heights and the vessel's roll, yaw and pitch RMS of
// height IHT and sea heading IHD.
void write_sea_state(Int IHT, Int IHD) {
    const Tpcm& P = TPCM;
    const Himem& H = HIMEM;
    Pascom& R = PASCOM;
    const Int LCNTMP = H.LCNWV + 3 * (IHT - 1);
    const Real CSEAHT = P.LRANDM != 0 ? 4.0f * std::sqrt(pool(LCNTMP)) : 0.0f;
    const Real TPEAK = P.LRANDM != 0 ? pool(LCNTMP + 2) : 0.0f;
    const Real CSWLHT = P.LSWELL != 0 ? 4.0f * std::sqrt(pool(H.LCNSWL)) : 0.0f;
    const Real CSWLHT2 = P.LSWEL2 != 0 ? 4.0f * std::sqrt(pool(H.LCNSWL2)) : 0.0f;
    R.WRLRMS = std::sqrt(pool(motion_slot(IHT, IHD, 4)));
    R.WPTRMS = std::sqrt(pool(motion_slot(IHT, IHD, 5)));
    R.WYWRMS = std::sqrt(pool(motion_slot(IHT, IHD, 6)));
    BinaryRecord rec;
    rec.add_real(CSEAHT).add_real(CSWLHT).add_real(CSWLHT2).add_real(TPEAK);
    rec.add_real(R.WRLRMS).add_real(R.WYWRMS).add_real(R.WPTRMS);
    write_binary_record(kExportUnit, rec);
}

void write_pair(Int unit, Real a, Real b) {
    BinaryRecord rec;
    rec.add_real(std::sqrt(a)).add_real(std::sqrt(b));
    write_binary_record(unit, rec);
}

// Hinge components 1 to 3 of the slot at h.
void write_hinge(Int unit, Int h) {
    const Int JUMP = 2 * HIMEM.NHTNHD;
    for (Int c = 0; c < 3; ++c) write_pair(unit, pool(h + c * JUMP), pool(h + c * JUMP + 1));
}

// Horizontal displacement (x and y variances summed before the root), then vertical, of the slot at d.
void write_displacement(Int unit, Int d) {
    const Int JUMP = 2 * HIMEM.NHTNHD;
    write_pair(unit, pool(d) + pool(d + JUMP), pool(d + 1) + pool(d + JUMP + 1));
    write_pair(unit, pool(d + 2 * JUMP), pool(d + 2 * JUMP + 1));
}

void layout_a() {
    const Himem& H = HIMEM;
    write_sea_state(1, 1);
    for (Int n = 1; n <= std::min<Int>(TPCM.NACC(), 149); ++n) {
        const Int offset = 6 * H.NHTNHD * (n - 1);
        write_hinge(kExportUnit, H.LCNHNG + offset);
        write_displacement(kExportUnit, H.LCNDSP + offset);
    }
}

void layout_b() {
    const Tpcm& P = TPCM;
    Himem& H = HIMEM;
    Int NHTLP = 1;
    Int NHDGLP = 1;
    if (P.LRANDM != 0) {
        // The counts stay within the block's heights and headings.
        NHTLP = std::min<Int>(P.NSEAHT(), H.MAXHT);
        NHDGLP = std::min<Int>(P.NSEAHG, H.MAXHDG);
    } else if (P.LSWEL2 == 1) {
        NHTLP = 2;
        NHDGLP = 2;
    }
    const bool two_bodies = P.ISPM == 3;
    const Int second = 6 * H.NHTNHD;
    for (H.IHD = 1; H.IHD <= NHDGLP; ++H.IHD) {
        for (H.IHT = 1; H.IHT <= NHTLP; ++H.IHT) {
            write_sea_state(H.IHT, H.IHD);
            const Int k = 2 * ((H.IHT - 1) + (H.IHD - 1) * H.MAXHT);
            const Int h = H.LCNHNG + k;
            write_hinge(kExportUnit, h);
            if (two_bodies) write_hinge(kSecondBodyUnit, h + second);
            const Int d = H.LCNDSP + k;
            write_displacement(kExportUnit, d);
            if (two_bodies) write_displacement(kSecondBodyUnit, d + second);
        }
    }
}

}  // namespace

void write_export_header() {
    BinaryRecord rec;
    rec.add_int(WAVCOM.NRAO);
    write_binary_record(kExportUnit, rec);
}

void write_export_heading() {
    const Int IRAO = WAVCOM.IRAO;
    BinaryRecord rec;
    rec.add_real(HIMEM.RAOANG(IRAO)).add_logical(HIMEM.LRAO(IRAO) != 0);
    write_binary_record(kExportUnit, rec);
}

void write_export_statistics() {
    const Tpcm& P = TPCM;
    if (P.ISPM == 0 || P.ISPM == 1) return;
    if (P.NUM_SWEL == 0 && P.LRANDM == 0) return;
    if (P.ISPM >= 4 || (P.ISPM == 2 && P.SIMTYP == 13)) {
        layout_a();
    } else if (P.ISPM == 2 || P.ISPM == 3) {
        layout_b();
    }
}

}  // namespace brevant
