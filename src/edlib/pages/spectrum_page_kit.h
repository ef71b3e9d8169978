// What the irregular-wave page and the swell pages share: the spectrum-type list, the JONSWAP
// "Alpha" calculator, gravity by unit system and the caption of a length; and the spectral-type
// list of the wind and the current page.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// The wave-spectrum type list, a sub-page with its own loop, reading into TPCM.LBACK: HEADING
// (e.g. "-- Irregular wave types --"), then the choices 1 to 11 with the first 23 characters of
// each caption. "?" shows RANHP2 and the list again; a number above 11 shows the list again; 0,
// Return or a command letter goes back to the page, TYPE unchanged; choice c stores TYPE = c - 1,
// and type 8 opens the table of spectral densities USRPSD (NWP rows) at once. With
// REFUSE_OCHI_HUBBLE (the swell pages), choice 10 is refused with a message and a pause and the
// list is shown again.
void spectrum_type_list(std::string_view HEADING, Int& TYPE, bool REFUSE_OCHI_HUBBLE);

// The same list as the two-swell page offers it for either swell, answered into its own word (the
// page's LBACK is left alone): a negative answer other than "?" shows the list again; a blank
// answer keeps TYPE and leaves, except on a kept type 9 (Ochi-Hubble, which only a data file can
// hold for a swell), which gives the refusal and keeps the list; choice 10 is refused; 1..9 and 11
// store TYPE = choice - 1. No table opens here: the page opens it on leaving when TYPE is 8.
void two_swell_type_list(std::string_view HEADING, Int& TYPE);

// The spectral-type list of the wind or the current page, with its own loop: HEADING, two empty
// lines, the choices 1 to COUNT with their CAPTION; "?" shows HELP (answering into TPCM.IPAG) and the
// list again; a number above COUNT shows the list again; 0, Return or a command letter gives 0 (no
// change); otherwise the choice.
Int flow_spectrum_choice(Int unit, std::string_view HEADING, Int COUNT, std::string (*CAPTION)(Int),
                         void (*HELP)(Int, Int, Int&));

// The USRPSD table of the legacy custom spectrum through AUTORP, NWP rows held to the table.
void custom_spectrum_table();

// The JONSWAP "Alpha" calculator: asks for a significant height and peak period on one line
// (JONSWH and JONTPK keep the values typed before when a value is missing), and writes
// alpha = (Hs/4)^2 wp^4 / (J g^2), wp = 2 pi / Tp, J the normalising integral JONSVAL of the shape
// (GAMMA, SIGMA_A below the peak, SIGMA_B above), G gravity in the case's units; then a pause.
// A blank line or a height or period of 0 or less gives nothing. The calculator acts only when
// GAMMA, SIGMA_A and SIGMA_B are all above 0, as its item line is offered. A shape that the checks
// before the run refuse gives " ++> The JONSWAP integral does not converge with this gamma and these
// sigmas: no alpha" and the pause: nothing here asks whether to abort or ends the program.
void jonswap_alpha_calculator(Real GAMMA, Real SIGMA_A, Real SIGMA_B, Real G, Real& JONSWH, Real& JONTPK);

// Gravity of the calculators: 32.152 ft/s^2 in English units, 9.8 m/s^2 in metric.
Real page_gravity(Int NUNTS);

// The 16-character caption of a length (" feet" or " meters"); a unit flag that is neither gets
// the caption function's error text rather than a neighbouring caption.
std::string length_caption(Int NUNTS);

// The values of a table on a page, six to a row in fields of 13 columns with DECIMALS decimals,
// each row after LEAD; only the first COUNT values, COUNT held to 0..VALUES.size().
void write_value_rows(Int unit, std::span<const Real> VALUES, Int COUNT, int DECIMALS, std::string_view LEAD = "");

// The count a page shows of a table: COUNT when it lies in 0..LIMIT, else LIMIT, and never more
// than CAPACITY whatever a damaged file holds in either.
Int shown_count(Int COUNT, Int LIMIT, Int CAPACITY);

}  // namespace brevant
