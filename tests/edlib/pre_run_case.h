// Cases the pre-run checks pass, and the readers of their findings, for the tests of the value
// checks, the choice checks and the consistency warnings.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "edlib/run_input_checks.h"
#include "records/data_image.h"
#include "sysutl/ftypes.h"
#include "test_support.h"

namespace brevant::testing {

// A metric ship the value checks pass: every value finite, within its bounds and computable; the
// wind and current off, on the cylindrical models.
inline void passing_ship() {
    reset_images();
    Tpcm& t = TPCM;
    t.SIMTYP = 16;
    t.NUNTS = 1;
    t.VESTYP = 1;
    t.DEPTH = 100.0f;
    t.DWATR = 1025.0f;
    t.DISPL = 30000.0f;
    t.DRAFT = 8.0f;
    t.AWP = 3750.0f;
    t.LWL = 150.0f;
    t.BWL = 25.0f;
    t.VKB = 4.0f;
    t.VKG = 8.0f;
    t.VKMT = 10.5f;
    t.VKML = 238.0f;
    t.LWBARG = 0x555;
    t.LCBARG = 0x777;
    t.WAVWID = 0.1f;  // the widths of the swell-type spectrum a new case holds
    t.SWLWID = 0.1f;
    t.IUNIT = 1;  // the report on the disk
}

// Small user files each reader of the run takes whole: two headings of coefficients, a drift table
// of two frequencies by two headings, a spectrum of two points, a profile of two depths.
inline constexpr const char* kValidCoefficientFile = "2\n0 -1 0 0\n180 1 0 0\n";
inline constexpr const char* kValidDriftFile = "2 2\n0\n0.5 1 0 0\n1.5 1 0 0\n180\n0.5 -1 0 0\n1.5 -1 0 0\n";
inline constexpr const char* kValidSpectrumFile = "2\n0.01 1.0\n3.0 1.0\n";
inline constexpr const char* kValidProfileFile = "2\n10 1.0 0\n100 0.5 0\n";

// The user files the models of a case can choose, each valid, in the current folder.
inline void put_valid_user_files() {
    for (const char* name : {"DRFTCOFS.txt", "BUOYDRFT.txt", "TANKDRFT.txt", "TUGDRFT.txt", "BARGDRFT.txt"})
        put_file(name, kValidDriftFile);
    for (const char* name : {"WINDCOFS.txt", "CRNTCOFS.txt", "BUOYWIND.txt", "TANKWIND.txt", "TUGWIND.txt",
                             "BARGWIND.txt", "BUOYCRNT.txt", "TANKCRNT.txt", "TUGCRNT.txt", "BARGCRNT.txt"})
        put_file(name, kValidCoefficientFile);
    for (const char* name : {"WAVSPEC.txt", "WINDSPEC.txt", "CRNTSPEC.txt"}) put_file(name, kValidSpectrumFile);
    put_file("CRNTPROF.txt", kValidProfileFile);
}

// The first line of each finding; an empty string for a finding without lines.
inline std::vector<std::string> first_lines(const std::vector<RunInputFinding>& findings) {
    std::vector<std::string> lines;
    for (const RunInputFinding& f : findings) lines.push_back(f.empty() ? std::string() : f.front());
    return lines;
}

// The current on at speed 1 with factor 1 in water of 1025, head-on area 200 and beam-on area
// BEAM_AREA: the drag load of a large area is what the checks of the loads look at.
inline void current_on_beam_area(Real beam_area) {
    Tpcm& t = TPCM;
    t.LCURNT = 1;
    t.CURSPD = 1.0f;
    t.CURFAC = 1.0f;
    t.DWATR = 1025.0f;
    t.XCURAR = 200.0f;
    t.YCURAR = beam_area;
}

// An option word with the bits LIST on (bit 1 the least significant).
inline Int bits(std::initializer_list<Int> list) {
    Int w = 0;
    for (Int b : list) w |= 1 << (b - 1);
    return w;
}

}  // namespace brevant::testing
