// Caption functions: unit captions for page items and report lines, spectrum-type names and the
// names of the six rigid-body motions. Each returns a blank-padded text of its fixed length and
// gives a fixed error text (or a blank) for an index outside its table.
#pragma once

#include <string>

#include "sysutl/ftypes.h"

namespace brevant {

// Long unit captions (16 characters); " Index error" outside 0..20.
std::string UNITP(Int NUNTS);
// Short unit captions (16 characters); blank outside 0..22.
std::string UNITS(Int NUNTS);
// Upper-case unit captions (8 characters); "ERROR !" outside 0..11.
std::string CAPUN(Int IUNTS);
// Wave-spectrum names (30 characters); " Index error" outside 0..10.
std::string WAVPRT(Int WAVTYP);
// Wind-spectrum names (30 characters); " Index error" outside 1..6.
std::string WNDPRT(Int WNDTYP);
// Current-spectrum names (30 characters); " Index error" outside 1..4.
std::string CURPRT(Int CURTYP);
// Motion names (8 characters); "ERROR !" outside 1..6.
std::string DOF(Int IDOF);

}  // namespace brevant
