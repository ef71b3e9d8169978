// The narrow-band drag integrals of a member, over its draft and the wave amplitude and at the
// water line, kept within a row scope. They depend on the member's peak response and phase, the
// sea's statistics and the run's records, none of which changes down the rows of a spectra page or
// from one force component to the next; within a RowSeriesScope a call whose inputs equal, bit for
// bit, those of an earlier call of the scope that talked to nobody takes that call's result.
// Outside a scope (or with the reuse switched off) they are the integrals themselves.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// Arguments and results as FCF_SUB_Z and GISUB_Z (src/lowlib/depth_current_drag.h).
Real kept_FCF_SUB_Z(Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR, Int NXP,
                    Real WAVHDG_LOC, Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ);
Real kept_GISUB_Z(Complex HOR_WAV_RAO, Complex ANG_WAV_RAO, Real PHSHFT_W, Real EFF_ROT_CTR, Int NXP, Real WAVHDG_LOC,
                  Real SIG0WV, Real WPK_NB, Real WAVK, Int& NDEPTHQ);
// Arguments and results as FCF_SURF_PRP, GISURF and GISURF_PRP (src/lowlib/member_drag_functions.h).
Real kept_FCF_SURF_PRP(Real B0, Real R, Real PHI, Real COS_C, Int NXP);
Real kept_GISURF(Real B0, Real R, Real PHI, Real COS_C, Int NXP);
Real kept_GISURF_PRP(Real B0, Real R, Real PHI, Real COS_C, Int NXP);

}  // namespace brevant
