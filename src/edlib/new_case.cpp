// New-case defaults of the data image, for this program and the sibling types that share the loader.
#include "edlib/new_case.h"

#include "records/data_image.h"

namespace brevant {

void store_new_case_defaults(Int CREATQ) {
    Tpcm& P = TPCM;

    for (int i = 1; i <= 6; ++i) P.MOTION(i) = 1;
    P.CID1P.assign("");
    P.CID2P.assign("");
    P.PRNRAO = 0;
    P.NEGSUM = 0;
    P.LFORCE = 1;
    P.LMOTN = 1;
    P.IUNIT = 1;
    P.IVERS_SUFX = 0;
    P.WAVTYP = 1;
    P.WNDTYP = 1;
    P.NWP = 30;
    P.NDIR = 1;
    P.NA = 6;
    P.NSEAHG = 1;
    P.NPARM = 1;
    P.LRANDM = 0;
    P.LSWELL = 0;
    P.LSWEL2 = 0;
    P.NCURNT = 2;
    P.N_OCHI_COMP = 2;
    // Regular-wave periods 5.0, 5.5, ..., 54.5 s; every step is exact in single precision.
    P.T(1) = 5.0f;
    for (int i = 2; i <= 100; ++i) P.T(i) = P.T(i - 1) + 0.5f;
    P.DWATR = 64.0f;
    P.COSEXP = 2.0f;
    P.DURATN = 1.0f;
    P.SWLWID = 0.1f;
    P.WAVWID = 0.1f;
    P.ANGSEC = 180.0f;
    P.NACC() = 1;
    P.ROLTYP = 1;
    // Each of the three 4-bit fields of the model words at 1 (hexadecimal 111).
    P.LCBARG = 273;
    P.LWBARG = 273;
    P.LWVCOF = 273;
    P.VESTYP = 1;
    P.BOWFAC = 1.0f;
    P.WNDFAC = 1.0f;
    P.CURFAC = 1.0f;
    P.WVFCY = 1.0f;
    P.WVFCX = 1.0f;
    P.WVFCM = 1.0f;
    P.VWDFAC = 1.0f;
    P.STRNFC = 1.25f;
    P.LOADED = 100.0f;
    P.DFTPCT = 100.0f;
    P.XSHDOW = 1.0f;
    P.YSHDOW = 1.0f;
    P.XCURNTDN = 1.0f;
    P.XCURNTUP = 1.0f;
    P.YCURNTDN = 1.0f;
    P.YCURNTUP = 1.0f;
    P.WVDGCX = 1.0f;
    P.WVDGCY = 1.0f;
    P.WVDGCM = 1.0f;
    P.VWDRGFC = 1.0f;
    P.LQUAS = 1;
    P.LDYN = 1;

    switch (CREATQ) {
        case 2: P.VESTYP = 2; break;
        case 3:
        case 14:
            P.VESTYP = 3;
            P.LWVCOF = 546;
            break;
        case 4:
            P.VESTYP = 4;
            P.LWVCOF = 1092;
            break;
        case 17:
            P.VESTYP = 3;
            P.LWVCOF = 819;
            break;
        default: break;
    }

    // The two-vessel types keep a second vessel in words 1988-3220.
    if (CREATQ == 10 || CREATQ == 13) {
        P.BRLTYP = 1;
        P.BBOWCF = 1.0f;
        P.BVWDFC = 1.0f;
        P.BWVFCX = 1.0f;
        P.BWVFCY = 1.0f;
        P.BWVFCM = 1.0f;
        P.BWVDGCX = 1.0f;
        P.BWVDGCY = 1.0f;
        P.BWVDGCM = 1.0f;
        P.BVWDRGFC = 1.0f;
        P.BXCURNTDN = 1.0f;
        P.BXCURNTUP = 1.0f;
        P.BYCURNTDN = 1.0f;
        P.BYCURNTUP = 1.0f;
        P.BWNDCF = 1.0f;
        P.BCURCF = 1.0f;
        P.BXSHDW = 1.0f;
        P.BYSHDW = 1.0f;
        P.BLCBRG = 1092;
        P.BLWBRG = 546;
        P.BLODED = 100.0f;
        P.BDFTPC = 100.0f;
        if (CREATQ == 13) {
            P.BWVCOF = 1092;
            P.BVSTYP = 4;
            P.IARCO = 1;
        } else {
            P.BWVCOF = 273;
            P.BVSTYP = 1;
            P.IARCO = 0;
        }
    }
}

}  // namespace brevant
