// A fixture for the load-model tests: fresh records and kept tables, a scripted keyboard, the
// screen captured, and a scratch folder for the user table files.
#pragma once

#include <functional>
#include <string>

#include "lowlib/current_profile.h"
#include "lowlib/speed_spectra.h"
#include "lowlib/wind_current_coefficients.h"
#include "records/coefficient_image.h"
#include "records/data_image.h"
#include "records/sines_record.h"
#include "records/wave_record.h"
#include "test_support.h"

namespace brevant::testing {

class LowlibTest : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        reset_all();
    }
    void TearDown() override {
        reset_all();
        ConsoleTest::TearDown();
    }
    static void reset_all() {
        reset_tpcm();
        reset_wavcom();
        reset_sines();
        reset_curprof();
        reset_uwndspec();
        reset_ucurspec();
        reset_usrwnd();
        reset_usrcrn();
        reset_lowcof();
    }
    // Runs a routine that must end the program and returns the exit status (-1 when it returned).
    static int end_status(const std::function<void()>& f) {
        try {
            f();
        } catch (const ProgramEnd& e) {
            return e.status;
        }
        return -1;
    }
    ScratchDir scratch_;
};

}  // namespace brevant::testing
