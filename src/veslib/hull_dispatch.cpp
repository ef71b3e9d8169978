// The dispatch rule and the installed table of hull entry points.
#include "veslib/hull_dispatch.h"

#include <stdexcept>
#include <utility>

#include "records/data_image.h"

namespace brevant {

namespace {

HullTable& installed() {
    static HullTable table;
    return table;
}

const HullEntryPoints* selected_entry_points() {
    HullTable& t = installed();
    switch (selected_hull()) {
        case HullModel::Ship: return &t.ship;
        case HullModel::JackUp: return &t.jackup;
        case HullModel::MemberBuilt: return &t.member_built;
        case HullModel::DiscBuoy: return &t.disc_buoy;
        case HullModel::None: break;
    }
    return nullptr;
}

template <class F, class... A>
void call(F HullEntryPoints::*entry, A&... args) {
    const HullEntryPoints* hull = selected_entry_points();
    if (hull == nullptr) return;
    const F& f = hull->*entry;
    if (!f) throw std::logic_error("hull entry point not installed");
    f(args...);
}

}  // namespace

namespace {
unsigned long long& run_count() {
    static unsigned long long n = 0;
    return n;
}
}  // namespace

unsigned long long hull_run_count() { return run_count(); }

bool hull_solves_repeatable() { return installed().repeatable; }

void install_hull_table(const HullTable& table) {
    ++run_count();
    installed() = table;
}

void clear_hull_table() {
    ++run_count();
    installed() = HullTable{};
}

HullModel selected_hull() {
    const Tpcm& P = TPCM;
    if (P.VESTYP == 1) return HullModel::Ship;
    if (P.VESTYP == 2) return HullModel::JackUp;
    if (P.SEMI_LIKE != 0) return HullModel::MemberBuilt;
    if (P.VESTYP == 4) return HullModel::DiscBuoy;
    return HullModel::None;
}

void hull_characteristics() {
    ++run_count();
    call(&HullEntryPoints::CHR);
}
void hull_forces(Int& NPASS2) {
    ++run_count();
    call(&HullEntryPoints::FRC, NPASS2);
}
void hull_raos() {
    ++run_count();
    call(&HullEntryPoints::RAO);
}
void hull_summary() { call(&HullEntryPoints::SUM); }
void hull_output() { call(&HullEntryPoints::OUT); }

}  // namespace brevant
