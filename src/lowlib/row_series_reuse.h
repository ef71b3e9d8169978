#pragma once
// Reuse across the rows of a table of slowly-varying spectra.
//
// A page of spectra by attack angle runs the same load routine down its low-frequency rows with
// one wave spectrum, one heading and one wave system: only the row frequency changes, and nothing
// the load routines read from the run's records changes from one row to the next. Whatever a load
// routine computes that does not depend on the row frequency is then the same on every row. While
// a RowSeriesScope is open, the load routines keep such work from an earlier row and take it again;
// every kept result carries the scope it was made in and is never taken in another one. Outside a
// scope, or with the reuse switched off, every call computes everything, so a caller that changes
// the records between calls must not open a scope around them.
//
// A kept result is taken again only where the computation is a function of its inputs (the records
// read included) and of nothing it left behind on an earlier call, and only when it talked to
// nobody (`console_activity` did not move): a repeated warning is repeated.

namespace brevant {

class RowSeriesScope {
public:
    RowSeriesScope();
    ~RowSeriesScope();
    RowSeriesScope(const RowSeriesScope&) = delete;
    RowSeriesScope& operator=(const RowSeriesScope&) = delete;
};

// 0 outside a scope and with the reuse off; otherwise a number that differs for every scope opened
// in the process: a kept result is valid while this equals the number it was kept under.
unsigned long long row_series_epoch();

// On by default; the switch is for tests that compare runs with and without the reuse.
void set_row_series_reuse(bool on);
bool row_series_reuse_on();
// Calls answered from kept results since the start of the process.
unsigned long long row_series_reuse_count();
void count_row_series_reuse();

}  // namespace brevant
