// The data image TPCM: the whole case as 79,676 four-byte words, every member at its word, the SALM
// view of the semi sub-block and the two catenary views of the sibling mooring types. The members
// and their pins come from one transcription of the layout, which tests/records/data_image_layout_table.h
// holds and the tests check against this struct.
// Beside each member: its word(s), then its meaning and unit; a word with no meaning given is spare
// or belongs to the sibling simulation types, and is carried unchanged from load to save.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "sysutl/ftypes.h"

namespace brevant {

// The object representation of an image: the words as bytes. Copies, comparisons and file transfers of
// a whole image or of a word range go through these bytes, never through a pointer of another type.
template <class Rec>
auto image_bytes(Rec& r) {
    static_assert(std::is_trivially_copyable_v<std::remove_const_t<Rec>>);
    if constexpr (std::is_const_v<Rec>) {
        return std::as_bytes(std::span<Rec, 1>(&r, 1));
    } else {
        return std::as_writable_bytes(std::span<Rec, 1>(&r, 1));
    }
}

// Word k (1-based) of an image as a 32-bit integer, and its replacement.
template <class Rec>
Int image_word(const Rec& r, int k) {
    assert(k >= 1 && static_cast<std::size_t>(k) * 4 <= sizeof(Rec));
    Int v;
    std::memcpy(&v, image_bytes(r).data() + 4 * static_cast<std::size_t>(k - 1), 4);
    return v;
}
template <class Rec>
void set_image_word(Rec& r, int k, Int v) {
    assert(k >= 1 && static_cast<std::size_t>(k) * 4 <= sizeof(Rec));
    std::memcpy(image_bytes(r).data() + 4 * static_cast<std::size_t>(k - 1), &v, 4);
}

inline constexpr Int kTpcmWords = 79676;
// The number of words this program loads, compares and stores of the data image.
inline constexpr Int NTOGOQ = 4975;

// Words 1988-4975 as the SALM conversion view (files of type 11). Offsets count from word 1988.
struct SalmView {

    // Words 1988-3220 as read from files of type 11; SEMFIL runs on over the hull member table.
    Int LODFRE_SLM;                              // 1988 SALM view, meaning unknown
    Int LPOSN;                                   // 1989 SALM view, meaning unknown
    Int LANGLE;                                  // 1990 SALM view, meaning unknown
    Int LODWAV;                                  // 1991 SALM view, meaning unknown
    Int LODINR;                                  // 1992 SALM view, meaning unknown
    Int LODSTA;                                  // 1993 SALM view, meaning unknown
    Int LODNET;                                  // 1994 SALM view, meaning unknown
    Int LOWMOT;                                  // 1995 SALM view, meaning unknown
    Int STAMOT;                                  // 1996 SALM view, meaning unknown
    Int HIMOT;                                   // 1997 SALM view, meaning unknown
    Int OUTCRD;                                  // 1998 SALM view, meaning unknown
    Int SMPDRG;                                  // 1999 SALM view, meaning unknown
    Int ISLM1;                                   // 2000 SALM view, meaning unknown
    Int ISLM2;                                   // 2001 SALM view, meaning unknown
    Int LOFFST;                                  // 2002 SALM view, meaning unknown
    Int WETYOK;                                  // 2003 SALM view, meaning unknown
    Int EQVLIN;                                  // 2004 SALM view, meaning unknown
    Int NMOMT;                                   // 2005 SALM view, meaning unknown
    Int NELEM;                                   // 2006 SALM view, meaning unknown
    Int ISTAT;                                   // 2007 SALM view, meaning unknown
    Int IFRANC;                                  // 2008 SALM view, meaning unknown
    FArray<Int, 40> IFREE;                       // 2009-2048 SALM view, meaning unknown
    FArray<Int, 40> LMOMT;                       // 2049-2088 SALM view, meaning unknown
    Int IPIERC;                                  // 2089 SALM view, meaning unknown
    Int ISLM3;                                   // 2090 SALM view, meaning unknown
    FArray<Real, 2> SSALM;                       // 2091-2092 SALM view, meaning unknown
    FArray<Real, 40> SLEN;                       // 2093-2132 SALM view, meaning unknown; ft or m
    FArray<Real, 40> BUOY;                       // 2133-2172 SALM view, meaning unknown; a volume, ft^3 or m^3
    FArray<Real, 40> CBUOY;                      // 2173-2212 SALM view, meaning unknown; ft or m
    FArray<Real, 40> TMASS;  // 2213-2252 SALM view, meaning unknown; masses held as weights, kips or t
    FArray<Real, 40> CGSALM;                     // 2253-2292 SALM view, meaning unknown; ft or m
    FArray<Real, 40> LOWER;                      // 2293-2332 SALM view, meaning unknown
    FArray<Real, 40> GYRAD;                      // 2333-2372 SALM view, meaning unknown; ft or m
    Real ANCHOR;                                 // 2373 SALM view, meaning unknown
    Real YOKEHT;                                 // 2374 SALM view, meaning unknown; ft or m
    Real WPAPRC;                                 // 2375 SALM view, meaning unknown; an area, ft^2 or m^2
    Real YOKVES;                                 // 2376 SALM view, meaning unknown
    FArray<Real, 40> COFMST;                     // 2377-2416 SALM view, meaning unknown
    FArray<Real, 40> COFDMT;                     // 2417-2456 SALM view, meaning unknown
    Real COFMAS;                                 // 2457 SALM view, meaning unknown
    Real COFDMP;                                 // 2458 SALM view, meaning unknown
    Real R13;                                    // 2459 SALM view, meaning unknown
    Real R14;                                    // 2460 SALM view, meaning unknown
    Real R15;                                    // 2461 SALM view, meaning unknown
    Real R16;                                    // 2462 SALM view, meaning unknown
    Real R17;                                    // 2463 SALM view, meaning unknown
    Real R18;                                    // 2464 SALM view, meaning unknown
    Real R19;                                    // 2465 SALM view, meaning unknown
    Real R20;                                    // 2466 SALM view, meaning unknown
    Int JD1;                                     // 2467 SALM view, meaning unknown
    Int JD2;                                     // 2468 SALM view, meaning unknown
    Int JD3;                                     // 2469 SALM view, meaning unknown
    Int LTABL;                                   // 2470 SALM view, meaning unknown
    Int FRESLM;                                  // 2471 SALM view, meaning unknown
    Int JD6;                                     // 2472 SALM view, meaning unknown
    Int JD7;                                     // 2473 SALM view, meaning unknown
    Int JD8;                                     // 2474 SALM view, meaning unknown
    Int JD9;                                     // 2475 SALM view, meaning unknown
    Int JD10;                                    // 2476 SALM view, meaning unknown
    FArray<Real, 20> ASLMS1;                     // 2477-2496 SALM view, meaning unknown
    FArray<Real, 20> ASLMS2;                     // 2497-2516 SALM view, meaning unknown
    FArray<Real, 20> ASLMS3;                     // 2517-2536 SALM view, meaning unknown
    FArray<Real, 20> ASLMS4;                     // 2537-2556 SALM view, meaning unknown
    FArray<Int, 20> ISLMS1;                      // 2557-2576 SALM view, meaning unknown
    FArray<Int, 20> ISLMS2;                      // 2577-2596 SALM view, meaning unknown
    FArray<Int, 20> ISLMS3;                      // 2597-2616 SALM view, meaning unknown
    FArray<Int, 20> ISLMS4;                      // 2617-2636 SALM view, meaning unknown
    Int LPERCN;                                  // 2637 SALM view, meaning unknown
    FArray<Int, 2338> SEMFIL;                    // 2638-4975 SALM view, meaning unknown
};

// Words 78636-79675 of the catenary sub-block as the mooring types 7 and 8 lay them out. This program
// keeps the block opaque; only the unit conversion reads these names. Offsets count from word 78636.
struct CatenaryView7 {
    Int spare_78636[140];                        // 78636-78775 spare
    FArray<Real, 50, 8> OFFL;                    // 78776-79175 offset table, ft or m
    Int spare_79176[500];                        // 79176-79675 spare
};

struct CatenaryView8 {
    Int spare_78636[168];                        // 78636-78803 spare
    FArray<Real, 50> OFFL;                       // 78804-78853 offsets, ft or m
    Int spare_78854[74];                         // 78854-78927 spare
    Real XINIT;                                  // 78928 ft or m
    Real YINIT;                                  // 78929 ft or m
    Real ZINIT;                                  // 78930 ft or m
    Int spare_78931;                             // 78931 spare
    Real ROTCTX;                                 // 78932 ft or m
    Real ROTCTY;                                 // 78933 ft or m
    Real ROTCTZ;                                 // 78934 ft or m
    Real EPSDST;                                 // 78935 ft or m
    Int spare_78936[101];                        // 78936-79036 spare
    FArray<Real, 50> VRTOFF;                     // 79037-79086 ft or m
    Int spare_79087[247];                        // 79087-79333 spare
    FArray<Real, 3> FAPPNT;                      // 79334-79336 ft or m
    Int spare_79337[60];                         // 79337-79396 spare
    FArray<Real, 50> FRCOFF;                     // 79397-79446 kips or metric tons
    FArray<Real, 50> TRQOFF;                     // 79447-79496 ft-kips or ton-m
    Int spare_79497[30];                         // 79497-79526 spare
    FArray<Real, 50> RCTOFF;                     // 79527-79576 ft or m
    Int spare_79577[99];                         // 79577-79675 spare
};

struct Tpcm {

    // Top sub-block, words 1-1987: header, environment, vessel, editor control words, output options.
    Int NTOGO;                                   // 1 number of words the data file holds (4975 for this program)
    Int SIMTYP;                                  // 2 type code of the writing program, 1-17 (16 this program)
    Int ITAVQ3;                                  // 3 spare, unused
    Int NEWFLG;                                  // 4 new-data flag; 0 after a normal load and in a new case
    Int ITAVQ5;                                  // 5 spare, unused
    Int SRCDAT;                                  // 6 run mode of the session that last saved the file
    Int LEASTP;                                  // 7 run mode of this session (3 silent run, else interactive)
    Int spare_00008[6];                          // 8-13 spare
    Int IBATCH;                                  // 14 batch-modify session (start answer "B"): toggles ask 1/0
    Int DAT_ID;                                  // 15 mooring layout: 149 current, 49 older (forces the update)
    Int DP_FLAG;                                 // 16 1: written by a double-precision build (fatal here)
    FArray<Int, 10> ITPCM1;                      // 17-26 spare words, unused
    Int ITPCQ1;                                  // 27 spare, unused
    Int MAXDIR;                                  // 28 bound of NDIR, regular-wave headings; held at 1
    Int MAXSEA;                                  // 29 bound of the irregular seas; held at 1
    Int MAXPRM;                                  // 30 bound of N_OCHI_COMP and the sea parameter sets; held at 1
    Int ITPCQ2;                                  // 31 spare, unused
    Int MAXANG;                                  // 32 bound of NA, wedges of a spread sea; held at 36
    Int MAXCHR;                                  // 33 meaning unknown, unused
    FArray<Int, 20> ITPCM2;                      // 34-53 spare words, unused
    FArray<Int, 6> MOTION;                       // 54-59 per degree of freedom, surge to yaw: not 0 when its
                                                 //     response statistics and RAO-table column are wanted
                                                 //     (roll's 1 alone adds a ship's roll-damping header line);
                                                 //     1 in a new case, no page edits them
    ImageText<80> CID1P;                         // 60-79 first identification line (page 1 item 1; report title)
    ImageText<80> CID2P;                         // 80-99 second identification line of the case (page 1 item 2)
    Int ONETWO;                                  // 100 meaning unknown, unused
    Int ALLRAO;                                  // 101 output RAOs for all spread-sea angles (semi options item 3)
    Int PRNRAO;                                  // 102 a print-RAO option: 0 in a new case; no page edits it
                                                 //     and nothing reads it
    Int SPECFG;                                  // 103 meaning unknown, unused
    Int NEGSUM;                                  // 104 option word of the vessel models; 1 after every load
    Int LFORCE;                                  // 105 output force/torque RAOs (semi output options item 1)
    Int LMOTN;                                   // 106 output motion RAOs (semi output options item 2)
    Int LGAP;                                    // 107 point displacements absolute (0) or relative to the wave
                                                 //     surface (1; 2 with the wave term decayed below the
                                                 //     draft); every load sets 0 in this program
    Int LSLPHT;                                  // 108 regular waves of constant height (0) or constant slope (1)
    Int IUNIT;                                   // 109 unit of the simulation report (console or disk)
    Int IDRIVE;                                  // 110 disk selector of the report file, with IUNIT
    ImageText<4> CVERSN;                         // 111 old-style version field, read only when VERNO is 0.0
    Int IYEAR;                                   // 112 year of the program that wrote the file
    Int IPLOTS;                                  // 113 plot-output flag
    Int NBUG0;                                   // 114 debug output level of the output options and disc buoy
    Int NBUG;                                    // 115 debug output level of the mooring-line and vessel-motion code
    Int spare_00116;                             // 116 spare
    Int NUNTS;                                   // 117 unit system: 0 English, 1 metric (added to caption indexes)
    Int ISPM;                                    // 118 mooring-system type code (0 in this program)
    Int ICHAIN;                                  // 119 meaning unknown, unused
    Int COMPLR;                                  // 120 meaning unknown, unused
    Int CMPUTR;                                  // 121 machine code of the writer: below 5 PPC, 5 and above Intel
    Int LENDEG;  // 122 normalisation of the rotational RAOs (roll, pitch, yaw) on the response tables
    Int LPEAK;                                   // 123 meaning unknown, unused
    Int spare_00124[19];                         // 124-142 spare
    Int SQLFRC;                                  // 143 square-law driving forces of the semi model: 0 resonant
                                                 //     damping only, 1 full square-law, 2 resonant damping plus
                                                 //     forces on the fixed vessel
    Int NOWARN;                                  // 144 suppress the hydrostatic warnings (member page item 5)
    Int LCGFLG;                                  // 145 1: motion statistics referred to the centre of gravity
    Int MS3DOF;                                  // 146 meaning unknown, unused
    Int RMSFLG;                                  // 147 meaning unknown, unused
    Int EXLOUT;                                  // 148 meaning unknown, unused
    Int LFBASIN;                                 // 149 meaning unknown, unused
    Int TENDON_FLG;                              // 150 not 0: warn only when a fairlead drops below the span
    Int LEG_WF_LOADS;                            // 151 1: the catenary line mass is left out (legacy line loads)
    Int LEG_CYL_DFC;                             // 152 1: legacy cylinder drift-force coefficients
    Int spare_00153;                             // 153 spare
    Int ITPCM30;                                 // 154 also named LEGACY_ID
    FArray<Int, 7> ITPCM3;                       // 155-161 spare words, unused
    Int spare_00162;                             // 162 spare
    Int IVERS_SUFX;                              // 163 version increment of the writing program; 0 when saved
    Int WAVTYP;                                  // 164 irregular-wave spectrum type (wave-spectrum captions 0-10)
    Int WNDTYP;                                  // 165 wind spectrum type (1-6 of the wind-spectrum captions)
    Int CURTYP;                                  // 166 current spectrum type (0-3)
    Int NWP;                                     // 167 number of regular-wave periods, at most 100
    Int NDIR;                                    // 168 number of regular-wave headings, at most MAXDIR
    Int NA;                                      // 169 number of wedges of a spread sea, at most MAXANG
    Int NSEAHG;                                  // 170 number of irregular-sea headings
    Int NPARM;                                   // 171 number of irregular seas (sea parameter sets)
    Int LRANDM;                                  // 172 simulate irregular waves (0/1)
    Int LSPRED;                                  // 173 long-crested (0) or spread irregular sea
    Int LSWELL;                                  // 174 simulate background swell (0/1)
    Int LWIND;                                   // 175 simulate wind (0/1); the wind page only when 1
    Int LCURNT;                                  // 176 simulate current (0/1); the current page only when 1
    Int LCSTCR;                                  // 177 current variation with depth: 0 one-seventh power law, 1 none, 2 profile table (462-471), 3 profile file
    Int NCURNT;                                  // 178 number of legacy current-profile points, at most 5
    Int NUMBRV;                                  // 179 number of attack angles of the low-frequency force tables
    Int BRVFLG;                                  // 180 output-option bits 1-27 (output options pages 1 and 2)
    Int LSWLOK;                                  // 181 swell heading locked to the irregular-wave heading
    Int XTRMFL;                                  // 182 meaning unknown, unused
    Int NEWEQL;                                  // 183 meaning unknown, unused
    Int LEGDFC;                                  // 184 legacy current-wave drift-force interaction model (output
                                                 //     options page 2 item 11; 1 after the update of a file before 4.9)
    Int LEGPKF;                                  // 185 legacy peak-load model flag (0/1; 1 after the update of
                                                 //     a file before 4.9); no page edits it, the consistency
                                                 //     warnings weigh it with LEGDRG and LEGDFC
    Int LEGDRG;                                  // 186 exclude wave drag from the net loads tables (output options
                                                 //     page 2 item 14; 1 after the update of a file before 4.9)
    Int LANGARR;                                 // 187 attack angles from the array BRVHDG (1) or an increment (0)
    Int LEGTLP;                                  // 188 meaning unknown, unused
    Int LPHANTOM_WGHT;                           // 189 semi option: a TLP mooring as a phantom weight TLP_TENSION
    Int SWLTYP;                                  // 190 swell spectrum type
    Int FORCE_GAUSS;                             // 191 meaning unknown, unused
    Int N_OCHI_COMP;                             // 192 number of Ochi-Hubble wave components, at most MAXSHT
    Int NEW_STYLE_SEMI_INTEG;                    // 193 meaning unknown, unused
    Int LSWEL2;                                  // 194 simulate a second, smaller swell (no page shows it)
    Int SWLTYP2;                                 // 195 spectrum type 0-10 of the second swell
    Int NUM_SWEL;                                // 196 number of swells, LSWELL + LSWEL2 (motion phase 1)
    Int hideTorMedaReports;                      // 197 suppress the vessel-motion report files
    Logical noMoor;                              // 198 meaning unknown, unused
    Logical noEquil;                             // 199 meaning unknown, unused
    Logical cylMap;                              // 200 meaning unknown, unused
    Logical sqUserSWD;                           // 201 meaning unknown, unused
    Logical sqUserCM;                            // 202 meaning unknown, unused
    FArray<Int, 14> ITPCM4;                      // 203-216 spare words, unused
    Real VERNO;                                  // 217 version of the writing program (compared within 0.001)
    FArray<Real, 100> USRPSD;                    // 218-317 user spectral densities at the regular-wave periods
    FArray<Real, 100> T;                         // 318-417 regular-wave periods, s
    FArray<Real, 12> WAVHDG;                     // 418-429 regular-wave headings, deg
    FArray<Real, 6> SWHT;                        // 430-435 significant heights of the irregular seas, ft or m
    FArray<Real, 6> SIGPD;                       // 436-441 peak periods of the irregular seas or components, s
    FArray<Real, 4> OCHI_LAMBDA;                 // 442-445 Ochi-Hubble lambda values (also named RTPCM0)
    Real DEPTH;                                  // 446 site water depth, ft or m
    Real DWATR;                                  // 447 water weight density (64.0 lbs/ft^3 sea, 62.44 fresh)
    Real SLPHT;                                  // 448 regular-wave height or slope (see LSLPHT)
    Real COSEXP;                                 // 449 spreading index (power of the cosine) of a spread sea
    Real DURATN;                                 // 450 duration (data checks and vessel-motion library)
    Real SWELHT;                                 // 451 swell significant height, ft or m
    Real SWELPD;                                 // 452 swell peak period, s
    Real SWLHDG;                                 // 453 swell heading (global or relative), deg
    Real WNDHDG;                                 // 454 wind heading, deg
    Real WNDSPD;                                 // 455 wind speed, knots
    Real WNDDEN;                                 // 456 wind speed spectral density
    Real CURHDG;                                 // 457 current heading, deg
    Real CURSPD;                                 // 458 current speed, knots
    Real CURDEN;                                 // 459 current spectral density
    Real APIPRM;                                 // 460 A.P.I. wind spectrum parameter
    Real SWLWID;                                 // 461 swell spectral bandwidth
    FArray<Real, 5> DPTHI;                       // 462-466 legacy current profile: depths below the surface
    FArray<Real, 5> VELI;                        // 467-471 legacy current profile: speeds
    Real BRVINC;                                 // 472 uniform attack-angle increment, deg
    Real BRVFRQ;                                 // 473 oscillation frequency of the low-frequency tables
    Real BRVARM;                                 // 474 offset from the CG at which moments are given
    Real JONPL;                                  // 475 JONSWAP sigma a of the irregular sea
    Real JONPG;                                  // 476 JONSWAP sigma b of the irregular sea
    Real JONGAM;                                 // 477 JONSWAP gamma of the irregular sea
    Real ANGSEC;                                 // 478 spreading sector size, deg
    Real WNDDNY;  // 479 wind speed spectral density, y direction, (ft/s)^2 or (m/s)^2 per rad/s
    Real WNDDNZ;  // 480 wind speed spectral density, z direction, (ft/s)^2 or (m/s)^2 per rad/s
    Real CURDNY;  // 481 current speed spectral density, y direction, (ft/s)^2 or (m/s)^2 per rad/s
    Real CURDNZ;  // 482 current speed spectral density, z direction, (ft/s)^2 or (m/s)^2 per rad/s
    Real TLP_TENSION;                            // 483 phantom weight value (semi output options item 7)
    Real RMS_CRNT;                               // 484 fractional RMS current variation
    Real JONPL_SWL;                              // 485 swell JONSWAP sigma below the peak, dimensionless
    Real JONPG_SWL;                              // 486 swell JONSWAP sigma above the peak, dimensionless
    Real JONGAM_SWL;                             // 487 swell JONSWAP gamma (peak enhancement), dimensionless
    Real WAVWID;                                 // 488 irregular-wave spectral bandwidth parameter
    Real BRVFRQ_DELTA;                           // 489 frequency step of the group and low-frequency tables
    Real WSPEC_HGT;                              // 490 N.P.D. wind spectrum evaluation height
    Real SWELHT2;                                // 491 second swell: significant height, ft or m
    Real SWELPD2;                                // 492 second swell: peak period, s
    Real SWLHDG2;                                // 493 second-swell heading, degrees
    Real SWLWID2;                                // 494 second-swell relative width of the Gaussian shape
    Real JONPL_SWL2;                             // 495 second-swell JONSWAP sigma below the peak, dimensionless
    Real JONPG_SWL2;                             // 496 second-swell JONSWAP sigma above the peak, dimensionless
    Real JONGAM_SWL2;                            // 497 second-swell JONSWAP gamma, dimensionless
    FArray<Real, 2> RTPCM1;                      // 498-499 (1) BRV_PD_MIN: least period of the low-frequency tables
    FArray<Real, 200> RTPCM2;  // 500-699 spare words opened by the resize to layout 149; nothing reads them

    // Editor control words: they belong to the running session and are stored as 0.
    Int LBACK;                                   // 700 navigation code between the pages and the driver; stored 0
    Int IPAG;                                    // 701 page slot counter of the editor driver; stored 0
    Int LCOPY;                                   // 702 page-dump run in progress (no clearing); stored 0
    Int EDUNIT;                                  // 703 editor output unit (6 screen, 41 silent, 1 file); stored 0
    FArray<Int, 10> ITPCM5;                      // 704-713 spare words, unused
    FArray<Real, 40> SEAHDG;                     // 714-753 irregular-sea headings, deg; (2..40) also BRVHDG

    // First vessel.
    Int IVESL;                                   // 754 also named NACC
    Int EMTY1;                                   // 755 spare, unused
    Int EMTY2;                                   // 756 spare, unused
    Int LACC;                                    // 757 not 0: point accelerations evaluated in motion phase 2
    Int LVEL;                                    // 758 not 0: point velocities evaluated
    Int LDSP;                                    // 759 not 0: point displacements evaluated
    Int LROLL;                                   // 760 roll option of the gyradii and bilge page
    Int LBOW;                                    // 761 meaning unknown, unused (also TLBOW)
    Int LKEEL;                                   // 762 the vessel has a bilge keel (0/1)
    Int ROLTYP;                                  // 763 roll type of the gyradii and bilge page
    Int LSTERN;                                  // 764 meaning unknown, unused (also TLSTRN)
    Int LPTDMP;                                  // 765 pitch damping computed (0) or specified
    Int LRLDMP;                                  // 766 roll damping computed (0) or specified
    Int LHVDMP;                                  // 767 heave damping computed (0) or specified
    Int LPTPRD;                                  // 768 pitch period computed (0) or specified
    Int LRLPRD;                                  // 769 roll period computed (0) or specified
    Int LHVPRD;                                  // 770 heave period computed (0) or specified
    Int CURCOR;                                  // 771 apply the current correction to the drift forces
    Int GETSUCK;                                 // 772 meaning unknown, unused
    Int FAST_SPAR;                               // 773 meaning unknown, unused
    Int LCBARG;                                  // 774 current-coefficient model choice, packed 4-bit fields
    Int LWBARG;                                  // 775 wind-coefficient model choice, packed 4-bit fields
    Int IARCO;  // 776 1 with types 8 and 13: fairlead heights from the second vessel's draft
    Int VESTYP;                                  // 777 vessel (hull) type code, selects the vessel model
    Int AUXVSH;                                  // 778 not 0: the vessel's RAOs are user-supplied (the report
                                                 //     pages say so); no page edits it
    Int CATFBK;                                  // 779 output the static wave force vs mooring force analysis
                                                 //     (page 4 item 14); nothing in the run reads it
    Int MORFBK;                                  // 780 mooring forces fed back to the disc buoy's motions (page 4
                                                 //     item 13): any non-zero value in its forces and RAOs, 1
                                                 //     alone in the moored-period iteration
    Int LSGDMP;  // 781 surge damping computed (0) or given in SGMDMP as percent of critical
    Int LSWDMP;  // 782 sway damping computed (0) or given in SWMDMP as percent of critical
    Int LYWDMP;  // 783 yaw damping computed (0) or given in YWMDMP as percent of critical
    Int LSGPRD;                                  // 784 surge period computed (0) or given (1, SGK then holds it in s)
    Int LSWPRD;                                  // 785 sway period computed (0) or given (1, SWK then holds it in s)
    Int LYWPRD;                                  // 786 yaw period computed (0) or given (1, YWK then holds it in s)
    Int LWVCOF;                                  // 787 wave-drift coefficient model choice, packed 4-bit fields
    Logical LSPM;  // 788 disc buoy: offsets interpolated from the table (true) or in equal steps (false)
    Int DECKUP;                                  // 789 deck-up option of the vessel pages
    Int LVMR1;                                   // 790 meaning unknown, unused
    Logical SEMI_LIKE;                           // 791 hull built of members (member and semi pages shown)
    Int AXFC2;                                   // 792 second external force switch (one force is supported)
    Int CRDS2;                                   // 793 meaning unknown, unused
    Int LVMR2;                                   // 794 meaning unknown, unused
    Int LXTDP2;                                  // 795 meaning unknown, unused
    Int AXFC3;                                   // 796 third external force instance switch
    Int CRDS3;                                   // 797 meaning unknown, unused
    Int LVMR3;                                   // 798 meaning unknown, unused
    Int LXTDP3;                                  // 799 meaning unknown, unused
    FArray<Int, 104> ITPCM6;                     // 800-903 spare words, unused
    Real REALDUM1;                               // 904 spare, unused
    FArray<Real, 3, 149> RACC;                   // 905-1351 motion-evaluation points (x, y, z)
    Real WPITCH;  // 1352 drift-coefficient frequency scale; phase 1 writes the pitch natural frequency, rad/s
    Real XWNDAR;                                 // 1353 head-on effective wind drag area
    Real XWARM;                                  // 1354 arm of the head-on wind area
    Real YWNDAR;                                 // 1355 beam-on effective wind drag area
    Real YWARM;                                  // 1356 arm of the beam-on wind area
    Real XCURAR;                                 // 1357 head-on effective current drag area
    Real XCARM;                                  // 1358 arm of the head-on current area
    Real YCURAR;                                 // 1359 beam-on effective current drag area
    Real YCARM;                                  // 1360 arm of the beam-on current area
    Real BOWFAC;  // 1361 bow entrance factor of the tanker hull model (2.77777 or more: a blunt bow)
    Real WNDFAC;                                 // 1362 wind force enhancement factor, dimensionless (also TWNDCF)
    Real CURFAC;                                 // 1363 current force enhancement factor, dimensionless (also TCURCF)
    Real WVFCY;                                  // 1364 wave reflection beam-on enhancement factor, dimensionless
    Real TRIMDG;                                 // 1365 vessel trim, deg
    Real HEELDG;                                 // 1366 vessel heel, deg
    Real VWDFAC;                                 // 1367 wave-drift spectrum enhancement factor, dimensionless
    Real STRNFC;                                 // 1368 stern-on shape factor, default 1.25
    Real PTDAMP;                                 // 1369 specified pitch damping, percent of critical
    Real RLDAMP;                                 // 1370 specified roll damping, percent of critical
    Real HVDAMP;                                 // 1371 specified heave damping, percent of critical
    Real PITPRD;                                 // 1372 specified pitch period, s
    Real ROLPRD;                                 // 1373 specified roll period, s
    Real HEVPRD;                                 // 1374 specified heave period, s
    Real XSALM;                                  // 1375 a SALM/buoy length, copied to BRVARM on import
    Real PNDARM;                                 // 1376 a length of the disc buoy, ft or m (converted as a length)
    Real SGK;  // 1377 surge mooring stiffness, kips/ft or t/m (or the surge period in s, LSGPRD 1)
    Real SWK;  // 1378 sway mooring stiffness, kips/ft or t/m (or the sway period in s, LSWPRD 1)
    Real YWK;                                    // 1379 yaw mooring stiffness (or the yaw period in s, LYWPRD 1)
    Real HVK;                                    // 1380 heave mooring stiffness, kips/ft or t/m
    Real PTK;                                    // 1381 pitch mooring stiffness, moment per radian
    Real RLK;                                    // 1382 roll mooring stiffness, moment per radian
    Real SGMDMP;  // 1383 surge mooring damping (force per velocity), or percent of critical with LSGDMP
    Real SWMDMP;  // 1384 sway mooring damping (force per velocity), or percent of critical with LSWDMP
    Real YWMDMP;                                 // 1385 yaw mooring damping, or percent of critical with LYWDMP
    Real HVMDMP;                                 // 1386 heave mooring damping, force per velocity
    Real PTMDMP;                                 // 1387 pitch mooring damping, moment per angular velocity
    Real RLMDMP;                                 // 1388 roll mooring damping, moment per angular velocity
    Real SIZE;                                   // 1389 vessel size value of the coefficient models
    Real LOADED;                                 // 1390 freeboard-based load, percent, of the tanker wind models
    Real BOWWND;  // 1391 above-water bow shape: 0 conventional, 1 cylindrical, between interpolated
    Real DFTPCT;                                 // 1392 draft-based load, percent, of the tanker current models
    Real BOWCUR;  // 1393 below-water bow shape: 0 conventional with bulb, 1 cylindrical without
    Real DSPPCT;                                 // 1394 displacement-based load, percent (tanker page)
    Real BOWWAV;  // 1395 the waves' bow word beside BOWWND and BOWCUR: it belongs with them to the load-model
                  //      page (page 6), which neither shows nor edits it, and no model reads it; the update of
                  //      a file before 1.0 fills it with their old bow value
    Real VESMAS;                                 // 1396 meaning unknown, unused
    Real SRGMAS;                                 // 1397 meaning unknown, unused
    Real SWYMAS;                                 // 1398 meaning unknown, unused
    Real YAWMAS;                                 // 1399 meaning unknown, unused
    Real ZXWARM;  // 1400 height of the head-on wind area's centroid above the keel, ft or m
    Real ZYWARM;  // 1401 height of the beam-on wind area's centroid above the keel, ft or m
    Real ZXCARM;  // 1402 height of the head-on current area's centroid above the keel, ft or m
    Real ZYCARM;  // 1403 height of the beam-on current area's centroid above the keel, ft or m
    Real WVFCX;                                  // 1404 wave reflection head-on enhancement factor, dimensionless
    Real WVFCM;                                  // 1405 wave reflection moment enhancement factor, dimensionless
    Real VGLDIR;                                 // 1406 direction of the vessel speed
    Real XSHDOW;  // 1407 head-on shadowing and geometry factor of the legacy semi drift model
    Real YSHDOW;  // 1408 beam-on shadowing and geometry factor of the legacy semi drift model
    Real DISPL;                                  // 1409 vessel displacement
    Real VKB;                                    // 1410 centre of buoyancy above the keel as input, ft or m (also TVKB)
    Real VKG;                                    // 1411 vertical centre of gravity above the keel
    Real DRAFT;                                  // 1412 mean vessel draft
    Real AWP;                                    // 1413 water-plane area
    Real PGYR;                                   // 1414 pitch gyradius, ft or m (also TPGYR)
    Real RGYR;                                   // 1415 roll gyradius, ft or m (also TRGYR)
    Real YGYR;                                   // 1416 yaw gyradius, ft or m (also TYGYR)
    Real VKMT;                                   // 1417 transverse KM as input, ft or m (also TVKMT)
    Real VKML;                                   // 1418 longitudinal KM as input, ft or m (also TVKML)
    Real LWL;                                    // 1419 length at the waterline
    Real BWL;                                    // 1420 beam at the waterline
    Real BILGR;                                  // 1421 bilge radius at the maximum beam station, ft or m (also TBILGR)
    Real TKEEL;                                  // 1422 bilge keel length, ft or m (also TTKEEL)
    Real RKEEL;  // 1423 average bilge keel width, attach line to outboard edge, ft or m (also TRKEEL)
    Real DKEEL;  // 1424 plan-view distance from the centreline to the bilge keel attach line, ft or m
    Real VFWD;                                   // 1425 forward speed of the vessel (also TVFWD)
    Real VCBEST;  // 1426 centre of buoyancy above the keel estimated from the members, ft or m
    Real GMTEST;                                 // 1427 estimated transverse GM, ft or m
    Real GMLEST;                                 // 1428 estimated longitudinal GM, ft or m
    Real VOLEST;                                 // 1429 estimated displaced volume, ft^3 or m^3
    Real AWPEST;                                 // 1430 estimated waterplane area, ft^2 or m^2
    Real XCBEST;                                 // 1431 estimated forward (x) centre of buoyancy, ft or m
    Real YCBEST;                                 // 1432 estimated lateral (y) centre of buoyancy, ft or m
    Real XWPCTR;                                 // 1433 estimated forward (x) waterplane centroid, ft or m
    Real YWPCTR;                                 // 1434 estimated lateral (y) waterplane centroid, ft or m
    Real XVFRC;                                  // 1435 external force, X component
    Real YVFRC;                                  // 1436 external force, Y component
    Real VESMOM;                                 // 1437 external moment
    Real VESAN0;                                 // 1438 initial vessel angle (output pages and the analysis)
    Real XVLOC;                                  // 1439 external force point of application, x
    Real YVLOC;                                  // 1440 external force point of application, y
    Int AUXFRC;                                  // 1441 external force switch
    Int CRDSYS;                                  // 1442 external force in the global (or vessel) system
    Int DPAFLG;  // 1443 DP-group word of the sibling types; 0 in this program
    Int DPRFLG;                                  // 1444 bit 1 set: a further force DPXFRC, DPYFRC is given
    Real DPANG;                                  // 1445 DP-group word of the sibling types, meaning unknown
    Real DPADMP;                                 // 1446 DP-group word of the sibling types, meaning unknown
    Real DPASPR;  // 1447 DP-group spring of the sibling types, kips or t (converted as a force)
    Real DPXPNT;  // 1448 DP-group length of the sibling types, ft or m; meaning unknown here
    Real DPXDMP;                                 // 1449 DP-group word of the sibling types, meaning unknown
    Real DPXSPR;  // 1450 DP-group x spring of the sibling types, kips/ft or t/m
    Real DPYPNT;  // 1451 DP-group length of the sibling types, ft or m; meaning unknown here
    Real DPYDMP;                                 // 1452 DP-group word of the sibling types, meaning unknown
    Real DPYSPR;  // 1453 DP-group y spring of the sibling types, kips/ft or t/m
    Real DPXFRC;                                 // 1454 x component of the further force (DPRFLG bit 1), kips or t
    Real DPYFRC;                                 // 1455 y component of the further force (DPRFLG bit 1), kips or t
    Real DPMOM;                                  // 1456 DP-group moment of the sibling types, ft-kips or t-m
    Real DPXLOC;                                 // 1457 DP-group x location of the sibling types, ft or m
    Real DPYLOC;                                 // 1458 DP-group y location of the sibling types, ft or m
    Real ZVLOC;                                  // 1459 z of the external force's point of application, ft or m
    Real SPECF1;  // 1460 force spectral density of external force 1, kips^2 or t^2 per rad/s
    Real SPECM1;  // 1461 moment spectral density of external force 1, (ft-kips)^2 or (t-m)^2 per rad/s
    Real FEXDP1;                                 // 1462 meaning unknown, unused
    Real MEXDP1;                                 // 1463 meaning unknown, unused (also RTPCM8)
    Real PKFCM1;                                 // 1464 meaning unknown, unused
    Real ZVFRC;                                  // 1465 z component of the external force, kips or t
    Real XVSMO1;                                 // 1466 x moment of external force 1, ft-kips or t-m
    Real YVSMO1;                                 // 1467 y moment of external force 1, ft-kips or t-m
    Real XVFRC2;                                 // 1468 x component of external force 2, kips or t
    Real YVFRC2;                                 // 1469 y component of external force 2, kips or t
    Real ZVFRC2;                                 // 1470 z component of external force 2, kips or t
    Real XVSMO2;                                 // 1471 x moment of external force 2, ft-kips or t-m
    Real YVSMO2;                                 // 1472 y moment of external force 2, ft-kips or t-m
    Real VESMO2;                                 // 1473 yaw moment of external force 2, ft-kips or t-m
    Real SPECF2;  // 1474 force spectral density of external force 2, kips^2 or t^2 per rad/s
    Real SPECM2;  // 1475 moment spectral density of external force 2, (ft-kips)^2 or (t-m)^2 per rad/s
    Real XVLOC2;                                 // 1476 x of external force 2's point of application, ft or m
    Real YVLOC2;                                 // 1477 y of external force 2's point of application, ft or m
    Real ZVLOC2;                                 // 1478 z of external force 2's point of application, ft or m
    Real FEXDP2;                                 // 1479 meaning unknown, unused
    Real MEXDP2;                                 // 1480 meaning unknown, unused
    Real PKFCM2;                                 // 1481 meaning unknown, unused
    Real XVFRC3;                                 // 1482 x component of external force 3, kips or t
    Real YVFRC3;                                 // 1483 y component of external force 3, kips or t
    Real ZVFRC3;                                 // 1484 z component of external force 3, kips or t
    Real XVSMO3;                                 // 1485 x moment of external force 3, ft-kips or t-m
    Real YVSMO3;                                 // 1486 y moment of external force 3, ft-kips or t-m
    Real VESMO3;                                 // 1487 yaw moment of external force 3, ft-kips or t-m
    Real SPECF3;  // 1488 force spectral density of external force 3, kips^2 or t^2 per rad/s
    Real SPECM3;  // 1489 moment spectral density of external force 3, (ft-kips)^2 or (t-m)^2 per rad/s
    Real XVLOC3;                                 // 1490 x of external force 3's point of application, ft or m
    Real YVLOC3;                                 // 1491 y of external force 3's point of application, ft or m
    Real ZVLOC3;                                 // 1492 z of external force 3's point of application, ft or m
    Real FEXDP3;                                 // 1493 meaning unknown, unused
    Real MEXDP3;                                 // 1494 meaning unknown, unused
    Real PKFCM3;                                 // 1495 meaning unknown, unused
    Real XVFRC4;                                 // 1496 meaning unknown, unused
    Real YVFRC4;                                 // 1497 meaning unknown, unused
    Real ZVFRC4;                                 // 1498 meaning unknown, unused
    Real XVSMO4;                                 // 1499 meaning unknown, unused
    Real YVSMO4;                                 // 1500 meaning unknown, unused
    Real VESMO4;                                 // 1501 meaning unknown, unused
    Real SPECF4;                                 // 1502 meaning unknown, unused
    Real SPECM4;                                 // 1503 meaning unknown, unused
    Real XVLOC4;                                 // 1504 meaning unknown, unused
    Real YVLOC4;                                 // 1505 meaning unknown, unused
    Real ZVLOC4;                                 // 1506 meaning unknown, unused
    Real FEXDP4;                                 // 1507 meaning unknown, unused
    Real MEXDP4;                                 // 1508 meaning unknown, unused
    Real PKFCM4;                                 // 1509 meaning unknown, unused
    Real CxUser;                                 // 1510 meaning unknown, unused
    Real CyUser;                                 // 1511 meaning unknown, unused
    Real CzUser;                                 // 1512 meaning unknown, unused
    Real CmxUser;                                // 1513 meaning unknown, unused
    Real CmyUser;                                // 1514 meaning unknown, unused
    Real CmzUser;                                // 1515 meaning unknown, unused
    FArray<Real, 134> RTPCM7;                    // 1516-1649 spare words, unused
    Real CG_to_Midship;  // 1650 distance of the centre of gravity from midships (page 2 item 6), ft or m
    Real ACCZDIST;                               // 1651 meaning unknown, unused
    Real XCURNTDN;                               // 1652 factor of the local current on the down-wave side, surge
    Real XCURNTUP;                               // 1653 factor of the local current on the up-wave side, surge
    Real YCURNTDN;                               // 1654 factor of the local current on the down-wave side, sway
    Real YCURNTUP;                               // 1655 factor of the local current on the up-wave side, sway
    Real MUNKFAC1;                               // 1656 Munk moment factor 1 of the current models (drift preparation)
    Real MUNKFAC2;                               // 1657 Munk moment factor 2 of the current models (drift preparation)
    Real MUNKFAC3;                               // 1658 meaning unknown, unused
    Real WVDGCX;                                 // 1659 wave-drag (absorption) enhancement factor, surge
    Real WVDGCY;                                 // 1660 wave absorption beam-on enhancement factor
    Real WVDGCM;                                 // 1661 wave absorption moment enhancement factor
    Real VWDRGFC;  // 1662 variable wave absorption enhancement factor (drag terms of the drift-drag computation)
    Real ENDHT;  // 1663 ENDHT - DRAFT is the hawser's far end above still water, ft or m (also TLNHT)
    Real TOWANG;  // 1664 tow-line angle word of the sibling types (also TLNANG); meaning unknown here
    Real CNTSEP;  // 1665 separation of the line-end combination for ISPM 3, ft or m (also TCNTSP)
    Real DWTONS;                                 // 1666 deadweight, kips (English) or metric tonnes (metric)
    Real excursionLimitDiameter;                 // 1667 excursion disk diameter handed to the chained squall program
    Real AR3;                                    // 1668 spare, unused
    Real AR4;                                    // 1669 spare, unused
    Real AR5;                                    // 1670 spare, unused
    Real YAWINC;                                 // 1671 meaning unknown, unused
    Real EQLYAW;                                 // 1672 meaning unknown, unused
    Real OFFINC;  // 1673 offset increment of the sibling types, ft or m (converted as a length)
    Real HMIN;  // 1674 force word of the sibling types, kips or t (converted as a force)
    Real TLOAD;  // 1675 force scale of the case bounding the vertical-line tension search, kips or t
    Real SGLFDP;                                 // 1676 meaning unknown, unused
    Real SWLFDP;                                 // 1677 meaning unknown, unused
    Real YWLFDP;                                 // 1678 meaning unknown, unused
    Real AR14;                                   // 1679 spare, unused
    Real AR15;                                   // 1680 spare, unused
    Real AR16;                                   // 1681 spare, unused
    Real AR17;                                   // 1682 spare, unused
    Real AR18;                                   // 1683 spare, unused
    Real AR19;                                   // 1684 spare, unused
    Real AR20;                                   // 1685 spare, unused
    FArray<Real, 90> AUXFOR;  // 1686-1775 table of the sibling types, kips or t (converted as forces)
    FArray<Real, 90> AUXTRQ;  // 1776-1865 table of the sibling types, converted as forces (kips or t)
    Int IL0;                                     // 1866 spare, unused (also ITPCM7)
    Int WriteAuxDatFiles;                        // 1867 write auxiliary data files (types 12, 15: chain squall)
    Int SupressSemiDragSpec;                     // 1868 meaning unknown, unused
    Int ForceAllRebuilds;                        // 1869 meaning unknown, unused
    FArray<Int, 27> ITPCVestrakel;               // 1870-1896 reserved for the chained squall program
    FArray<Int, 9> ITPCM8;                       // 1897-1905 spare words, unused
    Int IL1;                                     // 1906 spare, unused
    Int IL2;                                     // 1907 spare, unused
    Int ISURGE;                                  // 1908 meaning unknown, unused (also LEXTND)
    Int YAWTBL;                                  // 1909 meaning unknown, unused
    Int AUXTBL;                                  // 1910 meaning unknown, unused
    Int LSGLFD;                                  // 1911 meaning unknown, unused
    Int LSWLFD;                                  // 1912 meaning unknown, unused
    Int LYWLFD;                                  // 1913 meaning unknown, unused
    Int IL9;                                     // 1914 spare, unused
    Int NTAB;                                    // 1915 number of mooring tables
    Int IL10;                                    // 1916 spare, unused
    Int IL11;                                    // 1917 spare, unused
    Int IL12;                                    // 1918 spare, unused
    Int IL13;                                    // 1919 spare, unused
    Int LQUAS;                                   // 1920 quasi-static option; 1 after a normal load
    Int LDYN;                                    // 1921 dynamic-line option of the sibling types, meaning unknown
    Int IL16;                                    // 1922 spare, unused
    Int IL17;                                    // 1923 spare, unused
    Int IANC;  // 1924 not 0: motion phase 2 reads the first record of the companion-body file
    Int IL20;                                    // 1925 spare, unused
    FArray<Int, 61> ITPCM9;                      // 1926-1986 spare words, unused
    Int TOPCOM_LAST;                             // 1987 end marker of the top sub-block

    // Semi sub-block, words 1988-4975. Words 1988-3220 as the second vessel (names with a leading B,
    // meanings as for the first vessel); the same words are also read as the SALM view (SalmView) or
    // as the spare array NAVBLQ.
    Int BNACC;  // 1988 second vessel, in the place of IVESL (word 754); meaning unknown
    Int BEMTY1;                                  // 1989 second vessel: spare, unused
    Int BEMTY2;                                  // 1990 second vessel: spare, unused
    Int BLACC;                                   // 1991 second vessel's LACC (word 757)
    Int BLVEL;                                   // 1992 second vessel: not 0: point velocities evaluated
    Int BLDSP;                                   // 1993 second vessel: not 0: point displacements evaluated
    Int BLROLL;                                  // 1994 roll option of the gyradii and bilge page
    Int BLBOW;                                   // 1995 second vessel: meaning unknown, unused
    Int BLKEEL;                                  // 1996 the vessel has a bilge keel (0/1)
    Int BRLTYP;                                  // 1997 roll type of the gyradii and bilge page
    Int BLSTRN;                                  // 1998 second vessel: meaning unknown, unused
    Int BPTDMP;                                  // 1999 pitch damping computed (0) or specified
    Int BRLDMP;                                  // 2000 roll damping computed (0) or specified
    Int BHVDMP;                                  // 2001 heave damping computed (0) or specified
    Int BPTPRD;                                  // 2002 pitch period computed (0) or specified
    Int BRLPRD;                                  // 2003 roll period computed (0) or specified
    Int BHVPRD;                                  // 2004 heave period computed (0) or specified
    Int BCRCOR;                                  // 2005 apply the current correction to the drift forces
    Int BAVTP2;  // 2006 second vessel, in the place of GETSUCK (word 772); meaning unknown
    Int BAVTP3;  // 2007 second vessel, in the place of FAST_SPAR (word 773); meaning unknown
    Int BLCBRG;                                  // 2008 current-coefficient model choice, packed 4-bit fields
    Int BLWBRG;                                  // 2009 wind-coefficient model choice, packed 4-bit fields
    Int BIARCO;                                  // 2010 second vessel's IARCO (word 776)
    Int BVSTYP;                                  // 2011 vessel (hull) type code, selects the vessel model
    Int BAXVSH;                                  // 2012 second vessel's AUXVSH (word 778)
    Int BCTFBK;                                  // 2013 second vessel's CATFBK (word 779)
    Int BMRFBK;                                  // 2014 second vessel's MORFBK (word 780)
    Int BSGDMP;                                  // 2015 second vessel's LSGDMP (word 781)
    Int BSWDMP;                                  // 2016 second vessel's LSWDMP (word 782)
    Int BYWDMP;                                  // 2017 second vessel's LYWDMP (word 783)
    Int BSGPRD;                                  // 2018 second vessel's LSGPRD (word 784)
    Int BSWPRD;                                  // 2019 second vessel's LSWPRD (word 785)
    Int BYWPRD;                                  // 2020 second vessel's LYWPRD (word 786)
    Int BWVCOF;                                  // 2021 wave-drift coefficient model choice, packed 4-bit fields
    Logical BLSPM;                               // 2022 second vessel's LSPM (word 788)
    Int BDEKUP;                                  // 2023 deck-up option of the vessel pages
    Int BTPCM6_AV1;  // 2024 second vessel, in the place of LVMR1 (word 790); meaning unknown
    Logical B_SEMI_LIKE;                         // 2025 hull built of members (member and semi pages shown)
    FArray<Int, 8> BTPCM6_AV2;  // 2026-2033 second vessel, in the place of words 792-799; meaning unknown
    FArray<Int, 104> BTPCM6;  // 2034-2137 second vessel, in the place of words 800-903; meaning unknown
    Real BREALDUM1;                              // 2138 second vessel: spare, unused
    FArray<Real, 3, 149> BRACC;                  // 2139-2585 motion-evaluation points (x, y, z)
    Real BTOP2;  // 2586 second vessel, in the place of WPITCH (word 1352); meaning unknown
    Real BXWNDA;                                 // 2587 head-on effective wind drag area
    Real BXWARM;                                 // 2588 arm of the head-on wind area
    Real BYWNDA;                                 // 2589 beam-on effective wind drag area
    Real BYWARM;                                 // 2590 arm of the beam-on wind area
    Real BXCURA;                                 // 2591 head-on effective current drag area
    Real BXCARM;                                 // 2592 arm of the head-on current area
    Real BYCURA;                                 // 2593 beam-on effective current drag area
    Real BYCARM;                                 // 2594 arm of the beam-on current area
    Real BBOWCF;                                 // 2595 second vessel's BOWFAC (word 1361)
    Real BWNDCF;                                 // 2596 second vessel's WNDFAC (word 1362)
    Real BCURCF;                                 // 2597 second vessel's CURFAC (word 1363)
    Real BWVFCY;                                 // 2598 second vessel's WVFCY (word 1364)
    Real BTRMDG;                                 // 2599 vessel trim, deg
    Real BHELDG;                                 // 2600 vessel heel, deg
    Real BVWDFC;                                 // 2601 second vessel's VWDFAC (word 1367)
    Real BSTRNC;                                 // 2602 second vessel: stern-on shape factor, default 1.25
    Real BPITDM;                                 // 2603 specified pitch damping, percent of critical
    Real BROLDM;                                 // 2604 specified roll damping, percent of critical
    Real BHEVDM;                                 // 2605 specified heave damping, percent of critical
    Real BPITPD;                                 // 2606 specified pitch period, s
    Real BROLPD;                                 // 2607 specified roll period, s
    Real BHEVPD;                                 // 2608 specified heave period, s
    Real BXSALM;                                 // 2609 a SALM/buoy length, copied to BRVARM on import
    Real BPNDRM;                                 // 2610 second vessel's PNDARM (word 1376)
    Real BSGK;                                   // 2611 second vessel's SGK (word 1377)
    Real BSWK;                                   // 2612 second vessel's SWK (word 1378)
    Real BYWK;                                   // 2613 second vessel's YWK (word 1379)
    Real BHVK;                                   // 2614 second vessel: heave mooring stiffness, kips/ft or t/m
    Real BPTK;                                   // 2615 second vessel: pitch mooring stiffness, moment per radian
    Real BRLK;                                   // 2616 second vessel: roll mooring stiffness, moment per radian
    Real BSGMDM;                                 // 2617 second vessel's SGMDMP (word 1383)
    Real BSWMDM;                                 // 2618 second vessel's SWMDMP (word 1384)
    Real BYWMDM;                                 // 2619 second vessel's YWMDMP (word 1385)
    Real BHVMDM;                                 // 2620 second vessel: heave mooring damping, force per velocity
    Real BPTMDM;                                 // 2621 second vessel's PTMDMP (word 1387)
    Real BRLMDM;                                 // 2622 second vessel's RLMDMP (word 1388)
    Real BSIZE;                                  // 2623 second vessel's SIZE (word 1389)
    Real BLODED;                                 // 2624 second vessel's LOADED (word 1390)
    Real BBOWWD;                                 // 2625 second vessel's BOWWND (word 1391)
    Real BDFTPC;                                 // 2626 second vessel's DFTPCT (word 1392)
    Real BBOWCR;                                 // 2627 second vessel's BOWCUR (word 1393)
    Real BDSPPC;                                 // 2628 second vessel: displacement-based load, percent (tanker page)
    Real BBOWWV;                                 // 2629 second vessel's BOWWAV (word 1395)
    Real BVSMAS;                                 // 2630 second vessel: meaning unknown, unused
    Real BSRGMS;                                 // 2631 second vessel: meaning unknown, unused
    Real SBWYMS;                                 // 2632 second vessel: meaning unknown, unused
    Real BYAWMS;                                 // 2633 second vessel: meaning unknown, unused
    Real BZXWRM;                                 // 2634 second vessel's ZXWARM (word 1400)
    Real BZYWRM;                                 // 2635 second vessel's ZYWARM (word 1401)
    Real BZXCRM;                                 // 2636 second vessel's ZXCARM (word 1402)
    Real BZYCRM;                                 // 2637 second vessel's ZYCARM (word 1403)
    Real BWVFCX;                                 // 2638 second vessel's WVFCX (word 1404)
    Real BWVFCM;                                 // 2639 second vessel's WVFCM (word 1405)
    Real BVGLDR;                                 // 2640 direction of the vessel speed
    Real BXSHDW;                                 // 2641 second vessel's XSHDOW (word 1407)
    Real BYSHDW;                                 // 2642 second vessel's YSHDOW (word 1408)
    Real BDISPL;                                 // 2643 vessel displacement
    Real BVKB;                                   // 2644 second vessel's VKB (word 1410)
    Real BVKG;                                   // 2645 vertical centre of gravity above the keel
    Real BDRAFT;                                 // 2646 mean vessel draft
    Real BAWP;                                   // 2647 water-plane area
    Real BPGYR;                                  // 2648 second vessel: pitch gyradius, ft or m
    Real BRGYR;                                  // 2649 second vessel: roll gyradius, ft or m
    Real BYGYR;                                  // 2650 second vessel: yaw gyradius, ft or m
    Real BVKMT;                                  // 2651 second vessel: transverse KM as input, ft or m
    Real BVKML;                                  // 2652 second vessel: longitudinal KM as input, ft or m
    Real BLWL;                                   // 2653 length at the waterline
    Real BBWL;                                   // 2654 beam at the waterline
    Real BBILGR;                                 // 2655 second vessel's BILGR (word 1421)
    Real BTKEEL;                                 // 2656 second vessel: bilge keel length, ft or m
    Real BRKEEL;                                 // 2657 second vessel's RKEEL (word 1423)
    Real BDKEEL;                                 // 2658 second vessel's DKEEL (word 1424)
    Real BVFWD;                                  // 2659 second vessel: forward speed of the vessel
    FArray<Real, 9> BARP;  // 2660-2668 second vessel, in the place of words 1426-1434; meaning unknown
    Real BXVFRC;                                 // 2669 external force, X component
    Real BYVFRC;                                 // 2670 external force, Y component
    Real BVSMOM;                                 // 2671 external moment
    Real BVSAN0;                                 // 2672 initial vessel angle (output pages and the analysis)
    Real BXVLOC;                                 // 2673 external force point of application, x
    Real BYVLOC;                                 // 2674 external force point of application, y
    Int BAXFRC;                                  // 2675 external force switch
    Int BCDSYS;                                  // 2676 external force in the global (or vessel) system
    Int BARDP1;  // 2677 second vessel, in the place of DPAFLG (word 1443); meaning unknown
    Int BARDP2;  // 2678 second vessel, in the place of DPRFLG (word 1444); meaning unknown
    FArray<Real, 14> BARDP;  // 2679-2692 second vessel, in the place of words 1445-1458; meaning unknown
    Real BZVLOC;                                 // 2693 second vessel's ZVLOC (word 1459)
    Real BSPCF1;                                 // 2694 second vessel's SPECF1 (word 1460)
    Real BSFCM1;                                 // 2695 second vessel's SPECM1 (word 1461)
    Real BFXDP1;                                 // 2696 second vessel: meaning unknown, unused
    Real BARP2;  // 2697 second vessel, in the place of MEXDP1 (word 1463); meaning unknown
    FArray<Real, 46> BARPP0;  // 2698-2743 second vessel, in the place of words 1464-1509; meaning unknown
    FArray<Real, 140> BARPP;  // 2744-2883 second vessel, in the place of words 1510-1649; meaning unknown
    Real BCG_to_Midship;                         // 2884 second vessel's CG_to_Midship (word 1650)
    Real BACCZDIST;                              // 2885 second vessel: meaning unknown, unused
    Real BXCURNTDN;                              // 2886 second vessel's XCURNTDN (word 1652)
    Real BXCURNTUP;                              // 2887 second vessel's XCURNTUP (word 1653)
    Real BYCURNTDN;                              // 2888 second vessel's YCURNTDN (word 1654)
    Real BYCURNTUP;                              // 2889 second vessel's YCURNTUP (word 1655)
    Real BMUNKFAC1;                              // 2890 second vessel's MUNKFAC1 (word 1656)
    Real BMUNKFAC2;                              // 2891 second vessel's MUNKFAC2 (word 1657)
    Real BMUNKFAC3;                              // 2892 second vessel: meaning unknown, unused
    Real BWVDGCX;                                // 2893 second vessel: wave-drag (absorption) enhancement factor, surge
    Real BWVDGCY;                                // 2894 second vessel: wave absorption beam-on enhancement factor
    Real BWVDGCM;                                // 2895 second vessel: wave absorption moment enhancement factor
    Real BVWDRGFC;                               // 2896 second vessel's VWDRGFC (word 1662)
    Real BLNHT;                                  // 2897 second vessel's ENDHT (word 1663)
    Real BLNANG;  // 2898 second vessel, in the place of TOWANG (word 1664); meaning unknown
    Real BCNTSP;                                 // 2899 second vessel's CNTSEP (word 1665)
    Real BDWTNS;                                 // 2900 deadweight, long tons (tanker database)
    Real BAR2;  // 2901 second vessel, in the place of excursionLimitDiameter (word 1667); meaning unknown
    Real BAR3;                                   // 2902 second vessel: spare, unused
    Real BAR4;                                   // 2903 second vessel: spare, unused
    Real BAR5;                                   // 2904 second vessel: spare, unused
    Real BYWINC;                                 // 2905 second vessel: meaning unknown, unused
    Real BEQLYW;                                 // 2906 second vessel: meaning unknown, unused
    Real BOFINC;                                 // 2907 second vessel's OFFINC (word 1673)
    Real BAR9;  // 2908 second vessel, in the place of HMIN (word 1674); meaning unknown
    Real BTLOAD;                                 // 2909 second vessel's TLOAD (word 1675)
    Real BSGLFD;                                 // 2910 second vessel: meaning unknown, unused
    Real BSWLFD;                                 // 2911 second vessel: meaning unknown, unused
    Real BYWLFD;                                 // 2912 second vessel: meaning unknown, unused
    Real BAR14;                                  // 2913 second vessel: spare, unused
    Real BAR15;                                  // 2914 second vessel: spare, unused
    Real BAR16;                                  // 2915 second vessel: spare, unused
    Real BAR17;                                  // 2916 second vessel: spare, unused
    Real BAR18;                                  // 2917 second vessel: spare, unused
    Real BAR19;                                  // 2918 second vessel: spare, unused
    Real BAR20;                                  // 2919 second vessel: spare, unused
    FArray<Real, 90> BAXFOR;  // 2920-3009 second vessel, in the place of words 1686-1775; meaning unknown
    FArray<Real, 90> BAXTRQ;  // 3010-3099 second vessel, in the place of words 1776-1865; meaning unknown
    FArray<Int, 40> BILP;  // 3100-3139 second vessel, in the place of words 1866-1905; meaning unknown
    Int BIL1;                                    // 3140 second vessel: spare, unused
    Int BIL2;                                    // 3141 second vessel: spare, unused
    Int BSURGE;                                  // 3142 second vessel: meaning unknown, unused
    Int BYWTBL;                                  // 3143 second vessel: meaning unknown, unused
    Int BAXTBL;                                  // 3144 second vessel: meaning unknown, unused
    Int BIDMP;  // 3145 second vessel, in the place of LSGLFD (word 1911); meaning unknown
    Int LBSWDP;  // 3146 second vessel, in the place of LSWLFD (word 1912); meaning unknown
    Int LBYWDP;  // 3147 second vessel, in the place of LYWLFD (word 1913); meaning unknown
    Int BMXTAB;                                  // 3148 second vessel, in the place of IL9 (word 1914); meaning unknown
    Int BNMTAB;                                  // 3149 number of mooring tables
    Int BIL10;                                   // 3150 second vessel: spare, unused
    Int BIL11;                                   // 3151 second vessel: spare, unused
    Int BIL12;                                   // 3152 second vessel: spare, unused
    Int BIL13;                                   // 3153 second vessel: spare, unused
    Int BLQUAS;                                  // 3154 quasi-static option; 1 after a normal load
    Int BLDYN;                                   // 3155 second vessel's LDYN (word 1921)
    Int BIL16;                                   // 3156 second vessel: spare, unused
    Int BIL17;                                   // 3157 second vessel: spare, unused
    Int BIANC;                                   // 3158 second vessel's IANC (word 1924)
    Int BIL20;                                   // 3159 second vessel: spare, unused
    FArray<Int, 61> BILP8;  // 3160-3220 second vessel, in the place of words 1926-1986; meaning unknown

    // Hull member table (arrays of 50 are indexed by member).
    FArray<Int, 86> NAVBL;                       // 3221-3306 spare words, unused
    Int DRAG_ONLY;                               // 3307 semi option "Utilize ONLY square law driving forces"
    FArray<Int, 50> BOTTYP;                      // 3308-3357 bottom end of each member (free, piercing, wall)
    FArray<Int, 50> TOPTYP;                      // 3358-3407 top end termination of each member
    FArray<Int, 50> MEMDIR;                      // 3408-3457 axis class of each member (along x, y, z, or inclined)
    FArray<Int, 50> MEMTYP;  // 3458-3507 per member: member kind, 0 for every member made on the member page
    FArray<Int, 50> NCYLTP;                      // 3508-3557 axial cross-section profile of each member
    FArray<Int, 50> MASCMP;                      // 3558-3607 added mass option of each member (user, deep, surface)
    FArray<Int, 50> DRGCMP;                      // 3608-3657 drag option of each member (1 the defaults, else typed)
    Int NMEM;                                    // 3658 number of hull members
    Int MAXMEM;                                  // 3659 capacity of the member arrays, 50
    Int NEND;                                    // 3660 member-end count of the sibling types; nothing here uses it
    Int NCYL;                                    // 3661 number of cylindrical members, at most MAXCYL
    Int MAXEND;                                  // 3662 capacity of the member-end arrays, 100
    Int MAXCYL;                                  // 3663 maximum number of members, 50
    Int NPOD;                                    // 3664 pod count of the sibling types; nothing here uses it
    Int MAXPOD;                                  // 3665 capacity of the pod arrays, 16
    Real CCOFMX;  // 3666 member coefficient word of the sibling types; nothing here uses it
    Real CCOFMY;  // 3667 member coefficient word of the sibling types; nothing here uses it
    Real CCOFMZ;  // 3668 member coefficient word of the sibling types; nothing here uses it
    Real CCOFDX;                                 // 3669 default member Mx-damping coefficient, dimensionless
    Real CCOFDY;                                 // 3670 default member My-damping coefficient, dimensionless
    Real CCOFDZ;                                 // 3671 default member Mz-damping coefficient, dimensionless
    Real CCOFIY;  // 3672 member coefficient word of the sibling types; nothing here uses it
    Real CCOFIZ;  // 3673 member coefficient word of the sibling types; nothing here uses it
    Real CCFDIY;  // 3674 member coefficient word of the sibling types; nothing here uses it
    Real CCFDIZ;  // 3675 member coefficient word of the sibling types; nothing here uses it
    FArray<Real, 3, 50> RCYLB;                   // 3676-3825 member base points (x, y, z)
    FArray<Real, 3, 50> RCYLT;                   // 3826-3975 member top points (x, y, z)
    FArray<Real, 50> XAREA;                      // 3976-4025 cross-section area of each member
    FArray<Real, 3, 50> DIAMS;                   // 4026-4175 member diameters (3 per member)
    FArray<Real, 3, 50> CYLCM;                   // 4176-4325 member added-mass coefficients (3 per member)
    FArray<Real, 3, 50> CYLCMI;                  // 4326-4475 member added-moment coefficients (3 per member)
    FArray<Real, 3, 50> CYLCD;                   // 4476-4625 member drag coefficients (3 per member, the third axial)
    FArray<Real, 3, 50> CYLCDI;                  // 4626-4775 second set of member drag coefficients (3 per member)
    FArray<Real, 199> EXTRA;                     // 4776-4974 spare reals of the member block; nothing uses them
    Real SEMCOM_LAST;                            // 4975 end marker of the semi sub-block

    // Mooring sub-block, words 4976-78635: 150 lines of 25 segments (sibling types only).
    Int PULLDN;    // 4976 (word chosen here: no layout fixes it) vessel pull-down correction, 0 none
    Int NLWVFG;    // 4977 (word chosen here) 1 nonlinear line model, 0 linear
    Int QSFLAG2;   // 4978 (word chosen here) nonzero quasi-static line end forces
    Int INRLFG;    // 4979 (word chosen here) 1 inertial correction of the line dynamics
    Int NEXCLD_I;  // 4980 (word chosen here) lines excluded from it: 0 none, >0 INRT_EXCL, <0 all
    Int spare_04981[2];                          // 4981-4982 spare
    Int LOWMOT;                                  // 4983 meaning unknown, unused
    Int STAMOT;                                  // 4984 mooring option of the sibling types, meaning unknown
    Int spare_04985;                             // 4985 spare
    Int LEQCND;                                  // 4986 mooring option of the sibling types, meaning unknown
    Int spare_04987[7];                          // 4987-4993 spare
    Int WLFLAG;  // 4994 catenary iteration option: water-level search for buoyant elements
    Int spare_04995[3];                          // 4995-4997 spare
    Int TENSRF;  // 4998 0: fairlead displacement along the line's top direction, else along the tension gradient
    Int spare_04999;                             // 4999 spare
    Real LONGIE;  // 5000 length word of the sibling types, ft or m (converted as a length)
    Real SHORTY;  // 5001 length word of the sibling types, ft or m (converted as a length)
    Int spare_05002[16];                         // 5002-5017 spare
    FArray<Int, 109> IDUM0;  // 5018-5126 integer options of the mooring block (from DOHINGE); meanings unknown here
    FArray<Int, 150> STRESS_STRAIN_FILE;  // 5127-5276 per line type: bit i set when element i follows a stress-strain curve
    FArray<Int, 150> ANCTYP;  // 5277-5426 per line type: anchor type; 0 means no touchdown element is sought
    FArray<Int, 151, 150> LINTYP;  // 5427-28076 per line type: LINTYP(1, t) its fairlead number (index into RFLD)
    FArray<Int, 150> NLINE;                      // 28077-28226 per line type: number of lines
    Int NTYP;                                    // 28227 number of line types
    Int MAXTYP;                                  // 28228 (word chosen here: no layout fixes it)
    FArray<Int, 150> NELEM;                      // 28229-28378 per line type: number of elements, 1-25
    Int MAXELM;                                  // 28379 capacity of elements per line type
    Int NLAYER;                                  // 28380 number of layers of the statics tables
    Int NDYNEV;  // 28381 mooring count of the sibling types, 1 after the initialisation; meaning unknown here
    Int NLIN;                                    // 28382 number of mooring lines, at most 150
    Int MAXLIN;                                  // 28383 (word chosen here: no layout fixes it)
    FArray<Int, 150> IDYNEV;  // 28384-28533 per line: dynamic-evaluation word of the sibling types, meaning unknown
    Int MAXDYN;                                  // 28534 (word chosen here: no layout fixes it)
    Int LRESET;  // 28535 mooring option, 1 after the initialisation; meaning unknown here
    Int MOORTP;  // 28536 mooring model type, 1 for member-built hulls after the initialisation
    Int spare_28537;                             // 28537 spare
    Int LODTYP;  // 28538 unit class of HTENS: 1 a length, 2 or 3 a force, other values not converted
    Int LBOUND;                                  // 28539 mooring option of the sibling types, meaning unknown
    Int spare_28540;                             // 28540 spare
    Int HAWSTP;                                  // 28541 line type of the hawser between two vessels
    Int HAWSLN;                                  // 28542 hawser word of the sibling types, meaning unknown
    Int spare_28543[38];                         // 28543-28580 spare
    Int MRSPAR;                                  // 28581 (word chosen here: no layout fixes it)
    FArray<ImageText<8>, 25, 150> SCOMP;         // 28582-36081
    FArray<Real, 25, 150> SLEN;                  // 36082-39831 per element and line type: unstretched length, ft or m
    FArray<Real, 25, 150> DIAM;                  // 39832-43581 per element and line type: diameter, inches or mm
    FArray<Real, 25, 150> WETWT;  // 43582-47331 per element and line type: submerged weight per unit length
    FArray<Real, 3, 25, 150> ALPHA;  // 47332-58581 per element, line type: strain = a1 T + a2 T^2 + a3 T^3
    FArray<Real, 25, 150> TBRK;                  // 58582-62331 per element and line type: breaking strength, kips or t
    FArray<Real, 150> HTENS;                     // 62332-62481 per line type: line pretension (unit class by LODTYP)
    FArray<Real, 3, 150> RFLD;                   // 62482-62931 per fairlead: x, y, z in vessel axes, ft or m
    FArray<Real, 25, 150> COFMST;  // 62932-66681 per element and line type: added-mass coefficient, dimensionless
    FArray<Real, 25, 150> COFDMT;  // 66682-70431 per element and line type: drag coefficient, dimensionless
    FArray<Real, 25, 150> DRYWT;                 // 70432-74181 per element and line type: dry weight per unit length
    FArray<Real, 25, 150> MOORDUMMY;             // 74182-77931 per element and line type: spare; nothing uses it
    FArray<Real, 150> ANGDEP;  // 77932-78081 per line: direction from the undisplaced fairlead to the anchor, degrees
    FArray<Real, 150> ANCHGT;  // 78082-78231 per line type: depth of the anchor end below still water, ft or m
    Real ANCHT0;  // 78232 length word of the mooring block, ft or m; meaning unknown here
    Real COFMAS;  // 78233 added-mass coefficient of the element in hand (copied from COFMST)
    Real COFDMP;                                 // 78234 drag coefficient of the element in hand (copied from COFDMT)
    Real BTFRC0;                                 // 78235 (word chosen here: no layout fixes it)
    FArray<Real, 150> BOTFRC;  // 78236-78385 per line: sea-floor friction word of the sibling types, meaning unknown
    Real ZSPAN;                                  // 78386 vertical span of the layers of the statics tables, ft or m
    FArray<Real, 3> RMCTR;  // 78387-78389 moment centre x, y, z, ft or m (also XMCTR, YMCTR, ZMCTR)
    Real XMCTR;                                  // 78390 x of the moment centre, ft or m
    Real YMCTR;                                  // 78391 y of the moment centre, ft or m
    Real ZMCTR;  // 78392 z of the moment centre, subtracted from a vertical line's fairlead height, ft or m
    FArray<Real, 12> SPRGBY;  // 78393-78404 12 words of the sibling types, unit-converted; meaning unknown here
    FArray<Real, 12> CLUMP;  // 78405-78416 12 words of the sibling types, unit-converted; meaning unknown here
    FArray<Int, 217> DUMCOM;                     // 78417-78633 spare words of the mooring block
    Int MORCOM_LAST0;                            // 78634 end marker of the mooring block
    Int MORCOM_LAST;                             // 78635 end marker of the mooring block

    // Catenary sub-block, words 78636-79676: results of the sibling mooring types, opaque here.
    Int spare_78636[1040];                       // 78636-79675 spare
    Int LAST_CATNCOM;                            // 79676 end marker of the catenary block

    // Second names of words above. Same type: a reference to the word; another type: a value
    // read and written as bytes.
    // IDUM (words 1-79676): integer view
    Int IDUM(int k) const {
        assert(k >= 1 && k <= 79676);
        return image_word(*this, k);
    }
    void set_IDUM(int k, Int v) {
        assert(k >= 1 && k <= 79676);
        set_image_word(*this, k, v);
    }
    // CREATR (words 2): same words as SIMTYP
    Int& CREATR() { return SIMTYP; }
    const Int& CREATR() const { return SIMTYP; }
    // MAXSHG (words 29): same words as MAXSEA
    Int& MAXSHG() { return MAXSEA; }
    const Int& MAXSHG() const { return MAXSEA; }
    // MAXSHT (words 30): same words as MAXPRM
    Int& MAXSHT() { return MAXPRM; }
    const Int& MAXSHT() const { return MAXPRM; }
    // CID1 (words 60-79): same words as CID1P
    std::span<char, 4> CID1(int i) {
        assert(i >= 1 && i <= 20);
        return std::span<char, 4>(CID1P.c + 4 * (i - 1), 4);
    }
    std::span<const char, 4> CID1(int i) const {
        assert(i >= 1 && i <= 20);
        return std::span<const char, 4>(CID1P.c + 4 * (i - 1), 4);
    }
    // IDENT1 (words 60-79): integer view
    Int IDENT1(int k) const {
        assert(k >= 1 && k <= 20);
        return image_word(*this, k + 59);
    }
    void set_IDENT1(int k, Int v) {
        assert(k >= 1 && k <= 20);
        set_image_word(*this, k + 59, v);
    }
    // CID2 (words 80-99): same words as CID2P
    std::span<char, 4> CID2(int i) {
        assert(i >= 1 && i <= 20);
        return std::span<char, 4>(CID2P.c + 4 * (i - 1), 4);
    }
    std::span<const char, 4> CID2(int i) const {
        assert(i >= 1 && i <= 20);
        return std::span<const char, 4>(CID2P.c + 4 * (i - 1), 4);
    }
    // IDENT2 (words 80-99): integer view
    Int IDENT2(int k) const {
        assert(k >= 1 && k <= 20);
        return image_word(*this, k + 79);
    }
    void set_IDENT2(int k, Int v) {
        assert(k >= 1 && k <= 20);
        set_image_word(*this, k + 79, v);
    }
    // LTABLE (words 105): same words as LFORCE
    Int& LTABLE() { return LFORCE; }
    const Int& LTABLE() const { return LFORCE; }
    // LODRAO (words 106): same words as LMOTN
    Int& LODRAO() { return LMOTN; }
    const Int& LODRAO() const { return LMOTN; }
    // IVERSN (words 111): integer view
    Int IVERSN() const { return image_word(*this, 111); }
    void set_IVERSN(Int v) { set_image_word(*this, 111, v); }
    // LEGACY_ID (words 154): same words as ITPCM30
    Int& LEGACY_ID() { return ITPCM30; }
    const Int& LEGACY_ID() const { return ITPCM30; }
    // NSEAHT (words 171): same words as NPARM
    Int& NSEAHT() { return NPARM; }
    const Int& NSEAHT() const { return NPARM; }
    // RTPCM0 (words 442-445): same words as OCHI_LAMBDA
    FArray<Real, 4>& RTPCM0() { return OCHI_LAMBDA; }
    const FArray<Real, 4>& RTPCM0() const { return OCHI_LAMBDA; }
    // BRV_PD_MIN (words 498): same words as RTPCM1
    Real& BRV_PD_MIN() { return RTPCM1(1); }
    const Real& BRV_PD_MIN() const { return RTPCM1(1); }
    // BRVHDG (words 715-753): same words as SEAHDG
    Real& BRVHDG(int i) {
        assert(i >= 1 && i <= 39);
        return SEAHDG(i + 1);
    }
    const Real& BRVHDG(int i) const {
        assert(i >= 1 && i <= 39);
        return SEAHDG(i + 1);
    }
    // NACC (words 754): same words as IVESL
    Int& NACC() { return IVESL; }
    const Int& NACC() const { return IVESL; }
    // TLROLL (words 760): same words as LROLL
    Int& TLROLL() { return LROLL; }
    const Int& TLROLL() const { return LROLL; }
    // TLBOW (words 761): same words as LBOW
    Int& TLBOW() { return LBOW; }
    const Int& TLBOW() const { return LBOW; }
    // TLKEEL (words 762): same words as LKEEL
    Int& TLKEEL() { return LKEEL; }
    const Int& TLKEEL() const { return LKEEL; }
    // TRLTYP (words 763): same words as ROLTYP
    Int& TRLTYP() { return ROLTYP; }
    const Int& TRLTYP() const { return ROLTYP; }
    // TLSTRN (words 764): same words as LSTERN
    Int& TLSTRN() { return LSTERN; }
    const Int& TLSTRN() const { return LSTERN; }
    // TXWNDA (words 1353): same words as XWNDAR
    Real& TXWNDA() { return XWNDAR; }
    const Real& TXWNDA() const { return XWNDAR; }
    // TYWNDA (words 1355): same words as YWNDAR
    Real& TYWNDA() { return YWNDAR; }
    const Real& TYWNDA() const { return YWNDAR; }
    // TXCURA (words 1357): same words as XCURAR
    Real& TXCURA() { return XCURAR; }
    const Real& TXCURA() const { return XCURAR; }
    // TYCURA (words 1359): same words as YCURAR
    Real& TYCURA() { return YCURAR; }
    const Real& TYCURA() const { return YCURAR; }
    // TWNDCF (words 1362): same words as WNDFAC
    Real& TWNDCF() { return WNDFAC; }
    const Real& TWNDCF() const { return WNDFAC; }
    // TCURCF (words 1363): same words as CURFAC
    Real& TCURCF() { return CURFAC; }
    const Real& TCURCF() const { return CURFAC; }
    // TDISPL (words 1409): same words as DISPL
    Real& TDISPL() { return DISPL; }
    const Real& TDISPL() const { return DISPL; }
    // TVKB (words 1410): same words as VKB
    Real& TVKB() { return VKB; }
    const Real& TVKB() const { return VKB; }
    // TVKG (words 1411): same words as VKG
    Real& TVKG() { return VKG; }
    const Real& TVKG() const { return VKG; }
    // TDRAFT (words 1412): same words as DRAFT
    Real& TDRAFT() { return DRAFT; }
    const Real& TDRAFT() const { return DRAFT; }
    // TAWP (words 1413): same words as AWP
    Real& TAWP() { return AWP; }
    const Real& TAWP() const { return AWP; }
    // TPGYR (words 1414): same words as PGYR
    Real& TPGYR() { return PGYR; }
    const Real& TPGYR() const { return PGYR; }
    // TRGYR (words 1415): same words as RGYR
    Real& TRGYR() { return RGYR; }
    const Real& TRGYR() const { return RGYR; }
    // TYGYR (words 1416): same words as YGYR
    Real& TYGYR() { return YGYR; }
    const Real& TYGYR() const { return YGYR; }
    // TVKMT (words 1417): same words as VKMT
    Real& TVKMT() { return VKMT; }
    const Real& TVKMT() const { return VKMT; }
    // TVKML (words 1418): same words as VKML
    Real& TVKML() { return VKML; }
    const Real& TVKML() const { return VKML; }
    // TLWL (words 1419): same words as LWL
    Real& TLWL() { return LWL; }
    const Real& TLWL() const { return LWL; }
    // TBWL (words 1420): same words as BWL
    Real& TBWL() { return BWL; }
    const Real& TBWL() const { return BWL; }
    // TBILGR (words 1421): same words as BILGR
    Real& TBILGR() { return BILGR; }
    const Real& TBILGR() const { return BILGR; }
    // TTKEEL (words 1422): same words as TKEEL
    Real& TTKEEL() { return TKEEL; }
    const Real& TTKEEL() const { return TKEEL; }
    // TRKEEL (words 1423): same words as RKEEL
    Real& TRKEEL() { return RKEEL; }
    const Real& TRKEEL() const { return RKEEL; }
    // TDKEEL (words 1424): same words as DKEEL
    Real& TDKEEL() { return DKEEL; }
    const Real& TDKEEL() const { return DKEEL; }
    // TVFWD (words 1425): same words as VFWD
    Real& TVFWD() { return VFWD; }
    const Real& TVFWD() const { return VFWD; }
    // RTPCM8 (words 1463): same words as MEXDP1
    Real& RTPCM8() { return MEXDP1; }
    const Real& RTPCM8() const { return MEXDP1; }
    // TLNHT (words 1663): same words as ENDHT
    Real& TLNHT() { return ENDHT; }
    const Real& TLNHT() const { return ENDHT; }
    // TLNANG (words 1664): same words as TOWANG
    Real& TLNANG() { return TOWANG; }
    const Real& TLNANG() const { return TOWANG; }
    // TCNTSP (words 1665): same words as CNTSEP
    Real& TCNTSP() { return CNTSEP; }
    const Real& TCNTSP() const { return CNTSEP; }
    // ITPCM7 (words 1866): same words as IL0
    Int& ITPCM7() { return IL0; }
    const Int& ITPCM7() const { return IL0; }
    // LEXTND (words 1908): same words as ISURGE
    Int& LEXTND() { return ISURGE; }
    const Int& LEXTND() const { return ISURGE; }
    // NUMTAB (words 1915): same words as NTAB
    Int& NUMTAB() { return NTAB; }
    const Int& NUMTAB() const { return NTAB; }
    // NAVBLQ (words 1988-3220): integer view
    Int NAVBLQ(int k) const {
        assert(k >= 1 && k <= 1233);
        return image_word(*this, k + 1987);
    }
    void set_NAVBLQ(int k, Int v) {
        assert(k >= 1 && k <= 1233);
        set_image_word(*this, k + 1987, v);
    }
    // AUXDUM (words 1988-4975): integer view
    Int AUXDUM(int k) const {
        assert(k >= 1 && k <= 2988);
        return image_word(*this, k + 1987);
    }
    void set_AUXDUM(int k, Int v) {
        assert(k >= 1 && k <= 2988);
        set_image_word(*this, k + 1987, v);
    }
    // BVESL (words 1988-4975): integer view
    Int BVESL(int k) const {
        assert(k >= 1 && k <= 2988);
        return image_word(*this, k + 1987);
    }
    void set_BVESL(int k, Int v) {
        assert(k >= 1 && k <= 2988);
        set_image_word(*this, k + 1987, v);
    }
    // BMXDP1 (words 2697): same words as BARP2
    Real& BMXDP1() { return BARP2; }
    const Real& BMXDP1() const { return BARP2; }
    // N_MORCOM (words 4976-78635): integer view
    Int N_MORCOM(int k) const {
        assert(k >= 1 && k <= 73660);
        return image_word(*this, k + 4975);
    }
    void set_N_MORCOM(int k, Int v) {
        assert(k >= 1 && k <= 73660);
        set_image_word(*this, k + 4975, v);
    }
    // DOHINGE (words 5018): same words as IDUM0
    Int& DOHINGE() { return IDUM0(1); }
    const Int& DOHINGE() const { return IDUM0(1); }
    // RMCTRG (words 78390-78392): same words as XMCTR, YMCTR, ZMCTR (never RMCTR, words 78387-78389)
    Real& RMCTRG(int i) {
        assert(i >= 1 && i <= 3);
        return i == 1 ? XMCTR : i == 2 ? YMCTR : ZMCTR;
    }
    const Real& RMCTRG(int i) const {
        assert(i >= 1 && i <= 3);
        return i == 1 ? XMCTR : i == 2 ? YMCTR : ZMCTR;
    }
    // LIN_DUM (words 5427-28076): same words as LINTYP
    Int& LIN_DUM(int k) { return LINTYP.at_linear(k); }
    const Int& LIN_DUM(int k) const { return LINTYP.at_linear(k); }
    // ISCOMP (words 28582-36081): integer view
    Int ISCOMP(int k) const {
        assert(k >= 1 && k <= 7500);
        return image_word(*this, k + 28581);
    }
    void set_ISCOMP(int k, Int v) {
        assert(k >= 1 && k <= 7500);
        set_image_word(*this, k + 28581, v);
    }

    // Words 1988-4975 in the SALM view, and their replacement.
    SalmView salm_view() const;
    void set_salm_view(const SalmView& v);
    // Words 78636-79675 in the catenary views of types 7 and 8, and their replacement.
    CatenaryView7 catenary_view7() const;
    void set_catenary_view7(const CatenaryView7& v);
    CatenaryView8 catenary_view8() const;
    void set_catenary_view8(const CatenaryView8& v);
};

inline SalmView Tpcm::salm_view() const {
    SalmView v;
    std::memcpy(&v, image_bytes(*this).data() + offsetof(Tpcm, BNACC), sizeof v);
    return v;
}
inline void Tpcm::set_salm_view(const SalmView& v) {
    std::memcpy(image_bytes(*this).data() + offsetof(Tpcm, BNACC), &v, sizeof v);
}
inline CatenaryView7 Tpcm::catenary_view7() const {
    CatenaryView7 v;
    std::memcpy(&v, image_bytes(*this).data() + offsetof(Tpcm, spare_78636), sizeof v);
    return v;
}
inline void Tpcm::set_catenary_view7(const CatenaryView7& v) {
    std::memcpy(image_bytes(*this).data() + offsetof(Tpcm, spare_78636), &v, sizeof v);
}
inline CatenaryView8 Tpcm::catenary_view8() const {
    CatenaryView8 v;
    std::memcpy(&v, image_bytes(*this).data() + offsetof(Tpcm, spare_78636), sizeof v);
    return v;
}
inline void Tpcm::set_catenary_view8(const CatenaryView8& v) {
    std::memcpy(image_bytes(*this).data() + offsetof(Tpcm, spare_78636), &v, sizeof v);
}

static_assert(sizeof(Tpcm) == 4 * 79676);
static_assert(sizeof(SalmView) == 4 * 2988);
static_assert(std::is_standard_layout_v<Tpcm> && std::is_trivially_copyable_v<Tpcm>);
static_assert(std::is_standard_layout_v<SalmView> && std::is_trivially_copyable_v<SalmView>);
static_assert(sizeof(CatenaryView7) == sizeof(Tpcm::spare_78636) && sizeof(CatenaryView8) == sizeof(Tpcm::spare_78636));
static_assert(std::is_standard_layout_v<CatenaryView7> && std::is_trivially_copyable_v<CatenaryView7>);
static_assert(std::is_standard_layout_v<CatenaryView8> && std::is_trivially_copyable_v<CatenaryView8>);

// Every member at its word: byte offset 4 * (word - 1).
static_assert(offsetof(Tpcm, NTOGO) == 4 * (1 - 1));
static_assert(offsetof(Tpcm, SIMTYP) == 4 * (2 - 1));
static_assert(offsetof(Tpcm, ITAVQ3) == 4 * (3 - 1));
static_assert(offsetof(Tpcm, NEWFLG) == 4 * (4 - 1));
static_assert(offsetof(Tpcm, ITAVQ5) == 4 * (5 - 1));
static_assert(offsetof(Tpcm, SRCDAT) == 4 * (6 - 1));
static_assert(offsetof(Tpcm, LEASTP) == 4 * (7 - 1));
static_assert(offsetof(Tpcm, spare_00008) == 4 * (8 - 1));
static_assert(offsetof(Tpcm, IBATCH) == 4 * (14 - 1));
static_assert(offsetof(Tpcm, DAT_ID) == 4 * (15 - 1));
static_assert(offsetof(Tpcm, DP_FLAG) == 4 * (16 - 1));
static_assert(offsetof(Tpcm, ITPCM1) == 4 * (17 - 1));
static_assert(offsetof(Tpcm, ITPCQ1) == 4 * (27 - 1));
static_assert(offsetof(Tpcm, MAXDIR) == 4 * (28 - 1));
static_assert(offsetof(Tpcm, MAXSEA) == 4 * (29 - 1));
static_assert(offsetof(Tpcm, MAXPRM) == 4 * (30 - 1));
static_assert(offsetof(Tpcm, ITPCQ2) == 4 * (31 - 1));
static_assert(offsetof(Tpcm, MAXANG) == 4 * (32 - 1));
static_assert(offsetof(Tpcm, MAXCHR) == 4 * (33 - 1));
static_assert(offsetof(Tpcm, ITPCM2) == 4 * (34 - 1));
static_assert(offsetof(Tpcm, MOTION) == 4 * (54 - 1));
static_assert(offsetof(Tpcm, CID1P) == 4 * (60 - 1));
static_assert(offsetof(Tpcm, CID2P) == 4 * (80 - 1));
static_assert(offsetof(Tpcm, ONETWO) == 4 * (100 - 1));
static_assert(offsetof(Tpcm, ALLRAO) == 4 * (101 - 1));
static_assert(offsetof(Tpcm, PRNRAO) == 4 * (102 - 1));
static_assert(offsetof(Tpcm, SPECFG) == 4 * (103 - 1));
static_assert(offsetof(Tpcm, NEGSUM) == 4 * (104 - 1));
static_assert(offsetof(Tpcm, LFORCE) == 4 * (105 - 1));
static_assert(offsetof(Tpcm, LMOTN) == 4 * (106 - 1));
static_assert(offsetof(Tpcm, LGAP) == 4 * (107 - 1));
static_assert(offsetof(Tpcm, LSLPHT) == 4 * (108 - 1));
static_assert(offsetof(Tpcm, IUNIT) == 4 * (109 - 1));
static_assert(offsetof(Tpcm, IDRIVE) == 4 * (110 - 1));
static_assert(offsetof(Tpcm, CVERSN) == 4 * (111 - 1));
static_assert(offsetof(Tpcm, IYEAR) == 4 * (112 - 1));
static_assert(offsetof(Tpcm, IPLOTS) == 4 * (113 - 1));
static_assert(offsetof(Tpcm, NBUG0) == 4 * (114 - 1));
static_assert(offsetof(Tpcm, NBUG) == 4 * (115 - 1));
static_assert(offsetof(Tpcm, spare_00116) == 4 * (116 - 1));
static_assert(offsetof(Tpcm, NUNTS) == 4 * (117 - 1));
static_assert(offsetof(Tpcm, ISPM) == 4 * (118 - 1));
static_assert(offsetof(Tpcm, ICHAIN) == 4 * (119 - 1));
static_assert(offsetof(Tpcm, COMPLR) == 4 * (120 - 1));
static_assert(offsetof(Tpcm, CMPUTR) == 4 * (121 - 1));
static_assert(offsetof(Tpcm, LENDEG) == 4 * (122 - 1));
static_assert(offsetof(Tpcm, LPEAK) == 4 * (123 - 1));
static_assert(offsetof(Tpcm, spare_00124) == 4 * (124 - 1));
static_assert(offsetof(Tpcm, SQLFRC) == 4 * (143 - 1));
static_assert(offsetof(Tpcm, NOWARN) == 4 * (144 - 1));
static_assert(offsetof(Tpcm, LCGFLG) == 4 * (145 - 1));
static_assert(offsetof(Tpcm, MS3DOF) == 4 * (146 - 1));
static_assert(offsetof(Tpcm, RMSFLG) == 4 * (147 - 1));
static_assert(offsetof(Tpcm, EXLOUT) == 4 * (148 - 1));
static_assert(offsetof(Tpcm, LFBASIN) == 4 * (149 - 1));
static_assert(offsetof(Tpcm, TENDON_FLG) == 4 * (150 - 1));
static_assert(offsetof(Tpcm, LEG_WF_LOADS) == 4 * (151 - 1));
static_assert(offsetof(Tpcm, LEG_CYL_DFC) == 4 * (152 - 1));
static_assert(offsetof(Tpcm, spare_00153) == 4 * (153 - 1));
static_assert(offsetof(Tpcm, ITPCM30) == 4 * (154 - 1));
static_assert(offsetof(Tpcm, ITPCM3) == 4 * (155 - 1));
static_assert(offsetof(Tpcm, spare_00162) == 4 * (162 - 1));
static_assert(offsetof(Tpcm, IVERS_SUFX) == 4 * (163 - 1));
static_assert(offsetof(Tpcm, WAVTYP) == 4 * (164 - 1));
static_assert(offsetof(Tpcm, WNDTYP) == 4 * (165 - 1));
static_assert(offsetof(Tpcm, CURTYP) == 4 * (166 - 1));
static_assert(offsetof(Tpcm, NWP) == 4 * (167 - 1));
static_assert(offsetof(Tpcm, NDIR) == 4 * (168 - 1));
static_assert(offsetof(Tpcm, NA) == 4 * (169 - 1));
static_assert(offsetof(Tpcm, NSEAHG) == 4 * (170 - 1));
static_assert(offsetof(Tpcm, NPARM) == 4 * (171 - 1));
static_assert(offsetof(Tpcm, LRANDM) == 4 * (172 - 1));
static_assert(offsetof(Tpcm, LSPRED) == 4 * (173 - 1));
static_assert(offsetof(Tpcm, LSWELL) == 4 * (174 - 1));
static_assert(offsetof(Tpcm, LWIND) == 4 * (175 - 1));
static_assert(offsetof(Tpcm, LCURNT) == 4 * (176 - 1));
static_assert(offsetof(Tpcm, LCSTCR) == 4 * (177 - 1));
static_assert(offsetof(Tpcm, NCURNT) == 4 * (178 - 1));
static_assert(offsetof(Tpcm, NUMBRV) == 4 * (179 - 1));
static_assert(offsetof(Tpcm, BRVFLG) == 4 * (180 - 1));
static_assert(offsetof(Tpcm, LSWLOK) == 4 * (181 - 1));
static_assert(offsetof(Tpcm, XTRMFL) == 4 * (182 - 1));
static_assert(offsetof(Tpcm, NEWEQL) == 4 * (183 - 1));
static_assert(offsetof(Tpcm, LEGDFC) == 4 * (184 - 1));
static_assert(offsetof(Tpcm, LEGPKF) == 4 * (185 - 1));
static_assert(offsetof(Tpcm, LEGDRG) == 4 * (186 - 1));
static_assert(offsetof(Tpcm, LANGARR) == 4 * (187 - 1));
static_assert(offsetof(Tpcm, LEGTLP) == 4 * (188 - 1));
static_assert(offsetof(Tpcm, LPHANTOM_WGHT) == 4 * (189 - 1));
static_assert(offsetof(Tpcm, SWLTYP) == 4 * (190 - 1));
static_assert(offsetof(Tpcm, FORCE_GAUSS) == 4 * (191 - 1));
static_assert(offsetof(Tpcm, N_OCHI_COMP) == 4 * (192 - 1));
static_assert(offsetof(Tpcm, NEW_STYLE_SEMI_INTEG) == 4 * (193 - 1));
static_assert(offsetof(Tpcm, LSWEL2) == 4 * (194 - 1));
static_assert(offsetof(Tpcm, SWLTYP2) == 4 * (195 - 1));
static_assert(offsetof(Tpcm, NUM_SWEL) == 4 * (196 - 1));
static_assert(offsetof(Tpcm, hideTorMedaReports) == 4 * (197 - 1));
static_assert(offsetof(Tpcm, noMoor) == 4 * (198 - 1));
static_assert(offsetof(Tpcm, noEquil) == 4 * (199 - 1));
static_assert(offsetof(Tpcm, cylMap) == 4 * (200 - 1));
static_assert(offsetof(Tpcm, sqUserSWD) == 4 * (201 - 1));
static_assert(offsetof(Tpcm, sqUserCM) == 4 * (202 - 1));
static_assert(offsetof(Tpcm, ITPCM4) == 4 * (203 - 1));
static_assert(offsetof(Tpcm, VERNO) == 4 * (217 - 1));
static_assert(offsetof(Tpcm, USRPSD) == 4 * (218 - 1));
static_assert(offsetof(Tpcm, T) == 4 * (318 - 1));
static_assert(offsetof(Tpcm, WAVHDG) == 4 * (418 - 1));
static_assert(offsetof(Tpcm, SWHT) == 4 * (430 - 1));
static_assert(offsetof(Tpcm, SIGPD) == 4 * (436 - 1));
static_assert(offsetof(Tpcm, OCHI_LAMBDA) == 4 * (442 - 1));
static_assert(offsetof(Tpcm, DEPTH) == 4 * (446 - 1));
static_assert(offsetof(Tpcm, DWATR) == 4 * (447 - 1));
static_assert(offsetof(Tpcm, SLPHT) == 4 * (448 - 1));
static_assert(offsetof(Tpcm, COSEXP) == 4 * (449 - 1));
static_assert(offsetof(Tpcm, DURATN) == 4 * (450 - 1));
static_assert(offsetof(Tpcm, SWELHT) == 4 * (451 - 1));
static_assert(offsetof(Tpcm, SWELPD) == 4 * (452 - 1));
static_assert(offsetof(Tpcm, SWLHDG) == 4 * (453 - 1));
static_assert(offsetof(Tpcm, WNDHDG) == 4 * (454 - 1));
static_assert(offsetof(Tpcm, WNDSPD) == 4 * (455 - 1));
static_assert(offsetof(Tpcm, WNDDEN) == 4 * (456 - 1));
static_assert(offsetof(Tpcm, CURHDG) == 4 * (457 - 1));
static_assert(offsetof(Tpcm, CURSPD) == 4 * (458 - 1));
static_assert(offsetof(Tpcm, CURDEN) == 4 * (459 - 1));
static_assert(offsetof(Tpcm, APIPRM) == 4 * (460 - 1));
static_assert(offsetof(Tpcm, SWLWID) == 4 * (461 - 1));
static_assert(offsetof(Tpcm, DPTHI) == 4 * (462 - 1));
static_assert(offsetof(Tpcm, VELI) == 4 * (467 - 1));
static_assert(offsetof(Tpcm, BRVINC) == 4 * (472 - 1));
static_assert(offsetof(Tpcm, BRVFRQ) == 4 * (473 - 1));
static_assert(offsetof(Tpcm, BRVARM) == 4 * (474 - 1));
static_assert(offsetof(Tpcm, JONPL) == 4 * (475 - 1));
static_assert(offsetof(Tpcm, JONPG) == 4 * (476 - 1));
static_assert(offsetof(Tpcm, JONGAM) == 4 * (477 - 1));
static_assert(offsetof(Tpcm, ANGSEC) == 4 * (478 - 1));
static_assert(offsetof(Tpcm, WNDDNY) == 4 * (479 - 1));
static_assert(offsetof(Tpcm, WNDDNZ) == 4 * (480 - 1));
static_assert(offsetof(Tpcm, CURDNY) == 4 * (481 - 1));
static_assert(offsetof(Tpcm, CURDNZ) == 4 * (482 - 1));
static_assert(offsetof(Tpcm, TLP_TENSION) == 4 * (483 - 1));
static_assert(offsetof(Tpcm, RMS_CRNT) == 4 * (484 - 1));
static_assert(offsetof(Tpcm, JONPL_SWL) == 4 * (485 - 1));
static_assert(offsetof(Tpcm, JONPG_SWL) == 4 * (486 - 1));
static_assert(offsetof(Tpcm, JONGAM_SWL) == 4 * (487 - 1));
static_assert(offsetof(Tpcm, WAVWID) == 4 * (488 - 1));
static_assert(offsetof(Tpcm, BRVFRQ_DELTA) == 4 * (489 - 1));
static_assert(offsetof(Tpcm, WSPEC_HGT) == 4 * (490 - 1));
static_assert(offsetof(Tpcm, SWELHT2) == 4 * (491 - 1));
static_assert(offsetof(Tpcm, SWELPD2) == 4 * (492 - 1));
static_assert(offsetof(Tpcm, SWLHDG2) == 4 * (493 - 1));
static_assert(offsetof(Tpcm, SWLWID2) == 4 * (494 - 1));
static_assert(offsetof(Tpcm, JONPL_SWL2) == 4 * (495 - 1));
static_assert(offsetof(Tpcm, JONPG_SWL2) == 4 * (496 - 1));
static_assert(offsetof(Tpcm, JONGAM_SWL2) == 4 * (497 - 1));
static_assert(offsetof(Tpcm, RTPCM1) == 4 * (498 - 1));
static_assert(offsetof(Tpcm, RTPCM2) == 4 * (500 - 1));
static_assert(offsetof(Tpcm, LBACK) == 4 * (700 - 1));
static_assert(offsetof(Tpcm, IPAG) == 4 * (701 - 1));
static_assert(offsetof(Tpcm, LCOPY) == 4 * (702 - 1));
static_assert(offsetof(Tpcm, EDUNIT) == 4 * (703 - 1));
static_assert(offsetof(Tpcm, ITPCM5) == 4 * (704 - 1));
static_assert(offsetof(Tpcm, SEAHDG) == 4 * (714 - 1));
static_assert(offsetof(Tpcm, IVESL) == 4 * (754 - 1));
static_assert(offsetof(Tpcm, EMTY1) == 4 * (755 - 1));
static_assert(offsetof(Tpcm, EMTY2) == 4 * (756 - 1));
static_assert(offsetof(Tpcm, LACC) == 4 * (757 - 1));
static_assert(offsetof(Tpcm, LVEL) == 4 * (758 - 1));
static_assert(offsetof(Tpcm, LDSP) == 4 * (759 - 1));
static_assert(offsetof(Tpcm, LROLL) == 4 * (760 - 1));
static_assert(offsetof(Tpcm, LBOW) == 4 * (761 - 1));
static_assert(offsetof(Tpcm, LKEEL) == 4 * (762 - 1));
static_assert(offsetof(Tpcm, ROLTYP) == 4 * (763 - 1));
static_assert(offsetof(Tpcm, LSTERN) == 4 * (764 - 1));
static_assert(offsetof(Tpcm, LPTDMP) == 4 * (765 - 1));
static_assert(offsetof(Tpcm, LRLDMP) == 4 * (766 - 1));
static_assert(offsetof(Tpcm, LHVDMP) == 4 * (767 - 1));
static_assert(offsetof(Tpcm, LPTPRD) == 4 * (768 - 1));
static_assert(offsetof(Tpcm, LRLPRD) == 4 * (769 - 1));
static_assert(offsetof(Tpcm, LHVPRD) == 4 * (770 - 1));
static_assert(offsetof(Tpcm, CURCOR) == 4 * (771 - 1));
static_assert(offsetof(Tpcm, GETSUCK) == 4 * (772 - 1));
static_assert(offsetof(Tpcm, FAST_SPAR) == 4 * (773 - 1));
static_assert(offsetof(Tpcm, LCBARG) == 4 * (774 - 1));
static_assert(offsetof(Tpcm, LWBARG) == 4 * (775 - 1));
static_assert(offsetof(Tpcm, IARCO) == 4 * (776 - 1));
static_assert(offsetof(Tpcm, VESTYP) == 4 * (777 - 1));
static_assert(offsetof(Tpcm, AUXVSH) == 4 * (778 - 1));
static_assert(offsetof(Tpcm, CATFBK) == 4 * (779 - 1));
static_assert(offsetof(Tpcm, MORFBK) == 4 * (780 - 1));
static_assert(offsetof(Tpcm, LSGDMP) == 4 * (781 - 1));
static_assert(offsetof(Tpcm, LSWDMP) == 4 * (782 - 1));
static_assert(offsetof(Tpcm, LYWDMP) == 4 * (783 - 1));
static_assert(offsetof(Tpcm, LSGPRD) == 4 * (784 - 1));
static_assert(offsetof(Tpcm, LSWPRD) == 4 * (785 - 1));
static_assert(offsetof(Tpcm, LYWPRD) == 4 * (786 - 1));
static_assert(offsetof(Tpcm, LWVCOF) == 4 * (787 - 1));
static_assert(offsetof(Tpcm, LSPM) == 4 * (788 - 1));
static_assert(offsetof(Tpcm, DECKUP) == 4 * (789 - 1));
static_assert(offsetof(Tpcm, LVMR1) == 4 * (790 - 1));
static_assert(offsetof(Tpcm, SEMI_LIKE) == 4 * (791 - 1));
static_assert(offsetof(Tpcm, AXFC2) == 4 * (792 - 1));
static_assert(offsetof(Tpcm, CRDS2) == 4 * (793 - 1));
static_assert(offsetof(Tpcm, LVMR2) == 4 * (794 - 1));
static_assert(offsetof(Tpcm, LXTDP2) == 4 * (795 - 1));
static_assert(offsetof(Tpcm, AXFC3) == 4 * (796 - 1));
static_assert(offsetof(Tpcm, CRDS3) == 4 * (797 - 1));
static_assert(offsetof(Tpcm, LVMR3) == 4 * (798 - 1));
static_assert(offsetof(Tpcm, LXTDP3) == 4 * (799 - 1));
static_assert(offsetof(Tpcm, ITPCM6) == 4 * (800 - 1));
static_assert(offsetof(Tpcm, REALDUM1) == 4 * (904 - 1));
static_assert(offsetof(Tpcm, RACC) == 4 * (905 - 1));
static_assert(offsetof(Tpcm, WPITCH) == 4 * (1352 - 1));
static_assert(offsetof(Tpcm, XWNDAR) == 4 * (1353 - 1));
static_assert(offsetof(Tpcm, XWARM) == 4 * (1354 - 1));
static_assert(offsetof(Tpcm, YWNDAR) == 4 * (1355 - 1));
static_assert(offsetof(Tpcm, YWARM) == 4 * (1356 - 1));
static_assert(offsetof(Tpcm, XCURAR) == 4 * (1357 - 1));
static_assert(offsetof(Tpcm, XCARM) == 4 * (1358 - 1));
static_assert(offsetof(Tpcm, YCURAR) == 4 * (1359 - 1));
static_assert(offsetof(Tpcm, YCARM) == 4 * (1360 - 1));
static_assert(offsetof(Tpcm, BOWFAC) == 4 * (1361 - 1));
static_assert(offsetof(Tpcm, WNDFAC) == 4 * (1362 - 1));
static_assert(offsetof(Tpcm, CURFAC) == 4 * (1363 - 1));
static_assert(offsetof(Tpcm, WVFCY) == 4 * (1364 - 1));
static_assert(offsetof(Tpcm, TRIMDG) == 4 * (1365 - 1));
static_assert(offsetof(Tpcm, HEELDG) == 4 * (1366 - 1));
static_assert(offsetof(Tpcm, VWDFAC) == 4 * (1367 - 1));
static_assert(offsetof(Tpcm, STRNFC) == 4 * (1368 - 1));
static_assert(offsetof(Tpcm, PTDAMP) == 4 * (1369 - 1));
static_assert(offsetof(Tpcm, RLDAMP) == 4 * (1370 - 1));
static_assert(offsetof(Tpcm, HVDAMP) == 4 * (1371 - 1));
static_assert(offsetof(Tpcm, PITPRD) == 4 * (1372 - 1));
static_assert(offsetof(Tpcm, ROLPRD) == 4 * (1373 - 1));
static_assert(offsetof(Tpcm, HEVPRD) == 4 * (1374 - 1));
static_assert(offsetof(Tpcm, XSALM) == 4 * (1375 - 1));
static_assert(offsetof(Tpcm, PNDARM) == 4 * (1376 - 1));
static_assert(offsetof(Tpcm, SGK) == 4 * (1377 - 1));
static_assert(offsetof(Tpcm, SWK) == 4 * (1378 - 1));
static_assert(offsetof(Tpcm, YWK) == 4 * (1379 - 1));
static_assert(offsetof(Tpcm, HVK) == 4 * (1380 - 1));
static_assert(offsetof(Tpcm, PTK) == 4 * (1381 - 1));
static_assert(offsetof(Tpcm, RLK) == 4 * (1382 - 1));
static_assert(offsetof(Tpcm, SGMDMP) == 4 * (1383 - 1));
static_assert(offsetof(Tpcm, SWMDMP) == 4 * (1384 - 1));
static_assert(offsetof(Tpcm, YWMDMP) == 4 * (1385 - 1));
static_assert(offsetof(Tpcm, HVMDMP) == 4 * (1386 - 1));
static_assert(offsetof(Tpcm, PTMDMP) == 4 * (1387 - 1));
static_assert(offsetof(Tpcm, RLMDMP) == 4 * (1388 - 1));
static_assert(offsetof(Tpcm, SIZE) == 4 * (1389 - 1));
static_assert(offsetof(Tpcm, LOADED) == 4 * (1390 - 1));
static_assert(offsetof(Tpcm, BOWWND) == 4 * (1391 - 1));
static_assert(offsetof(Tpcm, DFTPCT) == 4 * (1392 - 1));
static_assert(offsetof(Tpcm, BOWCUR) == 4 * (1393 - 1));
static_assert(offsetof(Tpcm, DSPPCT) == 4 * (1394 - 1));
static_assert(offsetof(Tpcm, BOWWAV) == 4 * (1395 - 1));
static_assert(offsetof(Tpcm, VESMAS) == 4 * (1396 - 1));
static_assert(offsetof(Tpcm, SRGMAS) == 4 * (1397 - 1));
static_assert(offsetof(Tpcm, SWYMAS) == 4 * (1398 - 1));
static_assert(offsetof(Tpcm, YAWMAS) == 4 * (1399 - 1));
static_assert(offsetof(Tpcm, ZXWARM) == 4 * (1400 - 1));
static_assert(offsetof(Tpcm, ZYWARM) == 4 * (1401 - 1));
static_assert(offsetof(Tpcm, ZXCARM) == 4 * (1402 - 1));
static_assert(offsetof(Tpcm, ZYCARM) == 4 * (1403 - 1));
static_assert(offsetof(Tpcm, WVFCX) == 4 * (1404 - 1));
static_assert(offsetof(Tpcm, WVFCM) == 4 * (1405 - 1));
static_assert(offsetof(Tpcm, VGLDIR) == 4 * (1406 - 1));
static_assert(offsetof(Tpcm, XSHDOW) == 4 * (1407 - 1));
static_assert(offsetof(Tpcm, YSHDOW) == 4 * (1408 - 1));
static_assert(offsetof(Tpcm, DISPL) == 4 * (1409 - 1));
static_assert(offsetof(Tpcm, VKB) == 4 * (1410 - 1));
static_assert(offsetof(Tpcm, VKG) == 4 * (1411 - 1));
static_assert(offsetof(Tpcm, DRAFT) == 4 * (1412 - 1));
static_assert(offsetof(Tpcm, AWP) == 4 * (1413 - 1));
static_assert(offsetof(Tpcm, PGYR) == 4 * (1414 - 1));
static_assert(offsetof(Tpcm, RGYR) == 4 * (1415 - 1));
static_assert(offsetof(Tpcm, YGYR) == 4 * (1416 - 1));
static_assert(offsetof(Tpcm, VKMT) == 4 * (1417 - 1));
static_assert(offsetof(Tpcm, VKML) == 4 * (1418 - 1));
static_assert(offsetof(Tpcm, LWL) == 4 * (1419 - 1));
static_assert(offsetof(Tpcm, BWL) == 4 * (1420 - 1));
static_assert(offsetof(Tpcm, BILGR) == 4 * (1421 - 1));
static_assert(offsetof(Tpcm, TKEEL) == 4 * (1422 - 1));
static_assert(offsetof(Tpcm, RKEEL) == 4 * (1423 - 1));
static_assert(offsetof(Tpcm, DKEEL) == 4 * (1424 - 1));
static_assert(offsetof(Tpcm, VFWD) == 4 * (1425 - 1));
static_assert(offsetof(Tpcm, VCBEST) == 4 * (1426 - 1));
static_assert(offsetof(Tpcm, GMTEST) == 4 * (1427 - 1));
static_assert(offsetof(Tpcm, GMLEST) == 4 * (1428 - 1));
static_assert(offsetof(Tpcm, VOLEST) == 4 * (1429 - 1));
static_assert(offsetof(Tpcm, AWPEST) == 4 * (1430 - 1));
static_assert(offsetof(Tpcm, XCBEST) == 4 * (1431 - 1));
static_assert(offsetof(Tpcm, YCBEST) == 4 * (1432 - 1));
static_assert(offsetof(Tpcm, XWPCTR) == 4 * (1433 - 1));
static_assert(offsetof(Tpcm, YWPCTR) == 4 * (1434 - 1));
static_assert(offsetof(Tpcm, XVFRC) == 4 * (1435 - 1));
static_assert(offsetof(Tpcm, YVFRC) == 4 * (1436 - 1));
static_assert(offsetof(Tpcm, VESMOM) == 4 * (1437 - 1));
static_assert(offsetof(Tpcm, VESAN0) == 4 * (1438 - 1));
static_assert(offsetof(Tpcm, XVLOC) == 4 * (1439 - 1));
static_assert(offsetof(Tpcm, YVLOC) == 4 * (1440 - 1));
static_assert(offsetof(Tpcm, AUXFRC) == 4 * (1441 - 1));
static_assert(offsetof(Tpcm, CRDSYS) == 4 * (1442 - 1));
static_assert(offsetof(Tpcm, DPAFLG) == 4 * (1443 - 1));
static_assert(offsetof(Tpcm, DPRFLG) == 4 * (1444 - 1));
static_assert(offsetof(Tpcm, DPANG) == 4 * (1445 - 1));
static_assert(offsetof(Tpcm, DPADMP) == 4 * (1446 - 1));
static_assert(offsetof(Tpcm, DPASPR) == 4 * (1447 - 1));
static_assert(offsetof(Tpcm, DPXPNT) == 4 * (1448 - 1));
static_assert(offsetof(Tpcm, DPXDMP) == 4 * (1449 - 1));
static_assert(offsetof(Tpcm, DPXSPR) == 4 * (1450 - 1));
static_assert(offsetof(Tpcm, DPYPNT) == 4 * (1451 - 1));
static_assert(offsetof(Tpcm, DPYDMP) == 4 * (1452 - 1));
static_assert(offsetof(Tpcm, DPYSPR) == 4 * (1453 - 1));
static_assert(offsetof(Tpcm, DPXFRC) == 4 * (1454 - 1));
static_assert(offsetof(Tpcm, DPYFRC) == 4 * (1455 - 1));
static_assert(offsetof(Tpcm, DPMOM) == 4 * (1456 - 1));
static_assert(offsetof(Tpcm, DPXLOC) == 4 * (1457 - 1));
static_assert(offsetof(Tpcm, DPYLOC) == 4 * (1458 - 1));
static_assert(offsetof(Tpcm, ZVLOC) == 4 * (1459 - 1));
static_assert(offsetof(Tpcm, SPECF1) == 4 * (1460 - 1));
static_assert(offsetof(Tpcm, SPECM1) == 4 * (1461 - 1));
static_assert(offsetof(Tpcm, FEXDP1) == 4 * (1462 - 1));
static_assert(offsetof(Tpcm, MEXDP1) == 4 * (1463 - 1));
static_assert(offsetof(Tpcm, PKFCM1) == 4 * (1464 - 1));
static_assert(offsetof(Tpcm, ZVFRC) == 4 * (1465 - 1));
static_assert(offsetof(Tpcm, XVSMO1) == 4 * (1466 - 1));
static_assert(offsetof(Tpcm, YVSMO1) == 4 * (1467 - 1));
static_assert(offsetof(Tpcm, XVFRC2) == 4 * (1468 - 1));
static_assert(offsetof(Tpcm, YVFRC2) == 4 * (1469 - 1));
static_assert(offsetof(Tpcm, ZVFRC2) == 4 * (1470 - 1));
static_assert(offsetof(Tpcm, XVSMO2) == 4 * (1471 - 1));
static_assert(offsetof(Tpcm, YVSMO2) == 4 * (1472 - 1));
static_assert(offsetof(Tpcm, VESMO2) == 4 * (1473 - 1));
static_assert(offsetof(Tpcm, SPECF2) == 4 * (1474 - 1));
static_assert(offsetof(Tpcm, SPECM2) == 4 * (1475 - 1));
static_assert(offsetof(Tpcm, XVLOC2) == 4 * (1476 - 1));
static_assert(offsetof(Tpcm, YVLOC2) == 4 * (1477 - 1));
static_assert(offsetof(Tpcm, ZVLOC2) == 4 * (1478 - 1));
static_assert(offsetof(Tpcm, FEXDP2) == 4 * (1479 - 1));
static_assert(offsetof(Tpcm, MEXDP2) == 4 * (1480 - 1));
static_assert(offsetof(Tpcm, PKFCM2) == 4 * (1481 - 1));
static_assert(offsetof(Tpcm, XVFRC3) == 4 * (1482 - 1));
static_assert(offsetof(Tpcm, YVFRC3) == 4 * (1483 - 1));
static_assert(offsetof(Tpcm, ZVFRC3) == 4 * (1484 - 1));
static_assert(offsetof(Tpcm, XVSMO3) == 4 * (1485 - 1));
static_assert(offsetof(Tpcm, YVSMO3) == 4 * (1486 - 1));
static_assert(offsetof(Tpcm, VESMO3) == 4 * (1487 - 1));
static_assert(offsetof(Tpcm, SPECF3) == 4 * (1488 - 1));
static_assert(offsetof(Tpcm, SPECM3) == 4 * (1489 - 1));
static_assert(offsetof(Tpcm, XVLOC3) == 4 * (1490 - 1));
static_assert(offsetof(Tpcm, YVLOC3) == 4 * (1491 - 1));
static_assert(offsetof(Tpcm, ZVLOC3) == 4 * (1492 - 1));
static_assert(offsetof(Tpcm, FEXDP3) == 4 * (1493 - 1));
static_assert(offsetof(Tpcm, MEXDP3) == 4 * (1494 - 1));
static_assert(offsetof(Tpcm, PKFCM3) == 4 * (1495 - 1));
static_assert(offsetof(Tpcm, XVFRC4) == 4 * (1496 - 1));
static_assert(offsetof(Tpcm, YVFRC4) == 4 * (1497 - 1));
static_assert(offsetof(Tpcm, ZVFRC4) == 4 * (1498 - 1));
static_assert(offsetof(Tpcm, XVSMO4) == 4 * (1499 - 1));
static_assert(offsetof(Tpcm, YVSMO4) == 4 * (1500 - 1));
static_assert(offsetof(Tpcm, VESMO4) == 4 * (1501 - 1));
static_assert(offsetof(Tpcm, SPECF4) == 4 * (1502 - 1));
static_assert(offsetof(Tpcm, SPECM4) == 4 * (1503 - 1));
static_assert(offsetof(Tpcm, XVLOC4) == 4 * (1504 - 1));
static_assert(offsetof(Tpcm, YVLOC4) == 4 * (1505 - 1));
static_assert(offsetof(Tpcm, ZVLOC4) == 4 * (1506 - 1));
static_assert(offsetof(Tpcm, FEXDP4) == 4 * (1507 - 1));
static_assert(offsetof(Tpcm, MEXDP4) == 4 * (1508 - 1));
static_assert(offsetof(Tpcm, PKFCM4) == 4 * (1509 - 1));
static_assert(offsetof(Tpcm, CxUser) == 4 * (1510 - 1));
static_assert(offsetof(Tpcm, CyUser) == 4 * (1511 - 1));
static_assert(offsetof(Tpcm, CzUser) == 4 * (1512 - 1));
static_assert(offsetof(Tpcm, CmxUser) == 4 * (1513 - 1));
static_assert(offsetof(Tpcm, CmyUser) == 4 * (1514 - 1));
static_assert(offsetof(Tpcm, CmzUser) == 4 * (1515 - 1));
static_assert(offsetof(Tpcm, RTPCM7) == 4 * (1516 - 1));
static_assert(offsetof(Tpcm, CG_to_Midship) == 4 * (1650 - 1));
static_assert(offsetof(Tpcm, ACCZDIST) == 4 * (1651 - 1));
static_assert(offsetof(Tpcm, XCURNTDN) == 4 * (1652 - 1));
static_assert(offsetof(Tpcm, XCURNTUP) == 4 * (1653 - 1));
static_assert(offsetof(Tpcm, YCURNTDN) == 4 * (1654 - 1));
static_assert(offsetof(Tpcm, YCURNTUP) == 4 * (1655 - 1));
static_assert(offsetof(Tpcm, MUNKFAC1) == 4 * (1656 - 1));
static_assert(offsetof(Tpcm, MUNKFAC2) == 4 * (1657 - 1));
static_assert(offsetof(Tpcm, MUNKFAC3) == 4 * (1658 - 1));
static_assert(offsetof(Tpcm, WVDGCX) == 4 * (1659 - 1));
static_assert(offsetof(Tpcm, WVDGCY) == 4 * (1660 - 1));
static_assert(offsetof(Tpcm, WVDGCM) == 4 * (1661 - 1));
static_assert(offsetof(Tpcm, VWDRGFC) == 4 * (1662 - 1));
static_assert(offsetof(Tpcm, ENDHT) == 4 * (1663 - 1));
static_assert(offsetof(Tpcm, TOWANG) == 4 * (1664 - 1));
static_assert(offsetof(Tpcm, CNTSEP) == 4 * (1665 - 1));
static_assert(offsetof(Tpcm, DWTONS) == 4 * (1666 - 1));
static_assert(offsetof(Tpcm, excursionLimitDiameter) == 4 * (1667 - 1));
static_assert(offsetof(Tpcm, AR3) == 4 * (1668 - 1));
static_assert(offsetof(Tpcm, AR4) == 4 * (1669 - 1));
static_assert(offsetof(Tpcm, AR5) == 4 * (1670 - 1));
static_assert(offsetof(Tpcm, YAWINC) == 4 * (1671 - 1));
static_assert(offsetof(Tpcm, EQLYAW) == 4 * (1672 - 1));
static_assert(offsetof(Tpcm, OFFINC) == 4 * (1673 - 1));
static_assert(offsetof(Tpcm, HMIN) == 4 * (1674 - 1));
static_assert(offsetof(Tpcm, TLOAD) == 4 * (1675 - 1));
static_assert(offsetof(Tpcm, SGLFDP) == 4 * (1676 - 1));
static_assert(offsetof(Tpcm, SWLFDP) == 4 * (1677 - 1));
static_assert(offsetof(Tpcm, YWLFDP) == 4 * (1678 - 1));
static_assert(offsetof(Tpcm, AR14) == 4 * (1679 - 1));
static_assert(offsetof(Tpcm, AR15) == 4 * (1680 - 1));
static_assert(offsetof(Tpcm, AR16) == 4 * (1681 - 1));
static_assert(offsetof(Tpcm, AR17) == 4 * (1682 - 1));
static_assert(offsetof(Tpcm, AR18) == 4 * (1683 - 1));
static_assert(offsetof(Tpcm, AR19) == 4 * (1684 - 1));
static_assert(offsetof(Tpcm, AR20) == 4 * (1685 - 1));
static_assert(offsetof(Tpcm, AUXFOR) == 4 * (1686 - 1));
static_assert(offsetof(Tpcm, AUXTRQ) == 4 * (1776 - 1));
static_assert(offsetof(Tpcm, IL0) == 4 * (1866 - 1));
static_assert(offsetof(Tpcm, WriteAuxDatFiles) == 4 * (1867 - 1));
static_assert(offsetof(Tpcm, SupressSemiDragSpec) == 4 * (1868 - 1));
static_assert(offsetof(Tpcm, ForceAllRebuilds) == 4 * (1869 - 1));
static_assert(offsetof(Tpcm, ITPCVestrakel) == 4 * (1870 - 1));
static_assert(offsetof(Tpcm, ITPCM8) == 4 * (1897 - 1));
static_assert(offsetof(Tpcm, IL1) == 4 * (1906 - 1));
static_assert(offsetof(Tpcm, IL2) == 4 * (1907 - 1));
static_assert(offsetof(Tpcm, ISURGE) == 4 * (1908 - 1));
static_assert(offsetof(Tpcm, YAWTBL) == 4 * (1909 - 1));
static_assert(offsetof(Tpcm, AUXTBL) == 4 * (1910 - 1));
static_assert(offsetof(Tpcm, LSGLFD) == 4 * (1911 - 1));
static_assert(offsetof(Tpcm, LSWLFD) == 4 * (1912 - 1));
static_assert(offsetof(Tpcm, LYWLFD) == 4 * (1913 - 1));
static_assert(offsetof(Tpcm, IL9) == 4 * (1914 - 1));
static_assert(offsetof(Tpcm, NTAB) == 4 * (1915 - 1));
static_assert(offsetof(Tpcm, IL10) == 4 * (1916 - 1));
static_assert(offsetof(Tpcm, IL11) == 4 * (1917 - 1));
static_assert(offsetof(Tpcm, IL12) == 4 * (1918 - 1));
static_assert(offsetof(Tpcm, IL13) == 4 * (1919 - 1));
static_assert(offsetof(Tpcm, LQUAS) == 4 * (1920 - 1));
static_assert(offsetof(Tpcm, LDYN) == 4 * (1921 - 1));
static_assert(offsetof(Tpcm, IL16) == 4 * (1922 - 1));
static_assert(offsetof(Tpcm, IL17) == 4 * (1923 - 1));
static_assert(offsetof(Tpcm, IANC) == 4 * (1924 - 1));
static_assert(offsetof(Tpcm, IL20) == 4 * (1925 - 1));
static_assert(offsetof(Tpcm, ITPCM9) == 4 * (1926 - 1));
static_assert(offsetof(Tpcm, TOPCOM_LAST) == 4 * (1987 - 1));
static_assert(offsetof(Tpcm, BNACC) == 4 * (1988 - 1));
static_assert(offsetof(Tpcm, BEMTY1) == 4 * (1989 - 1));
static_assert(offsetof(Tpcm, BEMTY2) == 4 * (1990 - 1));
static_assert(offsetof(Tpcm, BLACC) == 4 * (1991 - 1));
static_assert(offsetof(Tpcm, BLVEL) == 4 * (1992 - 1));
static_assert(offsetof(Tpcm, BLDSP) == 4 * (1993 - 1));
static_assert(offsetof(Tpcm, BLROLL) == 4 * (1994 - 1));
static_assert(offsetof(Tpcm, BLBOW) == 4 * (1995 - 1));
static_assert(offsetof(Tpcm, BLKEEL) == 4 * (1996 - 1));
static_assert(offsetof(Tpcm, BRLTYP) == 4 * (1997 - 1));
static_assert(offsetof(Tpcm, BLSTRN) == 4 * (1998 - 1));
static_assert(offsetof(Tpcm, BPTDMP) == 4 * (1999 - 1));
static_assert(offsetof(Tpcm, BRLDMP) == 4 * (2000 - 1));
static_assert(offsetof(Tpcm, BHVDMP) == 4 * (2001 - 1));
static_assert(offsetof(Tpcm, BPTPRD) == 4 * (2002 - 1));
static_assert(offsetof(Tpcm, BRLPRD) == 4 * (2003 - 1));
static_assert(offsetof(Tpcm, BHVPRD) == 4 * (2004 - 1));
static_assert(offsetof(Tpcm, BCRCOR) == 4 * (2005 - 1));
static_assert(offsetof(Tpcm, BAVTP2) == 4 * (2006 - 1));
static_assert(offsetof(Tpcm, BAVTP3) == 4 * (2007 - 1));
static_assert(offsetof(Tpcm, BLCBRG) == 4 * (2008 - 1));
static_assert(offsetof(Tpcm, BLWBRG) == 4 * (2009 - 1));
static_assert(offsetof(Tpcm, BIARCO) == 4 * (2010 - 1));
static_assert(offsetof(Tpcm, BVSTYP) == 4 * (2011 - 1));
static_assert(offsetof(Tpcm, BAXVSH) == 4 * (2012 - 1));
static_assert(offsetof(Tpcm, BCTFBK) == 4 * (2013 - 1));
static_assert(offsetof(Tpcm, BMRFBK) == 4 * (2014 - 1));
static_assert(offsetof(Tpcm, BSGDMP) == 4 * (2015 - 1));
static_assert(offsetof(Tpcm, BSWDMP) == 4 * (2016 - 1));
static_assert(offsetof(Tpcm, BYWDMP) == 4 * (2017 - 1));
static_assert(offsetof(Tpcm, BSGPRD) == 4 * (2018 - 1));
static_assert(offsetof(Tpcm, BSWPRD) == 4 * (2019 - 1));
static_assert(offsetof(Tpcm, BYWPRD) == 4 * (2020 - 1));
static_assert(offsetof(Tpcm, BWVCOF) == 4 * (2021 - 1));
static_assert(offsetof(Tpcm, BLSPM) == 4 * (2022 - 1));
static_assert(offsetof(Tpcm, BDEKUP) == 4 * (2023 - 1));
static_assert(offsetof(Tpcm, BTPCM6_AV1) == 4 * (2024 - 1));
static_assert(offsetof(Tpcm, B_SEMI_LIKE) == 4 * (2025 - 1));
static_assert(offsetof(Tpcm, BTPCM6_AV2) == 4 * (2026 - 1));
static_assert(offsetof(Tpcm, BTPCM6) == 4 * (2034 - 1));
static_assert(offsetof(Tpcm, BREALDUM1) == 4 * (2138 - 1));
static_assert(offsetof(Tpcm, BRACC) == 4 * (2139 - 1));
static_assert(offsetof(Tpcm, BTOP2) == 4 * (2586 - 1));
static_assert(offsetof(Tpcm, BXWNDA) == 4 * (2587 - 1));
static_assert(offsetof(Tpcm, BXWARM) == 4 * (2588 - 1));
static_assert(offsetof(Tpcm, BYWNDA) == 4 * (2589 - 1));
static_assert(offsetof(Tpcm, BYWARM) == 4 * (2590 - 1));
static_assert(offsetof(Tpcm, BXCURA) == 4 * (2591 - 1));
static_assert(offsetof(Tpcm, BXCARM) == 4 * (2592 - 1));
static_assert(offsetof(Tpcm, BYCURA) == 4 * (2593 - 1));
static_assert(offsetof(Tpcm, BYCARM) == 4 * (2594 - 1));
static_assert(offsetof(Tpcm, BBOWCF) == 4 * (2595 - 1));
static_assert(offsetof(Tpcm, BWNDCF) == 4 * (2596 - 1));
static_assert(offsetof(Tpcm, BCURCF) == 4 * (2597 - 1));
static_assert(offsetof(Tpcm, BWVFCY) == 4 * (2598 - 1));
static_assert(offsetof(Tpcm, BTRMDG) == 4 * (2599 - 1));
static_assert(offsetof(Tpcm, BHELDG) == 4 * (2600 - 1));
static_assert(offsetof(Tpcm, BVWDFC) == 4 * (2601 - 1));
static_assert(offsetof(Tpcm, BSTRNC) == 4 * (2602 - 1));
static_assert(offsetof(Tpcm, BPITDM) == 4 * (2603 - 1));
static_assert(offsetof(Tpcm, BROLDM) == 4 * (2604 - 1));
static_assert(offsetof(Tpcm, BHEVDM) == 4 * (2605 - 1));
static_assert(offsetof(Tpcm, BPITPD) == 4 * (2606 - 1));
static_assert(offsetof(Tpcm, BROLPD) == 4 * (2607 - 1));
static_assert(offsetof(Tpcm, BHEVPD) == 4 * (2608 - 1));
static_assert(offsetof(Tpcm, BXSALM) == 4 * (2609 - 1));
static_assert(offsetof(Tpcm, BPNDRM) == 4 * (2610 - 1));
static_assert(offsetof(Tpcm, BSGK) == 4 * (2611 - 1));
static_assert(offsetof(Tpcm, BSWK) == 4 * (2612 - 1));
static_assert(offsetof(Tpcm, BYWK) == 4 * (2613 - 1));
static_assert(offsetof(Tpcm, BHVK) == 4 * (2614 - 1));
static_assert(offsetof(Tpcm, BPTK) == 4 * (2615 - 1));
static_assert(offsetof(Tpcm, BRLK) == 4 * (2616 - 1));
static_assert(offsetof(Tpcm, BSGMDM) == 4 * (2617 - 1));
static_assert(offsetof(Tpcm, BSWMDM) == 4 * (2618 - 1));
static_assert(offsetof(Tpcm, BYWMDM) == 4 * (2619 - 1));
static_assert(offsetof(Tpcm, BHVMDM) == 4 * (2620 - 1));
static_assert(offsetof(Tpcm, BPTMDM) == 4 * (2621 - 1));
static_assert(offsetof(Tpcm, BRLMDM) == 4 * (2622 - 1));
static_assert(offsetof(Tpcm, BSIZE) == 4 * (2623 - 1));
static_assert(offsetof(Tpcm, BLODED) == 4 * (2624 - 1));
static_assert(offsetof(Tpcm, BBOWWD) == 4 * (2625 - 1));
static_assert(offsetof(Tpcm, BDFTPC) == 4 * (2626 - 1));
static_assert(offsetof(Tpcm, BBOWCR) == 4 * (2627 - 1));
static_assert(offsetof(Tpcm, BDSPPC) == 4 * (2628 - 1));
static_assert(offsetof(Tpcm, BBOWWV) == 4 * (2629 - 1));
static_assert(offsetof(Tpcm, BVSMAS) == 4 * (2630 - 1));
static_assert(offsetof(Tpcm, BSRGMS) == 4 * (2631 - 1));
static_assert(offsetof(Tpcm, SBWYMS) == 4 * (2632 - 1));
static_assert(offsetof(Tpcm, BYAWMS) == 4 * (2633 - 1));
static_assert(offsetof(Tpcm, BZXWRM) == 4 * (2634 - 1));
static_assert(offsetof(Tpcm, BZYWRM) == 4 * (2635 - 1));
static_assert(offsetof(Tpcm, BZXCRM) == 4 * (2636 - 1));
static_assert(offsetof(Tpcm, BZYCRM) == 4 * (2637 - 1));
static_assert(offsetof(Tpcm, BWVFCX) == 4 * (2638 - 1));
static_assert(offsetof(Tpcm, BWVFCM) == 4 * (2639 - 1));
static_assert(offsetof(Tpcm, BVGLDR) == 4 * (2640 - 1));
static_assert(offsetof(Tpcm, BXSHDW) == 4 * (2641 - 1));
static_assert(offsetof(Tpcm, BYSHDW) == 4 * (2642 - 1));
static_assert(offsetof(Tpcm, BDISPL) == 4 * (2643 - 1));
static_assert(offsetof(Tpcm, BVKB) == 4 * (2644 - 1));
static_assert(offsetof(Tpcm, BVKG) == 4 * (2645 - 1));
static_assert(offsetof(Tpcm, BDRAFT) == 4 * (2646 - 1));
static_assert(offsetof(Tpcm, BAWP) == 4 * (2647 - 1));
static_assert(offsetof(Tpcm, BPGYR) == 4 * (2648 - 1));
static_assert(offsetof(Tpcm, BRGYR) == 4 * (2649 - 1));
static_assert(offsetof(Tpcm, BYGYR) == 4 * (2650 - 1));
static_assert(offsetof(Tpcm, BVKMT) == 4 * (2651 - 1));
static_assert(offsetof(Tpcm, BVKML) == 4 * (2652 - 1));
static_assert(offsetof(Tpcm, BLWL) == 4 * (2653 - 1));
static_assert(offsetof(Tpcm, BBWL) == 4 * (2654 - 1));
static_assert(offsetof(Tpcm, BBILGR) == 4 * (2655 - 1));
static_assert(offsetof(Tpcm, BTKEEL) == 4 * (2656 - 1));
static_assert(offsetof(Tpcm, BRKEEL) == 4 * (2657 - 1));
static_assert(offsetof(Tpcm, BDKEEL) == 4 * (2658 - 1));
static_assert(offsetof(Tpcm, BVFWD) == 4 * (2659 - 1));
static_assert(offsetof(Tpcm, BARP) == 4 * (2660 - 1));
static_assert(offsetof(Tpcm, BXVFRC) == 4 * (2669 - 1));
static_assert(offsetof(Tpcm, BYVFRC) == 4 * (2670 - 1));
static_assert(offsetof(Tpcm, BVSMOM) == 4 * (2671 - 1));
static_assert(offsetof(Tpcm, BVSAN0) == 4 * (2672 - 1));
static_assert(offsetof(Tpcm, BXVLOC) == 4 * (2673 - 1));
static_assert(offsetof(Tpcm, BYVLOC) == 4 * (2674 - 1));
static_assert(offsetof(Tpcm, BAXFRC) == 4 * (2675 - 1));
static_assert(offsetof(Tpcm, BCDSYS) == 4 * (2676 - 1));
static_assert(offsetof(Tpcm, BARDP1) == 4 * (2677 - 1));
static_assert(offsetof(Tpcm, BARDP2) == 4 * (2678 - 1));
static_assert(offsetof(Tpcm, BARDP) == 4 * (2679 - 1));
static_assert(offsetof(Tpcm, BZVLOC) == 4 * (2693 - 1));
static_assert(offsetof(Tpcm, BSPCF1) == 4 * (2694 - 1));
static_assert(offsetof(Tpcm, BSFCM1) == 4 * (2695 - 1));
static_assert(offsetof(Tpcm, BFXDP1) == 4 * (2696 - 1));
static_assert(offsetof(Tpcm, BARP2) == 4 * (2697 - 1));
static_assert(offsetof(Tpcm, BARPP0) == 4 * (2698 - 1));
static_assert(offsetof(Tpcm, BARPP) == 4 * (2744 - 1));
static_assert(offsetof(Tpcm, BCG_to_Midship) == 4 * (2884 - 1));
static_assert(offsetof(Tpcm, BACCZDIST) == 4 * (2885 - 1));
static_assert(offsetof(Tpcm, BXCURNTDN) == 4 * (2886 - 1));
static_assert(offsetof(Tpcm, BXCURNTUP) == 4 * (2887 - 1));
static_assert(offsetof(Tpcm, BYCURNTDN) == 4 * (2888 - 1));
static_assert(offsetof(Tpcm, BYCURNTUP) == 4 * (2889 - 1));
static_assert(offsetof(Tpcm, BMUNKFAC1) == 4 * (2890 - 1));
static_assert(offsetof(Tpcm, BMUNKFAC2) == 4 * (2891 - 1));
static_assert(offsetof(Tpcm, BMUNKFAC3) == 4 * (2892 - 1));
static_assert(offsetof(Tpcm, BWVDGCX) == 4 * (2893 - 1));
static_assert(offsetof(Tpcm, BWVDGCY) == 4 * (2894 - 1));
static_assert(offsetof(Tpcm, BWVDGCM) == 4 * (2895 - 1));
static_assert(offsetof(Tpcm, BVWDRGFC) == 4 * (2896 - 1));
static_assert(offsetof(Tpcm, BLNHT) == 4 * (2897 - 1));
static_assert(offsetof(Tpcm, BLNANG) == 4 * (2898 - 1));
static_assert(offsetof(Tpcm, BCNTSP) == 4 * (2899 - 1));
static_assert(offsetof(Tpcm, BDWTNS) == 4 * (2900 - 1));
static_assert(offsetof(Tpcm, BAR2) == 4 * (2901 - 1));
static_assert(offsetof(Tpcm, BAR3) == 4 * (2902 - 1));
static_assert(offsetof(Tpcm, BAR4) == 4 * (2903 - 1));
static_assert(offsetof(Tpcm, BAR5) == 4 * (2904 - 1));
static_assert(offsetof(Tpcm, BYWINC) == 4 * (2905 - 1));
static_assert(offsetof(Tpcm, BEQLYW) == 4 * (2906 - 1));
static_assert(offsetof(Tpcm, BOFINC) == 4 * (2907 - 1));
static_assert(offsetof(Tpcm, BAR9) == 4 * (2908 - 1));
static_assert(offsetof(Tpcm, BTLOAD) == 4 * (2909 - 1));
static_assert(offsetof(Tpcm, BSGLFD) == 4 * (2910 - 1));
static_assert(offsetof(Tpcm, BSWLFD) == 4 * (2911 - 1));
static_assert(offsetof(Tpcm, BYWLFD) == 4 * (2912 - 1));
static_assert(offsetof(Tpcm, BAR14) == 4 * (2913 - 1));
static_assert(offsetof(Tpcm, BAR15) == 4 * (2914 - 1));
static_assert(offsetof(Tpcm, BAR16) == 4 * (2915 - 1));
static_assert(offsetof(Tpcm, BAR17) == 4 * (2916 - 1));
static_assert(offsetof(Tpcm, BAR18) == 4 * (2917 - 1));
static_assert(offsetof(Tpcm, BAR19) == 4 * (2918 - 1));
static_assert(offsetof(Tpcm, BAR20) == 4 * (2919 - 1));
static_assert(offsetof(Tpcm, BAXFOR) == 4 * (2920 - 1));
static_assert(offsetof(Tpcm, BAXTRQ) == 4 * (3010 - 1));
static_assert(offsetof(Tpcm, BILP) == 4 * (3100 - 1));
static_assert(offsetof(Tpcm, BIL1) == 4 * (3140 - 1));
static_assert(offsetof(Tpcm, BIL2) == 4 * (3141 - 1));
static_assert(offsetof(Tpcm, BSURGE) == 4 * (3142 - 1));
static_assert(offsetof(Tpcm, BYWTBL) == 4 * (3143 - 1));
static_assert(offsetof(Tpcm, BAXTBL) == 4 * (3144 - 1));
static_assert(offsetof(Tpcm, BIDMP) == 4 * (3145 - 1));
static_assert(offsetof(Tpcm, LBSWDP) == 4 * (3146 - 1));
static_assert(offsetof(Tpcm, LBYWDP) == 4 * (3147 - 1));
static_assert(offsetof(Tpcm, BMXTAB) == 4 * (3148 - 1));
static_assert(offsetof(Tpcm, BNMTAB) == 4 * (3149 - 1));
static_assert(offsetof(Tpcm, BIL10) == 4 * (3150 - 1));
static_assert(offsetof(Tpcm, BIL11) == 4 * (3151 - 1));
static_assert(offsetof(Tpcm, BIL12) == 4 * (3152 - 1));
static_assert(offsetof(Tpcm, BIL13) == 4 * (3153 - 1));
static_assert(offsetof(Tpcm, BLQUAS) == 4 * (3154 - 1));
static_assert(offsetof(Tpcm, BLDYN) == 4 * (3155 - 1));
static_assert(offsetof(Tpcm, BIL16) == 4 * (3156 - 1));
static_assert(offsetof(Tpcm, BIL17) == 4 * (3157 - 1));
static_assert(offsetof(Tpcm, BIANC) == 4 * (3158 - 1));
static_assert(offsetof(Tpcm, BIL20) == 4 * (3159 - 1));
static_assert(offsetof(Tpcm, BILP8) == 4 * (3160 - 1));
static_assert(offsetof(Tpcm, NAVBL) == 4 * (3221 - 1));
static_assert(offsetof(Tpcm, DRAG_ONLY) == 4 * (3307 - 1));
static_assert(offsetof(Tpcm, BOTTYP) == 4 * (3308 - 1));
static_assert(offsetof(Tpcm, TOPTYP) == 4 * (3358 - 1));
static_assert(offsetof(Tpcm, MEMDIR) == 4 * (3408 - 1));
static_assert(offsetof(Tpcm, MEMTYP) == 4 * (3458 - 1));
static_assert(offsetof(Tpcm, NCYLTP) == 4 * (3508 - 1));
static_assert(offsetof(Tpcm, MASCMP) == 4 * (3558 - 1));
static_assert(offsetof(Tpcm, DRGCMP) == 4 * (3608 - 1));
static_assert(offsetof(Tpcm, NMEM) == 4 * (3658 - 1));
static_assert(offsetof(Tpcm, MAXMEM) == 4 * (3659 - 1));
static_assert(offsetof(Tpcm, NEND) == 4 * (3660 - 1));
static_assert(offsetof(Tpcm, NCYL) == 4 * (3661 - 1));
static_assert(offsetof(Tpcm, MAXEND) == 4 * (3662 - 1));
static_assert(offsetof(Tpcm, MAXCYL) == 4 * (3663 - 1));
static_assert(offsetof(Tpcm, NPOD) == 4 * (3664 - 1));
static_assert(offsetof(Tpcm, MAXPOD) == 4 * (3665 - 1));
static_assert(offsetof(Tpcm, CCOFMX) == 4 * (3666 - 1));
static_assert(offsetof(Tpcm, CCOFMY) == 4 * (3667 - 1));
static_assert(offsetof(Tpcm, CCOFMZ) == 4 * (3668 - 1));
static_assert(offsetof(Tpcm, CCOFDX) == 4 * (3669 - 1));
static_assert(offsetof(Tpcm, CCOFDY) == 4 * (3670 - 1));
static_assert(offsetof(Tpcm, CCOFDZ) == 4 * (3671 - 1));
static_assert(offsetof(Tpcm, CCOFIY) == 4 * (3672 - 1));
static_assert(offsetof(Tpcm, CCOFIZ) == 4 * (3673 - 1));
static_assert(offsetof(Tpcm, CCFDIY) == 4 * (3674 - 1));
static_assert(offsetof(Tpcm, CCFDIZ) == 4 * (3675 - 1));
static_assert(offsetof(Tpcm, RCYLB) == 4 * (3676 - 1));
static_assert(offsetof(Tpcm, RCYLT) == 4 * (3826 - 1));
static_assert(offsetof(Tpcm, XAREA) == 4 * (3976 - 1));
static_assert(offsetof(Tpcm, DIAMS) == 4 * (4026 - 1));
static_assert(offsetof(Tpcm, CYLCM) == 4 * (4176 - 1));
static_assert(offsetof(Tpcm, CYLCMI) == 4 * (4326 - 1));
static_assert(offsetof(Tpcm, CYLCD) == 4 * (4476 - 1));
static_assert(offsetof(Tpcm, CYLCDI) == 4 * (4626 - 1));
static_assert(offsetof(Tpcm, EXTRA) == 4 * (4776 - 1));
static_assert(offsetof(Tpcm, SEMCOM_LAST) == 4 * (4975 - 1));
static_assert(offsetof(Tpcm, PULLDN) == 4 * (4976 - 1));
static_assert(offsetof(Tpcm, NLWVFG) == 4 * (4977 - 1));
static_assert(offsetof(Tpcm, QSFLAG2) == 4 * (4978 - 1));
static_assert(offsetof(Tpcm, INRLFG) == 4 * (4979 - 1));
static_assert(offsetof(Tpcm, NEXCLD_I) == 4 * (4980 - 1));
static_assert(offsetof(Tpcm, spare_04981) == 4 * (4981 - 1));
static_assert(offsetof(Tpcm, LOWMOT) == 4 * (4983 - 1));
static_assert(offsetof(Tpcm, STAMOT) == 4 * (4984 - 1));
static_assert(offsetof(Tpcm, spare_04985) == 4 * (4985 - 1));
static_assert(offsetof(Tpcm, LEQCND) == 4 * (4986 - 1));
static_assert(offsetof(Tpcm, spare_04987) == 4 * (4987 - 1));
static_assert(offsetof(Tpcm, WLFLAG) == 4 * (4994 - 1));
static_assert(offsetof(Tpcm, spare_04995) == 4 * (4995 - 1));
static_assert(offsetof(Tpcm, TENSRF) == 4 * (4998 - 1));
static_assert(offsetof(Tpcm, spare_04999) == 4 * (4999 - 1));
static_assert(offsetof(Tpcm, LONGIE) == 4 * (5000 - 1));
static_assert(offsetof(Tpcm, SHORTY) == 4 * (5001 - 1));
static_assert(offsetof(Tpcm, spare_05002) == 4 * (5002 - 1));
static_assert(offsetof(Tpcm, IDUM0) == 4 * (5018 - 1));
static_assert(offsetof(Tpcm, STRESS_STRAIN_FILE) == 4 * (5127 - 1));
static_assert(offsetof(Tpcm, ANCTYP) == 4 * (5277 - 1));
static_assert(offsetof(Tpcm, LINTYP) == 4 * (5427 - 1));
static_assert(offsetof(Tpcm, NLINE) == 4 * (28077 - 1));
static_assert(offsetof(Tpcm, NTYP) == 4 * (28227 - 1));
static_assert(offsetof(Tpcm, MAXTYP) == 4 * (28228 - 1));
static_assert(offsetof(Tpcm, NELEM) == 4 * (28229 - 1));
static_assert(offsetof(Tpcm, MAXELM) == 4 * (28379 - 1));
static_assert(offsetof(Tpcm, NLAYER) == 4 * (28380 - 1));
static_assert(offsetof(Tpcm, NDYNEV) == 4 * (28381 - 1));
static_assert(offsetof(Tpcm, NLIN) == 4 * (28382 - 1));
static_assert(offsetof(Tpcm, MAXLIN) == 4 * (28383 - 1));
static_assert(offsetof(Tpcm, IDYNEV) == 4 * (28384 - 1));
static_assert(offsetof(Tpcm, MAXDYN) == 4 * (28534 - 1));
static_assert(offsetof(Tpcm, LRESET) == 4 * (28535 - 1));
static_assert(offsetof(Tpcm, MOORTP) == 4 * (28536 - 1));
static_assert(offsetof(Tpcm, spare_28537) == 4 * (28537 - 1));
static_assert(offsetof(Tpcm, LODTYP) == 4 * (28538 - 1));
static_assert(offsetof(Tpcm, LBOUND) == 4 * (28539 - 1));
static_assert(offsetof(Tpcm, spare_28540) == 4 * (28540 - 1));
static_assert(offsetof(Tpcm, HAWSTP) == 4 * (28541 - 1));
static_assert(offsetof(Tpcm, HAWSLN) == 4 * (28542 - 1));
static_assert(offsetof(Tpcm, spare_28543) == 4 * (28543 - 1));
static_assert(offsetof(Tpcm, MRSPAR) == 4 * (28581 - 1));
static_assert(offsetof(Tpcm, SCOMP) == 4 * (28582 - 1));
static_assert(offsetof(Tpcm, SLEN) == 4 * (36082 - 1));
static_assert(offsetof(Tpcm, DIAM) == 4 * (39832 - 1));
static_assert(offsetof(Tpcm, WETWT) == 4 * (43582 - 1));
static_assert(offsetof(Tpcm, ALPHA) == 4 * (47332 - 1));
static_assert(offsetof(Tpcm, TBRK) == 4 * (58582 - 1));
static_assert(offsetof(Tpcm, HTENS) == 4 * (62332 - 1));
static_assert(offsetof(Tpcm, RFLD) == 4 * (62482 - 1));
static_assert(offsetof(Tpcm, COFMST) == 4 * (62932 - 1));
static_assert(offsetof(Tpcm, COFDMT) == 4 * (66682 - 1));
static_assert(offsetof(Tpcm, DRYWT) == 4 * (70432 - 1));
static_assert(offsetof(Tpcm, MOORDUMMY) == 4 * (74182 - 1));
static_assert(offsetof(Tpcm, ANGDEP) == 4 * (77932 - 1));
static_assert(offsetof(Tpcm, ANCHGT) == 4 * (78082 - 1));
static_assert(offsetof(Tpcm, ANCHT0) == 4 * (78232 - 1));
static_assert(offsetof(Tpcm, COFMAS) == 4 * (78233 - 1));
static_assert(offsetof(Tpcm, COFDMP) == 4 * (78234 - 1));
static_assert(offsetof(Tpcm, BTFRC0) == 4 * (78235 - 1));
static_assert(offsetof(Tpcm, BOTFRC) == 4 * (78236 - 1));
static_assert(offsetof(Tpcm, ZSPAN) == 4 * (78386 - 1));
static_assert(offsetof(Tpcm, RMCTR) == 4 * (78387 - 1));
static_assert(offsetof(Tpcm, XMCTR) == 4 * (78390 - 1));
static_assert(offsetof(Tpcm, YMCTR) == 4 * (78391 - 1));
static_assert(offsetof(Tpcm, ZMCTR) == 4 * (78392 - 1));
static_assert(offsetof(Tpcm, SPRGBY) == 4 * (78393 - 1));
static_assert(offsetof(Tpcm, CLUMP) == 4 * (78405 - 1));
static_assert(offsetof(Tpcm, DUMCOM) == 4 * (78417 - 1));
static_assert(offsetof(Tpcm, MORCOM_LAST0) == 4 * (78634 - 1));
static_assert(offsetof(Tpcm, MORCOM_LAST) == 4 * (78635 - 1));
static_assert(offsetof(Tpcm, spare_78636) == 4 * (78636 - 1));
static_assert(offsetof(Tpcm, LAST_CATNCOM) == 4 * (79676 - 1));

// SALM view members, counted from word 1988.
static_assert(offsetof(SalmView, LODFRE_SLM) == 4 * (1988 - 1988));
static_assert(offsetof(SalmView, LPOSN) == 4 * (1989 - 1988));
static_assert(offsetof(SalmView, LANGLE) == 4 * (1990 - 1988));
static_assert(offsetof(SalmView, LODWAV) == 4 * (1991 - 1988));
static_assert(offsetof(SalmView, LODINR) == 4 * (1992 - 1988));
static_assert(offsetof(SalmView, LODSTA) == 4 * (1993 - 1988));
static_assert(offsetof(SalmView, LODNET) == 4 * (1994 - 1988));
static_assert(offsetof(SalmView, LOWMOT) == 4 * (1995 - 1988));
static_assert(offsetof(SalmView, STAMOT) == 4 * (1996 - 1988));
static_assert(offsetof(SalmView, HIMOT) == 4 * (1997 - 1988));
static_assert(offsetof(SalmView, OUTCRD) == 4 * (1998 - 1988));
static_assert(offsetof(SalmView, SMPDRG) == 4 * (1999 - 1988));
static_assert(offsetof(SalmView, ISLM1) == 4 * (2000 - 1988));
static_assert(offsetof(SalmView, ISLM2) == 4 * (2001 - 1988));
static_assert(offsetof(SalmView, LOFFST) == 4 * (2002 - 1988));
static_assert(offsetof(SalmView, WETYOK) == 4 * (2003 - 1988));
static_assert(offsetof(SalmView, EQVLIN) == 4 * (2004 - 1988));
static_assert(offsetof(SalmView, NMOMT) == 4 * (2005 - 1988));
static_assert(offsetof(SalmView, NELEM) == 4 * (2006 - 1988));
static_assert(offsetof(SalmView, ISTAT) == 4 * (2007 - 1988));
static_assert(offsetof(SalmView, IFRANC) == 4 * (2008 - 1988));
static_assert(offsetof(SalmView, IFREE) == 4 * (2009 - 1988));
static_assert(offsetof(SalmView, LMOMT) == 4 * (2049 - 1988));
static_assert(offsetof(SalmView, IPIERC) == 4 * (2089 - 1988));
static_assert(offsetof(SalmView, ISLM3) == 4 * (2090 - 1988));
static_assert(offsetof(SalmView, SSALM) == 4 * (2091 - 1988));
static_assert(offsetof(SalmView, SLEN) == 4 * (2093 - 1988));
static_assert(offsetof(SalmView, BUOY) == 4 * (2133 - 1988));
static_assert(offsetof(SalmView, CBUOY) == 4 * (2173 - 1988));
static_assert(offsetof(SalmView, TMASS) == 4 * (2213 - 1988));
static_assert(offsetof(SalmView, CGSALM) == 4 * (2253 - 1988));
static_assert(offsetof(SalmView, LOWER) == 4 * (2293 - 1988));
static_assert(offsetof(SalmView, GYRAD) == 4 * (2333 - 1988));
static_assert(offsetof(SalmView, ANCHOR) == 4 * (2373 - 1988));
static_assert(offsetof(SalmView, YOKEHT) == 4 * (2374 - 1988));
static_assert(offsetof(SalmView, WPAPRC) == 4 * (2375 - 1988));
static_assert(offsetof(SalmView, YOKVES) == 4 * (2376 - 1988));
static_assert(offsetof(SalmView, COFMST) == 4 * (2377 - 1988));
static_assert(offsetof(SalmView, COFDMT) == 4 * (2417 - 1988));
static_assert(offsetof(SalmView, COFMAS) == 4 * (2457 - 1988));
static_assert(offsetof(SalmView, COFDMP) == 4 * (2458 - 1988));
static_assert(offsetof(SalmView, R13) == 4 * (2459 - 1988));
static_assert(offsetof(SalmView, R14) == 4 * (2460 - 1988));
static_assert(offsetof(SalmView, R15) == 4 * (2461 - 1988));
static_assert(offsetof(SalmView, R16) == 4 * (2462 - 1988));
static_assert(offsetof(SalmView, R17) == 4 * (2463 - 1988));
static_assert(offsetof(SalmView, R18) == 4 * (2464 - 1988));
static_assert(offsetof(SalmView, R19) == 4 * (2465 - 1988));
static_assert(offsetof(SalmView, R20) == 4 * (2466 - 1988));
static_assert(offsetof(SalmView, JD1) == 4 * (2467 - 1988));
static_assert(offsetof(SalmView, JD2) == 4 * (2468 - 1988));
static_assert(offsetof(SalmView, JD3) == 4 * (2469 - 1988));
static_assert(offsetof(SalmView, LTABL) == 4 * (2470 - 1988));
static_assert(offsetof(SalmView, FRESLM) == 4 * (2471 - 1988));
static_assert(offsetof(SalmView, JD6) == 4 * (2472 - 1988));
static_assert(offsetof(SalmView, JD7) == 4 * (2473 - 1988));
static_assert(offsetof(SalmView, JD8) == 4 * (2474 - 1988));
static_assert(offsetof(SalmView, JD9) == 4 * (2475 - 1988));
static_assert(offsetof(SalmView, JD10) == 4 * (2476 - 1988));
static_assert(offsetof(SalmView, ASLMS1) == 4 * (2477 - 1988));
static_assert(offsetof(SalmView, ASLMS2) == 4 * (2497 - 1988));
static_assert(offsetof(SalmView, ASLMS3) == 4 * (2517 - 1988));
static_assert(offsetof(SalmView, ASLMS4) == 4 * (2537 - 1988));
static_assert(offsetof(SalmView, ISLMS1) == 4 * (2557 - 1988));
static_assert(offsetof(SalmView, ISLMS2) == 4 * (2577 - 1988));
static_assert(offsetof(SalmView, ISLMS3) == 4 * (2597 - 1988));
static_assert(offsetof(SalmView, ISLMS4) == 4 * (2617 - 1988));
static_assert(offsetof(SalmView, LPERCN) == 4 * (2637 - 1988));
static_assert(offsetof(SalmView, SEMFIL) == 4 * (2638 - 1988));

// Catenary view members, counted from word 78636.
static_assert(offsetof(CatenaryView7, spare_78636) == 4 * (78636 - 78636));
static_assert(offsetof(CatenaryView7, OFFL) == 4 * (78776 - 78636));
static_assert(offsetof(CatenaryView7, spare_79176) == 4 * (79176 - 78636));
static_assert(offsetof(CatenaryView8, spare_78636) == 4 * (78636 - 78636));
static_assert(offsetof(CatenaryView8, OFFL) == 4 * (78804 - 78636));
static_assert(offsetof(CatenaryView8, spare_78854) == 4 * (78854 - 78636));
static_assert(offsetof(CatenaryView8, XINIT) == 4 * (78928 - 78636));
static_assert(offsetof(CatenaryView8, YINIT) == 4 * (78929 - 78636));
static_assert(offsetof(CatenaryView8, ZINIT) == 4 * (78930 - 78636));
static_assert(offsetof(CatenaryView8, spare_78931) == 4 * (78931 - 78636));
static_assert(offsetof(CatenaryView8, ROTCTX) == 4 * (78932 - 78636));
static_assert(offsetof(CatenaryView8, ROTCTY) == 4 * (78933 - 78636));
static_assert(offsetof(CatenaryView8, ROTCTZ) == 4 * (78934 - 78636));
static_assert(offsetof(CatenaryView8, EPSDST) == 4 * (78935 - 78636));
static_assert(offsetof(CatenaryView8, spare_78936) == 4 * (78936 - 78636));
static_assert(offsetof(CatenaryView8, VRTOFF) == 4 * (79037 - 78636));
static_assert(offsetof(CatenaryView8, spare_79087) == 4 * (79087 - 78636));
static_assert(offsetof(CatenaryView8, FAPPNT) == 4 * (79334 - 78636));
static_assert(offsetof(CatenaryView8, spare_79337) == 4 * (79337 - 78636));
static_assert(offsetof(CatenaryView8, FRCOFF) == 4 * (79397 - 78636));
static_assert(offsetof(CatenaryView8, TRQOFF) == 4 * (79447 - 78636));
static_assert(offsetof(CatenaryView8, spare_79497) == 4 * (79497 - 78636));
static_assert(offsetof(CatenaryView8, RCTOFF) == 4 * (79527 - 78636));
static_assert(offsetof(CatenaryView8, spare_79577) == 4 * (79577 - 78636));

// The data image of the session; all zero when the program starts.
extern Tpcm TPCM;

// Whether the hull of a vessel type (VESTYP) is built of members: 3 semisubmersible, 5 tension leg
// platform, 6 caisson spar. The rule of SEMI_LIKE, on which the run chooses the hull model.
constexpr bool semi_like_type(Int VESTYP) { return VESTYP == 3 || VESTYP == 5 || VESTYP == 6; }

// Puts TPCM back to all zero (tests start from a fresh image).
void reset_tpcm();
// Puts both images, TPCM and LOWCOF, back to all zero.
void reset_images();

}  // namespace brevant
