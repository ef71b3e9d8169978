// Motion phase 2: the heading walk with a recording hull double (the calls, the statistics choice,
// the zeroing of computed RAOs, the tilt), the tilt rotation itself, the files and export records of
// the mooring-system types, the plot header, the companion-file failure and the closes.
#include "veslib/motion_phase2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "motion_stats_fixture.h"
#include "sysutl/binary_records.h"
#include "sysutl/report_files.h"
#include "veslib/motion_export.h"
#include "veslib/motion_pages.h"
#include "veslib/user_raos.h"

namespace brevant {
namespace {

namespace fs = std::filesystem;

// What the hull double saw: the calls in order and the arrays handed to its RAO routine.
struct HullLog {
    std::vector<std::string> calls;
    std::vector<std::vector<Complex>> forces_seen;
};

// The forces of heading IRAO at grid point i and degree of freedom d: distinct, non-trivial values.
Complex force_value(Int IRAO, int i, int d) {
    return Complex(0.1f * static_cast<Real>(d) + 0.01f * static_cast<Real>(i) + static_cast<Real>(IRAO),
                   0.3f - 0.07f * static_cast<Real>(d * i));
}
// The RAO routine's result from the forces it finds: each value scaled and turned.
Complex rao_of(Complex f) { return f * Complex(0.5f, 0.25f); }

class Phase2 : public testing::MotionStatsTest {
protected:
    void SetUp() override {
        MotionStatsTest::SetUp();
        grid(4.0f, 1.0f, 9);
        sea_spectrum(1, [](Real w) { return w * w; });
        TPCM.VESTYP = 1;
        HullTable t;
        t.ship.FRC = [this](Int& NPASS2) {
            log.calls.push_back("FRC" + std::to_string(NPASS2));
            for (int d = 1; d <= 6; ++d)
                for (int i = 1; i <= TPCM.NWP; ++i) HIMEM.SEARAO(i, d) = force_value(WAVCOM.IRAO, i, d);
        };
        t.ship.RAO = [this]() {
            log.calls.push_back("RAO");
            log.forces_seen.emplace_back(HIMEM.SEARAO().begin(), HIMEM.SEARAO().end());
            for (int d = 1; d <= 6; ++d)
                for (int i = 1; i <= TPCM.NWP; ++i) HIMEM.SEARAO(i, d) = rao_of(HIMEM.SEARAO(i, d));
        };
        install_hull_table(t);
        // Three headings: 1 the long-crested sea, 2 unused, 3 the free swell.
        WAVCOM.NRAO = 3;
        for (Int k = 1; k <= 3; ++k) HIMEM.RAOANG(k) = 30.0f * static_cast<Real>(k);
        TPCM.LRANDM = 1;
        TPCM.NSEAHT() = 1;
        TPCM.NSEAHG = 1;
        HIMEM.IRAN(1) = 1;
        WAVCOM.ISWELL = 3;
        TPCM.SIMTYP = 16;
    }
    void TearDown() override {
        reset_usrrao();
        MotionStatsTest::TearDown();
    }
    Real block(Int LOC, Int IDOF) const { return HIMEM.RLDUM(LOCAT0(HIMEM.NHTNHD, HIMEM.MAXHT, 1, 1, IDOF, LOC)); }
    HullLog log;
};

TEST_F(Phase2, OwnRunningTypeOpensNothingYetRunsForcesRaosAndStatisticsPerHeading) {
    testing::ScratchDir dir;
    TPCM.IUNIT = 1;
    TPCM.IPLOTS = 2;
    TPCM.LFORCE = 1;
    VESL2();
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_FALSE(unit_is_open(PLOT_UNIT));
    EXPECT_FALSE(unit_is_open(kExportUnit));
    EXPECT_EQ(screen().find("-->"), std::string::npos) << screen();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"FRC5", "RAO", "FRC5", "RAO", "FRC5", "RAO"}));
    // Heading 1 is the sea's: force and motion statistics filed. Heading 2 is nobody's.
    EXPECT_GT(block(HIMEM.LCNFTQ, 1), 0.0f);
    EXPECT_GT(block(HIMEM.LCNMOT, 6), 0.0f);
    EXPECT_EQ(HIMEM.LOCSIG, HIMEM.LCNMOT);
    EXPECT_EQ(HIMEM.LFRFLG, 0);
}

TEST_F(Phase2, StatisticsAreTakenOnlyForHeadingsThatASeaOrSwellUses) {
    struct Case {
        const char* what;
        Int LSWELL, LSWLOK, swell_heading, expected_skip;
    };
    const Case cases[] = {
        {"free swell whatever LSWELL", 0, 0, 2, 0},
        {"locked swell needs LSWELL", 0, 1, 2, 1},
        {"locked swell with LSWELL", 1, 1, 2, 0},
        {"nobody's heading", 1, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WAVCOM.NRAO = 2;
        TPCM.LSWELL = c.LSWELL;
        TPCM.LSWLOK = c.LSWLOK;
        WAVCOM.ISWELL = c.LSWLOK == 0 ? c.swell_heading : 0;
        HIMEM.ISWL(1) = c.LSWLOK == 1 ? c.swell_heading : 0;
        // The swell spectrum, if one is asked for, is of a plain kind.
        TPCM.SWELHT = 1.0f;
        TPCM.SWELPD = 10.0f;
        TPCM.SWLTYP = 1;
        VESL2();
        EXPECT_EQ(HIMEM.LSKIP, c.expected_skip);
    }
}

TEST_F(Phase2, QuenchZeroesHeaveRollAndPitchOfComputedRaosOnly) {
    WAVCOM.NRAO = 1;
    PASCOM.QUASQUENCH = 1;
    VESL2();
    for (int i = 1; i <= TPCM.NWP; ++i) {
        for (int d = 1; d <= 6; ++d) {
            const bool zeroed = d == 3 || d == 4 || d == 5;
            EXPECT_EQ(HIMEM.SEARAO(i, d), zeroed ? Complex(0.0f, 0.0f) : rao_of(force_value(1, i, d))) << i << " " << d;
        }
    }
    // No motion statistics of the zeroed degrees of freedom.
    EXPECT_EQ(block(HIMEM.LCNMOT, 3), 0.0f);
    EXPECT_GT(block(HIMEM.LCNMOT, 1), 0.0f);
}

TEST_F(Phase2, WithoutTiltTheArraysAreNeverRotated) {
    WAVCOM.NRAO = 2;
    VESL2();
    ASSERT_EQ(log.forces_seen.size(), 2u);
    for (int i = 1; i <= TPCM.NWP; ++i) {
        for (int d = 1; d <= 6; ++d) {
            const std::size_t k = static_cast<std::size_t>(i - 1 + 100 * (d - 1));
            ASSERT_EQ(log.forces_seen[1][k], force_value(2, i, d));
            ASSERT_EQ(HIMEM.SEARAO(i, d), rao_of(force_value(2, i, d)));
        }
    }
}

TEST_F(Phase2, TiltRotatesForcesForStatisticsAndBackForTheHullAndLeavesRaosInHullAxes) {
    WAVCOM.NRAO = 1;
    TPCM.TRIMDG = 5.0f;
    TPCM.HEELDG = 3.0f;
    VESL2();
    ASSERT_EQ(log.forces_seen.size(), 1u);
    for (int i = 1; i <= TPCM.NWP; ++i) {
        for (int d = 1; d <= 6; ++d) {
            const std::size_t k = static_cast<std::size_t>(i - 1 + 100 * (d - 1));
            EXPECT_NEAR(std::abs(log.forces_seen[0][k] - force_value(1, i, d)), 0.0f, 2e-6f);
            EXPECT_NEAR(std::abs(HIMEM.SEARAO(i, d) - rao_of(force_value(1, i, d))), 0.0f, 2e-6f);
        }
    }
    // The force statistics are those of the tilted forces: surge then mixes in heave.
    const Real tilted = block(HIMEM.LCNFTQ, 1);
    reset_himem();
    grid(4.0f, 1.0f, 9);
    sea_spectrum(1, [](Real w) { return w * w; });
    HIMEM.IRAN(1) = 1;
    HIMEM.RAOANG(1) = 30.0f;
    TPCM.TRIMDG = 0.0f;
    TPCM.HEELDG = 0.0f;
    VESL2();
    EXPECT_GT(std::fabs(block(HIMEM.LCNFTQ, 1) - tilted), 1e-4f * tilted);
}

TEST_F(Phase2, TiltRotationIsOrthonormalAndRotatingBackRestoresATriple) {
    set_ROTVES(5.0f, 3.0f);
    const auto& R = HIMEM.ROTVES;
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            float dot = 0.0f;
            for (int k = 1; k <= 3; ++k) dot += R(i, k) * R(j, k);
            EXPECT_NEAR(dot, i == j ? 1.0f : 0.0f, 1e-6f) << i << " " << j;
        }
    }
    EXPECT_NEAR(R(1, 3), -std::sin(5.0f / 57.295776f), 1e-7f);
    EXPECT_NEAR(R(3, 2), -std::sin(3.0f / 57.295776f), 1e-7f);
    lay_out_himem_pool();
    TPCM.NWP = 3;
    for (int i = 1; i <= 3; ++i)
        for (int d = 1; d <= 6; ++d) HIMEM.SEARAO(i, d) = force_value(1, i, d);
    rotate_rao_triples(false);
    EXPECT_GT(std::abs(HIMEM.SEARAO(2, 1) - force_value(1, 2, 1)), 1e-3f);
    rotate_rao_triples(true);
    for (int i = 1; i <= 3; ++i)
        for (int d = 1; d <= 6; ++d) EXPECT_NEAR(std::abs(HIMEM.SEARAO(i, d) - force_value(1, i, d)), 0.0f, 1e-6f);
}

// A buoy (mooring type 2, running type 13): the files, the plot header and the export records.
TEST_F(Phase2, BuoyExportHoldsHeadingsSeaStateAndPointRecordsInLayoutA) {
    testing::ScratchDir dir;
    testing::put_file("LINEANG", "");
    TPCM.SIMTYP = 13;
    TPCM.ISPM = 2;
    TPCM.IUNIT = 1;
    TPCM.IPLOTS = 2;
    TPCM.LODRAO() = 1;
    TPCM.LSWELL = 1;
    TPCM.LSWEL2 = 1;
    TPCM.NACC() = 2;
    HIMEM.IRAN(1) = 0;  // no heading takes statistics: the blocks below stay as filled
    TPCM.MOTION.fill(0);  // and no degree of freedom is printed: the plot file holds its header only
    WAVCOM.ISWELL = 0;
    HIMEM.LRAO(2) = 1;
    HIMEM.RLDUM(HIMEM.LCNWV) = 4.0f;
    HIMEM.RLDUM(HIMEM.LCNWV + 2) = 11.5f;
    HIMEM.RLDUM(HIMEM.LCNSWL) = 1.0f;
    HIMEM.RLDUM(HIMEM.LCNSWL2) = 0.25f;
    for (Int d = 4; d <= 6; ++d) HIMEM.RLDUM(LOCAT0(HIMEM.NHTNHD, HIMEM.MAXHT, 1, 1, d, HIMEM.LCNMOT)) = static_cast<Real>(d * d);
    const Int JUMP = 2 * HIMEM.NHTNHD;
    for (Int n = 0; n < 2; ++n) {
        const Int h = HIMEM.LCNHNG + 6 * HIMEM.NHTNHD * n;
        const Int dsp = HIMEM.LCNDSP + 6 * HIMEM.NHTNHD * n;
        for (Int c = 0; c < 3; ++c) {
            HIMEM.RLDUM(h + c * JUMP) = static_cast<Real>((n + 1) * (c + 1));
            HIMEM.RLDUM(h + c * JUMP + 1) = 4.0f * static_cast<Real>((n + 1) * (c + 1));
            HIMEM.RLDUM(dsp + c * JUMP) = 9.0f * static_cast<Real>(c + 1 + n);
            HIMEM.RLDUM(dsp + c * JUMP + 1) = 16.0f * static_cast<Real>(c + 1 + n);
        }
    }
    VESL2();
    EXPECT_TRUE(fs::exists("BUOYRAO.stxt"));
    EXPECT_TRUE(fs::exists("BUOYRAO.plt"));
    EXPECT_FALSE(unit_is_open(kExportUnit));
    EXPECT_FALSE(unit_is_open(PLOT_UNIT));
    EXPECT_FALSE(unit_is_open(1));
    EXPECT_EQ(testing::file_bytes("BUOYRAO.plt").substr(0, 14), "     1\n  1000\n");
    EXPECT_EQ(HIMEM.NCURV, 1);
    EXPECT_EQ(HIMEM.IXFLAG, 1);
    const std::string s = screen();
    EXPECT_NE(s.find("\n --> Computing driving forces/torques for relative wave heading   30.00\n"), std::string::npos) << s;
    EXPECT_NE(s.find("\n --> Computing raos and irregular wave statistics...\n"), std::string::npos) << s;

    RHOPEN("BUOYMOTN", 0, 1, 0, kExportUnit, "TEST", SCREEN_UNIT, 5);
    BinaryRecord r;
    ASSERT_EQ(read_binary_record(kExportUnit, r), RecordRead::Ok);
    EXPECT_EQ(r.get_int(), 3);
    for (Int k = 1; k <= 3; ++k) {
        ASSERT_EQ(read_binary_record(kExportUnit, r), RecordRead::Ok);
        EXPECT_EQ(r.get_real(), 30.0f * static_cast<Real>(k));
        EXPECT_EQ(r.get_logical(), k == 2);
        EXPECT_EQ(r.bytes_left(), 0u);
    }
    ASSERT_EQ(read_binary_record(kExportUnit, r), RecordRead::Ok);
    const float seven[7] = {8.0f, 4.0f, 2.0f, 11.5f, 4.0f, 6.0f, 5.0f};  // sea, swell, swell 2, Tp, roll, yaw, pitch
    for (float v : seven) EXPECT_FLOAT_EQ(r.get_real(), v);
    EXPECT_EQ(r.bytes_left(), 0u);
    EXPECT_FLOAT_EQ(PASCOM.WYWRMS, 6.0f);
    for (Int n = 0; n < 2; ++n) {
        SCOPED_TRACE(n);
        for (Int c = 0; c < 3; ++c) {
            ASSERT_EQ(read_binary_record(kExportUnit, r), RecordRead::Ok);
            const float v = static_cast<float>((n + 1) * (c + 1));
            EXPECT_FLOAT_EQ(r.get_real(), std::sqrt(v));
            EXPECT_FLOAT_EQ(r.get_real(), 2.0f * std::sqrt(v));
        }
        const float x = static_cast<float>(1 + n);
        const float y = static_cast<float>(2 + n);
        const float z = static_cast<float>(3 + n);
        ASSERT_EQ(read_binary_record(kExportUnit, r), RecordRead::Ok);
        EXPECT_FLOAT_EQ(r.get_real(), std::sqrt(9.0f * (x + y)));
        EXPECT_FLOAT_EQ(r.get_real(), std::sqrt(16.0f * (x + y)));
        ASSERT_EQ(read_binary_record(kExportUnit, r), RecordRead::Ok);
        EXPECT_FLOAT_EQ(r.get_real(), 3.0f * std::sqrt(z));
        EXPECT_FLOAT_EQ(r.get_real(), 4.0f * std::sqrt(z));
    }
    EXPECT_EQ(read_binary_record(kExportUnit, r), RecordRead::End);
    HCLOSE(kExportUnit, "BUOYMOTN", "TEST", SCREEN_UNIT);
}

TEST_F(Phase2, TwoBodiesWriteLayoutBIntoBothFiles) {
    testing::ScratchDir dir;
    testing::put_file("LINEANG", "");
    {
        // The companion file: its first record and one per heading.
        RHOPEN("TUGSTERN", 0, 0, 0, 10, "TEST", SCREEN_UNIT, 5);
        BinaryRecord first;
        first.add_int(3);
        write_binary_record(10, first);
        for (int k = 0; k < 3; ++k) {
            BinaryRecord h;
            h.add_real(1.0f).add_logical(true);
            write_binary_record(10, h);
        }
        HCLOSE(10, "TUGSTERN", "TEST", SCREEN_UNIT);
    }
    TPCM.SIMTYP = 10;
    TPCM.ISPM = 3;
    TPCM.LRANDM = 0;
    TPCM.NUM_SWEL = 1;
    TPCM.LSWELL = 1;
    VESL2();
    EXPECT_TRUE(fs::exists("BARGEBOW"));
    EXPECT_FALSE(unit_is_open(10));
    EXPECT_FALSE(unit_is_open(11));
    EXPECT_FALSE(unit_is_open(12));
    // One height and one heading: unit 13 holds the header, three heading records, the sea state and
    // five pairs; "RELMOT" the second body's five pairs.
    auto count = [](const char* name) {
        RHOPEN(name, 0, 1, 0, kExportUnit, "TEST", SCREEN_UNIT, 5);
        int n = 0;
        BinaryRecord r;
        while (read_binary_record(kExportUnit, r) == RecordRead::Ok) ++n;
        HCLOSE(kExportUnit, name, "TEST", SCREEN_UNIT);
        return n;
    };
    EXPECT_EQ(count("BARGEBOW"), 1 + 3 + 1 + 5);
    EXPECT_EQ(count("RELMOT"), 5);
}

TEST_F(Phase2, CompanionFileShorterThanTheHeadingsEndsTheRunThroughTheReadErrorReport) {
    testing::ScratchDir dir;
    testing::put_file("LINEANG", "");
    RHOPEN("BUOYMOTN", 0, 0, 0, 10, "TEST", SCREEN_UNIT, 5);
    BinaryRecord first;
    first.add_int(3);
    write_binary_record(10, first);
    BinaryRecord h;
    h.add_real(1.0f).add_logical(true);
    write_binary_record(10, h);
    HCLOSE(10, "BUOYMOTN", "TEST", SCREEN_UNIT);
    TPCM.SIMTYP = 13;
    TPCM.ISPM = 3;
    answers("\n");
    EXPECT_EQ(end_status([] { VESL2(); }), 1);
    const std::string s = screen();
    EXPECT_NE(s.find("End of file or related file error in routine TORMEDA2"), std::string::npos) << s;
    EXPECT_NE(s.find("file name BUOYMOTN"), std::string::npos) << s;
    EXPECT_NE(s.find("Press <RETURN> to continue"), std::string::npos) << s;
    // The first heading read its record; the second ran and then found none.
    EXPECT_EQ(log.calls.size(), 4u);
}

TEST_F(Phase2, ClosesExactlyTheUnitsItOpened) {
    testing::ScratchDir dir;
    // A plot file opened under NEGSUM 1 is closed; the report unit it never opened stays open.
    TPCM.SIMTYP = 1;
    TPCM.NEGSUM = 1;
    TPCM.IUNIT = 1;
    TPCM.LFORCE = 1;
    TPCM.IPLOTS = 1;
    ASSERT_TRUE(open_unit(1, "REPORT", UnitMode::Write));
    VESL2();
    EXPECT_TRUE(fs::exists("KORVRAO.plt"));
    EXPECT_FALSE(fs::exists("KORVRAO.stxt"));
    EXPECT_FALSE(unit_is_open(PLOT_UNIT));
    EXPECT_TRUE(unit_is_open(1));
    // Under the own running type the same units are left alone.
    TPCM.SIMTYP = 16;
    TPCM.NEGSUM = 0;
    ASSERT_TRUE(open_unit(PLOT_UNIT, "OTHER", UnitMode::Write));
    VESL2();
    EXPECT_TRUE(unit_is_open(1));
    EXPECT_TRUE(unit_is_open(PLOT_UNIT));
}

TEST_F(Phase2, ForceAndRaoPagesFollowTheirFlagsAndTheHeadingsPrintFlag) {
    struct Case {
        Int LFORCE, LODRAO, LRAO, ALLRAO;
        int force_pages, rao_pages;
    };
    const Case cases[] = {
        {1, 1, 1, 0, 1, 1}, {1, 0, 1, 0, 1, 0}, {0, 1, 1, 0, 0, 1}, {1, 1, 0, 0, 0, 0}, {1, 1, 0, 1, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.LFORCE) + std::to_string(c.LODRAO) + std::to_string(c.LRAO) +
                     std::to_string(c.ALLRAO));
        testing::ScratchDir dir;
        TPCM.SIMTYP = 1;
        TPCM.IUNIT = 1;
        TPCM.NEGSUM = 0;
        TPCM.LFORCE = c.LFORCE;
        TPCM.LODRAO() = c.LODRAO;
        TPCM.ALLRAO = c.ALLRAO;
        TPCM.MOTION.fill(0);
        TPCM.MOTION(1) = 1;
        WAVCOM.NRAO = 1;
        HIMEM.LRAO(1) = c.LRAO;
        VESL2();
        const std::string pages = testing::file_bytes("KORVRAO.stxt");
        EXPECT_EQ(static_cast<int>(testing::count_of(pages, "DIMENSIONLESS DRIVING FORCE/TORQUE RAOS")), c.force_pages);
        EXPECT_EQ(static_cast<int>(testing::count_of(pages, "QUASI-LINEAR RESPONSE RAOS")), c.rao_pages);
        EXPECT_FALSE(unit_is_open(1));
    }
}

TEST_F(Phase2, UserRaosAreNeverQuenchedAndTurnedBackAsTheDeckOptionSays) {
    testing::ScratchDir dir;
    WAVCOM.NRAO = 1;
    TPCM.AUXVSH = 1;
    PASCOM.QUASQUENCH = 1;
    reset_usrrao();
    answers("\n");  // the missing table's warning: continue with unit RAOs
    VESL2();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"FRC5"}));
    std::vector<Complex> plain(HIMEM.SEARAO().begin(), HIMEM.SEARAO().end());
    for (int i = 1; i <= TPCM.NWP; ++i) EXPECT_NE(HIMEM.SEARAO(i, 3), Complex(0.0f, 0.0f)) << i;
    // With a tilt: DECKUP 0 leaves them rotated once, DECKUP 1 turned back once.
    for (Int DECKUP : {0, 1}) {
        SCOPED_TRACE(DECKUP);
        TPCM.TRIMDG = 5.0f;
        TPCM.HEELDG = 3.0f;
        TPCM.DECKUP = DECKUP;
        VESL2();
        std::vector<Complex> got(HIMEM.SEARAO().begin(), HIMEM.SEARAO().end());
        std::copy(plain.begin(), plain.end(), HIMEM.SEARAO().begin());
        rotate_rao_triples(DECKUP == 1);
        for (int i = 1; i <= TPCM.NWP; ++i) {
            for (int d = 1; d <= 6; ++d) {
                const std::size_t k = static_cast<std::size_t>(i - 1 + 100 * (d - 1));
                EXPECT_NEAR(std::abs(got[k] - HIMEM.SEARAO(i, d)), 0.0f, 1e-5f) << i << " " << d;
            }
        }
    }
}

TEST_F(Phase2, MooringTypeOneCreatesAnEmptyExport) {
    testing::ScratchDir dir;
    TPCM.SIMTYP = 1;
    TPCM.ISPM = 1;
    VESL2();
    ASSERT_TRUE(fs::exists("YOKEMOT"));
    EXPECT_EQ(fs::file_size("YOKEMOT"), 0u);
    EXPECT_FALSE(unit_is_open(kExportUnit));
}

TEST_F(Phase2, DebugLevelOneWritesTheHeadingLinesAndTheEndLabel) {
    WAVCOM.NRAO = 1;
    HIMEM.LRAO(1) = 1;
    TPCM.NBUG = 1;
    HIMEM.IRAN(1) = 0;
    VESL2();
    const std::string s = screen();
    EXPECT_NE(s.find("IRAO,NRAO,RAOANG(IRAO),LRAO(IRAO),LRAO(IRAO)\n    1    1  0.3000E+02    T    1\n"), std::string::npos)
        << s;
    EXPECT_NE(s.find("LABEL 85\n"), std::string::npos) << s;
}

}  // namespace
}  // namespace brevant
