// The one vessel-motion record of the program, its pool layout and the pool locators.
#include "records/motion_record.h"

#include <algorithm>

namespace brevant {

Himem HIMEM;

void reset_himem() { std::ranges::fill(image_bytes(HIMEM), std::byte{0}); }

void lay_out_himem_pool() {
    Himem& H = HIMEM;
    H.NARRAY = 100;
    H.MAXHT = 6;
    H.MAXHDG = 37;
    H.NDOF = 6;
    H.NHTNHD = H.MAXHT * H.MAXHDG;
    H.MAXDIF = 2 * H.NDOF * H.NHTNHD;
    H.MAX_HT_TOT = 8;
    H.MAX_HDG_TOT = 39;
    H.NHTNHD_TOT = H.MAX_HT_TOT * H.MAX_HDG_TOT;

    // The six RAO arrays, as complex locations.
    H.LCNSG = 1;
    H.LCNSWY = H.LCNSG + H.NARRAY;
    H.LCNHV = H.LCNSWY + H.NARRAY;
    H.LCNROL = H.LCNHV + H.NARRAY;
    H.LCNPIT = H.LCNROL + H.NARRAY;
    H.LCNYAW = H.LCNPIT + H.NARRAY;
    H.NBASE = 2 * 6 * H.NARRAY;

    // Everything else as real locations.
    H.LCNW = H.NBASE + 1;
    H.LCNWK = H.LCNW + 100;
    H.LCNW2 = H.LCNWK + 100;
    H.LCNPSD = H.LCNW2 + 100;
    H.LCNFTQ = H.LCNPSD + 800;
    H.LCNMOT = H.LCNFTQ + H.MAXDIF;
    // One point-motion block holds 149 (not 150) points of NDOF x NHTNHD reals.
    const Int block = 149 * H.NDOF * H.NHTNHD;
    H.LCNACC = H.LCNMOT + H.MAXDIF;
    H.LCNVEL = H.LCNACC + block;
    H.LCNHNG = H.LCNVEL + block;
    H.LCNDSP = H.LCNHNG + block;
    H.LCNSIG = H.LCNDSP + block;
    H.LCNSIG2 = H.LCNSIG + 2;
    H.LCNSWL = H.LCNSIG2 + 2;
    H.LCNSWL2 = H.LCNSWL + 2;
    H.LCNWV = H.LCNSWL2 + 2;
    H.LACRAO = H.LCNWV + 24;
    H.NXTFRE = H.LACRAO + 800;
}

void INDXUP() {
    Himem& H = HIMEM;
    H.IWM = H.IW - 1;
    H.LW = H.LCNW + H.IWM;
    H.LW2 = H.LCNW2 + H.IWM;
    H.LWK = H.LCNWK + H.IWM;
    H.LHV = H.LCNHV + H.IWM;
    H.LSG = H.LCNSG + H.IWM;
    H.LSW = H.LCNSWY + H.IWM;
    H.LPT = H.LCNPIT + H.IWM;
    H.LRL = H.LCNROL + H.IWM;
    H.LYA = H.LCNYAW + H.IWM;
}

Int LOCAT0(Int NHTNHD, Int MAXHT, Int IHD, Int IHT, Int IDOF, Int LOCN0) {
    return LOCN0 + 2 * ((IHT - 1) + (IHD - 1) * MAXHT + (IDOF - 1) * NHTNHD);
}

}  // namespace brevant
