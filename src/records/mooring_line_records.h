// The mooring-line records: LINCOM (the line being solved, the statics tables of every line type, the
// stress-strain curves, per-line results) and CATCOM (the catenary sensitivities of every line), read
// by the line solver and the disc buoy; and the decoding of a line's line-type word.
#pragma once

#include <bit>

#include "sysutl/ftypes.h"

namespace brevant {

// Members in the order the program declares them; zero at program start. Lengths in feet or metres,
// forces in the force unit of the case. Index conventions: element j = 1..25 from the fairlead, node
// k = 1..26 (node k the upper end of element k), table point i = 1..90, layer l = 1..29, line type
// t = 1..150, line 1..150, stress-strain point 1..30.
struct LinCom {
    FArray<double, 25> SCLWT;   // scaled weight of each element of the line in hand: wet weight / DPHLD
    FArray<double, 25> SCLWTP;  // the same at the perturbed horizontal tension DPHLD2
    FArray<Int, 150> LINEID;    // per line: line-type word (line_type_of)
    FArray<Real, 150> ANGDPP;   // per line: azimuth of the line, degrees (disc buoy; table force with IEQSET 2)
    FArray<Int, 150> INRT_EXCL;  // per line: nonzero excludes the line from the inertial correction
    FArray<Real, 150> RANC;   // per line: undisplaced horizontal fairlead-to-anchor distance (table force argument)
    FArray<Real, 150> RANCP;  // per line: the same distance with the vessel displaced (table force, IEQSET 2)
    FArray<Real, 150> RANCK;  // per line: horizontal fairlead-to-anchor distance handed to the statics driver
    FArray<Real, 150> ZANC;   // per line: meaning known to no routine; nothing reads or writes it
    FArray<Real, 150> ZANCP;  // per line: vertical fairlead offset with the vessel displaced (table force, IEQSET 2)
    FArray<Real, 150> ZANCK;  // per line: vertical fairlead offset handed to the statics driver
    FArray<Real, 150, 6, 2> REXTRM, ZEXTRM;  // per line: meaning known to no routine; nothing uses them
    // Per line: meaning known to no routine; nothing uses these twelve or the six after them.
    FArray<Real, 150, 6> RXMAXQ, RXMINQ, AXMAXQ, AXMINQ, ZXMAXQ, ZXMINQ;
    FArray<Real, 150, 6> RYMAXQ, RYMINQ, AYMAXQ, AYMINQ, ZYMAXQ, ZYMINQ;
    FArray<Real, 150> RSNPMX, RSNPMN, ASNPMX, ASNPMN, ZSNPMX, ZSNPMN;
    FArray<Int, 29, 150> VRTFLG;     // per layer and line type: vertical-line flag
    FArray<Real, 150> TOTWT;         // per line type: total weight of the line
    FArray<Real, 150> TOTLN;         // per line type: meaning known to no routine; nothing uses it
    FArray<Int, 25, 150> NSTRS_STRN;  // points of each element's stress-strain curve
    FArray<Real, 90, 29, 26> TANPHI;  // node tangents of the tabulated shapes of the line type in hand, by point, layer, node
    FArray<double, 3, 25> BETA;       // scaled compliances: ALPHA(k, j, ITYP) DPHLD^k
    FArray<double, 3, 25> BETAP;      // the same at DPHLD2
    FArray<double, 26> TMPTAN;        // node tangents of the line in hand (node 1 the fairlead)
    FArray<double, 26> SECARR;        // node secants (tension at node k = DPHLD SECARR(k))
    FArray<Real, 90> HLOD;            // horizontal tension of each table point, increasing
    FArray<Real, 90, 29, 150> ANCDST;  // table: horizontal fairlead-to-anchor distance (also SEPVES)
    FArray<Real, 90, 29, 150> BOTLEN;  // table: length of line on the sea floor
    FArray<Real, 90, 29, 150> FFRICT;  // table: sea-floor friction term
    FArray<Real, 90, 29, 150> TOPTEN;  // table: fairlead tension
    FArray<Real, 90, 29, 150> TT_SPLINE_DERIV;  // table: spline second derivatives of TOPTEN
    FArray<Real, 29> ZDIST_ARR;        // per layer: its height coordinate, ft or m
    FArray<double, 26> AVTAN;          // node tangents of the unperturbed solution
    FArray<double, 26> AVSEC;          // node secants of the unperturbed solution
    FArray<Real, 25> WAVEK;            // per element: wave number of the longitudinal elastic wave, 1/ft or 1/m
    FArray<Real, 90, 29, 150> TOPANG;  // table: fairlead angle, radians from the horizontal
    FArray<Real, 90, 29, 150> BOTANG;  // table: anchor-end angle, radians
    double DPHLD;   // horizontal tension of the line in hand
    double DPHLD2;  // perturbed horizontal tension, (1 + DHFRAC) DPHLD
    Real DELTAZ;    // height of the fairlead above the anchor end that the line must span, ft or m
    Real WTRLEV;    // depth of the water level below the fairlead (buoyant-element residual), ft or m
    Real TOTWGT;    // meaning known to no routine; nothing uses it
    Int ITABLE;     // meaning known to no routine; nothing uses it
    Real TOTLEN;  // total unstretched length of the line in hand, ft or m
    Real HMEAN;   // horizontal tension from the tables at the line's anchor distance
    Real ENDSEP;  // meaning known to no routine; nothing uses it
    double TPTEN0;  // fairlead tension of the unperturbed solution
    double BTTEN0;  // anchor-end tension of the unperturbed solution
    double TPTEN_CSTZ, BTTEN_CSTZ;  // the same after the horizontal-tension perturbation
    double TPTEN_CSTH, BTTEN_CSTH;  // the same after the fairlead-height perturbation
    FArray<double, 150> DPHIF_DAF;  // per line: fairlead angle per fairlead motion along the line, rad per ft or m
    Real QF, QB;                    // tangent of the line angle at the fairlead and at the anchor end
    Real FXCOMP, FZCOMP;            // cosine and sine of the fairlead angle
    Real BXCOMP, BZCOMP;            // cosine and sine of the anchor-end angle
    double DSLOPE;   // tangent of the sea-floor slope
    double BOTLN;    // stretched length on the sea floor of the current solution, ft or m
    double BOTLNM;   // BOTLN of the unperturbed solution, ft or m
    double DHFRAC;   // relative horizontal-tension perturbation, 0.0078125
    Real DZFRAC;     // fairlead-height perturbation as a fraction of TOTLEN, 0.001
    Real SUSPWT, SUSLEN;  // meaning known to no routine; nothing uses them
    Int ITYP;        // line type of the line in hand
    Real FRICTN;     // sea-floor friction term read from FFRICT at the line's anchor distance (disc buoy)
    Int BOTELM;      // touchdown element, counted as an element number (0 for none)
    Int MIDLYR;      // layer of the nominal fairlead height
    Int ILAYER;      // lower of the two layers bracketing the fairlead height
    Real DLAYER;     // height step between neighbouring layers, ft or m
    Int MAXEXP, MINEXP;  // meaning known to no routine; nothing uses them
    Int KELEM;       // the buoyant element of the water-level search
    FArray<Real, 91> WVOFST, WFERGF;  // work vectors of the disc buoy (offset step, energy table)
    Logical NEED_STRAIN_FILE;         // refresh compliances from the stress-strain curves
    // Current loads on the lines: totals, then per-line terms. Named only; nothing computes or reads them.
    Real FCURNT_LNS, CURF_ANG_LINS, TCURNT_LNS, XYCRMG, XYCRMB;
    FArray<Real, 150> FCLTOT, FCLPAR, FCLPRP, DZ_CRNT_FLEX, DTZ_CRNT_FLEX;
    FArray<Real, 150> LINE_MODEMAS;  // per line type: line mass term of the dynamic coefficients
    FArray<Real, 150> VIRT_LINMAS;  // per line type: virtual line mass; nothing computes or reads it
    FArray<Real, 30, 25, 150> TENS_ARR;       // stress-strain curves: tension of each point
    FArray<Real, 30, 25, 150> E_ARR;          // stress-strain curves: strain of each point, dimensionless
    FArray<Real, 30, 25, 150> SPLINE_2DERIV;  // their spline second derivatives
    FArray<Real, 200> RLINVAR;  // spare words; nothing uses them
    Real BOTOMZ;  // last word of the record (also the integer LINEND)

    // Second names. SEPVES is the distance table under another name; LINEND the last word as an integer.
    FArray<Real, 90, 29, 150>& SEPVES() { return ANCDST; }
    const FArray<Real, 90, 29, 150>& SEPVES() const { return ANCDST; }
    Int LINEND() const { return std::bit_cast<Int>(BOTOMZ); }
    void set_LINEND(Int v) { BOTOMZ = std::bit_cast<Real>(v); }
};

struct CatCom {
    double DXDP0, DXDT0, DZDP0, DZDT0;  // end-position derivatives; nothing computes or reads them
    double DXDP1, DXDT1, DZDP1, DZDT1;  // end-position derivatives; nothing computes or reads them
    double DXFDP, DXFDT, DZFDP, DZFDT;  // element upper-end position against tangent and catenary parameter
    Real KELAS;    // elastic axial stiffness of the line
    Real KCTAN;    // catenary stiffness
    Real KSTAT;    // static stiffness
    Real KRAT;     // catenary over elastic stiffness
    double JACOBY;  // Jacobian of the element motion transform
    Complex CAFLD, CABOT;  // motion amplitudes of the fairlead and the anchor end along the line
    Complex ZERO;          // the complex zero: nothing writes it
    Complex ONE, IMAG;     // by their names the complex one and i; no routine uses these words
    double ZIP;            // meaning known to no routine; nothing uses it
    FArray<Real, 26, 150> DXSDZF;  // per node and line: horizontal node motion per vertical fairlead motion
    FArray<Real, 26, 150> DZSDZF;  // per node and line: vertical node motion per vertical fairlead motion
    FArray<Real, 26, 150> DXSDH;   // per node and line: horizontal node motion per horizontal tension
    FArray<Real, 26, 150> DZSDH;   // per node and line: vertical node motion per horizontal tension
    FArray<Real, 150> DTFDZF;  // per line: fairlead tension per vertical fairlead motion, x held
    FArray<Real, 150> DTBDZB;  // per line: anchor-end tension per vertical fairlead motion, sign reversed
    FArray<Real, 150> DTFDAF;  // per line: fairlead tension per fairlead motion along the line
    FArray<Real, 150> DTBDAB;  // per line: anchor-end tension term along the line at the anchor
    FArray<Real, 150> DTFDXF;  // per line: fairlead tension per horizontal fairlead motion, height held
    FArray<Real, 150> DTBDXB;  // per line: anchor-end tension per horizontal fairlead motion, sign reversed
    FArray<Real, 150> DTZFDZ;  // per line: vertical fairlead force per vertical fairlead motion
    FArray<Real, 150> DTZFDH;  // per line: vertical fairlead force per horizontal tension
    FArray<Real, 26, 150> TANARR;  // per node and line: tangents of the unperturbed solution
    FArray<Real, 200> CATAVB;  // spare words; nothing uses them
    Int CATEND;  // last word of the record
};

static_assert(std::is_trivially_copyable_v<LinCom> && std::is_trivially_copyable_v<CatCom>);

extern LinCom LINCOM;
extern CatCom CATCOM;

// Put each record back to all zero (tests start from fresh records).
void reset_lincom();
void reset_catcom();

// The line type that a LINEID word selects (its low ten bits) and whether the line is left out. A word
// above 1024 marks a line to skip; a low part of 0 (the word 1024 itself) or above 150, or a negative
// word, would name a line type outside the tables, so such a line is left out as well.
struct LineTypeWord {
    Int ITYP;       // the word's low ten bits (0..1023), whatever the verdict
    bool excluded;  // true: nothing may be read for this line
};
inline LineTypeWord line_type_of(Int word) {
    const Int ITYP = static_cast<Int>(static_cast<std::uint32_t>(word) & 1023u);
    return {ITYP, word > 1024 || word < 0 || ITYP < 1 || ITYP > 150};
}

}  // namespace brevant
