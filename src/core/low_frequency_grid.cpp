#include "core/low_frequency_grid.h"

#include "options/low_frequency_rows.h"
#include "records/data_image.h"
#include "records/motion_record.h"
#include "sysutl/fortran_format.h"
#include "sysutl/pauses.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"

namespace brevant {

Int low_frequency_row_count() { return low_frequency_rows(TPCM.BRV_PD_MIN(), TPCM.BRVFRQ_DELTA); }

void hold_low_frequency_rows() {
    Tpcm& P = TPCM;
    if (!too_many_low_frequency_rows(P.BRV_PD_MIN(), P.BRVFRQ_DELTA)) return;
    // Millions of rows would fill the disk long before the run ended: the run stops here, before
    // the table, and says which two items set its size.
    write_record(P.EDUNIT, "");
    write_record(P.EDUNIT,
                 Record().put(" ++> Low-frequency spectral tables of more than").I(kMaxLowFrequencyRows, 7).put(" rows:").str());
    write_record(P.EDUNIT, "     raise the frequency interval (item 22) or the minimum period (item 23)");
    write_record(P.EDUNIT, "     on output options page 2 (page 15) and run again.");
    write_record(P.EDUNIT, "");
    PRSRET(P.EDUNIT, KBD_UNIT, P.LBACK);
    stop_program(1);
}

void for_each_low_frequency_row(const std::function<void(Int IW, Real WFREQ)>& ROW) {
    const Int NIWQ = low_frequency_row_count();
    Real WFREQ = 0.0f;
    // A local counter: the spectrum routines a row calls may use the shared one themselves.
    Int IW = 1;
    for (; IW <= NIWQ; ++IW) {
        ROW(IW, WFREQ);
        WFREQ = WFREQ + TPCM.BRVFRQ_DELTA;
    }
    HIMEM.IW = IW;
}

std::string two_column_low_frequency_row(Int IW, Real WFREQ, Real SPACING1, Real SPACING2, Real VALUE1, Real VALUE2) {
    Record row;
    if (IW == 1) {
        row.x(1).F(0.0f, 6, 4).t(13).put("Infinity").t(28).put("Infinity").t(42).put("Infinity");
    } else {
        row.x(1)
            .F(WFREQ, 6, 4)
            .x(5)
            .F(kTwoPi / WFREQ, 8, 2)
            .x(4)
            .F(SPACING1, 11, 2)
            .x(3)
            .F(SPACING2, 11, 2);
    }
    return row.x(4).PE(VALUE1, 9, 2).x(5).PE(VALUE2, 9, 2).str();
}

std::string one_column_low_frequency_row(Int IW, Real WFREQ, Real SPACING, Real VALUE) {
    Record row;
    if (IW == 1) {
        row.x(1).F(0.0f, 6, 4).t(15).put("Infinity").t(32).put("Infinity");
    } else {
        row.x(1).F(WFREQ, 6, 4).x(7).F(kTwoPi / WFREQ, 8, 2).x(6).F(SPACING, 11, 2);
    }
    return row.x(8).PE(VALUE, 9, 2).str();
}

std::string force_spectrum_low_frequency_row(Int IW, Real WFREQ, Real SPACING, Real SFX, Real SFY, Real SMZ) {
    Record row;
    if (IW == 1) {
        row.x(1).F(0.0f, 6, 4).t(13).put("Infinity").t(27).put("Infinity");
    } else {
        row.x(1).F(WFREQ, 6, 4).x(5).F(kTwoPi / WFREQ, 8, 2).x(3).F(SPACING, 11, 2);
    }
    return row.x(4).PE(SFX, 9, 2).x(4).PE(SFY, 9, 2).x(4).PE(SMZ, 9, 2).str();
}

std::string summed_force_spectrum_low_frequency_row(Int IW, Real WFREQ, Real SFX, Real SFY, Real SMZ) {
    Record row;
    if (IW == 1) {
        row.x(1).F(0.0f, 6, 4).t(13).put("Infinity");
    } else {
        row.x(1).F(WFREQ, 6, 4).x(5).F(kTwoPi / WFREQ, 8, 2);
    }
    return row.x(3).PE(SFX, 9, 2).x(4).PE(SFY, 9, 2).x(4).PE(SMZ, 9, 2).str();
}

}  // namespace brevant
