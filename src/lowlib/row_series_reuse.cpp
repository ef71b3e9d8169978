#include "lowlib/row_series_reuse.h"

namespace brevant {

namespace {

struct RowSeriesState {
    bool on = true;
    int depth = 0;                       // scopes open (nested ones share the outer epoch)
    unsigned long long last_epoch = 0;   // the number given to the last scope opened
    unsigned long long current = 0;      // the open scope's number, 0 when none is open
    unsigned long long hits = 0;
};

RowSeriesState& state() {
    static RowSeriesState s;
    return s;
}

}  // namespace

RowSeriesScope::RowSeriesScope() {
    RowSeriesState& s = state();
    if (s.depth++ == 0) s.current = ++s.last_epoch;
}

RowSeriesScope::~RowSeriesScope() {
    RowSeriesState& s = state();
    if (--s.depth == 0) s.current = 0;
}

unsigned long long row_series_epoch() {
    const RowSeriesState& s = state();
    return s.on ? s.current : 0;
}

void set_row_series_reuse(bool on) { state().on = on; }

bool row_series_reuse_on() { return state().on; }

unsigned long long row_series_reuse_count() { return state().hits; }

void count_row_series_reuse() { ++state().hits; }

}  // namespace brevant
