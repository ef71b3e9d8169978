// The wave-frequency response results record PASCOM: per-frequency drag-transfer and motion arrays by
// wave system (read by the drift and drag loads), the motion and point statistics, a few hull
// coefficients, and the words of other configurations that are declared and never computed.
#pragma once

#include <cstddef>
#include <type_traits>

#include "sysutl/ftypes.h"

namespace brevant {

// 3,624 words; zero at program start and never reset by the motion routines (the combined statistics
// keep growing). In every (100, 3) array the first index is the grid point IW and the second the wave
// system: 1 the irregular sea, 2 the first swell, 3 the second swell. Lengths in feet or metres,
// angles in radians, frequencies in rad/s, periods in s. The reference point is the turret point for
// creating types 13 and 15, else the centre of gravity.
struct Pascom {
    Real CMSRG;                           // 1 1 + added-mass ratio in surge, sway, yaw (SEMCHR)
    Real CMSWY;                           // 2
    Real CMYAW;                           // 3
    Real ACDSG;                           // 4 effective drag areas of the piercing members, surge and sway
    Real ACDSW;                           // 5
    Real PTENDN;                          // 6 tendon terms in pitch, roll, heave (always zero)
    Real RTENDN;                          // 7
    Real HTENDN;                          // 8
    Real VTCRPS;                          // 9 heights of the pitch and roll centres of rotation above the keel
    Real VTCRRS;                          // 10
    Real MENWLX;                          // 11 waterline length measures of the piercing members, x and y
    Real MENWLY;                          // 12
    Real SRGGAM;                          // 13 damping ratios; only ROLGAM is set (ship)
    Real SWYGAM;                          // 14
    Real HEVGAM;                          // 15
    Real ROLGAM;                          // 16
    Real PITGAM;                          // 17
    Real YAWGAM;                          // 18
    Real WFSRGF;                          // 19 natural frequencies, rad/s; only WFROLF is set (ship)
    Real WFSWYF;                          // 20
    Real WFHEVF;                          // 21
    Real WFROLF;                          // 22
    Real WFPITF;                          // 23
    Real WFYAWF;                          // 24
    Real SRGSPR;                          // 25 hydrostatic springs; only ROLSPR is set (ship)
    Real SWYSPR;                          // 26
    Real HEVSPR;                          // 27
    Real ROLSPR;                          // 28
    Real PITSPR;                          // 29
    Real YAWSPR;                          // 30
    Real ROLARM;                          // 31 height of the roll centre of rotation above the keel (ship)
    Real WSGRMS;                          // 32 RMS of the six motions (surge, sway, heave at the reference point)
    Real WSWRMS;                          // 33
    Real WHVRMS;                          // 34
    Real WRLRMS;                          // 35
    Real WPTRMS;                          // 36
    Real WYWRMS;                          // 37
    Real WSGRMSDOT;                       // 38 RMS rates of the six motions
    Real WSWRMSDOT;                       // 39
    Real WHVRMSDOT;                       // 40
    Real WRLRMSDOT;                       // 41
    Real WPTRMSDOT;                       // 42
    Real WYWRMSDOT;                       // 43
    Real WXGRMS;                          // 44 RMS of the reference point along global x and y
    Real WYGRMS;                          // 45
    Real WXGRMSDOT;                       // 46 their RMS rates
    Real WYGRMSDOT;                       // 47
    Real GWSIG1;                          // 48 RMS relative vertical motion: 1 bow, 2 reference point (3, 4 never set)
    Real GWSIG2;                          // 49
    Real GWSIG3;                          // 50
    Real GWSIG4;                          // 51
    Real GWSIG1DOT;                       // 52 their RMS rates
    Real GWSIG2DOT;                       // 53
    Real GWSIG3DOT;                       // 54
    Real GWSIG4DOT;                       // 55
    Real GW1BANDW;                        // 56 their bandwidths, cycles/s
    Real GW2BANDW;                        // 57
    Real GW3BANDW;                        // 58
    Real GW4BANDW;                        // 59
    Real GW1TPEAK;                        // 60 their peak periods, s
    Real GW2TPEAK;                        // 61
    Real GW3TPEAK;                        // 62
    Real GW4TPEAK;                        // 63
    Real ACXRMS1;                         // 64 acceleration point 1 (keel level at the turret abscissa): x, y, z RMS
    Real ACYRMS1;                         // 65
    Real ACZRMS1;                         // 66
    Real ACXDOT1;                         // 67 acceleration point 1 (keel level at the turret abscissa): RMS rates
    Real ACYDOT1;                         // 68
    Real ACZDOT1;                         // 69
    Real ACX1BDW;                         // 70 acceleration point 1 (keel level at the turret abscissa): bandwidths
    Real ACY1BDW;                         // 71
    Real ACZ1BDW;                         // 72
    Real ACX1TPK;                         // 73 acceleration point 1 (keel level at the turret abscissa): peak periods
    Real ACY1TPK;                         // 74
    Real ACZ1TPK;                         // 75
    Real ACXRMS2;                         // 76 acceleration point 2 (100 length units above point 1): x, y, z RMS
    Real ACYRMS2;                         // 77
    Real ACZRMS2;                         // 78
    Real ACXDOT2;                         // 79 acceleration point 2 (100 length units above point 1): RMS rates
    Real ACYDOT2;                         // 80
    Real ACZDOT2;                         // 81
    Real ACX2BDW;                         // 82 acceleration point 2 (100 length units above point 1): bandwidths
    Real ACY2BDW;                         // 83
    Real ACZ2BDW;                         // 84
    Real ACX2TPK;                         // 85 acceleration point 2 (100 length units above point 1): peak periods
    Real ACY2TPK;                         // 86
    Real ACZ2TPK;                         // 87
    Real ACXRMS3;                         // 88 acceleration point 3 (never set): x, y, z RMS
    Real ACYRMS3;                         // 89
    Real ACZRMS3;                         // 90
    Real ACXDOT3;                         // 91 acceleration point 3 (never set): RMS rates
    Real ACYDOT3;                         // 92
    Real ACZDOT3;                         // 93
    Real ACX3BDW;                         // 94 acceleration point 3 (never set): bandwidths
    Real ACY3BDW;                         // 95
    Real ACZ3BDW;                         // 96
    Real ACX3TPK;                         // 97 acceleration point 3 (never set): peak periods
    Real ACY3TPK;                         // 98
    Real ACZ3TPK;                         // 99
    Real ACXRMS4;                         // 100 acceleration point 4 (never set): x, y, z RMS
    Real ACYRMS4;                         // 101
    Real ACZRMS4;                         // 102
    Real ACXDOT4;                         // 103 acceleration point 4 (never set): RMS rates
    Real ACYDOT4;                         // 104
    Real ACZDOT4;                         // 105
    Real ACX4BDW;                         // 106 acceleration point 4 (never set): bandwidths
    Real ACY4BDW;                         // 107
    Real ACZ4BDW;                         // 108
    Real ACX4TPK;                         // 109 acceleration point 4 (never set): peak periods
    Real ACY4TPK;                         // 110
    Real ACZ4TPK;                         // 111
    Real VXBANDW;                         // 112 bandwidths of the motions, cycles/s
    Real VYBANDW;                         // 113
    Real VZBANDW;                         // 114
    Real GXBANDW;                         // 115
    Real GYBANDW;                         // 116
    Real ROLBANDW;                        // 117
    Real PTCHBANDW;                       // 118
    Real YAWBANDW;                        // 119
    Real VXTPEAK;                         // 120 peak periods of the motions, s
    Real VYTPEAK;                         // 121
    Real VZTPEAK;                         // 122
    Real GXTPEAK;                         // 123
    Real GYTPEAK;                         // 124
    Real ROLTPEAK;                        // 125
    Real PTCHTPEAK;                       // 126
    Real YAWTPEAK;                        // 127
    Real WMOONRMS;                        // 128 moonpool relative motion: RMS, rate, bandwidth, peak period
    Real WMOONRMSDOT;                     // 129
    Real VMOONBANDW;                      // 130
    Real VMOONTPEAK;                      // 131
    Real FZMREQ0;                         // 132 declared, never used
    Real TEND_F_RZ;                       // 133
    Real NET_TNDN_FRC;                    // 134
    Real TLPVKG;                          // 135
    Real TLPWGHT;                         // 136 TLP weight; written by no routine (zero)
    Real DELTA_DRAFT;                     // 137 draft change; written by no routine (zero)
    Real DSTRECH_DX;                      // 138 written by no routine (zero)
    Real DSTRECH_DY;                      // 139
    Int QUASQUENCH;                       // 140 written by no routine (zero)
    Int DOHINGEP;                         // 141 declared, never used
    FArray<Int, 46> IPASDUM;              // 142-187 spare
    FArray<Real, 43> PASDUM;              // 188-230 spare
    Real MOORCTR_Z_VAR;                   // 231 variance of the vertical motion at the turret point
    Real BOW_Z_VAR;                       // 232 variance of the vertical motion at the bow
    Real GWSIG1_X;                        // 233 covariance of vertical motion with the wave: 1 bow, 2 reference point
    Real GWSIG2_X;                        // 234
    Real GWSIG3_X;                        // 235
    Real GWSIG4_X;                        // 236
    Real WMOON_X;                         // 237 the same covariance in the moonpool
    FArray<Real, 100, 3> RLRAO2;          // 238-537 longitudinal drag transfer, per frequency and wave system
    FArray<Real, 100, 3> RLRAOH2;         // 538-837 mean squared horizontal relative motion
    FArray<Real, 100, 3> FDRGLAT;         // 838-1137 lateral drag transfer
    FArray<Real, 100, 3> MDRGLAT;         // 1138-1437 yaw-moment drag transfer (ship hulls)
    FArray<Real, 100, 3> HRAO;            // 1438-1737 amplitude of the horizontal motion at the waterline
    FArray<Complex, 100, 3> HOR_WAV_RAO;  // 1738-2337 horizontal motion along the wave direction
    FArray<Complex, 100, 3> ANG_WAV_RAO;  // 2338-2937 rotation about the horizontal axis across the wave
    FArray<Real, 6> NETVESFRC_RMS;        // 2938-2943 declared, never used
    FArray<Real, 6> NETVESFRC_RATE;       // 2944-2949
    FArray<Real, 6> NETVESMOT_RMS;        // 2950-2955
    FArray<Real, 6> NETVESMOT_RATE;       // 2956-2961
    FArray<Real, 6> WAVVESFRC_RMS;        // 2962-2967
    FArray<Real, 6> WAVVESFRC_RATE;       // 2968-2973
    FArray<Real, 6> WAVVESMOT_RMS;        // 2974-2979
    FArray<Real, 6> WAVVESMOT_RATE;       // 2980-2985
    FArray<Real, 6> SWLVESFRC_RMS;        // 2986-2991
    FArray<Real, 6> SWLVESFRC_RATE;       // 2992-2997
    FArray<Real, 6> SWLVESMOT_RMS;        // 2998-3003
    FArray<Real, 6> SWLVESMOT_RATE;       // 3004-3009
    FArray<Real, 150> FLD_RMS;            // 3010-3159 per line RMS; declared, never used
    FArray<Real, 150> FLD_RAT;            // 3160-3309 per line rate; declared, never used
    FArray<Real, 6> VES_MOT_RMS;          // 3310-3315 declared, never used
    FArray<Real, 6> VES_RAT_RMS;          // 3316-3321 declared, never used
    FArray<Real, 150> FLD_ANG_RMS;        // 3322-3471 per line angle RMS; declared, never used
    FArray<Real, 150> FLD_ANG_RAT;        // 3472-3621 per line angle rate; declared, never used
    Real WVBANDW;                         // 3622 bandwidths of the sea, first and second swell spectra
    Real SWLBANDW;                        // 3623
    Real SWLBANDW2;                       // 3624
};

static_assert(sizeof(Pascom) == 4 * 3624);
static_assert(std::is_standard_layout_v<Pascom> && std::is_trivially_copyable_v<Pascom>);

static_assert(offsetof(Pascom, CMSRG) == 4 * (1 - 1));
static_assert(offsetof(Pascom, CMSWY) == 4 * (2 - 1));
static_assert(offsetof(Pascom, CMYAW) == 4 * (3 - 1));
static_assert(offsetof(Pascom, ACDSG) == 4 * (4 - 1));
static_assert(offsetof(Pascom, ACDSW) == 4 * (5 - 1));
static_assert(offsetof(Pascom, PTENDN) == 4 * (6 - 1));
static_assert(offsetof(Pascom, RTENDN) == 4 * (7 - 1));
static_assert(offsetof(Pascom, HTENDN) == 4 * (8 - 1));
static_assert(offsetof(Pascom, VTCRPS) == 4 * (9 - 1));
static_assert(offsetof(Pascom, VTCRRS) == 4 * (10 - 1));
static_assert(offsetof(Pascom, MENWLX) == 4 * (11 - 1));
static_assert(offsetof(Pascom, MENWLY) == 4 * (12 - 1));
static_assert(offsetof(Pascom, SRGGAM) == 4 * (13 - 1));
static_assert(offsetof(Pascom, SWYGAM) == 4 * (14 - 1));
static_assert(offsetof(Pascom, HEVGAM) == 4 * (15 - 1));
static_assert(offsetof(Pascom, ROLGAM) == 4 * (16 - 1));
static_assert(offsetof(Pascom, PITGAM) == 4 * (17 - 1));
static_assert(offsetof(Pascom, YAWGAM) == 4 * (18 - 1));
static_assert(offsetof(Pascom, WFSRGF) == 4 * (19 - 1));
static_assert(offsetof(Pascom, WFSWYF) == 4 * (20 - 1));
static_assert(offsetof(Pascom, WFHEVF) == 4 * (21 - 1));
static_assert(offsetof(Pascom, WFROLF) == 4 * (22 - 1));
static_assert(offsetof(Pascom, WFPITF) == 4 * (23 - 1));
static_assert(offsetof(Pascom, WFYAWF) == 4 * (24 - 1));
static_assert(offsetof(Pascom, SRGSPR) == 4 * (25 - 1));
static_assert(offsetof(Pascom, SWYSPR) == 4 * (26 - 1));
static_assert(offsetof(Pascom, HEVSPR) == 4 * (27 - 1));
static_assert(offsetof(Pascom, ROLSPR) == 4 * (28 - 1));
static_assert(offsetof(Pascom, PITSPR) == 4 * (29 - 1));
static_assert(offsetof(Pascom, YAWSPR) == 4 * (30 - 1));
static_assert(offsetof(Pascom, ROLARM) == 4 * (31 - 1));
static_assert(offsetof(Pascom, WSGRMS) == 4 * (32 - 1));
static_assert(offsetof(Pascom, WSWRMS) == 4 * (33 - 1));
static_assert(offsetof(Pascom, WHVRMS) == 4 * (34 - 1));
static_assert(offsetof(Pascom, WRLRMS) == 4 * (35 - 1));
static_assert(offsetof(Pascom, WPTRMS) == 4 * (36 - 1));
static_assert(offsetof(Pascom, WYWRMS) == 4 * (37 - 1));
static_assert(offsetof(Pascom, WSGRMSDOT) == 4 * (38 - 1));
static_assert(offsetof(Pascom, WSWRMSDOT) == 4 * (39 - 1));
static_assert(offsetof(Pascom, WHVRMSDOT) == 4 * (40 - 1));
static_assert(offsetof(Pascom, WRLRMSDOT) == 4 * (41 - 1));
static_assert(offsetof(Pascom, WPTRMSDOT) == 4 * (42 - 1));
static_assert(offsetof(Pascom, WYWRMSDOT) == 4 * (43 - 1));
static_assert(offsetof(Pascom, WXGRMS) == 4 * (44 - 1));
static_assert(offsetof(Pascom, WYGRMS) == 4 * (45 - 1));
static_assert(offsetof(Pascom, WXGRMSDOT) == 4 * (46 - 1));
static_assert(offsetof(Pascom, WYGRMSDOT) == 4 * (47 - 1));
static_assert(offsetof(Pascom, GWSIG1) == 4 * (48 - 1));
static_assert(offsetof(Pascom, GWSIG2) == 4 * (49 - 1));
static_assert(offsetof(Pascom, GWSIG3) == 4 * (50 - 1));
static_assert(offsetof(Pascom, GWSIG4) == 4 * (51 - 1));
static_assert(offsetof(Pascom, GWSIG1DOT) == 4 * (52 - 1));
static_assert(offsetof(Pascom, GWSIG2DOT) == 4 * (53 - 1));
static_assert(offsetof(Pascom, GWSIG3DOT) == 4 * (54 - 1));
static_assert(offsetof(Pascom, GWSIG4DOT) == 4 * (55 - 1));
static_assert(offsetof(Pascom, GW1BANDW) == 4 * (56 - 1));
static_assert(offsetof(Pascom, GW2BANDW) == 4 * (57 - 1));
static_assert(offsetof(Pascom, GW3BANDW) == 4 * (58 - 1));
static_assert(offsetof(Pascom, GW4BANDW) == 4 * (59 - 1));
static_assert(offsetof(Pascom, GW1TPEAK) == 4 * (60 - 1));
static_assert(offsetof(Pascom, GW2TPEAK) == 4 * (61 - 1));
static_assert(offsetof(Pascom, GW3TPEAK) == 4 * (62 - 1));
static_assert(offsetof(Pascom, GW4TPEAK) == 4 * (63 - 1));
static_assert(offsetof(Pascom, ACXRMS1) == 4 * (64 - 1));
static_assert(offsetof(Pascom, ACYRMS1) == 4 * (65 - 1));
static_assert(offsetof(Pascom, ACZRMS1) == 4 * (66 - 1));
static_assert(offsetof(Pascom, ACXDOT1) == 4 * (67 - 1));
static_assert(offsetof(Pascom, ACYDOT1) == 4 * (68 - 1));
static_assert(offsetof(Pascom, ACZDOT1) == 4 * (69 - 1));
static_assert(offsetof(Pascom, ACX1BDW) == 4 * (70 - 1));
static_assert(offsetof(Pascom, ACY1BDW) == 4 * (71 - 1));
static_assert(offsetof(Pascom, ACZ1BDW) == 4 * (72 - 1));
static_assert(offsetof(Pascom, ACX1TPK) == 4 * (73 - 1));
static_assert(offsetof(Pascom, ACY1TPK) == 4 * (74 - 1));
static_assert(offsetof(Pascom, ACZ1TPK) == 4 * (75 - 1));
static_assert(offsetof(Pascom, ACXRMS2) == 4 * (76 - 1));
static_assert(offsetof(Pascom, ACYRMS2) == 4 * (77 - 1));
static_assert(offsetof(Pascom, ACZRMS2) == 4 * (78 - 1));
static_assert(offsetof(Pascom, ACXDOT2) == 4 * (79 - 1));
static_assert(offsetof(Pascom, ACYDOT2) == 4 * (80 - 1));
static_assert(offsetof(Pascom, ACZDOT2) == 4 * (81 - 1));
static_assert(offsetof(Pascom, ACX2BDW) == 4 * (82 - 1));
static_assert(offsetof(Pascom, ACY2BDW) == 4 * (83 - 1));
static_assert(offsetof(Pascom, ACZ2BDW) == 4 * (84 - 1));
static_assert(offsetof(Pascom, ACX2TPK) == 4 * (85 - 1));
static_assert(offsetof(Pascom, ACY2TPK) == 4 * (86 - 1));
static_assert(offsetof(Pascom, ACZ2TPK) == 4 * (87 - 1));
static_assert(offsetof(Pascom, ACXRMS3) == 4 * (88 - 1));
static_assert(offsetof(Pascom, ACYRMS3) == 4 * (89 - 1));
static_assert(offsetof(Pascom, ACZRMS3) == 4 * (90 - 1));
static_assert(offsetof(Pascom, ACXDOT3) == 4 * (91 - 1));
static_assert(offsetof(Pascom, ACYDOT3) == 4 * (92 - 1));
static_assert(offsetof(Pascom, ACZDOT3) == 4 * (93 - 1));
static_assert(offsetof(Pascom, ACX3BDW) == 4 * (94 - 1));
static_assert(offsetof(Pascom, ACY3BDW) == 4 * (95 - 1));
static_assert(offsetof(Pascom, ACZ3BDW) == 4 * (96 - 1));
static_assert(offsetof(Pascom, ACX3TPK) == 4 * (97 - 1));
static_assert(offsetof(Pascom, ACY3TPK) == 4 * (98 - 1));
static_assert(offsetof(Pascom, ACZ3TPK) == 4 * (99 - 1));
static_assert(offsetof(Pascom, ACXRMS4) == 4 * (100 - 1));
static_assert(offsetof(Pascom, ACYRMS4) == 4 * (101 - 1));
static_assert(offsetof(Pascom, ACZRMS4) == 4 * (102 - 1));
static_assert(offsetof(Pascom, ACXDOT4) == 4 * (103 - 1));
static_assert(offsetof(Pascom, ACYDOT4) == 4 * (104 - 1));
static_assert(offsetof(Pascom, ACZDOT4) == 4 * (105 - 1));
static_assert(offsetof(Pascom, ACX4BDW) == 4 * (106 - 1));
static_assert(offsetof(Pascom, ACY4BDW) == 4 * (107 - 1));
static_assert(offsetof(Pascom, ACZ4BDW) == 4 * (108 - 1));
static_assert(offsetof(Pascom, ACX4TPK) == 4 * (109 - 1));
static_assert(offsetof(Pascom, ACY4TPK) == 4 * (110 - 1));
static_assert(offsetof(Pascom, ACZ4TPK) == 4 * (111 - 1));
static_assert(offsetof(Pascom, VXBANDW) == 4 * (112 - 1));
static_assert(offsetof(Pascom, VYBANDW) == 4 * (113 - 1));
static_assert(offsetof(Pascom, VZBANDW) == 4 * (114 - 1));
static_assert(offsetof(Pascom, GXBANDW) == 4 * (115 - 1));
static_assert(offsetof(Pascom, GYBANDW) == 4 * (116 - 1));
static_assert(offsetof(Pascom, ROLBANDW) == 4 * (117 - 1));
static_assert(offsetof(Pascom, PTCHBANDW) == 4 * (118 - 1));
static_assert(offsetof(Pascom, YAWBANDW) == 4 * (119 - 1));
static_assert(offsetof(Pascom, VXTPEAK) == 4 * (120 - 1));
static_assert(offsetof(Pascom, VYTPEAK) == 4 * (121 - 1));
static_assert(offsetof(Pascom, VZTPEAK) == 4 * (122 - 1));
static_assert(offsetof(Pascom, GXTPEAK) == 4 * (123 - 1));
static_assert(offsetof(Pascom, GYTPEAK) == 4 * (124 - 1));
static_assert(offsetof(Pascom, ROLTPEAK) == 4 * (125 - 1));
static_assert(offsetof(Pascom, PTCHTPEAK) == 4 * (126 - 1));
static_assert(offsetof(Pascom, YAWTPEAK) == 4 * (127 - 1));
static_assert(offsetof(Pascom, WMOONRMS) == 4 * (128 - 1));
static_assert(offsetof(Pascom, WMOONRMSDOT) == 4 * (129 - 1));
static_assert(offsetof(Pascom, VMOONBANDW) == 4 * (130 - 1));
static_assert(offsetof(Pascom, VMOONTPEAK) == 4 * (131 - 1));
static_assert(offsetof(Pascom, FZMREQ0) == 4 * (132 - 1));
static_assert(offsetof(Pascom, TEND_F_RZ) == 4 * (133 - 1));
static_assert(offsetof(Pascom, NET_TNDN_FRC) == 4 * (134 - 1));
static_assert(offsetof(Pascom, TLPVKG) == 4 * (135 - 1));
static_assert(offsetof(Pascom, TLPWGHT) == 4 * (136 - 1));
static_assert(offsetof(Pascom, DELTA_DRAFT) == 4 * (137 - 1));
static_assert(offsetof(Pascom, DSTRECH_DX) == 4 * (138 - 1));
static_assert(offsetof(Pascom, DSTRECH_DY) == 4 * (139 - 1));
static_assert(offsetof(Pascom, QUASQUENCH) == 4 * (140 - 1));
static_assert(offsetof(Pascom, DOHINGEP) == 4 * (141 - 1));
static_assert(offsetof(Pascom, IPASDUM) == 4 * (142 - 1));
static_assert(offsetof(Pascom, PASDUM) == 4 * (188 - 1));
static_assert(offsetof(Pascom, MOORCTR_Z_VAR) == 4 * (231 - 1));
static_assert(offsetof(Pascom, BOW_Z_VAR) == 4 * (232 - 1));
static_assert(offsetof(Pascom, GWSIG1_X) == 4 * (233 - 1));
static_assert(offsetof(Pascom, GWSIG2_X) == 4 * (234 - 1));
static_assert(offsetof(Pascom, GWSIG3_X) == 4 * (235 - 1));
static_assert(offsetof(Pascom, GWSIG4_X) == 4 * (236 - 1));
static_assert(offsetof(Pascom, WMOON_X) == 4 * (237 - 1));
static_assert(offsetof(Pascom, RLRAO2) == 4 * (238 - 1));
static_assert(offsetof(Pascom, RLRAOH2) == 4 * (538 - 1));
static_assert(offsetof(Pascom, FDRGLAT) == 4 * (838 - 1));
static_assert(offsetof(Pascom, MDRGLAT) == 4 * (1138 - 1));
static_assert(offsetof(Pascom, HRAO) == 4 * (1438 - 1));
static_assert(offsetof(Pascom, HOR_WAV_RAO) == 4 * (1738 - 1));
static_assert(offsetof(Pascom, ANG_WAV_RAO) == 4 * (2338 - 1));
static_assert(offsetof(Pascom, NETVESFRC_RMS) == 4 * (2938 - 1));
static_assert(offsetof(Pascom, NETVESFRC_RATE) == 4 * (2944 - 1));
static_assert(offsetof(Pascom, NETVESMOT_RMS) == 4 * (2950 - 1));
static_assert(offsetof(Pascom, NETVESMOT_RATE) == 4 * (2956 - 1));
static_assert(offsetof(Pascom, WAVVESFRC_RMS) == 4 * (2962 - 1));
static_assert(offsetof(Pascom, WAVVESFRC_RATE) == 4 * (2968 - 1));
static_assert(offsetof(Pascom, WAVVESMOT_RMS) == 4 * (2974 - 1));
static_assert(offsetof(Pascom, WAVVESMOT_RATE) == 4 * (2980 - 1));
static_assert(offsetof(Pascom, SWLVESFRC_RMS) == 4 * (2986 - 1));
static_assert(offsetof(Pascom, SWLVESFRC_RATE) == 4 * (2992 - 1));
static_assert(offsetof(Pascom, SWLVESMOT_RMS) == 4 * (2998 - 1));
static_assert(offsetof(Pascom, SWLVESMOT_RATE) == 4 * (3004 - 1));
static_assert(offsetof(Pascom, FLD_RMS) == 4 * (3010 - 1));
static_assert(offsetof(Pascom, FLD_RAT) == 4 * (3160 - 1));
static_assert(offsetof(Pascom, VES_MOT_RMS) == 4 * (3310 - 1));
static_assert(offsetof(Pascom, VES_RAT_RMS) == 4 * (3316 - 1));
static_assert(offsetof(Pascom, FLD_ANG_RMS) == 4 * (3322 - 1));
static_assert(offsetof(Pascom, FLD_ANG_RAT) == 4 * (3472 - 1));
static_assert(offsetof(Pascom, WVBANDW) == 4 * (3622 - 1));
static_assert(offsetof(Pascom, SWLBANDW) == 4 * (3623 - 1));
static_assert(offsetof(Pascom, SWLBANDW2) == 4 * (3624 - 1));

extern Pascom PASCOM;

// Puts PASCOM back to all zero (tests start from a fresh record).
void reset_pascom();

}  // namespace brevant
