// Caption functions: unit captions for page items and report lines, spectrum-type names, the
// names of the six rigid-body motions and the model captions of the packed load-model words. Each
// function returns a blank-padded text of its fixed length and gives a fixed error text (or a
// blank) for an index outside its table.
#pragma once

#include <array>
#include <string>

#include "sysutl/ftypes.h"

namespace brevant {

// The caption index of a quantity whose English caption is FIRST and metric one FIRST + 1, by the
// unit flag. A flag other than 0 or 1 has no caption: -1, which every caption list refuses, and no
// sum that could overflow.
Int unit_caption_index(Int FIRST, Int NUNTS);
// The long caption (UNITP) of such a quantity by the unit flag as it stands: a flag other than 0 or 1
// (a damaged file) shows the caption its sum lands on, or the error text; one far outside gives the
// error text with no sum that could overflow.
std::string unit_caption_as_flagged(Int FIRST, Int NUNTS);

// Long unit captions (16 characters); " Index error" outside 0..20.
std::string UNITP(Int NUNTS);
// Short unit captions (16 characters); blank outside 0..22.
std::string UNITS(Int NUNTS);
// Upper-case unit captions (8 characters); "ERROR !" outside 0..11.
std::string CAPUN(Int IUNTS);
// Wave-spectrum names (30 characters); " Index error" outside 0..10.
std::string WAVPRT(Int WAVTYP);
// Sea-spectrum caption of the report pages (30 characters) and, in LENWAV, the length of its text;
// "Missing!" outside 0..10.
std::string sea_spectrum_caption(Int WAVTYP, Int& LENWAV);
// Wind-spectrum names (30 characters); " Index error" outside 1..6.
std::string WNDPRT(Int WNDTYP);
// Current-spectrum names (30 characters); " Index error" outside 1..4.
std::string CURPRT(Int CURTYP);
// Motion names (8 characters); "ERROR !" outside 1..6.
std::string DOF(Int IDOF);

// Caption lists of the three packed load-model words (wind LWBARG, current LCBARG, wave drift
// LWVCOF): row n is the caption of field value n (1-based), 29 characters, blank-padded. A field
// value with no row is no model (the load routines refuse it).
inline constexpr int kModelCaptionLength = 29;
using ModelCaption = FixedText<kModelCaptionLength>;
const std::array<ModelCaption, 5>& TNKWND();  // wind, 5 rows
const std::array<ModelCaption, 7>& TNKCUR();  // current, 7 rows
const std::array<ModelCaption, 7>& TNKWAV();  // wave drift, 7 rows

// The field value 15 of the current word: the NSMB sets of row 4 with the mean curve of the 40%
// load condition as the ballast Cx. It counts as 4 wherever the fields are compared.
inline constexpr Int kNsmbMeanCurrent = 15;

}  // namespace brevant
