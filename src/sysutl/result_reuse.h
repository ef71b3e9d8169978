#pragma once
// The switch of the kept results of pure computations: a routine whose result depends only on its
// inputs (no state carried between calls) may keep what it computed and answer a repeat of the same
// inputs, bit for bit, from it. On by default; tests switch it off to compare runs with and without
// the kept results.

namespace brevant {

void set_result_reuse(bool on);
bool result_reuse_on();

}  // namespace brevant
