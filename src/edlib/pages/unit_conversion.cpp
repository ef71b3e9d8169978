// The conversion of a whole case between English and metric units. One table names every word that
// changes; the converters walk it and touch nothing else, so a word missing here keeps its bits.
#include "edlib/pages/unit_conversion.h"

#include <bit>

#include "records/data_image.h"
#include "sysutl/toggles.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

using C = Converter;
using F = Factor;

// Word numbers are those of the data image. The vessel record spans words 754-1666 (its first
// converted word is 905); the second vessel record, 1988-2900, is converted with the same rows.
constexpr ConversionRow kTable[] = {
    // Site and environment values of the top block.
    {C::TOPCVRT, "USRPSD", 218, 100, F::AREACV},
    {C::TOPCVRT, "SWHT", 430, 6, F::LENCV},
    {C::TOPCVRT, "DEPTH", 446, 1, F::LENCV},
    {C::TOPCVRT, "DWATR", 447, 1, F::FDENCV},
    {C::TOPCVRT, "SLPHT", 448, 1, F::SLOPE_HEIGHT},
    {C::TOPCVRT, "SWELHT", 451, 1, F::LENCV},
    {C::TOPCVRT, "WNDDEN", 456, 1, F::AREACV},
    {C::TOPCVRT, "CURDEN", 459, 1, F::AREACV},
    {C::TOPCVRT, "DPTHI", 462, 5, F::LENCV},
    {C::TOPCVRT, "BRVARM", 474, 1, F::LENCV},
    {C::TOPCVRT, "WNDDNY", 479, 1, F::AREACV},
    {C::TOPCVRT, "WNDDNZ", 480, 1, F::AREACV},
    {C::TOPCVRT, "CURDNY", 481, 1, F::AREACV},
    {C::TOPCVRT, "CURDNZ", 482, 1, F::AREACV},
    {C::TOPCVRT, "WSPEC_HGT", 490, 1, F::LENCV},
    // The second swell's height is shown in feet or meters and read by the analysis like the first.
    {C::TOPCVRT, "SWELHT2", 491, 1, F::LENCV},
    {C::TOPCVRT, "excursionLimitDiameter", 1667, 1, F::LENCV},
    {C::TOPCVRT, "OFFINC", 1673, 1, F::LENCV},
    {C::TOPCVRT, "HMIN", 1674, 1, F::FRCCV},
    {C::TOPCVRT, "TLOAD", 1675, 1, F::FRCCV},
    {C::TOPCVRT, "AUXFOR", 1686, 90, F::FRCCV},
    {C::TOPCVRT, "AUXTRQ", 1776, 90, F::FRCCV},  // by the force factor, as the sibling types keep it

    // The vessel record, and TLP_TENSION beside it.
    {C::VESCVRT, "TLP_TENSION", 483, 1, F::FRCCV},
    {C::VESCVRT, "RACC", 905, 447, F::LENCV},
    {C::VESCVRT, "XWNDAR", 1353, 1, F::AREACV},
    {C::VESCVRT, "XWARM", 1354, 1, F::LENCV},
    {C::VESCVRT, "YWNDAR", 1355, 1, F::AREACV},
    {C::VESCVRT, "YWARM", 1356, 1, F::LENCV},
    {C::VESCVRT, "XCURAR", 1357, 1, F::AREACV},
    {C::VESCVRT, "XCARM", 1358, 1, F::LENCV},
    {C::VESCVRT, "YCURAR", 1359, 1, F::AREACV},
    {C::VESCVRT, "YCARM", 1360, 1, F::LENCV},
    {C::VESCVRT, "XSALM", 1375, 1, F::LENCV},
    {C::VESCVRT, "PNDARM", 1376, 1, F::LENCV},
    // The six springs, rotational ones too, as force per length.
    {C::VESCVRT, "SGK", 1377, 1, F::LSPRCV},
    {C::VESCVRT, "SWK", 1378, 1, F::LSPRCV},
    {C::VESCVRT, "YWK", 1379, 1, F::LSPRCV},
    {C::VESCVRT, "HVK", 1380, 1, F::LSPRCV},
    {C::VESCVRT, "PTK", 1381, 1, F::LSPRCV},
    {C::VESCVRT, "RLK", 1382, 1, F::LSPRCV},
    {C::VESCVRT, "ZXWARM", 1400, 1, F::LENCV},
    {C::VESCVRT, "ZYWARM", 1401, 1, F::LENCV},
    {C::VESCVRT, "ZXCARM", 1402, 1, F::LENCV},
    {C::VESCVRT, "ZYCARM", 1403, 1, F::LENCV},
    {C::VESCVRT, "DISPL", 1409, 1, F::FRCCV},
    {C::VESCVRT, "VKB", 1410, 1, F::LENCV},
    {C::VESCVRT, "VKG", 1411, 1, F::LENCV},
    {C::VESCVRT, "DRAFT", 1412, 1, F::LENCV},
    {C::VESCVRT, "AWP", 1413, 1, F::AREACV},
    {C::VESCVRT, "PGYR", 1414, 1, F::LENCV},
    {C::VESCVRT, "RGYR", 1415, 1, F::LENCV},
    {C::VESCVRT, "YGYR", 1416, 1, F::LENCV},
    {C::VESCVRT, "VKMT", 1417, 1, F::LENCV},
    {C::VESCVRT, "VKML", 1418, 1, F::LENCV},
    {C::VESCVRT, "LWL", 1419, 1, F::LENCV},
    {C::VESCVRT, "BWL", 1420, 1, F::LENCV},
    {C::VESCVRT, "BILGR", 1421, 1, F::LENCV},
    {C::VESCVRT, "TKEEL", 1422, 1, F::LENCV},
    {C::VESCVRT, "RKEEL", 1423, 1, F::LENCV},
    {C::VESCVRT, "DKEEL", 1424, 1, F::LENCV},
    {C::VESCVRT, "VCBEST", 1426, 1, F::LENCV},
    {C::VESCVRT, "GMTEST", 1427, 1, F::LENCV},
    {C::VESCVRT, "GMLEST", 1428, 1, F::LENCV},
    {C::VESCVRT, "AWPEST", 1430, 1, F::AREACV},
    {C::VESCVRT, "XCBEST", 1431, 1, F::LENCV},
    {C::VESCVRT, "YCBEST", 1432, 1, F::LENCV},
    {C::VESCVRT, "XWPCTR", 1433, 1, F::LENCV},
    {C::VESCVRT, "YWPCTR", 1434, 1, F::LENCV},
    {C::VESCVRT, "XVFRC", 1435, 1, F::FRCCV},
    {C::VESCVRT, "YVFRC", 1436, 1, F::FRCCV},
    {C::VESCVRT, "VESMOM", 1437, 1, F::FMOMCV},
    {C::VESCVRT, "XVLOC", 1439, 1, F::LENCV},
    {C::VESCVRT, "YVLOC", 1440, 1, F::LENCV},
    {C::VESCVRT, "DPASPR", 1447, 1, F::KSPRCV},
    {C::VESCVRT, "DPXPNT", 1448, 1, F::LENCV},
    {C::VESCVRT, "DPXSPR", 1450, 1, F::LSPRCV},
    {C::VESCVRT, "DPYPNT", 1451, 1, F::LENCV},
    {C::VESCVRT, "DPYSPR", 1453, 1, F::LSPRCV},
    {C::VESCVRT, "DPXFRC", 1454, 1, F::FRCCV},
    {C::VESCVRT, "DPYFRC", 1455, 1, F::FRCCV},
    {C::VESCVRT, "DPMOM", 1456, 1, F::FMOMCV},
    {C::VESCVRT, "DPXLOC", 1457, 1, F::LENCV},
    {C::VESCVRT, "DPYLOC", 1458, 1, F::LENCV},
    {C::VESCVRT, "ZVLOC", 1459, 1, F::LENCV},
    {C::VESCVRT, "SPECF1", 1460, 1, F::FRCCV_TWICE},
    {C::VESCVRT, "SPECM1", 1461, 1, F::FMOMCV_TWICE},
    {C::VESCVRT, "ZVFRC", 1465, 1, F::FRCCV},
    {C::VESCVRT, "XVSMO1", 1466, 1, F::FMOMCV},
    {C::VESCVRT, "YVSMO1", 1467, 1, F::FMOMCV},
    {C::VESCVRT, "XVFRC2", 1468, 1, F::FRCCV},
    {C::VESCVRT, "YVFRC2", 1469, 1, F::FRCCV},
    {C::VESCVRT, "ZVFRC2", 1470, 1, F::FRCCV},
    {C::VESCVRT, "XVSMO2", 1471, 1, F::FMOMCV},
    {C::VESCVRT, "YVSMO2", 1472, 1, F::FMOMCV},
    {C::VESCVRT, "VESMO2", 1473, 1, F::FMOMCV},
    {C::VESCVRT, "SPECF2", 1474, 1, F::FRCCV_TWICE},
    {C::VESCVRT, "SPECM2", 1475, 1, F::FMOMCV_TWICE},
    {C::VESCVRT, "XVLOC2", 1476, 1, F::LENCV},
    {C::VESCVRT, "YVLOC2", 1477, 1, F::LENCV},
    {C::VESCVRT, "ZVLOC2", 1478, 1, F::LENCV},
    {C::VESCVRT, "XVFRC3", 1482, 1, F::FRCCV},
    {C::VESCVRT, "YVFRC3", 1483, 1, F::FRCCV},
    {C::VESCVRT, "ZVFRC3", 1484, 1, F::FRCCV},
    {C::VESCVRT, "XVSMO3", 1485, 1, F::FMOMCV},
    {C::VESCVRT, "YVSMO3", 1486, 1, F::FMOMCV},
    {C::VESCVRT, "VESMO3", 1487, 1, F::FMOMCV},
    {C::VESCVRT, "SPECF3", 1488, 1, F::FRCCV_TWICE},
    {C::VESCVRT, "SPECM3", 1489, 1, F::FMOMCV_TWICE},
    {C::VESCVRT, "XVLOC3", 1490, 1, F::LENCV},
    {C::VESCVRT, "YVLOC3", 1491, 1, F::LENCV},
    {C::VESCVRT, "ZVLOC3", 1492, 1, F::LENCV},
    {C::VESCVRT, "ENDHT", 1663, 1, F::LENCV},
    {C::VESCVRT, "CNTSEP", 1665, 1, F::LENCV},
    {C::VESCVRT, "DWTONS", 1666, 1, F::FRCCV},

    // The hull member table of the semi block (50 members).
    {C::SEMCVRT, "RCYLB", 3676, 150, F::LENCV},
    {C::SEMCVRT, "RCYLT", 3826, 150, F::LENCV},
    {C::SEMCVRT, "XAREA", 3976, 50, F::AREACV},
    {C::SEMCVRT, "DIAMS", 4026, 150, F::LENCV},

    // The SALM view of the semi block (40 entries an array).
    {C::SLMCVRT, "SLEN", 2093, 40, F::LENCV},
    {C::SLMCVRT, "BUOY", 2133, 40, F::VOLCV},
    {C::SLMCVRT, "CBUOY", 2173, 40, F::LENCV},
    {C::SLMCVRT, "TMASS", 2213, 40, F::FRCCV},  // masses held as weights
    {C::SLMCVRT, "CGSALM", 2253, 40, F::LENCV},
    {C::SLMCVRT, "GYRAD", 2333, 40, F::LENCV},
    {C::SLMCVRT, "YOKEHT", 2374, 1, F::LENCV},
    {C::SLMCVRT, "WPAPRC", 2375, 1, F::AREACV},

    // The mooring block (150 line types of up to 25 elements).
    {C::MORCVRT, "LONGIE", 5000, 1, F::LENCV},
    {C::MORCVRT, "SHORTY", 5001, 1, F::LENCV},
    {C::MORCVRT, "SLEN", 36082, 3750, F::LENCV},
    {C::MORCVRT, "DIAM", 39832, 3750, F::LENCVS},
    {C::MORCVRT, "WETWT", 43582, 3750, F::FRCCV_PER_LENCV},
    {C::MORCVRT, "ALPHA", 47332, 11250, F::ALPHA_POWERS},
    {C::MORCVRT, "TBRK", 58582, 3750, F::FRCCV},
    {C::MORCVRT, "HTENS", 62332, 150, F::HTENS_BY_LODTYP},
    {C::MORCVRT, "RFLD", 62482, 450, F::LENCV},
    {C::MORCVRT, "DRYWT", 70432, 3750, F::FRCCV_PER_LENCV},
    {C::MORCVRT, "ANCHGT", 78082, 150, F::LENCV},
    {C::MORCVRT, "ANCHT0", 78232, 1, F::LENCV},
    {C::MORCVRT, "ZSPAN", 78386, 1, F::LENCV},
    {C::MORCVRT, "RMCTR", 78387, 3, F::LENCV},
    {C::MORCVRT, "XMCTR", 78390, 1, F::LENCV},
    {C::MORCVRT, "YMCTR", 78391, 1, F::LENCV},
    {C::MORCVRT, "ZMCTR", 78392, 1, F::LENCV},
    {C::MORCVRT, "SPRGBY", 78393, 12, F::FRCCV},
    {C::MORCVRT, "CLUMP", 78405, 12, F::FRCCV},

    // The catenary block as type 8 lays it out.
    {C::CATCVRT, "OFFL", 78804, 50, F::LENCV},
    {C::CATCVRT, "XINIT", 78928, 1, F::LENCV},
    {C::CATCVRT, "YINIT", 78929, 1, F::LENCV},
    {C::CATCVRT, "ZINIT", 78930, 1, F::LENCV},
    {C::CATCVRT, "ROTCTX", 78932, 1, F::LENCV},
    {C::CATCVRT, "ROTCTY", 78933, 1, F::LENCV},
    {C::CATCVRT, "ROTCTZ", 78934, 1, F::LENCV},
    {C::CATCVRT, "EPSDST", 78935, 1, F::LENCV},
    {C::CATCVRT, "VRTOFF", 79037, 50, F::LENCV},
    {C::CATCVRT, "FAPPNT", 79334, 3, F::LENCV},
    {C::CATCVRT, "FRCOFF", 79397, 50, F::FRCCV},
    {C::CATCVRT, "TRQOFF", 79447, 50, F::MMOMCV},
    {C::CATCVRT, "RCTOFF", 79527, 50, F::LENCV},

    // The catenary block as type 7 lays it out.
    {C::STMCVRT, "OFFL", 78776, 400, F::LENCV},
};

constexpr Int kVesselRecordFirst = 754;   // NACC
constexpr Int kVesselRecordLast = 1666;   // DWTONS
constexpr Int kSecondVesselFirst = 1988;  // BNACC
constexpr Int kVesselRecordWords = 913;
constexpr Int kSalmViewFirst = 1988;
constexpr Int kCatenaryViewFirst = 78636;

Real word_real(Int w) { return std::bit_cast<Real>(w); }
Int real_word(Real x) { return std::bit_cast<Int>(x); }

// The factor of a plain row; the per-word rules are handled by the caller.
Real row_factor(Factor f, const ConversionFactors& cv) {
    switch (f) {
        case F::LENCV: return cv.LENCV;
        case F::LENCVS: return cv.LENCVS;
        case F::FRCCV: return cv.FRCCV;
        case F::AREACV: return cv.AREACV;
        case F::VOLCV: return cv.VOLCV;
        case F::FMOMCV: return cv.FMOMCV;
        case F::MMOMCV: return cv.MMOMCV;
        case F::FDENCV: return cv.FDENCV;
        case F::LSPRCV: return cv.LSPRCV;
        case F::KSPRCV: return cv.KSPRCV;
        case F::FRCCV_PER_LENCV: return cv.FRCCV / cv.LENCV;
        case F::FRCCV_TWICE: return cv.FRCCV;
        case F::FMOMCV_TWICE: return cv.FMOMCV;
        case F::SLOPE_HEIGHT: return cv.LENCV;
        default: return 1.0f;
    }
}

// Multiplies the words of one row in the record `rec`, whose word 1 is image word `base`.
// HTENS and ALPHA are scaled by the caller's rules; words of TPCM decide them (LODTYP).
template <class Rec>
void convert_row(Rec& rec, Int base, const ConversionRow& row, const ConversionFactors& cv) {
    const Int first = row.first - base + 1;
    Real factor = row_factor(row.factor, cv);
    if (row.factor == F::SLOPE_HEIGHT && TPCM.LSLPHT != 0) return;
    if (row.factor == F::HTENS_BY_LODTYP) {
        const Int LODTYP = TPCM.LODTYP;
        if (LODTYP == 0) return;
        factor = LODTYP == 1 ? cv.LENCV : (LODTYP == 2 || LODTYP == 3) ? cv.FRCCV : 1.0f;
    }
    // Coefficient k of the stress-strain law strain = a1 T + a2 T^2 + a3 T^3 carries force^-k.
    const Real FRCCV = cv.FRCCV;
    const Real powers[3] = {FRCCV, FRCCV * FRCCV, FRCCV * FRCCV * FRCCV};
    for (Int i = 0; i < row.count; ++i) {
        const Int k = first + i;
        const Real x = word_real(image_word(rec, k));
        Real y;
        switch (row.factor) {
            case F::FRCCV_TWICE:
            case F::FMOMCV_TWICE: y = x * factor * factor; break;
            case F::ALPHA_POWERS: y = x / powers[i % 3]; break;
            default: y = x * factor; break;
        }
        set_image_word(rec, k, real_word(y));
    }
}

// The rows of converter WHICH applied to the record `rec`, whose word 1 is image word `base`.
template <class Rec>
void convert_rows(Rec& rec, Int base, Converter which, const ConversionFactors& cv) {
    for (const ConversionRow& row : kTable)
        if (row.converter == which) convert_row(rec, base, row, cv);
}

// The rows of one converter applied to TPCM (or, for the views, to the view read out and put back).
void run_converter(Converter which, const ConversionFactors& cv) {
    switch (which) {
        case C::SLMCVRT: {
            SalmView view = TPCM.salm_view();
            convert_rows(view, kSalmViewFirst, which, cv);
            TPCM.set_salm_view(view);
            return;
        }
        case C::CATCVRT: {
            CatenaryView8 view = TPCM.catenary_view8();
            convert_rows(view, kCatenaryViewFirst, which, cv);
            TPCM.set_catenary_view8(view);
            return;
        }
        case C::STMCVRT: {
            CatenaryView7 view = TPCM.catenary_view7();
            convert_rows(view, kCatenaryViewFirst, which, cv);
            TPCM.set_catenary_view7(view);
            return;
        }
        default: convert_rows(TPCM, 1, which, cv); return;
    }
}

// Words 754-1666 exchanged with words 1988-2900.
void swap_vessel_records() {
    auto image = image_bytes(TPCM);
    SWPCOM(kVesselRecordWords, image.subspan(4 * static_cast<std::size_t>(kSecondVesselFirst - 1)),
           image.subspan(4 * static_cast<std::size_t>(kVesselRecordFirst - 1)));
}

}  // namespace

std::span<const ConversionRow> conversion_table() { return kTable; }

ConversionFactors conversion_factors(bool metric) {
    ConversionFactors cv{};
    cv.LENCV = metric ? 0.3048f : 3.28084f;
    cv.FRCCV = metric ? 0.45359248f : 2.204622f;
    cv.LENCVS = metric ? 25.400051f : 0.03937f;
    cv.MASCV = cv.FRCCV / cv.LENCV;
    cv.AREACV = cv.LENCV * cv.LENCV;
    cv.VOLCV = cv.LENCV * cv.AREACV;
    cv.FMOMCV = cv.FRCCV * cv.LENCV;
    cv.MMOMCV = cv.MASCV * cv.AREACV;
    cv.FDENCV = cv.MASCV / cv.AREACV;
    cv.LSPRCV = cv.FRCCV / cv.LENCV;
    cv.KSPRCV = cv.FRCCV;
    cv.SPECCV = cv.AREACV;
    return cv;
}

void TOPCVRT() {
    TOGGLE(TPCM.NUNTS);
    run_converter(C::TOPCVRT, conversion_factors(TPCM.NUNTS != 0));
}

void VESCVRT() { run_converter(C::VESCVRT, conversion_factors(TPCM.NUNTS != 0)); }
void SEMCVRT() { run_converter(C::SEMCVRT, conversion_factors(TPCM.NUNTS != 0)); }
void SLMCVRT() { run_converter(C::SLMCVRT, conversion_factors(TPCM.NUNTS != 0)); }
void MORCVRT() { run_converter(C::MORCVRT, conversion_factors(TPCM.NUNTS != 0)); }
void CATCVRT() { run_converter(C::CATCVRT, conversion_factors(TPCM.NUNTS != 0)); }
void STMCVRT() { run_converter(C::STMCVRT, conversion_factors(TPCM.NUNTS == 1)); }

void TUGCVRT() {
    // The second record takes the place of the first, is converted there and goes back, so each
    // record is converted once. TLP_TENSION lies outside the record and was converted by VESCVRT.
    const ConversionFactors cv = conversion_factors(TPCM.NUNTS != 0);
    swap_vessel_records();
    for (const ConversionRow& row : kTable)
        if (row.converter == C::VESCVRT && row.first >= kVesselRecordFirst && row.first <= kVesselRecordLast)
            convert_row(TPCM, 1, row, cv);
    swap_vessel_records();
}

void convert_whole_case() {
    TOPCVRT();
    VESCVRT();
    switch (TPCM.SIMTYP) {
        case 3: SEMCVRT(); break;
        case 11: SLMCVRT(); break;
        case 7:
            MORCVRT();
            STMCVRT();
            break;
        case 8:
            MORCVRT();
            CATCVRT();
            break;
        case 12:
        case 14:
        case 15:
        case 17:
            SEMCVRT();
            MORCVRT();
            break;
        case 10:
        case 13:
            TUGCVRT();
            SEMCVRT();
            MORCVRT();
            break;
        // This program's own cases: the member table is edited on page 5 and read by the analysis,
        // so it follows NUNTS like every other value of the case.
        case 16: SEMCVRT(); break;
        default: break;
    }
}

}  // namespace brevant
