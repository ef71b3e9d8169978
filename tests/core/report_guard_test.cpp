// The report's side of the NaN and Infinity guard: which report lines open a section (the headings
// as the report writes them, and the lines that only look like one), the section a field written
// under each heading is reported in, and the warning's words.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/report_guard.h"
#include "sysutl/fortran_format.h"
#include "sysutl/report_field_guard.h"
#include "sysutl/units.h"
#include "test_support.h"

namespace brevant {
namespace {

constexpr Int kReport = DISK_UNIT;
const float kNaN = std::numeric_limits<float>::quiet_NaN();

struct HeadingCase {
    const char* line;
    const char* title;  // empty: the line opens no section
};

// Headings as the report writes them: Roman numerals alone or with a sub-section letter, framed by
// asterisk runs of any length, the title touching the closing run or not.
const HeadingCase kHeadings[] = {
    {"   *********  Ia. Dimensionless Regular Wave Reflection Coefficients  *********",
     "Ia. Dimensionless Regular Wave Reflection Coefficients"},
    {"   **  IVb. \"Low-Frequency\" Wave Absorption Force & Moment Spectral Densities  **",
     "IVb. \"Low-Frequency\" Wave Absorption Force & Moment Spectral Densities"},
    {"   **********   V. Dimensionless Wind and Current Coefficients   ************",
     "V. Dimensionless Wind and Current Coefficients"},
    {"   *********  VIIp. Spectral Values: Wind Speed and Current Speed  **********",
     "VIIp. Spectral Values: Wind Speed and Current Speed"},
    {"    *******  VIIs. Spectral Values: Wave Reflection Forces & Moment*******",
     "VIIs. Spectral Values: Wave Reflection Forces & Moment"},
    {"   *************  VIIIp. Irregular Wave Group Spectral Values  **************",
     "VIIIp. Irregular Wave Group Spectral Values"},
    {"   *********************  IX. Net Environmental Forces & Moments   ********************",
     "IX. Net Environmental Forces & Moments"},
    {"   ****************  X. Environmental Force & Moment Summary   ***************",
     "X. Environmental Force & Moment Summary"},
};

// Lines that are no headings: a frame, a row whose first field overflowed into asterisks, a label
// without its point, a word that starts with a numeral letter, text, an empty line.
const HeadingCase kNoHeadings[] = {
    {"   ***********************************", ""},
    {" ******    3.00   12.50", ""},
    {"   ***  VIIp Spectral Values  ***", ""},
    {"   ***  Values of the period  ***", ""},
    {"   ***  Ip: the point  ***", ""},
    {"  VIIp. Spectral Values: Wind Speed and Current Speed", ""},
    {"", ""},
};

TEST(ReportSectionTitle, NamesEveryHeadingAndNoOtherLine) {
    for (const HeadingCase& c : kHeadings) EXPECT_EQ(report_section_title(c.line), c.title) << c.line;
    for (const HeadingCase& c : kNoHeadings) EXPECT_EQ(report_section_title(c.line), "") << c.line;
}

class ReportGuardCount : public testing::ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        capture_unit(kReport);
    }
    void TearDown() override {
        stop_report_field_count();
        ConsoleTest::TearDown();
    }
    // The section a field not a number is reported in when it is written on the line after LINE,
    // which itself follows the heading of section VI.
    std::string section_of_a_field_after(const char* line) {
        start_report_field_count(kReport, report_section_title);
        write_record(kReport, "   ****  VI. Mean Wind and Current Forces & Moments   ****");
        write_record(kReport, line);
        write_record(kReport, Record().x(1).F(kNaN, 8, 2).str());
        return report_non_finite_fields().first_section;
    }
};

// A field written on the very next line after a heading, with or without a sub-section letter,
// belongs to that heading's section.
TEST_F(ReportGuardCount, AFieldStraightAfterAHeadingIsReportedInItsSection) {
    for (const HeadingCase& c : kHeadings) EXPECT_EQ(section_of_a_field_after(c.line), c.title) << c.line;
}

TEST_F(ReportGuardCount, ALineThatIsNoHeadingKeepsTheSectionBeforeIt) {
    for (const HeadingCase& c : kNoHeadings)
        EXPECT_EQ(section_of_a_field_after(c.line), "VI. Mean Wind and Current Forces & Moments") << c.line;
}

TEST(ReportFieldWarning, NamesTheCountAndTheFirstSection) {
    EXPECT_EQ(non_finite_fields_warning({2366, "VIIp. Spectral Values: Wind Speed and Current Speed"}),
              " ++> Warning: 2366 report fields are NaN or Infinity (the first in section VIIp. Spectral"
              " Values: Wind Speed and Current Speed): the case holds values the analysis cannot use.");
    EXPECT_EQ(non_finite_fields_warning({1, "IX. Net Environmental Forces & Moments"}),
              " ++> Warning: 1 report field is NaN or Infinity (the first in section IX. Net Environmental"
              " Forces & Moments): the case holds values the analysis cannot use.");
    EXPECT_EQ(non_finite_fields_warning({3, ""}),
              " ++> Warning: 3 report fields are NaN or Infinity (the first on the title page): the case"
              " holds values the analysis cannot use.");
}

}  // namespace
}  // namespace brevant
