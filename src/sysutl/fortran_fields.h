// The output fields with their sign mode, shared by the field helpers and the format interpreter
// (which turns the mode on under SP); callers outside the formatting kit use fortran_format.h.
#pragma once

#include <string>

namespace brevant {

// Iw.m (m < 0: no minimum of digits); plus puts a '+' before a value that is not negative.
std::string integer_field(long long v, int w, int m, bool plus);

// Fw.d after a kP scale factor; plus as for integer_field.
std::string fixed_field(double v, int w, int d, int scale, bool plus);

// Ew.dEe (e = 0: the default exponent width) after a kP scale factor; plus as for integer_field.
std::string exponent_field(double v, int w, int d, int e, int scale, bool plus);

// Gw.dEe: the fixed form when the magnitude suits, else the exponent form; plus as for integer_field.
std::string general_field(double v, int w, int d, int e, int scale, bool plus);

}  // namespace brevant
