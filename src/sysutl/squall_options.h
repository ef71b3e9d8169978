// The run options shared with the chained squall (time-domain) program: the `SQUALCOM` record and
// the options file "VESTRDAT" that carries it, the duration, the report events and the line picks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "sysutl/ftypes.h"

namespace brevant {

// The flags of `SQUALCOM` in word order (X(name, index)); the spares LLf..LLz close the list.
#define BREVANT_SQUALL_FLAGS(X)                                                                                   \
    X(aaLogical, 1) X(allDampingOff, 2) X(allSeedsEqual, 3) X(applyCFPtoLineDamp, 4) X(cQuadLinesMap, 5)          \
    X(eddyIncludesBackgroundCrnt, 6) X(emulationFlag, 7) X(existEddy, 8) X(existSquall, 9)                       \
    X(fasterButLessPrecise, 10) X(forceWDFpositive, 11) X(importWfLineDamp, 12) X(lfWaveVariability, 13)          \
    X(massVariability, 14) X(overRideEddyHeading, 15) X(overRideFullDuration, 16) X(overRideLinePicks, 17)        \
    X(overRideSquallHeading, 18) X(repeatableSequences, 19) X(stillWaterLinearDmpg, 20)                           \
    X(squallIncludesBackgroundWnd, 21) X(tdHullHydroDamping, 22) X(tdLinesHydroDamping, 23)                      \
    X(tdSwayYawDamping, 24) X(virtualLineMassOn, 25) X(waveSeedsEqual, 26) X(showProgress, 27)                    \
    X(saveWFLineStats, 28) X(mmaSupport, 29) X(batchRun, 30) X(lspin, 31) X(maneuvering, 32) X(LLf, 33)          \
    X(LLg, 34) X(LLh, 35) X(LLi, 36) X(LLj, 37) X(LLk, 38) X(LLl, 39) X(LLm, 40) X(LLn, 41) X(LLo, 42) X(LLp, 43) \
    X(LLq, 44) X(LLr, 45) X(LLs, 46) X(LLt, 47) X(LLu, 48) X(LLv, 49) X(LLw, 50) X(LLx, 51) X(LLy, 52) X(LLz, 53)

// The integers of `SQUALCOM` in word order; the spares IIc..IIz close the list.
#define BREVANT_SQUALL_INTEGERS(X)                                                                              \
    X(aaInteger, 1) X(nFldReports, 2) X(addDampIndex, 3) X(interpOrder, 4) X(initialCondition, 5) X(DEBUG, 6) \
    X(batchDataSupress, 7) X(squalProfiles, 8) X(IIc, 9) X(IId, 10) X(IIe, 11) X(IIf, 12) X(IIg, 13)          \
    X(IIh, 14) X(IIi, 15) X(IIj, 16) X(IIk, 17) X(IIl, 18) X(IIm, 19) X(IIn, 20) X(IIo, 21) X(IIp, 22)         \
    X(IIq, 23) X(IIr, 24) X(IIs, 25) X(IIt, 26) X(IIu, 27) X(IIv, 28) X(IIw, 29) X(IIx, 30) X(IIy, 31)         \
    X(IIz, 32)

// The reals of `SQUALCOM` in word order; the spares RRc..RRz close the list.
#define BREVANT_SQUALL_REALS(X)                                                                                 \
    X(aaReal, 1) X(initX, 2) X(initY, 3) X(initZ, 4) X(initVx, 5) X(initVy, 6) X(initVz, 7) X(cfpReduction, 8) \
    X(crntForceMultiplierx, 9) X(crntForceMultipliery, 10) X(crntForceMultiplierz, 11) X(deltaT, 12)           \
    X(eddyHeading, 13) X(fullDuration, 14) X(kSwaySofec, 15) X(kYawSofec, 16) X(lineDragFac, 17)               \
    X(surgeAMfac, 18) X(swayAMfac, 19) X(swayCdEnhancement, 20) X(squallHeading, 21)                           \
    X(windForceMultiplierx, 22) X(windForceMultipliery, 23) X(windForceMultiplierz, 24) X(yawAMfac, 25)        \
    X(yawCdEnhancement, 26) X(relSolvTolFac, 27) X(absSolvTolFac, 28) X(RRc, 29) X(RRd, 30) X(RRe, 31)         \
    X(RRf, 32) X(RRg, 33) X(RRh, 34) X(RRi, 35) X(RRj, 36) X(RRk, 37) X(RRl, 38) X(RRm, 39) X(RRn, 40)         \
    X(RRo, 41) X(RRp, 42) X(RRq, 43) X(RRr, 44) X(RRs, 45) X(RRt, 46) X(RRu, 47) X(RRv, 48) X(RRw, 49)         \
    X(RRx, 50) X(RRy, 51) X(RRz, 52)

inline constexpr Int kSquallFlagCount = 53;
inline constexpr Int kSquallIntCount = 32;
inline constexpr Int kSquallRealCount = 52;
inline constexpr Int kSquallNameLength = 30;

// The largest number of report events (and line picks) the file may carry: one per mooring line
// of the data image's event table.
inline constexpr Int kMaxFldReports = 150;
using FldReportList = FArray<Int, kMaxFldReports>;

// The unit the options file is written and read on.
inline constexpr Int kSquallOptionsUnit = 1233;

// `SQUALCOM`: values, defaults (suffix _D) and 30-character names (suffix _C) of every option.
struct Squalcom {
    FArray<Logical, kSquallFlagCount> FlagArray;                     // words 1-53
    FArray<Int, kSquallIntCount> IntVarArray;                        // words 54-85
    FArray<Real, kSquallRealCount> RealVarArray;                     // words 86-137
    FArray<Logical, kSquallFlagCount> DefaultFlagArray;              // words 138-190
    FArray<Int, kSquallIntCount> DefaultIntArray;                    // words 191-222
    FArray<Real, kSquallRealCount> DefaultRealArray;                 // words 223-274
    FArray<char, kSquallNameLength, kSquallFlagCount> FlagNameChars;    // bytes 1097-2686
    FArray<char, kSquallNameLength, kSquallIntCount> IntegerNameChars;  // bytes 2687-3646
    FArray<char, kSquallNameLength, kSquallRealCount> RealNameChars;    // bytes 3647-5206

    // The name of flag, integer or real n (1-based), 30 characters.
    std::string_view flag_name(int n) const { return {&FlagNameChars(1, n), kSquallNameLength}; }
    std::string_view integer_name(int n) const { return {&IntegerNameChars(1, n), kSquallNameLength}; }
    std::string_view real_name(int n) const { return {&RealNameChars(1, n), kSquallNameLength}; }

    // Every option under its own name: `existSquall()`, `existSquall_D()`, `existSquall_C()`.
#define BREVANT_SQUALL_FLAG_ACCESS(name, n)                                      \
    Logical& name() { return FlagArray(n); }                                     \
    const Logical& name() const { return FlagArray(n); }                         \
    Logical& name##_D() { return DefaultFlagArray(n); }                          \
    const Logical& name##_D() const { return DefaultFlagArray(n); }              \
    std::string_view name##_C() const { return flag_name(n); }
#define BREVANT_SQUALL_INT_ACCESS(name, n)                                       \
    Int& name() { return IntVarArray(n); }                                       \
    const Int& name() const { return IntVarArray(n); }                           \
    Int& name##_D() { return DefaultIntArray(n); }                               \
    const Int& name##_D() const { return DefaultIntArray(n); }                   \
    std::string_view name##_C() const { return integer_name(n); }
#define BREVANT_SQUALL_REAL_ACCESS(name, n)                                      \
    Real& name() { return RealVarArray(n); }                                     \
    const Real& name() const { return RealVarArray(n); }                         \
    Real& name##_D() { return DefaultRealArray(n); }                             \
    const Real& name##_D() const { return DefaultRealArray(n); }                 \
    std::string_view name##_C() const { return real_name(n); }
    BREVANT_SQUALL_FLAGS(BREVANT_SQUALL_FLAG_ACCESS)
    BREVANT_SQUALL_INTEGERS(BREVANT_SQUALL_INT_ACCESS)
    BREVANT_SQUALL_REALS(BREVANT_SQUALL_REAL_ACCESS)
#undef BREVANT_SQUALL_FLAG_ACCESS
#undef BREVANT_SQUALL_INT_ACCESS
#undef BREVANT_SQUALL_REAL_ACCESS
};

static_assert(std::is_standard_layout_v<Squalcom> && std::is_trivially_copyable_v<Squalcom>);
static_assert(offsetof(Squalcom, FlagArray) == 4 * (1 - 1));
static_assert(offsetof(Squalcom, IntVarArray) == 4 * (54 - 1));
static_assert(offsetof(Squalcom, RealVarArray) == 4 * (86 - 1));
static_assert(offsetof(Squalcom, DefaultFlagArray) == 4 * (138 - 1));
static_assert(offsetof(Squalcom, DefaultIntArray) == 4 * (191 - 1));
static_assert(offsetof(Squalcom, DefaultRealArray) == 4 * (223 - 1));
static_assert(offsetof(Squalcom, FlagNameChars) == 1097 - 1);
static_assert(offsetof(Squalcom, IntegerNameChars) == 2687 - 1);
static_assert(offsetof(Squalcom, RealNameChars) == 3647 - 1);
static_assert(offsetof(Squalcom, RealNameChars) + sizeof(Squalcom::RealNameChars) == 5206);

extern Squalcom SQUALCOM;

// Puts `SQUALCOM` back to its start: every byte zero.
void reset_squalcom();

// Writes "VESTRDAT" (or the file named SQUAL_IO) afresh. A file that cannot be created or
// written ends the program with a message on standard output.
//   SQUAL_IO                    in  name of the options file
//   VERNOQ, VERS_SUFXQ          in  version and version increment of this program (header line)
//   SQ_VERNOQ, SQ_VERS_SUFXQ    in  version and increment of the squall program (header line)
//   DURATNQ                     in  duration in hours, written in seconds
//   NDYNEVQ                     in  number of dynamic events
//   IDYNEVQ, linePicks          in  the event list and the line picks, nFldReports entries of each
// The flags, integers and reals themselves come from SQUALCOM.
void WRITE_TD_OPTS(const std::string& SQUAL_IO, Real VERNOQ, Int VERS_SUFXQ, Real SQ_VERNOQ, Int SQ_VERS_SUFXQ,
                   Real DURATNQ, Int NDYNEVQ, const FldReportList& IDYNEVQ, const FldReportList& linePicks);

// Reads the options file into `SQUALCOM`, the default picks and the line picks. iBadOpts: 0 good,
// 1 unreadable (the file is deleted), 2 read with other counts than 53, 32 and 52. A missing file
// ends the program with a message on standard output.
void READ_TD_OPTS(const std::string& SQUAL_IO, Int& iBadOpts, FldReportList& linePicks, FldReportList& defaultPics,
                  FixedText<80>& VERSION_DAT);

// True when the picks differ from the defaults in count or in any value.
bool overRideLinePicks_F(const FldReportList& linePicks, Int nFldReports, const FldReportList& defaultPics,
                         Int nDefaultFldReports);

// True when the two durations differ (exact comparison).
bool overRideFullDuration_F(Real fullDurationHrs, Real DURATNQ);

}  // namespace brevant
