// The vessel-motion record HIMEM: the particulars the hull models derive, the shared frequency index
// and its pool pointers, the relative-heading tables, the pool layout and the work pool itself, every
// member at its word. Also INDXUP and LOCAT0, which turn indices into pool locations, and the pool
// layout that motion phase 1 sets on every run.
#pragma once

#include <bit>
#include <cassert>
#include <cstddef>
#include <span>
#include <type_traits>

#include "records/data_image.h"
#include "sysutl/ftypes.h"

namespace brevant {

// Reals in the pool (RLDUM), and complex values in it (CXDUM): complex element k is reals 2k-1 and 2k.
inline constexpr Int kPoolReals = 848301;
inline constexpr Int kPoolComplex = 424151;
// Words of the whole record, LASTHI being the last.
inline constexpr Int kHimemWords = 868245;

// 868,245 words; zero at program start (nothing is set from constants at load). Masses and inertias
// of the hull models are volumes (weight over water weight density) and volumes times lengths squared.
struct Himem {
    Real HMAS0;                     // 1 heave added mass at zero frequency, as a volume (word also read as IHI)
    Real PMAS0;                     // 2 pitch and roll added inertia at zero frequency
    Real RMAS0;                     // 3
    Real WHL;                       // 4 heave, pitch, roll frequency of the added mass alone, rad/s
    Real WPL;                       // 5
    Real WRL;                       // 6
    Real BLRAT;                     // 7 hull proportions (beam/length, draft ratios)
    Real BLRAT2;                    // 8
    Real DBRAT;                     // 9
    Real DLRAT;                     // 10
    Real EVKG;                      // 11 effective height of the centre of gravity above the keel
    Real WPML;                      // 12 longitudinal and transverse water-plane moments
    Real WPMT;                      // 13
    Real BEAM;                      // 14 beam, half beam, length, half length
    Real BEAM2;                     // 15
    Real SHIPL;                     // 16
    Real SHIPL2;                    // 17
    Real WCONST;                    // 18 sqrt(DEPTH / G), s (motion phase 1)
    Real VTCRR;                     // 19 heights of the roll and pitch centres of rotation above the keel
    Real VTCRP;                     // 20
    Real RMAS1;                     // 21 roll added inertia at the roll resonance
    Real GAMROL;                    // 22 roll damping (force routines)
    Real EDRAFT;                    // 23 effective draft; scaled draft
    Real SDRAFT;                    // 24
    Real XSCALE;                    // 25 length scales of the nondimensional wave numbers
    Real YSCALE;                    // 26
    Real GML;                       // 27 longitudinal and transverse metacentric heights
    Real GMT;                       // 28
    Real DELTA;                     // 29 displaced volume, DISPL x 1000 / DWATR
    Real SDEPTH;                    // 30 depth term of the force routines
    Real PRMT;                      // 31 pitch and roll restoring moments per radian
    Real RRMT;                      // 32
    Real TCRP;                      // 33 declared, not used
    Real TCRR;                      // 34
    Real ARM;                       // 35
    Real HC;                        // 36 heave restoring force per unit heave, G x AWP
    Real PTCH1;                     // 37 pitch and roll body inertias, heave body mass
    Real ROL1;                      // 38
    Real HVM1;                      // 39
    Real WLCRP;                     // 40 centres of rotation above the water line (WLCRR, SWLCRR not used)
    Real WLCRR;                     // 41
    Real SWLCRP;                    // 42
    Real SWLCRR;                    // 43
    Real R;                         // 44 radius of the equivalent cylinder (also named RADIUS)
    Real WP;                        // 45 pitch, roll and heave natural frequencies, rad/s
    Real WR;                        // 46
    Real WH;                        // 47
    Real TQCNST;                    // 48 moment scale; roll damping scale constant
    Real RCONST;                    // 49
    Int JP;                         // 50 grid indices of the pitch, roll and heave natural periods
    Int JR;                         // 51
    Int JH;                         // 52
    Real PTCHI;                     // 53 total pitch, roll and yaw inertia
    Real ROLI;                      // 54
    Real YAWI;                      // 55
    Real HVMAS;                     // 56 total heave, surge and sway mass
    Real SGMAS;                     // 57
    Real SWMAS;                     // 58
    Real SH;                        // 59 declared, not used
    Real EPS;                       // 60 working tolerance (1.0e-5 once motion phase 1 has set up)
    Real HCONST;                    // 61 heave and pitch damping scale constants
    Real PCONST;                    // 62
    Real CSW;                       // 63 sway and surge added-mass coefficients, fractions of DELTA
    Real CSG;                       // 64
    Real HMASHI;                    // 65 heave, pitch, roll added mass or inertia at infinite frequency
    Real PMASHI;                    // 66
    Real RMASHI;                    // 67
    Real HMSRAT;                    // 68 ratio of infinite- to zero-frequency added mass or inertia
    Real PMSRAT;                    // 69
    Real RMSRAT;                    // 70
    Real CYW;                       // 71 yaw added-inertia coefficient
    Real XCRYW;                     // 72 x of the yaw and pitch centres of rotation
    Real XCRPT;                     // 73
    FArray<Real, 3, 3> ROTVES;      // 74-82 rotation of the vessel axes (motion phase 2)
    Real WSG;                       // 83 surge, sway and yaw natural frequencies, rad/s
    Real WSW;                       // 84
    Real WY;                        // 85
    Int JSG;                        // 86 grid indices of the surge, sway and yaw natural periods
    Int JSW;                        // 87
    Int JY;                         // 88
    Real GAMPIT;                    // 89 pitch damping (force routines)
    Real PMAS1;                     // 90 pitch added inertia of the last pass
    Real GAMSRG;                    // 91 surge, sway, heave, yaw damping (force routines)
    Real GAMSWY;                    // 92
    Real GAMHEV;                    // 93
    Real GAMYAW;                    // 94
    Real SKAMHV;                    // 95 added mass or inertia of a keel skirt (SKAMPT not used)
    Real SKAMPT;                    // 96
    Real SKAMRL;                    // 97
    Real SKDPHV;                    // 98 declared, not used
    Real SKDPPT;                    // 99
    Real SKDPRL;                    // 100
    Complex CHVRAX;                 // 101-102 heave, pitch, roll, surge, sway, yaw responses of the resonance pass
    Complex CPTRAX;                 // 103-104
    Complex CRLRAX;                 // 105-106
    Complex CSGRAX;                 // 107-108
    Complex CSWRAX;                 // 109-110
    Complex CYWRAX;                 // 111-112
    Real GAMRLI;                    // 113 roll damping of the ship model, twice the fraction of critical
    Real RMASRT;                    // 114 roll added-inertia ratio of the resonance pass
    Real RSLOPE;                    // 115 design wave slope, radians (waves given by slope)
    Real TQFAC;                     // 116 roll damping heading and bilge factors
    Real BLGFAC;                    // 117
    Real EDISPL;                    // 118 effective displacement, as DISPL
    Real EVKB;                      // 119 effective KB, KML, KMT
    Real EVKML;                     // 120
    Real EVKMT;                     // 121
    FArray<Real, 43> BIGDUM;        // 122-164 spare
    Int IW;                         // 165 current frequency index 1 .. NWP, shared by every frequency loop
    Int IWM;                        // 166 IW - 1 (INDXUP)
    Int LW;                         // 167 real pool locations of W, W^2 and k at IW (INDXUP)
    Int LW2;                        // 168
    Int LWK;                        // 169
    Int LHV;                        // 170 complex pool locations of the six RAOs at IW (INDXUP)
    Int LSG;                        // 171
    Int LSW;                        // 172
    Int LPT;                        // 173
    Int LRL;                        // 174
    Int LYA;                        // 175
    FArray<Int, 37> IRAN;           // 176-212 RAOANG index of each long-crested sea heading
    FArray<Int, 37> ISWL;           // 213-249 RAOANG index of the swell locked to each sea heading
    FArray<Int, 37> ISWL2;          // 250-286 RAOANG index of the second swell locked to each sea heading
    FArray<Int, 500, 37> INTGFL;    // 287-18786 RAOANG index of spread angle I of sea heading IH
    FArray<Logical, 500> LRAO;      // 18787-19286 true: a regular, swell or long-crested sea heading
    FArray<Real, 500> RAOANG;       // 19287-19786 relative wave headings, degrees in [0, 360) (also named REDANG)
    FArray<Real, 100> PSD;          // 19787-19886 response-spectrum work array of the statistics
    Int IHT;                        // 19887 current height index and heading index
    Int IHD;                        // 19888
    Int NHTNHD;                     // 19889 MAXHT x MAXHDG
    Int NARRAY;                     // 19890 frequencies per array
    Int MAXHT;                      // 19891 wave heights, headings, degrees of freedom of the result blocks
    Int MAXHDG;                     // 19892
    Int NDOF;                       // 19893
    Int MAXDIF;                     // 19894 reals of one complex block, 2 x NDOF x NHTNHD
    Int NXTFRE;                     // 19895 first free real location of the pool
    Int NBASE;                      // 19896 reals taken by the six RAO arrays
    Int LCNSG;                      // 19897 complex locations of the six RAO arrays
    Int LCNSWY;                     // 19898
    Int LCNHV;                      // 19899
    Int LCNROL;                     // 19900
    Int LCNPIT;                     // 19901
    Int LCNYAW;                     // 19902
    Int LCNW;                       // 19903 real locations: W, k, W^2, spectra
    Int LCNWK;                      // 19904
    Int LCNW2;                      // 19905
    Int LCNPSD;                     // 19906
    Int LCNSIG;                     // 19907 real locations of the moment pairs and spectrum words
    Int LCNSIG2;                    // 19908
    Int LCNSWL;                     // 19909
    Int LCNSWL2;                    // 19910
    Int LCNWV;                      // 19911
    Int LCNFTQ;                     // 19912 real locations of the result blocks
    Int LCNMOT;                     // 19913
    Int LCNACC;                     // 19914
    Int LCNVEL;                     // 19915
    Int LCNDSP;                     // 19916
    Int LCNHNG;                     // 19917
    Int LACRAO;                     // 19918
    Int LOCSIG;                     // 19919 working words of the report and statistics
    Int LBASEX;                     // 19920
    Int NCOL;                       // 19921
    Int LSKIP;                      // 19922
    Real HIDUM;                     // 19923 spare
    Int NPASS;                      // 19924 pass counter of the force routines
    Int IREP;                       // 19925 working words of the report, statistics and force routines
    Int III;                        // 19926
    Int IXFLAG;                     // 19927
    Int NCURV;                      // 19928
    Int LFRFLG;                     // 19929
    Int MAX_HT_TOT;                 // 19930 8, 39 and their product (the layout sets them)
    Int MAX_HDG_TOT;                // 19931
    Int NHTNHD_TOT;                 // 19932
    FArray<Int, 3> IDCLMN;          // 19933-19935 working words of the report
    FArray<Real, 6> SCALE;          // 19936-19941 working scale factors
    Int IUNX;                       // 19942 working unit number of the report
    Int IDUMQ9;                     // 19943 spare
    FArray<Complex, 424151> CXDUM;  // 19944-868245 the work pool (also RLDUM, SEARAO ...; its last word is LASTHI)

    // IHI (word 1): HMAS0's word read as an integer.
    Int IHI() const { return std::bit_cast<Int>(HMAS0); }
    void set_IHI(Int v) { HMAS0 = std::bit_cast<Real>(v); }
    // RADIUS (word 44): the same word as R.
    Real& RADIUS() { return R; }
    const Real& RADIUS() const { return R; }
    // REDANG (words 19287-19786): the same words as RAOANG.
    FArray<Real, 500>& REDANG() { return RAOANG; }
    const FArray<Real, 500>& REDANG() const { return RAOANG; }

    // RLDUM(k), k = 1 .. 848301: the pool as reals, through the real-part-then-imaginary-part layout
    // that std::complex<float> guarantees for its arrays.
    Real& RLDUM(int k) {
        assert(k >= 1 && k <= kPoolReals);
        return reinterpret_cast<Real*>(CXDUM.data())[k - 1];
    }
    const Real& RLDUM(int k) const {
        assert(k >= 1 && k <= kPoolReals);
        return reinterpret_cast<const Real*>(CXDUM.data())[k - 1];
    }

    // The six RAO arrays over the first 600 complex elements of the pool: SEARAO(IW, IDOF) with the
    // degrees of freedom surge, sway, heave, roll, pitch, yaw; one array of 100 each by name.
    Complex& SEARAO(int i, int j) {
        assert(i >= 1 && i <= 100 && j >= 1 && j <= 6);
        return CXDUM(i + 100 * (j - 1));
    }
    const Complex& SEARAO(int i, int j) const {
        assert(i >= 1 && i <= 100 && j >= 1 && j <= 6);
        return CXDUM(i + 100 * (j - 1));
    }
    std::span<Complex, 600> SEARAO() { return std::span<Complex, 600>(CXDUM.data(), 600); }
    std::span<const Complex, 600> SEARAO() const { return std::span<const Complex, 600>(CXDUM.data(), 600); }
    Complex& SGRAO(int i) { return SEARAO(i, 1); }
    Complex& SWRAO(int i) { return SEARAO(i, 2); }
    Complex& HVRAO(int i) { return SEARAO(i, 3); }
    Complex& RLRAO(int i) { return SEARAO(i, 4); }
    Complex& PTRAO(int i) { return SEARAO(i, 5); }
    Complex& YWRAO(int i) { return SEARAO(i, 6); }
    const Complex& SGRAO(int i) const { return SEARAO(i, 1); }
    const Complex& SWRAO(int i) const { return SEARAO(i, 2); }
    const Complex& HVRAO(int i) const { return SEARAO(i, 3); }
    const Complex& RLRAO(int i) const { return SEARAO(i, 4); }
    const Complex& PTRAO(int i) const { return SEARAO(i, 5); }
    const Complex& YWRAO(int i) const { return SEARAO(i, 6); }

    // LASTHI (the last word): the end marker, which the imaginary part of CXDUM(424151) overlaps.
    Int LASTHI() const { return image_word(*this, kHimemWords); }
    void set_LASTHI(Int v) { set_image_word(*this, kHimemWords, v); }
};

static_assert(sizeof(Himem) == 4 * static_cast<std::size_t>(kHimemWords));
static_assert(std::is_standard_layout_v<Himem> && std::is_trivially_copyable_v<Himem>);
static_assert(sizeof(Complex) == 2 * sizeof(Real) && alignof(Complex) == alignof(Real));

static_assert(offsetof(Himem, HMAS0) == 4 * (1 - 1));
static_assert(offsetof(Himem, PMAS0) == 4 * (2 - 1));
static_assert(offsetof(Himem, RMAS0) == 4 * (3 - 1));
static_assert(offsetof(Himem, WHL) == 4 * (4 - 1));
static_assert(offsetof(Himem, WPL) == 4 * (5 - 1));
static_assert(offsetof(Himem, WRL) == 4 * (6 - 1));
static_assert(offsetof(Himem, BLRAT) == 4 * (7 - 1));
static_assert(offsetof(Himem, BLRAT2) == 4 * (8 - 1));
static_assert(offsetof(Himem, DBRAT) == 4 * (9 - 1));
static_assert(offsetof(Himem, DLRAT) == 4 * (10 - 1));
static_assert(offsetof(Himem, EVKG) == 4 * (11 - 1));
static_assert(offsetof(Himem, WPML) == 4 * (12 - 1));
static_assert(offsetof(Himem, WPMT) == 4 * (13 - 1));
static_assert(offsetof(Himem, BEAM) == 4 * (14 - 1));
static_assert(offsetof(Himem, BEAM2) == 4 * (15 - 1));
static_assert(offsetof(Himem, SHIPL) == 4 * (16 - 1));
static_assert(offsetof(Himem, SHIPL2) == 4 * (17 - 1));
static_assert(offsetof(Himem, WCONST) == 4 * (18 - 1));
static_assert(offsetof(Himem, VTCRR) == 4 * (19 - 1));
static_assert(offsetof(Himem, VTCRP) == 4 * (20 - 1));
static_assert(offsetof(Himem, RMAS1) == 4 * (21 - 1));
static_assert(offsetof(Himem, GAMROL) == 4 * (22 - 1));
static_assert(offsetof(Himem, EDRAFT) == 4 * (23 - 1));
static_assert(offsetof(Himem, SDRAFT) == 4 * (24 - 1));
static_assert(offsetof(Himem, XSCALE) == 4 * (25 - 1));
static_assert(offsetof(Himem, YSCALE) == 4 * (26 - 1));
static_assert(offsetof(Himem, GML) == 4 * (27 - 1));
static_assert(offsetof(Himem, GMT) == 4 * (28 - 1));
static_assert(offsetof(Himem, DELTA) == 4 * (29 - 1));
static_assert(offsetof(Himem, SDEPTH) == 4 * (30 - 1));
static_assert(offsetof(Himem, PRMT) == 4 * (31 - 1));
static_assert(offsetof(Himem, RRMT) == 4 * (32 - 1));
static_assert(offsetof(Himem, TCRP) == 4 * (33 - 1));
static_assert(offsetof(Himem, TCRR) == 4 * (34 - 1));
static_assert(offsetof(Himem, ARM) == 4 * (35 - 1));
static_assert(offsetof(Himem, HC) == 4 * (36 - 1));
static_assert(offsetof(Himem, PTCH1) == 4 * (37 - 1));
static_assert(offsetof(Himem, ROL1) == 4 * (38 - 1));
static_assert(offsetof(Himem, HVM1) == 4 * (39 - 1));
static_assert(offsetof(Himem, WLCRP) == 4 * (40 - 1));
static_assert(offsetof(Himem, WLCRR) == 4 * (41 - 1));
static_assert(offsetof(Himem, SWLCRP) == 4 * (42 - 1));
static_assert(offsetof(Himem, SWLCRR) == 4 * (43 - 1));
static_assert(offsetof(Himem, R) == 4 * (44 - 1));
static_assert(offsetof(Himem, WP) == 4 * (45 - 1));
static_assert(offsetof(Himem, WR) == 4 * (46 - 1));
static_assert(offsetof(Himem, WH) == 4 * (47 - 1));
static_assert(offsetof(Himem, TQCNST) == 4 * (48 - 1));
static_assert(offsetof(Himem, RCONST) == 4 * (49 - 1));
static_assert(offsetof(Himem, JP) == 4 * (50 - 1));
static_assert(offsetof(Himem, JR) == 4 * (51 - 1));
static_assert(offsetof(Himem, JH) == 4 * (52 - 1));
static_assert(offsetof(Himem, PTCHI) == 4 * (53 - 1));
static_assert(offsetof(Himem, ROLI) == 4 * (54 - 1));
static_assert(offsetof(Himem, YAWI) == 4 * (55 - 1));
static_assert(offsetof(Himem, HVMAS) == 4 * (56 - 1));
static_assert(offsetof(Himem, SGMAS) == 4 * (57 - 1));
static_assert(offsetof(Himem, SWMAS) == 4 * (58 - 1));
static_assert(offsetof(Himem, SH) == 4 * (59 - 1));
static_assert(offsetof(Himem, EPS) == 4 * (60 - 1));
static_assert(offsetof(Himem, HCONST) == 4 * (61 - 1));
static_assert(offsetof(Himem, PCONST) == 4 * (62 - 1));
static_assert(offsetof(Himem, CSW) == 4 * (63 - 1));
static_assert(offsetof(Himem, CSG) == 4 * (64 - 1));
static_assert(offsetof(Himem, HMASHI) == 4 * (65 - 1));
static_assert(offsetof(Himem, PMASHI) == 4 * (66 - 1));
static_assert(offsetof(Himem, RMASHI) == 4 * (67 - 1));
static_assert(offsetof(Himem, HMSRAT) == 4 * (68 - 1));
static_assert(offsetof(Himem, PMSRAT) == 4 * (69 - 1));
static_assert(offsetof(Himem, RMSRAT) == 4 * (70 - 1));
static_assert(offsetof(Himem, CYW) == 4 * (71 - 1));
static_assert(offsetof(Himem, XCRYW) == 4 * (72 - 1));
static_assert(offsetof(Himem, XCRPT) == 4 * (73 - 1));
static_assert(offsetof(Himem, ROTVES) == 4 * (74 - 1));
static_assert(offsetof(Himem, WSG) == 4 * (83 - 1));
static_assert(offsetof(Himem, WSW) == 4 * (84 - 1));
static_assert(offsetof(Himem, WY) == 4 * (85 - 1));
static_assert(offsetof(Himem, JSG) == 4 * (86 - 1));
static_assert(offsetof(Himem, JSW) == 4 * (87 - 1));
static_assert(offsetof(Himem, JY) == 4 * (88 - 1));
static_assert(offsetof(Himem, GAMPIT) == 4 * (89 - 1));
static_assert(offsetof(Himem, PMAS1) == 4 * (90 - 1));
static_assert(offsetof(Himem, GAMSRG) == 4 * (91 - 1));
static_assert(offsetof(Himem, GAMSWY) == 4 * (92 - 1));
static_assert(offsetof(Himem, GAMHEV) == 4 * (93 - 1));
static_assert(offsetof(Himem, GAMYAW) == 4 * (94 - 1));
static_assert(offsetof(Himem, SKAMHV) == 4 * (95 - 1));
static_assert(offsetof(Himem, SKAMPT) == 4 * (96 - 1));
static_assert(offsetof(Himem, SKAMRL) == 4 * (97 - 1));
static_assert(offsetof(Himem, SKDPHV) == 4 * (98 - 1));
static_assert(offsetof(Himem, SKDPPT) == 4 * (99 - 1));
static_assert(offsetof(Himem, SKDPRL) == 4 * (100 - 1));
static_assert(offsetof(Himem, CHVRAX) == 4 * (101 - 1));
static_assert(offsetof(Himem, CPTRAX) == 4 * (103 - 1));
static_assert(offsetof(Himem, CRLRAX) == 4 * (105 - 1));
static_assert(offsetof(Himem, CSGRAX) == 4 * (107 - 1));
static_assert(offsetof(Himem, CSWRAX) == 4 * (109 - 1));
static_assert(offsetof(Himem, CYWRAX) == 4 * (111 - 1));
static_assert(offsetof(Himem, GAMRLI) == 4 * (113 - 1));
static_assert(offsetof(Himem, RMASRT) == 4 * (114 - 1));
static_assert(offsetof(Himem, RSLOPE) == 4 * (115 - 1));
static_assert(offsetof(Himem, TQFAC) == 4 * (116 - 1));
static_assert(offsetof(Himem, BLGFAC) == 4 * (117 - 1));
static_assert(offsetof(Himem, EDISPL) == 4 * (118 - 1));
static_assert(offsetof(Himem, EVKB) == 4 * (119 - 1));
static_assert(offsetof(Himem, EVKML) == 4 * (120 - 1));
static_assert(offsetof(Himem, EVKMT) == 4 * (121 - 1));
static_assert(offsetof(Himem, BIGDUM) == 4 * (122 - 1));
static_assert(offsetof(Himem, IW) == 4 * (165 - 1));
static_assert(offsetof(Himem, IWM) == 4 * (166 - 1));
static_assert(offsetof(Himem, LW) == 4 * (167 - 1));
static_assert(offsetof(Himem, LW2) == 4 * (168 - 1));
static_assert(offsetof(Himem, LWK) == 4 * (169 - 1));
static_assert(offsetof(Himem, LHV) == 4 * (170 - 1));
static_assert(offsetof(Himem, LSG) == 4 * (171 - 1));
static_assert(offsetof(Himem, LSW) == 4 * (172 - 1));
static_assert(offsetof(Himem, LPT) == 4 * (173 - 1));
static_assert(offsetof(Himem, LRL) == 4 * (174 - 1));
static_assert(offsetof(Himem, LYA) == 4 * (175 - 1));
static_assert(offsetof(Himem, IRAN) == 4 * (176 - 1));
static_assert(offsetof(Himem, ISWL) == 4 * (213 - 1));
static_assert(offsetof(Himem, ISWL2) == 4 * (250 - 1));
static_assert(offsetof(Himem, INTGFL) == 4 * (287 - 1));
static_assert(offsetof(Himem, LRAO) == 4 * (18787 - 1));
static_assert(offsetof(Himem, RAOANG) == 4 * (19287 - 1));
static_assert(offsetof(Himem, PSD) == 4 * (19787 - 1));
static_assert(offsetof(Himem, IHT) == 4 * (19887 - 1));
static_assert(offsetof(Himem, IHD) == 4 * (19888 - 1));
static_assert(offsetof(Himem, NHTNHD) == 4 * (19889 - 1));
static_assert(offsetof(Himem, NARRAY) == 4 * (19890 - 1));
static_assert(offsetof(Himem, MAXHT) == 4 * (19891 - 1));
static_assert(offsetof(Himem, MAXHDG) == 4 * (19892 - 1));
static_assert(offsetof(Himem, NDOF) == 4 * (19893 - 1));
static_assert(offsetof(Himem, MAXDIF) == 4 * (19894 - 1));
static_assert(offsetof(Himem, NXTFRE) == 4 * (19895 - 1));
static_assert(offsetof(Himem, NBASE) == 4 * (19896 - 1));
static_assert(offsetof(Himem, LCNSG) == 4 * (19897 - 1));
static_assert(offsetof(Himem, LCNSWY) == 4 * (19898 - 1));
static_assert(offsetof(Himem, LCNHV) == 4 * (19899 - 1));
static_assert(offsetof(Himem, LCNROL) == 4 * (19900 - 1));
static_assert(offsetof(Himem, LCNPIT) == 4 * (19901 - 1));
static_assert(offsetof(Himem, LCNYAW) == 4 * (19902 - 1));
static_assert(offsetof(Himem, LCNW) == 4 * (19903 - 1));
static_assert(offsetof(Himem, LCNWK) == 4 * (19904 - 1));
static_assert(offsetof(Himem, LCNW2) == 4 * (19905 - 1));
static_assert(offsetof(Himem, LCNPSD) == 4 * (19906 - 1));
static_assert(offsetof(Himem, LCNSIG) == 4 * (19907 - 1));
static_assert(offsetof(Himem, LCNSIG2) == 4 * (19908 - 1));
static_assert(offsetof(Himem, LCNSWL) == 4 * (19909 - 1));
static_assert(offsetof(Himem, LCNSWL2) == 4 * (19910 - 1));
static_assert(offsetof(Himem, LCNWV) == 4 * (19911 - 1));
static_assert(offsetof(Himem, LCNFTQ) == 4 * (19912 - 1));
static_assert(offsetof(Himem, LCNMOT) == 4 * (19913 - 1));
static_assert(offsetof(Himem, LCNACC) == 4 * (19914 - 1));
static_assert(offsetof(Himem, LCNVEL) == 4 * (19915 - 1));
static_assert(offsetof(Himem, LCNDSP) == 4 * (19916 - 1));
static_assert(offsetof(Himem, LCNHNG) == 4 * (19917 - 1));
static_assert(offsetof(Himem, LACRAO) == 4 * (19918 - 1));
static_assert(offsetof(Himem, LOCSIG) == 4 * (19919 - 1));
static_assert(offsetof(Himem, LBASEX) == 4 * (19920 - 1));
static_assert(offsetof(Himem, NCOL) == 4 * (19921 - 1));
static_assert(offsetof(Himem, LSKIP) == 4 * (19922 - 1));
static_assert(offsetof(Himem, HIDUM) == 4 * (19923 - 1));
static_assert(offsetof(Himem, NPASS) == 4 * (19924 - 1));
static_assert(offsetof(Himem, IREP) == 4 * (19925 - 1));
static_assert(offsetof(Himem, III) == 4 * (19926 - 1));
static_assert(offsetof(Himem, IXFLAG) == 4 * (19927 - 1));
static_assert(offsetof(Himem, NCURV) == 4 * (19928 - 1));
static_assert(offsetof(Himem, LFRFLG) == 4 * (19929 - 1));
static_assert(offsetof(Himem, MAX_HT_TOT) == 4 * (19930 - 1));
static_assert(offsetof(Himem, MAX_HDG_TOT) == 4 * (19931 - 1));
static_assert(offsetof(Himem, NHTNHD_TOT) == 4 * (19932 - 1));
static_assert(offsetof(Himem, IDCLMN) == 4 * (19933 - 1));
static_assert(offsetof(Himem, SCALE) == 4 * (19936 - 1));
static_assert(offsetof(Himem, IUNX) == 4 * (19942 - 1));
static_assert(offsetof(Himem, IDUMQ9) == 4 * (19943 - 1));
static_assert(offsetof(Himem, CXDUM) == 4 * (19944 - 1));

extern Himem HIMEM;

// Puts HIMEM back to all zero (tests start from a fresh record).
void reset_himem();

// The pool layout: the dimensions and the LCN... locations that motion phase 1 sets on every run.
// The six RAO arrays are complex locations, every other location a real index into RLDUM:
// NARRAY 100, MAXHT 6, MAXHDG 37, NDOF 6, NHTNHD 222, MAXDIF 2664, MAX_HT_TOT 8, MAX_HDG_TOT 39,
// NHTNHD_TOT 312; RAOs at complex 1, 101, ..., 501; NBASE 1200; then W, k and W^2 (100 reals each)
// from 1201, the spectra (800) from 1501, two blocks of MAXDIF reals from 2301 (LCNFTQ, LCNMOT), four
// blocks of 149 x NDOF x NHTNHD = 198,468 reals from 7629 in the order LCNACC, LCNVEL, LCNHNG, LCNDSP,
// the moment pairs and spectrum words from 801501, the 800 reals at LACRAO 801533, free from 802333.
void lay_out_himem_pool();

// From the current frequency index IW: IWM = IW - 1, the real locations LW, LW2, LWK of the frequency,
// its square and the wave number, and the complex locations LSG, LSW, LHV, LRL, LPT, LYA of the six
// RAOs. Needs the pool layout; callers set IW and call it before they touch the pool.
void INDXUP();

// The real location of the real part of complex element (height IHT, heading IHD, degree of freedom
// IDOF) of a block at real location LOCN0, height fastest, then heading, then degree of freedom:
// LOCN0 + 2 ((IHT - 1) + (IHD - 1) MAXHT + (IDOF - 1) NHTNHD). No bounds are checked.
Int LOCAT0(Int NHTNHD, Int MAXHT, Int IHD, Int IHT, Int IDOF, Int LOCN0);

}  // namespace brevant
