// The hull's three natural modes as the run knows them once its hydrostatics are done, and the stop
// for a natural frequency the run cannot compute with.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "sysutl/ftypes.h"

namespace brevant {

// One natural mode: its name, its natural frequency (rad/s), its restoring term and its inertia
// (added mass included), and whether page 4 specifies its period (SPECIFIED non-zero, at ITEM).
struct NaturalMode {
    const char* name;
    Real w;
    Real restoring;
    Real inertia;
    Int specified;
    Int item;
};

// Heave, pitch and roll, in that order, from HIMEM and the data image.
std::array<NaturalMode, 3> natural_modes();

// Ends the run (status 1, after a pause on the console) naming mode M: the head line, the lines of
// WHY, then either "the <mode> period (page 4, item N) <PERIOD_REASON>" for a specified period or its
// restoring term and inertia with the pages to recheck (the phantom weight too when PHANTOM).
[[noreturn]] void natural_mode_stop(const NaturalMode& m, const std::vector<std::string>& why,
                                    std::string_view period_reason, bool phantom);

}  // namespace brevant
