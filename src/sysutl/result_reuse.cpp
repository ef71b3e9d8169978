#include "sysutl/result_reuse.h"

namespace brevant {

namespace {

bool& reuse_on() {
    static bool on = true;
    return on;
}

}  // namespace

void set_result_reuse(bool on) { reuse_on() = on; }

bool result_reuse_on() { return reuse_on(); }

}  // namespace brevant
