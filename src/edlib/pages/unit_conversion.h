// The conversion of a whole case between English and metric units: the table of every dimensional
// word by block, the conversion factors, and the converters the site page runs.
#pragma once

#include <span>

#include "sysutl/ftypes.h"

namespace brevant {

// Which part or view of the data image a row belongs to, named by the converter that scales it.
// SLMCVRT rows are words of the SALM view, CATCVRT and STMCVRT rows words of the catenary views of
// types 8 and 7; all word numbers count in the data image.
enum class Converter { TOPCVRT, VESCVRT, SEMCVRT, SLMCVRT, MORCVRT, CATCVRT, STMCVRT };

// The factor of a row. The last three are decided per word: SLOPE_HEIGHT is LENCV while LSLPHT is
// 0 (a height; a slope is dimensionless), HTENS_BY_LODTYP follows LODTYP, and ALPHA_POWERS divides
// coefficient k of the stress-strain law by FRCCV^k.
enum class Factor {
    LENCV,
    LENCVS,
    FRCCV,
    AREACV,
    VOLCV,
    FMOMCV,
    MMOMCV,
    FDENCV,
    LSPRCV,
    KSPRCV,
    FRCCV_PER_LENCV,
    FRCCV_TWICE,   // force spectral density: times FRCCV twice
    FMOMCV_TWICE,  // moment spectral density: times FMOMCV twice
    SLOPE_HEIGHT,
    HTENS_BY_LODTYP,
    ALPHA_POWERS,
};

// One name of the image: `count` consecutive words from `first` (arrays over their declared size).
struct ConversionRow {
    Converter converter;
    const char* name;
    Int first;
    Int count;
    Factor factor;
};

// Every converted word, once.
std::span<const ConversionRow> conversion_table();

// The factors towards one unit system. The derived ones follow in this order, each rounded to
// single precision: MASCV = FRCCV/LENCV, AREACV = LENCV^2, VOLCV = LENCV AREACV, FMOMCV = FRCCV LENCV,
// MMOMCV = MASCV AREACV, FDENCV = MASCV/AREACV, LSPRCV = FRCCV/LENCV, KSPRCV = FRCCV, SPECCV = AREACV.
struct ConversionFactors {
    Real LENCV, FRCCV, LENCVS, MASCV, AREACV, VOLCV, FMOMCV, MMOMCV, FDENCV, LSPRCV, KSPRCV, SPECCV;
};
// Towards metric when `metric`, else towards English.
ConversionFactors conversion_factors(bool metric);

// The converters: each multiplies its words of TPCM in place, in the direction NUNTS now names
// (0 English; any other value metric, except STMCVRT where only 1 is metric). TOPCVRT runs first
// and turns NUNTS over. TUGCVRT converts the second vessel record (words 1988-2900) with the
// vessel-record rows by swapping it into the place of the first.
void TOPCVRT();
void VESCVRT();
void SEMCVRT();
void SLMCVRT();
void MORCVRT();
void CATCVRT();
void STMCVRT();
void TUGCVRT();

// The full conversion of the site page: TOPCVRT, VESCVRT, then the converters of the blocks that
// the creating simulation type SIMTYP keeps.
void convert_whole_case();

}  // namespace brevant
