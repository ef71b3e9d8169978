// A fixture for the wave-drift tests: the load-model fixture with the drift records and kept
// tables fresh, a wave grid from a period list, and user drift tables written from a formula.
#pragma once

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "lowlib/drift_coefficients.h"
#include "lowlib/tanker_headings.h"
#include "lowlib/user_drift_table.h"
#include "lowlib/waves_in_current.h"
#include "lowlib_fixture.h"
#include "records/equilibrium_record.h"
#include "records/response_record.h"
#include "veslib/wave_environment.h"

namespace brevant::testing {

// Coefficients (Cx, Cy, Cmz) of a table at a frequency w and a heading h in degrees.
struct DriftCoefficients {
    double cx, cy, cmz;
};
using DriftFormula = std::function<DriftCoefficients(double w, double h)>;

// The text of a drift table: the header, then per heading its record and one record per
// frequency (frequency, Cx, Cy, Cmz), values written with enough digits to be exact in float.
inline std::string drift_table_text(const std::vector<double>& freqs, const std::vector<double>& headings,
                                    const DriftFormula& f, const std::string& header = "") {
    std::ostringstream s;
    s.precision(9);
    if (header.empty())
        s << freqs.size() << " " << headings.size() << "\n";
    else
        s << header << "\n";
    for (double h : headings) {
        s << h << "\n";
        for (double w : freqs) {
            const DriftCoefficients c = f(w, h);
            s << w << ", " << c.cx << ", " << c.cy << ", " << c.cmz << "\n";
        }
    }
    return s.str();
}

// k of (w - k U)^2 = g k tanh(k h), the branch that goes to the still-water root as U -> 0.
inline double wave_number(double w, double U, double g, double h) {
    double k = w * w / g;
    for (int i = 0; i < 200; ++i) {
        const double t = std::tanh(k * h);
        const double f = (w - k * U) * (w - k * U) - g * k * t;
        const double df = -2.0 * U * (w - k * U) - g * t - g * k * h * (1.0 - t * t);
        const double step = f / df;
        k -= step;
        if (std::fabs(step) < 1e-15 * k) break;
    }
    return k;
}

class DriftTest : public LowlibTest {
protected:
    void SetUp() override {
        LowlibTest::SetUp();
        reset_drift();
        TPCM.EDUNIT = SCREEN_UNIT;
    }
    void TearDown() override {
        reset_drift();
        LowlibTest::TearDown();
    }
    static void reset_drift() {
        reset_drftcb();
        reset_drftc();
        reset_equilb();
        reset_pascom();
        reset_opacity();
        reset_localq();
    }
    // The grid of the period list T (metric, G 9.8 unless given), with NWP in the data image and
    // the deep-water wave numbers w^2 / G.
    static void grid(const std::vector<Real>& T, Real G = 9.8f) {
        TPCM.NUNTS = 1;
        TPCM.NWP = static_cast<Int>(T.size());
        set_wave_grid(T.data(), TPCM.NWP, 1);
        WAVCOM.G = G;
        for (Int i = 1; i <= TPCM.NWP; ++i) WAVCOM.WVK(i) = WAVCOM.W(i) * WAVCOM.W(i) / G;
    }
    // Periods from T0 in NWP steps of DT.
    static std::vector<Real> periods(Real T0, Real DT, int NWP) {
        std::vector<Real> T;
        for (int i = 0; i < NWP; ++i) T.push_back(T0 + DT * static_cast<Real>(i));
        return T;
    }
};

}  // namespace brevant::testing
