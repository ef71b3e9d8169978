#include "vessels/disc/disc_trace.h"

#include <string>

#include "sysutl/fortran_format.h"
#include "sysutl/units.h"

namespace brevant {

void disc_trace_label(Int unit, std::string_view label) { write_record(unit, label); }

void disc_trace_reals(Int unit, std::initializer_list<Real> values) {
    std::string line;
    int count = 0;
    for (Real v : values) {
        line += fmt_E(v, 12, 4);
        if (++count == 6) {
            write_record(unit, line);
            line.clear();
            count = 0;
        }
    }
    if (!line.empty()) write_record(unit, line);
}

void disc_trace_ints(Int unit, std::initializer_list<Int> values) {
    std::string line;
    for (Int v : values) line += fmt_I(v, 6);
    write_record(unit, line);
}

}  // namespace brevant
