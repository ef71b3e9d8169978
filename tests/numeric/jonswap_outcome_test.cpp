// The JONSWAP normaliser's integration in the form that reports instead of asking or stopping,
// against the independent values of the spectrum's area and against JONSVAL itself, whose
// questions and stops stay as they were.
#include <cmath>
#include <limits>
#include <vector>

#include "numeric/wave_number.h"
#include "sysutl/program_end.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

using testing::ConsoleTest;
using testing::count_of;

class JonswapReportTest : public ConsoleTest {};

// The area under the shape: 0.2 for gamma 1 (the Pierson-Moskowitz area, whatever the integrals),
// 0.30499 for the mean sea (0.07, 0.09, 3.3), and the normalisers of the fixed sharp and squat shapes.
TEST_F(JonswapReportTest, ConvergesToTheAreaUnderTheShape) {
    struct Shape {
        Real PL, PG, GAMMA;
        double area;
        double tolerance;  // relative: the integrations are accepted at 1 % of their values
    };
    const Shape shapes[] = {{0.07f, 0.09f, 1.0f, 0.2, 0.0},
                            {0.07f, 0.09f, 3.3f, 0.30499, 0.01},
                            {0.05f, 0.07f, 4.2f, 0.3076, 0.01},
                            {0.68f, 0.123f, 7.0f, 0.7114, 0.01}};
    for (const Shape& s : shapes) {
        Real JONVAL = -1.0f;
        EXPECT_EQ(jonswap_outcome(s.PL, s.PG, s.GAMMA, JONVAL), JonswapOutcome::Converged) << s.GAMMA;
        if (s.tolerance == 0.0) {
            EXPECT_EQ(JONVAL, 0.2f);
        } else {
            EXPECT_NEAR(double(JONVAL) / s.area, 1.0, s.tolerance) << s.GAMMA;
        }
    }
    EXPECT_EQ(screen(), "");
}

// Where it converges it gives JONSVAL's value to the bit; where JONSVAL would ask or stop, it
// returns why, writes and reads nothing, and leaves the value as it was.
TEST_F(JonswapReportTest, ReportsWhereJonsvalAsksOrStops) {
    for (Real g : {3.12540651e-05f, 0.3f, 2.0f, 7.0f, 20.0f, 1000.0f, 2914.69824f}) {
        Real reported = -1.0f, asked = -2.0f;
        EXPECT_EQ(jonswap_outcome(0.07f, 0.09f, g, reported), JonswapOutcome::Converged) << g;
        JONSVAL(0.07f, 0.09f, g, asked, SCREEN_UNIT);
        EXPECT_EQ(reported, asked) << g;
    }
    struct Failure {
        Real PL, PG, GAMMA;
        JonswapOutcome outcome;
    };
    const Failure failures[] = {
        {0.07f, 0.09f, 1.0e-5f, JonswapOutcome::IterationLimit},
        {0.07f, 0.09f, 3.12540615e-05f, JonswapOutcome::IterationLimit},
        {0.07f, 0.09f, 2914.69849f, JonswapOutcome::IterationLimit},
        {0.07f, 0.09f, 5000.0f, JonswapOutcome::IterationLimit},
        {100.0f, 0.09f, 3.3f, JonswapOutcome::IterationLimit},
        // A sigma a so wide that the lower limit lies a few floats below 1: each pass went seven
        // stages deeper than the one before, to 40 and 80 (2^39 and 2^79 evaluations).
        {993.425781f, 0.09f, 3.3f, JonswapOutcome::StagesUsedUp},
        {716.587402f, 0.09f, 3.3f, JonswapOutcome::StagesUsedUp},
        {4095.0f, 0.09f, 20.0f, JonswapOutcome::StagesUsedUp},
        {0.07f, 0.09f, 1.0e-38f, JonswapOutcome::RoundOff},
        {0.07f, 0.09f, 1.0e-40f, JonswapOutcome::RoundOff},
        {0.07f, 0.09f, 0.0f, JonswapOutcome::RoundOff},
    };
    answers("A\n");
    for (const Failure& f : failures) {
        Real JONVAL = -7.0f;
        EXPECT_EQ(jonswap_outcome(f.PL, f.PG, f.GAMMA, JONVAL), f.outcome) << f.GAMMA;
        EXPECT_EQ(JONVAL, -7.0f);
    }
    EXPECT_EQ(screen(), "");
    EXPECT_EQ(silent(), "");
    // The answer is still there for the next reader.
    EXPECT_EQ(read_keyboard_line(), "A");
}

// JONSVAL itself, as the run and the pages' alpha calculator call it: on a screen it asks at its
// iteration warning (Return goes on, and comes back to the question; "A" ends the run); on a
// silent run's console it ends at the first warning.
TEST_F(JonswapReportTest, JonsvalStillAsksOnTheScreenAndEndsASilentRun) {
    const std::string warning = " ++> Possible iteration failure in JONSVAL\n";
    answers("\nA\n");
    Real JONVAL = 0.0f;
    try {
        JONSVAL(0.07f, 0.09f, 1.0e-5f, JONVAL, SCREEN_UNIT);
        FAIL() << "JONSVAL must end the run";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(count_of(screen(), warning), 2u);
    try {
        JONSVAL(0.07f, 0.09f, 1.0e-5f, JONVAL, SILENT_UNIT);
        FAIL() << "JONSVAL must end the run";
    } catch (const ProgramEnd& e) {
        EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(count_of(silent(), warning), 1u);
}

// Where the integration would need more stages than any that ends, JONSVAL stops by name, on the
// screen after a pause and on a silent run's console, instead of running on without end (the
// sample ship's sea with a sigma a of 993.425781 did).
TEST_F(JonswapReportTest, JonsvalStopsByNameWhereTheStagesWouldNeverEnd) {
    const std::string stop = " ++> FATAL error: JONSWAP integral does not converge in JONSVAL\n";
    for (const Int unit : {SCREEN_UNIT, SILENT_UNIT}) {
        SCOPED_TRACE(unit);
        answers("\n");
        Real JONVAL = -3.0f;
        try {
            JONSVAL(993.425781f, 0.09f, 3.3f, JONVAL, unit);
            FAIL() << "JONSVAL must end the run";
        } catch (const ProgramEnd& e) {
            EXPECT_EQ(e.status, 1);
        }
        EXPECT_EQ(JONVAL, -3.0f);
    }
    EXPECT_EQ(screen(), stop + " \n Press <RETURN> to continue: ");
    EXPECT_EQ(silent().rfind(stop, 0), 0u) << silent();
}

}  // namespace
}  // namespace brevant
