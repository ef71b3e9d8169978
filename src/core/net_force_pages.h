// Section IX of the report: the net environmental force pages (vessel X force, Y force, yaw
// moment by attack angle, each source and the net), and the page head the net force spectra reuse.
#pragma once

#include <string_view>

#include "core/run_values.h"

namespace brevant {

// The page head after the title: the global heading line of each source that is on, and the
// external force block when an external force is applied.
void write_source_headings(const RunValues& R);

// The caption line of a net-force table (hyphens, CAPTION, hyphens) and its unit line, then the
// column headers with a blank line; the widths follow LEGDRG.
void write_net_force_table_head(std::string_view CAPTION, std::string_view UNIT);
// The column headers alone (three lines and a blank line), the form following LEGDRG.
void write_net_force_column_headers();

// The progress line when bit 23 or 27 asks for section IX; with bit 23 the X, Y and yaw-moment
// pages, their rows through GET_LF_NET_FORCES, and the nets kept in FXTMP, FYTMP, MZTMP. On the
// console a pause follows the X and Y pages, and the yaw-moment page when bit 27 is clear (the
// spectra step takes it otherwise), so the next page start does not wipe it.
void net_force_pages(RunValues& R);

// The analysis core's own copy of the summary page (nothing in the run calls it; the run uses
// WRITE_LF_NET_FRC_PG): the same page on the report unit IUNIT, the angle switch LANGARR and the
// moment reference BRVARM taken from the data image, and each row's heading left in VESANG of
// EQUILB (the last row's stays). IOUNIT is not read.
void WRITE_LF_NETFRC_PG(Int IOUNIT, Int NUMBRVQ, Real BRVINCQ, Real STARTA, const Real* BRVHDGQ,
                        const Real* FXTMP, const Real* FYTMP, const Real* MZTMP, Real VESMOMQ, std::string_view TUNIT,
                        std::string_view MUNIT, std::string_view AUNIT, std::string_view GLBVES);

// The closing summary page X when bit 23 asks for it: a new page, WRITE_LF_NET_FRC_PG with the net
// arrays that the net-force pages kept, and on the console a pause.
void net_force_summary_page(RunValues& R);

}  // namespace brevant
